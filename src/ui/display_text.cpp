#include "ui/display_text.h"

namespace velt::ui {
namespace {

bool IsCrLf(TextView text, size_t i) {
  return text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n';
}

}  // namespace

QString DisplayText(TextView text, bool afterCr) {
  QString shown;
  shown.reserve(static_cast<qsizetype>(text.size()));
  size_t i = (afterCr && !text.empty() && text[0] == u'\n') ? 1 : 0;
  while (i < text.size()) {
    if (IsCrLf(text, i)) {
      shown += QLatin1Char('\n');
      i += 2;
    } else {
      shown += text[i] == u'\r' ? QChar(u'\n') : QChar(text[i]);
      ++i;
    }
  }
  return shown;
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
