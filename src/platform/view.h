// What the engine shows: the text window (outputText) and the state of the
// controls it drives (captions, tooltips, enabled, visible, label alignment and
// font). The engine owns both models; a View mirrors them into real widgets.
#pragma once

#include <array>

#include <string>
#include <string_view>
#include "platform/controls.h"

namespace velt {

enum class Align { Left, Right };

struct LabelFont {
  bool monospace = false;  // "Courier New" when true, "Arial" otherwise
  bool bold = false;
  int pointSize = 10;
  bool operator==(const LabelFont&) const = default;
};

struct ControlState {
  std::u16string caption;
  std::u16string tooltip;
  bool enabled = true;
  bool visible = true;
  Align align = Align::Left;
  LabelFont font;
};

class View {
 public:
  virtual ~View() = default;
  // The text window's text or caret changed. appendedFrom is the old length when
  // text was only appended (so a mirror can append instead of copying all).
  virtual void TextWindowChanged(size_t appendedFrom) = 0;
  virtual void ControlChanged(ControlId id) = 0;
  // The engine changed values of the settings record; refresh the controls.
  virtual void SettingsChanged() = 0;
  // An explicit redraw request: the run does not return to the event loop.
  virtual void Repaint(ControlId id) = 0;
  virtual void SetFocus(ControlId id) = 0;
  // A transient confirmation shown for 2 seconds just below the given button;
  // widthTwips <= 0 means the button's width minus 50 twips.
  virtual void ShowPopUp(ControlId /*below*/, const std::u16string& /*message*/,
                         int /*widthTwips*/) {}
  // True when the user has made the main window wider than it was at the end
  // of start-up (long phrases then fit the text window).
  virtual bool MainWindowWidened() const { return false; }
};

// A view that shows nothing (velt-batch, most tests).
class NullView final : public View {
 public:
  void TextWindowChanged(size_t) override {}
  void ControlChanged(ControlId) override {}
  void SettingsChanged() override {}
  void Repaint(ControlId) override {}
  void SetFocus(ControlId) override {}
};

// The text window's content. Like a text box with a maximum length, it
// refuses an append that would take it past its limit, so that the program's
// full-window rules see exactly when text was refused.
class TextWindow {
 public:
  static constexpr size_t kNoLimit = static_cast<size_t>(-1);

  explicit TextWindow(View& view) : view_(&view) {}

  const std::u16string& text() const { return text_; }
  size_t length() const { return text_.size(); }
  size_t caret() const { return caret_; }
  size_t limit() const { return limit_; }

  // The most characters the window takes; a longer text set later is cut.
  void SetLimit(size_t limit) { limit_ = limit; }

  void Set(std::u16string text) {
    text_ = std::move(text);
    if (text_.size() > limit_) text_.resize(limit_);
    caret_ = 0;
    view_->TextWindowChanged(0);
  }
  // Appends more and moves the caret to the end; refuses (false, nothing
  // changes) when that would take the window past its limit.
  bool Append(std::u16string_view more) {
    if (more.size() > limit_ || text_.size() > limit_ - more.size()) return false;
    AppendAnyway(more);
    return true;
  }
  // Appends whatever the limit: the program's own notes about a full window.
  void AppendAnyway(std::u16string_view more) {
    const size_t from = text_.size();
    text_.append(more);
    caret_ = text_.size();
    view_->TextWindowChanged(from);
  }
  void Clear() { Set(std::u16string()); }
  void SetCaret(size_t position) {
    caret_ = position > text_.size() ? text_.size() : position;
    view_->TextWindowChanged(0);
  }
  // Removes the last n characters (all when n exceeds the length).
  void RemoveLast(size_t n) {
    text_.resize(n >= text_.size() ? 0 : text_.size() - n);
    if (caret_ > text_.size()) caret_ = text_.size();
    view_->TextWindowChanged(0);
  }

 private:
  View* view_;
  std::u16string text_;
  size_t caret_ = 0;
  size_t limit_ = kNoLimit;
};

// Captions, tooltips and states of the controls the engine drives.
class WindowModel {
 public:
  explicit WindowModel(View& view) : view_(&view) {}

  const ControlState& Get(ControlId id) const { return states_[Index(id)]; }

  void SetCaption(ControlId id, std::u16string_view caption) {
    Update(id, [&](ControlState& s) { s.caption = std::u16string(caption); });
  }
  void SetTooltip(ControlId id, std::u16string_view tooltip) {
    Update(id, [&](ControlState& s) { s.tooltip = std::u16string(tooltip); });
  }
  void SetEnabled(ControlId id, bool enabled) {
    Update(id, [&](ControlState& s) { s.enabled = enabled; });
  }
  void SetVisible(ControlId id, bool visible) {
    Update(id, [&](ControlState& s) { s.visible = visible; });
  }
  void SetAlign(ControlId id, Align align) {
    Update(id, [&](ControlState& s) { s.align = align; });
  }
  void SetFont(ControlId id, LabelFont font) {
    Update(id, [&](ControlState& s) { s.font = font; });
  }
  void Repaint(ControlId id) { view_->Repaint(id); }
  void SetFocus(ControlId id) { view_->SetFocus(id); }

 private:
  static size_t Index(ControlId id) { return static_cast<size_t>(id); }

  template <typename Change>
  void Update(ControlId id, Change change) {
    ControlState& state = states_[Index(id)];
    const ControlState before = state;
    change(state);
    if (state.caption != before.caption || state.tooltip != before.tooltip ||
        state.enabled != before.enabled || state.visible != before.visible ||
        state.align != before.align || !(state.font == before.font)) {
      view_->ControlChanged(id);
    }
  }

  View* view_;
  std::array<ControlState, kControlCount> states_{};
};

}  // namespace velt
