#include <gtest/gtest.h>

#include "externals/Externals.h"
#include "support/TestWorld.h"

/** Sounds 1, 2 and 3 play their own WAV file by its bare name; any other number plays nothing
 *  and gives 0. */
TEST(Externals, EachSoundNumberPlaysItsFileAndOthersPlayNothing) {
  struct Case {
    std::int16_t number;
    const char* file;  // null: nothing is played
  };
  const Case cases[] = {{0, nullptr},       {1, "s1.wav"}, {2, "s3.wav"},
                        {3, "explode.wav"}, {4, nullptr},  {-1, nullptr}};
  for (const Case& c : cases) {
    TestWorld world;
    const std::int16_t result = PlaySoundEffect(c.number);
    if (c.file) {
      EXPECT_EQ(world.sound.played, QStringList{c.file}) << c.number;
      EXPECT_NE(result, 0) << c.number;
    } else {
      EXPECT_TRUE(world.sound.played.isEmpty()) << c.number;
      EXPECT_EQ(result, 0) << c.number;
    }
  }
}

/** The web pages are the product's "/vantix" page and "scores.asp" beside it; the score query is
 *  joined on exactly as the player's name made it, blanks and "&" unescaped. */
TEST(Externals, WebAddressesReachTheBrowserUnchanged) {
  TestWorld world;
  OpenWebSite();
  const QString query = "?name=Jo Ann & Co=1&level=3";
  OpenScoresPage(query);
  ASSERT_EQ(world.browser.opened.size(), 2);
  EXPECT_TRUE(world.browser.opened[0].endsWith("/vantix")) << world.browser.opened[0].toStdString();
  EXPECT_EQ(world.browser.opened[1], QString(kScoresPage) + query);
  EXPECT_EQ(QString(kScoresPage), world.browser.opened[0] + "/scores.asp");
}
