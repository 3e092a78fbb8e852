#include "ui/settings_window_checks.h"

#include <array>

namespace velt::ui {
namespace {

using F = CheckFrame;
using R = WordRuleBox;
using S = Settings;

constexpr std::array<SettingsCheckBox, kSettingsCheckBoxCount> kBoxes = {{
    {"chkAllowWordsWithHyphens", u"hyphen -", F::WordCharacters, &S::chkAllowWordsWithHyphens,
     R::Hyphens},
    {"chkAllowWordsWithApostrophes", u"apostrophe '", F::WordCharacters,
     &S::chkAllowWordsWithApostrophes, R::Apostrophes},
    {"chkAllowWordsWithUnderscores", u"underscore _", F::WordCharacters,
     &S::chkAllowWordsWithUnderscores, R::Underscores},
    {"chkAllowWordsWithColons", u"colon :", F::WordCharacters, &S::chkAllowWordsWithColons,
     R::Colons},
    {"chkAllowWordsWithBackslashes", u"backslash \\", F::WordCharacters,
     &S::chkAllowWordsWithBackslashes, R::Backslashes},
    {"chkAllowWordsWithForwardslashes", u"forward slash /", F::WordCharacters,
     &S::chkAllowWordsWithForwardslashes, R::Forwardslashes},
    {"chkAllowWordsWithParentheses", u"parentheses ( )", F::WordCharacters,
     &S::chkAllowWordsWithParentheses, R::Parentheses},
    {"chkAllowWordsWithAmpersands", u"ampersand &", F::WordCharacters,
     &S::chkAllowWordsWithAmpersands, R::Ampersands},
    {"chkAllowWordsWithPeriods", u"period .", F::WordCharacters, &S::chkAllowWordsWithPeriods,
     R::Periods},
    {"chkAllowWordsWithCommas", u"comma ,", F::WordCharacters, &S::chkAllowWordsWithCommas,
     R::Commas},
    {"chkAllowWordsWithAtSigns", u"at-sign @", F::WordCharacters, &S::chkAllowWordsWithAtSigns,
     R::AtSigns},
    {"chkAllowWordsWithNumerals", u"numerals 123", F::WordCharacters, &S::chkAllowWordsWithNumerals,
     R::Numerals},
    {"chkCaseSignificant", u"Upper/lower case significant", F::WordCharacters,
     &S::chkCaseSignificant, R::CaseSignificant},
    {"chkOnly7bitASCII", u"Allow only 7-bit ASCII characters", F::WordCharacters,
     &S::chkOnly7bitASCII, std::nullopt},

    {"chkTerminatePhraseAtDoubleQuote", u"end double quote \"", F::PhraseBoundaries,
     &S::chkTerminatePhraseAtDoubleQuote, std::nullopt},
    {"chkTerminatePhraseAtComma", u"comma ,", F::PhraseBoundaries, &S::chkTerminatePhraseAtComma,
     std::nullopt},
    {"chkTerminatePhraseAtTab", u"tab", F::PhraseBoundaries, &S::chkTerminatePhraseAtTab,
     std::nullopt},
    {"chkTerminatePhraseAtPeriod", u"period .", F::PhraseBoundaries, &S::chkTerminatePhraseAtPeriod,
     std::nullopt},
    {"chkTerminatePhraseAtEndOfLine", u"end of line", F::PhraseBoundaries,
     &S::chkTerminatePhraseAtEndOfLine, std::nullopt},

    {"chkIgnoreNoLetter", u"which lack a letter", F::IgnoreWords, &S::chkIgnoreNoLetter,
     std::nullopt},
    {"chkIgnoreShortWords", u"with fewer than", F::IgnoreWords, &S::chkIgnoreShortWords,
     std::nullopt},
    {"chkIgnoreRepetitions", u"containing 4 repetitions of a letter", F::IgnoreWords,
     &S::chkIgnoreRepetitions, std::nullopt},

    {"chkPatternMatchingInWordsToIgnoreFile", u"Enable pattern matching", F::Options,
     &S::chkPatternMatchingInWordsToIgnoreFile, std::nullopt},
    {"chkExtractTextFromDocx", u"Extract text from docx files", F::Options,
     &S::chkExtractTextFromDocx, std::nullopt},
    {"chkSaveStateOnQuit", u"Save settings when quitting", F::Options, &S::chkSaveStateOnQuit,
     std::nullopt},
    {"chkWarnOnOverwrite", u"Warn on overwrite of output file", F::Options, &S::chkWarnOnOverwrite,
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
