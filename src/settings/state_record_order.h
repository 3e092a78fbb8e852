// The order of the records of the state file, shared by its writer and its
// reader so that the two can never disagree. `io` receives one call per record
// (or group of records) with the field it concerns; S is Settings for the
// reader and const Settings for the writer. Path records (the folder, the
// input and output files, the words-file list's entries) hold the path's own
// bytes (PathToNative), so a name that is not valid UTF-8 comes back as the
// same file; the other text records are UTF-8.
#pragma once

#include "settings/settings.h"
#include "settings/state_format.h"

namespace velt {

enum class TextTrim { Keep, Spaces };

template <typename Io, typename S>
void VisitStateRecords(Io& io, S& s) {
  io.PathRecord(s.inputFolder);
  io.Event(StateEvent::FolderSet);
  io.TextRecord(s.extraWords);
  io.PathRecord(s.filePaths[0]);
  io.TextRecord(s.pathPatterns[0]);
  io.Event(StateEvent::FilePatternsSet);
  io.PathRecord(s.filePaths[1]);
  io.TextRecord(s.pathPatterns[1]);
  io.Event(StateEvent::ExclusionTextsSet);
  io.IndexRecord(s.shortWordSizeIndex, kShortWordSizeCount, true);
  io.IndexRecord(s.longWordSizeIndex, kLongWordSizeCount, true);
  io.FlagRecord(s.ignoreShortWords);
  io.FlagRecord(s.ignoreRepetitions);
  io.FlagRecord(s.keepDocxText);
  io.FlagRecord(s.ignoreWordsWithoutLetter);
  io.FlagRecord(s.caseSignificant);
  io.FlagRecord(s.allowHyphens);
  io.FlagRecord(s.allowApostrophes);
  io.FlagRecord(s.allowUnderscores);
  io.FlagRecord(s.allowColons);
  io.FlagRecord(s.allowBackslashes);
  io.FlagRecord(s.allowForwardSlashes);
  io.FlagRecord(s.allowParentheses);
  io.FlagRecord(s.allowPeriods);
  io.FlagRecord(s.allowCommas);
  io.FlagRecord(s.allowAtSigns);
  io.FlagRecord(s.allowNumeralsInWords);
  io.FlagRecord(s.allowAmpersands);
  io.FlagRecord(s.warnOnOverwrite);
  io.FlagRecord(s.saveStateOnQuit);
  io.FlagRecord(s.outputToFileDisabled);
  io.FlagRecord(s.includeSubfolders);
  io.IndexRecord(s.wordOrder, kWordOrderCount, true);
  io.IndexRecord(s.displayFormat, kDisplayFormatCount, true);
  io.FlagRecord(s.only7BitAscii);
  io.WordsFileRecords(s.wordsFileList);
  io.SourceRecord(s.source);
  io.Event(StateEvent::SourceSet);
  io.FlagRecord(s.endPhraseAtLineEnd);
  io.FlagRecord(s.endPhraseAtPeriod);
  io.FlagRecord(s.endPhraseAtDoubleQuote);
  io.FlagRecord(s.endPhraseAtTab);
  io.FlagRecord(s.endPhraseAtComma);
  io.IndexRecord(s.phraseLengthIndexes[0], kPhraseLengthCount, false);
  io.IndexRecord(s.phraseLengthIndexes[1], kPhraseLengthCount, false);
  io.IndexRecord(s.minimumFrequencyIndex, kFrequencyCount, false);
  io.FlagRecord(s.endPhraseAtTab);  // a second copy of the same field
  io.FlagRecord(s.patternMatching);
  io.FlagRecord(s.relativeFrequency);
  io.FlagRecord(s.sortByNumberOfFiles);
  io.IndexRecord(s.commonWordsLanguage, kLanguageCount, false);
  io.Event(StateEvent::LanguageSet);
  io.TextRecord(s.filterWords, TextTrim::Spaces);
  io.FilterModeRecord(s.filterMode);
  io.IgnoreOptionRecord(s.ignoreMode, IgnoreMode::AllowAllIgnored);
  io.IgnoreOptionRecord(s.ignoreMode, IgnoreMode::ExcludeAllIgnored);
  io.IgnoreOptionRecord(s.ignoreMode, IgnoreMode::RemoveIgnored);
  io.IgnoreOptionRecord(s.ignoreMode, IgnoreMode::ExcludeContainingIgnored);
}

}  // namespace velt
