#include "model/load_chart_data.h"
