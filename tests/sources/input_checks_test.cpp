// The input checks name what a path really is when it is no file to read,
// and keep the ordinary messages for missing, empty and unreadable files.
#include "sources/input_checks.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "sources/file_reader.h"
#include "sources/source_test_support.h"

namespace velt {
namespace {

namespace fs = std::filesystem;

class InputChecksTest : public testing::SourceTest {
 protected:
  InputChecksTest() { settings.source = Source::SingleFile; }

  // The messages of the name check (as the input box losing the focus shows
  // them) and of a count starting.
  std::vector<Text> MessagesFor(const std::string& path) {
    dialogs.messages.clear();
    settings.filePaths[0] = PathFromNative(path);
    const InputFileStatus status = CheckInputFileName(context, settings.filePaths[0]);
    EXPECT_NE(status, InputFileStatus::Ok) << path;
    ShowInputFileMessage(shell, settings, status);
    EXPECT_FALSE(CheckSourceBeforeCount(shell, settings)) << path;
    return dialogs.Texts();
  }
};

TEST_F(InputChecksTest, WhatIsNoFileIsNamedForWhatItIs) {
  const std::string folder = dir.File("folder");
  fs::create_directory(folder);
  const std::string fifo = dir.File("pipe\xFF");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string loop = dir.File("loop");
  fs::create_symlink(loop, loop);
  const std::pair<std::string, const char16_t*> cases[] = {
      {folder, u"is a folder, not a file."},
      {fifo, u"is not a regular file (a FIFO, socket or device)."},
      {"/dev/null", u"is not a regular file (a FIFO, socket or device)."},
      {loop, u"cannot be reached: too many levels of symbolic links."},
      {dir.File(std::string(300, 'n')), u"cannot be reached: file name too long."}};
  for (const auto& [path, reason] : cases) {
    const Text expected = PathFromNative(path) + u"\r\n" + reason;
    EXPECT_EQ(MessagesFor(path), (std::vector<Text>{expected, expected})) << path;
    EXPECT_EQ(dialogs.messages.back().title, u"Invalid input file");
    EXPECT_EQ(dialogs.Ids(),
              (std::vector<MessageId>{MessageId::InputNotAFile, MessageId::InputNotAFile}))
        << path;
    EXPECT_EQ(dialogs.messages.back().icon, MessageIcon::Exclamation);
  }
  // The name check still finds them missing or empty.
  EXPECT_EQ(CheckInputFileName(context, FromUtf8(folder)), InputFileStatus::Missing);
  EXPECT_EQ(CheckInputFileName(context, PathFromNative(fifo)), InputFileStatus::ZeroLength);
  EXPECT_EQ(CheckInputFileName(context, FromUtf8(loop)), InputFileStatus::Missing);
}

// A file the user may not read is the classifier's "cannot be opened"; a file
// in a folder the user may not search cannot even be examined.
TEST_F(InputChecksTest, PermissionDeniedOnTheFileOrOnTheWayToIt) {
  ASSERT_EQ(::chmod(dir.path().c_str(), 0755), 0);
  const std::string locked = dir.Write("locked.txt", "some words\r\n");
  ASSERT_EQ(::chmod(locked.c_str(), 0), 0);
  const std::string closed = dir.File("closed");
  const std::string behind = dir.Write("closed/in.txt", "some words\r\n");
  ASSERT_EQ(::chmod(closed.c_str(), 0), 0);

  // Root is not bound by file permissions: check as an ordinary user.
  const bool root = ::geteuid() == 0;
  ASSERT_TRUE(!root || ::seteuid(65534) == 0);
  settings.filePaths[0] = FromUtf8(locked);
  const bool lockedPasses = CheckSourceBeforeCount(shell, settings);
  const FileReadOutcome lockedOutcome = DoItFromFile(context);
  settings.filePaths[0] = FromUtf8(behind);
  const bool behindPasses = CheckSourceBeforeCount(shell, settings);
  ASSERT_TRUE(!root || ::seteuid(0) == 0);
  ::chmod(closed.c_str(), 0700);

  EXPECT_TRUE(lockedPasses);
  EXPECT_EQ(lockedOutcome.status, FileReadStatus::CannotOpen);
  EXPECT_FALSE(behindPasses);
  EXPECT_EQ(dialogs.Texts(),
            (std::vector<Text>{u"This file cannot be opened.",
                               FromUtf8(behind) + u"\r\ncannot be reached: permission denied."}));
  EXPECT_EQ(dialogs.Ids(),
            (std::vector<MessageId>{MessageId::FileCannotBeOpened, MessageId::InputNotAFile}));
}

}  // namespace
}  // namespace velt
