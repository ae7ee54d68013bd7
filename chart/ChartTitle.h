#pragma once
// The chart's titles: text shapes whose text is a list of lines. Unless
// placed by hand, a title sits at the top (or, as a foot title, the
// bottom) of the chart rectangle, draws itself and takes its height and a
// margin away from that rectangle.

#include <memory>
#include <string>

#include "chart/TextShape.h"
#include "platform/rtl/StringList.h"

// A title's lines; they stream as a list of texts.
class TTitleLines : public TStringList {
 public:
  void DefineProperties(TFiler* Filer) override;
};

// A text shape that keeps its text as lines too; either form follows the
// other.
class TStringsShape : public TPlotCustomShapePosition {
 public:
  explicit TStringsShape(TCustomPlotPanel* AOwner = nullptr);
  ~TStringsShape() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  TStrings* GetTextLines() const { return FTitleText.get(); }
  // Copies the lines, then takes them as the text.
  void SetTextLines(TStrings* Value);
  // The first line; empty without lines.
  std::string GetCaption() const;
  // A non-empty value becomes the whole text (split at line breaks); an
  // empty one clears the lines.
  void SetCaption(const std::string& Value);
  void Clear() { SetCaption({}); }
  void ChangedText() override;

 protected:
  void TextChanged();

 private:
  std::unique_ptr<TTitleLines> FTitleText;
  bool IChangingText = false;
};

class TChartTitle : public TStringsShape {
 public:
  explicit TChartTitle(TCustomPlotPanel* AOwner = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
  // AdjustFrame, lines and VertMargin of another title, then the shape.
  void Assign(TPersistent* Source) override;

  // Places, draws and (unless placed by hand) takes room from the chart
  // rectangle of the parent panel.
  void DrawTitle();
  // Visible with at least one line.
  bool ShouldDraw() const;
  // Visible and P within the bounds, edges included.
  bool Clicked(TPoint P) const;
  bool Clicked(int X, int Y) const { return Clicked(TPoint{X, Y}); }
  TRect GetShapeBounds() const { return ShapeBounds; }

  bool GetAdjustFrame() const { return FAdjustFrame; }
  void SetAdjustFrame(bool Value);
  int GetVertMargin() const { return FVertMargin; }
  void SetVertMargin(int Value);

 protected:
  bool IOnTop = true;

 private:
  bool FAdjustFrame = true;
  int FVertMargin = 5;
};

// A title at the bottom of the chart rectangle.
class TChartFootTitle : public TChartTitle {
 public:
  explicit TChartFootTitle(TCustomPlotPanel* AOwner = nullptr);
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }
};
