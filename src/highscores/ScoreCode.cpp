#include "highscores/ScoreCode.h"

#include <algorithm>
#include <cmath>

namespace highscores {

const char* const kScoreCodes[3][6] = {
    {
        // seconds left, levels 1..6
        "TYKIELUXAHWVJTDBNLXCFDAGKXHJSNMGOTVLNHBI",
        "LIMHGRENBXAKWQMLDNOYZBDSTFYJKGQAKRYHULSZ",
        "XNWBRECISATXOIZVECHKLOYMBCJHFPTWNFYJZBRS",
        "WOKVCMLNDJALWGFXKENCLTKNICYBWPRUXJWHNZFC",
        "JZQHFNMLGUZVOAHWDLEKTLWHQONVABZXTRDOFABQ",
        "IBNUJGAOVFFIMBUZTDAKEJDRKPLTISGEMSLFTIAP",
    },
    {
        // safety; the fourth group is never used
        "KMCVHUYNIJJFORPXSLKZAUSDCZFYRNVAJMTFRIXC",
        "FAWDOBCLEHXTPKYECZJDZMOWQRKVPCZPYLXRDSOA",
        "LGXOJKZQRUEUFOWRGVLMFWHPEZJAGVXQBSVTOZPA",
        "UDXHIGAMPCJXKVRODGFSDQNILSYGXKTCFRKUEWDV",
        "IEGOLDQBWHYOKEGIMVWBEMQOJTNKCABOSWAMRTVQ",
        "YNUBKAZMXRPAOHBKWSVEKBWGOIYMTZKNTCDGYVBX",
    },
    {
        // final score
        "XOPALJNCURDVYTQBZELGYQFKLDWNPUCLVBMXIPKG",
        "FYARUQLNPGFJDNQRBLGTLEZWBUHVXCYPRVQSDKJZ",
        "IZSJOVKPHROZRAJKETVGOAZNHKPMXUKYIGTNMDRP",
        "DVUEGWIXQJKIEFNBQSPHMDUTKAFHQJPAJCWVQKUT",
        "LUXONCHKQFZWIRENCBLFEPKIJHDTWBPSYEBCKATW",
        "PJZKQECSDRRFALSQCUDZJYDVWBTNKFDPFAKWTLOX",
    },
};

void FillCodeTable(CodeTable& table) {
  for (int field = 1; field <= 3; ++field)
    for (int level = 1; level <= 6; ++level)
      table[field][level] = QString::fromLatin1(kScoreCodes[field - 1][level - 1]);
}

std::int16_t DecodeDigit(const QString& code, int firstPos, int lastPos, const QString& letter) {
  // Positions outside the string hold no letter, so they match nothing.
  const int from = std::max(firstPos, 1);
  const int to = std::min<qsizetype>(lastPos, code.size());
  for (int k = from; k <= to; ++k)
    if (letter.size() == 1 && code[k - 1] == letter[0])
      return static_cast<std::int16_t>(k - firstPos);
  return 0;
}

namespace {

// The letters of a value's digits, most significant first, from the field's code string. A
// value beyond what the digits can hold is written as the nearest one they can: only a
// damaged entry can get there, and its line stays the 11 letters the page expects.
QString EncodeField(const QString& code, std::int32_t value, int digits) {
  const std::int32_t top = digits == 4 ? 9999 : 999;
  std::int32_t n = std::clamp<std::int32_t>(value, 0, top);
  QString letters;
  for (std::int32_t place = digits == 4 ? 1000 : 100; place >= 1; place /= 10) {
    const auto d = static_cast<std::int32_t>(std::floor(static_cast<double>(n) / place));
    const int group = static_cast<int>(letters.size());
    letters += code.mid(10 * group + d, 1);
    n -= d * place;
  }
  return letters;
}

std::int16_t DecodeField(const QString& code, const QString& line, int firstLetter, int digits) {
  std::int32_t value = 0;
  for (int j = 1; j <= digits; ++j) {
    const int first = 10 * (j - 1) + 1;
    value = value * 10 + DecodeDigit(code, first, first + 9, line.mid(firstLetter + j - 2, 1));
  }
  return static_cast<std::int16_t>(value);
}

}  // namespace

QString EncodeCodeLine(const CodeTable& table, int level, const Entry& entry) {
  return EncodeField(table[1][level], entry.time, 4) +
         EncodeField(table[2][level], entry.safety, 3) +
         EncodeField(table[3][level], entry.score, 4);
}

Entry DecodeCodeLine(const CodeTable& table, int level, const QString& codeLine) {
  Entry e;
  e.time = DecodeField(table[1][level], codeLine, 1, 4);
  e.safety = DecodeField(table[2][level], codeLine, 5, 3);
  e.score = DecodeField(table[3][level], codeLine, 8, 4);
  return e;
}

bool PassesCheck(int level, const Entry& entry) {
  std::int32_t check = std::int32_t{entry.time} * entry.safety;
  check = static_cast<std::int32_t>(std::floor(check / 100.0));
  if (level == 1) check = static_cast<std::int32_t>(std::floor(check / 2.0));
  if (level == 2) check = static_cast<std::int32_t>(std::floor(check * 3 / 4.0));
  return check == entry.score;
}

}  // namespace highscores
