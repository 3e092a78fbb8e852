#include "settings/atomic_write.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "doubles/folder_names.h"
#include "doubles/forked_child.h"
#include "doubles/scratch_dir.h"
#include "settings/settings.h"
#include "settings/state_file.h"

namespace velt {
namespace {

namespace fs = std::filesystem;

class AtomicWriteTest : public ::testing::Test {
 protected:
  std::string File(const std::string& name) const { return folder_.File(name); }
  std::string Write(const std::string& name, const std::string& bytes) const {
    return folder_.Write(name, bytes);
  }
  std::string Read(const std::string& name) const { return testing::ReadBytes(File(name)); }
  std::vector<std::string> Names() const { return testing::SortedEntryNames(folder_.path()); }
  // The name a save of velt.usr by process pid uses for its attempt n.
  static std::string Temp(pid_t pid, int n) {
    return ".velt.usr." + std::to_string(pid) + "." + std::to_string(n) + ".tmp";
  }

  testing::ScratchDir folder_{"velt-atomic"};
};

TEST_F(AtomicWriteTest, TempFilesOfEndedSavesAreRemovedByTheNextSaveAndNothingElse) {
  Write("velt.usr", "old");
  const pid_t gone = testing::EndedProcessId();
  const std::vector<std::string> stale = {Temp(gone, 0), Temp(gone, 17)};
  for (const std::string& name : stale)
    Write(name, std::string(4096, 'x'));
  const std::vector<std::string> kept = {
      Temp(::getpid(), 0),                                 // this process
      Temp(::getppid(), 3),                                // a process still running
      ".velt.usr." + std::to_string(gone) + ".x.tmp",      // not the pattern
      ".velt.usr." + std::to_string(gone) + ".0.tmp.bak",  // not the pattern
      ".velt.usr.0" + std::to_string(gone) + ".0.tmp",     // not a name we write
      ".other.usr." + std::to_string(gone) + ".0.tmp",     // another target's
      ".velt.usr.5." + std::to_string(gone) + ".0.tmp",    // the target velt.usr.5's
      ".velt.usr.tmp",                                     // prefix and suffix overlap
      ".bashrc"};
  for (const std::string& name : kept)
    Write(name, "keep");
  std::vector<std::string> expected = kept;
  const std::string linked = Temp(gone, 5);  // a link is not a temporary file
  fs::create_symlink(File(".bashrc"), File(linked));
  const std::string folder = Temp(gone, 6);
  fs::create_directory(File(folder));
  expected.insert(expected.end(), {linked, folder, "velt.usr"});
  if (::geteuid() == 0) {  // another user's file
    const std::string theirs = Write(Temp(gone, 7), "theirs");
    ASSERT_EQ(::chown(theirs.c_str(), testing::kOtherUser, testing::kOtherUser), 0);
    expected.push_back(Temp(gone, 7));
  }
  std::sort(expected.begin(), expected.end());

  EXPECT_EQ(ReplaceFileContents(File("velt.usr"), "new"), 0);
  EXPECT_EQ(Read("velt.usr"), "new");
  EXPECT_EQ(Names(), expected);
  EXPECT_EQ(Read(".bashrc"), "keep");

  // The same through a link to the target: the temporary files lie beside
  // the file it names.
  Write(Temp(gone, 1), "stale");
  fs::create_symlink(File("velt.usr"), File("link.usr"));
  EXPECT_EQ(ReplaceFileContents(File("link.usr"), "newer"), 0);
  EXPECT_EQ(Read("velt.usr"), "newer");
  EXPECT_FALSE(fs::exists(File(Temp(gone, 1))));
}

TEST_F(AtomicWriteTest, SaveThatCannotMakeItsTemporaryFileReportsTheErrorAsBefore) {
  const StateFile stateFile(File("velt.usr"));
  const Text missingFolder = stateFile.SaveState(Settings{}, File("missing/velt.usr"));
  EXPECT_EQ(missingFolder, u"Error when attempting to save state: No such file or directory");

  // Every name this process may use is taken: they are its own, so they stay.
  Write("velt.usr", "old");
  for (int n = 0; n < 100; ++n)
    Write(Temp(::getpid(), n), "mine");
  EXPECT_EQ(ReplaceFileContents(File("velt.usr"), "new"), EEXIST);
  EXPECT_EQ(Read("velt.usr"), "old");
  EXPECT_EQ(Names().size(), 101u);
}

TEST_F(AtomicWriteTest, ReadOnlyFolderRefusesTheSaveAndKeepsEverything) {
  // A stale temporary file that cannot be deleted either; the target may be
  // written in place, so only the folder refuses the save.
  const std::string target = Write("velt.usr", "old");
  ASSERT_EQ(::chmod(target.c_str(), 0666), 0);
  const std::string stale = Temp(testing::EndedProcessId(), 0);
  Write(stale, "stale");
  ASSERT_EQ(::chmod(folder_.path().c_str(), 0555), 0);
  // Root is refused nothing, so the save runs as another user when root.
  const int result = testing::RunInChild([&] { return ReplaceFileContents(target, "new"); }, true);
  EXPECT_EQ(result, EACCES);
  EXPECT_EQ(Read("velt.usr"), "old");
  EXPECT_EQ(Names(), (std::vector<std::string>{stale, "velt.usr"}));
}

}  // namespace
}  // namespace velt
