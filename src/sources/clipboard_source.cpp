#include "sources/clipboard_source.h"

#include <algorithm>
#include <new>

#include "phrases/count_button.h"
#include "settings/ui_texts.h"
#include "sources/markup.h"
#include "text/case_mapping.h"
#include "text/run_error.h"

namespace velt {
namespace {

bool IsRefusedControl(char16_t c, bool allowWhitespace) {
  if (c >= 32) return false;
  if (!allowWhitespace) return true;
  return !(c == 9 || c == 10 || c == 12 || c == 13);
}

void ShowTooMuchText(Shell& shell, size_t length) {
  shell.Message(MessageId::TooMuchClipboardText, u"Too much clipboard text",
                u"There are " + shell.numbers.Grouped(static_cast<int64_t>(length)) +
                    u" characters in the text on the clipboard.\r\nThe maximum permitted is " +
                    shell.numbers.Grouped(static_cast<int64_t>(kMaxClipboardLength)) +
                    u".  If possible,\r\ncount word frequencies for this text using an input "
                    u"file.",
                MessageIcon::Exclamation);
}

void ShowFetchError(Shell& shell, const RunError& error, size_t lengthRead) {
  Text text = error.description;
  if (error.number == kErrorOutOfMemory) {
    text = u"There is too much text on the clipboard to paste into the textbox.";
    if (lengthRead < kMaxClipboardLength) {
      text += u"\r\nIt may, however, still be possible to count word frequencies.";
    }
  }
  shell.Message(MessageId::ClipboardFetchError, u"Error", text, MessageIcon::Exclamation);
}

void StartClipboardRun(SourceContext& context) {
  Shell& shell = context.shell;
  context.hooks.ClearTextbox();
  context.hooks.ResetWordStore(false);
  context.run.stopRequested = false;
  context.run.readingWordsFile = false;
  ShowCountButton(shell, context.run, CountButton::Stop);
  context.hooks.EnableDisableButtons(false);
  shell.window.SetEnabled(ControlId::cmdCountPhrases, true);
  context.hooks.ClearTextbox();
  context.hooks.EraseCounters();
}

}  // namespace

bool IsNaturalText(TextView text, int sampleLength, bool allowWhitespace) {
  const size_t sample =
      sampleLength <= 0 ? text.size() : std::min(text.size(), static_cast<size_t>(sampleLength));
  for (size_t i = 0; i < sample; ++i) {
    if (IsRefusedControl(text[i], allowWhitespace)) return false;
  }
  return true;
}

bool GetClipboardText(SourceContext& context) {
  Shell& shell = context.shell;
  context.hooks.ClearTextbox();
  context.state.clipboardText.clear();
  Text text;
  try {
    text = shell.clipboard.GetText();
    if (text.empty()) {
      shell.Message(MessageId::NoClipboardText, u"", shell.UIText(ui_text::kNoClipboardText),
                    MessageIcon::None);
      return false;
    }
    if (text.size() > kMaxClipboardLength) {
      ShowTooMuchText(shell, text.size());
      return false;
    }
    context.state.clipboardText = std::move(text);
  } catch (const std::bad_alloc&) {
    ShowFetchError(shell, OutOfMemoryError(), text.size());
  }
  context.hooks.ConcealCounters(false);
  context.run.countAvailable = false;
  context.hooks.FocusCountButton();
  return !context.state.clipboardText.empty();
}

bool DoItFromClipboard(SourceContext& context) {
  Shell& shell = context.shell;
  const Text& text = context.state.clipboardText;
  if (!IsNaturalText(text, kNaturalTextSample, true)) {
    shell.Message(
        MessageId::ClipboardNotNaturalText, u"Invalid input",
        u"The text on the clipboard does not consist\r\nsolely of natural language words.",
        MessageIcon::Exclamation);
    return false;
  }
  SetCommentMarkers(MarkupMode::None, context.hooks.Scanner().markers);
  try {
    StartClipboardRun(context);
    if (!text.empty()) {
      context.hooks.ProcessLine(context.settings.caseSignificant ? text : LowerCaseText(text));
    }
  } catch (const std::bad_alloc&) {
    shell.window.SetCaption(ControlId::lblTwirler, u" ");
    const RunError error = OutOfMemoryError();
    context.hooks.ReportError(error.number, error.description, u"DoItFromClipboard");
  }
  context.hooks.FocusCountButton();
  return true;
}

}  // namespace velt
