#include "sources/docx_extract.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/regular_file.h"
#include "sources/docx_runs.h"
#include "text/case_mapping.h"
#include "text/path_text.h"
#include "text/run_error.h"
#include "text/strings.h"

namespace velt {
namespace {

std::string WordFolder(const std::string& folder) {
  return folder + "/word";
}

Text FailureText(const ZipExtraction& extraction) {
  switch (extraction.status) {
    case ZipStatus::NoMember:
      return u"The document has no word/document.xml";
    case ZipStatus::WriteError:
      return ErrorFromErrno(extraction.error).description;
    default:
      return u"The docx archive is damaged or cannot be read (" + FromUtf8(extraction.message) +
             u")";
  }
}

bool AskScanDespiteChecksum(Shell& shell, TextView docxPath) {
  return shell.Message(MessageId::DocxChecksum, u"",
                       u"Invalid checksum found when processing\r\n" + Text(docxPath) +
                           u"\r\n\r\nDo you wish to scan this file anyway?",
                       MessageIcon::Question, MessageButtons::YesNo) == Answer::Yes;
}

bool AskContinueWithBigFile(Shell& shell, TextView docxPath) {
  const Answer answer = shell.Message(
      MessageId::BigDocument, u"Big file",
      Text(docxPath) +
          u"\r\nis rather large.  It may take awhile to scan.\r\nDo you wish to continue?",
      MessageIcon::Question, MessageButtons::YesNo, Answer::No);
  if (answer == Answer::Yes) return true;
  shell.Message(
      MessageId::BigDocumentAdvice, u"Big file",
      u"You could try saving it as a text file\r\nand applying this program to that file.",
      MessageIcon::Information);
  return false;
}

// Reads the whole (size-limited) body as single-byte text.
bool ReadXml(const std::string& path, Text& xml, Text& error) {
  OpenedFile opened = OpenRegularFile(path);
  if (!opened.fd.valid()) {
    error = ErrorFromErrno(opened.error).description;
    return false;
  }
  std::string bytes(static_cast<size_t>(std::min<int64_t>(opened.size, kTooBigXmlSize + 1)), '\0');
  const int64_t got = ReadFully(opened.fd.get(), bytes.data(), static_cast<int64_t>(bytes.size()));
  if (got < 0) {
    error = ErrorFromErrno(errno).description;
    return false;
  }
  bytes.resize(static_cast<size_t>(got));
  xml = DecodeCp1252(bytes);
  return true;
}

void AppendEncoded(std::string& out, TextView text) {
  for (const char16_t c : text) {
    const int byte = CharToCp1252(c);
    out.push_back(static_cast<char>(byte >= 0 ? byte : '?'));
  }
}

bool EndsSentence(TextView run) {
  const size_t last = run.find_last_not_of(u' ');
  return last != TextView::npos && run[last] == u'.';
}

bool WriteAll(int fd, const std::string& bytes) {
  const char* data = bytes.data();
  size_t left = bytes.size();
  while (left > 0) {
    const ssize_t written = ::write(fd, data, left);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += written;
    left -= static_cast<size_t>(written);
  }
  return true;
}

}  // namespace

std::string ExtractedXmlPath(const TempFolder& folder) {
  return WordFolder(folder.path()) + "/document.xml";
}

bool UnzipMember(ZipReader& zip, const std::string& docxPath, const std::string& destFolder,
                 ZipExtraction& extraction) {
  if (::mkdir(WordFolder(destFolder).c_str(), 0700) != 0 && errno != EEXIST) {
    extraction = ZipExtraction{ZipStatus::WriteError, 0, errno, "cannot create folder"};
    return true;
  }
  extraction = zip.ExtractMember(docxPath, kDocumentXmlMember,
                                 WordFolder(destFolder) + "/document.xml", kTooBigXmlSize + 1);
  return extraction.status != ZipStatus::CrcError;
}

DocxExtraction ExtractDocumentXml(SourceContext& context, TextView docxPath,
                                  std::optional<TempFolder>& folder, Text& failure) {
  failure.clear();
  folder = TempFolder::Create(context.state.tempArea);
  if (!folder) return {0, DocxExtractError::NoTempFolder};

  ZipExtraction extraction;
  if (!UnzipMember(context.zip, NativePath(docxPath), folder->path(), extraction) &&
      !AskScanDespiteChecksum(context.shell, docxPath)) {
    folder.reset();
    return {0, DocxExtractError::ChecksumDeclined};
  }
  const bool extracted = extraction.status == ZipStatus::Ok ||
                         extraction.status == ZipStatus::CrcError ||
                         extraction.status == ZipStatus::TooLarge;
  if (!extracted) {
    failure = FailureText(extraction);
    return {};
  }
  const int64_t length = extraction.bytesWritten;
  if (length > kTooBigXmlSize) {
    folder.reset();
    return {0, DocxExtractError::TooBig};
  }
  if (length <= kBigXmlSize) return {length};
  if (AskContinueWithBigFile(context.shell, docxPath)) return {length};
  folder.reset();
  return {0, DocxExtractError::BigDeclined};
}

Text ConvertDocumentXml(SourceContext& context, const TempFolder& folder, const Text& failure,
                        std::vector<Text>& runs, int64_t& size) {
  runs.clear();
  size = 0;
  if (!failure.empty()) return failure;
  Text xml;
  Text error;
  const bool read = ReadXml(ExtractedXmlPath(folder), xml, error);
  RemoveExtractedXml(context.shell, folder);
  if (!read) return error;
  int32_t total = 0;
  RunsFromDocumentXml(context.shell, context.run, xml, runs, total);
  if (context.run.stopRequested) {
    runs.clear();
    total = 0;
  }
  size = total;
  return Text();
}

void RemoveExtractedXml(Shell& shell, const TempFolder& folder) {
  const std::string xmlPath = ExtractedXmlPath(folder);
  if (::unlink(xmlPath.c_str()) != 0 && errno != ENOENT) {
    shell.Message(MessageId::DeleteExtractedXmlFailed, u"Error",
                  u"Error when attempting to delete " + FromUtf8(xmlPath),
                  MessageIcon::Exclamation);
  }
  const std::string word = WordFolder(folder.path());
  if (::rmdir(word.c_str()) != 0 && errno != ENOENT) {
    shell.Message(
        MessageId::DeleteExtractFolderFailed, u"Error",
        ErrorFromErrno(errno).description + u" when attempting to delete folder " + FromUtf8(word),
        MessageIcon::Exclamation);
  }
}

Text DocxTextFileName(TextView docxPath) {
  const Text name = LowerCaseText(FileNamePart(docxPath));
  const size_t dot = name.rfind(u'.');
  return (dot == Text::npos ? name : name.substr(0, dot)) + u".txt";
}

bool WriteRunsFile(const std::vector<Text>& runs, const std::string& path, int64_t& bytes,
                   int& error) {
  bytes = 0;
  const UniqueFd out(
      ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600));
  if (!out.valid()) {
    error = errno;
    return false;
  }
  constexpr size_t kFlushSize = size_t{1} << 16;
  std::string buffer;
  for (const Text& run : runs) {
    AppendEncoded(buffer, run);
    if (EndsSentence(run)) buffer += "\r\n";
    if (buffer.size() >= kFlushSize) {
      if (!WriteAll(out.get(), buffer)) {
        error = errno;
        return false;
      }
      bytes += static_cast<int64_t>(buffer.size());
      buffer.clear();
    }
  }
  if (!WriteAll(out.get(), buffer)) {
    error = errno;
    return false;
  }
  bytes += static_cast<int64_t>(buffer.size());
  return true;
}

}  // namespace velt
