#include "fuzz/link_harness.h"

#include <vector>

#include "app/frmInfo.h"
#include "app/frmInterface.h"
#include "controls/XwTimer.h"

class TLinkHarness::TReplyModel : public TSimDeviceModel {
 public:
  TReplyModel(const uint8_t* Data, size_t Size) : FData(Data), FSize(Size) {}
  void OnFrame(const std::vector<uint8_t>&, TSimDevice& device) override { Next(device); }
  bool OnReport(const uint8_t*, size_t, TSimDevice& device) override {
    Next(device);
    return true;
  }
  // One report of the input, when any is left.
  bool Next(TSimDevice& device) {
    if (FPos >= FSize) return false;
    const size_t n = std::min(FSize - FPos, size_t(device.InputReportLength));
    device.ReplyRaw(std::vector<uint8_t>(FData + FPos, FData + FPos + n));
    FPos += n;
    return true;
  }

 private:
  const uint8_t* FData;
  size_t FSize;
  size_t FPos = 0;
};

TLinkHarness::TLinkHarness() {
  Form = std::make_unique<TfrmInterface>(nullptr);
  // The harness runs the link's ticks itself.
  Form->Timer1->SetOnTimer(nullptr);
  TfrmInfo::ModalHandler = [](TfrmInfo&) { return static_cast<int>(mrOk); };
}

TLinkHarness::~TLinkHarness() {
  Form.reset();
  TfrmInfo::ModalHandler = nullptr;
}

TSimDevice& TLinkHarness::PlugReplying(const uint8_t* Data, size_t Size, uint16_t Vendor,
                                       uint16_t Product) {
  auto model = std::make_unique<TReplyModel>(Data, Size);
  FModel = model.get();
  Device = &Adapter.Plug(std::move(model), Vendor, Product);
  return *Device;
}

void TLinkHarness::Arrive() { Form->HidCtlDeviceArrival(); }

void TLinkHarness::QueueRest() {
  while (FModel && FModel->Next(*Device)) {
  }
}
