// View double: counts what the engine asked the windows to show.
#pragma once

#include <vector>

#include "platform/view.h"

namespace velt::testing {

class RecordingView final : public View {
 public:
  long textWindowChanges = 0;
  long settingsChanges = 0;
  std::vector<ControlId> changedControls;
  std::vector<ControlId> repaints;
  std::vector<ControlId> focusRequests;

  void TextWindowChanged(size_t) override { ++textWindowChanges; }
  void ControlChanged(ControlId id) override { changedControls.push_back(id); }
  void SettingsChanged() override { ++settingsChanges; }
  void Repaint(ControlId id) override { repaints.push_back(id); }
  void SetFocus(ControlId id) override { focusRequests.push_back(id); }
};

}  // namespace velt::testing
