#include "model/decimal_float.h"
