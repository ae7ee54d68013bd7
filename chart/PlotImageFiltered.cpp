#include "chart/PlotImageFiltered.h"

#include "chart/PlotPicture.h"
#include "platform/rtl/RttiDecl.h"
#include "platform/rtl/Streams.h"
#include "scene/zr_stream.h"

const TClassInfo* TImageFiltered::Class() {
  static const TClassInfo* info = TClassDecl<TImageFiltered>("TImageFiltered", TImage::Class());
  return info;
}

TImageFiltered::TImageFiltered(TComponent* AOwner)
    : TImage(AOwner), FFilters(std::make_unique<TFilterItems>(this)) {
  FFilters->OnChange = [this](TObject* Sender) { FilterChanged(Sender); };
}

TImageFiltered::~TImageFiltered() { FFilters->OnChange = nullptr; }

void TImageFiltered::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TImageFiltered*>(Source)) {
    SetFilters(source->GetFilters());
    GetPicture()->Assign(source->GetPicture());
    return;
  }
  TImage::Assign(Source);
}

void TImageFiltered::DefineProperties(TFiler* Filer) {
  TImage::DefineProperties(Filer);
  Filer->DefineProperty(
      "FilterItems", [this](TReader* r) { PlotReadFilterItems(r, FFilters.get()); },
      [this](TWriter* w) { PlotWriteFilterItems(w, FFilters.get()); }, FiltersStored());
}

void TImageFiltered::SetFilters(TFilterItems* Value) {
  FFilters->Assign(Value);
  IFilteredPicture.reset();
}

TBitmap* TImageFiltered::Filtered() {
  if (FFilters->Changed) {
    IFilteredPicture.reset();
    FFilters->Changed = false;
  }
  if (IFilteredPicture) return IFilteredPicture.get();
  TGraphic* graphic = GetPicture()->GetGraphic();
  if (!graphic) return nullptr;
  auto bitmap = std::make_unique<TBitmap>();
  IAssigning = true;
  try {
    bitmap->Assign(graphic);
  } catch (...) {
    IAssigning = false;
    throw;
  }
  IAssigning = false;
  FFilters->ApplyTo(bitmap.get());
  IFilteredPicture = std::move(bitmap);
  return IFilteredPicture.get();
}

void TImageFiltered::Paint() {
  TCanvas* canvas = GetCanvas();
  if (!canvas) return;
  if (TBitmap* bitmap = Filtered()) {
    const TRect r = DestRect();
    if (r.Width() == bitmap->GetWidth() && r.Height() == bitmap->GetHeight())
      canvas->Draw(r.Left, r.Top, bitmap);
    else
      canvas->StretchDraw(r, bitmap);
  }
  if (!IsDesigning()) return;
  canvas->GetPen()->SetStyle(psDash);
  canvas->GetBrush()->SetStyle(bsClear);
  canvas->Rectangle(ClientRect());
}

void TImageFiltered::PictureChanged(TObject* Sender) {
  if (IAssigning) return;
  IFilteredPicture.reset();
  TImage::PictureChanged(Sender);
}

void TImageFiltered::FilterChanged(TObject* /*Sender*/) { Invalidate(); }
