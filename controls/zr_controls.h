#pragma once
// Controls of the toolkit as the main window's code drives them: enabled and
// visible state, captions, check state, progress. The text controls, labels,
// buttons, check boxes, radio buttons, tracks and progress bars are the
// toolkit's own, included here for the program's code.

#include <string>
#include <vector>

#include "controls/zr_buttons.h"
#include "controls/zr_checks.h"
#include "controls/zr_labels.h"
#include "controls/zr_progress.h"
#include "controls/zr_scroll_bar.h"
#include "controls/zr_text_control.h"
#include "controls/zr_tracks.h"
#include "platform/rtl/Classes.h"
#include "scene/zr_control.h"
