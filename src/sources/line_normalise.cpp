#include "sources/line_normalise.h"

namespace velt {
namespace {

constexpr char16_t kUtf8Lead194 = u'\u00C2';   // "Â"
constexpr char16_t kUtf8Lead195 = u'\u00C3';   // "Ã"
constexpr char16_t kUtf8Lead196 = u'\u00C4';   // "Ä"
constexpr char16_t kUtf8LeadLast = u'\u00DF';  // "ß": the last two-byte lead
constexpr char16_t kUtf8Lead226 = u'\u00E2';   // "â"

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

// The character of the two-byte UTF-8 sequence lead, next (both given as
// byte values) when Windows-1252 has it, else 0. Beyond the Latin-1 range
// these are Œ œ Š š Ž ž Ÿ (lead C5), ƒ (C6) and ˆ ˜ (CB).
char16_t Cp1252CharOfPair(int lead, int next) {
  if (next < 0x80 || next > 0xBF) return 0;
  const auto c = static_cast<char16_t>(((lead & 0x1F) << 6) | (next & 0x3F));
  return CharToCp1252(c) >= 0 ? c : 0;
}

// The character of the UTF-8 sequence E2, second, third (given as byte
// values) when Windows-1252 has it, else 0: the punctuation of U+2013-U+203A,
// € (E2 82 AC) and ™ (E2 84 A2).
char16_t Cp1252CharOfTriple(int second, int third) {
  if (second < 0x80 || second > 0xBF || third < 0x80 || third > 0xBF) return 0;
  const auto c = static_cast<char16_t>(0x2000 | ((second & 0x3F) << 6) | (third & 0x3F));
  return CharToCp1252(c) >= 0 ? c : 0;
}

PairRepair RepairLatinPair(char16_t lead, char16_t next) {
  // Leads are the characters of bytes C2-DF, which Windows-1252 keeps at the
  // same code points.
  if (lead < kUtf8Lead194 || lead > kUtf8LeadLast) return {};
  const int x = ByteOf(next);
  if (lead == kUtf8Lead194) {
    if (x >= 160 && x <= 191) return {PairRepair::Replace, next};
    if (x >= 128 && x <= 159) return {PairRepair::Delete};
    return {};
  }
  if (lead == kUtf8Lead195) {
    if (x >= 128 && x <= 191) {
      return {PairRepair::Replace, Cp1252ToChar(static_cast<unsigned char>(x + 64))};
    }
    return {};
  }
  const char16_t c = Cp1252CharOfPair(lead, x);
  return c != 0 ? PairRepair{PairRepair::Replace, c} : PairRepair{};
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

// The ASCII stand-in for the third byte t of "â" + byte 128 + t; empty when
// the table has none.
TextView PunctuationStandIn(int t) {
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

// Appends what "â" + byte 128 + byte t becomes: the table's stand-in, else
// the character itself when Windows-1252 has it († ‡ ‰), else nothing.
void AppendPunctuation(Text& out, int t) {
  const TextView standIn = PunctuationStandIn(t);
  if (!standIn.empty()) {
    out.append(standIn);
  } else if (const char16_t c = Cp1252CharOfTriple(0x80, t); c != 0) {
    out.push_back(c);
  }
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
    if (line[i] != kUtf8Lead226 || i + 1 >= line.size()) {
      out.push_back(line[i]);
      ++i;
      continue;
    }
    if (line[i + 1] == byte128) {
      if (i + 2 >= line.size()) break;  // a sequence cut short by the line end
      AppendPunctuation(out, ByteOf(line[i + 2]));
      i += 3;
      continue;
    }
    // Beyond U+203F only € and ™ are Windows-1252 characters; every other
    // sequence stays as it is.
    const char16_t c = i + 2 < line.size()
                           ? Cp1252CharOfTriple(ByteOf(line[i + 1]), ByteOf(line[i + 2]))
                           : char16_t{0};
    if (c != 0) {
      out.push_back(c);
      i += 3;
    } else {
      out.push_back(line[i]);
      ++i;
    }
  }
  return out;
}

}  // namespace velt
