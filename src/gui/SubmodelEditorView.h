#pragma once
// The Qt view of the sub-model editor: the dimension boxes, the picture of the stack with its
// depth labels, the description and file boxes, the section chooser and the twelve palette slots.

#include <array>
#include <memory>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "CanvasWidget.h"
#include "EditorWidgets.h"
#include "submodel/frm2.h"

namespace vardex::gui {

class SubmodelEditorView : public QWidget {
    Q_OBJECT
  public:
    explicit SubmodelEditorView(frm2& controller, QWidget* parent = nullptr);
    ~SubmodelEditorView() override;

    void render();
    QAction* action(const std::string& name) const { return menus_->action(name); }
    CanvasWidget* picture() const { return picture_; }
    QLineEdit* box(SubmodelBox b) const { return boxes_[static_cast<std::size_t>(b)]; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* buildDimensions();
    QWidget* buildPalette();

    frm2& controller_;
    std::unique_ptr<EditorMenus> menus_;
    std::array<QLineEdit*, 9> boxes_{};
    CanvasWidget* picture_ = nullptr;
    std::array<QLabel*, 9> depth_{};
    QLineEdit* txtName_ = nullptr;
    QLineEdit* txtFile_ = nullptr;
    QComboBox* cboSections_ = nullptr;
    QFrame* shpCurrent_ = nullptr;
    std::array<QLabel*, kPaletteSlots> slotLabels_{};
    std::array<QFrame*, kPaletteSlots> slotSwatches_{};
};

} // namespace vardex::gui
