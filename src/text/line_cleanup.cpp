#include "text/line_cleanup.h"

namespace velt {

void NormaliseWhitespace(Text& line, bool keepTabs) {
  size_t out = 0;
  bool lastWasCr = false;
  for (const char16_t c : line) {
    if (c == u'\b') continue;
    if (c == u'\n' && lastWasCr) {  // CR LF counts as the CR alone
      lastWasCr = false;
      continue;
    }
    lastWasCr = c == u'\r';
    const bool toSpace =
        c == u'\n' || c == u'\f' || c == u'\r' || c == u'\u00A0' || (c == u'\t' && !keepTabs);
    line[out++] = toSpace ? u' ' : c;
  }
  line.resize(out);
}

void SplitDoubleHyphens(Text& line) {
  const TextView view = line;
  for (size_t p = view.find(u"--"); p != TextView::npos; p = view.find(u"--", p + 2)) {
    if (p < 2) continue;  // a line may begin with "--"
    const bool endsCommentOpener = view.substr(p - 2, 4) == u"<!--";
    const bool startsCommentCloser = view.substr(p, 3) == u"-->";
    if (!endsCommentOpener && !startsCommentCloser) {
      line[p] = u' ';
      line[p + 1] = u' ';
    }
  }
}

}  // namespace velt
