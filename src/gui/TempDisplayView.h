#pragma once
// The Qt view of the temperature display: a window of its own (several may be open, none blocks
// the others) with the cross-section, the colour scale and its legend, the layer scroll bar, the
// grid boxes and a status bar reading out the cell under the pointer.

#include <map>
#include <memory>
#include <string>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QStatusBar>
#include <QWidget>

#include "CanvasWidget.h"
#include "exec/frmTemp.h"

namespace vardex::gui {

class TempDisplayView : public QWidget {
    Q_OBJECT
  public:
    TempDisplayView(AppState& app, Dialogs& dialogs, DisplaySource source,
                    QWidget* parent = nullptr);

    frmTemp& controller() { return *controller_; }
    void render();

    QAction* action(const std::string& itemName) const;
    CanvasWidget* picture() const { return picture_; }
    CanvasWidget* scale() const { return picScale_; }
    QScrollBar* scrollBar() const { return VScroll1_; }
    QLineEdit* layerBox() const { return txtLayer_; }
    QComboBox* chunkBox() const { return cboChunk_; }
    QComboBox* scaleBox() const { return cboScale_; }
    QStatusBar* statusBar() const { return statusBar_; }
    // The legend beside the class bar: its title, the level labels (bottom first) and the two
    // end colours' texts (above, below).
    QStringList legendTexts() const;

  protected:
    // The display is loaded once it is shown, when its drawing areas have their sizes.
    void showEvent(QShowEvent* event) override;

  private:
    QLineEdit* addBox(QLayout* layout, const char* caption, int width);
    QWidget* buildLegend();
    void closeWhenAsked();

    CanvasWidget* picture_ = nullptr;
    QWidget* pictureBox_ = nullptr;
    CanvasWidget* picScale_ = nullptr;
    std::unique_ptr<frmTemp> controller_;
    std::map<std::string, QAction*> actions_;
    QScrollBar* VScroll1_ = nullptr;
    QLineEdit* txtLayer_ = nullptr;
    QLineEdit* txtnx_ = nullptr;
    QLineEdit* txtny_ = nullptr;
    QLineEdit* txtnz_ = nullptr;
    QLineEdit* Text1_ = nullptr;
    QLabel* Label1_ = nullptr;
    QWidget* legend_ = nullptr;
    QLabel* legendTitle_ = nullptr;
    QWidget* ticks_ = nullptr;
    QLabel* aboveText_ = nullptr;
    QLabel* belowText_ = nullptr;
    QComboBox* cboChunk_ = nullptr;
    QComboBox* cboScale_ = nullptr;
    QStatusBar* statusBar_ = nullptr;
    bool loaded_ = false;
};

// Opens a display as a window of its own over the parent and returns at once; the window is
// deleted when closed (or with its parent).
TempDisplayView* showTemperatureDisplay(AppState& app, Dialogs& dialogs, DisplaySource source,
                                        QWidget* parent);

} // namespace vardex::gui
