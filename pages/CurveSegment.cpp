#include "pages/CurveSegment.h"

#include <cmath>

void FillSegment(int* Points, int From, int To) {
  const int low = Points[From], high = Points[To];
  if (low == high) {
    for (int j = From + 1; j < To; ++j) Points[j] = low;
    return;
  }
  const float slope = float(high - low) / float(To - From);
  for (int j = From + 1; j < To; ++j)
    Points[j] = int(std::nearbyint(double(j - From) * double(slope) + low));
}
