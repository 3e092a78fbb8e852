#include "text/number_format.h"

#include <langinfo.h>
#include <locale.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace velt {
namespace {

// Inserts the separator every three digits from the right of a digit string.
Text GroupDigits(const std::string& digits, char16_t separator) {
  Text out;
  const size_t n = digits.size();
  for (size_t i = 0; i < n; ++i) {
    out.push_back(static_cast<char16_t>(digits[i]));
    const size_t remaining = n - i - 1;
    if (remaining > 0 && remaining % 3 == 0) out.push_back(separator);
  }
  return out;
}

char16_t FirstChar(const char* text, char16_t fallback) {
  if (text == nullptr || text[0] == '\0') return fallback;
  const Text decoded = FromUtf8(text);
  return decoded.empty() ? fallback : decoded[0];
}

}  // namespace

NumberFormat NumberFormat::FromEnvironment() {
  NumberFormat format;
  const locale_t locale = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
  if (locale == static_cast<locale_t>(nullptr)) return format;
  const char* thousands = nl_langinfo_l(THOUSEP, locale);
  const char* radix = nl_langinfo_l(RADIXCHAR, locale);
  if (thousands != nullptr && thousands[0] != '\0') {
    format.thousandsSeparator = FirstChar(thousands, u',');
    format.decimalSeparator = FirstChar(radix, u'.');
  }
  freelocale(locale);
  return format;
}

Text NumberFormat::Grouped(int64_t value) const {
  const bool negative = value < 0;
  const std::string digits = std::to_string(negative ? -(value + 1) + 1ULL : value + 0ULL);
  Text out = GroupDigits(digits, thousandsSeparator);
  if (negative) out.insert(out.begin(), u'-');
  return out;
}

Text NumberFormat::Fixed(double value, int decimals, bool grouping) const {
  if (!std::isfinite(value)) return T(std::to_string(value));
  const bool negative = value < 0;
  // 15 significant digits: d.dddddddddddddde+XX
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
  const std::string text(buffer);
  const size_t ePos = text.find('e');
  std::string mantissa = text.substr(0, 1) + text.substr(2, ePos - 2);  // 15 digits
  const int exponent = std::stoi(text.substr(ePos + 1));
  // Digits of the integer part are mantissa[0 .. exponent]; place the decimal
  // point so that we keep `decimals` digits after it.
  int pointPos = exponent + 1;  // number of integer digits (may be <= 0)
  if (pointPos <= 0) {
    mantissa = std::string(static_cast<size_t>(-pointPos + 1), '0') + mantissa;
    pointPos = 1;
  }
  const size_t keep = static_cast<size_t>(pointPos + decimals);
  if (mantissa.size() < keep + 1) mantissa.append(keep + 1 - mantissa.size(), '0');
  std::string digits = mantissa.substr(0, keep);
  if (mantissa[keep] >= '5') {
    // Round the decimal digit string up by one unit in its last place.
    int i = static_cast<int>(digits.size()) - 1;
    while (i >= 0 && digits[static_cast<size_t>(i)] == '9')
      digits[static_cast<size_t>(i--)] = '0';
    if (i >= 0) {
      ++digits[static_cast<size_t>(i)];
    } else {
      digits = "1" + digits;
      ++pointPos;
    }
  }
  const std::string integerPart = digits.substr(0, static_cast<size_t>(pointPos));
  const std::string fraction = digits.substr(static_cast<size_t>(pointPos));
  const size_t firstDigit = integerPart.find_first_not_of('0');
  const std::string trimmed =
      firstDigit == std::string::npos ? std::string("0") : integerPart.substr(firstDigit);
  Text out = grouping ? GroupDigits(trimmed, thousandsSeparator) : T(trimmed);
  if (decimals > 0) {
    out.push_back(decimalSeparator);
    out += T(fraction);
  }
  const bool allZero = digits.find_first_not_of('0') == std::string::npos;
  if (negative && !allZero) out.insert(out.begin(), u'-');
  return out;
}

Text Decimal(int64_t value) {
  return T(std::to_string(value));
}

Text Str(int64_t value) {
  Text out;
  if (value >= 0) out.push_back(u' ');
  out += Decimal(value);
  return out;
}

int64_t RoundHalfEven(double value) {
  return static_cast<int64_t>(std::nearbyint(value));
}

}  // namespace velt
