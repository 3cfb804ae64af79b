#pragma once

#include "optimizer/deep/deep_search.h"

namespace vexlin {

class T2DStock;
class TPanels;
class TSchemes;

struct TLowerBound {
  TDeepMeasure Measure = TDeepMeasure::Sheets;
  double Value = 0.0;
};

// The measure of a job: cost in cost mode, otherwise sheets when every sheet type has the
// same size (either way round), otherwise area.
TDeepMeasure JobMeasure(const TPanels& sheets, bool costMode);

// A value no plan of the job can beat, in the job's measure. Parts and sheets as the
// engine holds them during a run: blade width added, part i at index i.
TLowerBound JobLowerBound(const TPanels& parts, const TPanels& sheets, bool costMode);

// One sheet's value in a measure: 1, its area (blade width not included) or its cost.
double SheetValue(const T2DStock& sheet, TDeepMeasure measure);

// A result's value in a measure: its sheets, their area (blade width not included) or cost.
double ResultValue(const TSchemes& result, TDeepMeasure measure);

}  // namespace vexlin
