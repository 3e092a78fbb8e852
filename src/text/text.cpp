#include "text/text.h"

#include <array>

namespace velt {
namespace {

constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

// Length of the UTF-8 sequence at s[i], or 0 when the bytes there are not a
// valid, shortest-form sequence.
size_t Utf8SequenceLength(std::string_view s, size_t i, char32_t& cp) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char b0 = byte(i);
  size_t len = 0;
  if (b0 < 0x80) {
    cp = b0;
    return 1;
  } else if (b0 >= 0xC2 && b0 <= 0xDF) {
    len = 2;
    cp = b0 & 0x1F;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    len = 3;
    cp = b0 & 0x0F;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    len = 4;
    cp = b0 & 0x07;
  } else {
    return 0;
  }
  if (i + len > s.size()) return 0;
  for (size_t k = 1; k < len; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (byte(i + k) & 0x3F);
  }
  if ((len == 3 && cp < 0x800) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF))) return 0;
  if (cp >= 0xD800 && cp <= 0xDFFF) return 0;
  return len;
}

void AppendCodePoint(Text& out, char32_t cp) {
  if (cp >= 0x10000) {
    cp -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
  } else {
    out.push_back(static_cast<char16_t>(cp));
  }
}

// Decodes UTF-8; a byte that is not part of a valid sequence becomes the
// character invalidByte gives for it.
template <typename InvalidByte>
Text DecodeUtf8(std::string_view bytes, InvalidByte invalidByte) {
  Text out;
  out.reserve(bytes.size());
  size_t i = 0;
  while (i < bytes.size()) {
    char32_t cp = 0;
    const size_t len = Utf8SequenceLength(bytes, i, cp);
    if (len == 0) {
      out.push_back(invalidByte(static_cast<unsigned char>(bytes[i])));
      ++i;
      continue;
    }
    AppendCodePoint(out, cp);
    i += len;
  }
  return out;
}

}  // namespace

char16_t Cp1252ToChar(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kCp1252High[byte - 0x80];
  return static_cast<char16_t>(byte);
}

int CharToCp1252(char16_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
  for (size_t k = 0; k < kCp1252High.size(); ++k) {
    if (kCp1252High[k] == c) return static_cast<int>(0x80 + k);
  }
  return -1;
}

Text DecodeCp1252(std::string_view bytes) {
  Text out;
  out.resize(bytes.size());
  for (size_t i = 0; i < bytes.size(); ++i) {
    out[i] = Cp1252ToChar(static_cast<unsigned char>(bytes[i]));
  }
  return out;
}

namespace {

// Whether byte b breaks UTF-8 where it stands, after the bytes p1, p2, p3
// (p1 the nearest): it must be a continuation byte exactly when a lead byte
// among those three still expects one; C0, C1 and F5-FF never occur; and the
// second byte after E0, ED, F0 or F4 is limited so that overlong forms,
// surrogates and code points above U+10FFFF are refused. Written without
// branches so that the compiler checks many bytes at once.
inline unsigned char Utf8Fault(unsigned char b, unsigned char p1, unsigned char p2,
                               unsigned char p3) {
  const bool continuation = (b & 0xC0) == 0x80;
  const bool expected = (p1 >= 0xC0) | (p2 >= 0xE0) | (p3 >= 0xF0);
  const bool neverValid = (b == 0xC0) | (b == 0xC1) | (b >= 0xF5);
  const bool badSecond = ((p1 == 0xE0) & (b < 0xA0)) | ((p1 == 0xED) & (b > 0x9F)) |
                         ((p1 == 0xF0) & (b < 0x90)) | ((p1 == 0xF4) & (b > 0x8F));
  return static_cast<unsigned char>((continuation != expected) | neverValid | badSecond);
}

// The number of bytes at the end of u[0, n) that begin a sequence the end
// cuts short (0 when none).
size_t CutSequenceLength(const unsigned char* u, size_t n) {
  for (size_t k = 1; k <= 3 && k <= n; ++k) {
    const unsigned char b = u[n - k];
    if (b < 0xC0) continue;  // ASCII or a continuation byte: look further back
    const size_t length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
    return length > k ? k : 0;
  }
  return 0;
}

bool AnyAtLeast(const unsigned char* u, size_t n, unsigned char least) {
  unsigned char any = 0;
  for (size_t i = 0; i < n; ++i)
    any |= static_cast<unsigned char>(u[i] >= least);
  return any != 0;
}

}  // namespace

Utf8Validity CheckUtf8(std::string_view bytes, bool endMayBeCut) {
  const auto* u = reinterpret_cast<const unsigned char*>(bytes.data());
  const size_t n = bytes.size();
  unsigned char fault = 0;
  for (size_t i = 0; i < n && i < 3; ++i) {
    fault |= Utf8Fault(u[i], i >= 1 ? u[i - 1] : 0, i >= 2 ? u[i - 2] : 0, 0);
  }
  // Chunk by chunk, so that bytes that are not UTF-8 stop the check early and
  // an ASCII chunk costs only the test that it is ASCII (and the check of its
  // first bytes, which may be expected to continue the chunk before).
  constexpr size_t kChunk = 4096;
  for (size_t start = 3; start < n && fault == 0; start += kChunk) {
    const size_t end = start + kChunk < n ? start + kChunk : n;
    if (!AnyAtLeast(u + start, end - start, 0x80)) {
      for (size_t i = start; i < start + 3 && i < end; ++i)
        fault |= Utf8Fault(u[i], u[i - 1], u[i - 2], u[i - 3]);
      continue;
    }
    for (size_t i = start; i < end; ++i)
      fault |= Utf8Fault(u[i], u[i - 1], u[i - 2], u[i - 3]);
  }
  const size_t cut = CutSequenceLength(u, n);
  Utf8Validity result;
  result.valid = fault == 0 && (cut == 0 || endMayBeCut);
  // In valid bytes every lead byte before the cut one begins a whole sequence.
  result.multiByte = AnyAtLeast(u, n - cut, 0xC0);
  return result;
}

Text FromUtf8(std::string_view bytes) {
  return DecodeUtf8(bytes, Cp1252ToChar);
}

std::string ToUtf8(TextView text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t cp = text[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = 0xFFFD;
    }
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

namespace {

constexpr char16_t kEscapeBase = 0xDC00;  // + a byte from 0x80 to 0xFF

bool IsHighSurrogate(char32_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char32_t c) {
  return c >= 0xDC00 && c <= 0xDFFF;
}

}  // namespace

Text PathFromNative(std::string_view bytes) {
  // Never an ASCII byte: those are always valid sequences of their own.
  return DecodeUtf8(bytes, [](unsigned char b) { return static_cast<char16_t>(kEscapeBase + b); });
}

std::string PathToNative(TextView path) {
  std::string out;
  out.reserve(path.size());
  size_t start = 0;  // of the run of ordinary text not yet converted
  const auto flush = [&](size_t end) {
    out += ToUtf8(path.substr(start, end - start));
    start = end;
  };
  for (size_t i = 0; i < path.size(); ++i) {
    const char16_t c = path[i];
    if (IsHighSurrogate(c) && i + 1 < path.size() && IsLowSurrogate(path[i + 1])) {
      ++i;  // a pair: ordinary text
      continue;
    }
    if (c >= kEscapeBase + 0x80 && c <= kEscapeBase + 0xFF) {
      flush(i);
      out.push_back(static_cast<char>(c - kEscapeBase));
      start = i + 1;
    }
  }
  flush(path.size());
  return out;
}

}  // namespace velt
