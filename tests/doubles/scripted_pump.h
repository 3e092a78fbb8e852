// EventPump double: counts yields and can run a scripted action at a chosen
// yield (to simulate a Stop click arriving in the middle of a run).
#pragma once

#include <functional>

#include "platform/event_pump.h"

namespace velt::testing {

class ScriptedPump final : public EventPump {
 public:
  long yields = 0;
  long triggerAt = -1;  // yield number at which `action` runs once (1-based)
  std::function<void()> action;

  void Yield() override {
    ++yields;
    if (yields == triggerAt && action) action();
  }
};

}  // namespace velt::testing
