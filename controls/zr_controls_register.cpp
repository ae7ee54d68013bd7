// Registration of the control classes, one call per designer category, in
// the order designers list them.

#include "controls/zr_controls_register.h"

#include "controls/zr_angle_button.h"
#include "controls/zr_buttons.h"
#include "controls/zr_calendar_box.h"
#include "controls/zr_calendar_text_box.h"
#include "controls/zr_checks.h"
#include "controls/zr_color_button.h"
#include "controls/zr_color_panel.h"
#include "controls/zr_inspector.h"
#include "controls/zr_combo_box.h"
#include "controls/zr_combo_text_box.h"
#include "controls/zr_compound.h"
#include "controls/zr_drop_target.h"
#include "controls/zr_expander.h"
#include "controls/zr_glyph_buttons.h"
#include "controls/zr_grid_layout.h"
#include "controls/zr_grid_register.h"
#include "controls/zr_image_control.h"
#include "controls/zr_image_viewer.h"
#include "controls/zr_iphone_button.h"
#include "controls/zr_labels.h"
#include "controls/zr_layouts.h"
#include "controls/zr_listbox.h"
#include "controls/zr_lists_register.h"
#include "controls/zr_memo.h"
#include "controls/zr_non_zr_layout.h"
#include "controls/zr_number_box.h"
#include "controls/zr_panels.h"
#include "controls/zr_popup_buttons.h"
#include "controls/zr_progress.h"
#include "controls/zr_scaled_layout.h"
#include "controls/zr_scroll_bar.h"
#include "controls/zr_scroll_box.h"
#include "controls/zr_spin_box.h"
#include "controls/zr_split_layout.h"
#include "controls/zr_splitter.h"
#include "controls/zr_state_button.h"
#include "controls/zr_tab_control.h"
#include "controls/zr_text_box.h"
#include "controls/zr_tracks.h"
#include "controls/zr_windows.h"
#include "scene/zr_classes.h"
#include "scene/zr_resources.h"

void RegisterControlRows(const std::vector<TzrControlRow>& Rows) {
  for (const TzrControlRow& row : Rows) {
    if (!row.Category.empty()) {
      RegisterZRObjects(row.Category, row.Classes);
      continue;
    }
    // Known to streams, offered to no designer.
    for (const TClassInfo* c : row.Classes) RegisterClass(c);
  }
}

const std::vector<TzrControlRow>& StandardControlRows() {
  static const std::vector<TzrControlRow> rows = {
      {"", {TzrSelectionItem::Class(), TzrThumb::Class(), TzrExpanderButton::Class()}},
      {"Windows", {TzrBackground::Class(), TzrSizeGrip::Class(), TzrCloseButton::Class()}},
      {"Boxes",
       {TzrCheckBox::Class(), TzrPathCheckBox::Class(), TzrRadioButton::Class(),
        TzrGroupBox::Class(), TzrPopupBox::Class()}},
      {"Controls",
       {TzrPanel::Class(), TzrCalloutPanel::Class(), TzrLabel::Class(), TzrValueLabel::Class(),
        TzrImageControl::Class(), TzrProgressBar::Class(), TzrTrack::Class(), TzrScrollBar::Class(),
        TzrSmallScrollBar::Class(), TzrAniIndicator::Class(), TzrExpander::Class(),
        TzrTrackBar::Class(), TzrSplitter::Class()}},
      {"Tool and Status",
       {TzrStatusBar::Class(), TzrToolBar::Class(), TzrToolButton::Class(),
        TzrToolPathButton::Class()}},
      {"Buttons",
       {TzrButton::Class(), TzrRoundButton::Class(), TzrCircleButton::Class(),
        TzrBitmapButton::Class(), TzrPathButton::Class(), TzrSpeedButton::Class(),
        TzrCornerButton::Class(), TzrColorButton::Class(), TzrAngleButton::Class(),
        TzrBitmapStateButton::Class(), TzrPopupButton::Class()}},
      {"HUD",
       {TzrHudPanel::Class(), TzrHudWindow::Class(), TzrHudButton::Class(),
        TzrHudSpeedButton::Class(), TzrHudAngleButton::Class(), TzrHudTrack::Class(),
        TzrHudTrackBar::Class(), TzrHudScrollBar::Class(), TzrHudPopupBox::Class(),
        TzrHudLabel::Class(), TzrHudCheckBox::Class(), TzrHudRadioButton::Class(),
        TzrHudGroupBox::Class(), TzrHudCloseButton::Class(), TzrHudStatusBar::Class(),
        TzrHudSizeGrip::Class(), TzrHudRoundButton::Class(), TzrHudCornerButton::Class(),
        TzrHudCircleButton::Class()}},
  };
  return rows;
}

void RegisterStandardControls() {
  static const bool registered = [] {
    RegisterControlRows(StandardControlRows());
    // Text edits, layouts, scroll boxes, lists and the compound controls.
    RegisterZRObjects("Text Edits", {TzrTextBox::Class(), TzrRoundTextBox::Class(),
                                     TzrNumberBox::Class(), TzrSpinBox::Class(), TzrMemo::Class()});
    RegisterZRObjects(
        "HUD", {TzrHudTextBox::Class(), TzrHudNumberBox::Class(), TzrHudRoundTextBox::Class(),
                TzrHudSpinBox::Class(), TzrHudMemo::Class()});
    RegisterZRObjects("Layout", {TzrLayout::Class(), TzrScaledLayout::Class(),
                                 TzrGridLayout::Class(), TzrSplitLayout::Class()});
    RegisterZRObjects("Layout", {TzrNonZRLayout::Class()});
    RegisterZRObjects("Controls", {TzrScrollBox::Class(), TzrVertScrollBox::Class(),
                                   TzrFramedScrollBox::Class(), TzrFramedVertScrollBox::Class()});
    RegisterListControls();
    // The text boxes with a drop-down or a clear button.
    RegisterZRObjects("Text Edits", {TzrComboTextBox::Class(), TzrComboTrackBar::Class(),
                                     TzrTextBoxClearBtn::Class()});
    RegisterZRObjects("HUD", {TzrHudComboTextBox::Class(), TzrHudComboTrackBar::Class()});
    // The date boxes join the boxes and the text edits.
    RegisterZRObjects("Boxes", {TzrCalendarBox::Class()});
    RegisterZRObjects("Text Edits", {TzrCalendarTextBox::Class()});
    RegisterZRObjects("Ext. Controls",
                      {TzrIPhoneButton::Class(), TzrDropTarget::Class(), TzrImageViewer::Class()});
    RegisterCompoundControls();
    return true;
  }();
  (void)registered;
  // The tab control's classes follow the standard rows; the grid and tree
  // units register their own.
  RegisterTabControls();
  RegisterGridControls();
  RegisterTreeControls();
  RegisterColorControls();
  RegisterInspector();
}
