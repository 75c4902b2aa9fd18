#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "EditorViewFixture.h"
#include "SubmodelEditorView.h"
#include "submodel/frm2.h"
#include "support/SectionFiles.h"

using namespace vardex;

class SubmodelEditorViewTest : public QObject {
    Q_OBJECT

  private slots:
    // Opened in the main window as it first shows, the whole editor is inside the main window's
    // area, its last palette rows included; and its title names the file in use.
    void fitsTheMainWindowsAreaAndItsTitleNamesTheFile() {
        testing::EditorViewFixture f;
        QCOMPARE(f.view.size(), QSize(1100, 780));
        f.view.action("mnuProGeom")->trigger();
        QMdiSubWindow* window = f.view.editorViews()->window(EditorKind::Submodel);
        QVERIFY(window);
        QApplication::processEvents();
        const QRect area = f.view.mdiArea()->viewport()->rect();
        QVERIFY(area.contains(window->geometry()));
        auto* editor = qobject_cast<gui::SubmodelEditorView*>(window->widget());
        QLabel* last = editor->findChild<QLabel*>("lblSlot12");
        const QRect lastRow(last->mapTo(f.view.mdiArea()->viewport(), QPoint(0, 0)), last->size());
        QVERIFY(area.contains(lastRow));

        std::string section = f.home.file("slab.sec");
        testing::writeSectionFile(f.app, section, testing::SectionContent{});
        f.dialogs.fileAnswers = {section};
        f.dialogs.inputAnswers = {"2"}; // the vertical length
        editor->findChild<QPushButton*>("cmdAddSection")->click();
        f.main.editors().submodel()->boxEdited(SubmodelBox::Layers, "2");
        f.main.editors().submodel()->boxLeft(SubmodelBox::Layers);
        f.main.editors().submodel()->mouseDown(5, 5);
        f.main.editors().submodel()->mouseUp(5, 15);
        f.dialogs.fileAnswers = {f.home.file("pier.prf")};
        f.main.editors().submodel()->saveAs();
        QCOMPARE(editor->windowTitle(), QString("Sub-Model Geometry -- pier"));
    }

    void opensFromTheEditorsMenuWithItsCaptionsAndTheHint() {
        testing::EditorViewFixture f;
        auto* editor = f.open<gui::SubmodelEditorView>("mnuProGeom", EditorKind::Submodel);
        QVERIFY(editor);
        QCOMPARE(editor->windowTitle(), QString("Sub-Model Geometry -- New"));
        QCOMPARE(f.dialogs.messages.back().title, std::string("Sub-Model File?"));
        QStringList frames;
        for (QGroupBox* g : editor->findChildren<QGroupBox*>()) frames << g->title();
        QCOMPARE(frames, QStringList({"Sub-Model Zone Dimensions  (m)",
                                      "Sub-Model  Description  and  File  Name", "Section  Name"}));
        QStringList buttons;
        for (QPushButton* b : editor->findChildren<QPushButton*>()) buttons << b->text();
        QCOMPARE(buttons, QStringList({"Refresh  Page", "Add a Section", "Remove from Pallette"}));
        QCOMPARE(editor->findChild<QLabel*>("lblSlot12")->text(),
                 QString("                <empty>"));
        QCOMPARE(editor->action("mnuSectionEditor")->text(), QString("Open Section &Editor"));
        QCOMPARE(editor->box(SubmodelBox::Layers)->text(), QString("1"));
    }

    void aDragOnThePicturePaintsLayers() {
        testing::EditorViewFixture f;
        auto* editor = f.open<gui::SubmodelEditorView>("mnuProGeom", EditorKind::Submodel);
        QVERIFY(editor);
        frm2& controller = *f.main.editors().submodel();
        std::string section = f.home.file("slab.sec");
        testing::writeSectionFile(f.app, section, testing::SectionContent{});
        f.dialogs.fileAnswers = {section};
        f.dialogs.colorAnswers = {255};
        f.dialogs.inputAnswers = {"4"}; // the vertical length
        editor->findChild<QPushButton*>("cmdAddSection")->click();
        QCOMPARE(editor->findChild<QComboBox*>("cboSections")->currentText(), QString("Section"));
        QCOMPARE(editor->findChild<QLabel*>("lblSlot1")->text(), QString("Section"));

        QLineEdit* layers = editor->box(SubmodelBox::Layers);
        layers->setFocus();
        layers->selectAll();
        QTest::keyClicks(layers, "4");
        QTest::keyClick(layers, Qt::Key_Return);
        QCOMPARE(controller.nz(), 4);
        QCOMPARE(editor->box(SubmodelBox::DZ)->text(), QString("1"));

        gui::CanvasWidget* picture = editor->picture();
        QTest::mousePress(picture, Qt::LeftButton, {}, picture->toPixel(5, 5).toPoint());
        QTest::mouseMove(picture, picture->toPixel(5, 15).toPoint());
        QTest::mouseRelease(picture, Qt::LeftButton, {}, picture->toPixel(5, 25).toPoint());
        QCOMPARE(controller.layer(1), 1);
        QCOMPARE(controller.layer(2), 1);
        QCOMPARE(controller.layer(3), 1);
        QCOMPARE(controller.layer(4), 0);
        QVERIFY(controller.modified());
    }

    void openSectionEditorOpensTheSectionEditorBesideIt() {
        testing::EditorViewFixture f;
        auto* editor = f.open<gui::SubmodelEditorView>("mnuProGeom", EditorKind::Submodel);
        QVERIFY(editor);
        f.dialogs.fileAnswers = {}; // no materials file: the section editor closes again
        editor->action("mnuSectionEditor")->trigger();
        QCOMPARE(f.dialogs.fileRequests.back().request.title, std::string("Open Materials File"));
        QApplication::processEvents();
        QVERIFY(f.view.editorViews()->window(EditorKind::Submodel));
        QVERIFY(!f.view.editorViews()->window(EditorKind::Section));
    }
};

QTEST_MAIN(SubmodelEditorViewTest)
#include "SubmodelEditorViewTest.moc"
