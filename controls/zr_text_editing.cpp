// Whole-character steps, word starts and the keys the text box and the memo
// share.

#include "controls/zr_text_editing.h"

#include <algorithm>

namespace {

constexpr char16_t ReplacementCharacter = 0xFFFD;

}  // namespace

bool zrInsidePair(const std::u16string& Text, int P) {
  return P > 0 && P < int(Text.size()) && zrIsHighSurrogate(Text[size_t(P - 1)]) &&
         zrIsLowSurrogate(Text[size_t(P)]);
}

int zrCharStart(const std::u16string& Text, int P) {
  P = std::clamp(P, 0, int(Text.size()));
  return zrInsidePair(Text, P) ? P - 1 : P;
}

int zrCharEnd(const std::u16string& Text, int P) {
  P = std::clamp(P, 0, int(Text.size()));
  return zrInsidePair(Text, P) ? P + 1 : P;
}

int zrNextCharPos(const std::u16string& Text, int P) {
  return zrCharEnd(Text, zrCharStart(Text, P) + 1);
}

int zrPriorCharPos(const std::u16string& Text, int P) {
  return zrCharStart(Text, zrCharEnd(Text, P) - 1);
}

std::u16string zrWholeCharacters(const std::u16string& Text) {
  std::u16string r = Text;
  for (size_t i = 0; i < r.size(); ++i) {
    if (zrIsHighSurrogate(r[i]) && i + 1 < r.size() && zrIsLowSurrogate(r[i + 1])) {
      ++i;
      continue;
    }
    if (zrIsHighSurrogate(r[i]) || zrIsLowSurrogate(r[i])) r[i] = ReplacementCharacter;
  }
  return r;
}

int zrNextWordStart(const std::u16string& Text, int P) {
  const int length = int(Text.size());
  P = std::clamp(P, 0, length);
  bool afterSpace = false, seenWord = false;
  while (P + 2 <= length) {
    const bool space = Text[size_t(P)] == u' ';
    if (!space && afterSpace && seenWord) break;
    if (space) {
      afterSpace = true;
    } else {
      seenWord = true;
      afterSpace = false;
    }
    ++P;
  }
  if (!afterSpace) ++P;
  return std::min(P, length);
}

int zrPriorWordStart(const std::u16string& Text, int P) {
  P = std::clamp(P, 0, int(Text.size()));
  bool seenWord = false;
  while (P > 0) {
    const bool space = Text[size_t(P - 1)] == u' ';
    if (space && seenWord) break;
    if (!space) seenWord = true;
    --P;
  }
  return P;
}

void zrEditKey(TzrEditKeyTarget& Target, uint16_t Key, TShiftState Shift) {
  const bool ctrl = Shift & ssCtrl;
  switch (Key) {
    case zrKeyBack:
    case zrKeyDelete:
      if (!Target.AcceptsEdits()) return;
      if (Target.HasSelection()) {
        if (zrShiftAlone(Shift))
          Target.CutToClipboard();
        else
          Target.ClearSelection();
        return;
      }
      Target.DeleteCharacter(Key == zrKeyDelete);
      Target.KeyDeleted();
      return;
    case zrKeyEnd:
      Target.MoveCaret(ctrl ? cmTextEnd : cmLineEnd);
      return;
    case zrKeyHome:
      Target.MoveCaret(ctrl ? cmTextBegin : cmLineBegin);
      return;
    case zrKeyLeft:
      Target.MoveCaret(ctrl ? cmWordLeft : cmCharLeft);
      return;
    case zrKeyRight:
      Target.MoveCaret(ctrl ? cmWordRight : cmCharRight);
      return;
    case zrKeyInsert:
      if (zrCtrlAlone(Shift)) Target.CopyToClipboard();
      if (zrShiftAlone(Shift)) {
        Target.PasteFromClipboard();
        Target.KeyPasted();
      }
      return;
    default:
      return;
  }
}

void zrEditCtrlLetter(TzrEditKeyTarget& Target, char16_t& KeyChar, TShiftState Shift) {
  if (KeyChar == 0 || !zrCtrlAlone(Shift)) return;
  switch (KeyChar) {
    case u'a':
    case u'A':
      Target.SelectAll();
      break;
    case u'c':
    case u'C':
      Target.CopyToClipboard();
      break;
    case u'v':
    case u'V':
      Target.PasteFromClipboard();
      Target.KeyPasted();
      break;
    case u'x':
    case u'X':
      Target.CutToClipboard();
      break;
    case u'z':
    case u'Z':
      break;  // undo is no key
    default:
      return;
  }
  KeyChar = 0;
}
