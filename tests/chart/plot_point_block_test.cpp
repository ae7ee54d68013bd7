// Float points of scene blocks: notification and the "zero" stream entries.

#include <gtest/gtest.h>

#include "chart/PlotPointBlock.h"
#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/Streams.h"
#include "scene/zr_stream.h"
#include "scene/zr_stream_text.h"

namespace {

class TBlockHolder : public TComponent {
 public:
  explicit TBlockHolder(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
  static const TClassInfo* Class() {
    static const TClassInfo* info =
        TClassDecl<TBlockHolder>("TBlockHolder", TComponent::Class())
            .Prop("Size", &TBlockHolder::GetSize, &TBlockHolder::SetSize)
            .Prop("Spot", &TBlockHolder::GetSpot, &TBlockHolder::SetSpot);
    return info;
  }
  const TClassInfo* ClassType() const override { return Class(); }
  TPointXYZFloat* GetSize() const { return const_cast<TPointXYZFloat*>(&Size); }
  void SetSize(TPointXYZFloat* V) { Size.Assign(V); }
  TPointXYFloat* GetSpot() const { return const_cast<TPointXYFloat*>(&Spot); }
  void SetSpot(TPointXYFloat* V) { Spot.Assign(V); }
  TPointXYZFloat Size{100};
  TPointXYFloat Spot{5};
};

TEST(PointXYZFloat, ZeroRoundTripsAndDefaultsStayUnwritten) {
  TBlockHolder h;
  h.Size.SetZ(0);
  h.Size.SetX(0);
  h.Size.SetX(100);  // back to its default: not written
  h.Spot.SetY(0);
  TMemoryStream binary, text;
  {
    TWriter w(&binary);
    w.WriteRootComponent(&h);
  }
  binary.SetPosition(0);
  ObjectBinaryToText(&binary, &text);
  std::string s(static_cast<const char*>(text.Memory()), size_t(text.GetSize()));
  EXPECT_NE(s.find("Size.ZZero = True"), std::string::npos) << s;
  EXPECT_NE(s.find("Spot.YZero = True"), std::string::npos) << s;
  EXPECT_EQ(s.find("Size.X"), std::string::npos) << s;
  EXPECT_EQ(s.find("Spot.XZero"), std::string::npos) << s;
  binary.SetPosition(0);
  TBlockHolder back;
  {
    TReader r(&binary);
    r.ReadRootComponent(&back);
  }
  EXPECT_EQ(back.Size.GetZ(), 0);
  EXPECT_EQ(back.Size.GetX(), 100);
  EXPECT_EQ(back.Spot.GetY(), 0);
  EXPECT_EQ(back.Spot.GetX(), 5);
}

TEST(PointXYZFloat, NotificationAndRounding) {
  int calls = 0, repaints = 0;
  TPointXYZFloat p(0, [&](TObject*) { ++calls; });
  p.IOwnerRepaint = [&] { ++repaints; };
  p.SetX(0);
  EXPECT_EQ(calls, 0);
  p.SetValue(0);  // always tells
  EXPECT_EQ(calls, 1);
  p.SetPoint(1.5f, -1.5f, 2.4f);
  EXPECT_EQ(p.AsRound(), (TPoint3DInt{2, -2, 2}));
  EXPECT_EQ(repaints, 2);
  p.InitDefault(7);
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(p.GetZ(), 7);
  TPointXYZFloat q;
  q.Assign(&p);
  EXPECT_EQ(q.GetY(), 7);
}

}  // namespace
