#pragma once
// The Qt view of the section editor: the grid with its axis labels, the material list, the fills
// and the section file labels.

#include <array>
#include <memory>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QWidget>

#include "CanvasWidget.h"
#include "EditorWidgets.h"
#include "section/SectionEditor.h"

namespace vardex::gui {

class SectionEditorView : public QWidget {
    Q_OBJECT
  public:
    explicit SectionEditorView(SectionEditor& controller, QWidget* parent = nullptr);
    ~SectionEditorView() override;

    void render();
    QAction* action(const std::string& name) const { return menus_->action(name); }
    CanvasWidget* grid() const { return grid_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* buildGrid();
    QWidget* buildControls();

    SectionEditor& controller_;
    std::unique_ptr<EditorMenus> menus_;
    CanvasWidget* grid_ = nullptr;
    QWidget* gridArea_ = nullptr; // keeps the grid at the section's proportions
    std::array<QLabel*, 9> lblX_{};
    std::array<QLabel*, 9> lblY_{};
    QLineEdit* txtNX_ = nullptr;
    QLineEdit* txtNY_ = nullptr;
    QListWidget* lstMaterials_ = nullptr;
    QFrame* shpColor_ = nullptr;
    QGroupBox* formGroup_ = nullptr;
    QGroupBox* fillGroup_ = nullptr;
    QGroupBox* objectFills_ = nullptr;
    QRadioButton* optSection_ = nullptr;
    QRadioButton* optRectangular_ = nullptr;
    QRadioButton* optCylindrical_ = nullptr;
    QRadioButton* optPointwise_ = nullptr;
    QLineEdit* txtSectionName_ = nullptr;
    QLabel* lblMaterialsFile_ = nullptr;
    QLabel* lblSectionFile_ = nullptr;
};

} // namespace vardex::gui
