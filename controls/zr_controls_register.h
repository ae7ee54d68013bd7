#pragma once
// Registers the toolkit's text controls, labels, panels, buttons and window
// controls for streams, by designer category (idempotent). Runs after the
// scene's own registration and before the first form or style sheet is read.
void RegisterStandardControls();
