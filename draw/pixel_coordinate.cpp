#include "draw/pixel_coordinate.h"
