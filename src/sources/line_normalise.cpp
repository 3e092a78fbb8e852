#include "sources/line_normalise.h"

namespace velt {
namespace {

constexpr char16_t kUtf8Lead194 = u'\u00C2';  // "Â"
constexpr char16_t kUtf8Lead195 = u'\u00C3';  // "Ã"
constexpr char16_t kUtf8Lead196 = u'\u00C4';  // "Ä"
constexpr char16_t kUtf8Lead226 = u'\u00E2';  // "â"

// The byte value of a Windows-1252 character, or -1.
int ByteOf(char16_t c) {
  return CharToCp1252(c);
}

// What the Latin-1 repair does with the pair lead, next: keep it, delete it, or
// replace it by one character.
struct PairRepair {
  enum { Keep, Delete, Replace } action = Keep;
  char16_t replacement = 0;
};

PairRepair RepairLatinPair(char16_t lead, char16_t next) {
  const int x = ByteOf(next);
  if (lead == kUtf8Lead194 && x >= 160 && x <= 191) return {PairRepair::Replace, next};
  if (lead == kUtf8Lead194 && x >= 128 && x <= 159) return {PairRepair::Delete};
  if (lead == kUtf8Lead195 && x >= 128 && x <= 191) {
    return {PairRepair::Replace, Cp1252ToChar(static_cast<unsigned char>(x + 64))};
  }
  return {};
}

Text DecodeLatinPairs(TextView line) {
  Text out;
  out.reserve(line.size());
  size_t i = 0;
  while (i < line.size()) {
    const PairRepair repair =
        i + 1 < line.size() ? RepairLatinPair(line[i], line[i + 1]) : PairRepair{};
    if (repair.action == PairRepair::Keep) {
      out.push_back(line[i]);
      ++i;
      continue;
    }
    if (repair.action == PairRepair::Replace) out.push_back(repair.replacement);
    i += 2;
  }
  return out;
}

Text DecodeCWithCaron(TextView line) {
  const char16_t byte141 = Cp1252ToChar(141);
  Text out;
  out.reserve(line.size());
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == kUtf8Lead196 && i + 1 < line.size() && line[i + 1] == byte141) {
      out.push_back(u'c');
      ++i;
    } else {
      out.push_back(line[i]);
    }
  }
  return out;
}

// The stand-in for the third byte t of "â" + byte 128 + t; empty to delete.
TextView PunctuationReplacement(int t) {
  static const char16_t kPerMille[] = {Cp1252ToChar(137), 0};
  if (t >= 144 && t <= 147) return u"-";
  if (t == 148) return u" -- ";
  if (t == 149) return u"--";
  if (t == 150) return u"|";
  if (t == 151) return kPerMille;
  if (t >= 152 && t <= 155) return u"'";
  if (t >= 156 && t <= 159) return u"\"";
  if (t == 162) return u" . ";
  if (t == 166) return u"...";
  if (t == 185) return u"<";
  if (t == 186) return u">";
  return u"";
}

}  // namespace

TextView TrimControlChars(TextView line) {
  size_t begin = 0;
  size_t end = line.size();
  while (begin < end && line[begin] <= 32)
    ++begin;
  while (end > begin && line[end - 1] <= 32)
    --end;
  return line.substr(begin, end - begin);
}

Text DecodeUtf8Latin(TextView line) {
  return DecodeCWithCaron(DecodeLatinPairs(line));
}

Text DecodeUtf8Punctuation(TextView line) {
  const char16_t byte128 = Cp1252ToChar(128);
  Text out;
  out.reserve(line.size());
  size_t i = 0;
  while (i < line.size()) {
    if (line[i] != kUtf8Lead226 || i + 1 >= line.size() || line[i + 1] != byte128) {
      out.push_back(line[i]);
      ++i;
      continue;
    }
    if (i + 2 >= line.size()) break;  // a sequence cut short by the line end
    out.append(PunctuationReplacement(ByteOf(line[i + 2])));
    i += 3;
  }
  return out;
}

}  // namespace velt
