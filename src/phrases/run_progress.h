// Progress displays of a counting run: the per-file progress bar in the
// total-occurrences label and the elapsed-time text.
#pragma once

#include <cstdint>

#include "platform/view.h"
#include "text/text.h"

namespace velt {

constexpr int kProgressBarWidth = 40;

// Turns progressLabel into an empty progress bar: "[" + 40 spaces + "]",
// left-aligned, fixed-pitch bold 10 point.
void StartProgressBar(WindowModel& window);

// Advances the bar after a line: bytesRead grows by the line's length plus 2;
// LF-only files (lfOnly) count 1.2 times as far.
void ShowFileProgress(WindowModel& window, bool lfOnly, int64_t& bytesRead, int64_t lineLength,
                      int64_t fileSize);

// The bar's caption for a filled length l (0 to 40).
Text ProgressBarCaption(int filled, int width = kProgressBarWidth);

// Restores the label: right-aligned, proportional 10 point, empty, visible.
void ResetProgressLabel(WindowModel& window);

// Seconds as the elapsed-time label shows them: "22s", "32m 32s", "4h 32m",
// "1d 2h 3m 4s".
Text FormatElapsedTime(int64_t seconds);

}  // namespace velt
