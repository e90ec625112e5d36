#include "draw/axis_label.h"
