#include "settings/settings.h"

namespace velt {

std::array<bool*, 26> Settings::SettingsCheckboxes() {
  return {&chkAllowWordsWithHyphens,
          &chkAllowWordsWithApostrophes,
          &chkAllowWordsWithUnderscores,
          &chkAllowWordsWithColons,
          &chkAllowWordsWithBackslashes,
          &chkAllowWordsWithForwardslashes,
          &chkAllowWordsWithParentheses,
          &chkAllowWordsWithAmpersands,
          &chkAllowWordsWithPeriods,
          &chkAllowWordsWithCommas,
          &chkAllowWordsWithAtSigns,
          &chkAllowWordsWithNumerals,
          &chkCaseSignificant,
          &chkIgnoreRepetitions,
          &chkExtractTextFromDocx,
          &chkIgnoreNoLetter,
          &chkIgnoreShortWords,
          &chkWarnOnOverwrite,
          &chkSaveStateOnQuit,
          &chkTerminatePhraseAtEndOfLine,
          &chkTerminatePhraseAtPeriod,
          &chkTerminatePhraseAtDoubleQuote,
          &chkTerminatePhraseAtTab,
          &chkTerminatePhraseAtComma,
          &chkOnly7bitASCII,
          &chkPatternMatchingInWordsToIgnoreFile};
}

void Settings::SetSettingsWindowDefaults() {
  const Settings defaults;
  chkCaseSignificant = defaults.chkCaseSignificant;
  chkAllowWordsWithHyphens = defaults.chkAllowWordsWithHyphens;
  chkAllowWordsWithApostrophes = defaults.chkAllowWordsWithApostrophes;
  chkAllowWordsWithUnderscores = defaults.chkAllowWordsWithUnderscores;
  chkAllowWordsWithColons = defaults.chkAllowWordsWithColons;
  chkAllowWordsWithBackslashes = defaults.chkAllowWordsWithBackslashes;
  chkAllowWordsWithForwardslashes = defaults.chkAllowWordsWithForwardslashes;
  chkAllowWordsWithParentheses = defaults.chkAllowWordsWithParentheses;
  chkAllowWordsWithAmpersands = defaults.chkAllowWordsWithAmpersands;
  chkAllowWordsWithPeriods = defaults.chkAllowWordsWithPeriods;
  chkAllowWordsWithCommas = defaults.chkAllowWordsWithCommas;
  chkAllowWordsWithAtSigns = defaults.chkAllowWordsWithAtSigns;
  chkAllowWordsWithNumerals = defaults.chkAllowWordsWithNumerals;
  chkOnly7bitASCII = defaults.chkOnly7bitASCII;
  chkIgnoreShortWords = defaults.chkIgnoreShortWords;
  cboShortWordSize = 1;
  cboLongWordSize = 3;
  chkIgnoreRepetitions = defaults.chkIgnoreRepetitions;
  chkIgnoreNoLetter = defaults.chkIgnoreNoLetter;
  chkTerminatePhraseAtEndOfLine = defaults.chkTerminatePhraseAtEndOfLine;
  chkTerminatePhraseAtPeriod = defaults.chkTerminatePhraseAtPeriod;
  chkTerminatePhraseAtDoubleQuote = defaults.chkTerminatePhraseAtDoubleQuote;
  chkTerminatePhraseAtTab = defaults.chkTerminatePhraseAtTab;
  chkTerminatePhraseAtComma = defaults.chkTerminatePhraseAtComma;
  chkPatternMatchingInWordsToIgnoreFile = defaults.chkPatternMatchingInWordsToIgnoreFile;
  chkExtractTextFromDocx = defaults.chkExtractTextFromDocx;
  chkWarnOnOverwrite = defaults.chkWarnOnOverwrite;
  chkSaveStateOnQuit = defaults.chkSaveStateOnQuit;
}

}  // namespace velt
