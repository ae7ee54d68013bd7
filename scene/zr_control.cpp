// TzrControl: style look-up and application, data binding, help; the default
// style sheet.

#include "scene/zr_control.h"

#include <strings.h>

#include <algorithm>

#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_action_link.h"
#include "scene/zr_classes.h"
#include "scene/zr_lang.h"
#include "scene/zr_resources.h"
#include "scene/zr_scene.h"

TzrObject* DefaultStyles = nullptr;

namespace {

bool DefaultStylesTried = false;

bool SameText(const std::string& A, const std::string& B) {
  return A.size() == B.size() && strcasecmp(A.c_str(), B.c_str()) == 0;
}

// X's FindResource (N), nil when there is no X.
TzrObject* FindIn(TzrObject* X, const std::string& N) {
  return X && !N.empty() ? X->FindResource(N) : nullptr;
}

// Completes the loading of a style tree read without Loaded calls.
void LoadStyleTree(TzrObject* AObject) {
  if (AObject->IsLoading()) AObject->Loaded();
  for (int i = 0; i < AObject->GetChildrenCount(); ++i) LoadStyleTree(AObject->GetChild(i));
}

}  // namespace

const TEnumInfo& HelpTypeInfo() {
  static const TEnumInfo info("THelpType", {"htKeyword", "htContext"});
  return info;
}

using T = TzrControl;

const TClassInfo* TzrControl::Class() {
  static const TClassInfo* info =
      TClassDecl<T>("TzrControl", TzrVisualObject::Class())
          .Enum("HelpType", &T::GetHelpType, &T::SetHelpType, HelpTypeInfo())
          .Default(htContext)
          .Prop("HelpKeyword", &T::GetHelpKeyword, &T::SetHelpKeyword)
          .Stored(&T::IsHelpContextStored)
          .Prop("HelpContext", &T::GetHelpContext, &T::SetHelpContext)
          .Default(0)
          .Stored(&T::IsHelpContextStored)
          .Prop("Resource", &T::GetResource, &T::SetResource)
          .Prop("TabOrder", &T::GetTabOrderValue, &T::SetTabOrderValue)
          .Default(-1);
  return info;
}

TzrControl::TzrControl(TComponent* AOwner) : TzrVisualObject(AOwner) {
  FHelpType = htContext;
  FNeedResource = true;
}

TzrControl::~TzrControl() {
  Destroying();
  if (FBindingObjects) {
    for (size_t i = FBindingObjects->size(); i-- > 0;) RemoveBindingObject((*FBindingObjects)[i]);
    FBindingObjects.reset();
  }
  SetBindingSource(nullptr);
  FActionLink.reset();
}

void TzrControl::Loaded() {
  TzrVisualObject::Loaded();
  IzoRurev* scene = GetScene();
  if (scene && scene->GetActiveControl() == this) scene->SetFocused(this);
}

void TzrControl::Notification(TComponent* AComponent, TOperation Operation) {
  TzrVisualObject::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FResourceLink) FResourceLink = nullptr;
  if (AComponent == FBindingSource) SetBindingSource(nullptr);
  if (FActionLink && AComponent == FActionLink->GetAction()) SetAction(nullptr);
  if (FBindingObjects) std::erase(*FBindingObjects, AComponent);
}

// ---------------------------------------------------------------- style look-up

std::string TzrControl::ClassStyleName(const std::string& AClassName) {
  return (AClassName.size() > 3 ? AClassName.substr(3) : std::string()) + "style";
}

std::string TzrControl::ParentClassName() const {
  const TClassInfo* c = ClassType();
  if (c && c->Name() == ClassName()) c = c->Parent();
  return c ? c->Name() : std::string();
}

void TzrControl::SetResource(const std::string& Value) {
  FResource = Value;
  FNeedResource = true;
  if (!IsLoading() && FUpdating == 0) ApplyResource();
}

bool TzrControl::AncestorShows(const std::string& AStyleName) const {
  if (AStyleName.empty()) return false;
  // Only an ancestor whose style clone holds this control counts: controls
  // nested as ordinary children (tree items under tree items) may share
  // their parent's style.
  bool inStyle = false;
  const TzrObject* below = this;
  for (const TzrObject* p = GetParent(); p; below = p, p = p->GetParent()) {
    const auto* control = dynamic_cast<const TzrControl*>(p);
    if (!control || !control->FResourceLink) continue;
    inStyle = inStyle || below == control->FResourceLink;
    if (inStyle && SameText(control->FStyleName, AStyleName)) return true;
  }
  return false;
}

TzrObject* TzrControl::CloneStyle(TzrObject* AStyle, bool KeepName) {
  if (!AStyle || !AStyle->GetIsVisual()) return nullptr;
  if (AncestorShows(AStyle->GetResourceName())) return nullptr;
  TzrObject* clone = AStyle->Clone(this);
  if (!clone) return nullptr;
  FFoundStyle = AStyle->GetResourceName();
  if (!KeepName) clone->SetResourceName("");
  return clone;
}

TzrObject* TzrControl::GetResourceObject() {
  if (!FResource.empty() && FResource == FResourceName) return nullptr;
  TzrResources* style = GetScene() ? GetScene()->GetStyle() : nullptr;
  TzrObject* sheet = style ? style->GetRoot() : nullptr;
  if (!FResource.empty()) {
    TzrObject* hit = FindIn(sheet, FResource);
    if (!hit) hit = FindIn(DefaultStyles, FResource);
    if (!hit) hit = zr_classes::FindResource(FResource);
    if (TzrObject* clone = CloneStyle(hit, false)) return clone;
  }
  LoadDefaultStyles();
  const std::string own = DefaultStyleName();
  for (TzrObject* root : {sheet, DefaultStyles}) {
    if (!root) continue;
    if (TzrObject* clone = CloneStyle(FindIn(root, FResource), true)) return clone;
    if (TzrObject* clone = CloneStyle(FindIn(root, own), true)) return clone;
  }
  return CloneStyle(FindIn(DefaultStyles, ClassStyleName(ParentClassName())), true);
}

// ---------------------------------------------------------------- applying

void TzrControl::ApplyResource() {
  TzrVisualObject::ApplyResource();
  if (!FNeedResource) return;
  FNeedResource = false;
  TzrObject* s = GetResourceObject();
  if (!s) return;
  if (s->IsLoading()) LoadStyleTree(s);
  IzoRurev* scene = GetScene();
  const bool hold = IsLoading() && scene;
  const bool disabled = hold && scene->GetDisableUpdate();
  if (hold) scene->SetDisableUpdate(true);
  if (FResourceLink) {
    FreeStyle();
    delete FResourceLink;
    FResourceLink = nullptr;
  }
  TzrVisualObject* v = s->GetVisual();
  v->SetAlign(vaContents);
  v->SetDesignHide(false);
  FResourceLink = s;
  FStyleName = FFoundStyle;
  AddObject(s);
  s->SetIndex(0);
  s->SetStored(false);
  v->Lock();
  ApplyStyle();
  if (hold) scene->SetDisableUpdate(disabled);
  UpdateEffects();
  if (OnApplyResource) OnApplyResource(this);
}

void TzrControl::UpdateResource() {
  if (IsLoading() || IsDestroying()) return;
  TzrVisualObject::UpdateResource();
  FNeedResource = true;
  ApplyResource();
}

void TzrControl::ApplyStyle() {
  if (FIsFocused && FCanFocused && !FDisableFocusEffect && !GlobalDisableFocusEffect) {
    RecalcUpdateRect();
    Repaint();
    StartTriggerAnimation(this, "IsFocused");
    ApplyTriggerEffect(this, "IsFocused");
  }
  if (FAutoTranslate && FShowHint && !FHint.empty() && !Designing()) FHint = Translate(FHint);
}

TzrObject* TzrControl::FindResource(const std::string& AResource) {
  if (FResourceLink)
    if (TzrObject* found = FResourceLink->FindResource(AResource)) return found;
  return TzrVisualObject::FindResource(AResource);
}

void TzrControl::EnterFocus() {
  ApplyResource();
  TzrVisualObject::EnterFocus();
}

void TzrControl::BeforePaint() {
  TzrVisualObject::BeforePaint();
  ApplyResource();
}

// ---------------------------------------------------------------- data binding

const std::vector<TzrControl*>& TzrControl::GetBindingObjects() const {
  static const std::vector<TzrControl*> none;
  return FBindingObjects ? *FBindingObjects : none;
}

void TzrControl::AddBindingObject(TzrControl* AControl) {
  if (!AControl) return;
  if (!FBindingObjects) FBindingObjects = std::make_unique<std::vector<TzrControl*>>();
  if (std::find(FBindingObjects->begin(), FBindingObjects->end(), AControl) !=
      FBindingObjects->end())
    return;
  AControl->FreeNotification(this);
  FBindingObjects->push_back(AControl);
  ToBindingObjects();
}

void TzrControl::RemoveBindingObject(TzrControl* AControl) {
  if (!FBindingObjects) return;
  auto it = std::find(FBindingObjects->begin(), FBindingObjects->end(), AControl);
  if (it == FBindingObjects->end()) return;
  FBindingObjects->erase(it);
  AControl->RemoveFreeNotification(this);
}

void TzrControl::SetBindingSource(TzrControl* Value) {
  if (Value == FBindingSource) return;
  TzrControl* old = FBindingSource;
  FBindingSource = Value;
  if (old) {
    old->RemoveBindingObject(this);
    if (!old->IsDestroying()) RemoveFreeNotification(old);
  }
  if (Value) {
    Value->FreeNotification(this);
    Value->AddBindingObject(this);
  }
}

void TzrControl::ToBindingObjects() {
  if (!FBindingObjects) return;
  const Variant data = GetData();
  const std::vector<TzrControl*> targets = *FBindingObjects;
  for (TzrControl* target : targets) target->SetData(data);
}

// ---------------------------------------------------------------- help

void TzrControl::SetHelpKeyword(const std::string& Value) {
  if (!IsLoading()) FHelpType = htKeyword;
  FHelpKeyword = Value;
}

void TzrControl::SetHelpContext(THelpContext Value) {
  if (!IsLoading()) FHelpType = htContext;
  FHelpContext = Value;
}

// ---------------------------------------------------------------- default sheet

TzrObject* LoadDefaultStyles() {
  if (DefaultStyles || DefaultStylesTried) return DefaultStyles;
  DefaultStylesTried = true;
  if (!FindResource(std::string("defaultzrstyle"))) return nullptr;
  TResourceStream stream(std::string("defaultzrstyle"));
  DefaultStyles = CreateObjectFromBinStream(nullptr, &stream);
  return DefaultStyles;
}

void FreeDefaultStyles() {
  delete DefaultStyles;
  DefaultStyles = nullptr;
  DefaultStylesTried = false;
}

void RegisterControlClasses() {
  static const bool done = [] {
    RegisterZRObjects("Controls", {TzrControl::Class(), TzrBackground::Class()});
    zrControlInitiateAction = [](TzrVisualObject* Node) {
      if (auto* control = dynamic_cast<TzrControl*>(Node)) control->InitiateAction();
    };
    return true;
  }();
  (void)done;
}
