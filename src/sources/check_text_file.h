// The classifier with messages, as the words-file reader uses it.
#pragma once

#include "sources/source_hooks.h"

namespace velt {

// Clears the text window, classifies the file with the strict threshold and
// the charset sniff, and shows why a file cannot be read. True for text files
// (codes 1 to 3); code receives the classification and utf8 the UTF-8 flag.
// A folder, a FIFO, socket or device, or a path that cannot be reached is
// refused with its reason without being opened (code -9).
bool CheckTextFile(Shell& shell, SourceHooks& hooks, TextView path, bool quiet, bool& utf8,
                   int& code, bool ask);

}  // namespace velt
