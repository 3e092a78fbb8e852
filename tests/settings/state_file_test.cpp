#include "settings/state_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "doubles/recording_dialogs.h"
#include "settings/state_format.h"
#include "state_test_support.h"

namespace velt {
namespace {

namespace fs = std::filesystem;
using testing::JoinLines;
using testing::NonDefaultLines;
using testing::NonDefaultSettings;
using testing::ReadBytes;
using testing::WriteBytes;
using Calls = std::vector<std::string>;

size_t FileCount(const fs::path& folder) {
  return static_cast<size_t>(std::distance(fs::directory_iterator(folder), {}));
}

class StateFileTest : public ::testing::Test {
 protected:
  RestoreResult Restore(const std::string& bytes, bool restoring = false) {
    WriteBytes(file, bytes);
    return RestoreFrom(file, restoring);
  }
  RestoreResult RestoreFrom(const std::string& path, bool restoring = false) {
    return stateFile.RestoreSavedState({settings, dialogs, hooks, restoring}, path);
  }

  testing::ScratchDir dir{"velt-state"};
  const std::string file = dir / "saved.velt";
  const StateFile stateFile{dir / "config/Orvane Systems/velt.usr"};
  Settings settings;
  velt::testing::RecordingDialogs dialogs;
  testing::RecordingHooks hooks;
};

TEST_F(StateFileTest, SaveReplacesTheFileWhole) {
  EXPECT_EQ(stateFile.SaveState(NonDefaultSettings()), u"");  // folders created
  EXPECT_EQ(ReadBytes(stateFile.defaultPath()), JoinLines(NonDefaultLines()));

  WriteBytes(file, std::string(5000, 'o'));
  ::chmod(file.c_str(), 0640);
  EXPECT_EQ(stateFile.SaveState(Settings{}, file), u"");
  EXPECT_EQ(ReadBytes(file), FormatStateRecords(Settings{}));
  struct stat info {};
  ASSERT_EQ(::stat(file.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u);
  EXPECT_EQ(FileCount(dir.path()), 2u);  // no temporary file left

  // A symbolic link keeps naming the file it names.
  fs::create_symlink(file, dir / "link.velt");
  EXPECT_EQ(stateFile.SaveState(NonDefaultSettings(), dir / "link.velt"), u"");
  EXPECT_TRUE(fs::is_symlink(dir / "link.velt"));
  EXPECT_EQ(ReadBytes(file), JoinLines(NonDefaultLines()));
}

TEST_F(StateFileTest, FailedSavesLeaveTheOldFileAlone) {
  EXPECT_EQ(stateFile.SaveState(Settings{}, dir / "missing/x.velt"),
            u"Error when attempting to save state: No such file or directory");
  fs::create_directory(dir / "folder.velt");
  EXPECT_EQ(stateFile.SaveState(Settings{}, dir / "folder.velt"),
            u"Error when attempting to save state: Is a directory");
  EXPECT_TRUE(fs::is_directory(dir / "folder.velt"));

  // A write that fails part-way (the file-size limit stands in for a full disk).
  const std::string old = JoinLines(NonDefaultLines());
  WriteBytes(file, old);
  rlimit saved{};
  ::getrlimit(RLIMIT_FSIZE, &saved);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 100;
  ::setrlimit(RLIMIT_FSIZE, &small);
  const Text error = stateFile.SaveState(Settings{}, file);
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);
  EXPECT_EQ(error, u"Error when attempting to save state: File too large");
  EXPECT_EQ(ReadBytes(file), old);
  EXPECT_EQ(FileCount(dir.path()), 2u);
}

TEST(StateLocationTest, DefaultPath) {
  testing::ScratchDir dir{"velt-state"};
  const std::string home = dir.path().string();
  const std::string tail = "/Orvane Systems/velt.usr";
  EXPECT_EQ(DefaultStatePath({"/xdg", home, "/acct"}), "/xdg" + tail);
  EXPECT_EQ(DefaultStatePath({"relative", home, "/acct"}), home + "/.config" + tail);
  EXPECT_EQ(DefaultStatePath({std::nullopt, "", "/acct"}), "/acct/.config" + tail);
  WriteBytes(dir / ".config", "not a folder");
  EXPECT_EQ(DefaultStatePath({std::nullopt, home, "/acct"}), home + tail);
  EXPECT_EQ(DefaultStatePath({std::nullopt, std::nullopt, std::nullopt}), "." + tail);
}

TEST_F(StateFileTest, MissingFileChangesNothing) {
  EXPECT_EQ(RestoreFrom(dir / "none.velt").status, RestoreStatus::FileMissing);
  EXPECT_EQ(stateFile.RestoreSavedState({settings, dialogs, hooks}).status,
            RestoreStatus::FileMissing);
  EXPECT_EQ(settings, Settings{});
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_TRUE(hooks.calls.empty());
}

TEST_F(StateFileTest, CompleteRestoreAndTheWordsFileQuestion) {
  EXPECT_EQ(Restore(JoinLines(NonDefaultLines())).status, RestoreStatus::Restored);
  EXPECT_EQ(settings, NonDefaultSettings());
  EXPECT_EQ(hooks.calls,
            (Calls{"RememberLastFolder /home/ann/corpus", "PatternBoxSet 0", "PatternBoxSet 1",
                   "RememberLastInputFile /home/ann/in.txt", "SourceSelected", "LanguageSelected",
                   "CheckInputFileName /home/ann/in.txt", "FolderBoxLostFocus", "CommitExtraWords",
                   "AttemptToReadWords"}));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].title, u"Load file?");
  EXPECT_EQ(dialogs.messages[0].id, MessageId::LoadWordsFile);
  EXPECT_EQ(dialogs.messages[0].text,
            u"Do you wish to load the words-to-ignore file\r\n/w/cwds_fr.txt ?");
  EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::YesNo);

  hooks.attemptToReadWordsResult = false;
  EXPECT_EQ(Restore(JoinLines(NonDefaultLines())).status, RestoreStatus::WordsFileNotLoaded);

  hooks.calls.clear();
  dialogs.answers = {Answer::No};
  EXPECT_EQ(Restore(JoinLines(NonDefaultLines())).status, RestoreStatus::Restored);
  EXPECT_EQ(settings.wordsFileList.index, -1);
  EXPECT_EQ(settings.wordsFileList.entries.size(), 2u);
  EXPECT_EQ(settings.commonWordsLanguage, 7);
  EXPECT_EQ(settings.ignoreMode, IgnoreMode::AllowAllIgnored);
  EXPECT_EQ(Calls(hooks.calls.end() - 3, hooks.calls.end()),
            (Calls{"CommitExtraWords", "ClearFileWordsInForce", "SetWordsToIgnoreNotice"}));
}

TEST_F(StateFileTest, WhatFollowsAFullRead) {
  // Loading a settings file asks nothing about the words file: it loads the
  // selected one.
  EXPECT_EQ(Restore(JoinLines(NonDefaultLines()), true).status, RestoreStatus::Restored);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(settings.wordsFileList.index, 1);
  EXPECT_EQ(hooks.calls.back(), "AttemptToReadWords");

  // Empty file boxes: "Disable" unchecked and unavailable, no input-name check.
  std::vector<std::string> lines = NonDefaultLines();
  lines[2] = "\"\"";
  lines[4] = "  ";
  hooks.calls.clear();
  EXPECT_EQ(Restore(JoinLines(lines), true).status, RestoreStatus::Restored);
  EXPECT_FALSE(settings.outputToFileDisabled);
  EXPECT_EQ(Calls(hooks.calls.begin() + 6, hooks.calls.end()),
            (Calls{"DisableOutputSwitch", "FolderBoxLostFocus", "CommitExtraWords",
                   "AttemptToReadWords"}));

  // With no file selected, no file's words stay in force; a file that cannot
  // be loaded leaves WordsFileNotLoaded.
  lines = NonDefaultLines();
  lines[35] = "-1";  // the words-file list's selection
  hooks.calls.clear();
  EXPECT_EQ(Restore(JoinLines(lines), true).status, RestoreStatus::Restored);
  EXPECT_EQ(Calls(hooks.calls.end() - 2, hooks.calls.end()),
            (Calls{"ClearFileWordsInForce", "SetWordsToIgnoreNotice"}));
  hooks.attemptToReadWordsResult = false;
  EXPECT_EQ(Restore(JoinLines(NonDefaultLines()), true).status, RestoreStatus::WordsFileNotLoaded);
  hooks.attemptToReadWordsResult = true;

  for (const size_t line : {7, 8, 30, 31}) {  // lists left without a selection
    lines = NonDefaultLines();
    lines[line - 1] = "-1";
    EXPECT_EQ(Restore(JoinLines(lines), true).status, RestoreStatus::ListWithoutSelection) << line;
  }
}

TEST_F(StateFileTest, ShortFiles) {
  for (const std::string& bytes : {JoinLines(NonDefaultLines(), 40), std::string()}) {
    dialogs.messages.clear();
    EXPECT_EQ(Restore(bytes).status, RestoreStatus::Restored);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].title, u"Error restoring saved state");
    EXPECT_EQ(dialogs.Ids(), (std::vector<MessageId>{MessageId::InputPastEndSetDefaults,
                                                     MessageId::InputPastEndSaveToFix}));
    EXPECT_EQ(dialogs.messages[0].text, u"Input past end of file.  Set default values?");
    EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(dialogs.messages[0].DefaultAnswer(), Answer::No);
    EXPECT_EQ(dialogs.messages[1].title, u"Input past end of file");
    EXPECT_EQ(dialogs.messages[1].text,
              u"Saving the settings should fix the 'Input past end of file' error.");
    EXPECT_EQ(dialogs.messages[1].icon, MessageIcon::Information);
  }
  EXPECT_EQ(settings.displayFormat, 12);  // read before the end: kept
  EXPECT_EQ(std::count(hooks.calls.begin(), hooks.calls.end(), "SetDefaultValues"), 0);
  EXPECT_EQ(std::count(hooks.calls.begin(), hooks.calls.end(), "FolderBoxLostFocus"), 0);

  dialogs.answers = {Answer::Yes};
  EXPECT_EQ(Restore("\"/f\"\r\n").status, RestoreStatus::Restored);
  EXPECT_EQ(hooks.calls.back(), "SetDefaultValues");
}

TEST_F(StateFileTest, FilesThatCannotBeRestored) {
  RestoreResult result = Restore(JoinLines(NonDefaultLines(), 32) + "100\r\n");
  EXPECT_EQ(result.status, RestoreStatus::Error);
  EXPECT_EQ(result.description, u"Invalid data");
  EXPECT_TRUE(settings.only7BitAscii);  // the record before it
  EXPECT_TRUE(dialogs.messages.empty());

  fs::create_directory(dir / "folder.velt");
  result = RestoreFrom(dir / "folder.velt");
  EXPECT_EQ(result.status, RestoreStatus::Error);
  EXPECT_EQ(result.description, u"Is a directory");

  result = Restore("\"/f\"\r\n" + std::string(10 << 20, '7') + "\r\n");
  EXPECT_EQ(result.status, RestoreStatus::Error);
  EXPECT_EQ(result.description, u"Invalid data");
  EXPECT_EQ(settings.inputFolder, u"/f");

  // Garbage without line ends is one text record, then the end of the file.
  std::string garbage;
  for (int k = 0; k < 4096; ++k)
    garbage += static_cast<char>(k * 131 % 256);
  std::erase_if(garbage, [](char c) { return c == '\r' || c == '\n' || c == '"' || c == ','; });
  EXPECT_EQ(Restore(garbage).status, RestoreStatus::Restored);
  EXPECT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(settings.inputFolder, PathFromNative(garbage.substr(garbage.find_first_not_of(' '))));
}

// Runs the action as an unprivileged user when the tests run as root, whom
// file permissions do not bind.
template <typename Action>
void AsUnprivilegedUser(Action action) {
  const bool root = ::geteuid() == 0;
  if (root && ::seteuid(65534) != 0) FAIL() << "cannot drop privileges";
  action();
  if (root && ::seteuid(0) != 0) FAIL() << "cannot regain privileges";
}

TEST_F(StateFileTest, PermissionsAreRespected) {
  WriteBytes(file, JoinLines(NonDefaultLines()));
  ::chmod(dir.path().c_str(), 0777);
  ::chmod(file.c_str(), 0);
  RestoreResult result;
  AsUnprivilegedUser([&] { result = RestoreFrom(file); });
  EXPECT_EQ(result.status, RestoreStatus::Error);
  EXPECT_EQ(result.description, u"Permission denied");
  EXPECT_EQ(settings, Settings{});

  // A read-only file in a writable folder is not replaced behind its back.
  ::chmod(file.c_str(), 0444);
  Text error;
  AsUnprivilegedUser([&] { error = stateFile.SaveState(Settings{}, file); });
  EXPECT_EQ(error, u"Error when attempting to save state: Permission denied");
  EXPECT_EQ(ReadBytes(file), JoinLines(NonDefaultLines()));
}

}  // namespace
}  // namespace velt
