#include "reports/report_error.h"

#include "text/strings.h"

namespace velt {
namespace {

// The message of the text-window-full notice; adjusts the window as it goes.
Text TextWindowFullMessage(ReportContext& context) {
  const Shell& shell = context.shell;
  const ReportState& state = context.state;
  const Settings& settings = context.settings;
  Text message;
  if (state.pendingOutput.empty() || shell.textWindow.length() > 255) {
    message = shell.UIText(93);
  } else {
    // Nothing of the report reached the window: show the start of it.
    message = shell.UIText(92);
    context.sink.SetTextWindow(state.pendingOutput.substr(0, 4096));
  }
  message.append(u"  ");
  if (!settings.filePaths[1].empty()) {
    if (settings.outputToFileDisabled) {
      message.append(shell.UIText(95));
    } else if (state.outputFileWritten) {
      message.append(kLineEnd).append(shell.UIText(96));
    }
  } else {
    message.append(shell.UIText(94));
  }
  return message;
}

// Ends the window's text on a whole line followed by the full note.
void CutBackTextWindow(Shell& shell) {
  TextWindow& window = shell.textWindow;
  if (window.length() <= 1024) return;
  window.RemoveLast(32);
  const size_t lastLineEnd = window.text().rfind(kLineEnd);
  if (lastLineEnd != Text::npos) window.RemoveLast(window.length() - lastLineEnd);
  Text note(kLineEnd);
  note.append(kLineEnd).append(shell.UIText(93));
  window.AppendAnyway(note);
}

}  // namespace

void ReportError(ReportContext& context, int32_t number, TextView description, TextView label) {
  Shell& shell = context.shell;
  ReportState& state = context.state;
  context.run.timer2Enabled = false;
  context.run.elapsedTimeRunning = false;
  shell.window.SetCaption(ControlId::lblTwirler, u"");
  Text message;
  if (number == kTextWindowFull) {
    message = TextWindowFullMessage(context);
    CutBackTextWindow(shell);
    state.textWindowFull = true;
    shell.window.Repaint(ControlId::txbOutput);
  } else {
    ++state.errorsReported;
    message.append(u"At ").append(label).append(u" error #").append(Decimal(number));
    message.append(u".").append(kLineEnd).append(u"Description: ").append(description);
    if (state.outputFileWritten) message.append(kLineEnd).append(shell.UIText(96));
  }
  const Text title = shell.UIText(state.textWindowFull ? 93 : 97);
  shell.Message(title, std::move(message), MessageIcon::Exclamation);
}

}  // namespace velt
