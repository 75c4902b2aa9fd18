#pragma once
// The modal view of the boundary-condition window.

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTableWidget>

#include "ClickableBox.h"
#include "run/frmConds.h"

namespace vardex::gui {

class CondsDialog : public QDialog {
    Q_OBJECT
  public:
    CondsDialog(frmConds& controller, QWidget* parent = nullptr);
    void render();

    QListWidget* list() const { return List1_; }
    QRadioButton* specified() const { return optDtype_; }
    QRadioButton* noFlux() const { return optNtype_; }
    ClickableBox* initialTemperature() const { return txtInitT_; }
    QCheckBox* format() const { return optFormat_; }
    QRadioButton* convection() const { return optCtype_; }
    QGroupBox* facesFrame() const { return facesFrame_; }
    QTableWidget* faces() const { return faces_; }
    QLabel* calculatedU() const { return txtU_; }

  protected:
    void done(int result) override;

  private:
    frmConds& controller_;
    QListWidget* List1_ = nullptr;
    QRadioButton* optDtype_ = nullptr;
    QRadioButton* optNtype_ = nullptr;
    QGroupBox* fileFrame_ = nullptr;
    ClickableBox* txtTSfile_ = nullptr;
    ClickableBox* txtInitT_ = nullptr;
    QCheckBox* optFormat_ = nullptr;
    QRadioButton* optCtype_ = nullptr;
    QGroupBox* facesFrame_ = nullptr;
    QTableWidget* faces_ = nullptr;
    ClickableBox* txtFilm_ = nullptr;
    QListWidget* layers_ = nullptr;
    QComboBox* presets_ = nullptr;
    QLabel* txtU_ = nullptr;
};

} // namespace vardex::gui
