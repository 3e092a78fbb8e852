// The Settings window's check boxes: the word-rule boxes, "Check all" and
// "Clear all", and "Restore defaults".
#include "engine/window_controllers.h"
#include "settings/ui_texts.h"
#include "wordlists/extra_words.h"
#include "wordlists/word_list_state.h"

namespace velt {
namespace {

bool* WordRuleField(Settings& settings, WordRuleBox box) {
  switch (box) {
    case WordRuleBox::Hyphens:
      return &settings.allowHyphens;
    case WordRuleBox::Apostrophes:
      return &settings.allowApostrophes;
    case WordRuleBox::Underscores:
      return &settings.allowUnderscores;
    case WordRuleBox::Colons:
      return &settings.allowColons;
    case WordRuleBox::Backslashes:
      return &settings.allowBackslashes;
    case WordRuleBox::Forwardslashes:
      return &settings.allowForwardSlashes;
    case WordRuleBox::Parentheses:
      return &settings.allowParentheses;
    case WordRuleBox::Ampersands:
      return &settings.allowAmpersands;
    case WordRuleBox::Periods:
      return &settings.allowPeriods;
    case WordRuleBox::Commas:
      return &settings.allowCommas;
    case WordRuleBox::AtSigns:
      return &settings.allowAtSigns;
    case WordRuleBox::Numerals:
      return &settings.allowNumeralsInWords;
    case WordRuleBox::CaseSignificant:
      return &settings.caseSignificant;
  }
  return nullptr;
}

// The first 12 boxes of the check-all order are the word characters, then
// "Upper/lower case significant".
constexpr size_t kWordRuleBoxesInCheckAllOrder = 13;

TextView SourceNoun(Source source) {
  switch (source) {
    case Source::SingleFile:
      return u"file";
    case Source::Folder:
      return u"files";
    case Source::Clipboard:
      return u"clipboard";
  }
  return u"clipboard";
}

}  // namespace

// After a count a changed word rule makes the count out of date: the user may
// keep the count by switching the box back. A new word character may admit
// characters of the extra-words box, or a dropped one refuse them.
void SettingsWindowEngine::OnWordRuleClicked(WordRuleBox box) {
  Session& s = session();
  if (!s.run.startUpCompleted || s.run.restoring) return;
  if (s.run.countAvailable) {
    Text question = u"Changing this entails reading the ";
    question += SourceNoun(s.settings.source);
    question += u" anew.  Is this OK?";
    if (s.Message(MessageId::WordRuleChangeRereads, s.UIText(ui_text::kProgramName), question,
                  MessageIcon::Question, MessageButtons::YesNo) == Answer::No) {
      bool* field = WordRuleField(s.settings, box);
      *field = !*field;  // switched back as a program change
      s.view.SettingsChanged();
    } else {
      s.run.countAvailable = false;
    }
  }
  if (box != WordRuleBox::CaseSignificant && box != WordRuleBox::Backslashes) {
    CheckAllowedExtraChars(engine_.wordListContext());
  }
}

// Every changed word-rule box reacts as if clicked; the extra-words box is
// not checked meanwhile.
void SettingsWindowEngine::OnSetOrClearCheckboxesClicked(int index) {
  Session& s = session();
  const bool value = index == 1;
  const GuardFlag settingAll(s.wordLists.settingAllCheckboxes);
  const std::array<bool*, 26> boxes = s.settings.SettingsCheckboxes();
  for (size_t k = 0; k < boxes.size(); ++k) {
    if (*boxes[k] == value) continue;
    *boxes[k] = value;
    s.view.SettingsChanged();
    if (k < kWordRuleBoxesInCheckAllOrder) OnWordRuleClicked(static_cast<WordRuleBox>(k));
  }
  s.view.SettingsChanged();
}

void SettingsWindowEngine::OnRestoreDefaultsClicked() {
  engine_.SetDefaultValues();
  Session& s = session();
  if (s.window.Get(ControlId::cmdClose).enabled) s.window.SetFocus(ControlId::cmdClose);
}

}  // namespace velt
