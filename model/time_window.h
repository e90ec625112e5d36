// The time window over the whole record, shared by loading, curve switches and "100%".
#pragma once

#include "model/chart_state.h"

// Sets the time window to all samples of the record.
void SetFullTimeWindow(ChartState& chart);

// floor((lastIndex - firstIndex) / 5): the index distance between time labels.
int LabelIndexStep(int firstIndex, int lastIndex);
