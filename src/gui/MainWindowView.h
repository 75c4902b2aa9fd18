#pragma once
// The Qt view of the main window: menus, the model-builder panel and the area for child windows.

#include <map>
#include <memory>
#include <string>

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QPushButton>

#include "CanvasWidget.h"
#include "EditorViews.h"
#include "mainwindow/mdifrmMain.h"

namespace vardex::gui {

class MainWindowView : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindowView(mdifrmMain& controller, QWidget* parent = nullptr);

    void render();
    // Puts the window where it was at the last close, when that was stored.
    void restorePlacement();

    QAction* action(const std::string& itemName) const;
    QWidget* panel() const { return panel_; }
    QLineEdit* modelNameBox() const { return txtmodelName_; }
    CanvasWidget* modelCanvas() const { return picModel_; }
    QMdiArea* mdiArea() const { return mdi_; }
    EditorViews* editorViews() const { return editorViews_.get(); }

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Asks every child window to close; false when one refused.
    bool closeChildren();
    void buildMenus();
    void buildPanel();
    // The "&Editors" items that open the three editors in child windows.
    void connectEditors();
    QLineEdit* addBox(QLayout* layout, const char* caption, bool readOnly = true);

    mdifrmMain& controller_;
    std::map<std::string, QAction*> actions_;
    std::map<std::string, QMenu*> menus_;
    QMdiArea* mdi_ = nullptr;
    QWidget* panel_ = nullptr;
    QComboBox* cboprofilename_ = nullptr;
    QFrame* shpproColor_ = nullptr;
    QLineEdit* txtZLayers_ = nullptr;
    QLineEdit* txtZLength_ = nullptr;
    QLineEdit* txtUnusedLength_ = nullptr;
    QLineEdit* txtnumgeotypes_ = nullptr;
    QLineEdit* txtModLength_ = nullptr;
    QLineEdit* txtTotChunks_ = nullptr;
    QLineEdit* txtmodelName_ = nullptr;
    QLabel* lblModfile_ = nullptr;
    QLabel* lblPz_[5] = {};
    CanvasWidget* picModel_ = nullptr;
    std::unique_ptr<EditorViews> editorViews_;
};

} // namespace vardex::gui
