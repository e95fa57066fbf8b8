#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>

#include "platform/QtServices.h"

namespace {
QTextBrowser* HelpWindow() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* browser = qobject_cast<QTextBrowser*>(w); browser && browser->isVisible()) return browser;
  return nullptr;
}
}  // namespace

/** F1's help window shows the help file of the working folder; a missing file gives a clear
 *  one-line message in that window instead. */
TEST(Help, TheHelpWindowShowsTheFileOrSaysItIsMissing) {
  QTemporaryDir dir;
  const QString previous = QDir::currentPath();
  QDir::setCurrent(dir.path());
  rt::QtHelp help;

  help.Show("vantix.hlp");
  ASSERT_NE(HelpWindow(), nullptr);
  EXPECT_TRUE(HelpWindow()->toPlainText().contains("could not be opened"));
  EXPECT_EQ(HelpWindow()->toPlainText().count('\n'), 0);

  QFile file("vantix.hlp");
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("<h1>Approach control</h1><p>Bring them down.</p>");
  file.close();
  help.Show("vantix.hlp");
  EXPECT_TRUE(HelpWindow()->toPlainText().contains("Bring them down."));
  QDir::setCurrent(previous);
}
