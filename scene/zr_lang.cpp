// Translation dictionary and TzrLang.

#include "scene/zr_lang.h"

#include <clocale>
#include <cstdlib>
#include <filesystem>

#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/Streams.h"
#include "scene/zr_classes.h"
#include "scene/zr_stream.h"

TzrTranslateProc CustomTranslateProc;
TzrWideStringList* LangTable = nullptr;
TzrWideStringList* CollectedStrings = nullptr;
bool LangResetting = false;

namespace {

TzrWideStringList* NewDictionary() {
  auto* list = new TzrWideStringList;
  list->SetSorted(true);
  list->SetCaseSensitive(true);
  return list;
}

// ---- the dictionary block

int32_t ReadCount(TStream* AStream) {
  if (AStream->GetSize() - AStream->GetPosition() < 4)
    throw EObjectStreamError("Dictionary block ends early");
  uint8_t b[4];
  AStream->ReadBuffer(b, 4);
  return int32_t(uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 |
                 uint32_t(b[3]) << 24);
}

std::u16string ReadText(TStream* AStream) {
  const int32_t n = ReadCount(AStream);
  if (n < 0 || int64_t(n) * 2 > AStream->GetSize() - AStream->GetPosition())
    throw EObjectStreamError("Dictionary text length out of range");
  std::u16string text(size_t(n), u'\0');
  for (char16_t& c : text) {
    uint8_t b[2];
    AStream->ReadBuffer(b, 2);
    c = char16_t(b[0] | b[1] << 8);
  }
  return text;
}

void WriteCount(TStream* AStream, int32_t N) {
  const uint32_t u = uint32_t(N);
  const uint8_t b[4] = {uint8_t(u), uint8_t(u >> 8), uint8_t(u >> 16), uint8_t(u >> 24)};
  AStream->WriteBuffer(b, 4);
}

void WriteText(TStream* AStream, const std::u16string& AText) {
  WriteCount(AStream, int32_t(AText.size()));
  for (char16_t c : AText) {
    const uint8_t b[2] = {uint8_t(c), uint8_t(c >> 8)};
    AStream->WriteBuffer(b, 2);
  }
}

}  // namespace

// ---------------------------------------------------------------- free functions

std::u16string Translate(const std::u16string& AText) {
  if (AText.empty()) return AText;
  if (CustomTranslateProc) {
    if (CustomTranslateProc(AText).empty()) return AText;
    return CustomTranslateProc(AText);
  }
  if (CollectedStrings) CollectedStrings->Add(AText);
  if (!LangTable) return AText;
  std::u16string result;
  if (!LangResetting) {
    result = LangTable->GetValue(AText);
  } else {
    const int i = LangTable->IndexOfValue(AText);
    if (i >= 0) result = LangTable->GetName(i);
  }
  return result.empty() ? AText : result;
}

std::u16string TranslateText(const std::u16string& AText) { return Translate(AText); }

void CollectLangStart() {
  ResetLang();
  if (!CollectedStrings) CollectedStrings = NewDictionary();
}

void CollectLangFinish() {
  delete CollectedStrings;
  CollectedStrings = nullptr;
}

TzrWideStringList* CollectLangStrings() { return CollectedStrings; }

void LoadLangFromFile(const std::string& AFileName) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(AFileName, ec)) return;
  ResetLang();
  if (!LangTable) LangTable = NewDictionary();
  LangTable->LoadFromFile(AFileName);
  UpdateLang();
}

void LoadLangFromStrings(TzrWideStrings* AStrings) {
  if (!AStrings) return;
  ResetLang();
  if (!LangTable) LangTable = NewDictionary();
  LangTable->Assign(AStrings);
  UpdateLang();
}

void ResetLang() {
  if (!LangTable) return;
  LangResetting = true;
  struct TDone {
    ~TDone() {
      LangResetting = false;
      delete LangTable;
      LangTable = nullptr;
    }
  } done;
  UpdateLang();
}

void UpdateLang() {
  const std::vector<IzoRurev*> scenes = SceneList();
  for (IzoRurev* scene : scenes) scene->UpdateResource();
}

std::string UserLanguage() {
  std::string locale;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(name);
    if (value && *value) {
      locale = value;
      break;
    }
  }
  if (locale.size() < 2 || locale == "C" || locale.rfind("C.", 0) == 0 || locale == "POSIX")
    return "en";
  std::string code = locale.substr(0, 2);
  for (char& c : code) c = char(std::tolower(static_cast<unsigned char>(c)));
  return code;
}

// ---------------------------------------------------------------- TzrLang

const TClassInfo* TzrLang::Class() {
  using L = TzrLang;
  static const TClassInfo* info = TClassDecl<L>("TzrLang", TComponent::Class())
                                      .Prop("AutoSelect", &L::GetAutoSelect, &L::SetAutoSelect)
                                      .Default(1)
                                      .Prop("FileName", &L::GetFileName, &L::SetFileName)
                                      .Prop("Lang", &L::GetLang, &L::SetLang)
                                      .Prop("StoreInForm", &L::GetStoreInForm, &L::SetStoreInForm)
                                      .Default(1);
  return info;
}

TzrLang::TzrLang(TComponent* AOwner)
    : TComponent(AOwner),
      FResources(std::make_unique<TzrWideStringList>()),
      FOriginal(std::make_unique<TzrWideStringList>()) {}

TzrLang::~TzrLang() { ClearResources(); }

void TzrLang::ClearResources() {
  for (int i = 0; i < FResources->GetCount(); ++i) delete FResources->GetObject(i);
  FResources->Clear();
}

void TzrLang::Loaded() {
  TComponent::Loaded();
  if (!FFileName.empty()) {
    std::error_code ec;
    const std::string program = std::filesystem::read_symlink("/proc/self/exe", ec).filename();
    const std::string name = program + FFileName;
    if (std::filesystem::is_regular_file(name, ec)) LoadFromFile(name);
  }
  if (FAutoSelect) FLang = UserLanguage();
  if (!FLang.empty()) {
    if (TzrWideStringList* dictionary = GetLangStr(UTF8ToUTF16(FLang)))
      LoadLangFromStrings(dictionary);
  }
}

void TzrLang::SetLang(const std::string& Value) {
  FLang = Value;
  if (IsLoading()) return;
  if (Value == "en") {
    ResetLang();
    return;
  }
  if (TzrWideStringList* dictionary = GetLangStr(UTF8ToUTF16(Value)))
    LoadLangFromStrings(dictionary);
}

void TzrLang::AddLang(const std::u16string& AName) {
  if (FResources->IndexOf(AName) >= 0) return;
  FResources->AddObject(AName, NewDictionary());
}

TzrWideStringList* TzrLang::GetLangStr(const std::u16string& Index) const {
  const int i = FResources->IndexOf(Index);
  return i < 0 ? nullptr : static_cast<TzrWideStringList*>(FResources->GetObject(i));
}

void TzrLang::LoadFromFile(const std::string& AFileName) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(AFileName, ec)) return;
  TFileStream stream(AFileName, fmOpenRead);
  ReadResources(&stream);
}

void TzrLang::SaveToFile(const std::string& AFileName) {
  TFileStream stream(AFileName, fmCreate);
  WriteResources(&stream);
}

void TzrLang::DefineProperties(TFiler* Filer) {
  TComponent::DefineProperties(Filer);
  Filer->DefineBinaryProperty(
      "ResourcesBin", [this](TStream* Stream) { ReadResources(Stream); },
      [this](TStream* Stream) { WriteResources(Stream); },
      FStoreInForm && FResources->GetCount() > 0);
}

void TzrLang::ReadResources(TStream* AStream) {
  // Everything is read first, so that a bad block changes nothing.
  const std::u16string original = ReadText(AStream);
  const int32_t m = ReadCount(AStream);
  // Each language needs two counts at least.
  if (m < 0 || int64_t(m) * 8 > AStream->GetSize() - AStream->GetPosition())
    throw EObjectStreamError("Dictionary language count out of range");
  std::vector<std::pair<std::u16string, std::u16string>> languages;
  for (int32_t i = 0; i < m; ++i) {
    std::u16string code = ReadText(AStream);
    std::u16string text = ReadText(AStream);
    languages.emplace_back(std::move(code), std::move(text));
  }
  FOriginal->SetTextStr(original);
  ClearResources();
  for (const auto& [code, text] : languages) {
    TzrWideStringList* dictionary = NewDictionary();
    dictionary->SetTextStr(text);
    FResources->AddObject(code, dictionary);
  }
}

void TzrLang::WriteResources(TStream* AStream) {
  WriteText(AStream, FOriginal->GetTextStr());
  WriteCount(AStream, FResources->GetCount());
  for (int i = 0; i < FResources->GetCount(); ++i) {
    WriteText(AStream, FResources->Get(i));
    auto* dictionary = static_cast<TzrWideStringList*>(FResources->GetObject(i));
    WriteText(AStream, dictionary ? dictionary->GetTextStr() : std::u16string());
  }
}

void RegisterLangClasses() {
  static const bool done = [] {
    RegisterZRObjects("Lang", {TzrLang::Class()});
    return true;
  }();
  (void)done;
}
