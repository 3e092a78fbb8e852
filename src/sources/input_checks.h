// Checks of the input name and the size labels of the main window.
#pragma once

#include <cstdint>

#include "sources/source_hooks.h"

namespace velt {

// What CheckInputFileName finds; the input-name problems DoItFromFile meets.
enum class InputFileStatus {
  Ok,             // names a file with bytes to read
  EndsWithSlash,  // ends with "/": a folder, not a file
  Missing,        // no such file (or a folder)
  ZeroLength,     // the file is empty; also: no input file named
  OutputIsInput,  // the output file is the input file
};

// Checks the (trimmed) path and refreshes the size labels. At start-up a path
// ending with "/" also empties the input box.
InputFileStatus CheckInputFileName(SourceContext& context, TextView path);

// The message for a status other than Ok. Missing and ZeroLength for an input
// box naming a folder, a FIFO, socket or device, or a path that cannot be
// reached (a link loop) get a message that says so instead ("Invalid input
// file").
void ShowInputFileMessage(Shell& shell, const Settings& settings, InputFileStatus status);

// The first step of a count: the chosen source has something to read. An
// input file that is no regular file is refused with its reason.
bool CheckSourceBeforeCount(Shell& shell, Settings& settings);

// "Filesize: ..." in fileSizeLabel and "Text: ..." in textSizeLabel.
void ShowFileSize(Shell& shell, int64_t bytes);
void ShowTextSize(Shell& shell, int64_t bytes);

// Empties both size labels.
void ClearSizeLabels(WindowModel& window);

// The size as those labels write it after the prefix: "9,999 bytes",
// "9.77 Kb", "1.00 Mb".
Text SizeLabelText(const NumberFormat& numbers, int64_t bytes);

}  // namespace velt
