#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "EditorViewFixture.h"
#include "MaterialsEditorView.h"
#include "materials/MaterialsEditor.h"

using namespace vardex;

class MaterialsEditorViewTest : public QObject {
    Q_OBJECT

  private slots:
    void opensFromTheEditorsMenuWithItsCaptions() {
        testing::EditorViewFixture f;
        f.view.action("mnuNewModel")->trigger();
        QVERIFY(f.view.panel()->isVisible());
        auto* editor = f.open<gui::MaterialsEditorView>("mnuproMaterials", EditorKind::Materials);
        QVERIFY(editor);
        QVERIFY(!f.view.panel()->isVisible());
        QCOMPARE(editor->windowTitle(), QString("Materials  --  SI units"));
        QStringList buttons;
        for (QPushButton* b : editor->findChildren<QPushButton*>()) buttons << b->text();
        QCOMPARE(buttons, QStringList({"Add a Material", "Record  Property  Change",
                                       "Set Material  Color", "Save File"}));
        QStringList labels;
        for (QLabel* l : editor->findChildren<QLabel*>()) labels << l->text();
        for (const char* caption :
             {"Conductivity W/m C", "Specific Heat kJ/kg C", "Density  kg /cubic m",
              "Heat production kJ/kg", "Characteristic Thickness", "Characteristic Diameter"})
            QVERIFY2(labels.contains(caption), caption);
        QCOMPARE(editor->action("mnuSaveAs")->text(), QString("Save &As"));
    }

    void addingAMaterialFillsTheListAndCloseAsksAboutIt() {
        testing::EditorViewFixture f;
        auto* editor = f.open<gui::MaterialsEditorView>("mnuproMaterials", EditorKind::Materials);
        QVERIFY(editor);
        f.dialogs.inputAnswers = {"Grout", "1.1", "0.9", "2100", "0.5"};
        editor->findChild<QPushButton*>("cmdAdd")->click();
        QCOMPARE(editor->findChild<QComboBox*>("cboMaterials")->currentText(), QString("Grout"));
        QCOMPARE(editor->findChild<QLineEdit*>("txtDensity")->text(), QString("2100"));
        QVERIFY(editor->findChild<QRadioButton*>()->isChecked()); // "Fill"

        // Cancel keeps the window and the material.
        f.dialogs.yesNoCancelAnswers = {MessageAnswer::Cancel};
        editor->action("mnuClose")->trigger();
        QApplication::processEvents();
        QVERIFY(f.view.editorViews()->window(EditorKind::Materials));
        QCOMPARE(f.dialogs.messages.back().buttons, MessageButtons::YesNoCancel);

        f.dialogs.yesNoCancelAnswers = {MessageAnswer::No};
        editor->action("mnuClose")->trigger();
        QApplication::processEvents();
        QVERIFY(!f.view.editorViews()->window(EditorKind::Materials));
        QVERIFY(!f.main.editors().materials());
    }
};

QTEST_MAIN(MaterialsEditorViewTest)
#include "MaterialsEditorViewTest.moc"
