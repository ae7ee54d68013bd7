#include "pages/PageDefinition.h"

#include <strings.h>

#include <algorithm>

#include "platform/rtl/IniFiles.h"

namespace {

bool SameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

bool IsSection(const std::vector<std::string>& sections, const std::string& name) {
  return std::any_of(sections.begin(), sections.end(),
                     [&](const std::string& s) { return SameName(s, name); });
}

// The longest of Prefix + the first n characters of Text (n from its length
// down to 2) that is a section; empty when none is.
std::string LongestPrefixSection(const std::vector<std::string>& sections,
                                 const std::string& prefix, const std::string& text) {
  for (size_t n = text.size(); n >= 2; --n) {
    const std::string name = prefix + text.substr(0, n);
    if (IsSection(sections, name)) return name;
  }
  return {};
}

const std::string* FirstCandidate(const TModelSections& sections) {
  for (const std::string& s : sections)
    if (!s.empty()) return &s;
  return nullptr;
}

std::string Number(int k) { return std::to_string(k); }

void ReadTab(const TMemIniFile* ini, const TModelSections& c, int k, TAB& tab) {
  const std::string p = "tab" + Number(k);
  tab.cname = ReadModelString(ini, c, p + "_cname", "标签 " + Number(k));
  tab.cdetail = ReadModelString(ini, c, p + "_cdetail", "说明 " + Number(k));
  tab.ename = ReadModelString(ini, c, p + "_ename", "Tab " + Number(k));
  tab.edetail = ReadModelString(ini, c, p + "_edetail", "Detail " + Number(k));
  tab.icon = ReadModelString(ini, c, p + "_icon", "");
  tab.group = ReadModelString(ini, c, p + "_group", "");
}

void ReadItem(const TMemIniFile* ini, const TModelSections& c, int k, ITEM& it) {
  const std::string p = "item" + Number(k);
  const auto text = [&](const char* name, const std::string& dflt) {
    return ReadModelString(ini, c, p + name, dflt);
  };
  it.chelp = text("_chelp", "帮助 " + Number(k));
  it.cname = text("_cname", "项目 " + Number(k));
  it.cvalue = text("_cvalue", "");
  it.ehelp = text("_ehelp", "Help " + Number(k));
  it.ename = text("_ename", "Item " + Number(k));
  it.evalue = text("_evalue", "");
  it.min = text("_min", "0");
  it.max = text("_max", "0");
  it.link = text("_link", "");
  it.locklink = text("_locklink", "");
  it.minlink = text("_minlink", "");
  it.maxlink = text("_maxlink", "");
  it.cunit = text("_cunit", "");
  it.eunit = text("_eunit", "");
  it.cunit1 = text("_cunit1", "");
  it.eunit1 = text("_eunit1", "");
  it.cunit2 = text("_cunit2", "");
  it.eunit2 = text("_eunit2", "");
  it.mincustom = text("_mincustom", "0");
  it.maxcustom = text("_maxcustom", "0");
  it.mode = ReadModelInteger(ini, c, p + "_mode", imHidden);
  const int32_t nodes = it.mode == imLinkedCurve256                       ? 64
                        : (it.mode == imCurve256 || it.mode == imCurve64) ? 16
                                                                          : 0;
  it.maxnode = ReadModelInteger(ini, c, p + "_maxnode", nodes);
  it.cdetail = text("_cdetail", "");
  it.edetail = text("_edetail", "");
}

}  // namespace

TModelSections ChooseModelSections(const std::vector<std::string>& Sections, const std::string& Key,
                                   const std::string& Model, const std::string& Hardware,
                                   const std::string& Firmware) {
  TModelSections c;
  if (!Key.empty()) {
    c[0] = Key;
    return c;
  }
  if (Model.empty()) return c;
  c[0] = Model + " " + Hardware + " " + Firmware;
  c[1] = LongestPrefixSection(Sections, Model + " " + Hardware + " ", Firmware);
  c[2] = LongestPrefixSection(Sections, Model + " ", Hardware);
  c[3] = Model;
  if (!IsSection(Sections, c[0])) c[0].clear();
  if (!IsSection(Sections, c[3])) c[3].clear();
  return c;
}

std::string ReadModelString(const TMemIniFile* Ini, const TModelSections& Sections,
                            const std::string& Name, const std::string& Default) {
  const std::string* section = FirstCandidate(Sections);
  return section && Ini ? Ini->ReadString(*section, Name, Default) : Default;
}

int32_t ReadModelInteger(const TMemIniFile* Ini, const TModelSections& Sections,
                         const std::string& Name, int32_t Default) {
  const std::string* section = FirstCandidate(Sections);
  return section && Ini ? Ini->ReadInteger(*section, Name, Default) : Default;
}

bool ReadModelBool(const TMemIniFile* Ini, const TModelSections& Sections, const std::string& Name,
                   bool Default) {
  const std::string* section = FirstCandidate(Sections);
  return section && Ini ? Ini->ReadBool(*section, Name, Default) : Default;
}

void ReadPageDefinition(const TMemIniFile* Ini, const TModelSections& Sections, VERSION& Def,
                        TPageIcons& Icons) {
  const TModelSections& c = Sections;
  Icons.about = ReadModelString(Ini, c, "abouticon", "");
  Icons.firmware = ReadModelString(Ini, c, "firmwareicon", "");
  Icons.data = ReadModelString(Ini, c, "dataicon", "");
  Icons.calc = ReadModelString(Ini, c, "calcicon", "");
  // Only the most specific section (the full identity, or the explicit key) names it.
  Icons.bs = ReadModelString(Ini, {c[0], "", "", ""}, "bsicon", "");

  const int32_t items = ReadModelInteger(Ini, c, "item", 0);
  Def.tab = std::clamp(ReadModelInteger(Ini, c, "tab", 0), 0, VERSION::MaxTabs);
  Def.item = std::clamp(items, 0, VERSION::MaxItems);
  Def.max = std::clamp(ReadModelInteger(Ini, c, "max", Def.item), 0, VERSION::MaxItems);
  Def.addon = ReadModelInteger(Ini, c, "addon", 0);

  Def.site.enabled = ReadModelBool(Ini, c, "site_enabled", false);
  Def.site.cvalue = ReadModelString(Ini, c, "site_cvalue", "");
  Def.site.evalue = ReadModelString(Ini, c, "site_evalue", "");
  Def.site.link = ReadModelString(Ini, c, "site_link", "");
  Def.site.chelp = ReadModelString(Ini, c, "site_chelp", "");
  Def.site.ehelp = ReadModelString(Ini, c, "site_ehelp", "");

  for (int k = 1; k <= Def.tab; ++k) ReadTab(Ini, c, k, Def.tabs[k - 1]);
  for (int k = 1; k <= Def.item; ++k) ReadItem(Ini, c, k, Def.items[k - 1]);

  // Without any group list the first group shows every item, in order.
  if (Def.tab < 1) return;
  for (int t = 0; t < Def.tab; ++t)
    if (!Def.tabs[t].group.empty()) return;
  std::string all;
  for (int i = 0; i < Def.item; ++i) all += (i ? "," : "") + Number(i);
  Def.tabs[0].group = all;
}
