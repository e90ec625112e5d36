#include "model/zoom.h"
