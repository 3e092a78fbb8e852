// The output file as the counting run and the listing see it: the check
// before a count and the messages for a file that cannot be written.
#pragma once

#include <string>

#include "reports/output_file.h"
#include "reports/report_context.h"

namespace velt {

// The output path of the main window (filePaths[1]) as a file-system path.
std::string OutputFilePath(const Settings& settings);

// True when a listing would write the output file: a path is set and file
// output is not disabled.
bool OutputToFileEnabled(const Settings& settings);

// The output file's path with the reason it cannot be written, for messages
// ("/home/me/out/report.txt: No such file or directory (the folder
// /home/me/out does not exist)").
Text OutputFileProblem(const Settings& settings, const RunError& error);

// Made by the counting run before anything is counted: when file output is
// enabled, checks that the output file can be written, without creating or
// emptying it. On failure puts the explanation (with the path and the reason)
// into the text window, clears stopRequested and returns false: the count must not
// start.
bool CheckOutputFileBeforeCount(ReportContext& context);

// A failure of the output file during a listing: error 70 shows the
// "Permission denied" message, any other goes to ReportError with the label.
// Both name the file and the reason and say what became of the file: left as
// it was (replacesFile) or not written.
void ReportFileError(ReportContext& context, const RunError& error, TextView label,
                     bool replacesFile);

}  // namespace velt
