#pragma once
// The modal view of the recording-point window.

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "run/frmRecs.h"

namespace vardex::gui {

class RecsDialog : public QDialog {
    Q_OBJECT
  public:
    RecsDialog(frmRecs& controller, QWidget* parent = nullptr);
    void render();

    QComboBox* list() const { return Combo1_; }
    QLineEdit* coordinate(int axis) const { return Text1_[axis]; }
    QPushButton* createButton() const { return create_; }
    QPushButton* deleteButton() const { return delete_; }
    QCheckBox* units() const { return chkUS_; }
    QLabel* unitLabel() const { return Label2_; }

  protected:
    void done(int result) override;

  private:
    frmRecs& controller_;
    QComboBox* Combo1_ = nullptr;
    QLineEdit* Text1_[3] = {};
    QLabel* Label2_ = nullptr;
    QCheckBox* chkUS_ = nullptr;
    QPushButton* create_ = nullptr;
    QPushButton* delete_ = nullptr;
};

} // namespace vardex::gui
