#include "reports/output_file_checks.h"

#include <cerrno>

#include "reports/report_error.h"
#include "text/strings.h"

namespace velt {

std::string OutputFilePath(const Settings& settings) {
  return PathToNative(settings.filePaths[1]);
}

bool OutputToFileEnabled(const Settings& settings) {
  return !settings.filePaths[1].empty() && !settings.outputToFileDisabled;
}

namespace {

// The folder part of a path ("." when it has none).
Text FolderOf(const Text& path) {
  const size_t slash = path.rfind(u'/');
  if (slash == Text::npos) return u".";
  return slash == 0 ? Text(u"/") : path.substr(0, slash);
}

}  // namespace

Text OutputFileProblem(const Settings& settings, const RunError& error) {
  const Text& path = settings.filePaths[1];
  Text text = path;
  text.append(u": ").append(error.description);
  if (error.number == ENOENT)
    text.append(u" (the folder ").append(FolderOf(path)).append(u" does not exist)");
  return text;
}

bool CheckOutputFileBeforeCount(ReportContext& context) {
  const Settings& settings = context.settings;
  if (!OutputToFileEnabled(settings)) return true;
  const int err = CheckOutputFileWritable(OutputFilePath(settings));
  if (err == 0) return true;
  const RunError error = ErrorFromErrno(err);
  Text text(u"Error: ");
  text.append(error.description).append(kLineEnd);
  text.append(OutputFileProblem(settings, error)).append(kLineEnd).append(kLineEnd);
  text.append(u"If the output file is open in Excel then it must first be closed").append(kLineEnd);
  text.append(u"or a different file should be specified as the output file.");
  context.sink.SetTextWindow(std::move(text));
  context.run.stopRequested = false;
  return false;
}

void ReportFileError(ReportContext& context, const RunError& error, TextView label,
                     bool replacesFile) {
  const TextView fate = replacesFile ? TextView(u"The output file was left as it was.")
                                     : TextView(u"No output file was written.");
  if (error.number == kErrorPermissionDenied) {
    Text text(u"Perhaps the output file");
    text.append(kLineEnd).append(u"is in use by another application.");
    text.append(kLineEnd).append(kLineEnd).append(OutputFileProblem(context.settings, error));
    text.append(kLineEnd).append(fate);
    context.shell.Message(MessageId::OutputFilePermissionDenied, u"Permission denied",
                          std::move(text), MessageIcon::Information);
    return;
  }
  Text description = OutputFileProblem(context.settings, error);
  description.append(kLineEnd).append(fate);
  ReportError(context, error.number, description, label);
}

}  // namespace velt
