#pragma once
// What the chart engine does when the program starts and ends: the classes
// that streamed charts name are registered before any form is read, and
// unregistered at the end. Nested calls count; only the outermost acts.

void ChartEngineUnitStart();
void ChartEngineUnitEnd();
