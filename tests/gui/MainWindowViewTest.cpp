#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

#include "MainWindowView.h"
#include "QtDialogs.h"
#include "app/AppState.h"
#include "mainwindow/Startup.h"
#include "support/Doubles.h"
#include "support/ProfileText.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

using namespace vardex;

class MainWindowViewTest : public QObject {
    Q_OBJECT

  private slots:
    void showsTheMenusWithTheirCaptions() {
        Fixture f;
        QStringList titles;
        for (QAction* a : f.view.menuBar()->actions()) titles << a->text();
        QCOMPARE(titles, QStringList({"&File", "&Editors", "&Units", "&Model", "&Help"}));
        QCOMPARE(f.view.windowTitle(), QString("Integrated Model"));
        QCOMPARE(f.view.action("mnupromodel")->text(), QString("Model &Execution/output"));
        QCOMPARE(f.view.action("mnuUnitsSI")->text(), QString("&SI  (mks)"));
        QVERIFY(!f.view.action("mnufilesaveas")->isEnabled());
        QVERIFY(f.view.action("mnuExit")->isEnabled());
    }

    void theUnitsMenuIsOneCheckedChoiceForTheWholeProgram() {
        Fixture f;
        QVERIFY(f.view.action("mnuUnitsSI")->isChecked());
        QVERIFY(!f.view.action("mnuUnitsEnslish")->isChecked());
        f.view.action("mnuUnitsEnslish")->trigger();
        QVERIFY(f.app.units.us());
        QVERIFY(f.view.action("mnuUnitsEnslish")->isChecked());
        QVERIFY(!f.view.action("mnuUnitsSI")->isChecked());
        f.app.units.set(UnitSystem::SI); // from another window
        QVERIFY(f.view.action("mnuUnitsSI")->isChecked());
        QVERIFY(!f.view.action("mnuUnitsEnslish")->isChecked());
    }

    void theFileMenusNewAndCloseModelWork() {
        Fixture f;
        f.view.action("mnufilenew")->trigger();
        QVERIFY(f.view.panel()->isVisible());
        f.view.action("mnufileclose")->trigger(); // nothing changed: nothing asked
        QVERIFY(!f.view.panel()->isVisible());
        QVERIFY(f.view.action("mnuSpecOutput") == nullptr);
    }

    void thePanelIsHiddenAfterLoad() {
        Fixture f;
        QVERIFY(!f.view.panel()->isVisible());
        QVERIFY(!f.view.panel()->isEnabled());
    }

    void newModelShowsThePanelWithItsCaptions() {
        Fixture f;
        f.view.action("mnuNewModel")->trigger();
        QVERIFY(f.view.panel()->isVisible());
        QVERIFY(f.view.panel()->isEnabled());
        QStringList buttons;
        for (QPushButton* b : f.view.panel()->findChildren<QPushButton*>()) buttons << b->text();
        for (const char* caption : {"Append a Sub - Model", " Delete a  Sub-Model",
                                    "Delete a Chunk", "Adjust Model Length"})
            QVERIFY2(buttons.contains(caption), caption);
        QStringList labels;
        for (QLabel* l : f.view.panel()->findChildren<QLabel*>()) labels << l->text();
        for (const char* caption :
             {"Total Model Length  ( m )", "Total Number of Chunks", "Sub-Model  Geometries",
              "Total  Unmodeled Length", "Number of Layers", "Sub-Model Length", "Model   Name"})
            QVERIFY2(labels.contains(caption), caption);
        QStringList frames;
        for (QGroupBox* g : f.view.panel()->findChildren<QGroupBox*>()) frames << g->title();
        QCOMPARE(frames, QStringList({"Sub - Model", "Integrated Model"}));
        QVERIFY(f.view.action("mnufilesaveas")->isEnabled() == false);
    }

    void aReleaseInTheDrawingReachesTheBuilder() {
        Fixture f;
        f.view.action("mnuNewModel")->trigger();
        std::string profile = f.home.file("pier.prf");
        f.home.write("pier.prf", testing::profileText(profile, testing::ProfileContent{}));
        f.dialogs.fileAnswers = {profile};
        f.dialogs.colorAnswers = {255};
        f.dialogs.inputAnswers = {"10"};
        f.view.panel()->findChild<QPushButton*>("cmdAddprofile")->click();
        QCOMPARE(f.view.panel()->findChild<QComboBox*>("cboprofilename")->currentText(),
                 QString("Pier"));
        gui::CanvasWidget* canvas = f.view.modelCanvas();
        QCOMPARE(canvas->scaleHeight(), 990.0);
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(10, canvas->height() / 2));
        QCOMPARE(f.app.chunkList.size(), std::size_t(1));
        QVERIFY(canvas->operationCount() > 0);
    }

    void exitReachesTheController() {
        Fixture f;
        bool quit = false;
        f.main.onQuit = [&] { quit = true; };
        f.view.action("mnuExit")->trigger();
        QVERIFY(quit);
    }

    void closingWithUnsavedChangesAsksAndCancelKeepsTheWindow() {
        Fixture f;
        f.view.action("mnuNewModel")->trigger();
        f.dialogs.inputAnswers.push_back("Unsaved");
        f.main.modelNameClicked();
        f.dialogs.yesNoCancelAnswers = {MessageAnswer::Cancel};
        QVERIFY(!f.view.close());
        QVERIFY(f.view.isVisible());
        QCOMPARE(f.dialogs.messages.back().text, std::string("Save changes to the model?"));
        QCOMPARE(f.view.modelNameBox()->text(), QString("Unsaved"));
        f.dialogs.yesNoCancelAnswers = {MessageAnswer::No};
        QVERIFY(f.view.close());
    }

    void aModelNamedAtStartIsShown() {
        testing::TempDir data;
        std::string profile = data.file("pier.prf");
        data.write("pier.prf", testing::profileText(profile, testing::ProfileContent{}));
        std::string model =
            data.write("pier 4.mod",
                       "model file= x\r\nRevised\r\nmodelname=    Pier 4\r\nsubmodelfiles= 1 \r\n"
                       "submodels=     1 \r\n[submodelprofiles]\r\n1\r\n[submodel]\r\n"
                       "profilename=  Pier\r\nprofile=      " +
                           profile + "\r\ncolor=         255 \r\n[parameters]\r\n");
        Fixture f(model);
        QVERIFY(f.view.panel()->isVisible());
        QCOMPARE(f.view.modelNameBox()->text(), QString("Pier 4"));
        QCOMPARE(f.view.panel()->findChild<QComboBox*>("cboprofilename")->currentText(),
                 QString("Pier"));
        QVERIFY(f.view.modelCanvas()->operationCount() > 0);
    }

    void aClickOnTheModelNameBoxAsksForTheName() {
        Fixture f;
        f.dialogs.inputAnswers.push_back("Pier 4");
        f.main
            .modelNameClicked(); // the box is inside the hidden panel; the view maps its click here
        QCOMPARE(f.view.modelNameBox()->text(), QString("Pier 4"));
        QCOMPARE(f.dialogs.prompts.at(0).title, std::string("model name"));
    }

    void qtFiltersKeepTheDescriptionsAndPatterns() {
        QCOMPARE(gui::toQtFilter(" Materials file (*.mts)|*.mts|All files (*.*)|*.*"),
                 QString("Materials file (*.mts);;All files (*)"));
        QCOMPARE(gui::toQtFilter(" Time Series (*.ts)| *.ts| All files (*.*)| *.*"),
                 QString("Time Series (*.ts);;All files (*)"));
    }

  private:
    struct Fixture {
        testing::TempDir home;
        testing::ScriptedDialogs dialogs;
        testing::RecordingSettingsStore settings;
        AppState app{dialogs, {home.path()}};
        mdifrmMain main{app, settings};
        gui::MainWindowView view{main};
        explicit Fixture(const std::string& modelFile = {}) {
            startVardex(
                app, main, [&] { view.show(); }, modelFile);
        }
    };
};

QTEST_MAIN(MainWindowViewTest)
#include "MainWindowViewTest.moc"
