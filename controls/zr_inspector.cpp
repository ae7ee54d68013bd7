#include "controls/zr_inspector.h"

#include <algorithm>
#include <cmath>

#include "controls/zr_bitmap_editor.h"
#include "controls/zr_brush_design.h"
#include "controls/zr_buttons.h"
#include "controls/zr_labels.h"
#include "controls/zr_memo.h"
#include "controls/zr_path_data_designer.h"
#include "controls/zr_popup_buttons.h"
#include "controls/zr_text_box.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Dialogs.h"
#include "platform/vcl/WinControls.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_brush.h"
#include "scene/zr_classes.h"
#include "scene/zr_font.h"
#include "scene/zr_gradient.h"
#include "scene/zr_intf.h"
#include "scene/zr_path.h"
#include "scene/zr_resources.h"
#include "scene/zr_strings.h"

namespace {

constexpr char EditorName[] = "inspectorEditor";
// The numeric keypad's plus and minus, as the scene passes them.
constexpr uint16_t KeyPadAdd = 107;
constexpr uint16_t KeyPadSubtract = 109;

bool IsEditableObject(TObject* Value) {
  return dynamic_cast<TzrGradient*>(Value) || dynamic_cast<TzrBrush*>(Value) ||
         dynamic_cast<TzrBitmap*>(Value) || dynamic_cast<TzrPathData*>(Value) ||
         dynamic_cast<TzrFont*>(Value);
}

// The label text of a property by its kind.
std::string ValueText(const TPropInfo* Prop, TObject* Object) {
  switch (Prop->Kind) {
    case tkInteger:
      return std::to_string(Prop->GetOrd(Object));
    case tkEnumeration:
      return Prop->EnumType ? Prop->EnumType->NameOf(Prop->GetOrd(Object)) : std::string();
    case tkFloat:
      return FloatToStr(Prop->GetFloat(Object));
    case tkString:
    case tkWString:
      return Prop->GetStr(Object);
    case tkClass: {
      TObject* value = Prop->GetObj(Object);
      if (auto* node = dynamic_cast<TzrObject*>(value))
        return node->GetName().empty() ? node->GetResourceName() : node->GetName();
      return value ? value->ClassName() : std::string();
    }
    default:
      return std::string();
  }
}

}  // namespace

const TClassInfo* TzrInspector::Class() {
  using T = TzrInspector;
  static const TClassInfo* info =
      TClassDecl<T>("TzrInspector", TzrTreeView::Class())
          .Prop("DisabledProperties", &T::GetDisabledProperties, &T::SetDisabledProperties)
          .Prop("SelectedObject", &T::GetSelectedObject, &T::SetSelectedObject)
          .Prop("ShowProperties", &T::GetShowProperties, &T::SetShowProperties)
          .Default(true)
          .Prop("ShowEvents", &T::GetShowEvents, &T::SetShowEvents)
          .Default(false)
          .Event("OnChangeProperty", &T::OnChangeProperty);
  return info;
}

TzrInspector::TzrInspector(TComponent* AOwner)
    : TzrTreeView(AOwner), FDisabledProperties(std::make_unique<TStringList>()) {
  SetResource("treeviewstyle");
  SetHideSelectionUnfocused(false);
  auto prepare = [this](TzrVisualObject* E) {
    E->SetResourceName(EditorName);
    E->SetTagString("self");
    E->SetDisableFocusEffect(true);
    E->SetStored(false);
    E->SetParent(this);
    E->SetVisible(false);
    E->GetPosition()->SetX(2000);
  };
  FEditButton = new TzrButton(this);
  prepare(FEditButton);
  FEditButton->OnClick = [this](TObject* S) { DoEditorChange(S); };
  FEditBox = new TzrTextBox(this);
  prepare(FEditBox);
  FEditBox->GetPadding()->SetRect({0, 0, 0, 0});
  FEditBox->OnChange = [this](TObject* S) { DoEditorChange(S); };
  FComboBox = new TzrPopupBox(this);
  prepare(FComboBox);
  FComboBox->SetTextAlign(zrTextAlignNear);
  FComboBox->OnChange = [this](TObject* S) { DoEditorChange(S); };
}

TzrInspector::~TzrInspector() {
  Destroying();
  if (auto* node = dynamic_cast<TzrObject*>(FSelectedObject)) node->RemoveFreeNotification(this);
}

TStrings* TzrInspector::GetDisabledProperties() const { return FDisabledProperties.get(); }

void TzrInspector::SetDisabledProperties(TStrings* Value) {
  FDisabledProperties->Clear();
  if (Value)
    for (int i = 0; i < Value->Count(); ++i) FDisabledProperties->Add(Value->Get(i));
  RebuildList();
}

bool TzrInspector::Disabled(const std::string& Name) const {
  for (int i = 0; i < FDisabledProperties->Count(); ++i)
    if (CompareTextUtf8(FDisabledProperties->Get(i), Name) == 0) return true;
  return false;
}

void TzrInspector::SetShowProperties(bool Value) {
  if (Value == FShowProperties) return;
  FShowProperties = Value;
  RebuildList();
}

void TzrInspector::SetShowEvents(bool Value) {
  if (Value == FShowEvents) return;
  FShowEvents = Value;
  RebuildList();
}

TzrVisualObject* TzrInspector::Editor() const {
  if (FComboBox && FComboBox->GetVisible()) return FComboBox;
  if (FEditBox && FEditBox->GetVisible()) return FEditBox;
  return FEditButton;
}

TzrLabel* TzrInspector::RowLabel(TzrTreeViewItem* Row) {
  if (!Row) return nullptr;
  for (int i = 0; i < Row->GetChildrenCount(); ++i)
    if (auto* label = dynamic_cast<TzrLabel*>(Row->GetChild(i));
        label && label->GetResourceName() == EditorName)
      return label;
  return nullptr;
}

void TzrInspector::CommitEditor() {
  if (FComboBox && FComboBox->GetVisible())
    DoEditorChange(FComboBox);
  else if (FEditBox && FEditBox->GetVisible())
    DoEditorChange(FEditBox);
}

// ---------------------------------------------------------------- selection

void TzrInspector::SetSelectedObject(TComponent* Value) {
  if (Value == FSelectedObject) return;
  CommitEditor();
  if (auto* node = dynamic_cast<TzrObject*>(FSelectedObject)) node->RemoveFreeNotification(this);
  FSelectedObject = Value;
  if (FSelectedObject) FSelectedObject->FreeNotification(this);
  RebuildList();
  RebuildEditor();
}

void TzrInspector::Notification(TComponent* AComponent, TOperation Operation) {
  TzrTreeView::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FEditBox) FEditBox = nullptr;
  if (AComponent == FComboBox) FComboBox = nullptr;
  if (AComponent == FEditButton) FEditButton = nullptr;
  if (AComponent != FSelectedObject || !FSelectedObject) return;
  if (IsDestroying()) {
    FSelectedObject = nullptr;
    return;
  }
  // The object is going: nothing of it may be read or written any more.
  for (TzrVisualObject* e :
       {static_cast<TzrVisualObject*>(FEditBox), static_cast<TzrVisualObject*>(FComboBox),
        static_cast<TzrVisualObject*>(FEditButton)})
    if (e) e->SetVisible(false);
  FSelectedObject = nullptr;
  RebuildList();
}

void TzrInspector::SetSelected(TzrTreeViewItem* Item) {
  if (Item == GetSelected()) return;
  CommitEditor();
  TzrTreeView::SetSelected(Item);
  RebuildEditor();
}

// ---------------------------------------------------------------- rows

void TzrInspector::RebuildList() {
  BeginUpdate();
  try {
    for (TzrVisualObject* e :
         {static_cast<TzrVisualObject*>(FEditBox), static_cast<TzrVisualObject*>(FComboBox),
          static_cast<TzrVisualObject*>(FEditButton)})
      if (e) e->SetTagObject(nullptr);
    Clear();
    InsAddObject(this, FSelectedObject);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TzrInspector::InsAddObject(TzrObject* Parent, TObject* AObject) {
  if (!AObject) return;
  std::vector<const TPropInfo*> props = AObject->ClassType()->Properties();
  std::stable_sort(props.begin(), props.end(), [](const TPropInfo* A, const TPropInfo* B) {
    return CompareTextUtf8(A->Name, B->Name) < 0;
  });
  for (const TPropInfo* prop : props) {
    if (Disabled(prop->Name) || !prop->IsWritable()) continue;
    const bool event = prop->Kind == tkMethod;
    if (event && (!FShowEvents || AObject != FSelectedObject)) continue;
    if (!event && !FShowProperties) continue;
    auto* row = new TzrTreeViewItem(this);
    row->SetText(UTF8ToUTF16(prop->Name));
    row->SetLocked(true);
    row->SetStored(false);
    row->SetTagObject(AObject);
    row->SetTagString(prop->Name);
    row->SetParent(Parent);
    auto* label = new TzrLabel(this);
    label->SetResourceName(EditorName);
    label->SetLocked(true);
    label->SetStored(false);
    label->SetTextAlign(zrTextAlignNear);
    label->SetWordWrap(false);
    label->SetHitTest(false);
    const float h = GetItemHeight() > 0 ? GetItemHeight() : row->GetHeight();
    label->SetBounds(GetWidth() / 2, 0, GetWidth(), h + 2);
    label->SetParent(row);
    label->SetText(UTF8ToUTF16(ValueText(prop, AObject)));
    if (prop->Kind != tkClass) continue;
    TObject* value = prop->GetObj(AObject);
    if (!value || dynamic_cast<TzrObject*>(value)) continue;
    row->SetIsExpanded(false);
    InsAddObject(row, value);
  }
}

// ---------------------------------------------------------------- editors

void TzrInspector::ShowEditor(TzrVisualObject* AEditor, TzrTreeViewItem* Row) {
  AEditor->SetVisible(true);
  AEditor->SetLocked(true);
  AEditor->SetStored(false);
  TzrLabel* label = RowLabel(Row);
  AEditor->SetTagObject(label);
  if (label) label->SetVisible(false);
  UpdateEditorPos();
  if (AEditor->GetCanFocused()) AEditor->SetFocus();
}

void TzrInspector::RebuildEditor() {
  // Filling an editor is no edit: its change events write nothing.
  FFilling = true;
  FillEditor();
  FFilling = false;
}

void TzrInspector::FillEditor() {
  for (TzrVisualObject* e :
       {static_cast<TzrVisualObject*>(FEditBox), static_cast<TzrVisualObject*>(FComboBox),
        static_cast<TzrVisualObject*>(FEditButton)}) {
    if (!e) continue;
    e->SetVisible(false);
    if (auto* label = dynamic_cast<TzrLabel*>(e->GetTagObject())) label->SetVisible(true);
    e->SetTagObject(nullptr);
  }
  TzrTreeViewItem* row = GetSelected();
  if (!row || !row->GetTagObject() || !FEditBox || !FComboBox || !FEditButton) return;
  TObject* object = row->GetTagObject();
  const TPropInfo* prop = GetPropInfo(object, row->GetTagString());
  if (!prop) return;
  switch (prop->Kind) {
    case tkInteger:
      FEditBox->SetText(UTF8ToUTF16(std::to_string(prop->GetOrd(object))));
      return ShowEditor(FEditBox, row);
    case tkEnumeration: {
      if (!prop->EnumType) return;
      TzrWideStringList items;
      for (int i = 0; i < prop->EnumType->Count(); ++i)
        items.Add(UTF8ToUTF16(prop->EnumType->NameOf(i)));
      FComboBox->SetItems(&items);
      FComboBox->SetItemIndex(int(prop->GetOrd(object)));
      return ShowEditor(FComboBox, row);
    }
    case tkFloat:
      FEditBox->SetText(UTF8ToUTF16(FloatToStr(prop->GetFloat(object))));
      return ShowEditor(FEditBox, row);
    case tkString:
      FEditBox->SetText(UTF8ToUTF16(prop->GetStr(object)));
      FEditBox->SelectAll();
      return ShowEditor(FEditBox, row);
    case tkClass:
      if (!IsEditableObject(prop->GetObj(object))) return;
      FEditButton->SetText(u"Edit...");
      return ShowEditor(FEditButton, row);
    case tkMethod:
      if (zrDesigner) {
        std::any handler = prop->GetEvent(object);
        const auto* notify = std::any_cast<TNotifyEvent>(&handler);
        FEditBox->SetText(UTF8ToUTF16(notify ? zrDesigner->GetMethodName(*notify) : ""));
      }
      FEditBox->SelectAll();
      return ShowEditor(FEditBox, row);
    case tkWString:
      FEditBox->SetText(prop->GetWStr(object));
      return ShowEditor(FEditBox, row);
    default:
      FEditBox->SetText(u"");
      return ShowEditor(FEditBox, row);
  }
}

void TzrInspector::UpdateEditorPos() {
  TzrVisualObject* editor = Editor();
  TzrTreeViewItem* row = GetSelected();
  TzrVisualObject* layout = GetContentLayout();
  if (!editor || !row || !layout || !GetContent()) return;
  const TzrRect r = GetItemRect(row);
  const TzrPoint top = AbsoluteToLocal(GetContent()->LocalToAbsolute({r.Left, r.Top}));
  const float h = zrRectHeight(r);
  const float indent = float(row->Level()) * h;
  const float x = indent + GetWidth() / 2;
  const float y = top.Y + 1;
  const float w = layout->GetWidth() - GetWidth() / 2 - GetContent()->GetPosition()->GetX() +
                  layout->GetPosition()->GetX() - indent - 1;
  editor->SetBounds(x, y, w, h - 2);
  editor->SetOpacity(y < 0 || y + h - 2 > GetHeight() ? 0 : 1);
}

void TzrInspector::VScrollChange(TObject* Sender) {
  TzrTreeView::VScrollChange(Sender);
  UpdateEditorPos();
}

void TzrInspector::EditObject(TObject* Value) {
  if (auto* brush = dynamic_cast<TzrBrush*>(Value)) {
    SelectInDesign(brush, FSelectedObject);
  } else if (auto* gradient = dynamic_cast<TzrGradient*>(Value)) {
    ShowGradientDialog(gradient);
  } else if (auto* bitmap = dynamic_cast<TzrBitmap*>(Value)) {
    TzrBitmapEditor editor(nullptr);
    editor.AssignFromBitmap(bitmap);
    if (editor.ShowModal() == mrOk) editor.AssignToBitmap(bitmap);
  } else if (auto* path = dynamic_cast<TzrPathData*>(Value)) {
    TzrPathDataDesigner designer(nullptr);
    designer.PathData->SetText(UTF8ToUTF16(path->GetPathString()));
    if (designer.ShowModal() == mrOk)
      path->SetPathString(UTF16ToUTF8(designer.PathData->GetText()));
  } else if (auto* font = dynamic_cast<TzrFont*>(Value)) {
    TFontDialog dialog(nullptr);
    dialog.SetFamily(font->GetFamily());
    dialog.SetSize(font->GetSize());
    const TzrFontStyle style = font->GetStyle();
    dialog.SetBold(style == zrFontBold || style == zrFontBoldItalic);
    dialog.SetItalic(style == zrFontItalic || style == zrFontBoldItalic);
    if (!dialog.Execute()) return;
    font->SetFamily(dialog.GetFamily());
    font->SetSize(float(dialog.GetSize()));
    const bool b = dialog.GetBold(), i = dialog.GetItalic();
    font->SetStyle(b && i ? zrFontBoldItalic : b ? zrFontBold : i ? zrFontItalic : zrFontRegular);
  }
}

void TzrInspector::DoEditorChange(TObject* Sender) {
  TzrTreeViewItem* row = GetSelected();
  if (FFilling || IsDestroying() || GetUpdating() > 0 || !row || !row->GetTagObject()) return;
  TObject* object = row->GetTagObject();
  const TPropInfo* prop = GetPropInfo(object, row->GetTagString());
  if (!prop) return;
  const std::string name = prop->Name;
  auto* label = dynamic_cast<TzrLabel*>(static_cast<TzrVisualObject*>(Editor())->GetTagObject());
  if (Sender == FEditButton && FEditButton->GetVisible()) {
    if (prop->Kind == tkClass) EditObject(prop->GetObj(object));
  } else if (Sender == FEditBox && FEditBox->GetVisible()) {
    if (prop->Kind != tkMethod) {
      prop->SetValue(object, Variant(FEditBox->GetText()));
      if (label) label->SetText(FEditBox->GetText());
    } else if (zrDesigner) {
      TNotifyEvent handler = zrDesigner->AddMethod(UTF16ToUTF8(FEditBox->GetText()));
      if (prop->EventType == typeid(TNotifyEvent)) prop->SetEvent(object, handler);
      if (handler && label) label->SetText(FEditBox->GetText());
    }
  } else if (Sender == FComboBox && FComboBox->GetVisible()) {
    prop->SetValue(object, Variant(int64_t(FComboBox->GetItemIndex())));
    if (label) label->SetText(FComboBox->GetText());
  }
  if (OnChangeProperty) OnChangeProperty(this, name);
}

// ---------------------------------------------------------------- keys

void TzrInspector::SelectRow(int GlobalIndex) {
  if (TzrTreeViewItem* row = ItemByGlobalIndex(GlobalIndex)) SetSelected(row);
}

void TzrInspector::DialogKey(uint16_t& Key, TShiftState Shift) {
  TzrTreeView::DialogKey(Key, Shift);
  TzrTreeViewItem* row = GetSelected();
  if (Key == 0 || GetGlobalCount() == 0 || !row || !GetScene()) return;
  if (GetScene()->GetFocused() != Editor()) return;
  const bool textEditor = Editor() == FEditBox;
  const int at = row->GetGlobalIndex();
  switch (Key) {
    case VK_END:
      if (textEditor) return;
      SelectRow(GetGlobalCount() - 1);
      break;
    case VK_HOME:
      if (textEditor) return;
      SelectRow(0);
      break;
    case VK_UP:
      if (at > 0) SelectRow(at - 1);
      break;
    case VK_DOWN:
      if (at < GetGlobalCount() - 1) SelectRow(at + 1);
      break;
    case KeyPadAdd:
      row->SetIsExpanded(true);
      break;
    case KeyPadSubtract:
      row->SetIsExpanded(false);
      break;
    default:
      return;
  }
  Key = 0;
}

void RegisterInspector() {
  static const bool registered = [] {
    RegisterZRObjects("Design", {TzrInspector::Class()});
    return true;
  }();
  (void)registered;
}
