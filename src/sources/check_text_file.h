// The classifier with messages, as the words-file reader uses it.
#pragma once

#include "sources/file_classifier.h"
#include "sources/source_hooks.h"

namespace velt {

// Clears the text window, classifies the file with the strict threshold and
// the charset sniff, and shows why a file cannot be read. True for text files;
// found receives the classification and utf8 the UTF-8 flag. A folder, a
// FIFO, socket or device, or a path that cannot be reached is refused with its
// reason without being opened (Unexamined, CannotOpen).
bool CheckTextFile(Shell& shell, SourceHooks& hooks, TextView path, bool quiet, bool& utf8,
                   TextFileClass& found, bool ask);

}  // namespace velt
