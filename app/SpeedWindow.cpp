// The governor page's RPM chart window: opened over the page area with K as
// the page takes it and the texts of the language in force.

#include <gtk/gtk.h>

#include <algorithm>
#include <memory>

#include "app/GovernorValues.h"
#include "app/frmInterface.h"
#include "app/frmSpeed.h"
#include "chart/ChartAxis.h"
#include "chart/ChartTitle.h"
#include "controls/zr_buttons.h"
#include "controls/zr_labels.h"
#include "controls/zr_layouts.h"
#include "controls/zr_panels.h"
#include "platform/rtl/SysUtils.h"
#include "platform/vcl/Menus.h"
#include "scene/zr_resources.h"
#include "scene/zr_scene.h"

namespace {

// Height of the window's frame above its client area (the menu bar); 0
// while the window is not made.
int FrameHeight(TForm& Form) {
  if (!Form.HandleAllocated()) return 0;
  int width = 0, height = 0;
  gtk_window_get_size(GTK_WINDOW(Form.Handle()), &width, &height);
  return std::max(0, height - Form.GetClientHeight());
}

void SetLabel(TzrLabel* Label, const std::string& Text) { Label->SetText(UTF8ToUTF16(Text)); }

}  // namespace

void TfrmInterface::btnShowClick(TObject*) {
  auto window = std::make_unique<TfrmSpeed>(this);
  const bool demo = Demo1 && Demo1->GetChecked();
  window->FGovernorValue = GovernorBase(demo, FDeviceData, sizeof FDeviceData);
  window->ControlsScene->SetStyle(SceneStyle);

  float navigation = 0;
  if (auto* panel = dynamic_cast<TzrControl*>(FindComponent("Panel1")))
    navigation = panel->GetWidth();
  window->SetCentered(false);
  window->SetBounds(GetLeft() + static_cast<int>(navigation), GetTop() + FrameHeight(*this),
                    window->GetClientWidth(), window->GetClientHeight());

  window->SpeedChart->GetTitle()->SetCaption(LangText("ChartTitle"));
  window->SpeedChart->GetLeftAxis()->GetAxisTitle()->SetCaption(LangText("ChartLeft"));
  window->SpeedChart->GetRightAxis()->GetAxisTitle()->SetCaption(LangText("ChartRight"));
  window->btnExit->SetText(UTF8ToUTF16(LangText("btn_Exit")));
  SetLabel(window->gearradio, LangText("GearRadio"));
  SetLabel(window->motorploes, LangText("MotorPloes"));
  SetLabel(window->Throttle, LangText("Throttle"));
  SetLabel(window->Rpm, LangText("Rpm"));
  SetLabel(window->PropRPM, LangText("PropRPM"));

  if (Panel6) Panel6->SetVisible(false);
  if (FReportCapture) {
    // Left open for the report, which draws it; freed at the latest with
    // this window, its owner.
    delete FSpeedForm;
    FSpeedForm = window.release();
    FSpeedForm->Show();
    return;
  }
  window->ShowModal();
  window.reset();
  if (Panel6) Panel6->SetVisible(true);
}
