// The Count button's role and the caption that shows it.
#pragma once

#include "phrases/run_state.h"
#include "settings/shell.h"

namespace velt {

// The caption's UI text for each role: "Count phrases", "Stop counting" and
// "Stop counting (many phrases)".
int CountButtonText(CountButton button);

// Gives the Count button its role and shows the caption of that role, so that
// what a click does never depends on reading the caption back.
void ShowCountButton(Shell& shell, RunState& run, CountButton button);

}  // namespace velt
