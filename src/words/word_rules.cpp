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
    if (prohibitedEndChars.find(c) == TextView::npos) kept.push_back(c);
  }
  return kept;
}

}  // namespace

WordRules::WordRules() {
  RebuildTables();
}

void WordRules::SetAllowedExtraChars1(const Settings& settings) {
  Text set;
  AppendIf(set, settings.allowHyphens, u"-");
  AppendIf(set, settings.allowApostrophes, Text(u"'") + kLeftSingleQuote);
  AppendIf(set, settings.allowUnderscores, u"_");
  AppendIf(set, settings.allowColons, u":");
  AppendIf(set, settings.allowBackslashes, u"\\");
  AppendIf(set, settings.allowForwardSlashes, u"/");
  AppendIf(set, settings.allowPeriods, u".");
  AppendIf(set, settings.allowAtSigns, u"@");
  AppendIf(set, settings.allowNumeralsInWords, u"0123456789");
  SetExtraWordChars(set);
}

void WordRules::SetAllowedExtraChars2(const Settings& settings) {
  Text set = extraWordChars_;
  AppendIf(set, settings.allowParentheses, u"()");
  AppendIf(set, settings.allowAmpersands, u"&");
  AppendIf(set, settings.allowCommas, u",");
  SetExtraWordChars(set);
}

void WordRules::SetReadingExtraChars() {
  SetExtraWordChars(Text(allPossibleExtraChars) + u"~?");
}

void WordRules::SetExtraWordChars(TextView chars) {
  extraWordChars_ = Text(chars);
  RebuildTables();
}

void WordRules::RebuildTables() {
  wordChars_ = WordCharTable(false, extraWordChars_);
  wordStarts_ = WordCharTable(false, WithoutProhibitedInitialChars(extraWordChars_));
}

}  // namespace velt
