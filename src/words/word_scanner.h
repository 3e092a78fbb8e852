// The word scanner: cuts the words out of one prepared line, skipping comment
// and markup sections, and hands each word to a WordSink.
#pragma once

#include "platform/event_pump.h"
#include "platform/text.h"
#include "settings/settings.h"
#include "words/scanner_state.h"
#include "words/word_rules.h"
#include "words/word_sink.h"

namespace velt {

class WordScanner {
 public:
  // blnStop is polled after every word; the pump is only used once
  // blnStartUpCompleted is set.
  WordScanner(ScannerState& state, const WordRules& rules, const Settings& settings,
              EventPump& pump, const bool& blnStop, const bool& blnStartUpCompleted,
              WordSink& sink);

  // Scans state.strLine from its start and emits its words. During a count each
  // word also adds 1 to lngTotalNumOccurrences.
  void ScanLine();

  // The word at lngLP (possibly empty) after the entity trim, the final trim and
  // the contraction-fragment drop; lngLP moves past its run and the stop flags
  // describe the character after it. Returns an empty word without moving when
  // no word character is at lngLP. While a list is read, a "<" with a ">" later
  // on the line yields the whole bracketed stretch (a regular-expression entry).
  // The view points into strLine.
  TextView GetNextWord();

  // Index of the section marker that starts at lngLP, or -1.
  int CommentStartIndex() const;

  // Moves lngLP past the end of the open section intWithinComment, or past the
  // end of the line when the section continues on the next line.
  void SkipCommentText();

 private:
  void PrepareLine();
  // Skips the sections at lngLP; false when that finishes the line.
  bool SkipSections();
  bool IsWordStartAt(size_t pos) const;
  // Moves lngLP to the first non-space after it; false when there is none.
  bool SkipToNextNonSpace();
  void Emit(TextView word);
  void Yield();
  TextView GetBracketedEntry();
  void SetStopFlags(const StopFlags& flags);

  ScannerState& state_;
  const WordRules& rules_;
  const Settings& settings_;
  EventPump& pump_;
  const bool& blnStop_;
  const bool& blnStartUpCompleted_;
  WordSink& sink_;
  StopFlags lastFlags_;
};

}  // namespace velt
