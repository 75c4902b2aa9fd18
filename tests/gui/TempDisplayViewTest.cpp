#include <QMenuBar>
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
