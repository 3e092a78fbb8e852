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

// The words of the file leave force together with the record of their file.
void DropFileWords(Session& session, int index) {
  session.wordLists.fileWordsToIgnore.Clear();
  session.wordLists.loadedWordsFile[ListIndex(index)].clear();
}

Text WordsFileButtonCaption(size_t count) {
  return u"Words-to-ignore files (" + Decimal(static_cast<int64_t>(count)) + u")";
}

}  // namespace

Text NormalizePath(const Text& path) {
  if (path.empty()) return path;
  std::error_code error;
  fs::path absolute = fs::absolute(FsPath(path), error);
  if (error) absolute = FsPath(path);
  return PathFromNative(absolute.lexically_normal().string());
}

bool AttemptToReadWords(Session& session, WordsFileSource& files, int index) {
  WordListState& lists = session.wordLists;
  Text& loaded = lists.loadedWordsFile[ListIndex(index)];
  const WordsFileList& list = session.settings.wordsFileList;
  if (index != 0 || !list.HasSelection()) {
    loaded.clear();
    return false;
  }
  const Text path = list.Selected();
  if (FileExists(path)) {
    if (!ReadWords(session, files, index)) {
      loaded.clear();
      return false;
    }
    session.window.SetCaption(ControlId::lblNumberOfWords, u"");
    {
      const GuardFlag adding(lists.addingWordsFile);
      SyncLanguageWithWordsFile(session);
    }
    loaded = path;
    return true;
  }
  if (session.run.startUpCompleted) {
    session.Message(u"File not found", u"File for words-to-ignore not found.",
                    MessageIcon::Exclamation);
    if (session.window.Get(ControlId::frmParams).visible) {
      session.window.SetFocus(ControlId::cmdClose);
    }
  } else if (path != CommonWordsPath(session, 0)) {
    // Appending the missing English file itself again would only list it twice.
    SetPathToCWDs_Eng(session);
  }
  loaded.clear();
  return false;
}

bool AddWordsFile(Session& session, const Text& path) {
  WordsFileList& list = session.settings.wordsFileList;
  const Text normalized = NormalizePath(path);
  for (const Text& entry : list.entries) {
    if (!SameFile(entry, normalized)) continue;
    session.Message(u"Already present",
                    normalized + Text(kLineEnd) +
                        u"is already in this list. If the file has changed\r\n"
                        u"select it from the drop-down list and reload it.",
                    MessageIcon::Information);
    return false;
  }
  const GuardFlag adding(session.wordLists.addingWordsFile);
  list.entries.push_back(normalized);
  list.index = static_cast<int>(list.entries.size()) - 1;
  session.view.SettingsChanged();
  return true;
}

void OnSelectWordsFileClicked(Session& session, WordsFileSource& files, int index) {
  if (index != 0) return;
  WordsFileList& list = session.settings.wordsFileList;
  if (list.entries.size() >= kMaxWordsFiles) {
    session.Message(WordsFileButtonCaption(list.entries.size()),
                    u"No more files may be added to this list.", MessageIcon::Information);
    return;
  }
  FileDialogRequest request;
  request.title = u"Specify a file containing words to ignore";
  request.filters = {{u"Any text file (*.*)", u"*.*"}};
  request.mustExist = true;
  const std::optional<Text> chosen = session.dialogs.OpenFile(request);
  if (!chosen || chosen->empty()) {
    session.window.SetFocus(ControlId::cmdClose);
    return;
  }
  if (!AddWordsFile(session, *chosen)) return;
  const size_t added = list.entries.size() - 1;
  if (!AttemptToReadWords(session, files, index)) {
    // A stopped reading has already taken the entry off the list.
    if (added < list.entries.size() && list.entries[added] == NormalizePath(*chosen)) {
      RemoveEntry(list, added);
    }
    session.view.SettingsChanged();
  }
  // The words in force changed (or a stopped reading dropped them).
  SetWordsToIgnoreNotice(session);
}

void OnClearWordsFilesClicked(Session& session, int index) {
  if (index != 0) return;
  WordsFileList& list = session.settings.wordsFileList;
  if (list.entries.empty()) {
    DropFileWords(session, index);
    return;
  }
  const Answer answer = session.Message(u"Clear words-to-ignore files",
                                        u"Do you wish to remove ALL files from this list?",
                                        MessageIcon::Question, MessageButtons::YesNoCancel);
  if (answer == Answer::Cancel) return;
  if (answer == Answer::Yes) list.entries.clear();
  {
    const GuardFlag clearing(session.wordLists.clearingWordsFileSelection);
    list.index = -1;
    session.settings.commonWordsLanguage = kNoLanguageIndex;
  }
  session.view.SettingsChanged();
  DropFileWords(session, index);
  SetWordsToIgnoreNotice(session);
}

bool WordsFileClickWanted(const Session& session, int index) {
  const WordListState& lists = session.wordLists;
  return index == 0 && session.run.startUpCompleted && !lists.addingWordsFile &&
         !lists.resettingWordsFileSelection && !lists.clearingWordsFileSelection &&
         !session.run.restoring && !lists.settingAllCheckboxes &&
         session.settings.wordsFileList.HasSelection();
}

void LoadRemoveChosen(Session& session, WordsFileSource& files, int index,
                      LoadRemoveChoice choice) {
  if (index != 0) return;
  WordsFileList& list = session.settings.wordsFileList;
  WordListState& lists = session.wordLists;
  switch (choice) {
    case LoadRemoveChoice::Load:
      if (AttemptToReadWords(session, files, index)) {
        SyncLanguageWithWordsFile(session);
        SetWordsToIgnoreNotice(session);
      } else {
        const GuardFlag resetting(lists.resettingWordsFileSelection);
        list.index = -1;
      }
      break;
    case LoadRemoveChoice::Remove:
      if (list.HasSelection()) RemoveEntry(list, static_cast<size_t>(list.index));
      DropFileWords(session, index);
      // With no file selected the language list shows no language and the
      // notice no file words.
      SyncLanguageWithWordsFile(session);
      SetWordsToIgnoreNotice(session);
      break;
    case LoadRemoveChoice::Cancel: {
      const GuardFlag resetting(lists.resettingWordsFileSelection);
      const Text& loaded = lists.loadedWordsFile[ListIndex(index)];
      list.index = -1;
      for (size_t i = 0; i < list.entries.size() && !loaded.empty(); ++i) {
        if (SameFile(list.entries[i], loaded)) {
          list.index = static_cast<int>(i);
          break;
        }
      }
      break;
    }
  }
  session.view.SettingsChanged();
}

}  // namespace velt
