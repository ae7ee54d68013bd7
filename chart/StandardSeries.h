#pragma once
// Enters the standard series classes (line, bar, horizontal bar, area,
// point, pie, fast line, horizontal line and horizontal area) into the
// series gallery. The program creates its series in code and does not run
// this at start; it is there for a host that offers the gallery.

void RegisterPlotStandardSeries();
