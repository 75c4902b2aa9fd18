#include "RecsDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace vardex::gui {

RecsDialog::RecsDialog(frmRecs& controller, QWidget* parent)
    : QDialog(parent), controller_(controller) {
    using namespace recsCaptions;
    setWindowTitle(kCaption);
    auto* column = new QVBoxLayout(this);
    Combo1_ = new QComboBox(this);
    Combo1_->setObjectName("Combo1");
    Combo1_->setPlaceholderText(kEmpty);
    connect(Combo1_, &QComboBox::activated, this,
            [this](int index) { controller_.selectPoint(index); });
    column->addWidget(Combo1_);

    auto* grid = new QGridLayout();
    Label2_ = new QLabel(this);
    grid->addWidget(Label2_, 0, 0);
    for (int a = 0; a < 3; ++a) {
        grid->addWidget(new QLabel(kAxes[a], this), 0, a + 1);
        Text1_[a] = new QLineEdit(this);
        Text1_[a]->setObjectName(QString("Text1_%1").arg(a));
        connect(Text1_[a], &QLineEdit::textEdited, this,
                [this, a](const QString& text) { controller_.setText(a, text.toStdString()); });
        grid->addWidget(Text1_[a], 1, a + 1);
    }
    column->addLayout(grid);
    chkUS_ = new QCheckBox(kUnits, this);
    chkUS_->setObjectName("chkUS");
    connect(chkUS_, &QCheckBox::clicked, this, [this] { controller_.toggleUnits(); });
    column->addWidget(chkUS_);

    auto* buttons = new QHBoxLayout();
    create_ = new QPushButton(kCreate, this);
    create_->setObjectName("Command2");
    delete_ = new QPushButton(kDelete, this);
    delete_->setObjectName("Command1");
    auto* exit = new QPushButton(kExit, this);
    exit->setObjectName("Command3");
    connect(create_, &QPushButton::clicked, this, [this] { controller_.createPoint(); });
    connect(delete_, &QPushButton::clicked, this, [this] { controller_.deletePoint(); });
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);
    for (QPushButton* b : {create_, delete_, exit}) buttons->addWidget(b);
    column->addLayout(buttons);

    controller_.onChanged = [this] { render(); };
    render();
}

void RecsDialog::render() {
    const RecsWindowState& s = controller_.state();
    QSignalBlocker block(Combo1_);
    Combo1_->clear();
    for (const std::string& item : s.Combo1.items) Combo1_->addItem(QString::fromStdString(item));
    Combo1_->setCurrentIndex(s.Combo1.listIndex);
    for (int a = 0; a < 3; ++a)
        if (Text1_[a]->text().toStdString() != s.Text1[a])
            Text1_[a]->setText(QString::fromStdString(s.Text1[a]));
    Label2_->setText(QString::fromStdString(s.Label2));
    chkUS_->setChecked(s.chkUS);
    delete_->setEnabled(s.deleteEnabled);
}

void RecsDialog::done(int result) {
    controller_.close();
    controller_.onChanged = nullptr;
    QDialog::done(result);
}

} // namespace vardex::gui
