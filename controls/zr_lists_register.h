#pragma once
// Registration of the list and tree units' classes for streams and
// designers. Each unit registers once per program run; a second call does
// nothing.

#include <vector>

#include "controls/zr_controls_register.h"

// The lists unit: list, combo, string and image list boxes, their items and
// the HUD variants, in registration order.
const std::vector<TzrControlRow>& ListControlRows();
void RegisterListControls();

// The trees unit: the tree view and its item.
const std::vector<TzrControlRow>& TreeControlRows();
void RegisterTreeControls();
