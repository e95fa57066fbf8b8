// Our own stand-ins for the two system calls the game makes: playing a WAV file and handing a
// web address to the browser. They keep the calls' shapes and route them to the services.
#pragma once

#include <cstdint>

namespace rt {

constexpr std::uint32_t kSndAsync = 1;
constexpr std::int32_t kShowNormal = 1;

// Plays the named WAV file; returns at once, nonzero when the sound started.
std::int32_t sndPlaySoundA(const char* soundName, std::uint32_t flags);

// Opens the address (file) with the system's default action, never through a shell; greater
// than 32 when a launcher started.
std::int32_t ShellExecuteA(std::uintptr_t owner, const char* verb, const char* file,
                           const char* parameters, const char* directory, std::int32_t showMode);

}  // namespace rt
