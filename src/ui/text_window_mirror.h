// Mirrors the engine's text window (its text and caret) into a QPlainTextEdit.
//
// A QTextDocument takes text at a few million characters a second, and each
// insertion has a fixed cost besides (layout and scroll range are brought up
// to date). A listing hands a long report to the window in thousands of
// pieces of about 2 KB. So once the window is long:
// - pieces that follow each other closely are gathered and inserted together;
// - no insertion takes more than kStep characters, so the program never stops
//   for more than some milliseconds: the rest waits, and the owner inserts it
//   step by step (Step) at the next passes of the event loop.
// The document always shows a beginning of the model's text: a change other
// than an append is compared with what is shown, and a cut at the end removes
// only the cut text. While the window is short, every change is shown in full
// at once, so a short text is in the widget as soon as the engine has set it.
#pragma once

#include <QPointer>
#include <chrono>

#include "platform/view.h"
#include "text/text.h"

class QPlainTextEdit;

namespace velt::ui {

class TextWindowMirror {
 public:
  using Clock = std::chrono::steady_clock;
  // Below this many characters in the model, every change is shown at once.
  static constexpr size_t kGatherFrom = 65'536;
  // The most characters one insertion takes (about 10 ms of the document's time).
  static constexpr size_t kStep = 65'536;
  // How long appended pieces may wait to be gathered.
  static constexpr Clock::duration kGatherFor = std::chrono::milliseconds(40);

  // Mirrors `model` into `widget` from now on (the model must outlive the
  // mirror). The mirror's edits are the program's: the widget keeps no undo
  // history of them. True when text waits, as for Changed.
  bool Attach(const TextWindow& model, QPlainTextEdit* widget);
  bool Attached() const { return model_ != nullptr && !widget_.isNull(); }

  // The model changed (appendedFrom as View::TextWindowChanged). True when
  // text waits: the owner calls Step at the next pass of the event loop.
  bool Changed(size_t appendedFrom);
  // Inserts the next step of the waiting text; true when more waits.
  bool Step();
  // Shows the whole model now.
  void Sync();
  size_t Waiting() const {
    return Attached() && model_->length() > shown_.size() ? model_->length() - shown_.size() : 0;
  }

 private:
  void ShowBeginning();
  void Shorten();
  bool InsertUpTo(size_t limit);
  void PlaceCaret();

  const TextWindow* model_ = nullptr;
  QPointer<QPlainTextEdit> widget_;
  // What the document shows, in the model's form (CR LF line ends): always a
  // beginning of the model's text once a change has been handled.
  Text shown_;
  size_t modelLength_ = 0;  // the model's length when it last changed
  Clock::time_point lastInsert_{};
};

}  // namespace velt::ui
