#include <gtest/gtest.h>

#include <set>

#include "highscores/ScoreCode.h"
#include "support/TestWorld.h"

using highscores::Entry;
using highscores::kScoreCodes;

/** Every code string is 40 capitals in four groups of ten different letters, or a letter would
 *  stand for two digits; the front screen holds them at (field, level) from its creation. */
TEST(ScoreCode, EveryStringHoldsFourGroupsOfTenDifferentCapitalsAndTheFrontScreenHoldsThem) {
  TestWorld world;
  for (int field = 1; field <= 3; ++field) {
    for (int level = 1; level <= 6; ++level) {
      const QString code = kScoreCodes[field - 1][level - 1];
      ASSERT_EQ(code.size(), 40) << field << "," << level;
      for (int group = 0; group < 4; ++group) {
        std::set<QChar> letters;
        for (const QChar c : code.mid(10 * group, 10)) {
          EXPECT_TRUE(c >= 'A' && c <= 'Z') << field << "," << level;
          letters.insert(c);
        }
        EXPECT_EQ(letters.size(), 10u) << field << "," << level << " group " << group + 1;
      }
      EXPECT_EQ(world.front().ScoreCode[field][level], code);
    }
  }
  EXPECT_TRUE(world.front().ScoreCode[0][1].isEmpty());
  EXPECT_TRUE(world.front().ScoreCode[1][0].isEmpty());
}

/** A letter gives its place in the searched group; a letter that is not there, an empty letter
 *  or a table cell that does not exist gives 0. */
TEST(ScoreCode, DecodeDigitGivesTheLettersPlaceInItsGroupAndZeroForAnythingElse) {
  TestWorld world;
  Levelform& front = world.front();
  for (std::int16_t field = 1; field <= 3; ++field) {
    for (std::int32_t level = 1; level <= 6; ++level) {
      for (std::int16_t first = 1; first <= 31; first += 10) {
        std::int16_t last = first + 9;
        for (int d = 0; d < 10; ++d) {
          QString letter = front.ScoreCode[field][level].mid(first - 1 + d, 1);
          std::int16_t digit = -1;
          front.DecodeDigit(field, level, first, last, letter, digit);
          EXPECT_EQ(digit, d) << field << "," << level << " at " << first;
        }
      }
    }
  }
  struct Case {
    std::int16_t field;
    std::int32_t level;
    std::int16_t first;
    QString letter;
  };
  // Field 1 level 1 is "TYKIELUXAH WVJTDBNLXC ...": "W" is in group 2 only, "t" is no capital.
  for (const Case& c :
       {Case{1, 1, 1, "W"}, Case{1, 1, 1, "t"}, Case{1, 1, 1, ""}, Case{1, 1, 41, "T"},
        Case{0, 1, 1, "T"}, Case{4, 1, 1, "T"}, Case{1, 7, 1, "T"}, Case{1, 0, 1, "T"}}) {
    std::int16_t field = c.field, first = c.first, last = static_cast<std::int16_t>(c.first + 9);
    std::int32_t level = c.level;
    QString letter = c.letter;
    std::int16_t digit = -1;
    front.DecodeDigit(field, level, first, last, letter, digit);
    EXPECT_EQ(digit, 0) << c.field << "," << c.level << " " << c.letter.toStdString();
  }
}

/** An entry passes only with the score a won game gets for its time and safety on its level:
 *  half on Beginner, three quarters on Trainee, fractions dropped. */
TEST(ScoreCode, AnEntryPassesTheCheckOnlyWithItsLevelsScore) {
  struct Case {
    int level;
    Entry entry;
    bool passes;
  };
  // 1182 s at 91 % make 1075.62 points, 1075 whole, and half of that 537.5: the half point is
  // dropped, where rounding (to the even 538, or 1076 before halving) would keep it. Only a
  // changed file holds a safety above 100, as 340 %: 12240 points, three times that is 36720,
  // more than 16 bits hold.
  const Case cases[] = {
      {1, {"", 3000, 91, 1365}, true},  {1, {"", 3000, 91, 1364}, false},
      {1, {"", 3000, 91, 1366}, false}, {1, {"", 3000, 91, 2730}, false},
      {2, {"", 2500, 77, 1443}, true},  {2, {"", 2500, 77, 1444}, false},
      {2, {"", 2500, 77, 1925}, false}, {3, {"", 1234, 87, 1073}, true},
      {6, {"", 1234, 87, 1074}, false}, {4, {"", 0, 0, 0}, true},
      {1, {"", 1234, 0, 0}, true},      {5, {"", 9999, 100, 9999}, true},
      {1, {"", 1182, 91, 537}, true},   {1, {"", 1182, 91, 538}, false},
      {2, {"", 3600, 340, 9180}, true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(highscores::PassesCheck(c.level, c.entry), c.passes)
        << "level " << c.level << ": " << c.entry.time << " s, " << c.entry.safety << " %, "
        << c.entry.score;
}
