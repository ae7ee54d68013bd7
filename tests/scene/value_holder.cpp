#include "value_holder.h"

#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/Streams.h"

const TClassInfo* TTestValueHolder::Class() {
  static const TClassInfo* info =
      TClassDecl<TTestValueHolder>("TTestValueHolder", TzrObject::Class())
          .Prop("Position", &TTestValueHolder::GetPosition, &TTestValueHolder::SetPosition)
          .Prop("Padding", &TTestValueHolder::GetPadding, &TTestValueHolder::SetPadding)
          .Prop("Fill", &TTestValueHolder::GetFill, &TTestValueHolder::SetFill)
          .Prop("Font", &TTestValueHolder::GetFont, &TTestValueHolder::SetFont);
  return info;
}

TTestValueHolder::TTestValueHolder(TComponent* AOwner)
    : TzrObject(AOwner),
      Position(std::make_unique<TzrPosition>(TzrPoint{0.5f, 0.5f})),
      Padding(std::make_unique<TzrBounds>(TzrRect{1, 2, 3, 4})),
      Fill(std::make_unique<TzrBrush>(zrBrushSolid, 0xFF000000)),
      Font(std::make_unique<TzrFont>()) {}

std::string HolderText(TzrObject& Holder) {
  TMemoryStream text;
  Holder.SaveToStream(&text);
  return std::string(static_cast<const char*>(text.Memory()), size_t(text.GetSize()));
}

void LoadHolderText(TzrObject& Holder, const std::string& Text) {
  TMemoryStream text;
  text.WriteBuffer(Text.data(), int32_t(Text.size()));
  text.SetPosition(0);
  Holder.LoadFromStream(&text);
}
