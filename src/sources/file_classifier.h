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
// How much of a file the UTF-8 content check examines.
inline constexpr size_t kUtf8SampleSize = 65536;

// Results of GetFileEncoding.
namespace encoding {
inline constexpr int kEmptyName = -5;
inline constexpr int kMissing = -1;
inline constexpr int kZeroLength = -2;
inline constexpr int kPermissionDenied = -3;
inline constexpr int kOneToFourBytes = -4;
inline constexpr int kCannotOpen = -9;
inline constexpr int kNone = 0;
inline constexpr int kUtf16Le = 1;
inline constexpr int kUtf16Be = 2;
inline constexpr int kUtf8 = 3;
inline constexpr int kUtf32Be = 5;
inline constexpr int kRtf = 6;
}  // namespace encoding

// Results of IsTextFile besides the negative codes and kRtf passed through.
namespace classification {
inline constexpr int kNotText = 0;
inline constexpr int kCrLf = 1;    // CR LF line ends, or none at all
inline constexpr int kLfOnly = 2;  // "Unix-type"
inline constexpr int kCrOnly = 3;  // "Macintosh-type"
inline constexpr int kUnicode = 7;
}  // namespace classification

// The encoding code of the file at path (paths are texts; "/" separates).
// With charsetSniff, a file of a text extension is UTF-8 when one of its first
// ten non-empty lines declares it or holds the lead bytes E2 80 of UTF-8
// punctuation; and any file that no mark identifies (code 0 or
// kOneToFourBytes) is UTF-8 when its first kUtf8SampleSize bytes are valid
// UTF-8 with at least one character beyond ASCII.
int GetFileEncoding(TextView path, bool charsetSniff);

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
// scan first, like a file of code 0.
int IsTextFile(TextView path, int sampleSize, TextFileInfo& info, double threshold,
               bool charsetSniff);

// The line type of the first sampleSize bytes of a file that holds no
// anomalous-byte verdict: 1 (CR LF or none), 2 (LF only) or 3 (CR only).
int LineTypeOfBytes(const char* bytes, size_t count);

}  // namespace velt
