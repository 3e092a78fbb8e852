#include "reports/output_file_checks.h"

#include "reports/report_error.h"
#include "reports/report_text.h"
#include "reports/text_sink.h"

namespace velt {

std::string OutputFilePath(const Settings& settings) {
  return PathToNative(settings.txbFile[1]);
}

bool OutputToFileEnabled(const Settings& settings) {
  return !settings.txbFile[1].empty() && !settings.chkDisableOutputToFile;
}

bool CheckOutputFileBeforeCount(Session& session) {
  if (!OutputToFileEnabled(session.settings)) return true;
  OutputFile file;
  if (file.Open(OutputFilePath(session.settings)) && file.Close()) return true;
  Text text(u"Error: ");
  text.append(file.error().description).append(kLineEnd).append(kLineEnd);
  text.append(u"If the output file is open in Excel then it must first be closed").append(kLineEnd);
  text.append(u"or a different file should be specified as the output file.");
  SetTextWindow(session, std::move(text));
  session.run.blnStop = false;
  return false;
}

void ReportFileError(Session& session, const RunError& error, TextView label) {
  if (error.number == kErrorPermissionDenied) {
    Text text(u"Perhaps the output file");
    text.append(kLineEnd).append(u"is in use by another application.");
    session.Message(u"Permission denied", std::move(text), MessageIcon::Information);
    return;
  }
  ReportError(session, error.number, error.description, label);
}

}  // namespace velt
