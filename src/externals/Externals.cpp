#include "externals/Externals.h"

#include "platform/Form.h"
#include "platform/SystemCalls.h"

namespace {
std::uintptr_t OwnerWindow() {
  const rt::Form* active = rt::Form::ActiveForm();
  return active ? active->Handle() : 0;
}

std::int32_t OpenAddress(const QString& address) {
  const QByteArray file = address.toLatin1();
  return rt::ShellExecuteA(OwnerWindow(), nullptr, file.constData(), nullptr, "c:\\", rt::kShowNormal);
}
}  // namespace

std::int16_t PlaySoundEffect(std::int16_t SoundNo) {
  const char* file = nullptr;
  switch (SoundNo) {
    case 1: file = "s1.wav"; break;
    case 2: file = "s3.wav"; break;
    case 3: file = "explode.wav"; break;
    default: return 0;
  }
  return static_cast<std::int16_t>(rt::sndPlaySoundA(file, rt::kSndAsync));
}

std::int32_t OpenWebSite() { return OpenAddress(kProductWebPage); }

std::int32_t OpenScoresPage(const QString& Query) { return OpenAddress(kScoresPage + Query); }
