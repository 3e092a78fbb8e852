#include "ui/qt_view.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "engine/session.h"
#include "ui/qt_text.h"

namespace velt::ui {
namespace {

// What the program calls a control's caption, for the kinds of widget that have one.
Text CaptionOf(const QWidget* widget) {
  if (widget->isWindow()) return ToText(widget->windowTitle());
  if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
    return ToText(ButtonCaptionText(button->text()));
  }
  if (const auto* label = qobject_cast<const QLabel*>(widget)) return ToText(label->text());
  if (const auto* frame = qobject_cast<const QGroupBox*>(widget)) {
    return ToText(ButtonCaptionText(frame->title()));
  }
  if (const auto* box = qobject_cast<const QLineEdit*>(widget)) return ToText(box->text());
  return {};
}

void SetCaptionOf(QWidget* widget, const Text& caption) {
  const QString text = ToQString(caption);
  if (widget->isWindow()) {
    widget->setWindowTitle(text);
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(LiteralButtonCaption(text));
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(text);
  } else if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
    frame->setTitle(LiteralButtonCaption(text));
  } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
    if (box->text() != text) box->setText(text);
  }
}

Align AlignOf(const QWidget* widget) {
  const auto* label = qobject_cast<const QLabel*>(widget);
  return label != nullptr && (label->alignment() & Qt::AlignRight) ? Align::Right : Align::Left;
}

void SetAlignOf(QWidget* widget, Align align) {
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setAlignment((align == Align::Right ? Qt::AlignRight : Qt::AlignLeft) |
                        Qt::AlignVCenter);
  }
}

QFont ToQFont(const LabelFont& font) {
  QFont qfont(QStringLiteral("Arial"), font.pointSize, font.bold ? QFont::Bold : QFont::Normal);
  if (font.monospace) {
    qfont.setFamily(QStringLiteral("Courier New"));
    qfont.setStyleHint(QFont::TypeWriter);
  }
  return qfont;
}

bool IsNamed(const QWidget* widget, std::string_view name) {
  return widget->objectName() ==
         QLatin1StringView(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

class QtView::ApplyingScope {
 public:
  explicit ApplyingScope(QtView& view) : view_(view) { ++view_.applying_; }
  ~ApplyingScope() { --view_.applying_; }
  ApplyingScope(const ApplyingScope&) = delete;
  ApplyingScope& operator=(const ApplyingScope&) = delete;

 private:
  QtView& view_;
};

QWidget* QtView::Widget(ControlId id) const {
  return widgets_[Index(id)].data();
}

bool QtView::MainWindowWidened() const {
  const QWidget* window = Widget(ControlId::frmMain);
  return window != nullptr && mainWindowInitialWidth_ > 0 &&
         window->width() > mainWindowInitialWidth_;
}

void QtView::AddWindow(QWidget* root) {
  if (session_ == nullptr || root == nullptr) return;
  for (size_t i = 0; i < kControlCount; ++i) {
    const auto id = static_cast<ControlId>(i);
    if (widgets_[i] || !IsNamed(root, ControlName(OwningWindow(id)))) continue;
    const std::string_view widgetName = WidgetName(id);
    const QString name =
        QString::fromLatin1(widgetName.data(), static_cast<qsizetype>(widgetName.size()));
    QWidget* widget = root->objectName() == name ? root : root->findChild<QWidget*>(name);
    if (widget == nullptr) continue;
    // Not registered yet while the model is completed, so the changes it raises
    // are not applied half-way.
    CompleteModel(id, widget);
    widgets_[i] = widget;
    Apply(id, widget);
    auto* output = qobject_cast<QPlainTextEdit*>(widget);
    if (id == ControlId::txbOutput && output != nullptr) {
      ApplyingScope scope(*this);
      if (textWindow_.Attach(session_->textWindow, output)) PostTextWindowStep();
    }
  }
}

void QtView::CompleteModel(ControlId id, QWidget* widget) {
  WindowModel& model = session_->window;
  const ControlState engine = model.Get(id);
  ControlState& shown = applied_[Index(id)];
  shown.caption = CaptionOf(widget);
  shown.tooltip = ToText(widget->toolTip());
  shown.enabled = !widget->testAttribute(Qt::WA_ForceDisabled);
  shown.visible = !widget->isHidden();
  shown.align = AlignOf(widget);
  shown.font = engine.font;  // the design font is the model's default font

  if (engine.caption.empty() && !shown.caption.empty()) model.SetCaption(id, shown.caption);
  if (engine.tooltip.empty() && !shown.tooltip.empty()) model.SetTooltip(id, shown.tooltip);
  if (engine.enabled && !shown.enabled) model.SetEnabled(id, false);
  if (engine.visible && !shown.visible) model.SetVisible(id, false);
  if (engine.align == Align::Left && shown.align == Align::Right) model.SetAlign(id, Align::Right);
}

void QtView::Apply(ControlId id, QWidget* widget) {
  const ControlState& wanted = session_->window.Get(id);
  ControlState& shown = applied_[Index(id)];
  ApplyingScope scope(*this);
  if (wanted.caption != shown.caption) {
    SetCaptionOf(widget, wanted.caption);
    shown.caption = wanted.caption;
  }
  if (wanted.tooltip != shown.tooltip) {
    widget->setToolTip(ToQString(wanted.tooltip));
    shown.tooltip = wanted.tooltip;
  }
  if (wanted.enabled != shown.enabled) {
    widget->setEnabled(wanted.enabled);
    shown.enabled = wanted.enabled;
  }
  if (wanted.visible != shown.visible) {
    widget->setVisible(wanted.visible);
    shown.visible = wanted.visible;
  }
  if (wanted.align != shown.align) {
    SetAlignOf(widget, wanted.align);
    shown.align = wanted.align;
  }
  if (!(wanted.font == shown.font)) {
    widget->setFont(ToQFont(wanted.font));
    shown.font = wanted.font;
  }
}

void QtView::ControlChanged(ControlId id) {
  if (session_ == nullptr) return;
  if (QWidget* widget = Widget(id)) Apply(id, widget);
}

void QtView::TextWindowChanged(size_t appendedFrom) {
  if (session_ == nullptr) return;
  ApplyingScope scope(*this);
  if (textWindow_.Changed(appendedFrom)) PostTextWindowStep();
}

void QtView::SyncTextWindow() {
  ApplyingScope scope(*this);
  textWindow_.Sync();
}

void QtView::StepTextWindow() {
  ApplyingScope scope(*this);
  if (textWindow_.Step()) PostTextWindowStep();
}

void QtView::PostTextWindowStep() {
  if (stepPosted_) return;
  stepPosted_ = true;
  // A posted call runs at the next pass of the event loop, before the paint
  // of that pass (paint requests are posted with a lower priority); one posted
  // while it runs waits for the pass after, so input and paint come between.
  QMetaObject::invokeMethod(
      &stepTarget_,
      [this] {
        stepPosted_ = false;
        StepTextWindow();
      },
      Qt::QueuedConnection);
}

void QtView::SettingsChanged() {
  if (session_ == nullptr) return;
  ApplyingScope scope(*this);
  for (const auto& refresh : refreshers_)
    refresh();
}

void QtView::Repaint(ControlId id) {
  QWidget* widget = Widget(id);
  if (widget == nullptr || !widget->isVisible()) return;
  // A scroll area's frame does not paint its viewport.
  auto* area = qobject_cast<QAbstractScrollArea*>(widget);
  QWidget* viewport = area != nullptr ? area->viewport() : nullptr;
  if (id == ControlId::txbOutput) {
    // A listing asks after every piece of its report; painting a few tens of
    // times a second shows the same and leaves the time to the listing.
    const Clock::time_point now = Clock::now();
    if (now - lastTextWindowPaint_ < kTextWindowPaintInterval) {
      widget->update();
      if (viewport != nullptr) viewport->update();
      return;
    }
    lastTextWindowPaint_ = now;
    StepTextWindow();  // paint what has been gathered
  }
  widget->repaint();
  if (viewport != nullptr) viewport->repaint();
}

void QtView::SetFocus(ControlId id) {
  ApplyingScope scope(*this);
  if (QWidget* widget = Widget(id)) widget->setFocus(Qt::OtherFocusReason);
}

}  // namespace velt::ui
