#include "model/series_visibility.h"
