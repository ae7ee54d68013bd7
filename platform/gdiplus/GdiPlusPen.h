#pragma once
// Pens: a brush, a width in drawing units, caps, join, dash pattern (in units
// of the width) and alignment. A width of 0 or less draws one device pixel
// wide. Cairo has one cap for both ends: a solid line takes its start cap, a
// dashed one its dash cap; triangle caps are drawn flat. Inset alignment keeps
// the stroke inside closed figures; open ones are stroked centred.

#include <memory>
#include <vector>

#include "platform/gdiplus/GdiPlusBrush.h"
#include "platform/gdiplus/GdiPlusStatus.h"
#include "platform/gdiplus/GdiPlusTypes.h"

namespace Gdiplus {

class Pen : public LastStatus {
 public:
  explicit Pen(const Color& color, REAL width = 1.0f);
  explicit Pen(const Brush* brush, REAL width = 1.0f);
  Pen(const Pen& other);
  Pen& operator=(const Pen&) = delete;
  Pen* Clone() const { return new Pen(*this); }

  Status SetWidth(REAL width);
  REAL GetWidth() const { return FWidth; }
  // Replaces the brush by a solid one of the colour.
  Status SetColor(const Color& color);
  Status GetColor(Color* color) const;
  Status SetBrush(const Brush* brush);
  const Brush* GetBrush() const { return FBrush.get(); }

  Status SetLineCap(LineCap startCap, LineCap endCap, DashCap dashCap);
  Status SetStartCap(LineCap cap);
  Status SetEndCap(LineCap cap);
  Status SetDashCap(DashCap cap);
  LineCap GetStartCap() const { return FStartCap; }
  LineCap GetEndCap() const { return FEndCap; }
  DashCap GetDashCap() const { return FDashCap; }
  Status SetLineJoin(LineJoin lineJoin);
  LineJoin GetLineJoin() const { return FLineJoin; }
  Status SetMiterLimit(REAL miterLimit);
  REAL GetMiterLimit() const { return FMiterLimit; }

  // Preset styles load their pattern; a custom pattern comes from SetDashPattern.
  Status SetDashStyle(DashStyle dashStyle);
  DashStyle GetDashStyle() const { return FDashStyle; }
  Status SetDashPattern(const REAL* dashArray, INT count);
  INT GetDashPatternCount() const { return INT(FDashPattern.size()); }
  Status GetDashPattern(REAL* dashArray, INT count) const;
  Status SetDashOffset(REAL dashOffset);
  REAL GetDashOffset() const { return FDashOffset; }
  Status SetAlignment(PenAlignment penAlignment);
  PenAlignment GetAlignment() const { return FAlignment; }

 private:
  std::unique_ptr<Brush> FBrush;
  REAL FWidth;
  LineCap FStartCap = LineCapFlat;
  LineCap FEndCap = LineCapFlat;
  DashCap FDashCap = DashCapFlat;
  LineJoin FLineJoin = LineJoinMiter;
  REAL FMiterLimit = 10.0f;
  DashStyle FDashStyle = DashStyleSolid;
  std::vector<REAL> FDashPattern;
  REAL FDashOffset = 0;
  PenAlignment FAlignment = PenAlignmentCenter;
};

}  // namespace Gdiplus
