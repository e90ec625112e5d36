#include "model/time_window.h"
