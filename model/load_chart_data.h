// Loading of the four data files of a record from the current folder, and its release.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/chart_state.h"

// What went wrong while loading, one Windows-1250 text per problem, ready to be shown to the user.
using LoadProblems = std::vector<std::string>;

// Reads "czas.txt", "w_zad.txt", "sterow.txt" and "wyj_obj.txt" from the current folder, derives
// the control error and the extremes, and sets up the first view. The record ends at the last
// sample for which all four files gave a number; when none can be read it is one sample of zeros.
// Either way the chart is usable afterwards.
LoadProblems LoadChartData(ChartState& chart);

// Whether a record of that many samples fits the address space of the 32-bit program.
bool RecordFitsAddressSpace(std::uint64_t samples);

// Releases the nine arrays of the record.
void ReleaseChartData(ChartState& chart);
