// The commands of the panel's command list, by their place in it.
#pragma once

namespace panel {

constexpr int kLeft = 0;
constexpr int kRight = 1;
constexpr int kCircleLeft = 2;
constexpr int kCircleRight = 3;
constexpr int kAltitude = 4;
constexpr int kSpeed = 5;
constexpr int kMaintain = 6;

}  // namespace panel
