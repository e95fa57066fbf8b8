#include "platform/SystemCalls.h"

#include <QString>

#include "platform/Services.h"

namespace rt {

std::int32_t sndPlaySoundA(const char* soundName, std::uint32_t /*flags*/) {
  if (!soundName) return 0;
  return Svc().sound.Play(QString::fromLatin1(soundName)) ? 1 : 0;
}

std::int32_t ShellExecuteA(std::uintptr_t /*owner*/, const char* /*verb*/, const char* file,
                           const char* /*parameters*/, const char* /*directory*/,
                           std::int32_t /*showMode*/) {
  if (!file) return 2;
  return Svc().browser.Open(QString::fromLatin1(file)) ? 42 : 2;
}

}  // namespace rt
