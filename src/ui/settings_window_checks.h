// The 26 check boxes of the Settings window: control name, design caption, the
// frame that holds each, the settings field it shows and, for the boxes that
// change a word rule, which rule. One table serves building the boxes, binding
// them to the settings record and refreshing them.
#pragma once

#include <optional>
#include <span>

#include "engine/settings_window_controller.h"

namespace velt::ui {

enum class CheckFrame { WordCharacters, PhraseBoundaries, IgnoreWords, Options };

struct SettingsCheckBox {
  const char* name;
  const char16_t* caption;
  CheckFrame frame;
  bool Settings::*field;
  // Set for the twelve "Allow 'words' with" boxes and "Upper/lower case
  // significant": a user click asks the engine to apply the changed rule.
  std::optional<WordRuleBox> rule;
};

constexpr int kSettingsCheckBoxCount = 26;

// In the order the window shows them, frame by frame.
std::span<const SettingsCheckBox, kSettingsCheckBoxCount> SettingsCheckBoxes();

// The caption that "end double quote" gets when the window loads: the typed
// double quote, then the typographic closing quote and the closing guillemet.
std::u16string DoubleQuoteBoundaryCaption();

}  // namespace velt::ui
