#include <QChartView>
#include <QGroupBox>
#include <QLabel>
#include <QLineSeries>
#include <QTableWidget>
#include <QtTest>

#include "HistoriesView.h"
#include "TempDisplayView.h"
#include "ThermalLimitsView.h"

#include <filesystem>
#include <fstream>

#include "RunViewFixture.h"
#include "support/CurrentFolder.h"

using namespace vardex;

class RunViewTest : public QObject {
    Q_OBJECT

  private slots:
    void opensFromTheMainWindowWithItsMenusAndCaptions() {
        testing::RunViewFixture f;
        QVERIFY(f.view);
        QCOMPARE(f.view->windowTitle(), QString("Program control and ouput viewer"));
        QVERIFY(!f.window.panel()->isVisible());
        QStringList titles;
        for (QAction* a : f.view->findChild<QMenuBar*>()->actions()) titles << a->text();
        QCOMPARE(titles,
                 QStringList({"&File", "&Model", "&Display model", "&Data", "&Exit", "&Help"}));
        QCOMPARE(f.view->action("mnuOpenModel")->text(), QString("Open &Model"));
        QCOMPARE(f.view->action("mnudisplaysounding")->text(), QString("&Display sounding"));
        QVERIFY(!f.view->action("mnuExecute")->isEnabled());
        QVERIFY(!f.view->menu("mnuDisplay")->menuAction()->isEnabled());
        // The display is there, but there is nothing to show before a model is open.
        QVERIFY(!f.view->action("mnuModelDisplay")->isEnabled());
        QCOMPARE(f.view->parameterLabel(1)->text(),
                 QString("Maximum Normalized Convergence Error "));
        QCOMPARE(f.view->parameterBox(0)->text(), QString("22"));
        QCOMPARE(f.view->findChild<QGroupBox*>()->title(),
                 QString("Model Execution Control Center"));
        QVERIFY(f.view->progressBar()->isHidden());

        // A second choice of the item shows the same window.
        f.window.action("mnupromodel")->trigger();
        QCOMPARE(f.window.mdiArea()->subWindowList().size(), 1);
    }

    void aClickedParameterBoxAsksAndStoresItsValue() {
        testing::RunViewFixture f;
        f.dialogs.inputAnswers = {"1.5"};
        QTest::mouseClick(f.view->parameterBox(2), Qt::LeftButton);
        QCOMPARE(f.dialogs.prompts.size(), size_t(1));
        QCOMPARE(QString::fromStdString(f.dialogs.prompts[0].prompt),
                 QString("Maximum Time Step Allowable  (h)"));
        QCOMPARE(f.view->controller().exec().dtmax, 1.5);
        QCOMPARE(f.view->parameterBox(2)->text(), QString(" 1.5"));
    }

    void openingAModelShowsItAndEnablesTheSource() {
        testing::RunViewFixture f;
        f.openModel();
        QCOMPARE(f.view->findChild<QLabel*>("txtmodelName")->text(), QString("Tower"));
        QVERIFY(f.view->action("mnuSource")->isEnabled());
        QVERIFY(f.view->menu("mnuDisplay")->menuAction()->isEnabled());
    }

#ifdef VARDEX_ZOLTER
    // The desktop pieces (QProcess starter, Qt timer) carry a whole run of the solver.
    void executeRunsTheSolverForEveryChunk() {
        testing::RunViewFixture f;
        testing::CurrentFolder cwd(f.home);
        f.app.config.ProgramPath = VARDEX_ZOLTER;
        f.setUpRun();
        frmRun& run = f.view->controller();
        QVERIFY(f.view->action("mnuExecute")->isEnabled());
        // Nothing to display before the model's first run.
        QVERIFY(!f.view->action("mnuModelDisplay")->isEnabled());
        f.dialogs.messages.clear();
        f.view->action("mnuExecute")->trigger();
        QVERIFY(f.view->progressBar()->isVisibleTo(f.view));
        QVERIFY(f.view->statusBar()->currentMessage().startsWith("chunk 1 of 2"));
        QTRY_VERIFY_WITH_TIMEOUT(!f.dialogs.messages.empty(), 30000);
        QCOMPARE(QString::fromStdString(f.dialogs.messages[0].text),
                 QString("Completed all  2 sub-models included."));
        QVERIFY(std::filesystem::exists(f.file("Tmax.2")));
        QVERIFY(f.view->progressBar()->isHidden());
        QVERIFY(f.view->action("mnuExecute")->isEnabled());
        // The thermal-limit table comes up by itself, one row per chunk; the histories follow.
        auto* limits = f.view->findChild<gui::ThermalLimitsView*>();
        QVERIFY(limits && limits->isVisible());
        QCOMPARE(limits->table()->rowCount(), 2);
        QVERIFY(f.view->action("mnuHistories")->isEnabled());
        QCOMPARE(run.historySources().size(), std::size_t(2));
        limits->close();

        // "&Display model" -> "&Model" shows the run's last chunk in a window of its own, which
        // blocks nothing; the scroll bar steps layers.
        f.view->action("mnuModelDisplay")->trigger();
        auto* display = f.view->findChild<gui::TempDisplayView*>();
        QVERIFY(display);
        QVERIFY(QTest::qWaitForWindowExposed(display));
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(display->chunkBox()->count(), 2);
        QCOMPARE(display->scrollBar()->maximum(), 3); // the column chunk's three layers
        QVERIFY(display->picture()->operationCount() > 0);
        display->scrollBar()->setValue(1);
        QCOMPARE(display->controller().shown()->layer, 1);
        display->close();
    }
#endif

    // Closing the program while the solver runs asks; No keeps everything, Yes stops the run.
    void closingDuringARunAsksFirst() {
        testing::RunViewFixture f;
        testing::CurrentFolder cwd(f.home);
        f.useSlowSolver();
        f.setUpRun();
        frmRun& run = f.view->controller();
        f.view->action("mnuExecute")->trigger();
        QVERIFY(run.runOutstanding());

        f.dialogs.yesNoAnswers = {false};
        QVERIFY(!f.window.close());
        QVERIFY(run.runOutstanding());
        QVERIFY(!f.runViewGone());
        QCOMPARE(QString::fromStdString(f.dialogs.messages.back().title),
                 QString("Run / View  Model"));

        f.dialogs.yesNoAnswers = {true};
        QVERIFY(f.window.close());
        QVERIFY(f.runViewGone());
    }

    // Stop beside the progress bar ends the solver at once; the window stays, ready to run again.
    void theStopButtonEndsTheSolverAndKeepsTheWindow() {
        testing::RunViewFixture f;
        testing::CurrentFolder cwd(f.home);
        f.useSlowSolver();
        f.setUpRun();
        frmRun& run = f.view->controller();
        QVERIFY(f.view->stopButton()->isHidden());
        f.view->action("mnuExecute")->trigger();
        QVERIFY(run.runOutstanding());
        QVERIFY(f.view->stopButton()->isVisibleTo(f.view));
        QCOMPARE(f.view->stopButton()->text(), QString("Stop"));
        QCOMPARE(f.view->progressBar()->maximum(), 1000);

        QTest::mouseClick(f.view->stopButton(), Qt::LeftButton);
        QVERIFY(!run.runOutstanding());
        QCOMPARE(run.outcome(), RunOutcome::Stopped);
        QVERIFY(f.view->stopButton()->isHidden());
        QVERIFY(f.view->progressBar()->isHidden());
        QCOMPARE(f.view->statusBar()->currentMessage(), QString("chunk 1 of 2 stopped"));
        QVERIFY(f.view->action("mnuExecute")->isEnabled());
        QVERIFY(!f.view->action("mnuModelDisplay")->isEnabled());
        QVERIFY(!f.view->action("mnuHistories")->isEnabled());
        QVERIFY(std::filesystem::is_empty(f.file("Temp")));
        QVERIFY(!f.runViewGone());
    }

    // The model open in the main window comes into the execution window with its whole run: the
    // result windows stand side by side, none modal, and an open histories window keeps what it
    // showed when the files change under it.
    void theMainWindowsModelBringsItsResultsAndTheirWindowsStandSideBySide() {
        testing::RunViewFixture f;
        testing::CurrentFolder cwd(f.home);
        gui::setProgramUnits(&f.app.units);
        auto write = [&](const std::string& name, const std::string& text) {
            std::ofstream(f.file(name), std::ios::binary) << text;
        };
        for (int n = 1; n <= 2; ++n) {
            const std::string chunk = std::to_string(n);
            write("tower." + chunk, "field\r\n");
            write("Tmax." + chunk, "tmax\r\n");
            write("TSeries." + chunk, "2\r\n0,20\r\n12,3" + chunk + "\r\n");
            write("Summary." + chunk, "2\r\n0,20,1,1,1,0,0,0,0,0,0,0\r\n"
                                      "24,72.5,2,2,3,18,2,2,3,1,2,3\r\n");
        }
        f.main.openModelFile(f.modelFile);
        f.window.action("mnupromodel")->trigger();
        QCOMPARE(f.view->controller().state().txtModfile, f.modelFile);
        QStringList items;
        for (QAction* a : f.view->menu("mnuDisplay")->actions()) {
            items << a->text();
            QVERIFY2(a->isEnabled(), qPrintable(a->text()));
        }
        QCOMPARE(items, QStringList({"&Model", "Temperature &histories", "Thermal &limits"}));

        f.view->action("mnuHistories")->trigger();
        f.view->action("mnuHistories")->trigger();
        f.view->action("mnuLimits")->trigger();
        const auto charts = f.view->findChildren<gui::HistoriesView*>();
        QCOMPARE(charts.size(), 2);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        for (gui::HistoriesView* chart : charts) QVERIFY(chart->isVisible());
        QVERIFY(f.view->findChild<gui::ThermalLimitsView*>()->isVisible());

        // A new run replaces the files; the open chart is drawn again (units) from what it read.
        write("TSeries.2", "2\r\n0,20\r\n12,99\r\n");
        std::filesystem::remove(f.file("TSeries.1"));
        f.app.units.set(UnitSystem::US);
        f.app.units.set(UnitSystem::SI);
        auto* chart = charts.at(0)->findChild<QChartView*>()->chart();
        QCOMPARE(chart->series().size(), 2);
        QCOMPARE(qobject_cast<QLineSeries*>(chart->series().at(1))->at(1).y(), 32.0);

        charts.at(0)->findChild<QPushButton*>("close")->click();
        QTRY_COMPARE(f.view->findChildren<gui::HistoriesView*>().size(), 1);
        gui::setProgramUnits(nullptr);
    }

    void exitClosesTheWindowAndEmptiesTheModelLists() {
        testing::RunViewFixture f;
        f.openModel();
        QCOMPARE(f.app.submodelList.count(), 2);
        f.view->action("mnuExit")->trigger();
        QTRY_VERIFY(f.runViewGone());
        QCOMPARE(f.app.submodelList.count(), 0);
    }
};

QTEST_MAIN(RunViewTest)
#include "RunViewTest.moc"
