#include "TempDisplayView.h"

#include <QHBoxLayout>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

namespace vardex::gui {
namespace {

// Holds the cross-section at its width over height, as large as the space allows, so the cells
// keep their real proportions.
class AspectBox : public QWidget {
  public:
    AspectBox(CanvasWidget* child, QWidget* parent) : QWidget(parent), child_(child) {
        child_->setParent(this);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        setMinimumSize(child_->minimumSize());
        child_->setMinimumSize(1, 1);
    }
    void setAspect(double aspect) {
        aspect_ = aspect;
        place();
    }

  protected:
    void resizeEvent(QResizeEvent*) override { place(); }

  private:
    void place() {
        if (aspect_ <= 0) {
            child_->setGeometry(rect());
            return;
        }
        int w = width();
        int h = static_cast<int>(w / aspect_ + 0.5);
        if (h > height()) {
            h = height();
            w = static_cast<int>(h * aspect_ + 0.5);
        }
        child_->setGeometry((width() - w) / 2, (height() - h) / 2, w, h);
    }

    CanvasWidget* child_;
    double aspect_ = 0;
};

} // namespace

TempDisplayView::TempDisplayView(AppState& app, Dialogs& dialogs, DisplaySource source,
                                 QWidget* parent)
    : QDialog(parent) {
    picture_ = new CanvasWidget(this);
    picture_->setObjectName("Picture1");
    picture_->setMinimumSize(320, 160);
    picScale_ = new CanvasWidget(this);
    picScale_->setObjectName("picScale");
    picScale_->setFixedWidth(24);
    picScale_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    controller_ = std::make_unique<frmTemp>(app, dialogs, *picture_, *picScale_, std::move(source));
    controller_->onChange = [this] { render(); };

    auto* menuBar = new QMenuBar(this);
    for (const MenuState& menu : controller_->state().menus) {
        QMenu* m = menuBar->addMenu(QString::fromStdString(menu.caption));
        QMenu* units = nullptr;
        for (const MenuItemState& item : menu.items) {
            QAction* a = nullptr;
            if (item.name == "mnuUnits") {
                units = m->addMenu(QString::fromStdString(item.caption));
                a = units->menuAction();
            } else if (item.name == "mnuSI" || item.name == "mnuUS") {
                a = units->addAction(QString::fromStdString(item.caption));
            } else {
                a = m->addAction(QString::fromStdString(item.caption));
            }
            a->setObjectName(QString::fromStdString(item.name));
            actions_[item.name] = a;
        }
    }
    connect(actions_.at("mnuCross"), &QAction::triggered, this, [this] {
        controller_->mnuCross();
        closeWhenAsked();
    });

    auto* outer = new QVBoxLayout(this);
    outer->setMenuBar(menuBar);
    auto* drawing = new QHBoxLayout;
    pictureBox_ = new AspectBox(picture_, this);
    drawing->addWidget(pictureBox_, 1);
    auto* scaleColumn = new QVBoxLayout;
    Label3_ = new QLabel(this);
    Label2_ = new QLabel(this);
    scaleColumn->addWidget(Label3_);
    scaleColumn->addWidget(picScale_, 1, Qt::AlignHCenter);
    scaleColumn->addWidget(Label2_);
    drawing->addLayout(scaleColumn);
    auto* layerColumn = new QVBoxLayout;
    Label1_ = new QLabel(this);
    Label1_->setWordWrap(true);
    Label1_->setFixedWidth(16);
    VScroll1_ = new QScrollBar(Qt::Vertical, this);
    VScroll1_->setObjectName("VScroll1");
    txtLayer_ = new QLineEdit(this);
    txtLayer_->setObjectName("txtLayer");
    txtLayer_->setReadOnly(true);
    txtLayer_->setFixedWidth(40);
    auto* bar = new QHBoxLayout;
    bar->addWidget(Label1_);
    bar->addWidget(VScroll1_);
    layerColumn->addLayout(bar, 1);
    layerColumn->addWidget(txtLayer_);
    drawing->addLayout(layerColumn);
    outer->addLayout(drawing, 1);
    connect(VScroll1_, &QScrollBar::valueChanged, this,
            [this](int value) { controller_->VScroll1_Change(value); });

    auto* boxes = new QHBoxLayout;
    Text1_ = addBox(boxes, "Model", 140);
    txtnx_ = addBox(boxes, "nx", 40);
    txtny_ = addBox(boxes, "ny", 40);
    txtnz_ = addBox(boxes, "nz", 40);
    cboChunk_ = new QComboBox(this);
    cboChunk_->setObjectName("cboChunk");
    boxes->addWidget(cboChunk_);
    boxes->addStretch(1);
    outer->addLayout(boxes);
    connect(cboChunk_, &QComboBox::activated, this,
            [this](int index) { controller_->cboChunk_Click(index); });

    resize(640, 520);
    render();
}

QLineEdit* TempDisplayView::addBox(QLayout* layout, const char* caption, int width) {
    layout->addWidget(new QLabel(caption, this));
    auto* box = new QLineEdit(this);
    box->setReadOnly(true);
    box->setFixedWidth(width);
    layout->addWidget(box);
    return box;
}

QAction* TempDisplayView::action(const std::string& itemName) const {
    auto it = actions_.find(itemName);
    return it == actions_.end() ? nullptr : it->second;
}

void TempDisplayView::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (loaded_) return;
    loaded_ = true;
    controller_->load();
    closeWhenAsked();
}

void TempDisplayView::closeWhenAsked() {
    // Queued, so a display closing itself while it is being shown still ends cleanly.
    if (controller_->state().closed) QTimer::singleShot(0, this, &QDialog::reject);
}

void TempDisplayView::render() {
    const TempDisplayState& s = controller_->state();
    setWindowTitle(QString::fromStdString(s.caption));
    Text1_->setText(QString::fromStdString(s.Text1));
    txtnx_->setText(QString::fromStdString(s.txtnx));
    txtny_->setText(QString::fromStdString(s.txtny));
    txtnz_->setText(QString::fromStdString(s.txtnz));
    txtLayer_->setText(QString::fromStdString(s.txtLayer));
    Label1_->setText(QString::fromStdString(s.Label1));
    Label2_->setText(QString::fromStdString(s.Label2));
    Label3_->setText(QString::fromStdString(s.Label3));
    static_cast<AspectBox*>(pictureBox_)->setAspect(s.aspect);
    {
        const QSignalBlocker block(VScroll1_);
        VScroll1_->setRange(s.VScroll1.min, s.VScroll1.max);
        VScroll1_->setSingleStep(s.VScroll1.smallChange);
        VScroll1_->setPageStep(s.VScroll1.largeChange);
        VScroll1_->setValue(s.VScroll1.value);
        VScroll1_->setEnabled(s.VScroll1.enabled);
    }
    {
        const QSignalBlocker block(cboChunk_);
        cboChunk_->clear();
        for (const std::string& item : s.cboChunk.items)
            cboChunk_->addItem(QString::fromStdString(item));
        cboChunk_->setCurrentIndex(s.cboChunk.listIndex);
        cboChunk_->setVisible(s.cboChunk.items.size() > 1);
    }
}

void showTemperatureDisplay(AppState& app, Dialogs& dialogs, DisplaySource source,
                            QWidget* parent) {
    TempDisplayView view(app, dialogs, std::move(source), parent);
    view.exec();
}

} // namespace vardex::gui
