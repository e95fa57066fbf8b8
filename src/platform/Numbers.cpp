#include "platform/Numbers.h"

#include <cmath>
#include <limits>

namespace rt {

QColor ToQColor(Colour c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

Colour FromQRgb(unsigned int argb) {
  return Rgb((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

double Val(const QString& text) {
  int i = 0;
  const int n = text.size();
  while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
  QString number;
  if (i < n && (text[i] == '-' || text[i] == '+')) number += text[i++];
  bool digits = false;
  while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
    number += text[i++];
    digits = true;
  }
  if (i < n && text[i] == '.') {
    number += text[i++];
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
      number += text[i++];
      digits = true;
    }
  }
  if (!digits) return 0.0;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    int j = i + 1;
    QString exponent = "e";
    if (j < n && (text[j] == '-' || text[j] == '+')) exponent += text[j++];
    bool expDigits = false;
    while (j < n && text[j].isDigit() && text[j].unicode() < 128) {
      exponent += text[j++];
      expDigits = true;
    }
    if (expDigits) number += exponent;
  }
  bool ok = false;
  const double v = number.toDouble(&ok);
  return ok && std::isfinite(v) ? v : 0.0;
}

double Int(double v) { return std::floor(v); }

namespace {
template <typename T>
T RoundTo(double v) {
  if (std::isnan(v)) return 0;
  const double r = std::nearbyint(v);  // the default rounding mode: halves to even
  if (r <= static_cast<double>(std::numeric_limits<T>::min())) return std::numeric_limits<T>::min();
  if (r >= static_cast<double>(std::numeric_limits<T>::max())) return std::numeric_limits<T>::max();
  return static_cast<T>(r);
}
}  // namespace

std::int16_t CInt(double v) { return RoundTo<std::int16_t>(v); }
std::int32_t CLng(double v) { return RoundTo<std::int32_t>(v); }

QString Dec(long long v) { return QString::number(v); }

QString DecSingle(float v) {
  if (std::isfinite(v) && v == std::floor(v) && std::fabs(v) < 1e7f)
    return QString::number(static_cast<long long>(v));
  return QString::number(static_cast<double>(v), 'g', 7);
}

QString Str(long long v) { return v < 0 ? QString::number(v) : " " + QString::number(v); }

QString Format00(long long v) {
  const QString digits = QString::number(v < 0 ? -v : v).rightJustified(2, '0');
  return v < 0 ? "-" + digits : digits;
}

}  // namespace rt
