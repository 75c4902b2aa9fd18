#include <QtTest>

#include "RecsDialog.h"
#include "RunViewFixture.h"

using namespace vardex;

class RecsDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void opensFromTheRecordingBoxAndACreatedPointReachesTheRun() {
        testing::RunViewFixture f;
        f.openModel();
        bool checked = false;
        testing::RunViewFixture::whenShown<gui::RecsDialog>([&](gui::RecsDialog& d) {
            QCOMPARE(d.windowTitle(), QString("Time-Series Data Locations"));
            QCOMPARE(d.unitLabel()->text(), QString("in Meters"));
            QCOMPARE(d.units()->text(), QString("US/ English units"));
            QCOMPARE(d.createButton()->text(), QString("Create Recording Point"));
            QCOMPARE(d.deleteButton()->text(), QString("Delete Recording Point"));
            QVERIFY(!d.deleteButton()->isEnabled());
            QTest::keyClicks(d.coordinate(0), "1.2");
            QTest::keyClicks(d.coordinate(1), "0.7");
            QTest::keyClicks(d.coordinate(2), "0.6");
            d.createButton()->click();
            QCOMPARE(d.list()->count(), 1);
            QCOMPARE(d.list()->itemText(0), QString(" .6 = Z,    1.2  .7"));
            QVERIFY(d.deleteButton()->isEnabled());
            d.units()->click();
            QCOMPARE(d.unitLabel()->text(), QString("in Feet"));
            d.units()->click();
            d.findChild<QPushButton*>("Command3")->click();
            checked = true;
        });
        QTest::mouseClick(f.view->parameterBox(5), Qt::LeftButton);
        QVERIFY(checked);
        QCOMPARE(f.view->parameterBox(5)->text(), QString(" 1"));
        QCOMPARE(f.view->controller().recordingPoints().points.at(0).chunk, 1);
    }
};

QTEST_MAIN(RecsDialogTest)
#include "RecsDialogTest.moc"
