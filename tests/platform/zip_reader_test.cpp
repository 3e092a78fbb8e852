#include "platform/zip_reader.h"

#include <sys/stat.h>

#include "sources/source_test_support.h"

namespace velt {
namespace {

using testing::BuildZip;
using testing::StoredMember;
using testing::ZipMember;

constexpr char kMember[] = "word/document.xml";

class ZipReaderTest : public ::testing::Test {
 protected:
  ZipExtraction Extract(const std::string& archive, int64_t limit = 1 << 20) {
    const std::string zipPath = dir.Write("archive.zip", archive);
    std::filesystem::remove(out);
    return reader.ExtractMember(zipPath, kMember, out, limit);
  }
  int64_t OutSize() const {
    std::error_code ec;
    const auto size = std::filesystem::file_size(out, ec);
    return ec ? -1 : static_cast<int64_t>(size);
  }

  testing::ScratchDir dir{"velt-zip"};
  std::string out = dir.File("out.xml");
  LibzipReader reader;
};

TEST_F(ZipReaderTest, ExtractsAStoredMemberIntoAPrivateFile) {
  const ZipExtraction result =
      Extract(BuildZip({StoredMember("other.xml", "x"), StoredMember(kMember, "<w:t>hi</w:t>")}));
  EXPECT_EQ(result.status, ZipStatus::Ok);
  EXPECT_EQ(result.bytesWritten, 13);
  EXPECT_EQ(OutSize(), 13);
  struct stat info {};
  ASSERT_EQ(::stat(out.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST_F(ZipReaderTest, ReportsMissingMembersDamageAndChecksums) {
  EXPECT_EQ(Extract(BuildZip({StoredMember("word/styles.xml", "x")})).status, ZipStatus::NoMember);
  EXPECT_EQ(Extract("PK\x03\x04 this is not really an archive").status, ZipStatus::BadArchive);
  const std::string whole = BuildZip({StoredMember(kMember, std::string(5000, 'a'))});
  EXPECT_EQ(Extract(whole.substr(0, whole.size() / 2)).status, ZipStatus::BadArchive);

  ZipMember wrongCrc = StoredMember(kMember, "checked text");
  wrongCrc.crc ^= 1;
  const ZipExtraction crc = Extract(BuildZip({wrongCrc}));
  EXPECT_EQ(crc.status, ZipStatus::CrcError);
  EXPECT_EQ(crc.bytesWritten, 12);
}

TEST_F(ZipReaderTest, NeverWritesBeyondTheLimitWhateverTheHeadersClaim) {
  ZipMember bomb{kMember, testing::ZeroBombStream(uint64_t{1} << 20), 8, 0, 1000};  // ~2 GiB
  const ZipExtraction result = Extract(BuildZip({bomb}), 5000001);
  EXPECT_EQ(result.status, ZipStatus::TooLarge) << result.message;
  EXPECT_EQ(result.bytesWritten, 5000001);
  EXPECT_EQ(OutSize(), 5000001);
}

TEST_F(ZipReaderTest, RefusesAnExistingDestination) {
  dir.Write("taken.xml", "mine");
  const std::string zipPath = dir.Write("a.zip", BuildZip({StoredMember(kMember, "new")}));
  const ZipExtraction result = reader.ExtractMember(zipPath, kMember, dir.File("taken.xml"), 100);
  EXPECT_EQ(result.status, ZipStatus::WriteError);
  EXPECT_EQ(result.error, EEXIST);
}

}  // namespace
}  // namespace velt
