// The engine's "yield to the event loop": long loops call Yield() at their poll
// points so the window stays responsive and a Stop click can set the stop flag.
#pragma once

namespace velt {

class EventPump {
 public:
  virtual ~EventPump() = default;
  // Lets pending window events run. Must be cheap: the Qt pump processes events
  // at most every ~25 ms of wall time and otherwise only checks a counter.
  virtual void Yield() = 0;
};

// A pump for programs without windows: yielding does nothing.
class NullEventPump final : public EventPump {
 public:
  void Yield() override {}
};

}  // namespace velt
