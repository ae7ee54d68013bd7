#include "visual_scene.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "canvas/zr_gdiplus_unit.h"
#include "platform/rtl/RttiDecl.h"
#include "png_filter.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_classes.h"
#include "scene/zr_colors.h"
#include "scene/zr_filter.h"
#include "scene/zr_resources.h"

// ---------------------------------------------------------------- scene

TTestRurev::TTestRurev(int AWidth, int AHeight)
    : TComponent(nullptr), Canvas(std::make_unique<TzrCanvasGdiPlus>(AWidth, AHeight)) {
  Canvas->SetMatrix(IdentityMatrix);
  Canvas->Clear(0xFFFFFFFF);
}

void TTestRurev::SetStyle(TzrResources* Value) {
  if (Style) Style->RemoveSceneUpdater(this);
  Style = Value;
  if (Style) Style->AddSceneUpdater(this);
  UpdateResource();
}

void TTestRurev::UpdateResource() {
  ++StyleUpdates;
  for (TzrObject* object : Objects) object->UpdateResource();
}

TTestRurev::~TTestRurev() {
  if (Style) Style->RemoveSceneUpdater(this);
  // Top-level nodes belong to their owner; they only leave the scene here.
  for (TzrObject* object : Objects) object->SetNewScene(nullptr);
}

void TTestRurev::AddObject(TzrObject* AObject) {
  Objects.push_back(AObject);
  AObject->SetNewScene(this);
}

void TTestRurev::RemoveObject(TzrObject* AObject) { std::erase(Objects, AObject); }

void TTestRurev::AddUpdateRect(const TzrRect& R) {
  if (!DisableUpdate) Rects.push_back(R);
}

void TTestRurev::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation != opRemove) return;
  if (AComponent == Focused) Focused = nullptr;
  if (AComponent == Selected) Selected = nullptr;
}

void TTestRurev::SetFocused(TzrVisualObject* Value) {
  if (Value == Focused) return;
  TzrVisualObject* old = Focused;
  Focused = Value;
  if (old) old->KillFocus();
  if (Value) Value->EnterFocus();
}

void TTestRurev::Draw() {
  if (Rects.empty()) return;
  Canvas->SetMatrix(IdentityMatrix);
  Canvas->SetClipRects(Rects);
  for (const TzrRect& r : Rects) Canvas->ClearRect(r, 0xFFFFFFFF);
  Walk();
  Canvas->ResetClipRect();
  Rects.clear();
}

void TTestRurev::DrawUnclipped() {
  Canvas->SetMatrix(IdentityMatrix);
  Canvas->Clear(0xFFFFFFFF);
  Walk();
  Rects.clear();
}

void TTestRurev::Walk() {
  for (TzrObject* object : Objects) {
    if (!object->GetIsVisual()) continue;
    TzrVisualObject* v = object->GetVisual();
    Canvas->SetMatrix(v->GetAbsoluteMatrix());
    v->BeforePaint();
    v->Paint();
    v->AfterPaint();
    v->PaintChildren();
  }
}

void TTestRurev::DrawAll() {
  Rects.assign(1, zrRect(0, 0, float(Canvas->GetWidth()), float(Canvas->GetHeight())));
  Draw();
}

TzrColor TTestRurev::Pixel(int X, int Y) const {
  return zrUnpremultyAlpha(Canvas->GetBufferBits()[X + Y * Canvas->GetWidth()]);
}

void TTestRurev::SaveGallery(const std::string& Name) const {
  const std::filesystem::path folder = std::filesystem::path(ESCTOOL_BINARY_DIR) / "gallery";
  std::filesystem::create_directories(folder);
  TzrBitmap bitmap(Canvas->GetWidth(), Canvas->GetHeight());
  std::memcpy(bitmap.GetStartLine(), Canvas->GetBufferBits(),
              size_t(Canvas->GetWidth()) * size_t(Canvas->GetHeight()) * 4);
  TzrPngFilter png;
  png.SaveToFile((folder / (Name + ".png")).string(), bitmap, "");
}

bool TTestRurev::Covered(const TzrRect& R) const {
  return std::any_of(Rects.begin(), Rects.end(), [&](const TzrRect& P) {
    return P.Left <= R.Left && P.Top <= R.Top && P.Right >= R.Right && P.Bottom >= R.Bottom;
  });
}

// ---------------------------------------------------------------- shape

TTestShape::TTestShape(TComponent* AOwner) : TzrRectangle(AOwner) {
  GetFill()->SetSolidColor(0xFFFFFFFF);
  GetStroke()->SetStyle(zrBrushNone);
}

const TClassInfo* TTestShape::Class() {
  static const TClassInfo* info = TClassDecl<TTestShape>("TTestShape", TzrRectangle::Class());
  return info;
}

void TTestShape::Paint() {
  ++Paints;
  PaintLog.push_back(GetName());
  TzrRectangle::Paint();
}

// ---------------------------------------------------------------- effect

const TClassInfo* TTestGlow::Class() {
  static const TClassInfo* info = TClassDecl<TTestGlow>("TTestGlow", TzrEffect::Class());
  return info;
}

TzrRect TTestGlow::GetRect(const TzrRect& ARect) {
  TzrRect r = ARect;
  zrInflateRect(r, Margin, Margin);
  return r;
}

void TTestGlow::ProcessEffect(TzrCanvas* Canvas, TzrBitmap* Visual, float Data) {
  (void)Canvas;
  (void)Data;
  ++Processed;
  // The silhouette, grown by Margin: every pixel within Margin of a painted
  // one takes the colour.
  const int w = Visual->GetWidth(), h = Visual->GetHeight(), m = int(Margin);
  std::vector<bool> painted(size_t(w) * size_t(h));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) painted[size_t(x + y * w)] = (Visual->GetPixels(x, y) >> 24) != 0;
  for (int y = 0; y < h; ++y) {
    TzrColor* row = Visual->GetScanline(y);
    for (int x = 0; x < w; ++x) {
      bool near = false;
      for (int dy = -m; dy <= m && !near; ++dy)
        for (int dx = -m; dx <= m && !near; ++dx) {
          const int sx = x + dx, sy = y + dy;
          near = sx >= 0 && sy >= 0 && sx < w && sy < h && painted[size_t(sx + sy * w)];
        }
      row[x] = near ? Color : 0;
    }
  }
  Visual->SetNeedUpdate(true);
}

// ---------------------------------------------------------------- fixture

void VisualTest::SetUpTestSuite() {
  // The canvas class draws effects and screenshots; the codec stays as the
  // other scene tests expect it.
  const TClassInfo* filter = DefaultFilterClass;
  InitializeCanvasGdiPlus();
  DefaultFilterClass = filter;
  static const bool registered = [] {
    RegisterVisualClasses();
    RegisterControlClasses();
    RegisterShapes();
    RegisterZRObjects("Test", {TTestShape::Class(), TTestGlow::Class()});
    return true;
  }();
  (void)registered;
}

VisualTest::VisualTest() {
  Root = new TzrVisualObject(&Owner);
  Root->SetName("root");
  Scene.AddObject(Root);
  Root->SetBounds(0, 0, 200, 200);
  TTestShape::PaintLog.clear();
}

TTestShape* VisualTest::Shape(const std::string& Name, TzrColor Color, float X, float Y, float W,
                              float H, TzrVisualObject* Parent) {
  auto* shape = new TTestShape(&Owner);
  shape->SetName(Name);
  shape->GetFill()->SetSolidColor(Color);
  shape->SetBounds(X, Y, W, H);
  shape->SetParent(Parent ? Parent : Root);
  return shape;
}
