// The engine's yield for the Qt program: lets pending window events run, but at
// most once per interval of wall time, so a hot loop that yields per word costs
// one clock read per call.
#pragma once

#include <chrono>
#include <functional>

#include "platform/event_pump.h"

namespace velt::ui {

class QtEventPump final : public EventPump {
 public:
  using Clock = std::chrono::steady_clock;
  // Where the pump reads the time: the steady clock, or a test's own clock.
  using Now = Clock::time_point (*)();

  explicit QtEventPump(std::chrono::milliseconds interval = std::chrono::milliseconds(25),
                       Now now = &Clock::now);

  // Runs just before pending events are processed (the main window uses it to
  // start its elapsed-time timer as soon as a run asks for it).
  void SetBeforeEvents(std::function<void()> hook) { beforeEvents_ = std::move(hook); }

  void Yield() override;

 private:
  const Clock::duration interval_;
  const Now now_;
  Clock::time_point next_;
  std::function<void()> beforeEvents_;
};

}  // namespace velt::ui
