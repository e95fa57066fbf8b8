// The browser hand-off of the real program. It runs on the X platform, under an X server of the
// test's own (CTest starts one): Qt's offscreen platform hands no address to any browser.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "externals/Externals.h"
#include "platform/QtServices.h"
#include "support/QStringPrinter.h"

/** The scores page's address reaches the system's launcher, xdg-open, as one argument,
 *  percent-encoded, with no shell between: the blanks, "&" and ";" of a player's name stay
 *  inside it. */
TEST(RealBrowser, TheAddressReachesTheLauncherAsOneArgumentWithNoShell) {
  QTemporaryDir folder;
  const QString dir = folder.path();
  // A launcher of our own, first on the path, that notes its arguments one to a line.
  QFile launcher(dir + "/xdg-open");
  ASSERT_TRUE(launcher.open(QIODevice::WriteOnly));
  launcher.write(QString("#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > '%1/args.tmp'\n"
                         "mv '%1/args.tmp' '%1/args'\n")
                     .arg(dir)
                     .toUtf8());
  launcher.close();
  launcher.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  qputenv("PATH", (dir + ":").toUtf8() + qgetenv("PATH"));

  EXPECT_TRUE(rt::QtBrowser().Open(kScoresPage + QString("?name=Jo Ann & Co; Ltd&level=3")));

  ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(dir + "/args"); }, 10000))
      << "no launcher ran";
  QFile args(dir + "/args");
  ASSERT_TRUE(args.open(QIODevice::ReadOnly));
  // The argument count, then each argument.
  EXPECT_EQ(QString::fromUtf8(args.readAll()).split('\n', Qt::SkipEmptyParts),
            QStringList({"1", kScoresPage + QString("?name=Jo%20Ann%20&%20Co;%20Ltd&level=3")}));
}

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
