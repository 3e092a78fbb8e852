#include "sources/docx_runs.h"

#include "sources/line_normalise.h"

namespace velt {
namespace {

constexpr TextView kRunStart = u"<w:t";
constexpr TextView kRunEnd = u"</w:t>";
constexpr TextView kLineBreak = u"<w:br/>";
constexpr TextView kParagraphEnd = u"</w:p>";
constexpr size_t kProgressMinLength = 1000000;
constexpr int64_t kProgressWidth = 37;
constexpr int32_t kAskAfterSeconds = 9;

// Searches one marker forward only. The position found is kept while later
// searches start at or before it, so the scan stays linear even when a
// marker is far away or missing.
class ForwardFinder {
 public:
  ForwardFinder(TextView text, TextView marker) : text_(text), marker_(marker) {}

  size_t Find(size_t from) {
    if (!known_ || (found_ != TextView::npos && found_ < from)) {
      found_ = text_.find(marker_, from);
      known_ = true;
    }
    return found_;
  }

 private:
  TextView text_;
  TextView marker_;
  size_t found_ = TextView::npos;
  bool known_ = false;
};

void ReplaceAll(Text& text, TextView from, TextView to) {
  size_t pos = text.find(from);
  if (pos == Text::npos) return;
  Text out;
  size_t start = 0;
  for (; pos != Text::npos; pos = text.find(from, start)) {
    out.append(text, start, pos - start);
    out.append(to);
    start = pos + from.size();
  }
  out.append(text, start);
  text = std::move(out);
}

Text CleanRun(TextView raw) {
  if (raw.find_first_not_of(u' ') == TextView::npos) return u" ";
  Text run(raw);
  ReplaceAll(run, u"&amp;", u"&");
  ReplaceAll(run, u"&lt;", u"<");
  ReplaceAll(run, u"&gt;", u">");
  return DecodeUtf8Punctuation(DecodeUtf8Latin(run));
}

// A stop was requested: true when the conversion goes on. After more than 9
// seconds of counting the user is asked first.
bool GoOnAfterStopRequest(Session& session) {
  if (session.run.lngSecondsElapsed <= kAskAfterSeconds) return false;
  const Answer answer =
      session.Message(session.UIText(25), session.UIText(362) + u"\r\n" + session.UIText(363),
                      MessageIcon::Question, MessageButtons::YesNo);
  if (answer == Answer::Yes) return false;
  session.run.blnStop = false;
  session.run.timer2Enabled = true;
  session.run.blnElapsedTimeRunning = true;
  return true;
}

}  // namespace

Text ConversionProgressCaption(int64_t k) {
  Text caption = u"[";
  if (k >= 1) {
    caption.append(static_cast<size_t>(k - 1), u'-');
    caption += u'>';
    caption.append(static_cast<size_t>(kProgressWidth - k), u' ');
  } else {
    caption += u'>';
    caption.append(static_cast<size_t>(kProgressWidth), u' ');
  }
  return caption + u"]";
}

int RunsFromDocumentXml(Session& session, TextView xml, std::vector<Text>& runs, int32_t& total) {
  ForwardFinder runStart(xml, kRunStart);
  ForwardFinder runEnd(xml, kRunEnd);
  ForwardFinder lineBreak(xml, kLineBreak);
  ForwardFinder paragraphEnd(xml, kParagraphEnd);
  const bool showProgress = xml.size() > kProgressMinLength;
  int64_t shownStep = -1;
  int count = 0;
  total = 0;
  size_t p = 0;
  while (p < xml.size()) {
    const size_t s = runStart.Find(p);
    if (s == TextView::npos) return count;
    if (session.run.blnStop && !GoOnAfterStopRequest(session)) return count;
    const size_t e = runEnd.Find(p);
    if (e == TextView::npos || e < s) return count;
    const size_t afterName = s + kRunStart.size();
    if (afterName >= xml.size() || (xml[afterName] != u' ' && xml[afterName] != u'>')) {
      p = afterName;  // another element whose name starts with "w:t" (tab, table, ...)
      continue;
    }
    TextView raw = xml.substr(afterName, e - afterName);
    const size_t tagEnd = raw.find(u'>');
    if (tagEnd != TextView::npos) raw.remove_prefix(tagEnd + 1);
    Text run = CleanRun(raw);

    const size_t afterRun = e + kRunEnd.size();
    const size_t next = runStart.Find(afterRun);
    const size_t limit = next == TextView::npos ? xml.size() : next;
    if (lineBreak.Find(afterRun) < limit || paragraphEnd.Find(afterRun) < limit) {
      if (run != u" ") run += u' ';
    }
    total += static_cast<int32_t>(run.size());
    runs.push_back(std::move(run));
    ++count;

    if (showProgress) {
      const int64_t k = RoundHalfEven(static_cast<double>(kProgressWidth) *
                                      static_cast<double>(p + 1) / static_cast<double>(xml.size()));
      if (k != shownStep) {
        session.window.SetCaption(ControlId::lblTotalNumOccurrences, ConversionProgressCaption(k));
        session.window.Repaint(ControlId::lblTotalNumOccurrences);
        shownStep = k;
      }
    }
    p = afterRun;
    session.pump.Yield();
  }
  return count;
}

}  // namespace velt
