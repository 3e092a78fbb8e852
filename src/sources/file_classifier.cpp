#include "sources/file_classifier.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <string_view>

#include "platform/regular_file.h"
#include "platform/run_error.h"
#include "sources/line_reader.h"
#include "sources/source_text.h"

namespace velt {
namespace {

constexpr int kSniffLines = 10;

// Reads up to count bytes from the start of the file into bytes; returns an
// encoding code (kNone when the read succeeded).
int ReadStart(const std::string& path, size_t count, std::string& bytes, int64_t& size) {
  OpenedFile opened = OpenRegularFile(path);
  if (!opened.fd.valid()) {
    if (opened.error == ENOENT) return encoding::kMissing;
    return ErrorFromErrno(opened.error).number == kErrorPermissionDenied
               ? encoding::kPermissionDenied
               : encoding::kCannotOpen;
  }
  size = opened.size;
  bytes.resize(count);
  const int64_t got = ReadFully(opened.fd.get(), bytes.data(), static_cast<int64_t>(count));
  if (got < 0) return encoding::kCannotOpen;
  bytes.resize(static_cast<size_t>(got));
  return encoding::kNone;
}

int EncodingOfMark(std::string_view b, TextView path) {
  const auto byte = [&](size_t i) { return i < b.size() ? static_cast<unsigned char>(b[i]) : -1; };
  if (b.substr(0, 5) == "{\\rtf") return encoding::kRtf;
  if (byte(0) == 0xFF && byte(1) == 0xFE) return encoding::kUtf16Le;
  if (byte(0) == 0xFE && byte(1) == 0xFF) return encoding::kUtf16Be;
  if (byte(0) == 0xEF && byte(1) == 0xBB && byte(2) == 0xBF) return encoding::kUtf8;
  if (byte(0) == 0 && byte(1) == 0 && byte(2) == 0xFE && byte(3) == 0xFF) return encoding::kUtf32Be;
  if (LowerExtension(path) == u"xml") {
    if (byte(0) == '<' && byte(1) != 0) return encoding::kUtf8;
    if (byte(0) == '<' && byte(1) == 0) return encoding::kUtf16Le;
    if (byte(0) == 0 && byte(1) == '<') return encoding::kUtf16Be;
  }
  return encoding::kNone;
}

// The first ten non-empty lines of the file, joined with CR LF; false when
// the file cannot be read.
bool ReadFirstLines(const std::string& path, Text& joined) {
  try {
    LineReader reader(path);
    Text line;
    bool complete = false;
    int lines = 0;
    while (lines < kSniffLines && reader.ReadLine(line, complete)) {
      if (line.empty()) continue;
      if (lines > 0) joined += kCrLf;
      joined += line;
      ++lines;
    }
    return true;
  } catch (const RunErrorException&) {
    return false;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

bool SniffsUtf8(const std::string& path) {
  Text joined;
  if (!ReadFirstLines(path, joined)) return false;
  if (joined.find(u"charset=UTF-8") != Text::npos) return true;
  if (joined.find(u"charset=\"UTF-8\"") != Text::npos) return true;
  // The lead bytes E2 80 of UTF-8 punctuation, read one character per byte.
  const Text leadBytes = {Cp1252ToChar(0xE2), Cp1252ToChar(0x80)};
  return joined.find(leadBytes) != Text::npos;
}

struct ByteScan {
  bool notText = false;
  int lineType = classification::kCrLf;
};

// The anomalous-byte scan: bytes below 32 other than tab, backspace, form
// feed, CR and LF are anomalous. Once past a fifth of the sample size the
// running share is checked against ten times the threshold.
ByteScan ScanBytes(std::string_view bytes, int sampleSize, double threshold, TextFileInfo& info) {
  ByteScan scan;
  int64_t anomalous = 0;
  const int64_t earlyExitStart = sampleSize / 5;
  const int64_t n = static_cast<int64_t>(bytes.size());
  for (int64_t i = 1; i <= n; ++i) {
    const unsigned char c = static_cast<unsigned char>(bytes[static_cast<size_t>(i - 1)]);
    if (c < 32 && c != '\n' && c != '\r' && c != 12 && c != 9 && c != 8) {
      ++anomalous;
      if (info.firstBadByte == 32) {
        info.firstBadByte = c;
        info.firstBadPosition = i;
      }
    }
    if (i > earlyExitStart && anomalous > 0) {
      info.percent = static_cast<double>(anomalous) * 100.0 / static_cast<double>(i);
      if (info.percent > kEarlyExitFactor * threshold) {
        scan.notText = true;
        return scan;
      }
    }
  }
  info.percent =
      anomalous == 0 ? 0.0 : static_cast<double>(anomalous) * 100.0 / static_cast<double>(n);
  scan.notText = info.percent > threshold;
  scan.lineType = LineTypeOfBytes(bytes.data(), bytes.size());
  return scan;
}

}  // namespace

bool HasTextExtension(TextView path) {
  static constexpr std::array<TextView, 11> kTextExtensions = {u"txt",   u"log",  u"xml",   u"htm",
                                                               u"html",  u"shtm", u"shtml", u"xhtm",
                                                               u"xhtml", u"csv",  u"prn"};
  const Text extension = LowerExtension(path);
  for (const TextView known : kTextExtensions) {
    if (extension == known) return true;
  }
  return false;
}

int GetFileEncoding(TextView path, bool charsetSniff) {
  if (path.empty()) return encoding::kEmptyName;
  const std::string native = NativePath(path);
  std::string start;
  int64_t size = 0;
  int code = ReadStart(native, 5, start, size);
  if (code == encoding::kNone && size == 0) code = encoding::kZeroLength;
  if (code == encoding::kNone && size <= 4) code = encoding::kOneToFourBytes;
  if (code == encoding::kNone) code = EncodingOfMark(start, path);
  if (code <= 0 && code != encoding::kMissing && charsetSniff && HasTextExtension(path) &&
      SniffsUtf8(native)) {
    code = encoding::kUtf8;
  }
  return code;
}

int LineTypeOfBytes(const char* bytes, size_t count) {
  const bool seenCr = std::memchr(bytes, '\r', count) != nullptr;
  const bool seenLf = std::memchr(bytes, '\n', count) != nullptr;
  if (seenCr && !seenLf) return classification::kCrOnly;
  if (seenLf && !seenCr) return classification::kLfOnly;
  return classification::kCrLf;
}

int IsTextFile(TextView path, int sampleSize, TextFileInfo& info, double threshold,
               bool charsetSniff) {
  const int code = GetFileEncoding(path, charsetSniff);
  if (code < 0 || code == encoding::kRtf) return code;
  if (code != encoding::kNone && code != encoding::kUtf8) return classification::kUnicode;

  std::string sample;
  int64_t size = 0;
  const int readCode = ReadStart(NativePath(path), static_cast<size_t>(sampleSize), sample, size);
  if (code == encoding::kUtf8) {
    info.utf8 = true;
    // The line type still comes from the sample, so an LF-only UTF-8 file is
    // read line by line.
    return readCode == encoding::kNone ? LineTypeOfBytes(sample.data(), sample.size())
                                       : classification::kCrLf;
  }
  info.percent = 0.0;
  info.firstBadByte = 32;
  if (readCode != encoding::kNone) return readCode;
  if (size == 0 || sample.empty()) return encoding::kZeroLength;
  const ByteScan scan = ScanBytes(sample, sampleSize, threshold, info);
  return scan.notText ? classification::kNotText : scan.lineType;
}

}  // namespace velt
