#pragma once
// Translation of displayed texts. Controls whose AutoTranslate is set pass
// their texts through Translate, which answers from the active dictionary
// (LangTable: sorted lines "untranslated=translation"), from an installed
// function, or unchanged. TzrLang keeps one dictionary per language code in
// its form (the "ResourcesBin" block) or in a file of the same block.
//
// Dictionary block: 32-bit little-endian counts, UTF-16LE texts: the
// untranslated texts as one CR LF text; the language count; per language its
// code and its dictionary as one text. Every count is checked against the
// data that remains: a bad block raises EObjectStreamError and changes
// nothing.

#include <functional>
#include <memory>
#include <string>

#include "platform/rtl/Classes.h"
#include "scene/zr_strings.h"

class TStream;

using TzrTranslateProc = std::function<std::u16string(const std::u16string&)>;

extern TzrTranslateProc CustomTranslateProc;
extern TzrWideStringList* LangTable;
extern TzrWideStringList* CollectedStrings;
extern bool LangResetting;

std::u16string Translate(const std::u16string& AText);
std::u16string TranslateText(const std::u16string& AText);
void CollectLangStart();
void CollectLangFinish();
TzrWideStringList* CollectLangStrings();
void LoadLangFromFile(const std::string& AFileName);
void LoadLangFromStrings(TzrWideStrings* AStrings);
void ResetLang();
// Every scene of SceneList re-applies its styles and texts.
void UpdateLang();
// The user's language: the first two letters of the locale's language
// (LC_ALL, LC_MESSAGES, LANG); "C", "POSIX" and no locale give "en".
std::string UserLanguage();

class TzrLang : public TComponent {
 public:
  explicit TzrLang(TComponent* AOwner);
  ~TzrLang() override;
  static const TClassInfo* Class();
  const TClassInfo* ClassType() const override { return Class(); }

  void Loaded() override;
  void DefineProperties(TFiler* Filer) override;

  const std::string& GetLang() const { return FLang; }
  void SetLang(const std::string& Value);
  bool GetAutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool Value) { FAutoSelect = Value; }
  const std::string& GetFileName() const { return FFileName; }
  void SetFileName(const std::string& Value) { FFileName = Value; }
  bool GetStoreInForm() const { return FStoreInForm; }
  void SetStoreInForm(bool Value) { FStoreInForm = Value; }
  TzrWideStringList* GetResources() const { return FResources.get(); }
  TzrWideStringList* GetOriginal() const { return FOriginal.get(); }

  void AddLang(const std::u16string& AName);
  // The dictionary of a language code, nil when there is none.
  TzrWideStringList* GetLangStr(const std::u16string& Index) const;
  void LoadFromFile(const std::string& AFileName);
  void SaveToFile(const std::string& AFileName);
  void ReadResources(TStream* AStream);
  void WriteResources(TStream* AStream);

 private:
  void ClearResources();

  std::string FLang;
  std::unique_ptr<TzrWideStringList> FResources;
  std::unique_ptr<TzrWideStringList> FOriginal;
  bool FAutoSelect = true;
  std::string FFileName;
  bool FStoreInForm = true;
};

void RegisterLangClasses();
