#include "tests/scene/ani_fixture.h"

#include "canvas/zr_canvas_gdiplus.h"
#include "canvas/zr_gdiplus_unit.h"
#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_color_text.h"

namespace {

const TEnumInfo& AniModeInfo() {
  static const TEnumInfo info("TAniMode", {"amFirst", "amSecond"});
  return info;
}

}  // namespace

TAniShape::TAniShape(TComponent* AOwner, bool AVisual) : TzrObject(AOwner) { FIsVisual = AVisual; }

const TClassInfo* TAniShape::Class() {
  using T = TAniShape;
  static const TClassInfo* info = TClassDecl<T>("TAniShape", TzrObject::Class())
                                      .Prop("Visible", &T::GetVisible, &T::SetVisible)
                                      .Prop("Width", &T::GetWidth, &T::SetWidth)
                                      .Prop("Color", &T::GetColor, &T::SetColor)
                                      .Prop("RotateAngle", &T::GetRotateAngle, &T::SetRotateAngle)
                                      .Prop("Caption", &T::GetCaption, &T::SetCaption)
                                      .Prop("IsMouseOver", &T::GetIsMouseOver, &T::SetIsMouseOver)
                                      .Prop("IsPressed", &T::GetIsPressed, &T::SetIsPressed)
                                      .Enum("Mode", &T::GetMode, &T::SetMode, AniModeInfo())
                                      .Prop("Fill", &T::GetFill, nullptr)
                                      .Prop("Padding", &T::GetPadding, nullptr)
                                      .Prop("Position", &T::GetPosition, nullptr)
                                      .Prop("Gradient", &T::GetGradient, nullptr)
                                      .Prop("Bitmap", &T::GetBitmap, nullptr);
  return info;
}

TAniStage::TAniStage(bool AVisual, uint32_t AStart) : Clock(AStart) {
  RegisterTestClasses();
  Shape = new TAniShape(&Owner, AVisual);
  Shape->SetName("shape");
  Scene.AddObject(Shape);
}

void TAniStage::Run(uint32_t Ms, uint32_t Step) {
  for (uint32_t done = 0; done < Ms; done += Step) Clock->Advance(Step);
}

TScopedCanvasClass::TScopedCanvasClass() : FSaved(DefaultCanvasClass) {
  DefaultCanvasClass = TzrCanvasGdiPlus::ClassRef();
  Canvas = DefaultCanvasClass->Create(4, 4);
}

TScopedCanvasClass::~TScopedCanvasClass() {
  Canvas.reset();
  DefaultCanvasClass = FSaved;
}

std::string ColorText(TzrColor C) { return UTF16ToUTF8(zrColorToStr(C)); }
