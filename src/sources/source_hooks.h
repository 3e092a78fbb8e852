// What the text sources need from the rest of the program, and the context
// their operations run in.
#pragma once

#include "engine/session.h"
#include "platform/zip_reader.h"
#include "text/text.h"
#include "words/scanner_state.h"

namespace velt {

class SourceHooks {
 public:
  virtual ~SourceHooks() = default;

  // The word scanner's state for the current text: the markup mode is chosen
  // in it (markers, entity flag) and its comment state reset per file.
  virtual ScannerState& Scanner() = 0;

  // Scans one prepared line: stores line + " " in currentLine and runs ScanLine.
  virtual void ProcessLine(Text line) = 0;

  // Ends the phrase under construction (the end-of-line boundary).
  virtual void ResetPhrases() = 0;

  // Recreates the run's phrase table (phraseCount = 0); for a folder run also
  // the list of files read.
  virtual void ResetWordStore(bool folderRun) = 0;

  // The text window through its sink, with its capacity rules; a full window
  // sets session.reports.textWindowFull.
  virtual void OutputToTxb(TextView text) = 0;
  virtual void ClearTextbox() = 0;

  // The run's error reporter.
  virtual void ReportError(int number, const Text& description, const Text& label) = 0;

  // Enables or disables the main window's working controls as a group (the
  // source controls through EnableSourceControls / DisableSourceControls).
  virtual void EnableDisableButtons(bool enable) = 0;

  // Clears what the window shows of the previous count when a new input file
  // is chosen.
  virtual void ClearPreviousResults() = 0;
};

// Everything a source operation works with.
struct SourceContext {
  Session& session;
  SourceHooks& hooks;
  ZipReader& zip;
};

}  // namespace velt
