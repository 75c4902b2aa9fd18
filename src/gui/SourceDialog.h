#pragma once
// The modal view of the heat-source window.

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

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

  protected:
    void done(int result) override;

  private:
    frmSource& controller_;
    ClickableBox* txtValue_[7] = {};
    QLabel* labelValue_[7] = {};
    QRadioButton* optTmodel_ = nullptr;
    QRadioButton* optABt_ = nullptr;
    QRadioButton* optTS_ = nullptr;
    QGroupBox* functionFrame_ = nullptr;
    QGroupBox* fileFrame_ = nullptr;
    ClickableBox* txtFile_ = nullptr;
};

} // namespace vardex::gui
