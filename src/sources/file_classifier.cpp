#include "sources/file_classifier.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <optional>
#include <string_view>

#include "platform/regular_file.h"
#include "sources/line_reader.h"
#include "text/path_text.h"
#include "text/run_error.h"
#include "text/strings.h"

namespace velt {
namespace {

constexpr int kSniffLines = 10;
constexpr size_t kMarkBytes = 5;  // the longest mark: "{\\rtf"

// Reads up to count bytes from the start of the file into bytes; returns
// None when the read succeeded, otherwise why it failed.
Encoding ReadStart(const std::string& path, size_t count, std::string& bytes, int64_t& size) {
  OpenedFile opened = OpenRegularFile(path);
  if (!opened.fd.valid()) {
    if (opened.error == ENOENT) return Encoding::Missing;
    return ErrorFromErrno(opened.error).number == kErrorPermissionDenied
               ? Encoding::PermissionDenied
               : Encoding::CannotOpen;
  }
  size = opened.size;
  bytes.resize(count);
  const int64_t got = ReadFully(opened.fd.get(), bytes.data(), static_cast<int64_t>(count));
  if (got < 0) return Encoding::CannotOpen;
  bytes.resize(static_cast<size_t>(got));
  return Encoding::None;
}

Encoding EncodingOfMark(std::string_view b, TextView path) {
  const auto byte = [&](size_t i) { return i < b.size() ? static_cast<unsigned char>(b[i]) : -1; };
  if (b.substr(0, 5) == "{\\rtf") return Encoding::Rtf;
  if (byte(0) == 0xFF && byte(1) == 0xFE) return Encoding::Utf16Le;
  if (byte(0) == 0xFE && byte(1) == 0xFF) return Encoding::Utf16Be;
  if (byte(0) == 0xEF && byte(1) == 0xBB && byte(2) == 0xBF) return Encoding::Utf8;
  if (byte(0) == 0 && byte(1) == 0 && byte(2) == 0xFE && byte(3) == 0xFF) return Encoding::Utf32Be;
  if (LowerExtension(path) == u"xml") {
    if (byte(0) == '<' && byte(1) != 0) return Encoding::Utf8;
    if (byte(0) == '<' && byte(1) == 0) return Encoding::Utf16Le;
    if (byte(0) == 0 && byte(1) == '<') return Encoding::Utf16Be;
  }
  return Encoding::None;
}

// The codes that say why a file could not be examined.
bool IsUnexamined(Encoding code) {
  switch (code) {
    case Encoding::EmptyName:
    case Encoding::Missing:
    case Encoding::ZeroLength:
    case Encoding::PermissionDenied:
    case Encoding::OneToFourBytes:
    case Encoding::CannotOpen:
      return true;
    default:
      return false;
  }
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
      if (lines > 0) joined += kLineEnd;
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

// Whether the first bytes of a file of size bytes are UTF-8 with at least
// one character beyond ASCII. A sequence cut where the sample ends is no
// fault when the file goes on.
bool IsUtf8Content(std::string_view bytes, int64_t size) {
  const bool cut = size > static_cast<int64_t>(bytes.size());
  const Utf8Validity check = CheckUtf8(bytes, cut);
  return check.valid && check.multiByte;
}

// The encoding of a file and the first bytes it was found from.
struct FileStart {
  Encoding code = Encoding::None;
  // What the code was (None or OneToFourBytes) before the UTF-8 content check
  // made it Utf8; unset when the check did not decide the code.
  std::optional<Encoding> codeBeforeContentCheck;
  std::string bytes;  // the first sampleBytes bytes of the file
  int64_t size = 0;
};

// The charset sniff of the first lines: declared UTF-8, or the lead bytes of
// UTF-8 punctuation, in a file with a text extension that no mark identified
// and that exists.
bool LineSniffFindsUtf8(Encoding code, TextView path, bool charsetSniff) {
  const bool unmarked = code == Encoding::None || IsUnexamined(code);
  return unmarked && code != Encoding::Missing && charsetSniff && HasTextExtension(path) &&
         SniffsUtf8(NativePath(path));
}

// Reads the first sampleBytes bytes of the file once and finds its encoding
// code: from a mark; else, for a file that has bytes to decode, from the
// UTF-8 content check of those bytes; else from the charset sniff of its
// first lines. The content check goes before the sniff, which gives the same
// code, because it needs no more reading: the sniff reads lines, and the
// first "lines" of an LF-only file are long.
FileStart ExamineStart(TextView path, bool charsetSniff, size_t sampleBytes) {
  FileStart start;
  if (path.empty()) {
    start.code = Encoding::EmptyName;
    return start;
  }
  Encoding code =
      ReadStart(NativePath(path), std::max(sampleBytes, kMarkBytes), start.bytes, start.size);
  if (code == Encoding::None && start.size == 0) code = Encoding::ZeroLength;
  if (code == Encoding::None && start.size <= 4) code = Encoding::OneToFourBytes;
  if (code == Encoding::None) code = EncodingOfMark(start.bytes, path);
  if ((code == Encoding::None || code == Encoding::OneToFourBytes) && charsetSniff &&
      IsUtf8Content(start.bytes, start.size)) {
    start.codeBeforeContentCheck = code;
    code = Encoding::Utf8;
  } else if (LineSniffFindsUtf8(code, path, charsetSniff)) {
    code = Encoding::Utf8;
  }
  start.code = code;
  return start;
}

struct ByteScan {
  bool notText = false;
  LineType lineType = LineType::CrLf;
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

// A UTF-8 file that needs no byte scan: the flag, and the line type of its
// sample, so that an LF-only UTF-8 file is read line by line.
TextFileClass Utf8Text(std::string_view sample, TextFileInfo& info) {
  info.utf8 = true;
  return {TextVerdict::Text, Encoding::Utf8, LineTypeOfBytes(sample.data(), sample.size())};
}

// A file whose encoding alone decides that it is not read as text (the byte
// scan never sees it); nullopt for single-byte and UTF-8 files.
std::optional<TextFileClass> ClassByEncoding(Encoding code) {
  if (IsUnexamined(code)) return TextFileClass{TextVerdict::Unexamined, code};
  if (code == Encoding::Rtf) return TextFileClass{TextVerdict::Rtf, code};
  if (code != Encoding::None && code != Encoding::Utf8) {
    return TextFileClass{TextVerdict::Unicode, code};
  }
  return std::nullopt;
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

Encoding GetFileEncoding(TextView path, bool charsetSniff) {
  return ExamineStart(path, charsetSniff, charsetSniff ? kUtf8SampleSize : kMarkBytes).code;
}

LineType LineTypeOfBytes(const char* bytes, size_t count) {
  const bool seenCr = std::memchr(bytes, '\r', count) != nullptr;
  const bool seenLf = std::memchr(bytes, '\n', count) != nullptr;
  if (seenCr && !seenLf) return LineType::CrOnly;
  if (seenLf && !seenCr) return LineType::LfOnly;
  return LineType::CrLf;
}

TextFileClass IsTextFile(TextView path, int sampleSize, TextFileInfo& info, double threshold,
                         bool charsetSniff) {
  const size_t scanSize = sampleSize > 0 ? static_cast<size_t>(sampleSize) : 0;
  const FileStart start =
      ExamineStart(path, charsetSniff, std::max(scanSize, charsetSniff ? kUtf8SampleSize : 0));
  const Encoding code = start.code;
  if (const std::optional<TextFileClass> decided = ClassByEncoding(code)) return *decided;

  const std::string_view sample = std::string_view(start.bytes).substr(0, scanSize);
  // A file found UTF-8 by a mark or the charset sniff skips the byte scan,
  // and so does one of 1 to 4 bytes found UTF-8 by the content check. A
  // larger file found UTF-8 by its bytes alone must still pass the scan: the
  // content check decides how a file is decoded, never whether a file that is
  // not text gets read.
  const bool foundByContent = start.codeBeforeContentCheck == Encoding::None;
  if (code == Encoding::Utf8 && !foundByContent) return Utf8Text(sample, info);
  TextFileInfo scanned = info;
  scanned.percent = 0.0;
  scanned.firstBadByte = 32;
  const ByteScan scan =
      sample.empty() ? ByteScan{} : ScanBytes(sample, sampleSize, threshold, scanned);
  // The content check spared the sniff of the first lines; when the scan
  // refuses the file, that sniff still has its say, as without the check.
  if (scan.notText && foundByContent && LineSniffFindsUtf8(Encoding::None, path, true)) {
    return Utf8Text(sample, info);
  }
  info = scanned;
  if (sample.empty()) return {TextVerdict::Unexamined, Encoding::ZeroLength};
  if (scan.notText) return {TextVerdict::NotText, code};
  if (code == Encoding::Utf8) info.utf8 = true;
  return {TextVerdict::Text, code, scan.lineType};
}

}  // namespace velt
