#pragma once
// TzrInspector: a tree of the published properties of one component, read
// through the type information. One row per writable property, sorted by
// name, with its value in a label on the right half; a property holding a
// plain persistent object gets collapsed nested rows. The selected row gets
// one in-place editor: a text box, a drop-down list for enumerations or an
// "Edit..." button that opens the brush designer, the gradient dialog, the
// bitmap editor, the path designer or the font dialog. Moving to another
// row writes the open text or list editor first.

#include <functional>
#include <memory>
#include <string>

#include "controls/zr_tree_view.h"

class TStringList;
class TStrings;
class TzrButton;
class TzrLabel;
class TzrPopupBox;
class TzrTextBox;

using TzrOnChangeProperty = std::function<void(TObject* Sender, const std::string& PropertyName)>;

class TzrInspector : public TzrTreeView {
 public:
  explicit TzrInspector(TComponent* AOwner);
  ~TzrInspector() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  TComponent* GetSelectedObject() const { return FSelectedObject; }
  void SetSelectedObject(TComponent* Value);
  TStrings* GetDisabledProperties() const;
  // Copies the names; they are matched without regard to case.
  void SetDisabledProperties(TStrings* Value);
  bool GetShowProperties() const { return FShowProperties; }
  void SetShowProperties(bool Value);
  bool GetShowEvents() const { return FShowEvents; }
  void SetShowEvents(bool Value);

  // The visible list or text editor, else the edit button.
  TzrVisualObject* Editor() const;
  TzrTextBox* GetEditBox() const { return FEditBox; }
  TzrPopupBox* GetComboBox() const { return FComboBox; }
  TzrButton* GetEditButton() const { return FEditButton; }
  // The value label of a row.
  static TzrLabel* RowLabel(TzrTreeViewItem* Row);

  void RebuildList();
  void RebuildEditor();
  void UpdateEditorPos();
  // Writes the editor's value into the selected row's property.
  void DoEditorChange(TObject* Sender);

  void SetSelected(TzrTreeViewItem* Item) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void DialogKey(uint16_t& Key, TShiftState Shift) override;
  void VScrollChange(TObject* Sender) override;

  TzrOnChangeProperty OnChangeProperty;

 private:
  void InsAddObject(TzrObject* Parent, TObject* AObject);
  bool Disabled(const std::string& Name) const;
  // Commits a visible text or list editor.
  void CommitEditor();
  void FillEditor();
  void ShowEditor(TzrVisualObject* AEditor, TzrTreeViewItem* Row);
  void EditObject(TObject* Value);
  void SelectRow(int GlobalIndex);

  TComponent* FSelectedObject = nullptr;
  TzrTextBox* FEditBox = nullptr;
  TzrPopupBox* FComboBox = nullptr;
  TzrButton* FEditButton = nullptr;
  std::unique_ptr<TStringList> FDisabledProperties;
  bool FShowProperties = true;
  bool FShowEvents = false;
  bool FFilling = false;
};

// Registers the inspector under "Design" (idempotent).
void RegisterInspector();
