// The word scanner: cuts the words out of one prepared line, skipping comment
// and markup sections, and hands each word to a WordSink.
#pragma once

#include "platform/event_pump.h"
#include "settings/settings.h"
#include "text/text.h"
#include "words/scanner_state.h"
#include "words/word_rules.h"
#include "words/word_sink.h"

namespace velt {

class WordScanner {
 public:
  // stopRequested is polled after every word; the pump is only used once
  // startUpCompleted is set.
  WordScanner(ScannerState& state, const WordRules& rules, const Settings& settings,
              EventPump& pump, const bool& stopRequested, const bool& startUpCompleted,
              WordSink& sink);

  // Scans state.currentLine from its start and emits its words. During a count each
  // word also adds 1 to totalOccurrences.
  void ScanLine();

  // The word at linePosition (possibly empty) after the entity trim, the final trim and
  // the contraction-fragment drop; linePosition moves past its run and the stop flags
  // describe the character after it. Returns an empty word without moving when
  // no word character is at linePosition. While a list is read, a "<" with a ">" later
  // on the line yields the whole bracketed stretch (a regular-expression entry).
  // The view points into currentLine.
  TextView GetNextWord();

  // Index of the section marker that starts at linePosition, or -1.
  int CommentStartIndex() const;

  // Moves linePosition past the end of the open section commentState, or past the
  // end of the line when the section continues on the next line.
  void SkipCommentText();

 private:
  void PrepareLine();
  // Skips the sections at linePosition; false when that finishes the line.
  bool SkipSections();
  bool IsWordStartAt(size_t pos) const;
  // Moves linePosition to the first non-space after it; false when there is none.
  bool SkipToNextNonSpace();
  void Emit(TextView word);
  void Yield();
  TextView GetBracketedEntry();
  void SetStopFlags(const StopFlags& flags);

  ScannerState& state_;
  const WordRules& rules_;
  const Settings& settings_;
  EventPump& pump_;
  const bool& stopRequested_;
  const bool& startUpCompleted_;
  WordSink& sink_;
  StopFlags lastFlags_;
};

}  // namespace velt
