#include "ui/text_window_mirror.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <cstring>

#include "ui/display_text.h"

namespace velt::ui {
namespace {

// Whether `text` begins with `start` (compared as bytes: the report can hold
// tens of megabytes, and every change other than an append compares it).
bool StartsWith(TextView text, TextView start) {
  return start.size() <= text.size() &&
         std::memcmp(text.data(), start.data(), start.size() * sizeof(char16_t)) == 0;
}

bool EndsWithCr(TextView text) {
  return !text.empty() && text.back() == u'\r';
}

bool IsHighSurrogate(char16_t c) {
  return c >= 0xD800 && c <= 0xDBFF;
}

}  // namespace

bool TextWindowMirror::Attach(const TextWindow& model, QPlainTextEdit* widget) {
  model_ = &model;
  widget_ = widget;
  widget->setUndoRedoEnabled(false);
  widget->clear();
  shown_.clear();
  modelLength_ = model.length();
  InsertUpTo(model.length() < kGatherFrom ? model.length() : kStep);
  PlaceCaret();
  return Waiting() > 0;
}

bool TextWindowMirror::Changed(size_t appendedFrom) {
  if (!Attached()) return false;
  const size_t length = model_->length();
  const bool appended = appendedFrom > 0 && appendedFrom == modelLength_ && length >= appendedFrom;
  modelLength_ = length;
  if (!appended) ShowBeginning();
  const bool gather = appended && Waiting() < kStep && Clock::now() - lastInsert_ < kGatherFor;
  bool inserted = false;
  if (length < kGatherFrom) {
    inserted = InsertUpTo(length);
  } else if (!gather) {
    inserted = InsertUpTo(kStep);
  }
  if (inserted || !appended) PlaceCaret();
  return Waiting() > 0;
}

bool TextWindowMirror::Step() {
  if (!Attached()) return false;
  const size_t before = shown_.size();
  if (InsertUpTo(kStep)) {
    // Follow the end while the caret is there; a caret the widget could not
    // show yet is placed as soon as its text is in.
    const size_t caret = model_->caret();
    if (caret >= model_->length() || caret > before) PlaceCaret();
  }
  return Waiting() > 0;
}

void TextWindowMirror::Sync() {
  if (!Attached()) return;
  InsertUpTo(Waiting());
  PlaceCaret();
}

void TextWindowMirror::ShowBeginning() {
  const Text& text = model_->text();
  if (StartsWith(text, shown_)) return;  // the caret moved, or text was added
  if (StartsWith(shown_, text) && shown_.size() - text.size() <= text.size()) {
    Shorten();  // a cut at the end that keeps most of the text
    return;
  }
  widget_->clear();
  shown_.clear();
}

void TextWindowMirror::Shorten() {
  const size_t length = model_->length();
  const int removed = DisplayLength(TextView(shown_).substr(length), EndsWithCr(model_->text()));
  QTextCursor tail(widget_->document());
  tail.movePosition(QTextCursor::End);
  tail.setPosition(tail.position() - removed, QTextCursor::KeepAnchor);
  tail.removeSelectedText();
  shown_.resize(length);
  lastInsert_ = Clock::now();
}

bool TextWindowMirror::InsertUpTo(size_t limit) {
  const TextView rest = TextView(model_->text()).substr(shown_.size());
  if (rest.empty() || limit == 0) return false;
  size_t count = std::min(limit, rest.size());
  if (count < rest.size() && IsHighSurrogate(rest[count - 1])) ++count;  // keep the pair together
  const TextView added = rest.substr(0, count);
  QTextCursor end(widget_->document());
  end.movePosition(QTextCursor::End);
  end.insertText(DisplayText(added, EndsWithCr(shown_)));
  shown_.append(added);
  lastInsert_ = Clock::now();
  return true;
}

void TextWindowMirror::PlaceCaret() {
  const size_t caret = model_->caret();
  QTextCursor cursor = widget_->textCursor();
  if (caret >= model_->length() || caret > shown_.size()) {
    cursor.movePosition(QTextCursor::End);
  } else {
    cursor.setPosition(DisplayPosition(shown_, caret));
  }
  widget_->setTextCursor(cursor);
}

}  // namespace velt::ui
