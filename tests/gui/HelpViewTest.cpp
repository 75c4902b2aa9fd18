#include <QMessageBox>
#include <QScrollBar>
#include <QTextBlock>
#include <QtTest>

#include "EditorViewFixture.h"
#include "HelpViewer.h"
#include "MaterialsEditorView.h"
#include "RunView.h"
#include "RunViewFixture.h"
#include "SectionEditorView.h"
#include "SubmodelEditorView.h"
#include "text/Version.h"

using namespace vardex;

namespace {

// F1 where the window has the keyboard focus, as a user presses it.
void pressF1(QWidget* window) {
    QApplication::setActiveWindow(window->window());
    window->setFocus();
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window, Qt::Key_F1);
}

QString guideChapter() {
    gui::UserGuideWindow* guide = gui::openUserGuide();
    return guide && guide->isVisible() ? guide->chapterShown() : QString("<no guide>");
}

bool showsGuideAndAboutWithF1(QAction* guide, QAction* about) {
    return guide && about && guide->shortcut() == QKeySequence(Qt::Key_F1) &&
           about->text() == "&About Vardex";
}

} // namespace

class HelpViewTest : public QObject {
    Q_OBJECT

  private slots:
    void f1OpensTheGuideAtTheChapterOfTheWindowInUse() {
        testing::EditorViewFixture f;
        QVERIFY(showsGuideAndAboutWithF1(f.view.action("mnuUserGuide"), f.view.action("mnuAbout")));
        pressF1(&f.view);
        QCOMPARE(guideChapter(), QString()); // the main window's is the whole guide

        auto* materials =
            f.open<gui::MaterialsEditorView>("mnuproMaterials", EditorKind::Materials);
        QVERIFY(materials);
        QVERIFY(showsGuideAndAboutWithF1(materials->action("mnuUserGuide"),
                                         materials->action("mnuAbout")));
        pressF1(materials);
        QCOMPARE(guideChapter(), QString("Materials"));

        // The section editor asks for materials when it has none.
        f.app.config.materialfile = VARDEX_EXAMPLES_DIR "/materials.mts";
        auto* section = f.open<gui::SectionEditorView>("mnusection", EditorKind::Section);
        QVERIFY(section);
        QVERIFY(
            showsGuideAndAboutWithF1(section->action("mnuUserGuide"), section->action("mnuAbout")));
        pressF1(section);
        QCOMPARE(guideChapter(), QString("Sections"));

        auto* submodel = f.open<gui::SubmodelEditorView>("mnuProGeom", EditorKind::Submodel);
        QVERIFY(submodel);
        QVERIFY(showsGuideAndAboutWithF1(submodel->action("mnuUserGuide"),
                                         submodel->action("mnuAbout")));
        pressF1(submodel);
        QCOMPARE(guideChapter(), QString("Sub-models"));
        // The window's own menu item opens its chapter too.
        pressF1(&f.view);
        materials->action("mnuUserGuide")->trigger();
        QCOMPARE(guideChapter(), QString("Materials"));
    }

    void f1InTheRunWindowOpensRunningAModel() {
        testing::RunViewFixture f;
        f.window.show();
        QVERIFY(f.view);
        QVERIFY(
            showsGuideAndAboutWithF1(f.view->action("mnuUserGuide"), f.view->action("mnuAbout")));
        pressF1(f.view);
        QCOMPARE(guideChapter(), QString("Running a model"));
    }

    void theGuideIsWholeWithItsPicture() {
        gui::UserGuideWindow guide;
        QTextDocument* document = guide.browser()->document();
        QStringList headings;
        for (QTextBlock b = document->begin(); b.isValid(); b = b.next())
            if (b.blockFormat().headingLevel() == 2) headings << b.text();
        for (const char* chapter :
             {"Starting Vardex", "Materials", "Sections", "Sub-models", "Building a model",
              "Running a model", "Reading the results", "Soundings",
              "Set-up files and runs without windows", "Troubleshooting"})
            QVERIFY2(headings.contains(chapter), chapter);
        QVERIFY(!guide.showChapter("No such chapter"));
        const QVariant picture =
            document->resource(QTextDocument::ImageResource, QUrl("qrc:/help/histories.png"));
        QVERIFY(!picture.value<QImage>().isNull() || !picture.value<QPixmap>().isNull());
        // The picture is drawn at the page's width: nothing needs sideways scrolling.
        guide.show();
        QApplication::processEvents();
        QCOMPARE(guide.browser()->horizontalScrollBar()->maximum(), 0);
    }

    void aboutNamesTheVersionAndTheLicence() {
        testing::EditorViewFixture f;
        QString shown;
        QTimer::singleShot(0, [&shown] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = box->text();
                box->accept();
            }
        });
        f.view.action("mnuAbout")->trigger();
        QVERIFY2(shown.startsWith(QString("Vardex ") + kVersion + "\n"), qPrintable(shown));
        QVERIFY2(shown.contains("Licence: All rights reserved."), qPrintable(shown));
    }
};

QTEST_MAIN(HelpViewTest)
#include "HelpViewTest.moc"
