#include "wordlists/source_words_files.h"

#include "sources/check_text_file.h"
#include "sources/line_reader.h"
#include "text/path_text.h"
#include "text/strings.h"

namespace velt {
namespace {

class ReaderLines final : public WordsFileLines {
 public:
  explicit ReaderLines(std::unique_ptr<LineReader> reader) : reader_(std::move(reader)) {}

  // A line longer than the reader hands over at once comes in pieces cut
  // between words; each piece is taken as a line of its own.
  bool ReadLfLine(Text& line) override {
    if (error_) return false;
    try {
      bool complete = true;
      return reader_->ReadLfLine(line, complete);
    } catch (const RunErrorException& e) {
      error_ = e.error();
      return false;
    }
  }
  std::optional<RunError> error() const override { return error_; }

 private:
  std::unique_ptr<LineReader> reader_;
  std::optional<RunError> error_;
};

}  // namespace

bool SourceWordsFiles::CheckTextFile(const Text& path, bool& utf8) {
  TextFileClass found;
  return velt::CheckTextFile(shell_, hooks_, path, true, utf8, found, false);
}

std::unique_ptr<WordsFileLines> SourceWordsFiles::OpenLines(const Text& path, RunError& error) {
  try {
    auto reader = std::make_unique<LineReader>(NativePath(path));
    reader->SkipUtf8Bom();
    return std::make_unique<ReaderLines>(std::move(reader));
  } catch (const RunErrorException& e) {
    error = e.error();
  } catch (const std::bad_alloc&) {
    error = OutOfMemoryError();
  }
  return nullptr;
}

}  // namespace velt
