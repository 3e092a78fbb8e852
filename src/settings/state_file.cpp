#include "settings/state_file.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "platform/regular_file.h"
#include "settings/atomic_write.h"
#include "settings/state_format.h"
#include "text/run_error.h"

namespace velt {
namespace {

namespace fs = std::filesystem;

class FdByteSource final : public ByteSource {
 public:
  explicit FdByteSource(int fd) : fd_(fd) {}
  ByteRead Read(char* buffer, size_t size) override {
    const int64_t got = ReadFully(fd_, buffer, static_cast<int64_t>(size));
    if (got < 0) return {0, errno};
    return {static_cast<size_t>(got), 0};
  }

 private:
  int fd_;
};

// Passes the records that other parts of the program react to on to the hooks.
class HookEvents final : public StateEventObserver {
 public:
  HookEvents(const Settings& settings, RestoreHooks& hooks) : settings_(settings), hooks_(hooks) {}

  void RecordApplied(StateEvent event) override {
    switch (event) {
      case StateEvent::FolderSet:
        hooks_.RememberLastFolder(settings_.inputFolder);
        break;
      case StateEvent::FilePatternsSet:
        hooks_.PatternBoxSet(0);
        break;
      case StateEvent::ExclusionTextsSet:
        hooks_.PatternBoxSet(1);
        hooks_.RememberLastInputFile(settings_.filePaths[0]);
        break;
      case StateEvent::SourceSet:
        hooks_.SourceSelected();
        break;
      case StateEvent::LanguageSet:
        hooks_.LanguageSelected();
        break;
    }
  }

 private:
  const Settings& settings_;
  RestoreHooks& hooks_;
};

// Opens, reads and closes the file; the records are applied as they are read.
ParseOutcome ReadStateFile(const std::string& path, Settings& settings, RestoreHooks& hooks) {
  const OpenedFile file = OpenRegularFile(path);
  if (!file.fd.valid()) return {ParseStatus::ReadError, ErrorFromErrno(file.error).description};
  FdByteSource source(file.fd.get());
  RecordLineReader lines(source, kMaxRecordBytes);
  HookEvents events(settings, hooks);
  return ParseStateRecords(lines, settings, &events);
}

void ReportPastEnd(const RestoreTarget& target) {
  const Answer answer =
      target.dialogs.Message({MessageId::InputPastEndSetDefaults, u"Error restoring saved state",
                              u"Input past end of file.  Set default values?",
                              MessageIcon::Question, MessageButtons::YesNo, Answer::No});
  if (answer == Answer::Yes) target.hooks.SetDefaultValues();
  target.dialogs.Message({MessageId::InputPastEndSaveToFix, u"Input past end of file",
                          u"Saving the settings should fix the 'Input past end of file' error.",
                          MessageIcon::Information, MessageButtons::Ok, std::nullopt});
}

bool AnyListWithoutSelection(const Settings& s) {
  return s.shortWordSizeIndex == -1 || s.longWordSizeIndex == -1 || s.wordOrder == -1 ||
         s.displayFormat == -1;
}

// Offers to load the selected words-to-ignore file; false when it was to be
// loaded and that failed.
bool OfferWordsFile(const RestoreTarget& target) {
  Settings& s = target.settings;
  const Text question = u"Do you wish to load the " + Text(u"words-to-ignore") + u" file\r\n" +
                        s.wordsFileList.Selected() + u" ?";
  const Answer answer =
      target.dialogs.Message({MessageId::LoadWordsFile, u"Load file?", question,
                              MessageIcon::Question, MessageButtons::YesNo, std::nullopt});
  if (answer == Answer::Yes) return target.hooks.AttemptToReadWords();
  s.wordsFileList.index = -1;
  s.commonWordsLanguage = kLanguageCount - 1;  // "[No language selected]"
  target.hooks.ClearFileWordsInForce();
  target.hooks.SetWordsToIgnoreNotice();
  s.ignoreMode = IgnoreMode::AllowAllIgnored;
  return true;
}

// A settings file puts its own words-to-ignore file in force: the selected
// file is loaded; with none selected, no file's words stay in force. False
// when the selected file could not be loaded.
bool LoadSettingsWordsFile(const RestoreTarget& target) {
  RestoreHooks& hooks = target.hooks;
  if (target.settings.wordsFileList.HasSelection()) return hooks.AttemptToReadWords();
  hooks.ClearFileWordsInForce();
  hooks.SetWordsToIgnoreNotice();
  return true;
}

// What follows a complete read.
RestoreStatus FinishRestore(const RestoreTarget& target) {
  Settings& s = target.settings;
  RestoreHooks& hooks = target.hooks;
  if (s.filePaths[1].empty()) {
    s.outputToFileDisabled = false;
    hooks.DisableOutputSwitch();
  }
  RestoreStatus status =
      AnyListWithoutSelection(s) ? RestoreStatus::ListWithoutSelection : RestoreStatus::Restored;
  const Text inputFile = s.filePaths[0];  // the check may empty the box
  if (!inputFile.empty()) hooks.CheckInputFileName(inputFile);
  hooks.FolderBoxLostFocus();
  hooks.CommitExtraWords();
  if (target.restoring) {
    if (!LoadSettingsWordsFile(target)) status = RestoreStatus::WordsFileNotLoaded;
  } else if (s.wordsFileList.HasSelection() && !OfferWordsFile(target)) {
    status = RestoreStatus::WordsFileNotLoaded;
  }
  return status;
}

}  // namespace

Text StateFile::SaveState(const Settings& settings, const std::string& path) const {
  const std::string target = Resolve(path);
  int err = 0;
  if (target == defaultPath_) {  // its folder is created when missing
    std::error_code error;
    fs::create_directories(fs::path(target).parent_path(), error);
    err = error.value();
  }
  if (err == 0) err = ReplaceFileContents(target, FormatStateRecords(settings));
  if (err == 0) return {};
  return u"Error when attempting to save state: " + ErrorFromErrno(err).description;
}

RestoreResult StateFile::RestoreSavedState(const RestoreTarget& target,
                                           const std::string& path) const {
  const std::string source = Resolve(path);
  std::error_code error;
  const bool exists = fs::exists(source, error);
  if (error) return {RestoreStatus::Error, ErrorFromErrno(error.value()).description};
  if (!exists) return {RestoreStatus::FileMissing, {}};

  const ParseOutcome outcome = ReadStateFile(source, target.settings, target.hooks);
  switch (outcome.status) {
    case ParseStatus::PastEnd:
      ReportPastEnd(target);
      return {RestoreStatus::Restored, {}};
    case ParseStatus::InvalidData:
    case ParseStatus::ReadError:
      return {RestoreStatus::Error, outcome.description};
    case ParseStatus::Complete:
      break;
  }
  return {FinishRestore(target), {}};
}

}  // namespace velt
