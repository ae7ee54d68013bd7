// Texts and fields of the chart's utility routines.

#include <algorithm>

#include "chart/PlotRoutines.h"
#include "platform/rtl/Classes.h"
#include "platform/rtl/NumberText.h"

std::string PlotFieldsSeparator = ";";
std::function<void(TComponent*, const std::vector<TComponent*>&)> PlotTranslateHook;
std::function<std::string(const std::string&)> PlotTranslateStringHook;

std::string PlotStr(int Num) { return IntToStr(Num); }

int StringContains(const std::string& SubText, const std::string& Text) {
  const size_t at = Text.find(SubText);
  return at == std::string::npos ? 0 : int(at) + 1;
}

std::string ReplaceChar(const std::string& Text, char Old, char New) {
  std::string out;
  out.reserve(Text.size());
  for (char c : Text) {
    if (c != Old)
      out += c;
    else if (New != '\0')
      out += New;
  }
  return out;
}

int PlotNumFields(const std::string& Text) {
  if (Text.empty()) return 0;
  const std::string& sep = PlotFieldsSeparator;
  if (sep.empty()) return 1;
  int count = 1;
  size_t from = 0;
  for (size_t at = Text.find(sep, from); at != std::string::npos; at = Text.find(sep, from)) {
    from = at + sep.size();
    if (from < Text.size()) ++count;
  }
  return count;
}

namespace {

// Runs Fn with the separator set for its length only.
template <class Fn>
auto WithSeparator(const std::string& Separator, Fn fn) {
  struct Restore {
    std::string Old;
    ~Restore() { PlotFieldsSeparator = Old; }
  } restore{PlotFieldsSeparator};
  PlotFieldsSeparator = Separator;
  return fn();
}

}  // namespace

int PlotNumFields(const std::string& Text, const std::string& Separator) {
  return WithSeparator(Separator, [&] { return PlotNumFields(Text); });
}

std::string PlotExtractField(const std::string& Text, int Index) {
  if (Text.empty() || Index < 1) return "";
  const std::string& sep = PlotFieldsSeparator;
  size_t from = 0;
  while (!sep.empty()) {
    const size_t at = Text.find(sep, from);
    if (at == std::string::npos) break;
    if (Index == 1) return Text.substr(from, at - from);
    from = at + sep.size();
    --Index;
  }
  return Index == 1 ? Text.substr(from) : "";
}

std::string PlotExtractField(const std::string& Text, int Index, const std::string& Separator) {
  return WithSeparator(Separator, [&] { return PlotExtractField(Text, Index); });
}

std::string PlotGetUniqueName(TComponent* Owner, const std::string& StartName) {
  for (int n = 1;; ++n) {
    std::string name = StartName + IntToStr(n);
    if (!Owner || !Owner->FindComponent(name)) return name;
  }
}

std::string RemoveFileExtension(const std::string& FileName) {
  const std::string ext = ExtractFileExt(FileName);
  return ext.empty() ? FileName : FileName.substr(0, FileName.size() - ext.size());
}

bool PlotIsURL(const std::string& Text) {
  std::string upper = Text;
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return char(std::toupper(c)); });
  return upper.find("HTTP://") != std::string::npos || upper.find("FTP://") != std::string::npos;
}

namespace {

// Each character is looked at once, so swapping the two separators is safe.
std::string SwapSeparators(const std::string& Format, char FromThousand, char FromDecimal,
                           char ToThousand, char ToDecimal) {
  if (LocaleThousandSeparator() == LocaleDecimalSeparator()) return Format;
  std::string out = Format;
  for (char& c : out) {
    if (c == FromThousand)
      c = ToThousand;
    else if (c == FromDecimal)
      c = ToDecimal;
  }
  return out;
}

}  // namespace

std::string InvariantToLocalFormat(const std::string& Format) {
  return SwapSeparators(Format, ',', '.', LocaleThousandSeparator(), LocaleDecimalSeparator());
}

std::string LocalToInvariantFormat(const std::string& Format) {
  return SwapSeparators(Format, LocaleThousandSeparator(), LocaleDecimalSeparator(), ',', '.');
}

std::string PlotTranslateString(const std::string& Text) {
  return PlotTranslateStringHook ? PlotTranslateStringHook(Text) : Text;
}

void PlotTranslateControl(TComponent* Control, const std::vector<TComponent*>& ExcludeChilds) {
  if (PlotTranslateHook) PlotTranslateHook(Control, ExcludeChilds);
}
