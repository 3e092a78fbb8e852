// The engine's counting operations: the count behind the Count button, and
// the Count command with its outcome as velt-batch runs it.
#include "engine/count/count_run.h"
#include "engine/count/count_window.h"
#include "engine/engine.h"
#include "engine/main_window_controller.h"
#include "reports/report_error.h"
#include "text/run_error.h"

namespace velt {

void Engine::ResetCountOutcome() {
  countReachedListing_ = false;
  session_.reports.errorsReported = 0;
}

void Engine::Count() {
  CountWindow window(*this);
  Count(window);
}

void Engine::Count(CountObserver& observer) {
  const CountParts parts{session_,   sourceContext_, reportContext_, wordListContext_,
                         wordRules_, scanner_,       lookups_,       table_,
                         stats_,     listing_,       reading_};
  countReachedListing_ = CountRun(parts, observer).Run();
}

bool Engine::CountsTheClipboard() const {
  return session_.settings.source == Source::Clipboard;
}

void Engine::CountCommand() {
  mainWindow_->OnCountClicked();
}

bool Engine::EveryLineDelivered() const {
  const ReportState& reports = session_.reports;
  if (!countReachedListing_ || reports.errorsReported > 0 || reports.outputFileMissed) return false;
  return !reports.textWindowFull || reports.outputFileWritten;
}

void Engine::ReportOutOfMemory(const Text& label) {
  const RunError error = OutOfMemoryError();
  velt::ReportError(reportContext_, error.number, error.description, label);
}

}  // namespace velt
