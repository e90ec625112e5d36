// The one record of all program state: the loaded record of the control loop, the current and the
// saved full view, the scales of the last drawing, the mouse selection and two window-shell
// handles. Every real is a single-precision float; arithmetic on the fields is done in double and
// rounded when stored. A value-initialised record (ChartState{}) is all zero, as at program start.
#pragma once

#include <cstdint>

static_assert(sizeof(int) == 4, "counts and indices are 32-bit signed integers");
static_assert(sizeof(float) == 4, "every stored real is IEEE single precision");

struct ScreenPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
  bool operator==(const ScreenPoint&) const = default;
};

struct ChartState {
  // Client area, from the last size notification.
  int clientWidth = 0;
  int clientHeight = 0;

  // The record: sampleCount samples, the same index in every array. The arrays belong to the
  // record from loading to ReleaseChartData.
  int sampleCount = 0;
  float* timeValues = nullptr;
  float* setpointValues = nullptr;
  float* controlValues = nullptr;
  float* outputValues = nullptr;
  float* errorValues = nullptr;  // setpoint - output, per sample

  // Screen points of the visible samples; element k belongs to sample firstIndex + k.
  ScreenPoint* setpointPoints = nullptr;
  ScreenPoint* outputPoints = nullptr;
  ScreenPoint* controlPoints = nullptr;
  ScreenPoint* errorPoints = nullptr;

  // Extremes over the whole record, found once at loading.
  float setpointMin = 0, setpointMax = 0;
  float outputMin = 0, outputMax = 0;
  float controlMin = 0, controlMax = 0;
  float errorMin = 0, errorMax = 0;

  // Visibility flags: 1 drawn, 0 hidden.
  int showSetpoint = 0;
  int showOutput = 0;
  int showError = 0;
  int showControl = 0;

  // Current view: time window.
  int firstIndex = 0;
  int lastIndex = 0;
  float timeOrigin = 0;
  float timeSpan = 0;
  int labelIndexStep = 0;

  // Current view: value window and grid.
  float valueTop = 0;
  float valueBottom = 0;
  float valueRange = 0;
  float gridStep = 0;
  float gridIntervals = 0;

  // Saved full view, written only by FitValueAxis, for the command "100%".
  float fullTop = 0;
  float fullBottom = 0;
  float fullGridIntervals = 0;
  float fullGridStep = 0;

  // Scales of the last drawing: pixels per time unit and per value unit.
  float xScale = 0;
  float yScale = 0;

  // Mouse selection.
  int dragging = 0;
  int anchorX = 0, anchorY = 0;
  int cursorX = 0, cursorY = 0;
  int selLeft = 0, selTop = 0, selRight = 0, selBottom = 0;

  // Window-shell handles, held opaque so that the model stays platform-free: the picture of the
  // last paint (a metafile handle) and the stock label font.
  void* lastPicture = nullptr;
  void* chartFont = nullptr;

  // Working values of single operations.
  float rawTop = 0, rawBottom = 0, workRange = 0, workStep = 0;
  float zoomStartTime = 0, zoomEndTime = 0;
  char labelText[20] = {};

  // Sticky flags of FitValueAxis: once set, they stay set for every later full fit.
  int trimmedFlag = 0;
  int coarseGridFlag = 0;

  bool operator==(const ChartState&) const = default;
};
