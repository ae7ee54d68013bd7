#include "chart/SeriesGroups.h"

#include <algorithm>
#include <cctype>

#include "chart/AxisPanel.h"
#include "chart/PlotRoutines.h"
#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/SysUtils.h"
#include "scene/zr_stream.h"

namespace {

const TEnumInfo& GroupActiveInfo() {
  static const TEnumInfo info("TSeriesGroupActive", {"gaYes", "gaNo", "gaSome"});
  return info;
}

std::string Upper(std::string Text) {
  for (char& c : Text) c = char(std::toupper(static_cast<unsigned char>(c)));
  return Text;
}

}  // namespace

const TClassInfo* TSeriesGroup::Class() {
  static const TClassInfo* info =
      TClassDecl<TSeriesGroup>("TSeriesGroup", TCollectionItem::Class())
          .Enum("Active", &TSeriesGroup::GetActive, &TSeriesGroup::SetActive, GroupActiveInfo())
          .Default(gaYes)
          .Prop("Name", &TSeriesGroup::GetName, &TSeriesGroup::SetName);
  return info;
}

TSeriesGroup::TSeriesGroup(TCollection* Collection) : TCollectionItem(Collection) {
  auto* groups = dynamic_cast<TSeriesGroups*>(Collection);
  TCustomAxisPanel* panel = groups && groups->Owner() ? groups->Owner()->Owner() : nullptr;
  FSeries = std::make_unique<TCustomSeriesList>(panel);
  FName = Collection ? "Group" + std::to_string(Collection->Count()) : "Group";
}

TSeriesGroup::~TSeriesGroup() = default;

void TSeriesGroup::Assign(TPersistent* Source) {
  auto* g = dynamic_cast<TSeriesGroup*>(Source);
  if (!g) return TCollectionItem::Assign(Source);
  FName = g->FName;
  FSeries->Clear();
  for (TChartSeries* s : g->FSeries->Items()) FSeries->Add(s);
}

TSeriesGroupActive TSeriesGroup::GetActive() const {
  const auto& items = FSeries->Items();
  const auto active = std::count_if(items.begin(), items.end(),
                                    [](TChartSeries* s) { return s->GetActive(); });
  if (active == std::ptrdiff_t(items.size())) return gaYes;
  return active == 0 ? gaNo : gaSome;
}

void TSeriesGroup::SetActive(TSeriesGroupActive Value) {
  if (Value == gaSome || Value == GetActive()) return;
  for (TChartSeries* s : FSeries->Items()) s->SetActive(Value == gaYes);
}

void TSeriesGroup::DefineProperties(TFiler* Filer) {
  TCollectionItem::DefineProperties(Filer);
  Filer->DefineProperty(
      "Series", [this](TReader* R) { ReadSeries(R); }, [this](TWriter* W) { WriteSeries(W); },
      HasSeries());
}

void TSeriesGroup::ReadSeries(TReader* Reader) {
  FTempSeries.clear();
  Reader->ReadListBegin();
  while (!Reader->EndOfList()) FTempSeries.push_back(Reader->ReadString());
  Reader->ReadListEnd();
}

void TSeriesGroup::WriteSeries(TWriter* Writer) {
  TCustomAxisPanel* panel = FSeries->Owner();
  Writer->WriteListBegin();
  for (TChartSeries* s : FSeries->Items()) {
    const int index = panel ? panel->SeriesIndexOf(s) : -1;
    Writer->WriteString(std::to_string(index));
  }
  Writer->WriteListEnd();
}

void TSeriesGroup::ResolveSeries(TCustomSeriesList* ChartSeries) {
  std::vector<std::string> pending;
  pending.swap(FTempSeries);
  FSeries->Clear();
  for (const std::string& text : pending) FSeries->Add(ChartSeries->Get(StrToInt(text)));
}

TSeriesGroups::TSeriesGroups(TChartSeriesList* Owner)
    : TCollection(TSeriesGroup::Class()), FOwner(Owner) {}

int TSeriesGroups::Contains(TChartSeries* Series) const {
  for (int i = 0; i < Count(); ++i)
    if (Get(i)->Series()->IndexOf(Series) != -1) return i;
  return -1;
}

TSeriesGroup* TSeriesGroups::FindByName(const std::string& Name, bool CaseSensitive) const {
  for (int i = 0; i < Count(); ++i) {
    TSeriesGroup* g = Get(i);
    if (CaseSensitive ? g->GetName() == Name : Upper(g->GetName()) == Upper(Name))
      return g;
  }
  return nullptr;
}

// ---------------- routines ----------------

bool PlotRectIntersects(TRect& Dest, const TRect& R1, const TRect& R2) {
  Dest = TRect{std::max(R1.Left, R2.Left), std::max(R1.Top, R2.Top),
               std::min(R1.Right, R2.Right), std::min(R1.Bottom, R2.Bottom)};
  if (Dest.Left < Dest.Right && Dest.Top < Dest.Bottom) return true;
  Dest = TRect{0, 0, 0, 0};
  return false;
}

bool PlotRectIntersects(const TRect& R1, const TRect& R2) {
  TRect dest;
  return PlotRectIntersects(dest, R1, R2);
}

void PlotDrawBitmapEditor(TCanvas* Canvas, TCustomChartElement* Element, int Left, int Top) {
  TBitmap bitmap;
  PlotGetBitmapEditor(Element, &bitmap);
  Canvas->Draw(Left, Top, &bitmap);
}
