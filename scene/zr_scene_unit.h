#pragma once
// Start-up and shutdown of the scene toolkit: the program calls
// InitializeScene() before it reads its first form (beside the canvas
// start-up) and FinalizeScene() after its last form is gone.

#include <array>
#include <string>

// Captions of the message popup's buttons, in the order of its buttons:
// "Yes", "No", "OK", "Cancel", "Abort", "Retry", "Ignore", "All", "NoToAll",
// "YesToAll", "Help". Empty outside InitializeScene ... FinalizeScene.
extern std::array<std::u16string, 11> ButtonCaptions;

// Fills ButtonCaptions and registers every class that form and style streams
// name (values, nodes, the resource nodes, the scene window). Runs once, however
// often it is called.
void InitializeScene();
// Frees what the toolkit made on first use (the animation timer) and clears
// ButtonCaptions. Runs once per InitializeScene.
void FinalizeScene();

// Whether the screen composites windows, so that a transparent scene on a form
// can show per-pixel transparency (false without a display).
bool zrScreenComposites();
