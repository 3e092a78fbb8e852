// Mirrors the engine's window model and text window into the widgets. Windows
// register their root widget (controls are found by objectName, the engine's
// control names) and a function that refreshes their controls from the
// settings record. Changes applied here are program changes: while they are
// applied, Applying() is true and the windows ignore the events they raise.
#pragma once

#include <QObject>
#include <QPointer>
#include <array>
#include <chrono>
#include <functional>
#include <vector>

#include "platform/view.h"
#include "text/text.h"
#include "ui/text_window_mirror.h"

class QWidget;

namespace velt {
class Session;
}

namespace velt::ui {

class QtView final : public View {
 public:
  // The session whose models are mirrored; the view does nothing before.
  void Attach(Session& session) { session_ = &session; }

  // Takes the controls of `root` (and root itself) whose objectName is a control
  // name. The model is completed from the widgets' design-time captions,
  // tooltips, enabled and visible states where the engine has not set them, and
  // the model is then applied to the widgets.
  void AddWindow(QWidget* root);
  void AddSettingsRefresher(std::function<void()> refresh) {
    refreshers_.push_back(std::move(refresh));
  }
  // Who shows the engine's transient confirmations (the windows know where
  // their buttons are).
  using PopUpHandler = std::function<void(ControlId below, const QString& message, int widthTwips)>;
  void SetPopUpHandler(PopUpHandler handler) { popUpHandler_ = std::move(handler); }

  bool Applying() const { return applying_ > 0; }
  QWidget* Widget(ControlId id) const;

  void TextWindowChanged(size_t appendedFrom) override;
  // Shows the engine's whole text window in outputText now. (A long text
  // reaches outputText in steps, at the passes of the event loop.)
  void SyncTextWindow();
  // How many characters of the engine's text window outputText does not show yet.
  size_t TextWindowWaiting() const { return textWindow_.Waiting(); }
  void ControlChanged(ControlId id) override;
  void SettingsChanged() override;
  // Paints the control at once. outputText is painted at most once every
  // kTextWindowPaintInterval; a request sooner is painted with the next pass
  // of the event loop (a run yields every few tens of milliseconds).
  void Repaint(ControlId id) override;
  void SetFocus(ControlId id) override;
  void ShowPopUp(ControlId below, const Text& message, int widthTwips) override {
    if (popUpHandler_) popUpHandler_(below, QString::fromStdU16String(message), widthTwips);
  }

  // The main window's width at the end of start-up, the reference of
  // MainWindowWidened.
  void SetMainWindowInitialWidth(int pixels) { mainWindowInitialWidth_ = pixels; }
  bool MainWindowWidened() const override;

 private:
  class ApplyingScope;
  using Clock = std::chrono::steady_clock;
  static constexpr Clock::duration kTextWindowPaintInterval = std::chrono::milliseconds(40);

  static size_t Index(ControlId id) { return static_cast<size_t>(id); }
  void CompleteModel(ControlId id, QWidget* widget);
  void Apply(ControlId id, QWidget* widget);
  void StepTextWindow();
  void PostTextWindowStep();

  Session* session_ = nullptr;
  std::array<QPointer<QWidget>, kControlCount> widgets_{};
  // The state last applied to each widget: only what differs is applied again,
  // so a change of one property never overwrites the others.
  std::array<ControlState, kControlCount> applied_{};
  std::vector<std::function<void()>> refreshers_;
  TextWindowMirror textWindow_;
  Clock::time_point lastTextWindowPaint_{};
  // Receives the posted steps of the text window; destroyed with the view, it
  // takes any step still queued with it.
  QObject stepTarget_;
  bool stepPosted_ = false;
  int applying_ = 0;
  PopUpHandler popUpHandler_;
  int mainWindowInitialWidth_ = 0;  // 0 until start-up has ended
};

}  // namespace velt::ui
