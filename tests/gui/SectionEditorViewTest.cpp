#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "EditorViewFixture.h"
#include "SectionEditorView.h"
#include "materials/MaterialsFile.h"
#include "section/SectionEditor.h"

using namespace vardex;

class SectionEditorViewTest : public QObject {
    Q_OBJECT

  private slots:
    void opensFromTheEditorsMenuWithItsCaptions() {
        Fixture f;
        auto* editor = f.openEditor();
        QVERIFY(editor);
        QCOMPARE(editor->windowTitle(), QString("Single-Section Geometry"));
        QStringList frames;
        for (QGroupBox* g : editor->findChildren<QGroupBox*>()) frames << g->title();
        for (const char* caption : {"Material", "Fill  /  Form", "Section  Name"})
            QVERIFY2(frames.contains(caption), caption);
        QStringList options;
        for (QRadioButton* b : editor->findChildren<QRadioButton*>()) options << b->text();
        QCOMPARE(options,
                 QStringList({"Horizontal", "Vertical", "Circular", "Radial", "Section fill",
                              "Rectangular fill", "Cylindrical fill", "Point-wise fill"}));
        QCOMPARE(editor->findChild<QPushButton*>("cmdFinished")->text(), QString("Finished"));
        QCOMPARE(editor->action("mnuSaveAs")->text(), QString("S&ave Section file as"));
        QCOMPARE(editor->action("mnuChangeGeometry")->text(), QString("&Change geometry"));
        QCOMPARE(editor->findChild<QListWidget*>("lstMaterials")->count(), 2);
        // 4 zones of 0.25 m: the last x label is the section's width.
        QCOMPARE(editor->findChild<QLabel*>("lblX8")->text(), QString("1.00"));
        QCOMPARE(editor->findChild<QLabel*>("lblX4")->text(), QString("0.50"));
        // Each label is as wide as its text, not cut to the text it had before.
        QLabel* eighth = editor->findChild<QLabel*>("lblX4");
        QVERIFY(eighth->width() >= eighth->fontMetrics().horizontalAdvance(eighth->text()));
    }

    void aDragOnTheGridReachesThePainter() {
        Fixture f;
        auto* editor = f.openEditor();
        QVERIFY(editor);
        SectionEditor& controller = *f.main.editors().section();
        editor->findChild<QListWidget*>("lstMaterials")->setCurrentRow(1);
        for (QRadioButton* b : editor->findChildren<QRadioButton*>())
            if (b->text() == "Section fill") b->click();
        QCOMPARE(controller.section().values.value(1, 1), 2);

        editor->findChild<QListWidget*>("lstMaterials")->setCurrentRow(0);
        gui::CanvasWidget* grid = editor->grid();
        QTest::mousePress(grid, Qt::LeftButton, {}, grid->toPixel(1.2, 1.2).toPoint());
        QTest::mouseMove(grid, grid->toPixel(2, 1.2).toPoint());
        QTest::mouseMove(grid, grid->toPixel(3.2, 1.2).toPoint());
        QTest::mouseRelease(grid, Qt::LeftButton, {}, grid->toPixel(3.2, 1.2).toPoint());
        QCOMPARE(controller.section().values.value(1, 1), 1);
        QCOMPARE(controller.section().values.value(3, 1), 1);
        QCOMPARE(controller.section().values.value(4, 1), 2);
        QCOMPARE(controller.section().values.value(1, 2), 2);
        QVERIFY(controller.section().unsaved);
        QVERIFY(grid->operationCount() > 0);

        // Closing the child window over the painting asks; Cancel keeps both.
        QMdiSubWindow* window = f.view.editorViews()->window(EditorKind::Section);
        f.dialogs.yesNoCancelAnswers = {MessageAnswer::Cancel};
        window->close();
        QApplication::processEvents();
        QVERIFY(f.view.editorViews()->window(EditorKind::Section));
        QVERIFY(f.main.editors().section());
        f.dialogs.yesNoCancelAnswers = {MessageAnswer::No};
        window->close();
        QApplication::processEvents();
        QVERIFY(!f.view.editorViews()->window(EditorKind::Section));
        QVERIFY(!f.main.editors().section());
    }

  private:
    struct Fixture : testing::EditorViewFixture {
        Fixture() {
            std::string mts = home.file("site.mts");
            SaveFile(app, mts,
                     {{"Concrete", 255, 2.0f, 1.0f, 2400.0f, 1.0f, 0.0f},
                      {"Soil", 65280, 1.0f, 0.8f, 1800.0f, 0.0f, 0.0f}});
            app.config.materialfile = mts;
            app.config.nx = 4;
            app.config.ny = 4;
            app.config.dx = 0.25;
            app.config.dy = 0.25;
        }
        gui::SectionEditorView* openEditor() {
            return open<gui::SectionEditorView>("mnusection", EditorKind::Section);
        }
    };
};

QTEST_MAIN(SectionEditorViewTest)
#include "SectionEditorViewTest.moc"
