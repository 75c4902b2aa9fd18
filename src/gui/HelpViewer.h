#pragma once
// Help inside the program: the user guide in a window of its own (one for the whole program) and
// "About Vardex".

#include <QAction>
#include <QString>
#include <QTextBrowser>
#include <QWidget>

namespace vardex::gui {

// The chapters of the guide that windows open at (their headings).
namespace helpChapters {
inline const char* const kMaterials = "Materials";
inline const char* const kSections = "Sections";
inline const char* const kSubmodels = "Sub-models";
inline const char* const kRunning = "Running a model";
} // namespace helpChapters

class UserGuideWindow : public QWidget {
  public:
    explicit UserGuideWindow(QWidget* parent = nullptr);
    // Scrolls to the heading `chapter` (the top for an empty one); false when there is none.
    bool showChapter(const QString& chapter);
    QString chapterShown() const { return chapterShown_; }
    QTextBrowser* browser() const { return browser_; }

  private:
    QTextBrowser* browser_;
    QString chapterShown_;
};

// Shows the guide at the chapter, raising the open guide window or making one.
UserGuideWindow* showUserGuide(QWidget* from, const QString& chapter);
// The open guide window; null when none.
UserGuideWindow* openUserGuide();
void showAbout(QWidget* parent);

// Connects a window's "&User Guide" and "&About Vardex" items. Each guide item shows F1; only
// the main window holds the key (holdsF1), which opens the chapter of the window in use, so the
// windows inside it never compete for it.
void connectHelp(QWidget* window, QAction* guide, QAction* about, const QString& chapter,
                 bool holdsF1 = false);

} // namespace vardex::gui
