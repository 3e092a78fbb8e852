// What the listings and the report operations work with: the seams, the
// settings, the run's flags, the report state, the counts of the sources, the
// text window sink and the port to the program above the reports.
#pragma once

#include "phrases/run_state.h"
#include "reports/report_state.h"
#include "reports/text_sink.h"
#include "settings/settings.h"
#include "settings/shell.h"
#include "sources/source_state.h"

namespace velt {

// What the reports need from the program that owns them.
class ReportHooks {
 public:
  virtual ~ReportHooks() = default;

  // Gives the Count button the focus, and its idle caption unless it shows
  // the counting caption; blanks the activity indicator (after a relist).
  virtual void FocusCountButton() = 0;

  // A report option the reports set themselves, as a user's choice would set
  // it: the window's handler of that control runs.
  virtual void DisplayFormatChosen() = 0;
  virtual void SortByNumberOfFilesClicked() = 0;
};

struct ReportContext {
  Shell& shell;
  Settings& settings;
  RunState& run;
  ReportState& state;
  const SourceState& sources;
  TextSink& sink;
  ReportHooks& hooks;
};

}  // namespace velt
