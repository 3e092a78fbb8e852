// Words files read through the text sources: their classifier check with its
// messages and their line reader.
#pragma once

#include "sources/source_hooks.h"
#include "wordlists/words_file_source.h"

namespace velt {

class SourceWordsFiles final : public WordsFileSource {
 public:
  SourceWordsFiles(Shell& shell, SourceHooks& hooks) : shell_(shell), hooks_(hooks) {}

  bool CheckTextFile(const Text& path, bool& utf8) override;
  // A UTF-8 byte-order mark at the start of the file is dropped.
  std::unique_ptr<WordsFileLines> OpenLines(const Text& path, RunError& error) override;

 private:
  Shell& shell_;
  SourceHooks& hooks_;
};

}  // namespace velt
