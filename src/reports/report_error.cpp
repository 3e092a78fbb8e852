#include "reports/report_error.h"

#include "reports/text_sink.h"
#include "text/strings.h"

namespace velt {
namespace {

// The message of the text-window-full notice; adjusts the window as it goes.
Text TextWindowFullMessage(Session& session) {
  ReportState& reports = session.reports;
  TextWindow& window = session.textWindow;
  Text message;
  if (reports.pendingOutput.empty() || window.length() > 255) {
    message = session.UIText(93);
  } else {
    // Nothing of the report reached the window: show the start of it.
    message = session.UIText(92);
    SetTextWindow(session, reports.pendingOutput.substr(0, 4096));
  }
  message.append(u"  ");
  if (!session.settings.filePaths[1].empty()) {
    if (session.settings.outputToFileDisabled) {
      message.append(session.UIText(95));
    } else if (reports.outputFileWritten) {
      message.append(kLineEnd).append(session.UIText(96));
    }
  } else {
    message.append(session.UIText(94));
  }
  return message;
}

// Ends the window's text on a whole line followed by the full note.
void CutBackTextWindow(Session& session) {
  TextWindow& window = session.textWindow;
  if (window.length() <= 1024) return;
  window.RemoveLast(32);
  const size_t lastLineEnd = window.text().rfind(kLineEnd);
  if (lastLineEnd != Text::npos) window.RemoveLast(window.length() - lastLineEnd);
  Text note(kLineEnd);
  note.append(kLineEnd).append(session.UIText(93));
  window.AppendAnyway(note);
}

}  // namespace

void ReportError(Session& session, int32_t number, TextView description, TextView label) {
  session.run.timer2Enabled = false;
  session.run.elapsedTimeRunning = false;
  session.window.SetCaption(ControlId::lblTwirler, u"");
  Text message;
  if (number == kTextWindowFull) {
    message = TextWindowFullMessage(session);
    CutBackTextWindow(session);
    session.reports.textWindowFull = true;
    session.window.Repaint(ControlId::txbOutput);
  } else {
    ++session.reports.errorsReported;
    message.append(u"At ").append(label).append(u" error #").append(Decimal(number));
    message.append(u".").append(kLineEnd).append(u"Description: ").append(description);
    if (session.reports.outputFileWritten) message.append(kLineEnd).append(session.UIText(96));
  }
  const Text title = session.UIText(session.reports.textWindowFull ? 93 : 97);
  session.Message(title, std::move(message), MessageIcon::Exclamation);
}

}  // namespace velt
