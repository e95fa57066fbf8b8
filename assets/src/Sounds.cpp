#include "Sounds.h"

#include <algorithm>
#include <cmath>

#include "Field.h"

namespace vantix::art {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Attack and release ramps so that no sound starts or stops with a click.
double ramp(double t, double length, double attack, double release) {
  if (t < attack) return t / attack;
  if (t > length - release) return std::max(0.0, (length - t) / release);
  return 1.0;
}

std::vector<std::int16_t> toSamples(const std::vector<double>& wave, double peak) {
  double top = 0.0;
  for (double v : wave) top = std::max(top, std::abs(v));
  std::vector<std::int16_t> samples(wave.size());
  const double gain = top > 0.0 ? peak * 32767.0 / top : 0.0;
  std::transform(wave.begin(), wave.end(), samples.begin(),
                 [gain](double v) { return static_cast<std::int16_t>(std::lround(v * gain)); });
  return samples;
}

void appendLe(QByteArray& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.append(static_cast<char>((value >> (8 * i)) & 0xff));
}

}  // namespace

std::vector<std::int16_t> warningBeep() {
  // A bright 1 kHz beep of 0.15 s: short enough to sound once per tick even with Fast.
  constexpr double kLength = 0.15;
  std::vector<double> wave(static_cast<std::size_t>(kLength * kSampleRate));
  for (std::size_t i = 0; i < wave.size(); ++i) {
    const double t = double(i) / kSampleRate;
    const double p = 2.0 * kPi * 1000.0 * t;
    wave[i] =
        ramp(t, kLength, 0.004, 0.02) * (std::sin(p) + std::sin(3 * p) / 4 + std::sin(5 * p) / 9);
  }
  return toSamples(wave, 0.6);
}

std::vector<std::int16_t> acknowledgement() {
  // A radio reply: a burst of squelch, then two rising pips.
  constexpr double kLength = 0.2;
  FixedRandom random(0x5eed0003u);
  std::vector<double> wave(static_cast<std::size_t>(kLength * kSampleRate));
  double hiss = 0.0;
  for (std::size_t i = 0; i < wave.size(); ++i) {
    const double t = double(i) / kSampleRate;
    hiss += 0.5 * (random.symmetric() - hiss);
    double v = 0.0;
    if (t < 0.04) v += 0.5 * hiss * ramp(t, 0.04, 0.002, 0.015);
    if (t >= 0.05 && t < 0.11)
      v += std::sin(2 * kPi * 740.0 * t) * ramp(t - 0.05, 0.06, 0.004, 0.01);
    if (t >= 0.12) v += std::sin(2 * kPi * 988.0 * t) * ramp(t - 0.12, 0.08, 0.004, 0.02);
    wave[i] = v;
  }
  return toSamples(wave, 0.55);
}

std::vector<std::int16_t> explosion() {
  // Noise through a low-pass filter that closes as the blast dies away, over a falling rumble,
  // with a few crackles in the first half.
  constexpr double kLength = 1.0;
  FixedRandom random(0x5eed0005u);
  std::vector<double> wave(static_cast<std::size_t>(kLength * kSampleRate));
  double low = 0.0, lower = 0.0, rumblePhase = 0.0, crackle = 0.0;
  for (std::size_t i = 0; i < wave.size(); ++i) {
    const double t = double(i) / kSampleRate;
    const double cutoff = 200.0 + 3800.0 * std::exp(-t / 0.12);
    const double a = 1.0 - std::exp(-2.0 * kPi * cutoff / kSampleRate);
    low += a * (random.symmetric() - low);
    lower += a * (low - lower);
    rumblePhase += 2.0 * kPi * (35.0 + 40.0 * std::exp(-t / 0.3)) / kSampleRate;
    if (t < 0.5 && random.uniform() < 0.0015) crackle = random.symmetric();
    crackle *= 0.93;
    const double envelope = ramp(t, kLength, 0.003, 0.08);
    wave[i] = envelope * (std::exp(-t / 0.28) * lower * 2.5 +
                          0.6 * std::exp(-t / 0.4) * std::sin(rumblePhase) +
                          0.5 * crackle * std::exp(-t / 0.2));
  }
  return toSamples(wave, 0.9);
}

QByteArray waveFile(const std::vector<std::int16_t>& samples) {
  const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  QByteArray out;
  out.append("RIFF");
  appendLe(out, 36 + dataBytes, 4);
  out.append("WAVE");
  out.append("fmt ");
  appendLe(out, 16, 4);  // chunk size
  appendLe(out, 1, 2);   // PCM
  appendLe(out, 1, 2);   // mono
  appendLe(out, kSampleRate, 4);
  appendLe(out, kSampleRate * 2, 4);  // bytes per second
  appendLe(out, 2, 2);                // bytes per frame
  appendLe(out, 16, 2);               // bits per sample
  out.append("data");
  appendLe(out, dataBytes, 4);
  for (std::int16_t s : samples) appendLe(out, static_cast<std::uint16_t>(s), 2);
  return out;
}

}  // namespace vantix::art
