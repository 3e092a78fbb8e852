#include "words/word_scanner.h"

#include <algorithm>
#include <limits>

#include "text/case_mapping.h"
#include "text/entities.h"
#include "text/folded_search.h"
#include "text/line_cleanup.h"
#include "words/word_trims.h"

namespace velt {
namespace {

constexpr TextView kCdataOpening = u"<![CDATA[";
// CommentStartIndex reports a CDATA opening as this index; in XML mode its
// content is then read as text, elsewhere the section of that index applies.
constexpr int kCdataIndex = 3;

}  // namespace

WordScanner::WordScanner(ScannerState& state, const WordRules& rules, const Settings& settings,
                         EventPump& pump, const bool& stopRequested, const bool& startUpCompleted,
                         WordSink& sink)
    : state_(state),
      rules_(rules),
      settings_(settings),
      pump_(pump),
      stopRequested_(stopRequested),
      startUpCompleted_(startUpCompleted),
      sink_(sink) {}

void WordScanner::ScanLine() {
  PrepareLine();
  const TextView line = state_.currentLine;
  state_.linePosition = 0;
  // The appended final space is never a word start.
  while (state_.linePosition + 1 < line.size()) {
    Yield();
    if (state_.commentsPossible && !SkipSections()) return;
    if (!IsWordStartAt(state_.linePosition)) {
      if (!SkipToNextNonSpace()) return;
      continue;
    }
    const size_t wordStart = state_.linePosition;
    const TextView word = GetNextWord();
    Yield();
    if (stopRequested_) return;
    if (!word.empty()) {
      Emit(word);
    } else if (state_.linePosition == wordStart) {
      ++state_.linePosition;  // a "<" that opens no entry while a list is read
    }
    Yield();
    if (stopRequested_) return;
  }
}

void WordScanner::PrepareLine() {
  Text& line = state_.currentLine;
  NormaliseWhitespace(line, !state_.readingWordsFile);
  if (state_.readingWordsFile) {
    state_.commentsPossible = true;
    return;
  }
  state_.commentsPossible = state_.markers.markerPairCount > 0;
  SplitDoubleHyphens(line);
  if (state_.entitiesPossible) line = DecodeEntities(line);
}

bool WordScanner::SkipSections() {
  const TextView line = state_.currentLine;
  if (state_.commentState < 0) state_.commentState = CommentStartIndex();
  while (state_.commentState >= 0) {
    SkipCommentText();
    if (state_.linePosition >= line.size()) return false;  // the section stays open
    if (line.substr(state_.linePosition) == u" ") {
      state_.commentState = -1;
      return false;
    }
    state_.commentState = CommentStartIndex();
    Yield();
  }
  return true;
}

bool WordScanner::IsWordStartAt(size_t pos) const {
  const char16_t c = state_.currentLine[pos];
  return rules_.IsWordStart(c) || (state_.readingWordsFile && c == u'<');
}

bool WordScanner::SkipToNextNonSpace() {
  const size_t next = TextView(state_.currentLine).find_first_not_of(u' ', state_.linePosition + 1);
  if (next == TextView::npos) return false;
  state_.linePosition = next;
  return true;
}

TextView WordScanner::GetNextWord() {
  const TextView line = state_.currentLine;
  const size_t start = state_.linePosition;
  if (state_.readingWordsFile && start < line.size() && line[start] == u'<') {
    return GetBracketedEntry();
  }
  StopFlags flags;
  const size_t n = static_cast<size_t>(rules_.NumAlpha2(line, start, flags));
  SetStopFlags(flags);
  if (n == 0) return {};
  state_.linePosition += n;
  TextView word = line.substr(start, n);
  if (state_.entitiesPossible && flags.semicolon) {
    word = TrimEntity(line.substr(start, n + 1));
    if (word.empty()) return {};
  }
  word = FinalTrim(word);
  const bool dropFragments = !settings_.allowApostrophes && !state_.readingWordsFile;
  if (dropFragments && IsContractionFragment(word)) return {};
  return word;
}

TextView WordScanner::GetBracketedEntry() {
  const TextView line = state_.currentLine;
  const size_t start = state_.linePosition;
  SetStopFlags(StopFlags{});
  const size_t close = line.find(u'>', start + 1);
  if (close == TextView::npos) return {};
  state_.linePosition = close + 1;
  return line.substr(start, close + 1 - start);
}

int WordScanner::CommentStartIndex() const {
  const MarkerTable& markers = state_.markers;
  const TextView line = state_.currentLine;
  const size_t pos = state_.linePosition;
  if (pos >= line.size()) return -1;
  const char16_t first = LowerChar(line[pos]);
  for (int i = 0; i < markers.markerPairCount && i < kMaxCommentMarkers; ++i) {
    const Text& start = markers.commentStarts[static_cast<size_t>(i)];
    if (start.empty() || LowerChar(start[0]) != first) continue;
    if (!MatchesFoldedAt(line, pos, start, LowerChar)) continue;
    const Text& end = markers.commentEnds[static_cast<size_t>(i)];
    if (start == u"&" && end == u";" && state_.entitiesPossible) {
      return IsEntityStart(line.substr(pos)) > 0 ? i : -1;
    }
    return MatchesFoldedAt(line, pos, kCdataOpening, UpperChar) ? kCdataIndex : i;
  }
  return -1;
}

void WordScanner::SkipCommentText() {
  const TextView line = state_.currentLine;
  const int k = state_.commentState;
  if (k < 0 || k >= kMaxCommentMarkers) {
    state_.commentState = -1;
    return;
  }
  if (k == kCdataIndex && state_.markers.IsXmlMode() && !state_.readingWordsFile) {
    state_.linePosition = std::min(state_.linePosition + kCdataOpening.size(), line.size());
    state_.commentState = -1;
    return;
  }
  const Text& end = state_.markers.commentEnds[static_cast<size_t>(k)];
  if (end.empty()) {
    state_.linePosition = line.size();
    state_.commentState = -1;
    return;
  }
  const size_t found = FindFolded(line, end, state_.linePosition, LowerChar);
  if (found == TextView::npos) {
    state_.linePosition = line.size();  // the section continues on the next line
    return;
  }
  state_.linePosition = found + end.size();
  state_.commentState = -1;
}

void WordScanner::Emit(TextView word) {
  if (!state_.readingWordsFile && state_.totalOccurrences < std::numeric_limits<int32_t>::max()) {
    ++state_.totalOccurrences;
  }
  sink_.TakeWord(word, lastFlags_);
}

void WordScanner::Yield() {
  if (startUpCompleted_) pump_.Yield();
}

void WordScanner::SetStopFlags(const StopFlags& flags) {
  lastFlags_ = flags;
  state_.stoppedAtPeriod = flags.period;
  state_.stoppedAtDoubleQuote = flags.doubleQuote;
  state_.stoppedAtTab = flags.tab;
  state_.stoppedAtComma = flags.comma;
}

}  // namespace velt
