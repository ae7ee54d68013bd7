#pragma once
// Registers the toolkit's controls for streams, by designer category
// (idempotent). Runs after the scene's own registration and before the first
// form or style sheet is read.

#include <string>
#include <vector>

#include "platform/rtl/Rtti.h"

// One row of the standard registration: the classes of one designer
// category, in the order designers list them; an empty category registers
// the classes with the class registry only (style parts, no designer entry).
struct TzrControlRow {
  std::string Category;
  std::vector<const TClassInfo*> Classes;
};

// Registers each row: under its category, or with the class registry only
// when the category is empty.
void RegisterControlRows(const std::vector<TzrControlRow>& Rows);

// The standard rows in registration order.
const std::vector<TzrControlRow>& StandardControlRows();

// The standard rows, one call per row, then the text edits, layouts, the
// lists unit and the compound controls, then the tab control, grid and tree
// steps; each step runs once per program run.
void RegisterStandardControls();
