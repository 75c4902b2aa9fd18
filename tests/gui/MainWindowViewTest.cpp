#include <QMenuBar>
#include <QtTest>

#include "MainWindowView.h"
#include "QtDialogs.h"
#include "app/AppState.h"
#include "app/Startup.h"
#include "support/Doubles.h"
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

    void thePanelIsHiddenAfterLoad() {
        Fixture f;
        QVERIFY(!f.view.panel()->isVisible());
        QVERIFY(!f.view.panel()->isEnabled());
    }

    void exitReachesTheController() {
        Fixture f;
        bool quit = false;
        f.main.onQuit = [&] { quit = true; };
        f.view.action("mnuExit")->trigger();
        QVERIFY(quit);
    }

    void aClickOnTheModelNameBoxAsksForTheName() {
        Fixture f;
        f.dialogs.inputAnswers.push_back("Pier 4");
        f.main.modelNameClicked(); // the box is inside the hidden panel; the view maps its click here
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
        Fixture() { startVardex(app, main, [&] { view.show(); }); }
    };
};

QTEST_MAIN(MainWindowViewTest)
#include "MainWindowViewTest.moc"
