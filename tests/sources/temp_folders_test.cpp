#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <stdexcept>

#include "doubles/folder_names.h"
#include "doubles/forked_child.h"
#include "platform/unique_fd.h"
#include "sources/file_reader.h"
#include "sources/source_test_support.h"
#include "sources/temp_area.h"
#include "sources/temp_folders.h"

namespace velt {
namespace {

namespace fs = std::filesystem;

unsigned Mode(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

// Writes a "lock" file into a folder; nobody holds it.
void PutFreeLock(const testing::ScratchDir& dir, const std::string& folder) {
  dir.Write(folder + "/lock", "");
}

// Holds a folder's lock as its running program does.
class HeldLock {
 public:
  explicit HeldLock(const std::string& path) : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
  bool Take() { return fd_.valid() && ::flock(fd_.get(), LOCK_EX | LOCK_NB) == 0; }

 private:
  UniqueFd fd_;
};

class TempFoldersTest : public testing::SourceTest {};

TEST_F(TempFoldersTest, PrivateFolderIsMadeOnFirstNeedInTheTempDirectoryWithMode0700) {
  TempArea area;  // $TMPDIR (tempRoot) when it is made
  EXPECT_EQ(area.path(), "");
  EXPECT_TRUE(testing::SortedEntryNames(tempRoot.path()).empty());

  std::optional<TempFolder> first = TempFolder::Create(area);
  ASSERT_TRUE(first);
  const fs::path areaPath = area.path();
  EXPECT_EQ(areaPath.parent_path(), tempRoot.path());
  const std::string name = areaPath.filename().string();
  EXPECT_EQ(name.substr(0, 5), "velt-");
  EXPECT_EQ(name.size(), 11u);
  EXPECT_EQ(Mode(area.path()), 0700u);
  EXPECT_EQ(first->path(), area.path() + "/VELT001");
  EXPECT_EQ(Mode(first->path()), 0700u);
  EXPECT_EQ(testing::SortedEntryNames(tempRoot.path()), std::vector<std::string>{name});

  // A cleaner of old temporary files deleted it behind the program's back.
  first.reset();
  fs::remove_all(area.path());
  first = TempFolder::Create(area);
  ASSERT_TRUE(first);
  EXPECT_TRUE(fs::is_directory(first->path()));
  EXPECT_EQ(fs::path(area.path()).parent_path(), tempRoot.path());

  setenv("TMPDIR", (dir.path().string() + "//").c_str(), 1);
  EXPECT_EQ(TempDirectory(), dir.path());
  setenv("TMPDIR", "", 1);
  EXPECT_EQ(TempDirectory(), "/tmp");
}

TEST_F(TempFoldersTest, FoldersAreNumberedInsideThePrivateFolderFromTheFirstFreeNumber) {
  TempArea area(tempRoot.path());
  std::optional<TempFolder> first = TempFolder::Create(area);
  ASSERT_TRUE(first);
  tempRoot.Write(fs::path(area.path()).filename().string() + "/VELT002", "a file takes the name");
  std::optional<TempFolder> third = TempFolder::Create(area);
  ASSERT_TRUE(third);
  EXPECT_EQ(third->path(), area.path() + "/VELT003");

  tempRoot.Write(
      fs::path(third->path()).lexically_relative(tempRoot.path()).string() + "/word/document.xml",
      "<x/>");
  third.reset();
  EXPECT_FALSE(fs::exists(area.path() + "/VELT003"));
  first.reset();
  std::optional<TempFolder> again = TempFolder::Create(area);
  ASSERT_TRUE(again);
  EXPECT_EQ(again->path(), area.path() + "/VELT001");
}

TEST_F(TempFoldersTest, TwoProgramsNeverRemoveEachOthersFolders) {
  TempArea mine(tempRoot.path());
  TempArea theirs(tempRoot.path());
  std::optional<TempFolder> myFolder = TempFolder::Create(mine);
  std::optional<TempFolder> theirFolder = TempFolder::Create(theirs);
  ASSERT_TRUE(myFolder && theirFolder);
  EXPECT_NE(mine.path(), theirs.path());
  EXPECT_EQ(fs::path(theirFolder->path()).filename(), "VELT001");

  const std::string theirPath = theirs.path();
  EXPECT_TRUE(theirs.Remove());
  EXPECT_FALSE(fs::exists(theirPath));
  EXPECT_TRUE(fs::is_directory(myFolder->path()));
  // Making a new private folder sweeps the temporary directory: a live one stays.
  ASSERT_TRUE(TempFolder::Create(theirs));
  EXPECT_TRUE(fs::is_directory(myFolder->path()));
  EXPECT_EQ(testing::SortedEntryNames(tempRoot.path()).size(), 2u);
}

TEST_F(TempFoldersTest, PrivateFolderIsRemovedWithItsContentsInEveryOutcome) {
  const std::string outside = dir.Write("outside/keep.txt", "kept");
  std::string made;
  {  // the end of the area's life
    TempArea area(tempRoot.path());
    std::optional<TempFolder> folder = TempFolder::Create(area);
    ASSERT_TRUE(folder);
    made = area.path();
    tempRoot.Write(fs::path(made).filename().string() + "/VELT001/word/document.xml", "<x/>");
    fs::create_directory_symlink(dir.File("outside"), folder->path() + "/link");
    folder->Remove();
    ASSERT_EQ(::mkdir((made + "/VELT002").c_str(), 0700), 0);
    fs::create_directory_symlink(dir.File("outside"), made + "/VELT002/link");
  }
  EXPECT_FALSE(fs::exists(made));
  EXPECT_TRUE(fs::exists(outside));

  try {  // an exception thrown through its owner
    TempArea area(tempRoot.path());
    ASSERT_TRUE(TempFolder::Create(area));
    made = area.path();
    throw std::runtime_error("reading failed");
  } catch (const std::runtime_error&) {
  }
  EXPECT_FALSE(fs::exists(made));

  TempArea area(tempRoot.path());
  {  // an explicit removal, after which the next need makes a new folder
    std::optional<TempFolder> folder = TempFolder::Create(area);
    made = area.path();
    EXPECT_TRUE(area.Remove());
    EXPECT_FALSE(fs::exists(made));
    EXPECT_EQ(area.path(), "");
  }
  ASSERT_TRUE(TempFolder::Create(area));
  EXPECT_NE(area.path(), "");

  // A copy has a folder of its own; assigning over an area removes its folder.
  TempArea copy(area);
  EXPECT_EQ(copy.path(), "");
  ASSERT_TRUE(TempFolder::Create(copy));
  EXPECT_NE(copy.path(), area.path());
  made = area.path();
  area = copy;
  EXPECT_FALSE(fs::exists(made));
  EXPECT_TRUE(fs::exists(copy.path()));
  EXPECT_EQ(testing::SortedEntryNames(tempRoot.path()),
            std::vector<std::string>{fs::path(copy.path()).filename().string()});
}

TEST_F(TempFoldersTest, NoFolderWhenTheTempDirectoryCannotBeWritten) {
  TempArea missing(tempRoot.File("missing"));
  EXPECT_FALSE(TempFolder::Create(missing));
  EXPECT_FALSE(fs::exists(tempRoot.File("missing")));

  TempArea onAFile(tempRoot.Write("file", "x"));
  EXPECT_FALSE(TempFolder::Create(onAFile));

  // A folder the user may not write (root runs this as another user).
  const std::string readOnly = tempRoot.File("readonly");
  ASSERT_EQ(::mkdir(readOnly.c_str(), 0555), 0);
  ASSERT_EQ(::chmod(tempRoot.path().c_str(), 0755), 0);
  const int made = testing::RunInChild(
      [&] {
        TempArea area(readOnly);
        return TempFolder::Create(area) ? 1 : 0;
      },
      true);
  EXPECT_EQ(made, 0);
  EXPECT_TRUE(fs::is_empty(readOnly));
  EXPECT_EQ(testing::SortedEntryNames(tempRoot.path()),
            (std::vector<std::string>{"file", "readonly"}));
}

TEST_F(TempFoldersTest, SweepRemovesOnlyFoldersOfThisUserWhoseOwnerIsGone) {
  // The folder of a program that was killed while reading a document.
  int fds[2];
  ASSERT_EQ(::pipe(fds), 0);
  const pid_t killed = ::fork();
  if (killed == 0) {
    TempArea area(tempRoot.path());
    const std::optional<TempFolder> folder = TempFolder::Create(area);
    const std::string path = folder ? area.path() : std::string();
    (void)!::write(fds[1], path.data(), path.size());
    ::raise(SIGKILL);
  }
  ::close(fds[1]);
  char buffer[512];
  const ssize_t got = ::read(fds[0], buffer, sizeof buffer);
  ::close(fds[0]);
  int status = 0;
  ::waitpid(killed, &status, 0);
  ASSERT_GT(got, 0);
  const std::string killedArea(buffer, static_cast<size_t>(got));
  ASSERT_TRUE(fs::is_directory(killedArea + "/VELT001"));

  PutFreeLock(tempRoot, "velt-dead01");
  tempRoot.Write("velt-dead01/VELT001/word/document.xml", "<x/>");
  PutFreeLock(tempRoot, "velt-live01");  // held below, as its running program does
  HeldLock live(tempRoot.File("velt-live01/lock"));
  ASSERT_TRUE(live.Take());
  tempRoot.Write("velt-nolock/VELT001/keep.txt", "a program still making its folder");
  // Its program was killed while making or removing it, two minutes ago.
  tempRoot.Write("velt-old001/lock.new", "");
  // A user's own folder of such a name, as old, is not ours: it holds a file.
  tempRoot.Write("velt-backup/notes.txt", "mine");
  const timespec twoMinutesAgo[2] = {{::time(nullptr) - 120, 0}, {::time(nullptr) - 120, 0}};
  for (const char* name : {"velt-old001", "velt-backup"}) {
    ASSERT_EQ(::chmod(tempRoot.File(name).c_str(), 0700), 0);
    ASSERT_EQ(::utimensat(AT_FDCWD, tempRoot.File(name).c_str(), twoMinutesAgo, 0), 0);
  }
  PutFreeLock(tempRoot, "velt-short");  // not a name mkdtemp makes
  PutFreeLock(tempRoot, "VELT001");     // a folder of the former layout
  tempRoot.Write("velt-file01", "a file");
  PutFreeLock(dir, "target");
  fs::create_directory_symlink(dir.File("target"), tempRoot.File("velt-link01"));
  tempRoot.Write("velt-lnklck/keep.txt", "its lock is a link");
  fs::create_symlink(dir.File("target/lock"), tempRoot.File("velt-lnklck/lock"));
  if (::geteuid() == 0) {
    PutFreeLock(tempRoot, "velt-other1");
    ASSERT_EQ(
        ::chown(tempRoot.File("velt-other1").c_str(), testing::kOtherUser, testing::kOtherUser), 0);
  }

  TempArea area(tempRoot.path());
  ASSERT_TRUE(area.Folder());

  std::vector<std::string> expected = {
      "VELT001",     "velt-backup", "velt-file01",
      "velt-link01", "velt-live01", "velt-lnklck",
      "velt-nolock", "velt-short",  fs::path(area.path()).filename().string()};
  if (::geteuid() == 0) expected.push_back("velt-other1");
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(testing::SortedEntryNames(tempRoot.path()), expected);
  EXPECT_FALSE(fs::exists(killedArea));
  EXPECT_FALSE(fs::exists(tempRoot.File("velt-old001")));
  EXPECT_TRUE(fs::exists(tempRoot.File("velt-live01/lock")));
  EXPECT_TRUE(fs::exists(tempRoot.File("velt-nolock/VELT001/keep.txt")));
  EXPECT_EQ(testing::SortedEntryNames(dir.File("target")), std::vector<std::string>{"lock"});
}

// What DOCX reading does with the private folder of the sources.
class DocxTempFoldersTest : public testing::SourceTest {
 protected:
  FileReadStatus ReadDocx() {
    const std::string docx = dir.File("sample.docx");
    if (!fs::exists(docx)) fs::copy_file(testing::TestData("sample.docx"), docx);
    settings.source = Source::SingleFile;
    settings.filePaths[0] = FromUtf8(docx);
    settings.filePaths[1] = FromUtf8(dir.File("out.txt"));
    return DoItFromFile(context).status;
  }
};

// Listing the files of a folder removes the private folder (tested with the
// main window's handler).
TEST_F(DocxTempFoldersTest, ReadingKeepsOnePrivateFolder) {
  tempRoot.Write("VELT001/theirs.txt", "another program's folder");
  EXPECT_EQ(ReadDocx(), FileReadStatus::Read);
  const std::string area = sources.tempArea.path();
  ASSERT_NE(area, "");
  EXPECT_EQ(testing::SortedEntryNames(area), std::vector<std::string>{"lock"});
  EXPECT_EQ(ReadDocx(), FileReadStatus::Read);
  EXPECT_EQ(sources.tempArea.path(), area);
  EXPECT_EQ(LeftoverTempFolders(), std::vector<std::string>{"VELT001"});
  EXPECT_TRUE(fs::exists(tempRoot.File("VELT001/theirs.txt")));
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(DocxTempFoldersTest, NoPrivateFolderShowsTheTemporaryFolderMessage) {
  setenv("TMPDIR", tempRoot.File("missing").c_str(), 1);
  EXPECT_EQ(ReadDocx(), FileReadStatus::DocxFailed);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].id, MessageId::NoTemporaryFolder);
  EXPECT_EQ(dialogs.messages[0].title, shell.UIText(ui_text::kTemporaryFolderTitle));
  EXPECT_EQ(dialogs.messages[0].text, u"Unable to create temporary folder.");
  EXPECT_TRUE(hooks.lines.empty());
}

}  // namespace
}  // namespace velt
