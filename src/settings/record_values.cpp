#include "settings/record_values.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace velt {
namespace {

std::string_view TrimSpaces(std::string_view s) {
  const size_t first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const size_t last = s.find_last_not_of(' ');
  return s.substr(first, last - first + 1);
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::string_view RecordValue(std::string_view line) {
  const size_t first = line.find_first_not_of(' ');
  if (first != std::string_view::npos && line[first] == '"') {
    const std::string_view rest = line.substr(first + 1);
    const size_t close = rest.rfind('"');
    return close == std::string_view::npos ? rest : rest.substr(0, close);
  }
  return TrimSpaces(line.substr(0, line.find(',')));
}

double LeadingNumber(std::string_view value) {
  size_t i = value.find_first_not_of(' ');
  if (i == std::string_view::npos) return 0;
  bool negative = false;
  if (value[i] == '+' || value[i] == '-') {
    negative = value[i] == '-';
    ++i;
  }
  // The number must start with a digit or with a point followed by a digit;
  // from_chars then takes the longest fixed-notation prefix.
  const bool startsNumber =
      i < value.size() &&
      (IsDigit(value[i]) || (value[i] == '.' && i + 1 < value.size() && IsDigit(value[i + 1])));
  if (!startsNumber) return 0;
  double number = 0;
  const char* const first = value.data() + i;
  const auto [end, error] =
      std::from_chars(first, value.data() + value.size(), number, std::chars_format::fixed);
  if (end == first) return 0;
  if (error == std::errc::result_out_of_range) {
    // Too large when the integer part has a digit other than 0, otherwise too small.
    const std::string_view digits(first, static_cast<size_t>(end - first));
    const std::string_view whole = digits.substr(0, digits.find('.'));
    number = whole.find_first_not_of('0') == std::string_view::npos
                 ? 0
                 : std::numeric_limits<double>::infinity();
  }
  return negative ? -number : number;
}

std::optional<int> RoundToInt16(double number) {
  if (!std::isfinite(number)) return std::nullopt;
  const double rounded = std::nearbyint(number);  // the default mode rounds halves to even
  if (rounded < std::numeric_limits<int16_t>::min() ||
      rounded > std::numeric_limits<int16_t>::max()) {
    return std::nullopt;
  }
  return static_cast<int>(rounded);
}

}  // namespace velt
