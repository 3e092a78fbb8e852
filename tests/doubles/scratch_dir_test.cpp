#include "doubles/scratch_dir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <system_error>

#include "doubles/forked_child.h"

namespace velt::testing {
namespace {

namespace fs = std::filesystem;

TEST(ScratchDir, IsAFreshPrivateFolderNamedByItsPrefixAndGoesWithItsContent) {
  fs::path made;
  {
    const ScratchDir dir("velt-probe");
    const ScratchDir other("velt-probe");
    made = dir.path();
    EXPECT_NE(dir.path(), other.path());
    EXPECT_EQ(dir.path().parent_path(), fs::temp_directory_path());
    EXPECT_TRUE(dir.path().filename().string().starts_with("velt-probe-")) << dir.path();
    EXPECT_EQ(fs::status(dir.path()).permissions(), fs::perms::owner_all);
    dir.Write("sub/file.txt", "x");
  }
  EXPECT_FALSE(fs::exists(made));
}

TEST(ScratchDir, FolderThatCannotBeMadeFailsWithTheReason) {
  const ScratchDir dir("velt-probe");
  try {
    const ScratchDir inMissing(dir / "missing", "velt-probe");
    FAIL() << "made " << inMissing.path();
  } catch (const std::system_error& error) {
    EXPECT_EQ(error.code(), std::errc::no_such_file_or_directory);
    EXPECT_NE(std::string(error.what()).find(dir.File("missing/velt-probe-XXXXXX")),
              std::string::npos)
        << error.what();
  }
}

TEST(ScratchDir, WritesFilesInsideItOnlyAndThrowsWhenItCannot) {
  const ScratchDir dir("velt-probe");
  const std::string bytes("a\0\r\nb", 5);
  const std::string file = dir.Write("new/sub/data.bin", bytes);
  EXPECT_EQ(file, dir.File("new/sub/data.bin"));
  EXPECT_EQ(ReadBytes(file), bytes);
  EXPECT_EQ(ReadBytes(dir / "missing"), "");
  EXPECT_THROW(dir.Write("/tmp/velt-probe-outside", "x"), std::invalid_argument);
  EXPECT_THROW(dir.Write("new/sub/data.bin/below", "x"), std::exception);  // a file is in the way
  EXPECT_FALSE(fs::exists("/tmp/velt-probe-outside"));
}

// Root may remove anything, so the scratch folder is made and removed by
// another user: only then do the permissions a test left behind count.
TEST(ScratchDir, RemovesFoldersMadeReadOnlyOrUnreadableButNotWhatALinkNames) {
  const ScratchDir shared("velt-probe");
  ASSERT_EQ(::chmod(shared.path().c_str(), 0777), 0);
  const fs::path outside = shared / "outside";

  const int left = RunInChild(
      [&] {
        try {
          fs::create_directory(outside);
          std::ofstream(outside / "kept.txt") << "kept";
          fs::permissions(outside, fs::perms::owner_read | fs::perms::owner_exec);
          fs::path made;
          {
            const ScratchDir dir(shared.path(), "velt-probe");
            made = dir.path();
            dir.Write("read-only/deep/file.txt", "x");
            dir.Write("closed/file.txt", "x");
            fs::create_directory_symlink(outside, dir / "link");
            for (const char* folder : {"read-only/deep", "read-only", ""})
              fs::permissions(dir / folder, fs::perms::owner_read | fs::perms::owner_exec);
            fs::permissions(dir / "closed", fs::perms::none);
          }
          return fs::exists(made) ? 1 : 0;
        } catch (const std::exception&) {
          return 2;
        }
      },
      true);

  EXPECT_EQ(left, 0);
  EXPECT_EQ(fs::status(outside).permissions(), fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_EQ(ReadBytes(outside / "kept.txt"), "kept");
}

}  // namespace
}  // namespace velt::testing
