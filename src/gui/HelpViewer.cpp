#include "HelpViewer.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QVBoxLayout>

#include "app/Help.h"

// The guide's resources live in the static library: they are registered on first use.
static void registerGuide() {
    Q_INIT_RESOURCE(user_guide);
}

namespace vardex::gui {
namespace {

// The guide is built into the program, so it always matches the program's version.
const QUrl kGuide("qrc:/help/user-guide.md");
const char* const kChapterProperty = "vardexHelpChapter";

QPointer<UserGuideWindow> guideWindow;

// Pictures wider than the page are shown at the page's width, so the text needs no sideways
// scrolling.
void fitPictures(QTextDocument* document, int width) {
    QTextCursor cursor(document);
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextImageFormat picture = fragment.charFormat().toImageFormat();
            if (!picture.isValid()) continue;
            const QImage image =
                document->resource(QTextDocument::ImageResource, QUrl(picture.name()))
                    .value<QImage>();
            if (image.width() <= width) continue;
            picture.setWidth(width);
            picture.setHeight(static_cast<qreal>(image.height()) * width / image.width());
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(picture);
        }
    }
}

// The chapter of the window that holds the keyboard focus (the main window's when none has one).
QString chapterInUse(QWidget* mainWindow) {
    for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget())
        if (w->property(kChapterProperty).isValid())
            return w->property(kChapterProperty).toString();
    return mainWindow->property(kChapterProperty).toString();
}

} // namespace

UserGuideWindow::UserGuideWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
    registerGuide();
    setObjectName("UserGuide");
    setWindowTitle("Vardex User Guide");
    resize(820, 760);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    browser_->setOpenExternalLinks(true);
    browser_->setSource(kGuide, QTextDocument::MarkdownResource);
    fitPictures(browser_->document(), 720);
}

bool UserGuideWindow::showChapter(const QString& chapter) {
    chapterShown_.clear();
    if (chapter.isEmpty()) {
        browser_->verticalScrollBar()->setValue(0);
        return true;
    }
    QTextDocument* document = browser_->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 0 || block.text() != chapter) continue;
        browser_->setTextCursor(QTextCursor(block));
        const qreal top = document->documentLayout()->blockBoundingRect(block).top();
        browser_->verticalScrollBar()->setValue(static_cast<int>(top));
        chapterShown_ = chapter;
        return true;
    }
    return false;
}

UserGuideWindow* showUserGuide(QWidget* from, const QString& chapter) {
    if (!guideWindow) guideWindow = new UserGuideWindow(from ? from->window() : nullptr);
    guideWindow->show();
    guideWindow->raise();
    guideWindow->activateWindow();
    guideWindow->showChapter(chapter);
    return guideWindow;
}

UserGuideWindow* openUserGuide() {
    return guideWindow;
}

void showAbout(QWidget* parent) {
    QMessageBox::about(
        parent, "About Vardex",
        QString::fromStdString(aboutText()) +
            QString("\n\nBuilt with Qt %1, used under the GNU LGPL version 3.").arg(qVersion()));
}

void connectHelp(QWidget* window, QAction* guide, QAction* about, const QString& chapter,
                 bool holdsF1) {
    window->setProperty(kChapterProperty, chapter);
    guide->setShortcut(QKeySequence::HelpContents);
    guide->setShortcutContext(holdsF1 ? Qt::WindowShortcut : Qt::WidgetShortcut);
    QObject::connect(guide, &QAction::triggered, window, [window, holdsF1, chapter] {
        showUserGuide(window, holdsF1 ? chapterInUse(window) : chapter);
    });
    QObject::connect(about, &QAction::triggered, window, [window] { showAbout(window); });
}

} // namespace vardex::gui
