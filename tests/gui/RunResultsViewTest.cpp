#include <QChartView>
#include <QDoubleSpinBox>
#include <QLineSeries>
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
        QVERIFY(histories.load({{1, one, {{1, "centre"}, {1, "point 1"}, {1, "point 2"}}},
                                {2, two, {{2, "centre"}}}}));
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

    void bothWindowsFollowTheProgramsUnits() {
        testing::TempDir dir;
        testing::ScriptedDialogs dialogs;
        DisplayUnits units;
        gui::setProgramUnits(&units);
        std::string one = dir.write("Summary.1", "2\r\n0,20,1,1,1,0,0,0,0,0,0,0\r\n"
                                                 "24,72.5,2,2,3,18,2,2,3,1,2,3\r\n");
        ThermalLimits limits(dialogs);
        QVERIFY(limits.load({one}));
        gui::ThermalLimitsView table(limits);
        std::string series = dir.write("TSeries.1", "2\r\n0,20\r\n12,31\r\n");
        TemperatureHistories histories(dialogs);
        QVERIFY(histories.load({{1, series, {pointLabel(1, "centre", 0.3048, 0.6096, 3.048)}}}));
        gui::HistoriesView chart(histories, dialogs);
        units.set(UnitSystem::US);
        // 72.5 C = 162.5 F, an 18 K difference = 32.4 F; the 70 C limit = 158 F.
        QCOMPARE(table.table()->horizontalHeaderItem(1)->text(),
                 QString("Peak temperature (\u00B0F)"));
        QCOMPARE(table.table()->item(0, 1)->text(), QString("162.50  exceeds 158.0"));
        QCOMPARE(table.table()->item(0, 4)->text(), QString("32.40"));
        QCOMPARE(table.temperatureLimit()->suffix(), QString(" \u00B0F"));
        QCOMPARE(table.temperatureLimit()->value(), 158.0);
        // Typed in F, kept in C: 176 F = 80 C.
        table.temperatureLimit()->setValue(176);
        QCOMPARE(limits.limits.maxTemperature, 80.0);
        QVERIFY(!table.marked(0, gui::ThermalLimitsView::kPeakColumn));
        auto* line =
            qobject_cast<QLineSeries*>(chart.findChild<QChartView*>()->chart()->series().at(0));
        QCOMPARE(line->name(), QString("chunk 1 centre (1, 2, 10 ft)"));
        QCOMPARE(line->at(1).y(), 31 * 1.8 + 32);
        units.set(UnitSystem::SI);
        line = qobject_cast<QLineSeries*>(chart.findChild<QChartView*>()->chart()->series().at(0));
        QCOMPARE(line->at(1).y(), 31.0);
        QCOMPARE(table.temperatureLimit()->value(), 80.0);
        gui::setProgramUnits(nullptr);
    }
};

QTEST_MAIN(RunResultsViewTest)
#include "RunResultsViewTest.moc"
