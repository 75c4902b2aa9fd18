#pragma once
// The editor windows of the main window's "&Editors" menu: the materials editor, the section
// editor and the sub-model editor, each created when first opened and dropped when it closes.

#include <functional>
#include <memory>
#include <vector>

namespace vardex {

class AppState;
class mdifrmMain;
class MaterialsEditor;
class SectionEditor;
class frm2;

enum class EditorKind { Materials, Section, Submodel };

class EditorWindows {
  public:
    EditorWindows(AppState& app, mdifrmMain& main);
    ~EditorWindows();

    // The view shows the editor's window (creating its widgets when new) or drops it.
    std::function<void(EditorKind)> onShow;
    std::function<void(EditorKind)> onClosed;

    // The "&Editors" items: the main window makes way, then the editor opens.
    void openMaterialsEditor();
    void openSectionEditor();
    void openSubmodelEditor();
    // The sub-model editor's "Open Section &Editor": the model's lists stay as they are.
    void openSectionEditorFromSubmodel();

    // The open editors; null when closed.
    MaterialsEditor* materials() const { return materials_.get(); }
    SectionEditor* section() const { return section_.get(); }
    frm2* submodel() const { return submodel_.get(); }

    // Closes every open editor, each asking about unsaved work; false when one stays open.
    bool closeAll();

  private:
    void showSection(const char* mode);
    void closed(EditorKind kind);

    AppState& app_;
    mdifrmMain& main_;
    std::unique_ptr<MaterialsEditor> materials_;
    std::unique_ptr<SectionEditor> section_;
    std::unique_ptr<frm2> submodel_;
    // Editors closed during one of their own commands are kept until the next command.
    std::vector<std::shared_ptr<void>> retired_;
};

} // namespace vardex
