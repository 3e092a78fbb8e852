#include "sources/docx_runs.h"

#include "settings/ui_texts.h"
#include "sources/line_normalise.h"

namespace velt {
namespace {

constexpr TextView kRunStart = u"<w:t";
constexpr TextView kRunEnd = u"</w:t>";
// What follows the "<" of a tag that separates the words of the runs on
// either side: the end of a paragraph, or an element name (line break,
// carriage return, tab).
constexpr TextView kParagraphEnd = u"/w:p>";
constexpr TextView kSeparatorNames[] = {u"w:br", u"w:cr", u"w:tab"};
constexpr size_t kProgressMinLength = 1000000;
constexpr int64_t kProgressWidth = 37;
constexpr int32_t kAskAfterSeconds = 9;

// Whether a marker found in text is the one wanted, judged by what follows
// it (the marker alone may be only the start of the tag wanted).
using MarkerCheck = bool (*)(TextView text, size_t afterMarker);

// Searches one marker, passing over the places the check refuses. Each search
// starts at or after the start of the one before; the position found is kept
// while later searches start at or before it, so the scan stays linear even
// when a marker is far away or missing: every stretch of text is searched at
// most once.
class ForwardFinder {
 public:
  ForwardFinder(TextView text, TextView marker, MarkerCheck check = nullptr)
      : text_(text), marker_(marker), check_(check) {}

  size_t Find(size_t from) {
    if (!known_ || (found_ != TextView::npos && found_ < from)) {
      found_ = text_.find(marker_, from);
      while (found_ != TextView::npos && check_ != nullptr &&
             !check_(text_, found_ + marker_.size()))
        found_ = text_.find(marker_, found_ + 1);
      known_ = true;
    }
    return found_;
  }

 private:
  TextView text_;
  TextView marker_;
  MarkerCheck check_;
  size_t found_ = TextView::npos;
  bool known_ = false;
};

// "<w:t" starts a text run only when a space or ">" follows; otherwise it
// begins another element whose name starts with "w:t" (tab, table, row ...).
bool IsRunStart(TextView xml, size_t afterName) {
  return afterName < xml.size() && (xml[afterName] == u' ' || xml[afterName] == u'>');
}

// Whether the element name just read ends here: "<w:br/>", "<w:br />" and
// "<w:br w:type="page"/>" are line breaks, "<w:tabs>" is not a tab.
bool EndsElementName(TextView xml, size_t afterName) {
  if (afterName >= xml.size()) return false;
  const char16_t c = xml[afterName];
  return c == u'/' || c == u'>' || c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

// Whether the tag opened by the "<" before `afterMarker` separates the words
// of the runs on either side: a line break (a page or column break is a line
// break with a type), a carriage return, a tab or the end of a paragraph.
// One search for "<" serves all of them, so the text is scanned once.
bool IsWordSeparator(TextView xml, size_t afterMarker) {
  const TextView tag = xml.substr(afterMarker);
  if (tag.starts_with(kParagraphEnd)) return true;
  for (const TextView name : kSeparatorNames) {
    if (tag.starts_with(name)) return EndsElementName(xml, afterMarker + name.size());
  }
  return false;
}

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

// The run's text as stored: a run that is empty or only spaces becomes one
// space; any other run has its entities decoded and its UTF-8 repaired. The
// separating space is already part of the run, so a run that the repairs
// reduce to spaces keeps it.
Text CleanRun(Text run) {
  if (run.find_first_not_of(u' ') == Text::npos) return u" ";
  ReplaceAll(run, u"&amp;", u"&");
  ReplaceAll(run, u"&lt;", u"<");
  ReplaceAll(run, u"&gt;", u">");
  return DecodeUtf8Punctuation(DecodeUtf8Latin(run));
}

// A stop was requested: true when the conversion goes on. After more than 9
// seconds of counting the user is asked first.
bool GoOnAfterStopRequest(Shell& shell, RunState& run) {
  if (run.secondsElapsed <= kAskAfterSeconds) return false;
  const Answer answer = shell.Message(
      MessageId::StopDuringDocument, shell.UIText(ui_text::kStopCounting),
      shell.UIText(ui_text::kDocumentSlow) + u"\r\n" + shell.UIText(ui_text::kStopCountingQuestion),
      MessageIcon::Question, MessageButtons::YesNo);
  if (answer == Answer::Yes) return false;
  run.stopRequested = false;
  run.timer2Enabled = true;
  run.elapsedTimeRunning = true;
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

int RunsFromDocumentXml(Shell& shell, RunState& runState, TextView xml, std::vector<Text>& runs,
                        int32_t& total) {
  ForwardFinder runStart(xml, kRunStart, IsRunStart);
  ForwardFinder runEnd(xml, kRunEnd);
  ForwardFinder separator(xml, u"<", IsWordSeparator);
  const bool showProgress = xml.size() > kProgressMinLength;
  int64_t shownStep = -1;
  int count = 0;
  total = 0;
  size_t p = 0;
  while (p < xml.size()) {
    const size_t s = runStart.Find(p);
    if (s == TextView::npos) return count;
    if (runState.stopRequested && !GoOnAfterStopRequest(shell, runState)) return count;
    const size_t e = runEnd.Find(p);
    if (e == TextView::npos || e < s) return count;
    const size_t afterName = s + kRunStart.size();
    TextView raw = xml.substr(afterName, e - afterName);
    const size_t tagEnd = raw.find(u'>');
    if (tagEnd != TextView::npos) raw.remove_prefix(tagEnd + 1);
    Text run(raw);

    const size_t afterRun = e + kRunEnd.size();
    const size_t next = runStart.Find(afterRun);
    if (separator.Find(afterRun) < (next == TextView::npos ? xml.size() : next)) run += u' ';
    run = CleanRun(std::move(run));
    total += static_cast<int32_t>(run.size());
    runs.push_back(std::move(run));
    ++count;

    if (showProgress) {
      const int64_t k = RoundHalfEven(static_cast<double>(kProgressWidth) *
                                      static_cast<double>(p + 1) / static_cast<double>(xml.size()));
      if (k != shownStep) {
        shell.window.SetCaption(ControlId::lblTotalNumOccurrences, ConversionProgressCaption(k));
        shell.window.Repaint(ControlId::lblTotalNumOccurrences);
        shownStep = k;
      }
    }
    p = afterRun;
    shell.pump.Yield();
  }
  return count;
}

}  // namespace velt
