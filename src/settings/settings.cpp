#include "settings/settings.h"

namespace velt {

std::array<bool*, 26> Settings::SettingsCheckboxes() {
  return {&allowHyphens,      &allowApostrophes,
          &allowUnderscores,  &allowColons,
          &allowBackslashes,  &allowForwardSlashes,
          &allowParentheses,  &allowAmpersands,
          &allowPeriods,      &allowCommas,
          &allowAtSigns,      &allowNumeralsInWords,
          &caseSignificant,   &ignoreRepetitions,
          &keepDocxText,      &ignoreWordsWithoutLetter,
          &ignoreShortWords,  &warnOnOverwrite,
          &saveStateOnQuit,   &endPhraseAtLineEnd,
          &endPhraseAtPeriod, &endPhraseAtDoubleQuote,
          &endPhraseAtTab,    &endPhraseAtComma,
          &only7BitAscii,     &patternMatching};
}

void Settings::SetSettingsWindowDefaults() {
  const Settings defaults;
  caseSignificant = defaults.caseSignificant;
  allowHyphens = defaults.allowHyphens;
  allowApostrophes = defaults.allowApostrophes;
  allowUnderscores = defaults.allowUnderscores;
  allowColons = defaults.allowColons;
  allowBackslashes = defaults.allowBackslashes;
  allowForwardSlashes = defaults.allowForwardSlashes;
  allowParentheses = defaults.allowParentheses;
  allowAmpersands = defaults.allowAmpersands;
  allowPeriods = defaults.allowPeriods;
  allowCommas = defaults.allowCommas;
  allowAtSigns = defaults.allowAtSigns;
  allowNumeralsInWords = defaults.allowNumeralsInWords;
  only7BitAscii = defaults.only7BitAscii;
  ignoreShortWords = defaults.ignoreShortWords;
  shortWordSizeIndex = 1;
  longWordSizeIndex = 3;
  ignoreRepetitions = defaults.ignoreRepetitions;
  ignoreWordsWithoutLetter = defaults.ignoreWordsWithoutLetter;
  endPhraseAtLineEnd = defaults.endPhraseAtLineEnd;
  endPhraseAtPeriod = defaults.endPhraseAtPeriod;
  endPhraseAtDoubleQuote = defaults.endPhraseAtDoubleQuote;
  endPhraseAtTab = defaults.endPhraseAtTab;
  endPhraseAtComma = defaults.endPhraseAtComma;
  patternMatching = defaults.patternMatching;
  keepDocxText = defaults.keepDocxText;
  warnOnOverwrite = defaults.warnOnOverwrite;
  saveStateOnQuit = defaults.saveStateOnQuit;
}

}  // namespace velt
