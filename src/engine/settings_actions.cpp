// The Settings window's logic: word rules, check-all, defaults, the words-to-
// ignore lists and the settings files; and the settings-file load of velt-batch.
#include "engine/engine.h"
#include "engine/main_window_controller.h"
#include "engine/settings_window_controller.h"
#include "engine/window_actions.h"
#include "settings/settings_files.h"
#include "wordlists/common_words.h"
#include "wordlists/extra_words.h"
#include "wordlists/ignore_notice.h"

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

void Engine::OnWordRuleClicked(WordRuleBox box) {
  Session& s = session_;
  if (!s.run.startUpCompleted || s.run.restoring) return;
  if (s.run.countAvailable) {
    Text question = u"Changing this entails reading the ";
    question += SourceNoun(s.settings.source);
    question += u" anew.  Is this OK?";
    if (s.Message(s.UIText(1), question, MessageIcon::Question, MessageButtons::YesNo) ==
        Answer::No) {
      bool* field = WordRuleField(s.settings, box);
      *field = !*field;  // switched back as a program change
      s.view.SettingsChanged();
    } else {
      s.run.countAvailable = false;
    }
  }
  if (box != WordRuleBox::CaseSignificant && box != WordRuleBox::Backslashes) {
    CheckAllowedExtraChars(s);
  }
}

void Engine::OnSetOrClearCheckboxesClicked(int index) {
  Session& s = session_;
  const bool value = index == 1;
  GuardFlag settingAll(s.wordLists.settingAllCheckboxes);
  const std::array<bool*, 26> boxes = s.settings.SettingsCheckboxes();
  for (size_t k = 0; k < boxes.size(); ++k) {
    if (*boxes[k] == value) continue;
    *boxes[k] = value;
    s.view.SettingsChanged();
    if (k < kWordRuleBoxesInCheckAllOrder) OnWordRuleClicked(static_cast<WordRuleBox>(k));
  }
  s.view.SettingsChanged();
}

void Engine::OnRestoreDefaultsClicked() {
  SetDefaultValues();
  if (session_.window.Get(ControlId::cmdClose).enabled) {
    session_.window.SetFocus(ControlId::cmdClose);
  }
}

void Engine::LoadRemoveChosen(LoadRemoveChoice choice) {
  velt::LoadRemoveChosen(session_, wordsFiles_, 0, choice);
}

void Engine::OnSelectWordsFileClicked() {
  velt::OnSelectWordsFileClicked(session_, wordsFiles_, 0);
}

void Engine::OnCommonWordsLanguageChosen() {
  velt::OnCommonWordsLanguageChosen(session_, wordsFiles_);
}

void Engine::OnExtraWordsLeft() {
  GetExtraWords(session_, 0);
}

void Engine::OnClearExtraWordsClicked() {
  velt::OnClearExtraWordsClicked(session_, 0);
}

void Engine::SaveStateWithPopUp(bool fromMainWindow) {
  popUpFromMainWindow_ = fromMainWindow;
  SaveSettings(session_, stateFile_, *this);
  popUpFromMainWindow_ = false;
}

void Engine::OnSaveOrLoadSettingsFileClicked(int index) {
  if (index == 0) {
    SaveSettingsToFile(session_, stateFile_, *this);
  } else {
    LoadSettingsFromFile(session_, stateFile_, *this);
  }
}

void Engine::OnReinitializeClicked() {
  Reinitialize(session_, stateFile_, *this);
}

int Engine::LoadSettingsFile(const std::string& path) {
  Session& s = session_;
  GuardFlag restoring(s.run.restoring);
  const RestoreResult result =
      stateFile_.RestoreSavedState({s.settings, s.dialogs, *this, true}, path);
  if (result.code == restore_result::kListWithoutSelection) {
    s.Message(u"Load settings", u"Invalid combo box index.", MessageIcon::Exclamation);
  } else if (result.code == restore_result::kError) {
    s.Message(u"Load settings", u"Error when attempting to load settings: " + result.description,
              MessageIcon::Exclamation);
  }
  s.view.SettingsChanged();
  return result.code;
}

void Engine::PrepareBatchRun() {
  Session& s = session_;
  // The settings file's words-to-ignore file was loaded with the settings.
  GetExtraWords(s, 0);
  mainWindow_->OnPathPatternsLeft(0);
  mainWindow_->OnPathPatternsLeft(1);
  mainWindow_->OnFilterWordsLeft();
  velt::SetWordsToIgnoreNotice(s);
}

}  // namespace velt
