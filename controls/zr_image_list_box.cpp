// TzrImageListBox and TzrHorzImageListBox: entries from files, folders and
// bitmaps, lazy loading on loader threads, the current picture.

#include "controls/zr_image_list_box.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>

#include "controls/zr_image_thread.h"
#include "controls/zr_objects_text.h"
#include "platform/rtl/RttiDecl.h"
#include "scene/zr_bitmap.h"
#include "scene/zr_canvas.h"
#include "scene/zr_filter.h"

namespace {

std::string Lower(std::string S) {
  std::transform(S.begin(), S.end(), S.begin(), [](unsigned char c) { return std::tolower(c); });
  return S;
}

}  // namespace

using T = TzrImageListBox;

const TClassInfo* TzrImageListBox::Class() {
  static const TClassInfo* info =
      TClassDecl<T>("TzrImageListBox", TzrListBox::Class())
          .Prop("ShowFileName", &T::GetShowFileName, &T::SetShowFileName)
          .Default(false)
          .Prop("UseThumbnails", &T::GetUseThumbnails, &T::SetUseThumbnails)
          .Default(true)
          .Prop("ItemHeight", &T::GetImageItemHeight, &T::SetImageItemHeight);
  return info;
}

TzrImageListBox::TzrImageListBox(TComponent* AOwner) : TzrListBox(AOwner) {
  FImageItemHeight = std::trunc(GetWidth());
  SetResourceLater("listboxstyle");
}

TzrImageListBox::~TzrImageListBox() {
  // The loaders stop (their hand-overs do nothing) before the entries go.
  FLoaders.clear();
}

// ---------------------------------------------------------------- entries

bool TzrImageListBox::IsImageFile(const std::string& AFile) {
  const std::string ext = Lower(std::filesystem::path(AFile).extension().string());
  if (ext.empty()) return false;
  const std::string types = Lower(zrFilterFileTypes(DefaultFilterClass));
  size_t start = 0;
  while (start <= types.size()) {
    const size_t end = std::min(types.find(';', start), types.size());
    if (types.compare(start, end - start, "*" + ext) == 0) return true;
    start = end + 1;
  }
  return false;
}

TzrImageListBoxItem* TzrImageListBox::NewEntry(const std::string& AFile) {
  auto* entry = new TzrImageListBoxItem(this);
  entry->SetShowFileName(FShowFileName);
  entry->SetAutoTranslate(false);
  entry->SetText(UTF8ToUTF16(std::filesystem::path(AFile).filename().string()));
  entry->SetHeight(FImageItemHeight);
  auto* image = new TzrImage(entry);
  image->SetAlign(vaClient);
  image->GetPadding()->SetRect(zrRect(4, 4, 4, FShowFileName ? 20 : 4));
  image->SetParent(entry);
  image->Lock();
  image->SetHitTest(false);
  entry->SetStored(false);
  entry->SetTagString(AFile);
  entry->SetTagObject(image);
  // Added last, so the list lays the entry out with its final height.
  entry->SetParent(this);
  return entry;
}

void TzrImageListBox::AddFile(const std::string& AFile) {
  if (!IsImageFile(AFile)) return;
  TzrImageListBoxItem* entry = NewEntry(AFile);
  entry->OnApplyResource = [this](TObject* Sender) { EntryApplyStyle(Sender); };
  entry->SetTag(1);
  if (GetCount() == 1) SetItemIndex(0);
}

void TzrImageListBox::AddFolder(const std::string& Folder) {
  std::string folder = Folder;
  if (!folder.empty() && folder.back() != '/') folder += '/';
  std::vector<std::string> files;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error))
    if (!entry.is_directory(error)) files.push_back(folder + entry.path().filename().string());
  std::sort(files.begin(), files.end());
  BeginUpdate();
  for (const std::string& file : files) AddFile(file);
  EndUpdate();
  if (GetCount() > 0) SetItemIndex(0);
}

void TzrImageListBox::AddBitmap(const std::string& AFile, TzrBitmap* ABitmap) {
  if (!ABitmap) return;
  TzrImageListBoxItem* entry = NewEntry(AFile);
  auto* image = static_cast<TzrImage*>(entry->GetTagObject());
  TzrBitmap* target = image->GetBitmap();
  if (FUseThumbnails && !ABitmap->IsEmpty()) {
    const TzrRect source = zrRect(0, 0, ABitmap->GetWidth(), ABitmap->GetHeight());
    TzrRect fitted = source;
    zrFitRect(fitted, zrRect(0, 0, GetHeight(), GetHeight()));
    target->SetSize(int(std::round(zrRectWidth(fitted))), int(std::round(zrRectHeight(fitted))));
    if (TzrCanvas* canvas = target->GetCanvas(); canvas && canvas->BeginScene()) {
      canvas->DrawBitmap(*ABitmap, source, zrRect(0, 0, target->GetWidth(), target->GetHeight()),
                         1);
      canvas->EndScene();
    }
    target->SetNeedUpdate(true);
  } else {
    target->Assign(ABitmap);
  }
  entry->SetTag(0);
  Realign();
  if (GetCount() == 1) SetItemIndex(0);
}

void TzrImageListBox::EntryApplyStyle(TObject* Sender) {
  auto* entry = dynamic_cast<TzrImageListBoxItem*>(Sender);
  if (!entry || entry->GetTag() != 1 || entry->GetTagString().empty()) return;
  auto* image = dynamic_cast<TzrImage*>(entry->GetTagObject());
  if (!image) return;
  ReapLoaders();
  entry->SetTag(0);
  FLoaders.push_back(
      std::make_unique<TzrImageThread>(image, entry->GetTagString(), FUseThumbnails));
  FLoaders.back()->Start();
}

void TzrImageListBox::ReapLoaders() {
  std::erase_if(FLoaders, [](const std::unique_ptr<TzrImageThread>& t) { return t->Finished(); });
}

void TzrImageListBox::WaitForLoaders() {
  // Each wait runs the hand-overs handed to the GUI thread meanwhile.
  for (const auto& loader : FLoaders) loader->WaitFor();
  FLoaders.clear();
}

void TzrImageListBox::Clear() {
  for (int i = 0; i < GetCount(); ++i)
    if (TzrListBoxItem* entry = ItemByIndex(i)) entry->SetTag(0);
  for (const auto& loader : FLoaders) loader->Terminate();
  TzrListBox::Clear();
}

// ---------------------------------------------------------------- current picture

TzrImage* TzrImageListBox::GetImage(int Index) const {
  TzrListBoxItem* entry = ItemByIndex(Index);
  return entry ? dynamic_cast<TzrImage*>(entry->GetTagObject()) : nullptr;
}

std::string TzrImageListBox::GetSelectedFileName() const {
  TzrListBoxItem* entry = GetSelected();
  return entry ? entry->GetTagString() : std::string();
}

void TzrImageListBox::BeginAutoDrag() {
  TzrImage* image = GetSelectedImage();
  if (!image || !GetScene()) return;
  GetScene()->BeginVCLDrag(image, image->GetBitmap());
}

void TzrImageListBox::SetImageItemHeight(float Value) {
  if (FImageItemHeight == Value) return;
  FImageItemHeight = Value;
  BeginUpdate();
  try {
    for (int i = 0; i < GetCount(); ++i)
      if (TzrListBoxItem* entry = ItemByIndex(i)) entry->SetHeight(Value);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
  Realign();
}

// ---------------------------------------------------------------- horizontal

const TClassInfo* TzrHorzImageListBox::Class() {
  using H = TzrHorzImageListBox;
  static const TClassInfo* info =
      TClassDecl<H>("TzrHorzImageListBox", TzrImageListBox::Class())
          .Enum("ListStyle", &H::GetListStyle, &H::SetListStyle, zrListStyleInfo())
          .Default(zrListHorizontal);
  return info;
}

TzrHorzImageListBox::TzrHorzImageListBox(TComponent* AOwner) : TzrImageListBox(AOwner) {
  FImageItemHeight = 0;
  FItemWidth = std::trunc(GetHeight() + 10);
  FListStyle = zrListHorizontal;
  SetResourceLater("ListBoxStyle");
}

// ---------------------------------------------------------------- entry

const TClassInfo* TzrImageListBoxItem::Class() {
  static const TClassInfo* info =
      TClassDecl<TzrImageListBoxItem>("TzrImageListBoxItem", TzrListBoxItem::Class());
  return info;
}

TzrImageListBoxItem::TzrImageListBoxItem(TComponent* AOwner) : TzrListBoxItem(AOwner) {}

void TzrImageListBoxItem::ApplyStyle() {
  TzrListBoxItem::ApplyStyle();
  if (!dynamic_cast<TzrImageListBox*>(ListBox())) return;
  TzrObject* border = FindResource("textborder");
  if (border && border->GetIsVisual()) border->GetVisual()->SetVisible(FShowFileName);
  if (auto* text = dynamic_cast<TzrText*>(FindResource("text")))
    text->SetText(UTF8ToUTF16(std::filesystem::path(GetTagString()).filename().string()));
}
