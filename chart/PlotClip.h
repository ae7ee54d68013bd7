#pragma once
// Clip regions of the chart canvases. Every clip operation pushes a device
// region over the current clip and saves the clip it found in the shared
// ClipRegionHistory; UnClipCanvas undoes one level. Clip and unclip calls
// nest strictly, across canvases too.

#include <span>

#include "chart/PlotCanvas.h"

// Combines Region with the device's clip (Mode: RGN_AND, RGN_XOR or
// RGN_DIFF) after saving the current clip, and deletes Region. A nil
// region does nothing.
void PushClipRegion(gdi::HDC DC, gdi::HRGN Region, int Mode);
void ClipCanvas(TCanvas* ACanvas, const TRect& Rect);
// The last saved clip back, or no clipping when nothing was saved.
void UnClipCanvas(TCanvas* ACanvas);
void ClipEllipse(TPlotCanvas* ACanvas, const TRect& Rect);
void ClipRoundRectangle(TPlotCanvas* ACanvas, const TRect& Rect, int RoundSize);
void ClipPolygon(TPlotCanvas* ACanvas, std::span<const TPoint> Points, int NumPoints);
