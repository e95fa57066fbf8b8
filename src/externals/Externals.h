// The program's calls to the outside: sound effects and the two web pages.
#pragma once

#include <QString>
#include <cstdint>

// The product's web page and the scores page beside it.
inline constexpr const char* kProductWebPage = "https://www.vantix.example/vantix";
inline constexpr const char* kScoresPage = "https://www.vantix.example/vantix/scores.asp";

// Plays sound 1 "s1.wav" (warning beep), 2 "s3.wav" (command acknowledged) or 3 "explode.wav"
// (crash or collision) from the working folder; returns at once. Any other number plays nothing
// and gives 0. The callers test the Sound box first.
std::int16_t PlaySoundEffect(std::int16_t SoundNo);

// Hands the product's web page to the browser; the result is not used.
std::int32_t OpenWebSite();

// Hands the scores page with the query (which brings its own "?") to the browser, unchanged.
std::int32_t OpenScoresPage(const QString& Query);
