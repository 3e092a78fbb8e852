// The text-file classifier: encoding marks, RTF, the charset sniff of text
// files, the UTF-8 content check, and the byte scan that tells text from
// binary and finds the line-end type.
#pragma once

#include <cstdint>
#include <string>

#include "text/text.h"

namespace velt {

inline constexpr int kSampleSize = 16384;
inline constexpr double kFileSourceThreshold = 1.0;  // percent of anomalous bytes
inline constexpr double kStrictThreshold = 0.0;      // words files and docx text
inline constexpr int kEarlyExitFactor = 10;
inline constexpr double kNoHintPercentage = 9.0;
inline constexpr int64_t kHintSizeLimit = 102400;

// The hint a not-text message ends with for a file that may hold text in a
// format of its own: a small file with few anomalous bytes.
inline constexpr TextView kClipboardHint =
    u"You could try reading it using its associated application, then copying the text and "
    u"pasting it into the textbox (then copy it to the clipboard and select 'Clipboard' as the "
    u"source).";

inline bool OffersClipboardHint(double anomalousPercent, int64_t size) {
  return anomalousPercent < kNoHintPercentage && size > 0 && size < kHintSizeLimit;
}
// How much of a file the UTF-8 content check examines.
inline constexpr size_t kUtf8SampleSize = 65536;

// What GetFileEncoding finds: why the file could not be examined, or the
// encoding its first bytes show.
enum class Encoding {
  EmptyName,         // no path was given
  Missing,           // no such file
  ZeroLength,        // the file has no bytes
  PermissionDenied,  // the file may not be read
  OneToFourBytes,    // the file holds only 1 to 4 bytes, too few for a mark
  CannotOpen,        // not a regular file, or opening or reading it failed
  None,              // no mark: single-byte (Windows-1252) text
  Utf16Le,           // UTF-16, little-endian
  Utf16Be,           // UTF-16, big-endian
  Utf8,              // UTF-8 (by mark, charset sniff or content check)
  Utf32Be,           // UTF-32, big-endian
  Rtf,               // an RTF document ("{\\rtf")
};

// How the lines of a text file end.
enum class LineType {
  CrLf,    // CR LF, or no line ends at all
  LfOnly,  // LF alone ("Unix-type")
  CrOnly,  // CR alone ("Macintosh-type")
};

// What IsTextFile makes of a file.
enum class TextVerdict {
  Text,        // a text file: lineType tells how its lines end
  NotText,     // too many anomalous bytes: not a text file
  Unicode,     // UTF-16 or UTF-32, a Unicode encoding other than UTF-8
  Rtf,         // an RTF document
  Unexamined,  // the file could not be examined: encoding tells why
};

struct TextFileClass {
  TextVerdict verdict = TextVerdict::Text;
  // The encoding found; for Unexamined the reason (ZeroLength also when no
  // bytes could be scanned).
  Encoding encoding = Encoding::None;
  LineType lineType = LineType::CrLf;  // CrLf unless the verdict is Text

  bool operator==(const TextFileClass&) const = default;
};

// The encoding of the file at path (paths are texts; "/" separates). With
// charsetSniff, a file of a text extension is UTF-8 when one of its first ten
// non-empty lines declares it or holds the lead bytes E2 80 of UTF-8
// punctuation; and any file that no mark identifies (None or OneToFourBytes)
// is UTF-8 when its first kUtf8SampleSize bytes are valid UTF-8 with at least
// one character beyond ASCII.
Encoding GetFileEncoding(TextView path, bool charsetSniff);

// True for the extensions txt, log, xml, htm, html, shtm, shtml, xhtm, xhtml,
// csv and prn (compared lower-cased).
bool HasTextExtension(TextView path);

struct TextFileInfo {
  int firstBadByte = 32;         // 32 until an anomalous byte is met
  int64_t firstBadPosition = 0;  // 1-based
  double percent = 0.0;          // share of anomalous bytes in the bytes examined
  bool utf8 = false;             // set, never cleared
};

// Classifies the file from its first bytes, read once (the charset sniff of
// the first lines reads for itself when needed). A UTF-8 file by mark or
// charset sniff returns its line type without being refused for anomalous
// bytes; a file found UTF-8 by the content check alone goes through the byte
// scan first, like a file without a mark.
TextFileClass IsTextFile(TextView path, int sampleSize, TextFileInfo& info, double threshold,
                         bool charsetSniff);

// The line type of the first bytes of a file: CR LF (or none), LF only or CR
// only.
LineType LineTypeOfBytes(const char* bytes, size_t count);

}  // namespace velt
