// The text window as an output sink: appending with the capacity rule, the
// report buffer pendingOutput, and clearing.
#pragma once

#include <cstdint>

#include "platform/view.h"
#include "reports/report_state.h"
#include "sources/source_state.h"
#include "text/text.h"

namespace velt {

class TextSink {
 public:
  // The window's model and the activity indicator beside it, the report state
  // that tracks the window, and the folder counts its full notice names.
  TextSink(WindowModel& window, TextWindow& textWindow, ReportState& state,
           const SourceState& sources)
      : window_(window), textWindow_(textWindow), state_(state), sources_(sources) {}

  TextSink(const TextSink&) = delete;
  TextSink& operator=(const TextSink&) = delete;

  // Appends text to the text window, moves the caret to the end and repaints.
  // Once the window is full (textWindowFull) nothing is added any more.
  void OutputToTxb(TextView text);

  // Sets how many characters the text window is meant to hold; the window
  // refuses text a little beyond that (kTextWindowLimitMargin).
  void SetTextboxCapacity(int32_t capacity);

  // Replaces the text window's content (caret at the start) and repaints.
  void SetTextWindow(Text text);

  // Empties the window, repaints it and clears textWindowFull.
  void ClearTextbox();

  // Appends the pending report text pendingOutput to the window and empties
  // it. While the window is full the text stays pending (the full notice
  // shows it).
  void FlushOutput();

 private:
  void MarkTextWindowFull();

  WindowModel& window_;
  TextWindow& textWindow_;
  ReportState& state_;
  const SourceState& sources_;
};

}  // namespace velt
