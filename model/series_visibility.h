// Bringing the view in line with the set of visible curves after a curve switch.
#pragma once

#include "model/chart_state.h"

// How the curve logic reaches the main window when the last curve was switched off.
class VisibilityHost {
 public:
  virtual ~VisibilityHost() = default;
  // Shows a modal notice (Windows-1250 text) and returns when the user has closed it.
  virtual void ShowNotice(const char* text, const char* caption) = 0;
  // Sets (1) or clears (0) the check mark of a menu command.
  virtual void SetCheckMark(int commandId, int mark) = 0;
};

// Menu commands of the curve switches, as the check marks know them.
constexpr int CMD_TOGGLE_SETPOINT = 40004;
constexpr int CMD_TOGGLE_OUTPUT = 40005;
constexpr int CMD_TOGGLE_ERROR = 40006;
constexpr int CMD_TOGGLE_CONTROL = 40007;

// The notice shown when the user switched off the last curve, in Windows-1250:
// "Usunięto wszystkie przebiegi !\n Wykres przyjmie domyślną postać."
inline constexpr char kAllCurvesOffNotice[] =
    "Usuni\xEAto wszystkie przebiegi !\n Wykres przyjmie domy\x9Cln\xB9 posta\xE6.";
inline constexpr char kProgramCaption[] = "Lumvo1";

// Stores the unrounded window over the visible curves in valueTop (the greatest of their maxima)
// and valueBottom (the least of their minima), ready for a fit.
void SetWindowOfVisibleCurves(ChartState& chart);

// Returns to the whole record, switches setpoint and output back on when no curve is left (with
// the notice), and fits the value axis to the visible curves, saving it as the full view.
void ApplySeriesVisibility(ChartState& chart, VisibilityHost& host);
