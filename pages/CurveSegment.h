#pragma once
// The straight segment between two nodes of a curve editor, as both editors
// and the node extraction of their opener compute it.

// Sets the points strictly between positions From and To (From < To) on the
// straight line between Points[From] and Points[To]: the slope is taken in
// single precision and each point is rounded to the nearest whole number,
// halves to the even one.
void FillSegment(int* Points, int From, int To);
