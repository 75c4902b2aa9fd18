#include <QtTest>

#include <filesystem>

#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>

#include "CanvasWidget.h"
#include "QtDialogs.h"
#include "QtPlatform.h"
#include "app/Filters.h"
#include "support/TempDir.h"

using namespace vardex;

// Types a name into the save dialog once it shows, picks a filter entry as a user does (none
// when below 0) and accepts.
std::string typeAndSave(gui::QtDialogs& dialogs, const FileDialogRequest& request,
                        const QString& name, int filterEntry) {
    QTimer::singleShot(0, [=] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        if (filterEntry >= 0) {
            auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
            types->setCurrentIndex(filterEntry);
            emit types->activated(filterEntry);
            emit types->textActivated(types->currentText());
        }
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(name);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    return dialogs.saveFile(request);
}

class QtPlatformTest : public QObject {
    Q_OBJECT

  private slots:
    // The batch file runs in the working folder, its call lines in order, and its end is known.
    void aBatchFileRunsItsCallsInTheWorkingFolder() {
        testing::TempDir dir;
        std::string batch = dir.write("project.bat", "@echo off\r\n"
                                                     "call /usr/bin/touch \"first file\"\r\n"
                                                     "call /bin/mv \"first file\" done\r\n"
                                                     " \r\n");
        gui::QtProgramStarter starter;
        auto program = starter.startBatch(batch, dir.path());
        QTRY_VERIFY_WITH_TIMEOUT(!program->running(), 10000);
        QCOMPARE(program->status().state, ProgramStatus::State::Exited);
        QCOMPARE(program->status().code, 0);
        QVERIFY(std::filesystem::exists(dir.file("done")));
        QCOMPARE(starter.startBatch(dir.file("missing.bat"), dir.path())->status().state,
                 ProgramStatus::State::NotStarted);
    }

    void aProgramThatIsNotThereIsNotStarted() {
        testing::TempDir dir;
        std::string batch = dir.write("project.bat", "call \"" + dir.file("no program") + "\"\r\n");
        gui::QtProgramStarter starter;
        auto program = starter.startBatch(batch, dir.path());
        QCOMPARE(program->status().state, ProgramStatus::State::NotStarted);
        QVERIFY(!program->status().describe().empty());
    }

    // Stopping ends the program and what it started, without waiting for it.
    void aStoppedProgramEnds() {
        testing::TempDir dir;
        std::string batch = dir.write("project.bat", "call /bin/sleep 30\r\ncall /bin/true\r\n");
        gui::QtProgramStarter starter;
        auto program = starter.startBatch(batch, dir.path());
        QVERIFY(program->running());
        program->stop();
        QTRY_VERIFY_WITH_TIMEOUT(!program->running(), 5000);
        QVERIFY(program->status().state != ProgramStatus::State::Exited ||
                program->status().code != 0);
    }

    // The program's end is called back once, from the event loop; a dropped handle calls nothing.
    void theEndOfAProgramIsCalledBackOnceAndNeverAfterItsHandleIsGone() {
        testing::TempDir dir;
        std::string batch = dir.write("project.bat", "call /bin/sleep 0.2\r\n");
        gui::QtProgramStarter starter;
        auto program = starter.startBatch(batch, dir.path());
        int ended = 0;
        bool runningWhenCalled = true;
        program->whenEnded([&] {
            ++ended;
            runningWhenCalled = program->running();
            program.reset(); // the caller may drop the handle in its callback
        });
        QTRY_VERIFY_WITH_TIMEOUT(ended == 1, 10000);
        QVERIFY(!runningWhenCalled);
        QTest::qWait(50);
        QCOMPARE(ended, 1);

        int late = 0;
        auto dropped = starter.startBatch(dir.write("quick.bat", "call /bin/true\r\n"), dir.path());
        dropped->whenEnded([&] { ++late; });
        dropped.reset();
        QTest::qWait(100);
        QCOMPARE(late, 0);
    }

    // Clicks reach the owner in the drawing's own units, whatever the widget's size.
    void canvasMapsPixelsToUserCoordinates() {
        gui::CanvasWidget canvas;
        canvas.resize(200, 100);
        canvas.setScale(0, 0, 180, 990);
        QCOMPARE(canvas.scaleWidth(), 180.0);
        QPointF user = canvas.toUser(QPointF(100, 50));
        QCOMPARE(user.x(), 90.0);
        QCOMPARE(user.y(), 495.0);
        double releasedY = -1;
        canvas.onMouseUp = [&](double, double y, int) { releasedY = y; };
        QTest::mouseRelease(&canvas, Qt::LeftButton, {}, QPoint(20, 25));
        QCOMPARE(releasedY, 247.5);
        canvas.line(0, 0, 180, 990, 255, 7);
        QCOMPARE(canvas.operationCount(), 1);
        canvas.clear(16777215);
        QCOMPARE(canvas.operationCount(), 0);
    }

    // A name typed without extension is saved under the chosen filter's; "All files" keeps it.
    void theSaveDialogAddsTheChosenFiltersExtension() {
        testing::TempDir dir;
        gui::QtDialogs dialogs;
        const FileDialogRequest request{filters::kSection, dir.path(), "", "Section Page . . ."};
        QCOMPARE(QString::fromStdString(typeAndSave(dialogs, request, "boxcol", -1)),
                 QString::fromStdString(dir.file("boxcol.sec")));
        QCOMPARE(QString::fromStdString(typeAndSave(dialogs, request, "boxcol.txt", -1)),
                 QString::fromStdString(dir.file("boxcol.txt")));
        QCOMPARE(QString::fromStdString(typeAndSave(dialogs, request, "boxcol", 1)),
                 QString::fromStdString(dir.file("boxcol")));
    }

    void theTimerTicksOnlyWhileEnabled() {
        gui::QtTimer timer;
        int ticks = 0;
        timer.onTick([&] { ++ticks; });
        timer.setInterval(5);
        QVERIFY(!timer.enabled());
        timer.setEnabled(true);
        QTRY_VERIFY_WITH_TIMEOUT(ticks >= 2, 5000);
        timer.setEnabled(false);
        int stopped = ticks;
        QTest::qWait(30);
        QCOMPARE(ticks, stopped);
        QCOMPARE(timer.interval(), 5);
    }
};

QTEST_MAIN(QtPlatformTest)
#include "QtPlatformTest.moc"
