#include "support/Fakes.h"

#include <algorithm>
#include <cmath>

float FakeClock::Timer() { return static_cast<float>(std::fmod(now_, 86400.0)); }

void FakeClock::Advance(double seconds) { now_ += seconds; }

void FakeEvents::DoEvents() {
  ++yields;
  if (onYield) onYield();
}

void FakeEvents::Sleep(double seconds) {
  ++sleeps;
  // A little beyond the deadline, so that the single-precision clock passes it.
  clock_.Advance(std::max(seconds, 0.0) + 0.005);
}

float ScriptedRandom::Rnd() {
  ++draws;
  if (!script.empty()) {
    const float r = script.front();
    script.pop_front();
    return r;
  }
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
  if (inputAnswers.empty()) return QString();
  const QString answer = inputAnswers.front();
  inputAnswers.pop_front();
  return answer;
}
