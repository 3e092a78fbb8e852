// The DOCX steps of reading an input file: the first extraction pass that
// measures the document, and the second that turns it into a text file.
#pragma once

#include <optional>
#include <string>

#include "sources/file_classifier.h"
#include "sources/file_reader.h"
#include "sources/source_hooks.h"
#include "sources/temp_folders.h"

namespace velt {

// True when no words file is being read, the extension is "docx" and the file
// starts with a zip local header (at least 10 bytes readable).
bool IsDocxFile(const RunState& run, TextView path);

// First pass: extracts and measures the body, then removes the folder again.
// Returns Read to go on, or DocxFailed after the messages of a refusal.
FileReadStatus DocxFirstPass(SourceContext& context, TextView path);

// The document's text, ready to be read like a text file.
struct DocxText {
  std::optional<TempFolder> folder;  // removed when this goes out of scope
  std::string textPath;
  LineType lineType = LineType::CrLf;
  bool utf8 = false;
};

// Second pass: extracts the body again, converts it to runs and writes them
// to the text file, copying it into "extracted_text" when asked. Returns Read
// when the text file is ready (textPath set), DocxFailed for a refused
// extraction, DocxTextNotWritten when the text file cannot be written; a
// conversion error is shown, sets the stop request and returns Read with no
// textPath. Throws RunErrorException when the copy into "extracted_text"
// fails.
FileReadStatus PrepareDocxText(SourceContext& context, TextView path, DocxText& text);

}  // namespace velt
