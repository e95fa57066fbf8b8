// A tutorial driven as the player drives it: Run Tutorial on the front screen, Next >>, Finish,
// and the blink's ticks.
#pragma once

#include <gtest/gtest.h>

#include <QImage>

#include "support/TestWorld.h"

struct TutorialRun {
  TestWorld world;

  Vantix& game() { return world.game(); }
  Tutorial& tutorial() {
    Tutorial* t = world.windows->tutorial();
    EXPECT_NE(t, nullptr) << "the tutorial window is not open";
    return *t;
  }
  void Open() { world.front().Command4.PlayerClick(); }
  void Next(int presses = 1) {
    for (int i = 0; i < presses; ++i) tutorial().Command2.PlayerClick();
  }
  void Tick(int ticks = 1) {
    for (int i = 0; i < ticks; ++i) tutorial().Timer1.Fire();
  }
  // Opens the tutorial and turns to the page, each Next >> pressed during a demonstration
  // frame: the page shows in its normal frame and the next tick brings its demonstration.
  void OpenAt(int page) {
    Open();
    for (int p = 1; p < page; ++p) {
      if (!tutorial().DemoShown) Tick();
      Next();
    }
  }
  void Finish() { tutorial().Command1.PlayerClick(); }

  // Whether anything is drawn at a pixel of the game window (the radar picture aside).
  bool Drawn(int x, int y) { return qAlpha(game().Draw().Layer().pixel(x, y)) != 0; }
  bool NothingDrawn() {
    const QImage& layer = game().Draw().Layer();
    for (int y = 0; y < layer.height(); ++y)
      for (int x = 0; x < layer.width(); ++x)
        if (qAlpha(layer.pixel(x, y))) return false;
    return true;
  }
};
