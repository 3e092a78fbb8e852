// The Settings window's words to ignore: the list of words files with its
// file button, its "Clear" button and the Load/Remove choice; the
// common-words language list; the extra-words box and its "Clear" button.
#include "engine/window_controllers.h"
#include "text/strings.h"
#include "wordlists/common_words.h"
#include "wordlists/extra_words.h"
#include "wordlists/ignore_notice.h"
#include "wordlists/words_file_list.h"

namespace velt {
namespace {

Text WordsFileButtonCaption(size_t count) {
  return u"Words-to-ignore files (" + Decimal(static_cast<int64_t>(count)) + u")";
}

// The file the user chose for the list; nothing when the dialog was cancelled.
std::optional<Text> AskForWordsFile(Dialogs& dialogs) {
  FileDialogRequest request;
  request.title = u"Specify a file containing words to ignore";
  request.filters = {{u"Any text file (*.*)", u"*.*"}};
  request.mustExist = true;
  std::optional<Text> chosen = dialogs.OpenFile(request);
  if (chosen && chosen->empty()) chosen.reset();
  return chosen;
}

}  // namespace

// --- the list of words files ---

// The list's file button: asks for a file, adds and loads it. At most 99 files.
void SettingsWindowEngine::OnSelectWordsFileClicked() {
  Session& s = session();
  const size_t listed = s.settings.wordsFileList.entries.size();
  if (listed >= kMaxWordsFiles) {
    s.Message(MessageId::WordsFileListFull, WordsFileButtonCaption(listed),
              u"No more files may be added to this list.", MessageIcon::Information);
    return;
  }
  const std::optional<Text> chosen = AskForWordsFile(s.dialogs);
  if (!chosen) {
    s.window.SetFocus(ControlId::cmdClose);
    return;
  }
  AddAndLoadWordsFile(engine_.wordListContext(), *chosen);
}

// Asks whether to remove all files (Yes/No/Cancel); Yes and No both drop the
// words in force and the selection.
void SettingsWindowEngine::OnClearWordsFilesClicked() {
  Session& s = session();
  if (s.settings.wordsFileList.entries.empty()) {
    DropFileWords(s.wordLists, 0);
    return;
  }
  const Answer answer = s.Message(MessageId::RemoveAllWordsFiles, u"Clear words-to-ignore files",
                                  u"Do you wish to remove ALL files from this list?",
                                  MessageIcon::Question, MessageButtons::YesNoCancel);
  if (answer == Answer::Cancel) return;
  ClearWordsFileSelection(engine_.wordListContext(), answer == Answer::Yes);
}

// A file picked from the list is offered for loading or removal, except
// before start-up has completed and while the program itself changes the
// list's selection.
bool SettingsWindowEngine::WordsFileChoiceWanted() {
  const Session& s = session();
  const WordListState& lists = s.wordLists;
  return s.run.startUpCompleted && !lists.addingWordsFile && !lists.resettingWordsFileSelection &&
         !lists.clearingWordsFileSelection && !s.run.restoring && !lists.settingAllCheckboxes &&
         s.settings.wordsFileList.HasSelection();
}

void SettingsWindowEngine::OnWordsFileActionChosen(LoadRemoveChoice choice) {
  WordListContext& lists = engine_.wordListContext();
  switch (choice) {
    case LoadRemoveChoice::Load:
      ReloadSelectedWordsFile(lists);
      break;
    case LoadRemoveChoice::Remove:
      RemoveSelectedWordsFile(lists);
      break;
    case LoadRemoveChoice::Cancel:
      ReselectLoadedWordsFile(lists);
      break;
  }
  session().view.SettingsChanged();
}

// --- the common-words language list ---

// The user chose settings.commonWordsLanguage. No language drops the file's
// words and lets phrases of words to ignore through; a language excludes them
// and, once the user agrees, loads its file.
void SettingsWindowEngine::OnCommonWordsLanguageChosen() {
  Session& s = session();
  const WordListState& lists = s.wordLists;
  if (!s.run.startUpCompleted || lists.addingWordsFile || lists.clearingWordsFileSelection) {
    return;
  }
  const int chosen = s.settings.commonWordsLanguage;
  if (chosen < 0 || chosen > kNoLanguageIndex) return;
  if (chosen == kNoLanguageIndex) {
    DeselectWordsFile(engine_.wordListContext());
    SelectIgnoreMode(IgnoreMode::AllowAllIgnored);
    return;
  }
  SelectIgnoreMode(IgnoreMode::ExcludeAllIgnored);
  if (chosen == SelectedFileLanguage(s.settings)) {
    s.window.SetFocus(ControlId::frmParams_cmdSaveState);
    return;
  }
  const CommonWordsLanguage& language = kCommonWordsLanguages[static_cast<size_t>(chosen)];
  const Answer answer =
      s.Message(MessageId::LoadCommonWordsFile, u"Load common words file",
                u"Load common words file for " + Text(language.questionName) + u"?",
                MessageIcon::Question, MessageButtons::YesNo);
  if (answer != Answer::Yes) {
    SyncLanguageWithWordsFile(s.settings, s.view);
    return;
  }
  if (LoadCommonWordsFile(engine_.wordListContext(), chosen)) {
    s.window.SetFocus(ControlId::frmParams_cmdSaveState);
  }
}

void SettingsWindowEngine::SelectIgnoreMode(IgnoreMode mode) {
  Session& s = session();
  s.settings.ignoreMode = mode;
  s.run.ignoreModeCode = static_cast<int>(mode);
  s.view.SettingsChanged();
}

// --- the extra-words box ---

// The box loses the focus, or Enter is pressed in it.
void SettingsWindowEngine::OnExtraWordsLeft() {
  GetExtraWords(engine_.wordListContext(), 0);
}

// Empties the box and moves the focus to "Hide settings".
void SettingsWindowEngine::OnClearExtraWordsClicked() {
  Session& s = session();
  s.settings.extraWords.clear();
  GetExtraWords(engine_.wordListContext(), 0);
  SetWordsToIgnoreNotice(s.wordLists, s.window);
  s.window.SetFocus(ControlId::cmdClose);
}

}  // namespace velt
