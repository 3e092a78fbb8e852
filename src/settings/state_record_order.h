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
  io.PathRecord(s.txbFolder);
  io.Event(StateEvent::FolderSet);
  io.TextRecord(s.txbWordsToIgnoreOrCount);
  io.PathRecord(s.txbFile[0]);
  io.TextRecord(s.txbFileFilepathSpecifications[0]);
  io.Event(StateEvent::FilePatternsSet);
  io.PathRecord(s.txbFile[1]);
  io.TextRecord(s.txbFileFilepathSpecifications[1]);
  io.Event(StateEvent::ExclusionTextsSet);
  io.IndexRecord(s.cboShortWordSize, kShortWordSizeCount, true);
  io.IndexRecord(s.cboLongWordSize, kLongWordSizeCount, true);
  io.FlagRecord(s.chkIgnoreShortWords);
  io.FlagRecord(s.chkIgnoreRepetitions);
  io.FlagRecord(s.chkExtractTextFromDocx);
  io.FlagRecord(s.chkIgnoreNoLetter);
  io.FlagRecord(s.chkCaseSignificant);
  io.FlagRecord(s.chkAllowWordsWithHyphens);
  io.FlagRecord(s.chkAllowWordsWithApostrophes);
  io.FlagRecord(s.chkAllowWordsWithUnderscores);
  io.FlagRecord(s.chkAllowWordsWithColons);
  io.FlagRecord(s.chkAllowWordsWithBackslashes);
  io.FlagRecord(s.chkAllowWordsWithForwardslashes);
  io.FlagRecord(s.chkAllowWordsWithParentheses);
  io.FlagRecord(s.chkAllowWordsWithPeriods);
  io.FlagRecord(s.chkAllowWordsWithCommas);
  io.FlagRecord(s.chkAllowWordsWithAtSigns);
  io.FlagRecord(s.chkAllowWordsWithNumerals);
  io.FlagRecord(s.chkAllowWordsWithAmpersands);
  io.FlagRecord(s.chkWarnOnOverwrite);
  io.FlagRecord(s.chkSaveStateOnQuit);
  io.FlagRecord(s.chkDisableOutputToFile);
  io.FlagRecord(s.chkIncludeSubfolders);
  io.IndexRecord(s.cboWordOrder, kWordOrderCount, true);
  io.IndexRecord(s.cboDisplayFormat, kDisplayFormatCount, true);
  io.FlagRecord(s.chkOnly7bitASCII);
  io.WordsFileRecords(s.cboWordsFile);
  io.SourceRecord(s.source);
  io.Event(StateEvent::SourceSet);
  io.FlagRecord(s.chkTerminatePhraseAtEndOfLine);
  io.FlagRecord(s.chkTerminatePhraseAtPeriod);
  io.FlagRecord(s.chkTerminatePhraseAtDoubleQuote);
  io.FlagRecord(s.chkTerminatePhraseAtTab);
  io.FlagRecord(s.chkTerminatePhraseAtComma);
  io.IndexRecord(s.cboPhraseLength[0], kPhraseLengthCount, false);
  io.IndexRecord(s.cboPhraseLength[1], kPhraseLengthCount, false);
  io.IndexRecord(s.cboMinimumFrequency, kFrequencyCount, false);
  io.FlagRecord(s.chkTerminatePhraseAtTab);  // a second copy of the same field
  io.FlagRecord(s.chkPatternMatchingInWordsToIgnoreFile);
  io.FlagRecord(s.chkDisplayRelativeFrequency);
  io.FlagRecord(s.chkSortByNumberOfFiles);
  io.IndexRecord(s.cboCommonWordsLanguages, kLanguageCount, false);
  io.Event(StateEvent::LanguageSet);
  io.TextRecord(s.txbFilterWords, TextTrim::Spaces);
  io.FilterModeRecord(s.filterMode);
  io.IgnoreOptionRecord(s.ignoreMode, IgnoreMode::AllowAllIgnored);
  io.IgnoreOptionRecord(s.ignoreMode, IgnoreMode::ExcludeAllIgnored);
  io.IgnoreOptionRecord(s.ignoreMode, IgnoreMode::RemoveIgnored);
  io.IgnoreOptionRecord(s.ignoreMode, IgnoreMode::ExcludeContainingIgnored);
}

}  // namespace velt
