// Extraction of a DOCX document's body (word/document.xml) into a private
// temporary folder, its conversion into text runs, and the text file the
// runs are written to.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "sources/source_hooks.h"
#include "sources/temp_folders.h"

namespace velt {

inline constexpr int64_t kBigXmlSize = 10485760;     // above it the user is asked
inline constexpr int64_t kTooBigXmlSize = 20971520;  // above it the document is refused

// Why ExtractDocumentXml refused a document.
enum class DocxExtractError {
  None,              // not refused
  NoTempFolder,      // the temporary folder could not be created
  ChecksumDeclined,  // the body failed its checksum and the user declined to go on
  TooBig,            // the body is larger than kTooBigXmlSize
  BigDeclined,       // the body is larger than kBigXmlSize and the user declined to go on
};

// What ExtractDocumentXml produced.
struct DocxExtraction {
  int64_t length = 0;  // bytes of the extracted body (0 when the archive gave none)
  DocxExtractError error = DocxExtractError::None;
};

inline constexpr char kDocumentXmlMember[] = "word/document.xml";

// Path of the extracted body inside the temporary folder.
std::string ExtractedXmlPath(const TempFolder& folder);

// Inflates word/document.xml of the archive into destFolder/word/ (never more
// than the size limit + 1 byte). False only for a checksum failure; the
// other outcomes are in extraction.
bool UnzipMember(ZipReader& zip, const std::string& docxPath, const std::string& destFolder,
                 ZipExtraction& extraction);

// Creates the temporary folder into `folder`, extracts the body and returns
// its length in bytes, or the error that refused it (the folder is then
// removed). Asks about a checksum failure and about a body of more than 10 MB.
// An archive that yields no body gives length 0 and describes why in
// `failure`.
DocxExtraction ExtractDocumentXml(SourceContext& context, TextView docxPath,
                                  std::optional<TempFolder>& folder, Text& failure);

// Reads the extracted body, deletes it, and collects its runs (none when a
// stop was requested). size receives the total length of the runs. Returns an
// error text, empty when all went well.
Text ConvertDocumentXml(SourceContext& context, const TempFolder& folder, const Text& failure,
                        std::vector<Text>& runs, int64_t& size);

// Deletes the extracted body and its "word" folder, keeping the temporary
// folder; reports what cannot be deleted.
void RemoveExtractedXml(Shell& shell, const TempFolder& folder);

// The text file of a document: its name lower-cased with the extension
// replaced by "txt" ("Report.DOCX" -> "report.txt").
Text DocxTextFileName(TextView docxPath);

// Writes the runs one after another, with CR LF after each run that ends with
// "." (trailing spaces aside); false with errno in error when writing fails.
bool WriteRunsFile(const std::vector<Text>& runs, const std::string& path, int64_t& bytes,
                   int& error);

}  // namespace velt
