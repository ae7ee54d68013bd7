#pragma once
// What a series' point stream holds: the flag byte that says which parts
// each point record carries. Only the first 10001 points (colours and
// not-mandatory values) and 101 labels are looked at; later points are
// written with the same flags.

#include <cstdint>

class TChartSeries;

enum TSeriesDataFlag : uint8_t {
  sdfNotMandatory = 1,
  sdfColors = 2,
  sdfLabels = 4,
  sdfMarkPositions = 8,
  sdfPictures = 16,
};

// The series uses its not-mandatory list and a value there differs from
// its point index.
bool HasNoMandatoryValues(const TChartSeries* Series);
// A point has a colour of its own other than the series colour.
bool HasColors(const TChartSeries* Series);
// A label is not empty.
bool HasLabels(const TChartSeries* Series);
// The flag byte of the series' point stream.
uint8_t SeriesGuessContents(TChartSeries* Series);
