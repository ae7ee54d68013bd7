#pragma once
// TzrFont: the font of text in the scene: family, size in the canvas's text
// units, one style value and whether text is smoothed for LCD screens.

#include <string>

#include "platform/rtl/Classes.h"

class TEnumInfo;

enum TzrFontStyle {
  zrFontRegular,
  zrFontBold,
  zrFontItalic,
  zrFontBoldItalic,
  zrFontUnderline,
  zrFontStrikeout
};
const TEnumInfo& zrFontStyleInfo();

// Published ClearType (default True), Family (stored when not "Tahoma"),
// Size (stored when not 11) and Style (default regular). Every setter fires
// OnChanged on a real change.
class TzrFont : public TPersistent {
 public:
  TzrFont() = default;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  // Copies every field from another font and fires OnChanged; from a
  // framework font (TFont) its name, height and plain styles.
  void Assign(TPersistent* Source) override;

  bool GetClearType() const { return FClearType; }
  void SetClearType(bool Value);
  const std::string& GetFamily() const { return FFamily; }
  void SetFamily(const std::string& Value);
  float GetSize() const { return FSize; }
  void SetSize(float Value);
  TzrFontStyle GetStyle() const { return FStyle; }
  void SetStyle(TzrFontStyle Value);

  TNotifyEvent OnChanged;

 protected:
  // To a framework font: name, height -Round(Size) and the plain styles.
  void AssignTo(TPersistent* Dest) override;

 private:
  bool AssignFromFramework(TPersistent* Source);
  void Changed();
  bool IsFamilyStored() const { return FFamily != "Tahoma"; }
  bool IsSizeStored() const { return FSize != 11; }

  float FSize = 11;
  std::string FFamily = "Tahoma";
  TzrFontStyle FStyle = zrFontRegular;
  bool FClearType = true;
};
