// The output file as the counting run and the listing see it: the check
// before a count and the messages for a file that cannot be written.
#pragma once

#include <string>

#include "engine/session.h"
#include "reports/output_file.h"

namespace velt {

// The output path of the main window (txbFile[1]) as a file-system path.
std::string OutputFilePath(const Settings& settings);

// True when a listing would write the output file: a path is set and file
// output is not disabled.
bool OutputToFileEnabled(const Settings& settings);

// Made by the counting run before anything is counted: when file output is
// enabled, opens the output file for writing (creating or emptying it) and
// closes it. On failure puts the explanation into the text window, clears
// blnStop and returns false: the count must not start.
bool CheckOutputFileBeforeCount(Session& session);

// A failure of the output file during a listing: error 70 shows the
// "Permission denied" message, any other goes to ReportError with the label.
void ReportFileError(Session& session, const RunError& error, TextView label);

}  // namespace velt
