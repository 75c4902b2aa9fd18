#include "TempDisplayView.h"

#include <QActionGroup>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPainter>
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

// The level labels beside the class bar, each at its place along the bar's height.
class TickLabels : public QWidget {
  public:
    explicit TickLabels(QWidget* parent) : QWidget(parent) {
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        setFixedWidth(fontMetrics().horizontalAdvance("-888.8") + 8);
    }
    void setTicks(std::vector<LegendTick> ticks) {
        ticks_ = std::move(ticks);
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QFontMetrics metrics = fontMetrics();
        for (const LegendTick& tick : ticks_) {
            const int y = static_cast<int>((1 - tick.fraction) * (height() - 1));
            painter.drawLine(0, y, 4, y);
            // The first and last labels stay whole inside the widget.
            const int baseline = std::clamp(y + metrics.ascent() / 2, metrics.ascent(),
                                            height() - metrics.descent());
            painter.drawText(7, baseline, QString::fromStdString(tick.label));
        }
    }

  private:
    std::vector<LegendTick> ticks_;
};

QLabel* endColour(std::int32_t colour, QWidget* parent) {
    auto* swatch = new QLabel(parent);
    swatch->setFixedSize(14, 14);
    swatch->setStyleSheet(QString("background-color: rgb(%1,%2,%3); border: 1px solid #555;")
                              .arg(colour & 0xFF)
                              .arg((colour >> 8) & 0xFF)
                              .arg((colour >> 16) & 0xFF));
    return swatch;
}

} // namespace

TempDisplayView::TempDisplayView(AppState& app, Dialogs& dialogs, DisplaySource source,
                                 QWidget* parent)
    : QWidget(parent, Qt::Window) {
    picture_ = new CanvasWidget(this);
    picture_->setObjectName("Picture1");
    picture_->setMinimumSize(320, 160);
    picture_->setMouseTracking(true);
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
                a->setCheckable(true);
                auto* group = units->findChild<QActionGroup*>();
                if (!group) group = new QActionGroup(units);
                group->addAction(a);
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
    connect(actions_.at("mnuSI"), &QAction::triggered, this, [this] { controller_->mnuSI(); });
    connect(actions_.at("mnuUS"), &QAction::triggered, this, [this] { controller_->mnuUS(); });
    picture_->onMouseMove = [this](double x, double y, int) { controller_->hover(x, y); };
    picture_->onMouseLeave = [this] { controller_->leave(); };
    picture_->onWheel = [this](int notches) { controller_->wheel(notches); };

    auto* outer = new QVBoxLayout(this);
    outer->setMenuBar(menuBar);
    auto* drawing = new QHBoxLayout;
    pictureBox_ = new AspectBox(picture_, this);
    drawing->addWidget(pictureBox_, 1);
    legend_ = buildLegend();
    drawing->addWidget(legend_);
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
    statusBar_ = new QStatusBar(this);
    statusBar_->setObjectName("sbStatusBar");
    statusBar_->setSizeGripEnabled(false);
    outer->addWidget(statusBar_);
    connect(cboChunk_, &QComboBox::activated, this,
            [this](int index) { controller_->cboChunk_Click(index); });

    resize(640, 520);
    render();
}

QWidget* TempDisplayView::buildLegend() {
    auto* legend = new QWidget(this);
    auto* column = new QVBoxLayout(legend);
    column->setContentsMargins(0, 0, 0, 0);
    cboScale_ = new QComboBox(legend);
    cboScale_->setObjectName("cboScale");
    for (const std::string& item : controller_->state().cboScale.items)
        cboScale_->addItem(QString::fromStdString(item));
    connect(cboScale_, &QComboBox::activated, this,
            [this](int index) { controller_->cboScale_Click(index); });
    column->addWidget(cboScale_);
    legendTitle_ = new QLabel(legend);
    legendTitle_->setObjectName("legendTitle");
    auto* aboveRow = new QHBoxLayout;
    aboveRow->addWidget(endColour(kAboveColour, legend));
    aboveText_ = new QLabel(legend);
    aboveRow->addWidget(aboveText_, 1);
    auto* bar = new QHBoxLayout;
    bar->setSpacing(0);
    bar->addWidget(picScale_);
    ticks_ = new TickLabels(legend);
    bar->addWidget(ticks_);
    bar->addStretch(1);
    auto* belowRow = new QHBoxLayout;
    belowRow->addWidget(endColour(kBelowColour, legend));
    belowText_ = new QLabel(legend);
    belowRow->addWidget(belowText_, 1);
    column->addWidget(legendTitle_);
    column->addLayout(aboveRow);
    column->addLayout(bar, 1);
    column->addLayout(belowRow);
    return legend;
}

QStringList TempDisplayView::legendTexts() const {
    QStringList texts{legendTitle_->text()};
    for (const LegendTick& tick : controller_->state().legend.ticks)
        texts << QString::fromStdString(tick.label);
    texts << aboveText_->text() << belowText_->text();
    return texts;
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
    QWidget::showEvent(event);
    if (loaded_) return;
    loaded_ = true;
    controller_->load();
    closeWhenAsked();
}

void TempDisplayView::closeWhenAsked() {
    // Queued, so a display closing itself while it is being shown still ends cleanly.
    if (controller_->state().closed) QTimer::singleShot(0, this, &QWidget::close);
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
    legendTitle_->setText(QString::fromStdString(s.legend.title));
    aboveText_->setText(QString::fromStdString(s.legend.above));
    belowText_->setText(QString::fromStdString(s.legend.below));
    static_cast<TickLabels*>(ticks_)->setTicks(s.legend.ticks);
    // A sounding has no scale.
    const bool field = !s.legend.ticks.empty();
    legend_->setVisible(field);
    {
        const QSignalBlocker block(cboScale_);
        cboScale_->setCurrentIndex(s.cboScale.listIndex);
    }
    for (const MenuState& menu : s.menus)
        for (const MenuItemState& item : menu.items)
            if (item.checkable) actions_.at(item.name)->setChecked(item.checked);
    if (s.status.empty())
        statusBar_->clearMessage();
    else
        statusBar_->showMessage(QString::fromStdString(s.status));
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

TempDisplayView* showTemperatureDisplay(AppState& app, Dialogs& dialogs, DisplaySource source,
                                        QWidget* parent) {
    auto* view = new TempDisplayView(app, dialogs, std::move(source), parent);
    view->setAttribute(Qt::WA_DeleteOnClose);
    view->show();
    return view;
}

} // namespace vardex::gui
