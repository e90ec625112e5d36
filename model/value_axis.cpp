#include "model/value_axis.h"
