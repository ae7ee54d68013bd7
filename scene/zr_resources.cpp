// TzrResources (style sheets), TzrBackground and TzrDesigner.

#include "scene/zr_resources.h"

#include <algorithm>
#include <filesystem>

#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Forms.h"
#include "scene/zr_canvas.h"
#include "scene/zr_classes.h"
#include "scene/zr_stream.h"

TzrDesigner* zrDesigner = nullptr;

namespace {

// Shows every node of a visual tree at design time as well.
void ClearDesignHide(TzrObject* ARoot) {
  if (ARoot && ARoot->GetIsVisual()) ARoot->GetVisual()->UpdateDesignHide(false);
}

}  // namespace

// ---------------------------------------------------------------- TzrResources

const TClassInfo* TzrResources::Class() {
  using R = TzrResources;
  static const TClassInfo* info = TClassDecl<R>("TzrResources", TComponent::Class())
                                      .Prop("Resource", &R::GetResource, &R::SetResource)
                                      .Stored(false)
                                      .Prop("FileName", &R::GetFileName, &R::SetFileName);
  return info;
}

TzrResources::TzrResources(TComponent* AOwner)
    : TComponent(AOwner), FResource(std::make_unique<TStringList>()) {
  FResource->OnChange = [this](TObject* Sender) { DoResourceChanged(Sender); };
}

TzrResources::~TzrResources() {
  Destroying();
  FResource->OnChange = nullptr;
  delete FRoot;
  FRoot = nullptr;
}

void TzrResources::SetRoot(TzrObject* ARoot) {
  delete FRoot;
  FRoot = ARoot;
  ClearDesignHide(FRoot);
}

void TzrResources::Loaded() {
  TComponent::Loaded();
  LoadFile();
}

void TzrResources::DefineProperties(TFiler* Filer) {
  TComponent::DefineProperties(Filer);
  Filer->DefineBinaryProperty(
      "ResourcesBin", [this](TStream* Stream) { ReadResources(Stream); },
      [this](TStream* Stream) { WriteResources(Stream); }, FRoot != nullptr);
}

void TzrResources::ReadResources(TStream* Stream) {
  SetRoot(nullptr);
  SetRoot(CreateObjectFromBinStream(nullptr, Stream));
  if (FRoot) UpdateScenes();
}

void TzrResources::WriteResources(TStream* Stream) {
  if (FRoot) FRoot->SaveToBinStream(Stream);
}

void TzrResources::DoResourceChanged(TObject* Sender) {
  (void)Sender;
  SetRoot(nullptr);
  TMemoryStream text;
  FResource->SaveToStream(text);
  if (text.GetSize() > 0) {
    text.SetPosition(0);
    SetRoot(CreateObjectFromStream(nullptr, &text));
  }
  UpdateScenes();
}

void TzrResources::FillStrings() {
  TMemoryStream text;
  if (FRoot) FRoot->SaveToStream(&text);
  text.SetPosition(0);
  TNotifyEvent change = std::move(FResource->OnChange);
  FResource->OnChange = nullptr;
  FResource->LoadFromStream(text);
  FResource->OnChange = std::move(change);
}

void TzrResources::UpdateScenes() {
  const std::vector<IzoRurev*> scenes = FSceneList;
  for (IzoRurev* scene : scenes) scene->UpdateResource();
}

void TzrResources::SetResource(TStringList* Value) {
  if (Value) FResource->Assign(Value);
}

void TzrResources::SetFileName(const std::string& Value) {
  if (Value == FFileName) return;
  FFileName = Value;
  if (!IsLoading()) LoadFile();
}

void TzrResources::LoadFile() {
  if (FFileName.empty()) return;
  // Names stored by the forms use backslashes as separators.
  std::string name = FFileName;
  std::replace(name.begin(), name.end(), '\\', '/');
  namespace fs = std::filesystem;
  std::error_code ec;
  for (const fs::path& path : {fs::path(ExtractProgramFolder()) / name, fs::path(name)}) {
    if (!fs::is_regular_file(path, ec)) continue;
    FResource->LoadFromFile(path.string());
    return;
  }
}

void TzrResources::AddSceneUpdater(IzoRurev* AScene) { FSceneList.push_back(AScene); }

void TzrResources::RemoveSceneUpdater(IzoRurev* AScene) {
  auto it = std::find(FSceneList.begin(), FSceneList.end(), AScene);
  if (it != FSceneList.end()) FSceneList.erase(it);
}

// ---------------------------------------------------------------- TzrBackground

const TClassInfo* TzrBackground::Class() {
  using B = TzrBackground;
  static const TClassInfo* info =
      TClassDecl<B>("TzrBackground", TzrControl::Class()).Prop("Fill", &B::GetFill, &B::SetFill);
  return info;
}

TzrBackground::TzrBackground(TComponent* AOwner)
    : TzrControl(AOwner), FFill(std::make_unique<TzrBrush>(zrBrushNone, 0xFFE0E0E0)) {
  FFill->OnChanged = [this](TObject* Sender) { FillChanged(Sender); };
}

TzrBackground::~TzrBackground() { FFill->OnChanged = nullptr; }

void TzrBackground::FillChanged(TObject* Sender) {
  (void)Sender;
  Repaint();
}

void TzrBackground::Paint() {
  if (FFill->GetStyle() == zrBrushNone) return;
  TzrCanvas* canvas = GetCanvas();
  if (!canvas) return;
  canvas->GetFill()->Assign(FFill.get());
  canvas->FillRect(GetLocalRect(), 0, 0, AllCorners, GetAbsoluteOpacity(), zrCornerRound);
}

void TzrBackground::PaintChildren() {
  IzoRurev* scene = GetScene();
  const bool transparentRoot =
      !GetParent() && scene && scene->GetRoot() == this && scene->GetTransparency();
  TzrObject* style = GetResourceLink();
  TzrVisualObject* v = style && style->GetIsVisual() ? style->GetVisual() : nullptr;
  if (!v || (FFill->GetStyle() == zrBrushNone && !transparentRoot)) {
    TzrControl::PaintChildren();
    return;
  }
  // The style stays hidden only for this walk; no repaint or layout follows.
  struct TRestore {
    TzrVisualObject* Style;
    bool Visible;
    ~TRestore() { Style->SetVisibleField(Visible); }
  } restore{v, v->GetVisible()};
  v->SetVisibleField(false);
  TzrControl::PaintChildren();
}

// ---------------------------------------------------------------- TzrDesigner

TzrDesigner::~TzrDesigner() = default;

void TzrDesigner::SelectObject(TComponent*, TzrObject*, const std::vector<TzrObject*>&) {
  throw EAbstractError("Abstract Error");
}

void TzrDesigner::Modified(TComponent*) { throw EAbstractError("Abstract Error"); }

std::string TzrDesigner::UniqueName(TComponent*, const std::string&) {
  throw EAbstractError("Abstract Error");
}

bool TzrDesigner::IsSelected(TComponent*, TObject*) { throw EAbstractError("Abstract Error"); }

void TzrDesigner::AddScene(IzoRurev* Scene) {
  if (!FScenes) FScenes = std::make_unique<std::vector<IzoRurev*>>();
  if (std::find(FScenes->begin(), FScenes->end(), Scene) == FScenes->end())
    FScenes->push_back(Scene);
}

void TzrDesigner::RemoveScene(IzoRurev* Scene) {
  if (!FScenes) return;
  std::erase(*FScenes, Scene);
  if (FScenes->empty()) FScenes.reset();
}

void TzrDesigner::CallDesignSelect(TObject* AObject) {
  if (!FScenes) return;
  const std::vector<IzoRurev*> scenes = *FScenes;
  for (IzoRurev* scene : scenes) {
    scene->DoDesignSelect(AObject);
    scene->AddUpdateRect(zrRect(0, 0, 10000, 10000));
  }
}
