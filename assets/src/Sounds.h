// The game's three sound effects, synthesised as 16-bit mono PCM WAV files.
#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

namespace vantix::art {

constexpr int kSampleRate = 22050;

std::vector<std::int16_t> warningBeep();      // s1.wav: a warning is in the box
std::vector<std::int16_t> acknowledgement();  // s3.wav: the aircraft copied a command
std::vector<std::int16_t> explosion();        // explode.wav: a crash or a collision

// A complete RIFF/WAVE file of the samples at kSampleRate.
QByteArray waveFile(const std::vector<std::int16_t>& samples);

}  // namespace vantix::art
