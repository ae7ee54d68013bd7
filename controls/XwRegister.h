#pragma once
// Registers the add-on widgets that forms hold (spin edit and spin button,
// memo, group header) and the two timers for form streams; run once at start,
// before forms are read. Calling it again changes nothing.
void RegisterXwWidgetClasses();
