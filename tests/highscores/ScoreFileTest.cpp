#include <grp.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>

#include "highscores/FileBytes.h"
#include "support/TestWorld.h"

namespace {

QStringList Column(Levelform& front, int column) {
  QStringList rows;
  for (int r = 0; r < front.List1[column].ListCount(); ++r) rows << front.List1[column].List(r);
  return rows;
}

void SetEntry(Levelform& front, int level, const QString& name, std::int16_t time,
              std::int16_t safety, std::int16_t score) {
  front.HighName[level] = name;
  front.HighTime[level] = time;
  front.HighSafety[level] = safety;
  front.HighScore[level] = score;
}

// The code lines of entries that the tests use, worked out by hand from the code table.
const QByteArray kAnn3000 = "IWFMKZUOTWX";  // level 1: 3000 s, 91 %, 1365
const QByteArray kBo2500 = "MLZQFZVYQBV";   // level 2: 2500 s, 77 %, 1443
const QByteArray kZero[7] = {
    "", "TWFMKJAXDYC", "LAZQFXZFFLY", "XTLTLEFIOOK", "WALRUJDDKMP", "JZTZIYELZEP", "IFEGYPKPRJD"};

// Runs `act` in a child process that has given up root for the user "nobody", as a player
// without special rights; its exit status, -1 when it could not become that player, or -2 when
// it crashed or hung (a fault of the save, never a reason to skip).
int AsAnotherPlayer(const std::function<int()>& act) {
  const pid_t child = ::fork();
  if (child == 0) {
    ::alarm(20);
    const bool dropped =
        ::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0;
    ::_exit(dropped ? act() : 126);
  }
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child) return -1;
  if (!WIFEXITED(status)) return -2;
  return WEXITSTATUS(status) == 126 ? -1 : WEXITSTATUS(status);
}

// What a save told the player, after the words that name the file.
QString Reason(const QString& warning) {
  const QString file = "\"scores.dat\": ";
  const qsizetype at = warning.indexOf(file);
  return at < 0 ? warning : warning.mid(at + file.size()).section('.', 0, 0);
}

const QStringList kDesignNames = {"?", "?", "?", "?", "?", "?"};
const QStringList kDesignNumbers = {"0", "0", "0", "0", "0", "0"};

}  // namespace

/** SaveScores writes twelve lines ending in CR LF: each level's name as it is and the letters
 *  of its digits, thousands first; a level without an entry gets an empty name and the letters
 *  of zero. The old file is replaced whole, leaving nothing else in the folder. */
TEST(ScoreFile, SaveScoresWritesTheExactLinesOfAllSixLevels) {
  TestWorld world;
  Levelform& front = world.front();
  WriteBytes("scores.dat", "an older and much longer file that must not show through\r\n");
  SetEntry(front, 1, "Ann", 3600, 100, 1800);
  SetEntry(front, 3, " O'Neil, \"Jo\"", 1234, 87, 1073);
  // Below every place each number holds more than half of it (1897: 897, 97, 7), so a digit
  // rounded instead of cut would write another letter at every place.
  SetEntry(front, 5, "Max", 1897, 99, 1878);
  front.SaveScores();
  EXPECT_EQ(ReadBytes("scores.dat"),
            "Ann\r\nINFMMJAOLYC\r\n"
            "\r\nLAZQFXZFFLY\r\n"
            " O'Neil, \"Jo\"\r\nNOMYLLAZOMG\r\n"
            "\r\nWALRUJDDKMP\r\n"
            "Max\r\nZEBAIBAULTT\r\n"
            "\r\nIFEGYPKPRJD\r\n");
  EXPECT_EQ(QDir(".").entryList(QDir::Files | QDir::Hidden), QStringList{"scores.dat"});
  EXPECT_TRUE(world.dialogs.warnings.isEmpty());
}

/** Entries of all six levels come back from the file exactly as they were saved, names with
 *  blanks, commas and quotes included, and the table shows them. */
TEST(ScoreFile, AllSixLevelsSurviveARoundTripThroughTheFile) {
  QByteArray saved;
  {
    TestWorld world;
    Levelform& front = world.front();
    SetEntry(front, 1, "Ann", 3600, 100, 1800);
    SetEntry(front, 2, "Bo Li", 2500, 77, 1443);
    SetEntry(front, 3, " O'Neil,", 1234, 87, 1073);
    SetEntry(front, 4, "", 2000, 50, 1000);
    SetEntry(front, 5, "\"Q\"", 3599, 99, 3563);
    SetEntry(front, 6, "Zoe", 1, 1, 0);
    front.SaveScores();
    saved = ReadBytes("scores.dat");
  }
  TestWorld world;
  WriteBytes("scores.dat", saved);
  Levelform& front = world.front();
  front.Show();
  EXPECT_EQ(Column(front, 0), (QStringList{"Ann", "Bo Li", " O'Neil,", "", "\"Q\"", "Zoe"}));
  EXPECT_EQ(Column(front, 1), (QStringList{"0:00", "18:20", "39:26", "26:40", "0:01", "59:59"}));
  EXPECT_EQ(Column(front, 2), (QStringList{"100", "77", "87", "50", "99", "1"}));
  EXPECT_EQ(Column(front, 3), (QStringList{"1800", "1443", "1073", "1000", "3563", "0"}));
  EXPECT_EQ(front.HighTime[5], 3599);
  EXPECT_EQ(front.HighSafety[2], 77);
  EXPECT_EQ(front.HighScore[6], 0);
  EXPECT_EQ(front.HighName[3], " O'Neil,");
}

/** Lines may end in CR LF, LF or CR, and the last one may have no end at all. In a file that
 *  holds CR LF only CR LF ends a line: a lone LF or CR in a name is part of the name, and no
 *  later line moves. */
TEST(ScoreFile, ReadingTakesLinesEndedByCrLfLfOrCr) {
  struct Case {
    const char* name;
    QByteArray bytes;
    QString firstName;
  };
  const Case cases[] = {
      {"CR LF", "Ann\r\n" + kAnn3000 + "\r\nBo\r\n" + kBo2500 + "\r\n", "Ann"},
      {"LF", "Ann\n" + kAnn3000 + "\nBo\n" + kBo2500 + "\n", "Ann"},
      {"CR", "Ann\r" + kAnn3000 + "\rBo\r" + kBo2500 + "\r", "Ann"},
      {"LF and CR, no last end", "Ann\n" + kAnn3000 + "\rBo\n" + kBo2500, "Ann"},
      {"CR LF, a lone LF in a name", "A\nn\r\n" + kAnn3000 + "\r\nBo\r\n" + kBo2500 + "\r\n",
       "A\nn"},
      {"CR LF, a lone CR in a name", "A\rn\r\n" + kAnn3000 + "\r\nBo\r\n" + kBo2500 + "\r\n",
       "A\rn"},
  };
  for (const Case& c : cases) {
    TestWorld world;
    WriteBytes("scores.dat", c.bytes);
    world.front().Show();
    EXPECT_EQ(Column(world.front(), 0), (QStringList{c.firstName, "Bo", "?", "?", "?", "?"}))
        << c.name;
    EXPECT_EQ(Column(world.front(), 1), (QStringList{"10:00", "18:20", "0", "0", "0", "0"}))
        << c.name;
    EXPECT_EQ(Column(world.front(), 3), (QStringList{"1365", "1443", "0", "0", "0", "0"}))
        << c.name;
  }
}

/** A second block of twelve lines replaces what the first gave; an empty file clears nothing;
 *  reading again replaces rows and never adds any. */
TEST(ScoreFile, ALaterBlockReplacesAnEarlierOneAndAnEmptyFileKeepsTheTable) {
  TestWorld world;
  Levelform& front = world.front();
  QByteArray first = "Ann\r\n" + kAnn3000 + "\r\nBo\r\n" + kBo2500 + "\r\n";
  for (int level = 3; level <= 6; ++level) first += "\r\n" + kZero[level] + "\r\n";
  WriteBytes("scores.dat", first + "Cy\r\nYJGVKJAXDYC\r\n");  // level 1 again: 1234 s, 0 %, 0
  front.Show();
  front.ShowIntro();
  const QStringList names = {"Cy", "Bo", "", "", "", ""};
  const QStringList times = {"39:26", "18:20", "60:00", "60:00", "60:00", "60:00"};
  EXPECT_EQ(Column(front, 0), names);
  EXPECT_EQ(Column(front, 1), times);
  EXPECT_EQ(front.HighTime[1], 1234);

  WriteBytes("scores.dat", "");
  front.ShowIntro();
  EXPECT_EQ(Column(front, 0), names);
  EXPECT_EQ(Column(front, 1), times);
  EXPECT_EQ(front.HighScore[2], 1443);
}

/** An entry whose numbers disagree with the score formula keeps its name and shows zeros
 *  (60:00 taken), while the file keeps its changed line. */
TEST(ScoreFile, AnEntryThatFailsTheCheckKeepsItsNameWithZeroNumbers) {
  TestWorld world;
  const QByteArray bytes = "Ann\r\nIWFMKZUOTWW\r\n";  // the last letter changed: score 1364
  WriteBytes("scores.dat", bytes);
  Levelform& front = world.front();
  front.Show();
  EXPECT_EQ(front.List1[0].List(0), "Ann");
  EXPECT_EQ(front.List1[1].List(0), "60:00");
  EXPECT_EQ(front.List1[2].List(0), "0");
  EXPECT_EQ(front.List1[3].List(0), "0");
  EXPECT_EQ(front.HighTime[1] + front.HighSafety[1] + front.HighScore[1], 0);
  EXPECT_EQ(ReadBytes("scores.dat"), bytes);
}

/** Whatever the file holds, the intro reads what it can, leaves the front screen as usable as
 *  ever (intro, Beginner ticked, six rows a column) and shows nothing: a pair of lines is an
 *  entry, a name line whose code line is missing is dropped, and every byte is a character. */
TEST(ScoreFile, ADamagedFileNeverStopsTheIntro) {
  struct Case {
    const char* name;
    QByteArray bytes;
    QString firstName, firstTime, secondName, secondTime;
  };
  const QByteArray oddName("A\0n\xff\xc3(\x7f", 7);
  const QByteArray longName(200000, 'x');
  const Case cases[] = {
      {"ends inside a block", "Ann\r\n" + kAnn3000 + "\r\nBo\r\n", "Ann", "10:00", "?", "0"},
      {"a short code line", "Ann\r\nYJGV\r\n", "Ann", "39:26", "?", "0"},
      {"letters from no group", "Ann\r\nzz!?\x01 \r\n", "Ann", "60:00", "?", "0"},
      {"NUL, 0xFF and broken UTF-8", oddName + "\r\n" + kAnn3000 + "\r\n",
       QString::fromLatin1(oddName), "10:00", "?", "0"},
      {"no line end at all", "Ann", "?", "0", "?", "0"},
      {"a very long line", longName + "\n" + kAnn3000 + "\n", QString::fromLatin1(longName),
       "10:00", "?", "0"},
      {"line ends only", "\n\n\r\r", "", "60:00", "", "60:00"},
      {"line ends only, CR LF among them", "\r\n\n\r\r\r\n", "", "60:00", "?", "0"},
  };
  for (const Case& c : cases) {
    TestWorld world;
    WriteBytes("scores.dat", c.bytes);
    Levelform& front = world.front();
    front.Show();
    EXPECT_TRUE(front.Label6.Caption().startsWith(" Have you got")) << c.name;
    EXPECT_TRUE(front.Option1[0].Value()) << c.name;
    for (int column = 0; column < 5; ++column)
      EXPECT_EQ(front.List1[column].ListCount(), 6) << c.name;
    EXPECT_EQ(front.List1[0].List(0), c.firstName) << c.name;
    EXPECT_EQ(front.List1[1].List(0), c.firstTime) << c.name;
    EXPECT_EQ(front.List1[0].List(1), c.secondName) << c.name;
    EXPECT_EQ(front.List1[1].List(1), c.secondTime) << c.name;
    EXPECT_TRUE(world.dialogs.warnings.isEmpty()) << c.name;
  }
}

/** A name of any bytes, lone line breaks included, goes back into the file byte for byte when
 *  another level's high score rewrites it. */
TEST(ScoreFile, NamesOfAnyBytesAreWrittenBackUnchanged) {
  TestWorld world;
  const QByteArray oddName("A\0n\r\xff\n\xc3(", 8);
  WriteBytes("scores.dat", oddName + "\r\n" + kAnn3000 + "\r\n");
  Levelform& front = world.front();
  front.Show();
  SetEntry(front, 2, "Bo", 2500, 77, 1443);
  front.SaveScores();
  EXPECT_TRUE(ReadBytes("scores.dat")
                  .startsWith(oddName + "\r\n" + kAnn3000 + "\r\nBo\r\n" + kBo2500 + "\r\n"));
}

/** Every file that the intro could read is rewritten by the next save, without a word: a file
 *  gone since, an empty one, one that ends inside a block, one whose entry fails the check, and
 *  one longer than the megabyte that is read (of which only that megabyte counts). */
TEST(ScoreFile, EveryFileTheIntroCouldReadIsRewrittenByASave) {
  // A block of exactly 128 bytes, so that 8192 of them fill the megabyte to its last byte.
  const QByteArray filler(35, 'f');
  QByteArray block = "Ann\r\n" + kAnn3000 + "\r\n\r\n" + kZero[2] + "\r\n" + filler + "\r\n";
  for (int level = 3; level <= 6; ++level) block += kZero[level] + "\r\n\r\n";
  block.chop(2);
  ASSERT_EQ(block.size(), 128);
  const QByteArray beyond = block.repeated(8192) + "Zed\r\n" + kAnn3000 + "\r\n";
  struct Case {
    const char* name;
    QByteArray bytes;  // none: the file is removed after the intro
    QByteArray first, firstCode, third;
  };
  const Case cases[] = {
      {"gone since the intro", {}, "", kZero[1], ""},
      {"empty", "", "", kZero[1], ""},
      {"ends inside a block", "Ann\r\n" + kAnn3000 + "\r\nMax\r\n", "Ann", kAnn3000, ""},
      {"fails the check", "Ann\r\nIWFMKZUOTWW\r\n", "Ann", kZero[1], ""},
      {"longer than a megabyte", beyond, "Ann", kAnn3000, filler},
  };
  for (const Case& c : cases) {
    TestWorld world;
    Levelform& front = world.front();
    WriteBytes("scores.dat", c.bytes);
    front.Show();
    if (c.bytes.isNull()) {
      ASSERT_TRUE(QFile::remove("scores.dat"));
    }
    SetEntry(front, 2, "Bo", 2500, 77, 1443);
    front.SaveScores();
    QByteArray expected = CrLfLines({c.first, c.firstCode, "Bo", kBo2500, c.third, kZero[3]});
    for (int level = 4; level <= 6; ++level) expected += CrLfLines({"", kZero[level]});
    EXPECT_EQ(ReadBytes("scores.dat"), expected) << c.name;
    EXPECT_TRUE(world.dialogs.warnings.isEmpty()) << c.name;
  }
}

/** A folder or a pipe in the file's place: the intro neither hangs nor stops, tells the player
 *  that the scores could not be read, and the table keeps its rows. */
TEST(ScoreFile, AFolderOrAPipeInTheFilesPlaceIsReportedAndSkipped) {
  for (const bool pipe : {false, true}) {
    TestWorld world;
    if (pipe)
      ASSERT_EQ(::mkfifo("scores.dat", 0600), 0);
    else
      ASSERT_TRUE(QDir(".").mkdir("scores.dat"));
    Levelform& front = world.front();
    front.Show();
    EXPECT_TRUE(front.Label6.Caption().startsWith(" Have you got"));
    EXPECT_TRUE(front.Option1[0].Value());
    EXPECT_EQ(Column(front, 0), kDesignNames);
    EXPECT_EQ(Column(front, 3), kDesignNumbers);
    ASSERT_EQ(world.dialogs.warnings.size(), 1) << pipe;
    EXPECT_TRUE(
        world.dialogs.warnings[0].startsWith("The high scores could not be read from "
                                             "\"scores.dat\": "))
        << world.dialogs.warnings[0].toStdString();
  }
}

/** A write that fails part-way leaves the old file whole and no stray file beside it; the
 *  player is told why the high score was not saved. Small and large files fail alike (a large
 *  one goes to the disk at once, a small one at the end). */
TEST(ScoreFile, AFailedRewriteLeavesTheOldFileWholeAndTellsThePlayer) {
  for (const int nameLength : {2, 100000}) {
    TestWorld world;
    Levelform& front = world.front();
    QByteArray old = "Ann\r\n" + kAnn3000 + "\r\n";
    for (int level = 2; level <= 6; ++level) old += "\r\n" + kZero[level] + "\r\n";
    WriteBytes("scores.dat", old);
    front.Show();
    SetEntry(front, 2, QString(nameLength, 'B'), 2500, 77, 1443);

    // Files may grow to 20 bytes only: the rewrite fails in the middle of its lines.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previous = ::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 20;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    front.SaveScores();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, previous);

    EXPECT_EQ(ReadBytes("scores.dat"), old) << nameLength;
    EXPECT_EQ(QDir(".").entryList(QDir::Files | QDir::Hidden), QStringList{"scores.dat"});
    ASSERT_EQ(world.dialogs.warnings.size(), 1) << nameLength;
    EXPECT_TRUE(
        world.dialogs.warnings[0].startsWith("Your high score could not be saved in "
                                             "\"scores.dat\": "));
    EXPECT_EQ(front.HighName[2].size(), nameLength);
  }
}

/** A save never writes into, or replaces, a pipe or a folder that "scores.dat" links to: the
 *  player is told why in the words the reading used, the new entry stays for this session, and
 *  the link and what it names are left as they were. */
TEST(ScoreFile, ALinkToAPipeOrAFolderIsNeverSavedInto) {
  ::alarm(20);  // a pipe opened for writing with nobody reading would wait for ever
  for (const bool pipe : {true, false}) {
    TestWorld world;
    ASSERT_EQ(pipe ? ::mkfifo("elsewhere", 0600) : ::mkdir("elsewhere", 0700), 0);
    ASSERT_TRUE(QFile::link("elsewhere", "scores.dat"));
    Levelform& front = world.front();
    front.Show();
    SetEntry(front, 2, "Bo", 2500, 77, 1443);
    front.SaveScores();

    ASSERT_EQ(world.dialogs.warnings.size(), 2) << pipe;
    EXPECT_TRUE(
        world.dialogs.warnings[1].startsWith("Your high score could not be saved in "
                                             "\"scores.dat\": "));
    EXPECT_EQ(Reason(world.dialogs.warnings[1]), Reason(world.dialogs.warnings[0]));
    EXPECT_EQ(Reason(world.dialogs.warnings[0]),
              pipe ? "it is not a plain file" : "a folder stands in its place");
    EXPECT_EQ(front.HighName[2], "Bo");
    EXPECT_EQ(QFileInfo("scores.dat").symLinkTarget(), QFileInfo("elsewhere").absoluteFilePath());
    EXPECT_EQ(QFileInfo("elsewhere").isDir(), !pipe);
    EXPECT_FALSE(QFileInfo("elsewhere").isFile());
    EXPECT_EQ(
        QDir(".").entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
        (QStringList{"elsewhere", "scores.dat"}));
  }
  ::alarm(0);
}

/** Where the folder refuses a new file or the replacing of the old one (a folder the player may
 *  not write; a shared folder where another player saved last), a file that the player may write
 *  is written in place and the high score is kept without a word; a folder that the player may
 *  write but not list takes the new file. Where neither can be written, or where the player may
 *  not read the file (its other levels' entries unseen), the old file stays whole, owner and
 *  mode included, and the player is told why. Played as a player without root's rights. */
TEST(ScoreFile, AFolderThatRefusesTheReplaceStillKeepsTheHighScore) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to stand for two players";
  struct Case {
    const char* name;
    mode_t folder, file;
    const char* reason;  // why the save failed, or none when it saved
    bool replaced;       // the player's new file took the old one's place
  };
  const Case cases[] = {
      {"a folder the player may not write", 0755, 0666, nullptr, false},
      {"a shared folder where another player saved last", 01777, 0666, nullptr, false},
      {"a folder and a file the player may not write", 0755, 0644, "Permission denied", false},
      {"a file the player may not read, in a folder that allows the replace", 0777, 0600,
       "it could not be read (Permission denied) and is left as it is", false},
      {"a file the player may write but not read", 0777, 0622,
       "it could not be read (Permission denied) and is left as it is", false},
      // The folder cannot be opened to sync its new entry: the save has taken place all the same.
      {"a folder the player may write but not list", 0733, 0666, nullptr, true}};
  for (const Case& c : cases) {
    TestWorld world;
    Levelform& front = world.front();
    // The new file is shorter than the old one: nothing of the old may be left after it.
    QByteArray rest;
    for (int level = 3; level <= 6; ++level) rest += "\r\n" + kZero[level] + "\r\n";
    const QByteArray ann = "Ann\r\n" + kAnn3000 + "\r\n";
    const QByteArray old = ann + "Maximilian\r\n" + kBo2500 + "\r\n" + rest;
    const QByteArray saved = ann + "Bo\r\n" + kBo2500 + "\r\n" + rest;
    WriteBytes("scores.dat", old);
    front.Show();
    SetEntry(front, 2, "Bo", 2500, 77, 1443);
    ASSERT_EQ(::chmod(QFile::encodeName(world.Folder()), c.folder), 0);
    ASSERT_EQ(::chmod("scores.dat", c.file), 0);
    const QString told = c.reason ? QString(
                                        "Your high score could not be saved in "
                                        "\"scores.dat\": %1. It stays in the table until "
                                        "you leave Vantix.")
                                        .arg(c.reason)
                                  : QString();

    const int result = AsAnotherPlayer([&] {
      front.SaveScores();
      const QStringList expected = told.isEmpty() ? QStringList() : QStringList{told};
      return world.dialogs.warnings == expected && front.HighName[2] == "Bo" ? 0 : 1;
    });
    ASSERT_NE(result, -2) << c.name << ": the save crashed or hung";
    if (result == -1) GTEST_SKIP() << "could not give up root";
    EXPECT_EQ(result, 0) << c.name << ": the player was not told " << told.toStdString();
    EXPECT_EQ(ReadBytes("scores.dat"), c.reason ? old : saved) << c.name;
    struct stat st {};
    ASSERT_EQ(::stat("scores.dat", &st), 0);
    EXPECT_EQ(st.st_uid, c.replaced ? 65534u : 0u) << c.name << ": replaced or written in place";
    EXPECT_EQ(st.st_mode & 07777, c.file) << c.name;
    EXPECT_EQ(QDir(".").entryList(QDir::Files | QDir::Hidden), QStringList{"scores.dat"}) << c.name;
  }
}

/** A scores.dat that the intro could not read is not replaced by a later save, even once it can
 *  be read: the table never held its entries, and rewriting it from the table would lose them.
 *  The player is told, in the words the intro used, and keeps the high score for the session.
 *  Where no file is left, or once an intro has read it, a save writes it again. */
TEST(ScoreFile, AFileTheIntroCouldNotReadIsNeverReplaced) {
  TestWorld world;
  Levelform& front = world.front();
  ASSERT_TRUE(QDir(".").mkdir("scores.dat"));
  front.Show();
  ASSERT_EQ(world.dialogs.warnings.size(), 1);
  ASSERT_TRUE(QDir(".").rmdir("scores.dat"));
  const QByteArray file = "Ann\r\n" + kAnn3000 + "\r\n";
  WriteBytes("scores.dat", file);
  SetEntry(front, 2, "Bo", 2500, 77, 1443);
  front.SaveScores();
  EXPECT_EQ(ReadBytes("scores.dat"), file);
  ASSERT_EQ(world.dialogs.warnings.size(), 2);
  EXPECT_EQ(world.dialogs.warnings[1],
            "Your high score could not be saved in \"scores.dat\": it could not be read (a "
            "folder stands in its place) and is left as it is. It stays in the table until you "
            "leave Vantix.");
  EXPECT_EQ(front.HighName[2], "Bo");

  // With no file there any more, nothing can be lost: the save makes one.
  ASSERT_TRUE(QFile::remove("scores.dat"));
  front.SaveScores();
  EXPECT_TRUE(ReadBytes("scores.dat").startsWith("\r\n" + kZero[1] + "\r\nBo\r\n"));
  EXPECT_EQ(world.dialogs.warnings.size(), 2);

  // The next intro reads the file, and from then on a save rewrites it.
  WriteBytes("scores.dat", file);
  front.ShowIntro();
  SetEntry(front, 2, "Bo", 2500, 77, 1443);
  front.SaveScores();
  EXPECT_TRUE(ReadBytes("scores.dat").startsWith(file + "Bo\r\n" + kBo2500 + "\r\n"));
  EXPECT_EQ(world.dialogs.warnings.size(), 2);
}
