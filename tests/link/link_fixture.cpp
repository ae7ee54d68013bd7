#include "tests/link/link_fixture.h"

#include <sstream>

#include "app/frmInfo.h"
#include "app/frmInterface.h"
#include "controls/XwTimer.h"
#include "controls/zr_controls.h"
#include "platform/vcl/Timers.h"

LinkFixture::LinkFixture() {
  Form = NewForm();
  TfrmInfo::ModalHandler = [this](TfrmInfo& box) {
    InfoTexts.push_back(UTF16ToUTF8(box.Label1->GetText()));
    return static_cast<int>(mrOk);
  };
}

std::unique_ptr<TfrmInterface> LinkFixture::NewForm() {
  auto form = std::make_unique<TfrmInterface>(nullptr);
  // The tests run the link timer's ticks (and the held device changes)
  // themselves, in a known order: the timers keep their state (on or off) but
  // have no handler to run.
  form->Timer1->SetOnTimer(nullptr);
  form->DeviceChangeTimer->SetOnTimer(nullptr);
  return form;
}

LinkFixture::~LinkFixture() {
  Form.reset();
  TfrmInfo::ModalHandler = nullptr;
}

TSimController& LinkFixture::PlugController(const std::string& model, const std::string& hardware,
                                            const std::string& firmware) {
  auto controller = std::make_unique<TSimController>(model, hardware, firmware);
  Controller = controller.get();
  Device = &Adapter.Plug(std::move(controller));
  return *Controller;
}

void LinkFixture::Arrive() { Form->HidCtlDeviceArrival(); }

TSimController& LinkFixture::Connect(const std::string& model, const std::string& hardware,
                                     const std::string& firmware) {
  TSimController& controller = PlugController(model, hardware, firmware);
  Arrive();
  Form->FBusy = true;
  return controller;
}

std::vector<uint8_t> HexBytes(const std::string& text) {
  std::istringstream in(text);
  std::vector<uint8_t> bytes;
  std::string item;
  while (in >> item) bytes.push_back(static_cast<uint8_t>(std::stoul(item, nullptr, 16)));
  return bytes;
}
