#include <QDoubleSpinBox>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "HistoriesView.h"
#include "ThermalLimitsView.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

using namespace vardex;

class RunResultsViewTest : public QObject {
    Q_OBJECT

  private slots:
    void theHistoriesWindowHoldsOneSeriesPerRecordedPointAndSavesAPicture() {
        testing::TempDir dir;
        testing::ScriptedDialogs dialogs;
        std::string one =
            dir.write("TSeries.1", "3\r\n0,20,15,14\r\n6,30,16,15\r\n12,35,17,16\r\n");
        std::string two = dir.write("TSeries.2", "2\r\n0,20\r\n12,31\r\n");
        TemperatureHistories histories(dialogs);
        QVERIFY(histories.load({{1, one, {"centre", "point 1", "point 2"}}, {2, two, {"centre"}}}));
        gui::HistoriesView view(histories, dialogs);
        view.show();
        QCOMPARE(view.seriesCount(), 4);
        QCOMPARE(view.windowTitle(), QString("Temperature histories"));
        dialogs.fileAnswers = {dir.file("chart.png")};
        view.findChild<QPushButton*>("exportPng")->click();
        QImage saved(QString::fromStdString(dir.file("chart.png")));
        QVERIFY(!saved.isNull());
        QVERIFY(dialogs.messages.empty());
    }

    void theLimitTableMarksAnExceededLimitAndFollowsTheLimits() {
        testing::TempDir dir;
        testing::ScriptedDialogs dialogs;
        std::string one = dir.write("Summary.1", "2\r\n0,20,1,1,1,0,0,0,0,0,0,0\r\n"
                                                 "24,72.5,2,2,3,18,2,2,3,1,2,3\r\n");
        ThermalLimits limits(dialogs);
        QVERIFY(limits.load({one}));
        gui::ThermalLimitsView view(limits);
        view.show();
        QCOMPARE(view.table()->rowCount(), 1);
        QVERIFY(view.marked(0, gui::ThermalLimitsView::kPeakColumn));
        QVERIFY(!view.marked(0, gui::ThermalLimitsView::kDifferenceColumn));
        view.differenceLimit()->setValue(15);
        QVERIFY(view.marked(0, gui::ThermalLimitsView::kDifferenceColumn));
        view.temperatureLimit()->setValue(80);
        QVERIFY(!view.marked(0, gui::ThermalLimitsView::kPeakColumn));
        QCOMPARE(limits.limits.maxTemperature, 80.0);
    }
};

QTEST_MAIN(RunResultsViewTest)
#include "RunResultsViewTest.moc"
