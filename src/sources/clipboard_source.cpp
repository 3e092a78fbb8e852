#include "sources/clipboard_source.h"

#include <algorithm>
#include <new>

#include "engine/window_actions.h"
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

void ShowTooMuchText(Session& session, size_t length) {
  session.Message(u"Too much clipboard text",
                  u"There are " + session.numbers.Grouped(static_cast<int64_t>(length)) +
                      u" characters in the text on the clipboard.\r\nThe maximum permitted is " +
                      session.numbers.Grouped(static_cast<int64_t>(kMaxClipboardLength)) +
                      u".  If possible,\r\ncount word frequencies for this text using an input "
                      u"file.",
                  MessageIcon::Exclamation);
}

void ShowFetchError(Session& session, const RunError& error, size_t lengthRead) {
  Text text = error.description;
  if (error.number == kErrorOutOfMemory) {
    text = u"There is too much text on the clipboard to paste into the textbox.";
    if (lengthRead < kMaxClipboardLength) {
      text += u"\r\nIt may, however, still be possible to count word frequencies.";
    }
  }
  session.Message(u"Error", text, MessageIcon::Exclamation);
}

void StartClipboardRun(SourceContext& context) {
  Session& session = context.session;
  context.hooks.ClearTextbox();
  context.hooks.ResetWordStore(false);
  session.run.stopRequested = false;
  session.run.readingWordsFile = false;
  session.window.SetCaption(ControlId::cmdCountPhrases, session.UIText(25));
  context.hooks.EnableDisableButtons(false);
  session.window.SetEnabled(ControlId::cmdCountPhrases, true);
  context.hooks.ClearTextbox();
  EraseNumWords(session);
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
  Session& session = context.session;
  context.hooks.ClearTextbox();
  session.sources.clipboardText.clear();
  Text text;
  try {
    text = session.clipboard.GetText();
    if (text.empty()) {
      session.Message(u"", session.UIText(213), MessageIcon::None);
      return false;
    }
    if (text.size() > kMaxClipboardLength) {
      ShowTooMuchText(session, text.size());
      return false;
    }
    session.sources.clipboardText = std::move(text);
  } catch (const std::bad_alloc&) {
    ShowFetchError(session, OutOfMemoryError(), text.size());
  }
  ConcealNumWords(session, false);
  session.run.countAvailable = false;
  SetTheFocus(session);
  return !session.sources.clipboardText.empty();
}

bool DoItFromClipboard(SourceContext& context) {
  Session& session = context.session;
  const Text& text = session.sources.clipboardText;
  if (!IsNaturalText(text, kNaturalTextSample, true)) {
    session.Message(
        u"Invalid input",
        u"The text on the clipboard does not consist\r\nsolely of natural language words.",
        MessageIcon::Exclamation);
    return false;
  }
  SetCommentMarkers(MarkupMode::None, context.hooks.Scanner().markers);
  try {
    StartClipboardRun(context);
    if (!text.empty()) {
      context.hooks.ProcessLine(session.settings.caseSignificant ? text : LowerCaseText(text));
    }
  } catch (const std::bad_alloc&) {
    session.window.SetCaption(ControlId::lblTwirler, u" ");
    const RunError error = OutOfMemoryError();
    context.hooks.ReportError(error.number, error.description, u"DoItFromClipboard");
  }
  SetTheFocus(session);
  return true;
}

}  // namespace velt
