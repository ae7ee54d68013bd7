#pragma once
// Registers the grid unit's classes for streams (idempotent): the cells and
// the string column for streams only, the grids and the header under
// "Grid", the column kinds under "Grid Columns" and the header item under
// "Items".

#include <vector>

#include "controls/zr_controls_register.h"

// The grid unit's rows in registration order (the first, without category,
// registers with the class registry only).
const std::vector<TzrControlRow>& GridControlRows();
void RegisterGridControls();
