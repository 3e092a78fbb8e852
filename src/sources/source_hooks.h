// What the text sources need from the rest of the program, and the context
// their operations run in.
#pragma once

#include "phrases/run_state.h"
#include "platform/zip_reader.h"
#include "settings/settings.h"
#include "settings/shell.h"
#include "sources/source_state.h"
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

  // The text window through its sink, with its capacity rules: once the
  // window is full, TextWindowFull is true and nothing more is added until
  // it is cleared.
  virtual void OutputToTxb(TextView text) = 0;
  virtual void ClearTextbox() = 0;
  virtual bool TextWindowFull() const = 0;

  // The run's error reporter.
  virtual void ReportError(int number, const Text& description, const Text& label) = 0;

  // Enables or disables the main window's working controls as a group (the
  // source controls through EnableSourceControls / DisableSourceControls).
  virtual void EnableDisableButtons(bool enable) = 0;

  // Clears what the window shows of the previous count when a new input file
  // is chosen.
  virtual void ClearPreviousResults() = 0;

  // The four counter labels below the text window: hidden (and emptied first
  // when erase), or only emptied.
  virtual void ConcealCounters(bool erase) = 0;
  virtual void EraseCounters() = 0;

  // Gives the Count button the focus, and its idle caption unless it shows
  // the counting caption; blanks the activity indicator.
  virtual void FocusCountButton() = 0;
};

// Everything a source operation works with: the seams, the settings, the
// run's flags, the sources' own state, the hooks and the DOCX archive reader.
struct SourceContext {
  Shell& shell;
  Settings& settings;
  RunState& run;
  SourceState& state;
  SourceHooks& hooks;
  ZipReader& zip;
};

}  // namespace velt
