#include "ui/settings_window_checks.h"

#include <array>

namespace velt::ui {
namespace {

using F = CheckFrame;
using R = WordRuleBox;
using S = Settings;

constexpr std::array<SettingsCheckBox, kSettingsCheckBoxCount> kBoxes = {{
    {"chkAllowWordsWithHyphens", u"hyphen -", F::WordCharacters, &S::allowHyphens, R::Hyphens},
    {"chkAllowWordsWithApostrophes", u"apostrophe '", F::WordCharacters, &S::allowApostrophes,
     R::Apostrophes},
    {"chkAllowWordsWithUnderscores", u"underscore _", F::WordCharacters, &S::allowUnderscores,
     R::Underscores},
    {"chkAllowWordsWithColons", u"colon :", F::WordCharacters, &S::allowColons, R::Colons},
    {"chkAllowWordsWithBackslashes", u"backslash \\", F::WordCharacters, &S::allowBackslashes,
     R::Backslashes},
    {"chkAllowWordsWithForwardslashes", u"forward slash /", F::WordCharacters,
     &S::allowForwardSlashes, R::Forwardslashes},
    {"chkAllowWordsWithParentheses", u"parentheses ( )", F::WordCharacters, &S::allowParentheses,
     R::Parentheses},
    {"chkAllowWordsWithAmpersands", u"ampersand &", F::WordCharacters, &S::allowAmpersands,
     R::Ampersands},
    {"chkAllowWordsWithPeriods", u"period .", F::WordCharacters, &S::allowPeriods, R::Periods},
    {"chkAllowWordsWithCommas", u"comma ,", F::WordCharacters, &S::allowCommas, R::Commas},
    {"chkAllowWordsWithAtSigns", u"at-sign @", F::WordCharacters, &S::allowAtSigns, R::AtSigns},
    {"chkAllowWordsWithNumerals", u"numerals 123", F::WordCharacters, &S::allowNumeralsInWords,
     R::Numerals},
    {"chkCaseSignificant", u"Upper/lower case significant", F::WordCharacters, &S::caseSignificant,
     R::CaseSignificant},
    {"chkOnly7bitASCII", u"Allow only 7-bit ASCII characters", F::WordCharacters, &S::only7BitAscii,
     std::nullopt},

    {"chkTerminatePhraseAtDoubleQuote", u"end double quote \"", F::PhraseBoundaries,
     &S::endPhraseAtDoubleQuote, std::nullopt},
    {"chkTerminatePhraseAtComma", u"comma ,", F::PhraseBoundaries, &S::endPhraseAtComma,
     std::nullopt},
    {"chkTerminatePhraseAtTab", u"tab", F::PhraseBoundaries, &S::endPhraseAtTab, std::nullopt},
    {"chkTerminatePhraseAtPeriod", u"period .", F::PhraseBoundaries, &S::endPhraseAtPeriod,
     std::nullopt},
    {"chkTerminatePhraseAtEndOfLine", u"end of line", F::PhraseBoundaries, &S::endPhraseAtLineEnd,
     std::nullopt},

    {"chkIgnoreNoLetter", u"which lack a letter", F::IgnoreWords, &S::ignoreWordsWithoutLetter,
     std::nullopt},
    {"chkIgnoreShortWords", u"with fewer than", F::IgnoreWords, &S::ignoreShortWords, std::nullopt},
    {"chkIgnoreRepetitions", u"containing 4 repetitions of a letter", F::IgnoreWords,
     &S::ignoreRepetitions, std::nullopt},

    {"chkPatternMatchingInWordsToIgnoreFile", u"Enable pattern matching", F::Options,
     &S::patternMatching, std::nullopt},
    {"chkExtractTextFromDocx", u"Extract text from docx files", F::Options, &S::keepDocxText,
     std::nullopt},
    {"chkSaveStateOnQuit", u"Save settings when quitting", F::Options, &S::saveStateOnQuit,
     std::nullopt},
    {"chkWarnOnOverwrite", u"Warn on overwrite of output file", F::Options, &S::warnOnOverwrite,
     std::nullopt},
}};

}  // namespace

std::span<const SettingsCheckBox, kSettingsCheckBoxCount> SettingsCheckBoxes() {
  return kBoxes;
}

std::u16string DoubleQuoteBoundaryCaption() {
  return std::u16string(u"end double quote \"") + u" \u201D \u00BB";
}

}  // namespace velt::ui
