#include "tests/link/datalink_fixture.h"

#include "app/frmInterface.h"
#include "controls/zr_controls.h"
#include "controls/zr_memo.h"
#include "platform/rtl/SysUtils.h"

TSimDataLink& DataLinkFixture::PlugDataLink() {
  if (Device) Adapter.Unplug(*Device);  // one adapter at a time: no picker
  auto link = std::make_unique<TSimDataLink>();
  Link = link.get();
  Device = &Adapter.Plug(std::move(link), 0x0483, 0x5720, L"FS DATALINK");
  Device->InputReportLength = 49;
  Device->OutputReportLength = 49;
  return *Link;
}

TSimDataLink& DataLinkFixture::ArriveInMode(void (TfrmInterface::*mode)(TObject*)) {
  TSimDataLink& link = PlugDataLink();
  (Form.get()->*mode)(nullptr);
  Arrive();
  return link;
}

void DataLinkFixture::Tick() { Form->Timer1Timer(Form.get()); }

std::vector<std::string> DataLinkFixture::Lines(const TzrMemo* memo) {
  std::vector<std::string> lines;
  for (const std::u16string& line : memo->GetUnwrapLines()) lines.push_back(UTF16ToUTF8(line));
  return lines;
}

std::string DataLinkFixture::Text(const TzrTextControl* control) {
  return UTF16ToUTF8(control->GetText());
}
