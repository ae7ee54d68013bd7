// The document's information dictionary and catalog.

#include "files/PdfDoc.h"
#include "files/PdfOutlines.h"

namespace {

const char16_t* const kPageLayouts[] = {u"SinglePage", u"OneColumn", u"TwoColumnLeft",
                                        u"TwoColumnRight"};
const char16_t* const kPageModes[] = {u"UseNone", u"UseOutlines", u"UseThumbs", u"FullScreen"};
const char16_t* const kViewerPreferences[] = {u"HideToolbar", u"HideMenubar", u"HideWindowUI",
                                              u"FitWindow", u"CenterWindow"};

// The position of the name in its group, or 0 when missing or unknown.
template <size_t N>
int IndexOfName(const TPdfName* AName, const char16_t* const (&ANames)[N]) {
  if (!AName) return 0;
  for (size_t i = 0; i < N; ++i)
    if (AName->Value() == ANames[i]) return static_cast<int>(i);
  return 0;
}

void SetName(TPdfDictionary* ADictionary, const std::u16string& AKey,
             const std::u16string& AValue) {
  if (TPdfName* name = ADictionary->PdfNameByName(AKey))
    name->SetValue(AValue);
  else
    ADictionary->AddNameItem(AKey, AValue);
}

}  // namespace

// ---------------------------------------------------------------- information

std::u16string TPdfInfo::GetText(const std::u16string& AKey) const {
  TPdfText* text = FData->PdfTextByName(AKey);
  return text ? text->Value() : std::u16string();
}

void TPdfInfo::SetText(const std::u16string& AKey, const std::u16string& AValue) {
  FData->AddItem(AKey, new TPdfText(AValue));
}

TDateTime TPdfInfo::GetDate(const std::u16string& AKey) const {
  TPdfText* text = FData->PdfTextByName(AKey);
  if (!text) return 0;
  try {
    return ParsePdfDate(UTF16ToUTF8(text->Value()));
  } catch (const EConvertError&) {
    return 0;
  }
}

void TPdfInfo::SetDate(const std::u16string& AKey, TDateTime AValue) {
  FData->AddItem(AKey, new TPdfText(UTF8ToUTF16(FormatPdfDate(AValue))));
}

// ---------------------------------------------------------------- catalog

TPdfPageLayout TPdfCatalog::PageLayout() const {
  return static_cast<TPdfPageLayout>(
      IndexOfName(FData->PdfNameByName(u"PageLayout"), kPageLayouts));
}

void TPdfCatalog::SetPageLayout(TPdfPageLayout AValue) {
  SetName(FData, u"PageLayout", kPageLayouts[AValue]);
}

TPdfPageMode TPdfCatalog::PageMode() const {
  return static_cast<TPdfPageMode>(IndexOfName(FData->PdfNameByName(u"PageMode"), kPageModes));
}

void TPdfCatalog::SetPageMode(TPdfPageMode AValue) {
  SetName(FData, u"PageMode", kPageModes[AValue]);
}

TPdfDictionary* TPdfCatalog::ViewerPreferences(bool ACreate) {
  TPdfDictionary* preferences = FData->PdfDictionaryByName(u"ViewerPreferences");
  if (preferences || !ACreate) return preferences;
  preferences = new TPdfDictionary(FData->ObjectMgr());
  FData->AddItem(u"ViewerPreferences", preferences);
  return preferences;
}

TPdfPageMode TPdfCatalog::NonFullScreenPageMode() const {
  TPdfDictionary* preferences = FData->PdfDictionaryByName(u"ViewerPreferences");
  if (!preferences) return pmUseNone;
  return static_cast<TPdfPageMode>(
      IndexOfName(preferences->PdfNameByName(u"NonFullScreenPageMode"), kPageModes));
}

void TPdfCatalog::SetNonFullScreenPageMode(TPdfPageMode AValue) {
  TPdfDictionary* preferences = ViewerPreferences(true);
  if (AValue == pmUseOutlines || AValue == pmUseThumbs)
    preferences->AddNameItem(u"NonFullScreenPageMode", kPageModes[AValue]);
  else
    preferences->RemoveItem(u"NonFullScreenPageMode");
}

TPdfViewerPreferences TPdfCatalog::ViewerPreference() const {
  TPdfDictionary* preferences = FData->PdfDictionaryByName(u"ViewerPreferences");
  TPdfViewerPreferences result = 0;
  if (!preferences) return result;
  for (int i = 0; i < 5; ++i) {
    TPdfBoolean* flag = preferences->PdfBooleanByName(kViewerPreferences[i]);
    if (flag && flag->Value()) result |= 1 << i;
  }
  return result;
}

void TPdfCatalog::SetViewerPreference(TPdfViewerPreferences AValue) {
  TPdfDictionary* preferences = ViewerPreferences(AValue != 0);
  if (!preferences) return;
  for (int i = 0; i < 5; ++i) {
    if (AValue & (1 << i))
      preferences->AddItem(kViewerPreferences[i], new TPdfBoolean(true));
    else
      preferences->RemoveItem(kViewerPreferences[i]);
  }
}

TPdfDictionary* TPdfCatalog::Pages() const {
  TPdfDictionary* pages = FData->PdfDictionaryByName(u"Pages");
  if (!pages) throw EPdfInvalidOperation("GetPages --page object is null..");
  return pages;
}

void TPdfCatalog::SetPages(TPdfDictionary* AValue) {
  if (AValue && DictionaryType(AValue) == u"Pages") FData->AddItem(u"Pages", AValue);
}

void TPdfCatalog::SaveOpenAction() {
  if (FOpenAction)
    FData->AddItem(u"OpenAction", FOpenAction->GetValue());
  else
    FData->RemoveItem(u"OpenAction");
}
