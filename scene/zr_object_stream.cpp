// Streaming and cloning entry points of the object tree.

#include "platform/rtl/Rtti.h"
#include "platform/rtl/Streams.h"
#include "scene/zr_classes.h"
#include "scene/zr_object.h"
#include "scene/zr_stream.h"
#include "scene/zr_stream_text.h"

namespace {

bool AllHandled(const std::string&) { return true; }

}  // namespace

void TzrObject::SaveToBinStream(TStream* AStream) {
  TWriter writer(AStream);
  writer.WriteRootComponent(this);
}

void TzrObject::IntSaveToBinStream(TStream* AStream) {
  const std::string name = GetName();
  TComponent::SetName("");
  try {
    SaveToBinStream(AStream);
  } catch (...) {
    TComponent::SetName(name);
    throw;
  }
  TComponent::SetName(name);
}

void TzrObject::LoadFromBinStream(TStream* AStream) {
  TReader reader(AStream);
  reader.OnError = AllHandled;
  reader.ReadRootComponent(this);
}

void TzrObject::IntLoadFromBinStream(TStream* AStream) {
  TReader reader(AStream);
  reader.OnError = AllHandled;
  reader.IgnoreNames = true;
  const bool designing = IsDesigning();
  if (!designing) SetComponentState(GetComponentState() | csDesigning);
  try {
    reader.ReadRootComponent(this);
  } catch (...) {
    if (!designing) SetComponentState(GetComponentState() & ~csDesigning);
    throw;
  }
  if (!designing) SetComponentState(GetComponentState() & ~csDesigning);
}

void TzrObject::LoadFromStream(TStream* AStream) {
  TMemoryStream binary;
  ObjectTextToBinary(AStream, &binary);
  binary.SetPosition(0);
  LoadFromBinStream(&binary);
}

void TzrObject::SaveToStream(TStream* Stream) {
  TMemoryStream binary;
  SaveToBinStream(&binary);
  binary.SetPosition(0);
  ObjectBinaryToText(&binary, Stream);
}

TzrObject* TzrObject::Clone(TComponent* AOwner) {
  TMemoryStream data;
  IntSaveToBinStream(&data);
  data.SetPosition(0);
  TObject* made = ClassType()->Create(AOwner);
  auto* clone = dynamic_cast<TzrObject*>(made);
  if (!clone) {
    delete made;
    return nullptr;
  }
  try {
    clone->IntLoadFromBinStream(&data);
  } catch (...) {
    if (!AOwner) delete clone;
    throw;
  }
  return clone;
}

void TzrObject::CloneChildFromStream(TStream* AStream) {
  TzrObject* design = CreateObjectFromStream(this, AStream);
  if (!design || design->GetChildrenCount() == 0) return;
  DeleteChildren();
  while (design->GetChildrenCount() > 0) {
    TzrObject* child = design->GetChild(0);
    if (child->FIsVisual) {
      if (const TPropInfo* locked = GetPropInfo(child, "Locked")) locked->SetOrd(child, 1);
    }
    child->SetStored(false);
    child->SetParent(this);
  }
  if (design->FIsVisual && FIsVisual) AdoptDesignSize(design);
}
