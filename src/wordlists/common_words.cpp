#include "wordlists/common_words.h"

#include "engine/window_actions.h"
#include "text/case_mapping.h"
#include "wordlists/ignore_notice.h"
#include "wordlists/words_file_list.h"

#include <filesystem>
#include <system_error>

namespace velt {
namespace {

bool FileExists(const Text& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(std::filesystem::path(PathToNative(path)), error);
}

void SelectIgnoreMode(Session& session, IgnoreMode mode) {
  session.settings.ignoreMode = mode;
  session.run.ignoreModeCode = static_cast<int>(mode);
  session.view.SettingsChanged();
}

int SelectedFileLanguage(const Session& session) {
  const WordsFileList& list = session.settings.wordsFileList;
  return list.HasSelection() ? LanguageIndexOfFile(list.Selected()) : kNoLanguageIndex;
}

}  // namespace

int LanguageIndexOfFile(TextView path) {
  const size_t slash = path.rfind(u'/');
  if (slash == TextView::npos) return kNoLanguageIndex;
  const Text name = LowerCaseText(path.substr(slash + 1));
  for (int i = 0; i < kNoLanguageIndex; ++i) {
    if (name == kCommonWordsLanguages[static_cast<size_t>(i)].fileName) return i;
  }
  return kNoLanguageIndex;
}

Text CommonWordsPath(const Session& session, int languageIndex) {
  return PathFromNative(session.dataDir) + u'/' +
         Text(kCommonWordsLanguages[static_cast<size_t>(languageIndex)].fileName);
}

void SyncLanguageWithWordsFile(Session& session) {
  session.settings.commonWordsLanguage = SelectedFileLanguage(session);
  session.view.SettingsChanged();
}

void SetPathToCWDs_Eng(Session& session) {
  WordsFileList& list = session.settings.wordsFileList;
  const GuardFlag adding(session.wordLists.addingWordsFile);
  list.entries.push_back(CommonWordsPath(session, 0));
  list.index = static_cast<int>(list.entries.size()) - 1;
  session.view.SettingsChanged();
}

void OnCommonWordsLanguageChosen(Session& session, WordsFileSource& files) {
  const WordListState& lists = session.wordLists;
  if (!session.run.startUpCompleted || lists.addingWordsFile || lists.clearingWordsFileSelection) {
    return;
  }
  const int chosen = session.settings.commonWordsLanguage;
  if (chosen < 0 || chosen > kNoLanguageIndex) return;
  WordsFileList& list = session.settings.wordsFileList;
  if (chosen == kNoLanguageIndex) {
    {
      const GuardFlag resetting(session.wordLists.resettingWordsFileSelection);
      list.index = -1;
    }
    session.wordLists.fileWordsToIgnore.Clear();
    session.wordLists.loadedWordsFile[0].clear();
    SetWordsToIgnoreNotice(session);
    SelectIgnoreMode(session, IgnoreMode::AllowAllIgnored);
    return;
  }
  SelectIgnoreMode(session, IgnoreMode::ExcludeAllIgnored);
  if (chosen == SelectedFileLanguage(session)) {
    session.window.SetFocus(ControlId::frmParams_cmdSaveState);
    return;
  }
  const CommonWordsLanguage& language = kCommonWordsLanguages[static_cast<size_t>(chosen)];
  const Answer answer =
      session.Message(u"Load common words file",
                      u"Load common words file for " + Text(language.questionName) + u"?",
                      MessageIcon::Question, MessageButtons::YesNo);
  if (answer != Answer::Yes) {
    SyncLanguageWithWordsFile(session);
    return;
  }
  const Text path = CommonWordsPath(session, chosen);
  if (!FileExists(path)) {
    session.Message(u"Error", path + u" not found.", MessageIcon::Exclamation);
    return;
  }
  if (!AddWordsFile(session, path)) {
    SyncLanguageWithWordsFile(session);
    session.window.SetFocus(ControlId::frmParams_cmdSaveState);
    return;
  }
  const size_t added = list.entries.size() - 1;
  if (!AttemptToReadWords(session, files, 0) && added < list.entries.size()) {
    list.entries.erase(list.entries.begin() + static_cast<std::ptrdiff_t>(added));
    list.index = -1;
  }
  session.settings.commonWordsLanguage = LanguageIndexOfFile(path);
  session.view.SettingsChanged();
  SetWordsToIgnoreNotice(session);
  session.window.SetFocus(ControlId::frmParams_cmdSaveState);
}

void AskToUseCommonWords(Session& session, WordsFileSource& files) {
  if (session.settings.wordsFileList.entries.empty()) {
    const Answer answer = session.Message(session.UIText(42), session.UIText(41),
                                          MessageIcon::Question, MessageButtons::YesNo);
    if (answer == Answer::Yes) {
      SetPathToCWDs_Eng(session);
      AttemptToReadWords(session, files, 0);
      SetCountPhrasesCaption(session);
    } else {
      session.settings.commonWordsLanguage = kNoLanguageIndex;
      session.view.SettingsChanged();
    }
  }
  SetWordsToIgnoreNotice(session);
}

}  // namespace velt
