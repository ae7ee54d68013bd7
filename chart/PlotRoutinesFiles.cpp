// The chart's per-user options, text export, files, embedded bitmaps, web
// links and editor registration.

#include <glob.h>
#include <sys/stat.h>

#include <filesystem>

#include "chart/PlotRoutines.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/Rtti.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/UserSettings.h"
#include "platform/vcl/ShellOpen.h"
#include "platform/vcl/WinControls.h"

const char* const PlotOptionsKey = "Software\\esctool\\PlotChart\\Editor";

// ---------------- options ----------------

namespace {

// The stored text, or false when there is none. The file is read afresh:
// no key stays open between calls.
bool ReadOption(const std::string& Name, std::string& Text) {
  TUserSettings settings;
  if (!settings.ValueExists(PlotOptionsKey, Name)) return false;
  Text = settings.ReadString(PlotOptionsKey, Name, "");
  return true;
}

int StoredInteger(const std::string& Name, const std::string& Text) {
  int32_t value = 0;
  if (!TryStrToInt(Text, value)) throw ERegistryException("Invalid data type for '" + Name + "'");
  return value;
}

template <class Write>
void SaveOption(Write write) {
  try {
    const std::string file = TUserSettings::DefaultFileName();
    std::filesystem::create_directories(std::filesystem::path(file).parent_path());
    TMemIniFile ini(file);
    write(ini);
    ini.UpdateFile();
  } catch (const std::exception&) {
    // An option that cannot be stored is left out, as the chart always did.
  }
}

}  // namespace

bool PlotReadBoolOption(const std::string& Name, bool Default) {
  std::string text;
  return ReadOption(Name, text) ? StoredInteger(Name, text) != 0 : Default;
}

int PlotReadIntegerOption(const std::string& Name, int Default) {
  std::string text;
  return ReadOption(Name, text) ? StoredInteger(Name, text) : Default;
}

std::string PlotReadStringOption(const std::string& Name, const std::string& Default) {
  std::string text;
  return ReadOption(Name, text) ? text : Default;
}

void PlotSaveBoolOption(const std::string& Name, bool Value) {
  SaveOption([&](TMemIniFile& ini) { ini.WriteBool(PlotOptionsKey, Name, Value); });
}

void PlotSaveIntegerOption(const std::string& Name, int Value) {
  SaveOption([&](TMemIniFile& ini) { ini.WriteInteger(PlotOptionsKey, Name, Value); });
}

void PlotSaveStringOption(const std::string& Name, const std::string& Value) {
  SaveOption([&](TMemIniFile& ini) { ini.WriteString(PlotOptionsKey, Name, Value); });
}

// ---------------- export ----------------

void TPlotExportData::SaveToStream(TStream& Stream) {
  const std::u16string text = UTF8ToUTF16(AsString());
  std::string bytes = "\xFF\xFE";
  for (char16_t unit : text) {
    bytes += char(unit & 0xFF);
    bytes += char(unit >> 8);
  }
  Stream.WriteBuffer(bytes.data(), int32_t(bytes.size()));
}

void TPlotExportData::SaveToFile(const std::string& FileName) {
  TFileStream file(FileName, fmCreate);
  SaveToStream(file);
}

// ---------------- files, bitmaps, links ----------------

std::unique_ptr<TStringList> PlotGetFilesFromDir(const std::string& Mask) {
  auto list = std::make_unique<TStringList>();
  glob_t found{};
  if (glob(Mask.c_str(), GLOB_PERIOD, nullptr, &found) == 0) {
    for (size_t i = 0; i < found.gl_pathc; ++i) {
      struct stat info {};
      if (stat(found.gl_pathv[i], &info) != 0 || S_ISDIR(info.st_mode)) continue;
      list->Add(std::filesystem::path(found.gl_pathv[i]).filename().string());
    }
  }
  globfree(&found);
  return list;
}

namespace {

bool LoadResourceBitmap(TBitmap* Bitmap, const std::string& Name) {
  if (Name.empty() || Name.size() > 255 || !FindResource(Name)) return false;
  try {
    TBitmap loaded;
    TResourceStream stream(Name);
    loaded.LoadFromStream(stream);
    Bitmap->Assign(&loaded);
    return true;
  } catch (const Exception&) {
    return false;  // a resource that is no picture counts as a miss
  }
}

}  // namespace

void PlotLoadBitmap(TBitmap* Bitmap, const std::string& Name1, const std::string& Name2) {
  if (!Bitmap) return;
  if (!LoadResourceBitmap(Bitmap, Name1)) LoadResourceBitmap(Bitmap, Name2);
}

void PlotGetBitmapEditor(TObject* Obj, TBitmap* Bitmap) {
  if (!Obj) return;
  const TClassInfo* c = Obj->ClassType();
  const TClassInfo* parent = c ? c->Parent() : nullptr;
  PlotLoadBitmap(Bitmap, Obj->ClassName(), parent ? parent->Name() : "");
}

void PlotGotoURL(void* /*Handle*/, const std::string& URL) { ShellOpen(URL.substr(0, 255)); }

void RegisterSeriesEditor(const TClassInfo* AClass) { RegisterClass(AClass); }

void RemoveControls(TWinControl* Parent) {
  while (Parent && Parent->ControlCount() > 0) delete Parent->GetControl(0);
}

void EnableControls(bool Enable, const std::vector<TControl*>& Controls) {
  for (TControl* control : Controls)
    if (control) control->SetEnabled(Enable);
}
