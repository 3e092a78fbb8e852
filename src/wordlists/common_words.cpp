#include "wordlists/common_words.h"

#include "settings/ui_texts.h"
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

Text CommonWordsPath(const std::string& dataDir, int languageIndex) {
  return PathFromNative(dataDir) + u'/' +
         Text(kCommonWordsLanguages[static_cast<size_t>(languageIndex)].fileName);
}

int SelectedFileLanguage(const Settings& settings) {
  const WordsFileList& list = settings.wordsFileList;
  return list.HasSelection() ? LanguageIndexOfFile(list.Selected()) : kNoLanguageIndex;
}

void SyncLanguageWithWordsFile(Settings& settings, View& view) {
  settings.commonWordsLanguage = SelectedFileLanguage(settings);
  view.SettingsChanged();
}

void SetPathToCWDs_Eng(WordListContext& context) {
  WordsFileList& list = context.settings.wordsFileList;
  const GuardFlag adding(context.state.addingWordsFile);
  list.entries.push_back(CommonWordsPath(context.shell.dataDir, 0));
  list.index = static_cast<int>(list.entries.size()) - 1;
  context.shell.view.SettingsChanged();
}

bool LoadCommonWordsFile(WordListContext& context, int language) {
  Shell& shell = context.shell;
  const Text path = CommonWordsPath(shell.dataDir, language);
  if (!FileExists(path)) {
    shell.Message(MessageId::CommonWordsFileMissing, u"Error", path + u" not found.",
                  MessageIcon::Exclamation);
    return false;
  }
  WordsFileList& list = context.settings.wordsFileList;
  if (!AddWordsFile(context, path)) {
    SyncLanguageWithWordsFile(context.settings, shell.view);
    return true;
  }
  const size_t added = list.entries.size() - 1;
  if (!AttemptToReadWords(context, 0) && added < list.entries.size()) {
    list.entries.erase(list.entries.begin() + static_cast<std::ptrdiff_t>(added));
    list.index = -1;
  }
  context.settings.commonWordsLanguage = LanguageIndexOfFile(path);
  shell.view.SettingsChanged();
  SetWordsToIgnoreNotice(context.state, shell.window);
  return true;
}

void AskToUseCommonWords(WordListContext& context) {
  Shell& shell = context.shell;
  if (context.settings.wordsFileList.entries.empty()) {
    const Answer answer =
        shell.Message(MessageId::UseCommonWords, shell.UIText(ui_text::kCommonWordsTitle),
                      shell.UIText(ui_text::kUseCommonWordsQuestion), MessageIcon::Question,
                      MessageButtons::YesNo);
    if (answer == Answer::Yes) {
      SetPathToCWDs_Eng(context);
      AttemptToReadWords(context, 0);
      context.hooks.ResetCountButton();
    } else {
      context.settings.commonWordsLanguage = kNoLanguageIndex;
      shell.view.SettingsChanged();
    }
  }
  SetWordsToIgnoreNotice(context.state, shell.window);
}

}  // namespace velt
