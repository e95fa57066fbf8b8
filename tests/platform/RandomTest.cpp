#include <gtest/gtest.h>

#include "platform/Services.h"

/** Every program start draws the same values; a reseed with the same number at two moments
 *  mixes into the state and never repeats the earlier draws. */
TEST(Random, SameStartEveryRunAndReseedsMixIntoTheState) {
  rt::SeededRandom first, second;
  for (int i = 0; i < 5; ++i) EXPECT_EQ(first.Rnd(), second.Rnd());

  rt::SeededRandom g;
  g.Randomize(36000.5);
  const float a = g.Rnd(), b = g.Rnd();
  g.Randomize(36000.5);
  EXPECT_FALSE(g.Rnd() == a && g.Rnd() == b);

  for (int i = 0; i < 10000; ++i) {
    const float r = g.Rnd();
    ASSERT_GE(r, 0.0f);
    ASSERT_LT(r, 1.0f);
  }
}
