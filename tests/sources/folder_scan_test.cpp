#include "sources/folder_scan.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <set>

#include "sources/file_patterns.h"
#include "sources/source_test_support.h"

namespace velt {
namespace {

namespace fs = std::filesystem;

class FolderScanTest : public testing::SourceTest {
 protected:
  FolderScanTest() {
    SetSkippedExtensions(sources);
    settings.source = Source::Folder;
    settings.inputFolder = FromUtf8(root);
  }

  // A tree with a subfolder, a link loop, a FIFO, a binary file, a skipped
  // extension and a recycle bin.
  void MakeTree() {
    dir.Write("root/a.txt", "alpha words\r\n");
    dir.Write("root/README", "readme words\r\n");
    dir.Write("root/letter.doc", "never read\r\n");
    dir.Write("root/data.bin.txt", std::string(64, '\0'));
    dir.Write("root/sub/b.txt", "beta words\r\n");
    dir.Write("root/$RECYCLE.BIN/c.txt", "deleted words\r\n");
    fs::create_directory_symlink(root, root + "/sub/loop");
    ::mkfifo((root + "/pipe.txt").c_str(), 0600);
  }

  std::set<Text> LineFileNames() const {
    std::set<Text> names;
    for (const Text& file : hooks.lineFiles)
      names.insert(Text(file.substr(file.rfind(u'/') + 1)));
    return names;
  }

  std::string root = dir.File("root");
};

TEST_F(FolderScanTest, ReadsMatchingFilesDepthFirstAndPassesOverLinksFifosAndBins) {
  MakeTree();
  settings.includeSubfolders = true;
  settings.filePaths[1] = FromUtf8(dir.File("out.txt"));
  EXPECT_TRUE(ScanFolderFiles(context));
  EXPECT_EQ(hooks.lines.size(), 3u);
  EXPECT_EQ(LineFileNames(), (std::set<Text>{u"a.txt", u"README", u"b.txt"}));
  EXPECT_EQ(hooks.lineFiles.back(), FromUtf8(root + "/sub/b.txt"));  // files before subfolders
  EXPECT_EQ(sources.totalFileCount, 3);  // the binary file is not counted
  EXPECT_EQ(sources.fileCount, 3);
  EXPECT_EQ(sources.folderCount, 2);
  EXPECT_EQ(hooks.wordStoreResets, std::vector<bool>{true});
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_FALSE(sources.readingFiles);
  EXPECT_NE(shell.textWindow.text().find(u"{Folder}/sub/b.txt [12 bytes]\r\n"), Text::npos);
  EXPECT_EQ(shell.window.Get(ControlId::lblNumOccurrences).caption, u"");
  EXPECT_EQ(shell.window.Get(ControlId::lblNumOccurrences).align, Align::Right);
}

TEST_F(FolderScanTest, ListingShowsTheFilesAndReadsNothing) {
  MakeTree();
  settings.includeSubfolders = true;
  ListFilesToScan(context);
  const Text& shown = shell.textWindow.text();
  const Text head = u"{Folder} = " + FromUtf8(root) + u"\r\n\r\n";
  EXPECT_EQ(shown.substr(0, head.size()), head);
  EXPECT_NE(shown.find(u"{Folder}/a.txt [13 bytes]\r\n"), Text::npos);
  EXPECT_EQ(shown.find(u"letter.doc"), Text::npos);
  EXPECT_EQ(shown.substr(shown.size() - 41), u"\r\n3 files in 2 folders will be scanned.\r\n");
  EXPECT_TRUE(hooks.lines.empty());
  EXPECT_FALSE(sources.listingFiles);
  EXPECT_FALSE(shell.window.Get(ControlId::txbFile_0).visible);
  // The listing disables the controls; the window's handler enables them.
  EXPECT_EQ(hooks.buttonStates, std::vector<bool>{false});
}

TEST_F(FolderScanTest, SeveralFilesWithoutOutputFileAreWarnedAbout) {
  dir.Write("root/a.txt", "one\r\n");
  dir.Write("root/b.txt", "two\r\n");
  dialogs.answers = {Answer::Cancel};
  EXPECT_FALSE(ScanFolderFiles(context));
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].title, u"Multiple files/folders");
  EXPECT_EQ(dialogs.messages[0].id, MessageId::MultipleFilesNeedOutputFile);
  EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::OkCancel);
  EXPECT_TRUE(hooks.lines.empty());
  EXPECT_TRUE(dialogs.fileDialogs.empty());

  dialogs.answers = {Answer::Ok};
  EXPECT_FALSE(ScanFolderFiles(context));
  EXPECT_EQ(dialogs.fileDialogs.size(), 1u);  // the output-file chooser
}

TEST_F(FolderScanTest, OneFileInOneFolderIsReadWithoutWarning) {
  dir.Write("root/only.txt", "single file\r\n");
  EXPECT_TRUE(ScanFolderFiles(context));
  EXPECT_EQ(hooks.lines, std::vector<Text>{u"single file"});
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(FolderScanTest, StopWhileCountingReportsTheCountSoFar) {
  dir.Write("root/a.txt", "one\r\n");
  dir.Write("root/b.txt", "two\r\n");
  pump.triggerAt = 1;
  pump.action = [this] { run.stopRequested = true; };
  EXPECT_FALSE(ScanFolderFiles(context));
  EXPECT_EQ(shell.textWindow.text(),
            u"Stopped while counting files (so far: 1 file in 1 folder).\r\n");
}

// Runs an action at every yield.
class CallbackPump final : public EventPump {
 public:
  long yields = 0;
  std::function<void(long)> onYield;
  void Yield() override { onYield(++yields); }
};

TEST_F(FolderScanTest, FilesThatVanishAreSkippedOrReportedAndTheScanGoesOn) {
  const std::string a = dir.Write("root/a.txt", "one\r\n");
  const std::string b = dir.Write("root/b.txt", "two\r\n");
  dir.Write("root/c.txt", "three\r\n");
  CallbackPump callbackPump;
  Shell scanShell{Seams{dialogs, view, callbackPump, clipboard}, texts, VELT_DATA_DIR,
                  NumberFormat{}};
  settings.filePaths[1] = FromUtf8(dir.File("out.txt"));
  testing::RecordingHooks scanHooks(scanShell.textWindow, settings, sources);
  SourceContext scanContext{scanShell, settings, run, sources, scanHooks, zip};
  // Yield 3 counts the last file: another one goes away before the reading
  // pass. Yield 4 lists the first file of the reading pass, which vanishes
  // before it is opened.
  std::string goneBetweenPasses;
  std::string goneWhileReading;
  callbackPump.onYield = [&](long yield) {
    const std::string current = PathToNative(sources.currentFile);
    if (yield == 3) {
      goneBetweenPasses = current == a ? b : a;
      fs::remove(goneBetweenPasses);
    }
    if (yield == 4) {
      goneWhileReading = current;
      fs::remove(goneWhileReading);
    }
  };
  EXPECT_TRUE(ScanFolderFiles(scanContext));
  EXPECT_EQ(sources.totalFileCount, 3);
  ASSERT_EQ(scanHooks.errors.size(), 1u);
  EXPECT_EQ(scanHooks.errors[0].number, 2);
  EXPECT_EQ(scanHooks.errors[0].label, u"DoItFromFile");
  EXPECT_EQ(scanHooks.lines.size(), 1u);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_NE(goneBetweenPasses, goneWhileReading);
}

TEST_F(FolderScanTest, ExclusionTextsSkipWholeFoldersIncludingTheChosenOne) {
  dir.Write("root/notes.txt", "kept\r\n");
  dir.Write("root/backup/old.txt", "old\r\n");
  dir.Write("root/Bak/x.txt", "skipped\r\n");
  settings.includeSubfolders = true;
  settings.filePaths[1] = FromUtf8(dir.File("out.txt"));
  sources.exclusionTexts = {u"bak"};
  EXPECT_TRUE(ScanFolderFiles(context));
  EXPECT_EQ(LineFileNames(), (std::set<Text>{u"notes.txt", u"old.txt"}));

  settings.inputFolder = FromUtf8(root + "/Bak");
  hooks.lines.clear();
  EXPECT_TRUE(ScanFolderFiles(context));
  EXPECT_TRUE(hooks.lines.empty());
}

TEST_F(FolderScanTest, FullTextWindowEndsTheScan) {
  for (int i = 0; i < 5; ++i)
    dir.Write("root/f" + std::to_string(i) + ".txt", "words\r\n");
  settings.filePaths[1] = FromUtf8(dir.File("out.txt"));
  hooks.textboxCapacity = 40;
  EXPECT_TRUE(ScanFolderFiles(context));
  EXPECT_LT(hooks.lines.size(), 5u);
  EXPECT_LE(sources.fileCount, 2);
}

TEST_F(FolderScanTest, FolderChecksAndOutputFileConflicts) {
  settings.inputFolder = u"  ";
  EXPECT_FALSE(CheckFolderSource(shell, settings));
  settings.inputFolder = FromUtf8(dir.File("nowhere"));
  EXPECT_FALSE(CheckFolderSource(shell, settings));
  fs::create_directories(root + "/sub");
  settings.inputFolder = FromUtf8(root);
  EXPECT_FALSE(CheckFolderSource(shell, settings));
  EXPECT_EQ(dialogs.Texts(), (std::vector<Text>{u"Folder not specified.", u"Folder does not exist",
                                                u"Folder contains no files."}));
  EXPECT_EQ(dialogs.Titles(), (std::vector<Text>{u"Error", u"Invalid input", u"Nothing to do"}));
  EXPECT_EQ(dialogs.Ids(),
            (std::vector<MessageId>{MessageId::FolderNotSpecified, MessageId::FolderMissing,
                                    MessageId::FolderEmpty}));

  dir.Write("root/a.txt", "x\r\n");
  dialogs.messages.clear();
  settings.filePaths[1] = FromUtf8(root + "/out.txt");
  EXPECT_FALSE(CheckFolderSource(shell, settings));
  settings.filePaths[1] = FromUtf8(root + "/sub/out.txt");
  EXPECT_TRUE(CheckFolderSource(shell, settings));  // subfolders are not read
  settings.includeSubfolders = true;
  EXPECT_FALSE(CheckFolderSource(shell, settings));
  settings.outputToFileDisabled = true;
  EXPECT_TRUE(CheckFolderSource(shell, settings));
  EXPECT_EQ(dialogs.Texts(),
            (std::vector<Text>(2, u"The output file cannot be in the folder or a subfolder.")));
  EXPECT_EQ(dialogs.Ids(), std::vector<MessageId>(2, MessageId::OutputFileInFolder));
}

// The input-file box keeps the user's path whatever way a scan ends; the
// window shows each file in it only while the file is read.
TEST_F(FolderScanTest, TheInputBoxKeepsTheUsersPathInEveryOutcome) {
  dir.Write("root/a.txt", "one two\r\n");
  dir.Write("root/b.txt", "three four\r\n");
  const Text chosen = u"/home/ann/chosen.txt";
  settings.filePaths[0] = chosen;
  settings.filePaths[1] = FromUtf8(dir.File("out.txt"));
  std::vector<Text> shownWhileReading;
  pump.triggerAt = 4;  // the first file of the reading pass
  pump.action = [&] {
    shownWhileReading = {shell.window.Get(ControlId::txbFile_0).caption, sources.currentFile};
  };
  const auto expectUntouched = [&](const char* outcome) {
    EXPECT_EQ(settings.filePaths[0], chosen) << outcome;
    EXPECT_EQ(shell.window.Get(ControlId::txbFile_0).caption, chosen) << outcome;
    EXPECT_FALSE(shell.window.Get(ControlId::txbFile_0).visible) << outcome;
    EXPECT_TRUE(sources.currentFile.empty()) << outcome;
  };

  EXPECT_TRUE(ScanFolderFiles(context));
  EXPECT_EQ(hooks.lines.size(), 2u);
  ASSERT_EQ(shownWhileReading.size(), 2u);
  EXPECT_EQ(shownWhileReading[0], shownWhileReading[1]);
  EXPECT_TRUE(shownWhileReading[0].starts_with(FromUtf8(root + "/")));
  expectUntouched("completed");

  pump.triggerAt = 4;
  pump.yields = 0;
  pump.action = [&] { run.stopRequested = true; };
  EXPECT_TRUE(ScanFolderFiles(context));
  expectUntouched("stopped while reading");

  settings.filePaths[1].clear();
  dialogs.answers = {Answer::Cancel};
  pump.triggerAt = -1;
  EXPECT_FALSE(ScanFolderFiles(context));  // warned: several files, no output file
  expectUntouched("ended by the warning");

  ListFilesToScan(context);
  expectUntouched("listed");
}

TEST_F(FolderScanTest, NamesThatAreNotUtf8AreReadUnderTheirOwnBytes) {
  dir.Write("root/plain.txt", "plain words\r\n");
  dir.Write("root/bad\xFF.txt", "bad words\r\n");
  dir.Write("root/latin\xE9.txt", "latin words\r\n");
  dir.Write("root/caf\xC3\xA9.txt", "utf words\r\n");
  settings.filePaths[1] = FromUtf8(dir.File("out.txt"));
  EXPECT_TRUE(ScanFolderFiles(context));
  EXPECT_EQ(sources.totalFileCount, 4);
  EXPECT_TRUE(hooks.errors.empty());
  EXPECT_EQ(std::set<Text>(hooks.lines.begin(), hooks.lines.end()),
            (std::set<Text>{u"plain words", u"bad words", u"latin words", u"utf words"}));
  std::set<std::string> files;
  for (const Text& file : hooks.lineFiles)
    files.insert(PathToNative(file));
  EXPECT_EQ(files, (std::set<std::string>{root + "/plain.txt", root + "/bad\xFF.txt",
                                          root + "/latin\xE9.txt", root + "/caf\xC3\xA9.txt"}));
  // The listing shows an undecodable byte as the replacement character.
  EXPECT_NE(ToUtf8(shell.textWindow.text()).find("bad\xEF\xBF\xBD.txt [11 bytes]"),
            std::string::npos);
}

// Folders made one inside the other through open folders, so that their full
// paths may exceed the system's limit; removed the same way.
class FolderChain {
 public:
  FolderChain(const std::string& top, const std::string& name, int depth) {
    fds_.push_back(::open(top.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    for (int level = 0; level < depth && fds_.back() >= 0; ++level) {
      ::mkdirat(fds_.back(), name.c_str(), 0700);
      fds_.push_back(::openat(fds_.back(), name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    }
    name_ = name;
  }
  ~FolderChain() {
    for (size_t level = fds_.size(); level-- > 0;) {
      RemoveFiles(fds_[level]);
      if (level > 0) ::unlinkat(fds_[level - 1], name_.c_str(), AT_REMOVEDIR);
      ::close(fds_[level]);
    }
  }
  FolderChain(const FolderChain&) = delete;
  FolderChain& operator=(const FolderChain&) = delete;

  bool complete(int depth) const { return fds_.size() == static_cast<size_t>(depth) + 1; }
  // Writes a file in the folder at level (0: the top folder).
  void Write(int level, const std::string& file, const std::string& bytes) {
    const int fd = ::openat(fds_[static_cast<size_t>(level)], file.c_str(),
                            O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    EXPECT_EQ(::write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    ::close(fd);
    files_.push_back(file);
  }

 private:
  void RemoveFiles(int fd) const {
    for (const std::string& file : files_)
      ::unlinkat(fd, file.c_str(), 0);
  }

  std::vector<int> fds_;
  std::vector<std::string> files_;
  std::string name_;
};

TEST_F(FolderScanTest, PathsTooLongToOpenAreCountedAndReported) {
  fs::create_directories(root);
  dir.Write("root/top.txt", "top words\r\n");
  // Levels of 100-character names down to the deepest folder that can still
  // be opened; a long file name in it and the level below are out of reach.
  const std::string name(100, 'd');
  const size_t step = name.size() + 1;
  const int fileLevel = static_cast<int>((PATH_MAX - 1 - root.size()) / step);
  const std::string longName = std::string(116, 'f') + ".txt";
  ASSERT_GE(root.size() + fileLevel * step + 1 + longName.size(), size_t{PATH_MAX});
  const int depth = fileLevel + 2;
  FolderChain chain(root, name, depth);
  ASSERT_TRUE(chain.complete(depth));
  chain.Write(fileLevel, longName, "deep words\r\n");
  chain.Write(fileLevel, std::string(116, 'f') + ".bin", "skipped anyway\r\n");
  chain.Write(fileLevel - 3, "near.txt", "near words\r\n");  // still short enough

  settings.includeSubfolders = true;
  settings.filePaths[1] = FromUtf8(dir.File("out.txt"));
  EXPECT_TRUE(ScanFolderFiles(context));
  EXPECT_EQ(std::set<Text>(hooks.lines.begin(), hooks.lines.end()),
            (std::set<Text>{u"top words", u"near words"}));
  EXPECT_EQ(sources.foldersTooLong, 1);
  EXPECT_EQ(sources.filesTooLong, 1);  // f.bin would not be read anyway
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].title, u"Paths too long");
  EXPECT_EQ(dialogs.messages[0].id, MessageId::PathsTooLong);
  EXPECT_EQ(dialogs.messages[0].text,
            u"1 folder and 1 file could not be read because their paths are too long.");
  EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Exclamation);

  dialogs.messages.clear();
  ListFilesToScan(context);  // a listing says so too
  EXPECT_EQ(dialogs.Titles(), std::vector<Text>{u"Paths too long"});
  EXPECT_EQ(dialogs.Ids(), std::vector<MessageId>{MessageId::PathsTooLong});
}

TEST(FolderScanTexts, FileCountsAndListedSizes) {
  EXPECT_EQ(FormatFileCount(12, 3), u"12 files in 3 folders");
  EXPECT_EQ(FormatFileCount(1, 1), u"1 file in 1 folder");
  const NumberFormat numbers;
  EXPECT_EQ(ListedFileSize(numbers, 0), u"0 bytes");
  EXPECT_EQ(ListedFileSize(numbers, 1023), u"1023 bytes");
  EXPECT_EQ(ListedFileSize(numbers, 1024), u"1.00 Kb");
  EXPECT_EQ(ListedFileSize(numbers, 2621440), u"2.50 Mb");
  EXPECT_EQ(ListedFileSize(numbers, int64_t{3} << 30), u"3.00 Gb");
}

}  // namespace
}  // namespace velt
