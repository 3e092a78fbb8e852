#include "wordlists/words_file_list.h"

#include <filesystem>
#include <system_error>

#include "platform/path_compare.h"
#include "platform/regular_file.h"
#include "text/strings.h"
#include "wordlists/common_words.h"
#include "wordlists/ignore_notice.h"
#include "wordlists/words_file_reader.h"

namespace velt {
namespace {

namespace fs = std::filesystem;

fs::path FsPath(const Text& path) {
  return fs::path(PathToNative(path));
}

// Listed paths name the same file: equal once normalised, or the same file.
bool SameFile(const Text& a, const Text& b) {
  return SamePath(PathToNative(a), PathToNative(b));
}

size_t ListIndex(int index) {
  return static_cast<size_t>(index);
}

// Something is there: a folder, a FIFO or a link loop is not "not found" but
// refused by the reader with its reason.
bool FileExists(const Text& path) {
  return !path.empty() && ExamineFile(PathToNative(path)).kind != FileKind::Missing;
}

void RemoveEntry(WordsFileList& list, size_t position) {
  if (position >= list.entries.size()) return;
  list.entries.erase(list.entries.begin() + static_cast<std::ptrdiff_t>(position));
  list.index = -1;
}

}  // namespace

Text NormalizePath(const Text& path) {
  if (path.empty()) return path;
  std::error_code error;
  fs::path absolute = fs::absolute(FsPath(path), error);
  if (error) absolute = FsPath(path);
  return PathFromNative(absolute.lexically_normal().string());
}

bool AttemptToReadWords(WordListContext& context, int index) {
  Shell& shell = context.shell;
  Text& loaded = context.state.loadedWordsFile[ListIndex(index)];
  const WordsFileList& list = context.settings.wordsFileList;
  if (index != 0 || !list.HasSelection()) {
    loaded.clear();
    return false;
  }
  const Text path = list.Selected();
  if (FileExists(path)) {
    if (!ReadWords(context, index)) {
      loaded.clear();
      return false;
    }
    shell.window.SetCaption(ControlId::lblNumberOfWords, u"");
    {
      const GuardFlag adding(context.state.addingWordsFile);
      SyncLanguageWithWordsFile(context.settings, shell.view);
    }
    loaded = path;
    return true;
  }
  if (context.run.startUpCompleted) {
    shell.Message(MessageId::WordsFileMissing, u"File not found",
                  u"File for words-to-ignore not found.", MessageIcon::Exclamation);
    if (shell.window.Get(ControlId::frmParams).visible) {
      shell.window.SetFocus(ControlId::cmdClose);
    }
  } else if (path != CommonWordsPath(shell.dataDir, 0)) {
    // Appending the missing English file itself again would only list it twice.
    SetPathToCWDs_Eng(context);
  }
  loaded.clear();
  return false;
}

bool AddWordsFile(WordListContext& context, const Text& path) {
  WordsFileList& list = context.settings.wordsFileList;
  const Text normalized = NormalizePath(path);
  for (const Text& entry : list.entries) {
    if (!SameFile(entry, normalized)) continue;
    context.shell.Message(MessageId::WordsFileAlreadyListed, u"Already present",
                          normalized + Text(kLineEnd) +
                              u"is already in this list. If the file has changed\r\n"
                              u"select it from the drop-down list and reload it.",
                          MessageIcon::Information);
    return false;
  }
  const GuardFlag adding(context.state.addingWordsFile);
  list.entries.push_back(normalized);
  list.index = static_cast<int>(list.entries.size()) - 1;
  context.shell.view.SettingsChanged();
  return true;
}

void AddAndLoadWordsFile(WordListContext& context, const Text& path) {
  if (!AddWordsFile(context, path)) return;
  WordsFileList& list = context.settings.wordsFileList;
  const size_t added = list.entries.size() - 1;
  if (!AttemptToReadWords(context, 0)) {
    // A stopped reading has already taken the entry off the list.
    if (added < list.entries.size() && list.entries[added] == NormalizePath(path)) {
      RemoveEntry(list, added);
    }
    context.shell.view.SettingsChanged();
  }
  // The words in force changed (or a stopped reading dropped them).
  SetWordsToIgnoreNotice(context.state, context.shell.window);
}

void DropFileWords(WordListState& lists, int index) {
  lists.fileWordsToIgnore.Clear();
  lists.loadedWordsFile[ListIndex(index)].clear();
}

void ClearWordsFileSelection(WordListContext& context, bool removeAll) {
  WordsFileList& list = context.settings.wordsFileList;
  if (removeAll) list.entries.clear();
  {
    const GuardFlag clearing(context.state.clearingWordsFileSelection);
    list.index = -1;
    context.settings.commonWordsLanguage = kNoLanguageIndex;
  }
  context.shell.view.SettingsChanged();
  DropFileWords(context.state, 0);
  SetWordsToIgnoreNotice(context.state, context.shell.window);
}

void DeselectWordsFile(WordListContext& context) {
  {
    const GuardFlag resetting(context.state.resettingWordsFileSelection);
    context.settings.wordsFileList.index = -1;
  }
  DropFileWords(context.state, 0);
  SetWordsToIgnoreNotice(context.state, context.shell.window);
}

void ReloadSelectedWordsFile(WordListContext& context) {
  if (AttemptToReadWords(context, 0)) {
    SyncLanguageWithWordsFile(context.settings, context.shell.view);
    SetWordsToIgnoreNotice(context.state, context.shell.window);
  } else {
    const GuardFlag resetting(context.state.resettingWordsFileSelection);
    context.settings.wordsFileList.index = -1;
  }
}

void RemoveSelectedWordsFile(WordListContext& context) {
  WordsFileList& list = context.settings.wordsFileList;
  if (list.HasSelection()) RemoveEntry(list, static_cast<size_t>(list.index));
  DropFileWords(context.state, 0);
  // With no file selected the language list shows no language and the notice
  // no file words.
  SyncLanguageWithWordsFile(context.settings, context.shell.view);
  SetWordsToIgnoreNotice(context.state, context.shell.window);
}

void ReselectLoadedWordsFile(WordListContext& context) {
  WordsFileList& list = context.settings.wordsFileList;
  const GuardFlag resetting(context.state.resettingWordsFileSelection);
  const Text& loaded = context.state.loadedWordsFile[0];
  list.index = -1;
  for (size_t i = 0; i < list.entries.size() && !loaded.empty(); ++i) {
    if (SameFile(list.entries[i], loaded)) {
      list.index = static_cast<int>(i);
      break;
    }
  }
}

}  // namespace velt
