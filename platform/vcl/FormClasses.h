#pragma once
// Registers the framework components that forms hold (main menu and items,
// the hidden list box, file dialogs, status bar) for form streams. Calling it
// again changes nothing.
void RegisterFormComponentClasses();
