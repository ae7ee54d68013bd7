#pragma once
// The stack blur shared by the bitmap effects and the blurred shapes: a
// separable triangular filter over the four channels of a premultiplied
// bitmap, computed with running sums so that its cost does not depend on the
// radius.

class TzrCanvas;
class TzrBitmap;

// Blurs Bitmap in place. A tap at distance i (-Radius <= i <= Radius) weighs
// Radius + 1 - |i|; each result is the weighted sum divided by
// (Radius + 1)^2 and truncated, rows first, then columns; positions beyond
// an edge take the edge pixel's value. Radius < 1 leaves the bitmap as it
// is. Canvas is not used; UseAlpha is accepted for the callers' sake, all
// four channels are always blurred.
void Blur(TzrCanvas* Canvas, TzrBitmap* Bitmap, int Radius, bool UseAlpha = true);
