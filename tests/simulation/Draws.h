// Random draws that steer a tick end: one that starts an emergency (r x 400 above 398) or a
// screen fault (r x 600 above 599), and those that choose an emergency's kind and its count n.
#pragma once

constexpr float kStrike = 0.999f;

inline float KindDraw(int kind) {
  return (kind - 0.5f) / 5.0f;
}

inline float CountDraw(int n) {
  return (n - 5 + 0.5f) / 30.0f;
}
