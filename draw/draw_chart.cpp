#include "draw/draw_chart.h"
