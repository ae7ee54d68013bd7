#include "chart/ChartPointLists.h"

#include <algorithm>

#include "chart/ChartSeries.h"
#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/SysUtils.h"

// ---------------- TLabelsList ----------------

void TLabelsList::RepaintSeries() {
  if (Series) Series->Repaint();
}

std::string TLabelsList::GetLabel(int Index) const {
  if (Index < 0 || Index >= Count()) return {};
  return List[Index];
}

void TLabelsList::SetLabel(int Index, const std::string& Text) {
  if (!Text.empty()) {
    if (Index >= Count()) List.resize(static_cast<size_t>(Index) + 1);
    List[Index] = Text;
  } else {
    IAnyEmpty = true;
    if (Index >= 0 && Index < Count()) List[Index].clear();
  }
  RepaintSeries();
}

void TLabelsList::InsertLabel(int Index, const std::string& Text) {
  if (Text.empty()) {
    IAnyEmpty = true;
    if (List.empty()) return;
  }
  List.resize(static_cast<size_t>(std::max(Count(), Index)) + 1);
  std::rotate(List.begin() + Index, List.end() - 1, List.end());
  List[Index] = Text;
}

void TLabelsList::DeleteLabel(int Index) { List.erase(List.begin() + Index); }

void TLabelsList::Exchange(int Index1, int Index2) {
  const std::string first = GetLabel(Index1);
  SetLabel(Index1, GetLabel(Index2));
  SetLabel(Index2, first);
}

int TLabelsList::IndexOfLabel(const std::string& Text, bool ACaseSensitive) const {
  const std::string wanted = ACaseSensitive ? Text : LowerCase(Text);
  for (int i = 0; i < Count(); ++i) {
    if ((ACaseSensitive ? List[i] : LowerCase(List[i])) == wanted) return i;
  }
  return -1;
}

void TLabelsList::Clear() {
  List.clear();
  IAnyEmpty = false;
}

void TLabelsList::Assign(const TLabelsList& Source) {
  Clear();
  for (int i = 0; i < Source.Count(); ++i) InsertLabel(i, Source.List[i]);
  FCaseSensitive = Source.FCaseSensitive;
}

void TLabelsList::SetCaseSensitive(bool Value) {
  if (FCaseSensitive == Value) return;
  FCaseSensitive = Value;
  RepaintSeries();
}

// ---------------- TPlotPictureList ----------------

TPlotPictureList::~TPlotPictureList() { Clear(); }

TPlotPicture* TPlotPictureList::Get(int Index) const {
  if (Index < 0 || Index >= Count()) return nullptr;
  return List[Index];
}

void TPlotPictureList::Put(int Index, TPlotPicture* Picture) {
  const bool inside = Index >= 0 && Index < Count();
  if (OwnsPictures && inside && List[Index] != Picture) delete List[Index];
  if (Picture) {
    if (Index >= Count()) List.resize(static_cast<size_t>(Index) + 1, nullptr);
    List[Index] = Picture;
  } else if (inside) {
    List[Index] = nullptr;
  }
  if (Series) Series->Repaint();
}

void TPlotPictureList::Insert(int Index, TPlotPicture* Picture) {
  if (!Picture && List.empty()) return;
  List.resize(static_cast<size_t>(std::max(Count(), Index)) + 1, nullptr);
  std::rotate(List.begin() + Index, List.end() - 1, List.end());
  List[Index] = Picture;
}

void TPlotPictureList::Delete(int Index) {
  if (OwnsPictures) delete List[Index];
  List.erase(List.begin() + Index);
}

void TPlotPictureList::Clear() {
  if (OwnsPictures)
    for (TPlotPicture* picture : List) delete picture;
  List.clear();
}

void TPlotPictureList::Exchange(int Index1, int Index2) { std::swap(List[Index1], List[Index2]); }

int TPlotPictureList::IndexOf(const TPlotPicture* Picture) const {
  for (int i = 0; i < Count(); ++i)
    if (List[i] == Picture) return i;
  return -1;
}

void TPlotPictureList::Assign(const TPlotPictureList& Source) {
  Clear();
  for (int i = 0; i < Source.Count(); ++i)
    if (Source.List[i]) Put(i, Copy(Source.List[i]));
}

TPlotPicture* TPlotPictureList::Copy(TPlotPicture* Picture) {
  auto* result = new TPlotPicture;
  result->Assign(Picture);
  return result;
}

TPlotPicture* TPlotPictureList::FromGraphic(TGraphic* Graphic) {
  auto* result = new TPlotPicture;
  result->SetGraphic(Graphic);
  return result;
}

// ---------------- TPlotPictureComponent ----------------

const TClassInfo* TPlotPictureComponent::Class() {
  using C = TPlotPictureComponent;
  static const TClassInfo* info = TClassDecl<C>("TPlotPictureComponent", TComponent::Class())
                                      .Prop("Picture", &C::GetPicture, &C::SetPicture);
  return info;
}

TPlotPictureComponent::TPlotPictureComponent(TComponent* AOwner)
    : TComponent(AOwner), FPicture(new TPlotPicture) {}

TPlotPictureComponent* TPlotPictureComponent::CreateFrom(TPlotPicture* Picture) {
  auto* result = new TPlotPictureComponent(nullptr);
  delete result->FPicture;
  result->FPicture = Picture;
  return result;
}

TPlotPictureComponent::~TPlotPictureComponent() { delete FPicture; }

void TPlotPictureComponent::SetPicture(TPlotPicture* Value) {
  if (!FPicture) FPicture = new TPlotPicture;
  FPicture->Assign(Value);
}

TPlotPicture* TPlotPictureComponent::DetachPicture() {
  TPlotPicture* result = FPicture;
  FPicture = nullptr;
  return result;
}
