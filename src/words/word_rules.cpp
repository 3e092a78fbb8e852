#include "words/word_rules.h"

#include "words/word_char_sets.h"

namespace velt {
namespace {

constexpr char16_t kLeftSingleQuote = u'\u2018';

void AppendIf(Text& set, bool checked, TextView chars) {
  if (checked) set.append(chars);
}

Text WithoutProhibitedInitialChars(TextView chars) {
  Text kept;
  for (const char16_t c : chars) {
    if (strProhibitedInitialOrFinalChars.find(c) == TextView::npos) kept.push_back(c);
  }
  return kept;
}

}  // namespace

WordRules::WordRules() {
  RebuildTables();
}

void WordRules::SetAllowedExtraChars1(const Settings& settings) {
  Text set;
  AppendIf(set, settings.chkAllowWordsWithHyphens, u"-");
  AppendIf(set, settings.chkAllowWordsWithApostrophes, Text(u"'") + kLeftSingleQuote);
  AppendIf(set, settings.chkAllowWordsWithUnderscores, u"_");
  AppendIf(set, settings.chkAllowWordsWithColons, u":");
  AppendIf(set, settings.chkAllowWordsWithBackslashes, u"\\");
  AppendIf(set, settings.chkAllowWordsWithForwardslashes, u"/");
  AppendIf(set, settings.chkAllowWordsWithPeriods, u".");
  AppendIf(set, settings.chkAllowWordsWithAtSigns, u"@");
  AppendIf(set, settings.chkAllowWordsWithNumerals, u"0123456789");
  SetExtraWordChars(set);
}

void WordRules::SetAllowedExtraChars2(const Settings& settings) {
  Text set = strExtraWordChars_;
  AppendIf(set, settings.chkAllowWordsWithParentheses, u"()");
  AppendIf(set, settings.chkAllowWordsWithAmpersands, u"&");
  AppendIf(set, settings.chkAllowWordsWithCommas, u",");
  SetExtraWordChars(set);
}

void WordRules::SetReadingExtraChars() {
  SetExtraWordChars(Text(strAllPossibleExtraChars) + u"~?");
}

void WordRules::SetExtraWordChars(TextView chars) {
  strExtraWordChars_ = Text(chars);
  RebuildTables();
}

void WordRules::RebuildTables() {
  wordChars_ = WordCharTable(false, strExtraWordChars_);
  wordStarts_ = WordCharTable(false, WithoutProhibitedInitialChars(strExtraWordChars_));
}

}  // namespace velt
