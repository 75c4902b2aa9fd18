#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "RunViewFixture.h"
#include "SourceDialog.h"

using namespace vardex;

class SourceDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void opensFromConcreteSourceAndAnEditedBoxReachesTheSource() {
        testing::RunViewFixture f;
        f.openModel();
        bool checked = false;
        f.dialogs.inputAnswers = {"65"};
        testing::RunViewFixture::whenShown<gui::SourceDialog>([&](gui::SourceDialog& d) {
            QCOMPARE(d.windowTitle(), QString("Heat Source"));
            QCOMPARE(d.valueLabel(0)->text(), QString("P1 = time scaling (dimless)"));
            QCOMPARE(d.valueLabel(3)->text(), QString("Heat   (kJ / kg)"));
            QCOMPARE(d.valueBox(4)->text(), QString("2270"));
            QStringList options;
            for (QRadioButton* r : d.findChildren<QRadioButton*>()) options << r->text();
            QCOMPARE(options, QStringList({"T-model", "a b t", "Time Series"}));
            QTest::mouseClick(d.valueBox(3), Qt::LeftButton);
            QCOMPARE(d.valueBox(3)->text(), QString("65"));
            d.findChildren<QRadioButton*>().at(1)->click();
            QCOMPARE(d.valueLabel(0)->text(), QString("   alpha = "));
            // The adiabatic rise of the model's concrete is drawn and described.
            QVERIFY(d.chart()->operationCount() > 100);
            QVERIFY(d.chartCaption()->text().startsWith("Concrete: 32 C at the start"));
            QCOMPARE(d.equivalentAge()->text(), QString("Equivalent age (temperature dependent)"));
            QVERIFY(!d.valueBox(kActivationEnergyBox)->isEnabled());
            d.equivalentAge()->click();
            QVERIFY(d.valueBox(kActivationEnergyBox)->isEnabled());
            QVERIFY(d.chartCaption()->text().endsWith("(equivalent age)."));
            d.findChild<QPushButton*>("cmdClose")->click();
            checked = true;
        });
        f.view->action("mnuSource")->trigger();
        QVERIFY(checked);
        QCOMPARE(f.view->controller().exec().Src.heat, 65.0f);
        QVERIFY(f.view->controller().exec().Src.abtFlag);
        QVERIFY(f.view->controller().exec().Src.equivalentAge);
        QVERIFY(f.view->controller().exec().Src.readyFlag);
        QVERIFY(f.view->action("mnuModSpecs")->isEnabled());
    }
};

QTEST_MAIN(SourceDialogTest)
#include "SourceDialogTest.moc"
