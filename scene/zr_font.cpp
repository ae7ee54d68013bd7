#include "scene/zr_font.h"

#include "platform/rtl/RttiDecl.h"

const TEnumInfo& zrFontStyleInfo() {
  static const TEnumInfo info("TzrFontStyle",
                              {"zrFontRegular", "zrFontBold", "zrFontItalic", "zrFontBoldItalic",
                               "zrFontUnderline", "zrFontStrikeout"});
  return info;
}

const TClassInfo* TzrFont::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrFont>("TzrFont", TPersistent::Class())
          .Prop("ClearType", &TzrFont::GetClearType, &TzrFont::SetClearType)
          .Default(1)
          .Prop("Family", &TzrFont::GetFamily, &TzrFont::SetFamily)
          .Stored(&TzrFont::IsFamilyStored)
          .Prop("Size", &TzrFont::GetSize, &TzrFont::SetSize)
          .Stored(&TzrFont::IsSizeStored)
          .Enum("Style", &TzrFont::GetStyle, &TzrFont::SetStyle, zrFontStyleInfo())
          .Default(zrFontRegular);
  return info;
}

void TzrFont::Changed() {
  if (OnChanged) OnChanged(this);
}

void TzrFont::SetClearType(bool Value) {
  if (Value == FClearType) return;
  FClearType = Value;
  Changed();
}

void TzrFont::SetFamily(const std::string& Value) {
  if (Value == FFamily) return;
  FFamily = Value;
  Changed();
}

void TzrFont::SetSize(float Value) {
  if (Value == FSize) return;
  FSize = Value;
  Changed();
}

void TzrFont::SetStyle(TzrFontStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  Changed();
}

void TzrFont::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TzrFont*>(Source);
  if (!source) {
    if (!AssignFromFramework(Source)) TPersistent::Assign(Source);
    return;
  }
  FFamily = source->FFamily;
  FSize = source->FSize;
  FStyle = source->FStyle;
  FClearType = source->FClearType;
  Changed();
}
