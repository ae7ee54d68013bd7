// Pictures for looking at: build/gallery/memos.png (a dark memo focused with
// its caret and a selection over two lines, a HUD memo, a read-only message
// area filled the program's way with English and Chinese lines and its
// scroll bars, a centred memo and a compound memo). Each also checks that
// the memo drew its text over its background.

#include "controls/zr_compound.h"
#include "controls/zr_memo.h"
#include "controls/zr_scroll_bar.h"
#include "platform/rtl/SysUtils.h"
#include "tests/controls/controls_fixture.h"

namespace {

constexpr TzrColor Backdrop = 0xFF808080;

class MemoGallery : public ControlsTest {
 protected:
  template <class T = TzrMemo>
  T* Add(float X, float Y, float W, float H) {
    auto* memo = Make<T>(X, Y);
    memo->SetBounds(X, Y, W, H);
    return memo;
  }
  // Some pixel of the memo's first line differs from the content's ground.
  void ExpectText(TzrMemo* M) {
    const TzrRect r = M->ContentRect();
    const TzrPoint at = M->LocalToAbsolute({r.Left, r.Top});
    const int y = int(at.Y + M->GetLineHeight() / 2);
    const TzrColor ground = Scene.Pixel(int(at.X) + 1, int(at.Y) + 1);
    bool inked = false;
    for (int x = int(at.X); x < int(at.X + r.Right - r.Left) && !inked; ++x)
      inked = Scene.Pixel(x, y) != ground;
    EXPECT_TRUE(inked) << M->ClassName() << " " << UTF16ToUTF8(M->GetLine(0));
  }
};

}  // namespace

TEST_F(MemoGallery, Memos) {
  GalleryCanvas(660, 300, Backdrop);
  const std::u16string crlf = u"\r\n";

  TzrMemo* edited = Add(10, 10, 200, 130);
  TzrHudMemo* hud = Add<TzrHudMemo>(220, 10, 200, 130);
  TzrMemo* area = Add(430, 10, 220, 130);
  TzrMemo* centred = Add(10, 150, 200, 130);
  auto* compound = Make<TzrCompoundMemo>(220, 150);
  compound->SetBounds(220, 150, 260, 130);
  Scene.DrawAll();

  edited->SetText(u"Motor poles 14" + crlf + u"Timing: medium" + crlf + u"电调设置 ESC" + crlf +
                  u"Brake force 30%");
  hud->SetText(u"HUD memo" + crlf + u"油门行程 throttle range" + crlf + u"Cut-off 3.2 V");
  centred->SetTextAlign(zrTextAlignCenter);
  centred->SetText(u"Centred" + crlf + u"a longer centred line" + crlf + u"居中");
  compound->GetTextLabel()->SetText(u"Note 备注");
  compound->SetText(u"Report note" + crlf + u"报告备注");

  // The message area: read-only, each message inserted on top.
  area->SetReadOnly(true);
  for (int i = 1; i <= 14; ++i) {
    const std::u16string n = UTF8ToUTF16(std::to_string(i));
    area->Lines()->Insert(0, i % 2 ? u"channel " + n + u": firmware checked, all fine"
                                   : u"通道 " + n + u"：固件升级完成");
    area->GoToTextBegin();
  }

  // One memo holds the scene's focus with a selection over two lines.
  edited->SetAutoSelect(false);
  edited->SetFocus();
  edited->SelectAtPos({0, 6});
  edited->SelectAtPos({1, 6});
  edited->SetCaretPosition({1, 6});
  Scene.DrawAll();
  SaveGalleryPicture("memos");
  for (TzrMemo* m : {edited, static_cast<TzrMemo*>(hud), area, centred, compound->GetMemo()})
    ExpectText(m);
  EXPECT_TRUE(area->GetVScrollBar() && area->GetVScrollBar()->GetVisible());
}
