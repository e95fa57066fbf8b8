// Every test binary runs headless on Qt's offscreen platform at scale factor 1.
#include <gtest/gtest.h>

#include <QApplication>

#include "platform/QtServices.h"

namespace {
// The offscreen platform says what it cannot do (raise a window); that is no test's concern.
QtMessageHandler defaultHandler = nullptr;
void Filter(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.contains("does not support raise") || message.contains("XDG_RUNTIME_DIR")) return;
  defaultHandler(type, context, message);
}
}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QT_SCALE_FACTOR", "1");
  defaultHandler = qInstallMessageHandler(Filter);
  QApplication app(argc, argv);
  rt::RegisterFonts();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
