#include <QPushButton>
#include <QtTest>

#include "CondsDialog.h"
#include "RunViewFixture.h"
#include "SourceDialog.h"

using namespace vardex;

class CondsDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void opensFromModelSpecificationsAndSelectedMaterialsSettleTheRun() {
        testing::RunViewFixture f;
        f.openModel();
        testing::RunViewFixture::whenShown<gui::SourceDialog>(
            [](gui::SourceDialog& d) { d.findChild<QPushButton*>("cmdClose")->click(); });
        f.view->action("mnuSource")->trigger();
        bool checked = false;
        testing::RunViewFixture::whenShown<gui::CondsDialog>([&](gui::CondsDialog& d) {
            QCOMPARE(d.windowTitle(), QString("Material Parameters"));
            QCOMPARE(d.list()->count(), 2);
            QCOMPARE(d.list()->item(0)->text(), QString("Soil"));
            QCOMPARE(d.specified()->text(), QString("Specified Temperature"));
            QCOMPARE(d.noFlux()->text(), QString("No-Flux Boundary"));
            QCOMPARE(d.format()->text(), QString("Cylindrical Format  ?"));
            QVERIFY(d.format()->isChecked());
            for (int row = 0; row < 2; ++row)
                QTest::mouseClick(d.list()->viewport(), Qt::LeftButton, {},
                                  d.list()->visualItemRect(d.list()->item(row)).center());
            QVERIFY(d.noFlux()->isChecked());
            d.format()->click();
            d.findChild<QPushButton*>("Command1")->click();
            checked = true;
        });
        f.view->action("mnuModSpecs")->trigger();
        QVERIFY(checked);
        QVERIFY(f.view->controller().exec().flagBndy);
        QVERIFY(!f.view->controller().exec().concentric);
        QVERIFY(f.view->action("mnuExecute")->isEnabled());
    }

    void convectionShowsTheSixNamedFacesAndADoubleClickChangesOne() {
        testing::RunViewFixture f;
        f.openModel();
        testing::RunViewFixture::whenShown<gui::SourceDialog>(
            [](gui::SourceDialog& d) { d.findChild<QPushButton*>("cmdClose")->click(); });
        f.view->action("mnuSource")->trigger();
        f.dialogs.inputAnswers = {".181"};
        bool checked = false;
        testing::RunViewFixture::whenShown<gui::CondsDialog>([&](gui::CondsDialog& d) {
            QVERIFY(!d.facesFrame()->isVisibleTo(&d));
            QCOMPARE(d.convection()->text(), QString("Convection to Ambient Air"));
            d.convection()->click();
            QVERIFY(d.convection()->isChecked());
            QVERIFY(!d.noFlux()->isChecked());
            QVERIFY(d.facesFrame()->isVisibleTo(&d));
            QTableWidget* faces = d.faces();
            QCOMPARE(faces->rowCount(), 1);
            QStringList headers;
            for (int c = 0; c < faces->columnCount(); ++c)
                headers << faces->horizontalHeaderItem(c)->text();
            QCOMPARE(headers, QStringList({"From (h)", "Front (y = 0)", "Left (x = 0)",
                                           "Back (y = max)", "Right (x = max)", "Bottom", "Top"}));
            QCOMPARE(faces->item(0, 6)->text(), QString("8"));
            QCOMPARE(d.calculatedU()->text(), QString("8"));
            emit faces->cellDoubleClicked(0, 1);
            QCOMPARE(faces->item(0, 1)->text(), QString(".181"));
            d.findChild<QPushButton*>("Command1")->click();
            checked = true;
        });
        f.view->action("mnuModSpecs")->trigger();
        QVERIFY(checked);
        const CBoundarytype& soil = *f.view->controller().exec().Boundx[0];
        QVERIFY(soil.flagConvection);
        QCOMPARE(soil.facePoints.at(0).U[0], .181f);
    }
};

QTEST_MAIN(CondsDialogTest)
#include "CondsDialogTest.moc"
