#pragma once
// The Qt view of the materials editor.

#include <memory>

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>

#include "EditorWidgets.h"
#include "materials/MaterialsEditor.h"

namespace vardex::gui {

class MaterialsEditorView : public QWidget {
    Q_OBJECT
  public:
    explicit MaterialsEditorView(MaterialsEditor& controller, QWidget* parent = nullptr);
    ~MaterialsEditorView() override;

    void render();
    QAction* action(const std::string& name) const { return menus_->action(name); }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QLineEdit* propertyBox(QLayout* form, const char* caption, const char* name, MaterialBox box);

    MaterialsEditor& controller_;
    std::unique_ptr<EditorMenus> menus_;
    QLineEdit* txtFile_ = nullptr;
    QComboBox* cboMaterials_ = nullptr;
    QLineEdit* txtConductivity_ = nullptr;
    QLineEdit* txtSpecificHeat_ = nullptr;
    QLineEdit* txtDensity_ = nullptr;
    QLineEdit* txtHeat_ = nullptr;
    QFrame* shpColor_ = nullptr;
    QRadioButton* optFill_ = nullptr;
    QRadioButton* optForm_ = nullptr;
    QGroupBox* geometry_ = nullptr;
    QRadioButton* optHorizontal_ = nullptr;
    QRadioButton* optVertical_ = nullptr;
    QLineEdit* txtSize_ = nullptr;
    QLabel* lblRadius_ = nullptr;
    QLineEdit* txtRadius_ = nullptr;
};

} // namespace vardex::gui
