// The folder source: its checks, the walk over the folder tree with its
// counting and reading passes, and the listing of the files to be scanned.
#pragma once

#include <cstdint>
#include <string>

#include "sources/source_hooks.h"

namespace velt {

// The folder box names an existing folder with something to read, and the
// output file does not lie where the scan would read it.
bool CheckFolderSource(Shell& shell, Settings& settings);

// Counts the matching files, then (unless only listing, stopped or warned
// about several files without an output file) reads them. True when the
// reading pass ran. Each file reaches the reader through
// SourceState::currentFile; the input-file box keeps the user's path. Folders
// and files whose paths are too long to open are passed over and reported in
// one message at the end of a listing or a reading pass.
bool ScanFolderFiles(SourceContext& context);

// One folder of the walk: its matching files first, then (when subfolders are
// included) its subfolders, depth first. Symbolic links to folders are never
// followed; entries that cannot be read are passed over.
void ScanFolder(SourceContext& context, const std::string& folder);

// "12 files in 3 folders", "1 file in 1 folder".
Text FormatFileCount(int64_t files, int64_t folders);

// The size as the file list writes it: "0 bytes", "1023 bytes", "1.00 Kb",
// "2.50 Mb", "1.00 Gb".
Text ListedFileSize(const NumberFormat& numbers, int64_t bytes);

// The per-file step of a folder pass inside DoItFromFile: lists the file
// (when listing or reading) and advances the file counters and progress bar.
// False when the text window became full.
bool ListAndCountFolderFile(SourceContext& context, TextView path, int64_t size);

// "List files to be scanned": clears the text window and lists the matching
// files (the source controls disabled meanwhile) with their number, reading
// none of them.
void ListFilesToScan(SourceContext& context);

}  // namespace velt
