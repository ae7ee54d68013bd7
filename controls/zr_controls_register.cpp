// Registration of the control classes, one call per designer category, in
// the order designers list them.

#include "controls/zr_controls_register.h"

#include "controls/zr_buttons.h"
#include "controls/zr_angle_button.h"
#include "controls/zr_checks.h"
#include "controls/zr_color_button.h"
#include "controls/zr_compound.h"
#include "controls/zr_grid.h"
#include "controls/zr_grid_register.h"
#include "controls/zr_memo.h"
#include "controls/zr_image_control.h"
#include "controls/zr_labels.h"
#include "controls/zr_number_box.h"
#include "controls/zr_layouts.h"
#include "controls/zr_listbox.h"
#include "controls/zr_panels.h"
#include "controls/zr_popup_buttons.h"
#include "controls/zr_progress.h"
#include "controls/zr_scroll_bar.h"
#include "controls/zr_scroll_box.h"
#include "controls/zr_tab_control.h"
#include "controls/zr_tracks.h"
#include "controls/zr_spin_box.h"
#include "controls/zr_text_box.h"
#include "controls/zr_windows.h"
#include "scene/zr_classes.h"
#include "scene/zr_resources.h"

void RegisterStandardControls() {
  static const bool registered = [] {
    // Style-only classes: known to streams, offered to no designer.
    RegisterClass(TzrSelectionItem::Class());
    RegisterClass(TzrExpanderButton::Class());
    RegisterClass(TzrThumb::Class());
    RegisterZRObjects("Windows",
                      {TzrBackground::Class(), TzrSizeGrip::Class(), TzrCloseButton::Class()});
    RegisterZRObjects("Boxes", {TzrPopupBox::Class()});
    RegisterZRObjects("Controls", {TzrPanel::Class(), TzrCalloutPanel::Class(), TzrLabel::Class(),
                                   TzrValueLabel::Class()});
    RegisterZRObjects("Tool and Status", {TzrStatusBar::Class(), TzrToolBar::Class()});
    RegisterZRObjects("Buttons",
                      {TzrButton::Class(), TzrRoundButton::Class(), TzrCircleButton::Class(),
                       TzrSpeedButton::Class(), TzrCornerButton::Class(), TzrColorButton::Class(),
                       TzrPopupButton::Class()});
    RegisterZRObjects(
        "HUD",
        {TzrHudPanel::Class(), TzrHudWindow::Class(), TzrHudButton::Class(),
         TzrHudSpeedButton::Class(), TzrHudPopupBox::Class(), TzrHudLabel::Class(),
         TzrHudCloseButton::Class(), TzrHudStatusBar::Class(), TzrHudSizeGrip::Class(),
         TzrHudRoundButton::Class(), TzrHudCornerButton::Class(), TzrHudCircleButton::Class()});
    // Check boxes, radio buttons, group boxes, progress, tracks and scroll bars.
    RegisterZRObjects("Boxes", {TzrCheckBox::Class(), TzrPathCheckBox::Class(),
                                TzrRadioButton::Class(), TzrGroupBox::Class()});
    RegisterZRObjects("Controls",
                      {TzrProgressBar::Class(), TzrTrack::Class(), TzrScrollBar::Class(),
                       TzrSmallScrollBar::Class(), TzrAniIndicator::Class(), TzrTrackBar::Class()});
    RegisterZRObjects(
        "HUD", {TzrHudTrack::Class(), TzrHudTrackBar::Class(), TzrHudScrollBar::Class(),
                TzrHudCheckBox::Class(), TzrHudRadioButton::Class(), TzrHudGroupBox::Class()});
    RegisterZRObjects("Text Edits", {TzrTextBox::Class(), TzrRoundTextBox::Class(),
                                     TzrNumberBox::Class(), TzrSpinBox::Class()});
    RegisterZRObjects("HUD", {TzrHudTextBox::Class(), TzrHudNumberBox::Class(),
                              TzrHudRoundTextBox::Class(), TzrHudSpinBox::Class()});
    // Layouts, scroll boxes and lists.
    RegisterZRObjects("Layout", {TzrLayout::Class()});
    RegisterZRObjects("Controls", {TzrScrollBox::Class(), TzrVertScrollBox::Class(),
                                   TzrFramedScrollBox::Class(), TzrFramedVertScrollBox::Class()});
    RegisterZRObjects("Lists", {TzrListBox::Class(), TzrHorzListBox::Class()});
    RegisterZRObjects("Items", {TzrListBoxItem::Class()});
    // Dials, the image control and the compound controls.
    RegisterZRObjects("Controls", {TzrImageControl::Class()});
    RegisterZRObjects("Buttons", {TzrAngleButton::Class()});
    RegisterZRObjects("HUD", {TzrHudAngleButton::Class()});
    RegisterCompoundControls();
    // The memo, grid and combo box as the program drives them.
    RegisterZRObjects("Controls",
                      {TzrMemo::Class(), TzrStringGrid::Class(), TzrComboBox::Class()});
    return true;
  }();
  (void)registered;
  // The tab control's classes follow the standard rows; the grid unit
  // registers its own.
  RegisterTabControls();
  RegisterGridControls();
}
