// Runs actions on the few widget events the main window reacts to that Qt
// offers no signal for: losing the focus, Enter (swallowed), a key released,
// a mouse button pressed or released over a widget.
#pragma once

#include <QObject>
#include <functional>
#include <vector>

class QWidget;

namespace velt::ui {

class EventHooks final : public QObject {
 public:
  using Action = std::function<void()>;

  explicit EventHooks(QObject* parent) : QObject(parent) {}

  // Focus moved to another control of the program. Focus lost because another
  // window became active (or a pop-up opened) does not count, as a control does
  // not lose the focus within its own window then.
  void OnFocusOut(QWidget* widget, Action action);
  // Return or Enter pressed; the key goes no further.
  void OnEnter(QWidget* widget, Action action);
  void OnKeyRelease(QWidget* widget, int key, Action action);
  void OnMousePress(QWidget* widget, Qt::MouseButton button, Action action);
  void OnMouseRelease(QWidget* widget, Qt::MouseButton button, Action action);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum class Kind { FocusOut, Enter, KeyRelease, MousePress, MouseRelease };
  struct Hook {
    QObject* target;
    Kind kind;
    int detail;  // key or mouse button
    Action action;
  };

  void Add(QWidget* widget, Kind kind, int detail, Action action);
  static bool Matches(const Hook& hook, QEvent* event);

  std::vector<Hook> hooks_;
};

}  // namespace velt::ui
