// The parts of a count that exist only while it reads its source: the test of
// the words to ignore, the phrase assembly and the scanner's sink into it. The
// engine holds them, so that the sources' hooks reach the run being read.
#pragma once

#include <memory>

#include "phrases/phrase_assembler.h"
#include "phrases/word_ignore_test.h"

namespace velt {

struct ReadingPipeline {
  std::unique_ptr<WordIgnoreTest> ignoreTest;
  std::unique_ptr<PhraseAssembler> assembler;
  std::unique_ptr<CountingSink> sink;
};

}  // namespace velt
