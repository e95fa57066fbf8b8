#include <gtest/gtest.h>

#include "platform/Numbers.h"

/** Rounding to a whole number takes halves to the even neighbour, in 16 and 32 bits. */
TEST(Numbers, HalvesRoundToTheEvenNeighbour) {
  const struct {
    double value;
    int rounded;
  } cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {0.5, 0}, {1.5, 2},
               {76.67, 77}, {2.4999, 2}, {-0.4, 0}, {40000.0, 32767}, {-40000.0, -32768}};
  for (const auto& c : cases) {
    EXPECT_EQ(rt::CInt(c.value), c.rounded) << c.value;
    if (c.rounded != 32767 && c.rounded != -32768) {
      EXPECT_EQ(rt::CLng(c.value), c.rounded) << c.value;
    }
  }
}

/** The whole part is the next lower whole number, also for negative values. */
TEST(Numbers, WholePartIsTheNextLowerWholeNumber) {
  EXPECT_EQ(rt::Int(2.9), 2);
  EXPECT_EQ(rt::Int(-0.1), -1);
  EXPECT_EQ(rt::Int(-20.566), -21);
  EXPECT_EQ(rt::Int(-3.0), -3);
}

/** The numeric value of a text is its leading number; a text without one is 0. */
TEST(Numbers, NumericValueOfATextIsItsLeadingNumber) {
  const struct {
    const char* text;
    double value;
  } cases[] = {{"270", 270},  {"-5", -5},   {"  12abc", 12}, {"3.25 secs", 3.25}, {"", 0},
               {"abc", 0},    {"-", 0},     {"1e3", 1000},   {"7e", 7},           {".5", 0.5},
               {"Text4", 0},  {"+8", 8},    {"12 34", 12}};
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(rt::Val(c.text), c.value) << c.text;
}

/** Numbers show in the game's formats: two digits with a leading zero, a blank for the sign. */
TEST(Numbers, FormatsOfTheClockTheLabelsAndTheTexts) {
  EXPECT_EQ(rt::Format00(5), "05");
  EXPECT_EQ(rt::Format00(59), "59");
  EXPECT_EQ(rt::Format00(0), "00");
  EXPECT_EQ(rt::Format00(100), "100");
  EXPECT_EQ(rt::Format00(-5), "-05");
  EXPECT_EQ(rt::Str(40), " 40");
  EXPECT_EQ(rt::Str(-5), "-5");
  EXPECT_EQ(rt::Dec(-1), "-1");
  EXPECT_EQ(rt::DecSingle(87.0f), "87");
  EXPECT_EQ(rt::DecSingle(0.5f), "0.5");
}

/** Colours are stored 0x00BBGGRR and convert to and from Qt's colours unchanged. */
TEST(Numbers, ColoursKeepTheirChannelOrder) {
  const rt::Colour c = rt::Rgb(48, 88, 47);
  EXPECT_EQ(c, 0x2F5830);
  EXPECT_EQ(rt::FromQRgb(rt::ToQColor(c).rgb()), c);
}
