#include <QMenuBar>
#include <QPointer>
#include <QWheelEvent>
#include <QtTest>

#include "TempDisplayView.h"
#include "sounding/SoundingCommands.h"
#include "support/AppFixture.h"

using namespace vardex;

namespace {

QColor toQColor(std::int32_t c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

DisplaySource threeLayers(testing::AppFixture& f) {
    DisplaySource source;
    source.viewMode = "model";
    source.fileName = f.home.file("data/pier.mod");
    const std::string path =
        f.home.write("pier.1", testing::crlf({"10 10 10 10", "10 10 10 10", "20 20 20 20",
                                              "20 20 20 20", "40 40 40 40", "40 40 40 40"}));
    source.chunks.push_back({path, 4, 2, 3, 0.5, 0.5, 0.5});
    return source;
}

// Colour of the picture's pixel in the middle of cell (1, 1).
QColor firstCell(gui::TempDisplayView& view) {
    QImage image = view.picture()->grab().toImage();
    return image.pixelColor(image.width() / 8, image.height() / 4);
}

} // namespace

class TempDisplayViewTest : public QObject {
    Q_OBJECT

  private slots:
    void showsItsMenusAndDrawsTheMiddleLayerAsOneImage() {
        testing::AppFixture f;
        gui::TempDisplayView view(f.app, f.dialogs, threeLayers(f));
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(view.windowTitle(), QString("Temperature Data"));
        QStringList menus;
        for (QAction* a : view.findChild<QMenuBar*>()->actions()) menus << a->text();
        QCOMPARE(menus, QStringList({"&Display"}));
        QCOMPARE(view.action("mnuCross")->text(), QString("&Cross Section"));
        QCOMPARE(view.action("mnuSI")->text(), QString("&SI"));
        QVERIFY(view.action("mnuSI")->isCheckable());
        QCOMPARE(view.picture()->operationCount(), 1);
        QCOMPARE(view.scrollBar()->minimum(), 1);
        QCOMPARE(view.scrollBar()->maximum(), 3);
        QCOMPARE(view.scrollBar()->value(), 2);
        QCOMPARE(view.layerBox()->text(), QString("2"));
        // Square cells, four by two: twice as wide as high.
        QVERIFY(qAbs(view.picture()->width() - 2 * view.picture()->height()) <= 2);
        const CrossSection& s = *view.controller().shown();
        QCOMPARE(firstCell(view), toQColor(s.scale.colourOf(20)));
    }

    void theScrollBarChangesTheLayer() {
        testing::AppFixture f;
        gui::TempDisplayView view(f.app, f.dialogs, threeLayers(f));
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.scrollBar()->setValue(3);
        QCOMPARE(view.layerBox()->text(), QString("3"));
        QCOMPARE(view.controller().shown()->layer, 3);
        const CrossSection& s = *view.controller().shown();
        QCOMPARE(firstCell(view), toQColor(s.scale.colourOf(40)));
        QVERIFY(firstCell(view) != toQColor(s.scale.colourOf(20)));
    }

    void theBundledSoundingsTraceShows() {
        testing::AppFixture f;
        SoundingCommands commands(f.app);
        f.dialogs.fileAnswers = {std::string(VARDEX_EXAMPLES_DIR) + "/probe.sdg"};
        f.dialogs.inputAnswers = {"0", "7"};
        commands.acquireSounding();
        QVERIFY(commands.sounding() != nullptr);
        int dark = -1;
        commands.openDisplay = [&](const Csounding* sounding) {
            DisplaySource source;
            source.viewMode = "sounding";
            source.sounding = sounding;
            gui::TempDisplayView view(f.app, f.dialogs, source);
            view.show();
            QVERIFY(QTest::qWaitForWindowExposed(&view));
            QImage image = view.picture()->grab().toImage();
            dark = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixelColor(x, y).lightness() < 128) ++dark;
        };
        commands.displaySounding();
        QVERIFY2(dark >= 12, "the twelve readings are drawn inside the picture");
    }

    void theLegendNamesItsLevelsUnitAndEndColours() {
        testing::AppFixture f;
        gui::TempDisplayView view(f.app, f.dialogs, threeLayers(f));
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(view.scaleBox()->currentText(), QString("Full range"));
        // 10 to 40 over the chunk: six levels 6 degrees apart.
        QCOMPARE(view.legendTexts(),
                 QStringList({"Full range, \u00B0C", "10.0", "16.0", "22.0", "28.0", "34.0", "40.0",
                              "red: above 40.0 \u00B0C (0 cells)",
                              "magenta: below 10.0 \u00B0C (0 cells)"}));
        // The specified scale is the other choice.
        view.scaleBox()->setCurrentIndex(1);
        emit view.scaleBox()->activated(1);
        QVERIFY(view.legendTexts().front().startsWith("Specified scale"));
    }

    void hoveringACellReadsItOutInTheStatusBar() {
        testing::AppFixture f;
        gui::TempDisplayView view(f.app, f.dialogs, threeLayers(f));
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        // Layer 2 holds 20 everywhere; the first cell's middle.
        const QPoint cell(view.picture()->width() / 8, view.picture()->height() / 4);
        QMouseEvent move(QEvent::MouseMove, cell, view.picture()->mapToGlobal(cell), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view.picture(), &move);
        QCOMPARE(view.statusBar()->currentMessage(),
                 QString("20.0 \u00B0C  at cell (1, 1, 2)  x = 0.25, y = 0.25, z = 0.75 m"));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(view.picture(), &leave);
        QCOMPARE(view.statusBar()->currentMessage(), QString());
    }

    void theWheelOverThePictureChangesTheLayer() {
        testing::AppFixture f;
        gui::TempDisplayView view(f.app, f.dialogs, threeLayers(f));
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QPointF middle(view.picture()->width() / 2.0, view.picture()->height() / 2.0);
        QWheelEvent towardsUser(middle, view.picture()->mapToGlobal(middle), QPoint(),
                                QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                                false);
        QApplication::sendEvent(view.picture(), &towardsUser);
        QCOMPARE(view.scrollBar()->value(), 3);
        QCOMPARE(view.layerBox()->text(), QString("3"));
        QCOMPARE(firstCell(view), toQColor(view.controller().shown()->scale.colourOf(40)));
    }

    void theUnitsMenuSwitchesEveryOpenDisplay() {
        testing::AppFixture f;
        gui::TempDisplayView one(f.app, f.dialogs, threeLayers(f));
        gui::TempDisplayView two(f.app, f.dialogs, threeLayers(f));
        one.show();
        two.show();
        QVERIFY(QTest::qWaitForWindowExposed(&two));
        QVERIFY(one.action("mnuSI")->isChecked());
        one.action("mnuUS")->trigger();
        QVERIFY(f.app.units.us());
        for (gui::TempDisplayView* view : {&one, &two}) {
            QVERIFY(view->action("mnuUS")->isChecked());
            QVERIFY(!view->action("mnuSI")->isChecked());
            QCOMPARE(view->legendTexts().at(1), QString("50.0")); // 10 C
            QCOMPARE(view->legendTexts().front(), QString("Full range, \u00B0F"));
        }
    }

    void displaysOpenBesideEachOtherWithoutBlocking() {
        testing::AppFixture f;
        QWidget owner;
        owner.show();
        // Returns at once: neither display waits for the other to close.
        QPointer<gui::TempDisplayView> a =
            gui::showTemperatureDisplay(f.app, f.dialogs, threeLayers(f), &owner);
        QPointer<gui::TempDisplayView> b =
            gui::showTemperatureDisplay(f.app, f.dialogs, threeLayers(f), &owner);
        QVERIFY(QTest::qWaitForWindowExposed(b));
        QVERIFY(a->isVisible() && b->isVisible());
        QVERIFY(!a->isModal() && !b->isModal());
        QVERIFY(a->isWindow());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        a->close();
        QTRY_VERIFY(a.isNull()); // deleted once closed
        QVERIFY(b->isVisible());
    }

    void everyChunkCanBeShownAgain() {
        testing::AppFixture f;
        DisplaySource source = threeLayers(f);
        source.chunks.push_back(
            {f.home.write("pier.2", testing::crlf({"1 2 3", "4 5 6"})), 3, 2, 1, 1.0, 1.0, 1.0});
        gui::TempDisplayView view(f.app, f.dialogs, source);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QVERIFY(view.chunkBox()->isVisible());
        QCOMPARE(view.chunkBox()->count(), 2);
        QCOMPARE(view.chunkBox()->currentIndex(), 1); // the last chunk is shown first
        QCOMPARE(view.scrollBar()->maximum(), 1);
        emit view.chunkBox()->activated(0);
        QCOMPARE(view.scrollBar()->maximum(), 3);
        QCOMPARE(view.layerBox()->text(), QString("2"));
    }

    void noFileChosenClosesTheDisplay() {
        testing::AppFixture f;
        DisplaySource source;
        source.viewMode = "model";
        source.chunks.push_back({"", 2, 2, 1, 1, 1, 1});
        gui::TempDisplayView view(f.app, f.dialogs, source);
        view.show();
        QTRY_VERIFY(!view.isVisible());
        QCOMPARE(f.dialogs.fileRequests.size(), std::size_t(1));
    }
};

QTEST_MAIN(TempDisplayViewTest)
#include "TempDisplayViewTest.moc"
