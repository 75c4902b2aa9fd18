#pragma once
// The modal view of the heat-source window.

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "CanvasWidget.h"
#include "ClickableBox.h"
#include "run/frmSource.h"

namespace vardex::gui {

class SourceDialog : public QDialog {
    Q_OBJECT
  public:
    SourceDialog(frmSource& controller, QWidget* parent = nullptr);
    void render();

    ClickableBox* valueBox(int k) const { return txtValue_[k]; }
    QLabel* valueLabel(int k) const { return labelValue_[k]; }
    ClickableBox* fileBox() const { return txtFile_; }
    QCheckBox* equivalentAge() const { return chkEquivalentAge_; }
    CanvasWidget* chart() const { return chart_; }
    QLabel* chartCaption() const { return chartCaption_; }

  protected:
    void done(int result) override;

  private:
    frmSource& controller_;
    ClickableBox* txtValue_[kSourceBoxes] = {};
    QLabel* labelValue_[kSourceBoxes] = {};
    QCheckBox* chkEquivalentAge_ = nullptr;
    CanvasWidget* chart_ = nullptr;
    QLabel* chartCaption_ = nullptr;
    QLabel* chartAxes_ = nullptr;
    QRadioButton* optTmodel_ = nullptr;
    QRadioButton* optABt_ = nullptr;
    QRadioButton* optTS_ = nullptr;
    QGroupBox* functionFrame_ = nullptr;
    QGroupBox* fileFrame_ = nullptr;
    ClickableBox* txtFile_ = nullptr;
};

} // namespace vardex::gui
