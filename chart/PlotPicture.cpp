#include "chart/PlotPicture.h"

#include "platform/rtl/RttiDecl.h"
#include "scene/zr_stream.h"

// ---------------- picture ----------------

const TClassInfo* TPlotPicture::Class() {
  static const TClassInfo* info =
      TClassDecl<TPlotPicture>("TPlotPicture", TPicture::Class())
          .Prop("Filters", &TPlotPicture::GetFilters, &TPlotPicture::SetFilters)
          .Stored(false);
  return info;
}

TPlotPicture::TPlotPicture() = default;
TPlotPicture::~TPlotPicture() = default;

TFilterItems* TPlotPicture::GetFilters() {
  if (!FFilters) FFilters = std::make_unique<TFilterItems>(this);
  return FFilters.get();
}

void TPlotPicture::SetFilters(TFilterItems* Value) {
  if (!Value) {
    FFilters.reset();
    return;
  }
  if (Value != FFilters.get()) GetFilters()->Assign(Value);
}

void TPlotPicture::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TPlotPicture*>(Source)) SetFilters(source->FFilters.get());
  TPicture::Assign(Source);
}

TGraphic* TPlotPicture::Filtered() {
  TGraphic* graphic = GetGraphic();
  if (!graphic || !HasFilters()) return graphic;
  if (!IBitmap) IBitmap = std::make_unique<TBitmap>();
  if (dynamic_cast<TIcon*>(graphic)) {
    IBitmap->SetSize(0, 0);  // a fresh white bitmap under the icon
    IBitmap->SetSize(graphic->GetWidth(), graphic->GetHeight());
    IBitmap->GetCanvas()->Draw(0, 0, graphic);
  } else {
    IBitmap->Assign(graphic);
  }
  FFilters->ApplyTo(IBitmap.get());
  return IBitmap.get();
}

void TPlotPicture::DefineProperties(TFiler* Filer) {
  TPicture::DefineProperties(Filer);
  Filer->DefineBinaryProperty(
      "Data", [this](TStream* s) { ReadGraphic(s); }, [this](TStream* s) { WriteGraphic(s); },
      GetGraphic() != nullptr && !GetGraphic()->GetEmpty());
  Filer->DefineProperty(
      "FilterItems", [this](TReader* r) { ReadFilters(r); },
      [this](TWriter* w) { WriteFilters(w); }, HasFilters());
}

// The graphic's class name as a short string, then the graphic's own
// stream form.
void TPlotPicture::WriteGraphic(TStream* Stream) {
  const std::string name = dynamic_cast<TIcon*>(GetGraphic()) ? "TIcon" : "TBitmap";
  const uint8_t length = static_cast<uint8_t>(name.size());
  Stream->WriteBuffer(&length, 1);
  Stream->WriteBuffer(name.data(), length);
  GetGraphic()->SaveToStream(*Stream);
}

void TPlotPicture::ReadGraphic(TStream* Stream) {
  uint8_t length = 0;
  Stream->ReadBuffer(&length, 1);
  std::string name(length, '\0');
  if (length > 0) Stream->ReadBuffer(name.data(), length);
  std::unique_ptr<TGraphic> graphic;
  if (name == "TIcon")
    graphic = std::make_unique<TIcon>();
  else if (name == "TBitmap")
    graphic = std::make_unique<TBitmap>();
  else
    throw EReadError("Unknown picture class " + name);
  graphic->LoadFromStream(*Stream);
  TakeGraphic(std::move(graphic));
}

void TPlotPicture::WriteFilters(TWriter* Writer) { PlotWriteFilterItems(Writer, GetFilters()); }

void TPlotPicture::ReadFilters(TReader* Reader) { PlotReadFilterItems(Reader, GetFilters()); }

void PlotWriteFilterItems(TWriter* Writer, TFilterItems* list) {
  list->BeginUpdate();
  Writer->WriteValue(TValueType::Collection);
  for (int i = 0; i < list->Count(); ++i) {
    TPlotFilter* filter = list->Get(i);
    Writer->WriteListBegin();
    Writer->WriteStr("ItemClass");
    Writer->WriteString(filter->ClassType()->Name());
    Writer->WriteObjectProperties(filter);
    Writer->WriteListEnd();
  }
  Writer->WriteListEnd();
  list->EndUpdate();
}

void PlotReadFilterItems(TReader* Reader, TFilterItems* list) {
  list->BeginUpdate();
  try {
    list->Clear();
    Reader->CheckValue(TValueType::Collection);
    while (!Reader->EndOfList()) {
      TValueType v = Reader->NextValue();
      if (v == TValueType::Int8 || v == TValueType::Int16 || v == TValueType::Int32)
        Reader->ReadInteger();
      Reader->ReadListBegin();
      if (Reader->ReadStr() != "ItemClass")
        throw EReadError("Invalid stream format: ItemClass expected");
      const TClassInfo* cls = FindClass(Reader->ReadString());
      Reader->ReadObjectProperties(list->Add(cls));
    }
    Reader->ReadListEnd();
  } catch (...) {
    list->EndUpdate();
    throw;
  }
  list->EndUpdate();
}

// ---------------- float points ----------------

const TClassInfo* TFloatXY::Class() {
  static const TClassInfo* info = TClassDecl<TFloatXY>("TFloatXY", TPersistent::Class())
                                      .Prop("X", &TFloatXY::GetX, &TFloatXY::SetX)
                                      .Stored(&TFloatXY::IsXStored)
                                      .Prop("Y", &TFloatXY::GetY, &TFloatXY::SetY)
                                      .Stored(&TFloatXY::IsYStored);
  return info;
}

TFloatXY::TFloatXY(float DefaultX, float DefaultY)
    : FX(DefaultX), FY(DefaultY), IDefaultX(DefaultX), IDefaultY(DefaultY) {}

void TFloatXY::Changed() {
  if (OnChange) OnChange(this);
}

void TFloatXY::SetX(float Value) {
  if (Value == FX) return;
  FX = Value;
  Changed();
}

void TFloatXY::SetY(float Value) {
  if (Value == FY) return;
  FY = Value;
  Changed();
}

void TFloatXY::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TFloatXY*>(Source);
  if (!source) return TPersistent::Assign(Source);
  FX = source->FX;
  FY = source->FY;
}

const TClassInfo* TFloatXYZ::Class() {
  static const TClassInfo* info = TClassDecl<TFloatXYZ>("TFloatXYZ", TFloatXY::Class())
                                      .Prop("Z", &TFloatXYZ::GetZ, &TFloatXYZ::SetZ)
                                      .Stored(&TFloatXYZ::IsZStored);
  return info;
}

TFloatXYZ::TFloatXYZ(float DefaultX, float DefaultY, float DefaultZ)
    : TFloatXY(DefaultX, DefaultY), FZ(DefaultZ), IDefaultZ(DefaultZ) {}

void TFloatXYZ::SetZ(float Value) {
  if (Value == FZ) return;
  FZ = Value;
  Changed();
}

void TFloatXYZ::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TFloatXYZ*>(Source)) FZ = source->FZ;
  TFloatXY::Assign(Source);
}
