#include "reports/report_error.h"

#include "settings/ui_texts.h"
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
    message = shell.UIText(ui_text::kTextWindowFull);
  } else {
    // Nothing of the report reached the window: show the start of it.
    message = shell.UIText(ui_text::kReportTooLong);
    context.sink.SetTextWindow(state.pendingOutput.substr(0, 4096));
  }
  message.append(u"  ");
  if (!settings.filePaths[1].empty()) {
    if (settings.outputToFileDisabled) {
      message.append(shell.UIText(ui_text::kOutputToFileDisabled));
    } else if (state.outputFileWritten) {
      message.append(kLineEnd).append(shell.UIText(ui_text::kWholeReportInFile));
    }
  } else {
    message.append(shell.UIText(ui_text::kOutputFileKeepsWholeReport));
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
  note.append(kLineEnd).append(shell.UIText(ui_text::kTextWindowFull));
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
  const MessageId id =
      number == kTextWindowFull ? MessageId::TextWindowFull : MessageId::RunTimeError;
  if (number == kTextWindowFull) {
    message = TextWindowFullMessage(context);
    CutBackTextWindow(shell);
    state.textWindowFull = true;
    shell.window.Repaint(ControlId::txbOutput);
  } else {
    ++state.errorsReported;
    message.append(u"At ").append(label).append(u" error #").append(Decimal(number));
    message.append(u".").append(kLineEnd).append(u"Description: ").append(description);
    if (state.outputFileWritten)
      message.append(kLineEnd).append(shell.UIText(ui_text::kWholeReportInFile));
  }
  const Text title =
      shell.UIText(state.textWindowFull ? ui_text::kTextWindowFull : ui_text::kErrorTitle);
  shell.Message(id, title, std::move(message), MessageIcon::Exclamation);
}

}  // namespace velt
