#pragma once
// The Qt view of the temperature display: a modal dialog with the cross-section, the colour
// scale, the layer scroll bar and the grid boxes.

#include <map>
#include <memory>
#include <string>

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include "CanvasWidget.h"
#include "exec/frmTemp.h"

namespace vardex::gui {

class TempDisplayView : public QDialog {
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

  protected:
    // The display is loaded once it is shown, when its drawing areas have their sizes.
    void showEvent(QShowEvent* event) override;

  private:
    QLineEdit* addBox(QLayout* layout, const char* caption, int width);
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
    QLabel* Label2_ = nullptr;
    QLabel* Label3_ = nullptr;
    QComboBox* cboChunk_ = nullptr;
    bool loaded_ = false;
};

// Opens the display as a modal dialog over the parent and returns when it is closed.
void showTemperatureDisplay(AppState& app, Dialogs& dialogs, DisplaySource source, QWidget* parent);

} // namespace vardex::gui
