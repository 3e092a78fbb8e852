#include "ui/display_text.h"

namespace velt::ui {
namespace {

bool IsCrLf(TextView text, size_t i) {
  return text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n';
}

size_t FirstShown(TextView text, bool afterCr) {
  return (afterCr && !text.empty() && text[0] == u'\n') ? 1 : 0;
}

}  // namespace

QString DisplayText(TextView text, bool afterCr) {
  // Written through a raw buffer: a report can hold twenty million characters.
  QString shown(static_cast<qsizetype>(text.size()), Qt::Uninitialized);
  char16_t* out = reinterpret_cast<char16_t*>(shown.data());
  char16_t* const begin = out;
  for (size_t i = FirstShown(text, afterCr); i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == u'\r') {
      *out++ = u'\n';
      if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    } else {
      *out++ = c;
    }
  }
  shown.truncate(out - begin);
  return shown;
}

int DisplayLength(TextView text, bool afterCr) {
  size_t length = text.size() - FirstShown(text, afterCr);
  for (size_t i = 0; i + 1 < text.size(); ++i)
    length -= IsCrLf(text, i) ? 1 : 0;
  return static_cast<int>(length);
}

int DisplayPosition(TextView text, size_t position) {
  if (position > text.size()) position = text.size();
  int shown = 0;
  for (size_t i = 0; i < position; ++shown)
    i += IsCrLf(text, i) ? 2 : 1;
  return shown;
}

size_t ModelPosition(TextView text, int position) {
  size_t i = 0;
  for (int shown = 0; shown < position && i < text.size(); ++shown)
    i += IsCrLf(text, i) ? 2 : 1;
  return i;
}

}  // namespace velt::ui
