#include "support/Fakes.h"

#include <algorithm>
#include <cmath>

float FakeClock::Timer() { return static_cast<float>(std::fmod(now_, 86400.0)); }

void FakeClock::Advance(double seconds) { now_ += seconds; }

void FakeEvents::DoEvents() {
  ++yields;
  constexpr int kSpinning = 100000;  // far more than the set-up's yields, one per radar row
  if (clock_.Now() != lastYieldAt_) {
    lastYieldAt_ = clock_.Now();
    stillYields_ = 0;
  } else if (++stillYields_ > kSpinning) {
    spun = true;
    quitting = true;
  }
  if (onYield) onYield();
}

void FakeEvents::Sleep(double seconds) {
  ++sleeps;
  // A little beyond the deadline, so that the single-precision clock passes it.
  clock_.Advance(std::max(seconds, 0.0) + 0.005);
}

float ScriptedRandom::Rnd() {
  ++draws;
  if (onDraw) onDraw();
  if (!script.empty()) {
    const float r = script.front();
    script.pop_front();
    return r;
  }
  if (steady) return *steady;
  return generator_.Rnd();
}

void ScriptedRandom::Randomize(double seed) {
  seeds.push_back(seed);
  generator_.Randomize(seed);
}

bool ScriptedDialogs::MsgBox(const QString& prompt, bool withCancel) {
  msgBoxPrompts.append(prompt);
  msgBoxOfferedCancel.append(withCancel);
  if (onMsgBox) onMsgBox(prompt);
  if (msgBoxAnswers.empty()) return true;
  const bool answer = msgBoxAnswers.front();
  msgBoxAnswers.pop_front();
  return answer;
}

QString ScriptedDialogs::InputBox(const QString& prompt) {
  inputPrompts.append(prompt);
  if (onInputBox) onInputBox(prompt);
  if (inputAnswers.empty()) return QString();
  const QString answer = inputAnswers.front();
  inputAnswers.pop_front();
  return answer;
}
