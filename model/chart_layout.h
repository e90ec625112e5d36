// Pixel positions of the chart layout that drawing and zoom share: the time timeOrigin is drawn at
// x = 50 and the value valueTop at y = 10.
#pragma once

constexpr int kTimeOriginX = 50;
constexpr int kValueTopY = 10;
