// The design editor's commands: copy and paste through the private design
// clipboard (object-stream text), deleting the selection and inserting a
// new node of a registered class.

#include <cstring>
#include <functional>

#include "platform/rtl/Rtti.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Dialogs.h"
#include "scene/zr_classes.h"
#include "scene/zr_resources.h"
#include "scene/zr_scene.h"

std::string DesignClipboard;

void zrReleaseDesignClipboard() { std::string().swap(DesignClipboard); }

namespace {

TzrVisualObject* VisualParentOf(TzrVisualObject* Node) {
  TzrObject* parent = Node ? Node->GetParent() : nullptr;
  return parent && parent->GetIsVisual() ? parent->GetVisual() : nullptr;
}

// The designer names every node of the subtree, except inside locked ones.
void NameTree(TComponent* Form, TzrObject* Node) {
  Node->SetName(zrDesigner->UniqueName(Form, Node->ClassType()->Name()));
  if (Node->GetIsVisual() && Node->GetVisual()->GetLocked()) return;
  for (int i = 0; i < Node->GetChildrenCount(); ++i) NameTree(Form, Node->GetChild(i));
}

}  // namespace

TzrObject* TzrCustomScene::DesignTarget() {
  if (FSelected) return FSelected;
  return GetRoot();
}

void TzrCustomScene::doDesignPopupCopy() {
  if (!FSelected) return;
  TMemoryStream stream;
  FSelected->SaveToStream(&stream);
  DesignClipboard.assign(static_cast<const char*>(stream.Memory()), size_t(stream.GetSize()));
}

void TzrCustomScene::doDesignPopupPaste() {
  TzrObject* target = DesignTarget();
  if (DesignClipboard.empty() || !target) return;
  TMemoryStream stream;
  stream.Write(DesignClipboard.data(), int32_t(DesignClipboard.size()));
  stream.Seek(0, soBeginning);
  AdoptDesignSubtree(CreateObjectFromStream(GetOwner(), &stream), target);
}

// A subtree read from a stream joins Target, is named anew by the designer
// and becomes the selection.
void TzrCustomScene::AdoptDesignSubtree(TzrObject* Node, TzrObject* Target) {
  if (!Node) return;
  Node->SetParent(Target);
  if (zrDesigner) {
    NameTree(GetOwner(), Node);
    zrDesigner->SelectObject(GetOwner(), Node, {});
    zrDesigner->Modified(GetOwner());
  }
  if (Node->GetIsVisual()) SetSelected(Node->GetVisual());
}

// Reads an object-stream text file chosen in the open dialog into the
// selection (else the root); a file that holds no readable stream is
// reported and changes nothing.
void TzrCustomScene::doDesignPopupLoadFromFile() {
  TzrObject* target = DesignTarget();
  if (!target) return;
  TOpenDialog dialog(nullptr);
  dialog.SetFilter("ZORurev Files|*.zorurev;*.zr");
  if (!dialog.Execute()) return;
  const std::string file = dialog.GetFileName();
  TzrObject* node = nullptr;
  try {
    TFileStream stream(file, fmOpenRead | fmShareDenyWrite);
    char signature[4] = {};
    const bool binary = stream.Read(signature, 4) == 4 && std::memcmp(signature, "TPF0", 4) == 0;
    stream.Seek(0, soBeginning);
    node = binary ? CreateObjectFromBinStream(GetOwner(), &stream)
                  : CreateObjectFromStream(GetOwner(), &stream);
  } catch (const Exception& e) {
    MessageDlg(e.Message(), mtError, mbOK);
    return;
  }
  if (!node) {
    MessageDlg("The file \"" + file + "\" holds no object stream.", mtError, mbOK);
    return;
  }
  AdoptDesignSubtree(node, target);
}

// The root stays: the menu and the Delete key both refuse it.
void TzrCustomScene::doDesignPopupDel() {
  TzrVisualObject* node = FSelected;
  if (!node || static_cast<TzrObject*>(node) == GetRoot()) return;
  TzrVisualObject* parent = VisualParentOf(node);
  Watch(FSelected, nullptr);
  delete node;
  TzrObject* root = GetRoot();
  if (parent) {
    parent->DesignSelect();
    Watch(FSelected, parent);
  } else if (root && root->GetIsVisual()) {
    Watch(FSelected, root->GetVisual());
  }
  if (zrDesigner) zrDesigner->Modified(GetOwner());
  AddUpdateRect(zrRect(0, 0, float(GetWidth()), float(GetHeight())));
}

void TzrCustomScene::InsertObject(const std::string& ClassName) {
  const TClassInfo* info = GetClass(ClassName);
  if (!info || !info->CanCreate()) {
    FInsertObject.clear();
    return;
  }
  if (!info->InheritsFrom(TzrObject::Class())) {
    FInsertObject = ClassName;
    return;
  }
  TComponent* form = GetOwner();
  auto* node = dynamic_cast<TzrObject*>(info->Create(form));
  if (!node) return;
  TzrObject* root = GetRoot();
  if (!FSelected && root && root->GetIsVisual()) Watch(FSelected, root->GetVisual());
  if (!FSelected) {
    AddObject(node);
  } else {
    node->SetParent(FSelected);
  }
  if (zrDesigner) {
    node->SetName(zrDesigner->UniqueName(form, ClassName));
    zrDesigner->AddObject(node);
    zrDesigner->SelectObject(form, node, {});
    ChangeSelection();
    zrDesigner->Modified(form);
  }
  TzrVisualObject* visual = node->GetIsVisual() ? node->GetVisual() : nullptr;
  if (!visual) return;
  // A new text control shows its class name without the prefix.
  if (FindPropPath(visual, "Text") && ClassName.size() > 3)
    SetPropValue(visual, "Text", Variant(ClassName.substr(3)));
  const bool item = ClassName.find("Item") != std::string::npos;
  if (FPopupPos.X >= 0 && !item) {
    TzrVisualObject* parent = VisualParentOf(visual);
    visual->GetPosition()->SetPoint(parent ? parent->AbsoluteToLocal(FPopupPos) : FPopupPos);
  }
  FPopupPos = {-1, -1};
  TzrVisualObject* former = FSelected;
  Watch(FSelected, visual);
  visual->DesignSelect();
  visual->DesignInsert();
  if (former) former->Realign();
}

// The selection's siblings in tab order, each by its name or, unnamed, by
// its class name.
std::vector<std::string> TzrCustomScene::doDesignTabOrderRebuildList() {
  std::vector<std::string> names;
  TzrVisualObject* parent = FSelected ? VisualParentOf(FSelected) : nullptr;
  if (!parent) return names;
  std::vector<TzrVisualObject*> list;
  parent->GetTabOrderList(list, false);
  for (TzrVisualObject* node : list)
    names.push_back(node->GetName().empty() ? node->ClassType()->Name() : node->GetName());
  return names;
}

// Moves the sibling at tab position Index one place earlier (Up) or later
// and answers its new position; the list is then rebuilt.
int TzrCustomScene::doDesignTabOrderBtnClick(int Index, bool Up) {
  TzrVisualObject* parent = FSelected ? VisualParentOf(FSelected) : nullptr;
  if (!parent) return Index;
  std::vector<TzrVisualObject*> list;
  parent->GetTabOrderList(list, false);
  if (Index < 0 || Index >= int(list.size())) return Index;
  const int target = Up ? Index - 1 : Index + 1;
  if (target < 0 || target >= int(list.size())) return Index;
  list[size_t(Index)]->SetTabOrder(target);
  return target;
}
