#include "platform/QtServices.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QIcon>
#include <QInputDialog>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QSocketNotifier>
#include <QSoundEffect>
#include <QTextBrowser>
#include <QTime>
#include <QTimer>
#include <QUrl>

#include "platform/Controls.h"
#include <algorithm>
#include <chrono>
#include <thread>
#include <csignal>
#include <unistd.h>

namespace rt {

float SystemClock::Timer() {
  return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay() / 1000.0);
}

double SystemClock::Monotonic() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

namespace {
int signalPipe[2] = {-1, -1};
void OnSignal(int) {
  const char c = 1;
  [[maybe_unused]] ssize_t n = ::write(signalPipe[1], &c, 1);
}
}  // namespace

// The application's quit comes as a Quit event to the application: the desktop session's real
// end sends it. The windows are put away before the application would ask them to close, so
// no close request reaches the game window and no question holds the session's end up.
class QuitWatcher final : public QObject {
 public:
  explicit QuitWatcher(QtEventLoop& loop) : loop_(loop) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Quit && watched == QCoreApplication::instance())
      loop_.EndProgram();
    return false;
  }

 private:
  QtEventLoop& loop_;
};

QtEventLoop::QtEventLoop() : wake_(std::make_unique<QTimer>()) {
  wake_->setSingleShot(true);
  wake_->setTimerType(Qt::PreciseTimer);
  QObject::connect(wake_.get(), &QTimer::timeout, wake_.get(), [] {});
  // A request to save the session's state (a logout that may still be cancelled) is left
  // alone: it is no end, the game has nothing to save and goes on.
  if (auto* app = QCoreApplication::instance()) {
    QObject::connect(app, &QCoreApplication::aboutToQuit, wake_.get(), [this] { quitting_ = true; });
    quit_ = std::make_unique<QuitWatcher>(*this);
    app->installEventFilter(quit_.get());
  }
  if (signalPipe[0] < 0 && ::pipe(signalPipe) == 0) {
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
  }
  if (signalPipe[0] >= 0) {
    signals_ = std::make_unique<QSocketNotifier>(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(signals_.get(), &QSocketNotifier::activated, wake_.get(), [this] {
      char c;
      [[maybe_unused]] ssize_t n = ::read(signalPipe[0], &c, 1);
      EndProgram();
    });
  }
}

QtEventLoop::~QtEventLoop() = default;

void QtEventLoop::DoEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void QtEventLoop::Sleep(double seconds) {
  if (quitting_ || seconds <= 0) return;
  if (seconds < 0.003) {
    // The last moment before a deadline is slept precisely; events wait that long at most.
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
    return;
  }
  // Wake two milliseconds early (or at an event); the caller sleeps the rest.
  wake_->start(std::min(static_cast<int>(seconds * 1000.0) - 2, 1000));
  QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  wake_->stop();
}

void QtEventLoop::EndProgram() {
  quitting_ = true;
  for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
  QCoreApplication::exit(0);
}

namespace {
constexpr const char* kTitle = "Vantix";
}

bool QtDialogs::MsgBox(const QString& prompt, bool withCancel) {
  QMessageBox box(QMessageBox::NoIcon, kTitle, prompt,
                  withCancel ? (QMessageBox::Ok | QMessageBox::Cancel) : QMessageBox::Ok);
  box.setDefaultButton(QMessageBox::Ok);
  return box.exec() == QMessageBox::Ok;
}

QString QtDialogs::InputBox(const QString& prompt) {
  QInputDialog box;
  box.setWindowTitle(kTitle);
  box.setLabelText(prompt);
  box.setInputMode(QInputDialog::TextInput);
  return box.exec() == QDialog::Accepted ? box.textValue() : QString();
}

void QtDialogs::Warn(const QString& text) {
  QMessageBox box(QMessageBox::Warning, kTitle, text, QMessageBox::Ok);
  box.exec();
}

QtSound::QtSound() {
  // Without a sound server the multimedia layer only complains; the game goes on silently.
  QLoggingCategory::setFilterRules("qt.multimedia*=false");
}

QtSound::~QtSound() { qDeleteAll(effects_); }

bool QtSound::Play(const QString& file) {
  QSoundEffect*& effect = effects_[file];
  if (!effect) {
    const QFileInfo info(QDir::current(), file);
    if (!info.isFile()) return false;
    effect = new QSoundEffect;
    effect->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
  }
  if (effect->status() == QSoundEffect::Error) return false;
  effect->play();
  return true;
}

bool QtBrowser::Open(const QString& address) {
  return QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

QtHelp::QtHelp() = default;
QtHelp::~QtHelp() = default;

void QtHelp::Show(const QString& file) {
  if (!window_) {
    window_ = std::make_unique<QTextBrowser>();
    window_->setWindowTitle("Vantix Help");
    window_->setAttribute(Qt::WA_QuitOnClose, false);
    window_->setOpenExternalLinks(false);
    window_->resize(560, 600);
  }
  const QFileInfo info(QDir::current(), file);
  QFile f(info.absoluteFilePath());
  if (info.isFile() && f.open(QIODevice::ReadOnly)) {
    window_->setHtml(QString::fromUtf8(f.read(kMaxHelpBytes)));
  } else {
    window_->setPlainText(QString("The help file %1 could not be opened in %2.")
                              .arg(file, QDir::toNativeSeparators(QDir::currentPath())));
  }
  window_->show();
  window_->raise();
  window_->activateWindow();
}

void RegisterFonts() {
  // Only the regular face: the bold one beside it is bold in its small bitmaps alone (up to
  // 12 px) and draws regular strokes at the 13 px of the panel's bold captions. Asked for bold,
  // the font engine emboldens the regular face, one pixel wider a letter.
  const QString tahoma = "/usr/share/wine/fonts/tahoma.ttf";
  if (QFile::exists(tahoma)) QFontDatabase::addApplicationFont(tahoma);
  // The dialog font of the design: the metric-compatible sans serif reads best at its sizes.
  if (QFontDatabase::hasFamily("Liberation Sans"))
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
  else
    QFont::insertSubstitution("MS Sans Serif", "DejaVu Sans");
  // The controls without a font of their own use the design's default dialog font.
  QApplication::setFont(MakeFont("MS Sans Serif", 8.25));
}

}  // namespace rt
