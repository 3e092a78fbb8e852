#include "ui/event_hooks.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace velt::ui {

void EventHooks::OnFocusOut(QWidget* widget, Action action) {
  Add(widget, Kind::FocusOut, 0, std::move(action));
}

void EventHooks::OnEnter(QWidget* widget, Action action) {
  Add(widget, Kind::Enter, 0, std::move(action));
}

void EventHooks::OnKeyRelease(QWidget* widget, int key, Action action) {
  Add(widget, Kind::KeyRelease, key, std::move(action));
}

void EventHooks::OnMousePress(QWidget* widget, Qt::MouseButton button, Action action) {
  Add(widget, Kind::MousePress, static_cast<int>(button), std::move(action));
}

void EventHooks::OnMouseRelease(QWidget* widget, Qt::MouseButton button, Action action) {
  Add(widget, Kind::MouseRelease, static_cast<int>(button), std::move(action));
}

void EventHooks::Add(QWidget* widget, Kind kind, int detail, Action action) {
  widget->installEventFilter(this);
  hooks_.push_back({widget, kind, detail, std::move(action)});
}

bool EventHooks::Matches(const Hook& hook, QEvent* event) {
  switch (hook.kind) {
    case Kind::FocusOut: {
      if (event->type() != QEvent::FocusOut) return false;
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
    }
    case Kind::Enter: {
      if (event->type() != QEvent::KeyPress) return false;
      const int key = static_cast<QKeyEvent*>(event)->key();
      return key == Qt::Key_Return || key == Qt::Key_Enter;
    }
    case Kind::KeyRelease: {
      if (event->type() != QEvent::KeyRelease) return false;
      const auto* key = static_cast<QKeyEvent*>(event);
      return key->key() == hook.detail && !key->isAutoRepeat();
    }
    case Kind::MousePress:
    case Kind::MouseRelease: {
      const QEvent::Type type =
          hook.kind == Kind::MousePress ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease;
      return event->type() == type &&
             static_cast<int>(static_cast<QMouseEvent*>(event)->button()) == hook.detail;
    }
  }
  return false;
}

bool EventHooks::eventFilter(QObject* watched, QEvent* event) {
  for (const Hook& hook : hooks_) {
    if (hook.target != watched || !Matches(hook, event)) continue;
    // Copied: the action may add hooks, which can move the vector.
    const Action action = hook.action;
    action();
    return hook.kind == Kind::Enter;
  }
  return false;
}

}  // namespace velt::ui
