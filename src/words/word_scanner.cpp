#include "words/word_scanner.h"

#include <algorithm>
#include <limits>

#include "sources/entities.h"
#include "sources/folded_search.h"
#include "sources/line_cleanup.h"
#include "words/case_mapping.h"
#include "words/word_trims.h"

namespace velt {
namespace {

constexpr TextView kCdataOpening = u"<![CDATA[";
// CommentStartIndex reports a CDATA opening as this index; in XML mode its
// content is then read as text, elsewhere the section of that index applies.
constexpr int kCdataIndex = 3;

}  // namespace

WordScanner::WordScanner(ScannerState& state, const WordRules& rules, const Settings& settings,
                         EventPump& pump, const bool& blnStop, const bool& blnStartUpCompleted,
                         WordSink& sink)
    : state_(state),
      rules_(rules),
      settings_(settings),
      pump_(pump),
      blnStop_(blnStop),
      blnStartUpCompleted_(blnStartUpCompleted),
      sink_(sink) {}

void WordScanner::ScanLine() {
  PrepareLine();
  const TextView line = state_.strLine;
  state_.lngLP = 0;
  // The appended final space is never a word start.
  while (state_.lngLP + 1 < line.size()) {
    Yield();
    if (state_.blnCommentsPossible && !SkipSections()) return;
    if (!IsWordStartAt(state_.lngLP)) {
      if (!SkipToNextNonSpace()) return;
      continue;
    }
    const size_t wordStart = state_.lngLP;
    const TextView word = GetNextWord();
    Yield();
    if (blnStop_) return;
    if (!word.empty()) {
      Emit(word);
    } else if (state_.lngLP == wordStart) {
      ++state_.lngLP;  // a "<" that opens no entry while a list is read
    }
    Yield();
    if (blnStop_) return;
  }
}

void WordScanner::PrepareLine() {
  Text& line = state_.strLine;
  NormaliseWhitespace(line, !state_.blnReadingWords);
  if (state_.blnReadingWords) {
    state_.blnCommentsPossible = true;
    return;
  }
  state_.blnCommentsPossible = state_.markers.intNumCommentMarkers > 0;
  SplitDoubleHyphens(line);
  if (state_.blnCharacterEntitiesPossible) line = DecodeEntities(line);
}

bool WordScanner::SkipSections() {
  const TextView line = state_.strLine;
  if (state_.intWithinComment < 0) state_.intWithinComment = CommentStartIndex();
  while (state_.intWithinComment >= 0) {
    SkipCommentText();
    if (state_.lngLP >= line.size()) return false;  // the section stays open
    if (line.substr(state_.lngLP) == u" ") {
      state_.intWithinComment = -1;
      return false;
    }
    state_.intWithinComment = CommentStartIndex();
    Yield();
  }
  return true;
}

bool WordScanner::IsWordStartAt(size_t pos) const {
  const char16_t c = state_.strLine[pos];
  return rules_.IsWordStart(c) || (state_.blnReadingWords && c == u'<');
}

bool WordScanner::SkipToNextNonSpace() {
  const size_t next = TextView(state_.strLine).find_first_not_of(u' ', state_.lngLP + 1);
  if (next == TextView::npos) return false;
  state_.lngLP = next;
  return true;
}

TextView WordScanner::GetNextWord() {
  const TextView line = state_.strLine;
  const size_t start = state_.lngLP;
  if (state_.blnReadingWords && start < line.size() && line[start] == u'<') {
    return GetBracketedEntry();
  }
  StopFlags flags;
  const size_t n = static_cast<size_t>(rules_.NumAlpha2(line, start, flags));
  SetStopFlags(flags);
  if (n == 0) return {};
  state_.lngLP += n;
  TextView word = line.substr(start, n);
  if (state_.blnCharacterEntitiesPossible && flags.semicolon) {
    word = TrimEntity(line.substr(start, n + 1));
    if (word.empty()) return {};
  }
  word = FinalTrim(word);
  const bool dropFragments = !settings_.chkAllowWordsWithApostrophes && !state_.blnReadingWords;
  if (dropFragments && IsContractionFragment(word)) return {};
  return word;
}

TextView WordScanner::GetBracketedEntry() {
  const TextView line = state_.strLine;
  const size_t start = state_.lngLP;
  SetStopFlags(StopFlags{});
  const size_t close = line.find(u'>', start + 1);
  if (close == TextView::npos) return {};
  state_.lngLP = close + 1;
  return line.substr(start, close + 1 - start);
}

int WordScanner::CommentStartIndex() const {
  const MarkerTable& markers = state_.markers;
  const TextView line = state_.strLine;
  const size_t pos = state_.lngLP;
  if (pos >= line.size()) return -1;
  const char16_t first = LowerChar(line[pos]);
  for (int i = 0; i < markers.intNumCommentMarkers && i < kMaxCommentMarkers; ++i) {
    const Text& start = markers.astrCommentStart[static_cast<size_t>(i)];
    if (start.empty() || LowerChar(start[0]) != first) continue;
    if (!MatchesFoldedAt(line, pos, start, LowerChar)) continue;
    const Text& end = markers.astrCommentEnd[static_cast<size_t>(i)];
    if (start == u"&" && end == u";" && state_.blnCharacterEntitiesPossible) {
      return IsEntityStart(line.substr(pos)) > 0 ? i : -1;
    }
    return MatchesFoldedAt(line, pos, kCdataOpening, UpperChar) ? kCdataIndex : i;
  }
  return -1;
}

void WordScanner::SkipCommentText() {
  const TextView line = state_.strLine;
  const int k = state_.intWithinComment;
  if (k < 0 || k >= kMaxCommentMarkers) {
    state_.intWithinComment = -1;
    return;
  }
  if (k == kCdataIndex && state_.markers.IsXmlMode() && !state_.blnReadingWords) {
    state_.lngLP = std::min(state_.lngLP + kCdataOpening.size(), line.size());
    state_.intWithinComment = -1;
    return;
  }
  const Text& end = state_.markers.astrCommentEnd[static_cast<size_t>(k)];
  if (end.empty()) {
    state_.lngLP = line.size();
    state_.intWithinComment = -1;
    return;
  }
  const size_t found = FindFolded(line, end, state_.lngLP, LowerChar);
  if (found == TextView::npos) {
    state_.lngLP = line.size();  // the section continues on the next line
    return;
  }
  state_.lngLP = found + end.size();
  state_.intWithinComment = -1;
}

void WordScanner::Emit(TextView word) {
  if (!state_.blnReadingWords &&
      state_.lngTotalNumOccurrences < std::numeric_limits<int32_t>::max()) {
    ++state_.lngTotalNumOccurrences;
  }
  sink_.TakeWord(word, lastFlags_);
}

void WordScanner::Yield() {
  if (blnStartUpCompleted_) pump_.Yield();
}

void WordScanner::SetStopFlags(const StopFlags& flags) {
  lastFlags_ = flags;
  state_.blnStoppedAtPeriod = flags.period;
  state_.blnStoppedAtDoubleQuote = flags.doubleQuote;
  state_.blnStoppedAtTab = flags.tab;
  state_.blnStoppedAtComma = flags.comma;
}

}  // namespace velt
