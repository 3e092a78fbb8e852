#include "sources/line_feed.h"

#include <algorithm>

#include "phrases/run_progress.h"
#include "sources/line_normalise.h"
#include "sources/line_reader.h"
#include "sources/markup.h"
#include "text/case_mapping.h"
#include "text/folded_search.h"

namespace velt {
namespace {

char16_t Upper(char16_t c) {
  return UpperChar(c);
}

// LowerChar with the ASCII range done inline: most characters of most files
// are ASCII, and the call per character was the largest cost of reading
// (measured: 18% of a 100 MB read).
void LowerCaseInPlace(Text& line) {
  for (char16_t& c : line) {
    if (c < 0x80) {
      if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + (u'a' - u'A'));
    } else {
      c = LowerChar(c);
    }
  }
}

bool StartsHtmlDocument(TextView line) {
  return FindFolded(line, u"<!DOCTYPE", 0, Upper) != TextView::npos &&
         FindFolded(line, u"HTML", 0, Upper) != TextView::npos;
}

// Trims characters of code 32 or below, but only at the ends that are real
// line ends: a cut inside a long line keeps its tabs and spaces.
TextView TrimLineEnds(TextView line, bool atStart, bool atEnd) {
  if (atStart && atEnd) return TrimControlChars(line);
  size_t begin = 0;
  size_t end = line.size();
  if (atStart) {
    while (begin < end && line[begin] <= 32)
      ++begin;
  }
  if (atEnd) {
    while (end > begin && line[end - 1] <= 32)
      --end;
  }
  return line.substr(begin, end - begin);
}

// The per-file progress bar. The bar is redrawn only when its length
// changes: redrawing an unchanged caption for every line cost more than
// splitting and decoding the line (measured on a 100 MB file).
class FileProgress {
 public:
  FileProgress(WindowModel& window, bool lfOnly, int64_t fileSize)
      : window_(window), lfOnly_(lfOnly), fileSize_(fileSize) {}

  void AfterLine(int64_t lineLength) {
    if (fileSize_ <= 0) return;
    int64_t before = bytesRead_;  // ShowFileProgress adds this line itself
    bytesRead_ += lineLength + 2;
    int64_t filled = RoundHalfEven(kProgressBarWidth * static_cast<double>(bytesRead_) /
                                   static_cast<double>(fileSize_));
    if (lfOnly_) filled = RoundHalfEven(static_cast<double>(filled) * 1.2);
    filled = std::min<int64_t>(filled, kProgressBarWidth);
    if (filled == shown_) return;
    shown_ = filled;
    ShowFileProgress(window_, lfOnly_, before, lineLength, fileSize_);
  }

 private:
  WindowModel& window_;
  bool lfOnly_;
  int64_t fileSize_;
  int64_t bytesRead_ = 0;
  int64_t shown_ = -1;
};

class LineSource {
 public:
  LineSource(const std::string& path, bool lfOnly) : reader_(path), lfOnly_(lfOnly) {
    reader_.SkipUtf8Bom();
  }

  bool Next(Text& line) {
    return lfOnly_ ? reader_.ReadLfLine(line, complete_) : reader_.ReadLine(line, complete_);
  }
  // The last line read ended there (it was not a piece of a longer line).
  bool complete() const { return complete_; }

 private:
  LineReader reader_;
  bool lfOnly_;
  bool complete_ = true;
};

}  // namespace

Text PrepareLine(TextView raw, bool atLineStart, bool atLineEnd, bool utf8, bool caseSignificant) {
  const TextView trimmed = TrimLineEnds(raw, atLineStart, atLineEnd);
  if (trimmed.empty()) return Text();
  Text line = utf8 ? DecodeUtf8Punctuation(DecodeUtf8Latin(trimmed)) : Text(trimmed);
  if (!caseSignificant) LowerCaseInPlace(line);
  return line;
}

void FeedFileLines(SourceContext& context, const std::string& path, const LineFeedOptions& options,
                   bool& utf8) {
  Shell& shell = context.shell;
  const Settings& settings = context.settings;
  const bool lfOnly = options.lineType == LineType::LfOnly;
  LineSource source(path, lfOnly);
  Text line;
  bool headSkipped = false;
  bool atLineStart = true;
  FileProgress progress(shell.window, lfOnly, options.progressFileSize);
  while (true) {
    shell.pump.Yield();
    if (context.run.stopRequested) return;
    if (!source.Next(line)) return;
    bool startsLine = atLineStart;
    progress.AfterLine(static_cast<int64_t>(line.size()));
    if (options.htmlHeadPossible && !headSkipped && StartsHtmlDocument(line)) {
      headSkipped = true;
      line = SkipHtmlHead(
          std::move(line), [&](Text& next) { return source.Next(next); }, utf8);
      startsLine = true;
    }
    atLineStart = source.complete();
    Text prepared =
        PrepareLine(line, startsLine, source.complete(), utf8, settings.caseSignificant);
    if (prepared.empty()) continue;
    if (settings.endPhraseAtLineEnd && startsLine) context.hooks.ResetPhrases();
    context.hooks.ProcessLine(std::move(prepared));
  }
}

}  // namespace velt
