#include "phrases/count_button.h"

#include "settings/ui_texts.h"

namespace velt {

int CountButtonText(CountButton button) {
  switch (button) {
    case CountButton::Count:
      return ui_text::kCountPhrases;
    case CountButton::Stop:
      return ui_text::kStopCounting;
    case CountButton::StopManyPhrases:
      return ui_text::kStopCountingManyPhrases;
  }
  return ui_text::kCountPhrases;
}

void ShowCountButton(Shell& shell, RunState& run, CountButton button) {
  run.countButton = button;
  shell.window.SetCaption(ControlId::cmdCountPhrases, shell.UIText(CountButtonText(button)));
}

}  // namespace velt
