#pragma once
// Registers the grid unit's classes for streams (idempotent): the cells and
// the string column for streams only, the grids and the header under
// "Grid", the column kinds under "Grid Columns" and the header item under
// "Items".
void RegisterGridControls();
