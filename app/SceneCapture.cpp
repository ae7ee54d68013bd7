#include "app/SceneCapture.h"

#include <algorithm>
#include <vector>

#include "platform/vcl/Graphics.h"
#include "platform/vcl/JpegImage.h"
#include "scene/zr_ani.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_brush.h"
#include "scene/zr_canvas.h"
#include "scene/zr_position.h"
#include "scene/zr_scene.h"
#include "scene/zr_visual.h"

namespace {

// The colour the scene clears to before its objects: its solid fill, made
// opaque (a picture has no window beneath it), or white without one.
TzrColor BackgroundOf(TzrCustomScene& Scene) {
  TzrBrush* fill = Scene.GetFill();
  if (!fill || fill->GetStyle() != zrBrushSolid) return 0xFFFFFFFF;
  return fill->GetSolidColor() | 0xFF000000;
}

// The running animations under Object that end by themselves.
void CollectEndingAnimations(TzrObject* Object, std::vector<TzrAnimation*>& Found) {
  if (auto* animation = dynamic_cast<TzrAnimation*>(Object))
    if (animation->GetRunning() && !animation->GetLoop()) Found.push_back(animation);
  for (int i = 0; i < Object->GetChildrenCount(); ++i)
    CollectEndingAnimations(Object->GetChild(i), Found);
}

// Puts every running animation of the scene that ends by itself at its end
// value (a check mark fading in, say), so the picture shows the controls'
// states rather than a moment of their change. Looping ones go on.
void FinishAnimations(TzrCustomScene& Scene) {
  std::vector<TzrAnimation*> found;
  for (int i = 0; i < Scene.GetCount(); ++i)
    if (TzrObject* object = Scene.GetChildrenObject(i)) CollectEndingAnimations(object, found);
  for (TzrAnimation* animation : found) animation->Stop();
}

void PaintObjects(TzrCustomScene& Scene, TzrCanvas& Canvas, int Left, int Top) {
  if (!Canvas.BeginScene()) return;
  for (int i = 0; i < Scene.GetCount(); ++i) {
    TzrObject* object = Scene.GetChildrenObject(i);
    if (!object || !object->GetIsVisual()) continue;
    TzrVisualObject* visual = object->GetVisual();
    if (!visual->GetVisible()) continue;
    const TzrPoint at = visual->GetPosition()->GetPoint();
    const float x = at.X - float(Left), y = at.Y - float(Top);
    visual->PaintTo(&Canvas, zrRect(x, y, x + visual->GetWidth(), y + visual->GetHeight()));
  }
  Canvas.EndScene();
}

}  // namespace

std::unique_ptr<TzrBitmap> RenderSceneArea(TzrCustomScene& Scene, int Left, int Top, int Width,
                                           int Height) {
  auto bitmap = std::make_unique<TzrBitmap>(std::max(Width, 0), std::max(Height, 0));
  if (bitmap->IsEmpty()) return bitmap;
  bitmap->Clear(BackgroundOf(Scene));
  if (!DefaultCanvasClass) return bitmap;
  std::unique_ptr<TzrCanvas> canvas = DefaultCanvasClass->CreateFromBitmap(bitmap.get());
  // Controls the scene has not drawn yet take their styles in the first pass
  // and lay them out; the second pass draws them as the window would.
  PaintObjects(Scene, *canvas, Left, Top);
  FinishAnimations(Scene);
  bitmap->Clear(BackgroundOf(Scene));
  PaintObjects(Scene, *canvas, Left, Top);
  bitmap->SetNeedUpdate(true);
  return bitmap;
}

std::unique_ptr<TJPEGImage> JpegOfBitmap(TzrBitmap& Bitmap) {
  TBitmap pixels;
  pixels.Assign(&Bitmap);
  auto jpeg = std::make_unique<TJPEGImage>();
  jpeg->SetCompressionQuality(100);
  jpeg->Assign(&pixels);
  return jpeg;
}
