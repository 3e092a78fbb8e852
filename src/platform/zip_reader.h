// Reading one member of a zip archive into a file.
#pragma once

#include <cstdint>
#include <string>

namespace velt {

enum class ZipStatus {
  Ok,
  CrcError,    // the member inflated completely but failed its checksum
  TooLarge,    // the member inflates to more than the byte limit; stopped there
  NoMember,    // the archive has no member of that name
  BadArchive,  // not a readable zip archive, or the member cannot be inflated
  WriteError,  // the destination file could not be created or written
};

struct ZipExtraction {
  ZipStatus status = ZipStatus::Ok;
  int64_t bytesWritten = 0;
  int error = 0;        // errno of a WriteError
  std::string message;  // what went wrong, for every status but Ok
};

class ZipReader {
 public:
  virtual ~ZipReader() = default;

  // Inflates member (a name such as "word/document.xml") of the archive at
  // zipPath into a new file destPath (mode 0600; the call fails when it
  // exists). Never writes more than maxBytes: a member that inflates to more
  // stops there with TooLarge, whatever sizes the archive declares.
  virtual ZipExtraction ExtractMember(const std::string& zipPath, const std::string& member,
                                      const std::string& destPath, int64_t maxBytes) = 0;
};

// The implementation on libzip.
class LibzipReader final : public ZipReader {
 public:
  ZipExtraction ExtractMember(const std::string& zipPath, const std::string& member,
                              const std::string& destPath, int64_t maxBytes) override;
};

}  // namespace velt
