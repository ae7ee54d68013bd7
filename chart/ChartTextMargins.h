#pragma once
// Text margins of a framed chart text box, in percent of the font, in
// percent of the box or in pixels; and the on/off flags of automatic text
// behaviour (marks and axis labels).

#include "platform/rtl/Classes.h"
#include "platform/vcl/Types.h"

enum TMarginUnits { maPercentFont, maPercentSize, maPixels };

class TMargins : public TPersistent {
 public:
  // OnChange repaints the box the margins belong to.
  explicit TMargins(TNotifyEvent OnChange = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Assign(TPersistent* Source) override;

  // Pixels for a box of Width x Height whose font is FontSize pixels high;
  // kept as the last result.
  void Calculate(int Width, int Height, int FontSize);
  void Reset() { ILast = TRect{}; }
  int HorizSize() const { return ILast.Left + ILast.Right; }
  int VertSize() const { return ILast.Top + ILast.Bottom; }
  const TRect& Last() const { return ILast; }

  // Sets the default together with both margins of that direction.
  void SetDefaultHoriz(int Value);
  void SetDefaultVert(int Value);

  int GetLeft() const { return FLeft; }
  void SetLeft(int Value) { Store(FLeft, Value); }
  int GetTop() const { return FTop; }
  void SetTop(int Value) { Store(FTop, Value); }
  int GetRight() const { return FRight; }
  void SetRight(int Value) { Store(FRight, Value); }
  int GetBottom() const { return FBottom; }
  void SetBottom(int Value) { Store(FBottom, Value); }
  TMarginUnits GetUnits() const { return FUnits; }
  void SetUnits(TMarginUnits Value);

 private:
  void Store(int& Field, int Value);
  void Changed();
  bool IsLeftStored() const { return FLeft != DefaultHoriz; }
  bool IsRightStored() const { return FRight != DefaultHoriz; }
  bool IsTopStored() const { return FTop != DefaultVert; }
  bool IsBottomStored() const { return FBottom != DefaultVert; }

  int FLeft = 10;
  int FTop = 5;
  int FRight = 10;
  int FBottom = 5;
  TMarginUnits FUnits = maPercentFont;
  int DefaultHoriz = 10;
  int DefaultVert = 5;
  TRect ILast;
  TNotifyEvent IOnChange;
};

class TAutomaticText : public TPersistent {
 public:
  explicit TAutomaticText(TNotifyEvent OnChange = nullptr) : IOnChange(std::move(OnChange)) {}
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  void Assign(TPersistent* Source) override;

  bool GetHide() const { return FHide; }
  void SetHide(bool Value) { Store(FHide, Value); }
  bool GetMove() const { return FMove; }
  void SetMove(bool Value) { Store(FMove, Value); }
  bool GetResize() const { return FResize; }
  void SetResize(bool Value) { Store(FResize, Value); }
  bool GetRotate() const { return FRotate; }
  void SetRotate(bool Value) { Store(FRotate, Value); }
  bool GetTrim() const { return FTrim; }
  void SetTrim(bool Value) { Store(FTrim, Value); }
  bool GetWrap() const { return FWrap; }
  void SetWrap(bool Value) { Store(FWrap, Value); }

 private:
  void Store(bool& Field, bool Value);

  bool FHide = true;
  bool FMove = true;
  bool FResize = true;
  bool FRotate = true;
  bool FTrim = true;
  bool FWrap = true;
  TNotifyEvent IOnChange;
};
