#include "reports/display_format.h"

#include "reports/report_options.h"
#include "text/strings.h"

namespace velt {
namespace {

// Runs an action with relisting suppressed, as it was before.
template <typename Action>
void WithoutRelist(ReportState& state, Action action) {
  const bool suppressed = state.suppressRelist;
  state.suppressRelist = true;
  action();
  state.suppressRelist = suppressed;
}

}  // namespace

void SelectDisplayFormat(ReportContext& context, int format) {
  if (context.settings.displayFormat == format) return;
  context.settings.displayFormat = format;
  context.shell.view.SettingsChanged();
  context.hooks.DisplayFormatChosen();
}

bool CheckDisplayFormatAvailable(ReportContext& context) {
  const Settings& settings = context.settings;
  const int format = settings.displayFormat;
  if (settings.source == Source::Folder || !DisplayFormatOf(format).needsFolder) return true;
  Shell& shell = context.shell;
  Text text(u"The display format '");
  text.append(shell.UIText(DisplayFormatOf(format).captionText)).append(u"' is available");
  text.append(kLineEnd).append(u"only when the source of the text is a folder.");
  shell.Message(MessageId::DisplayFormatUnavailable, u"Unavailable display format", std::move(text),
                MessageIcon::Information);
  WithoutRelist(context.state, [&] { SelectDisplayFormat(context, 0); });
  return false;
}

void EnableFormatOptions(ReportContext& context) {
  Settings& settings = context.settings;
  WindowModel& window = context.shell.window;
  const int format = settings.displayFormat;
  window.SetEnabled(ControlId::chkDisplayRelativeFrequency,
                    DisplayFormatOf(format).frequencyColumn);
  const bool byFiles = DisplayFormatOf(format).fileBlock && settings.wordOrder == 0 &&
                       settings.source == Source::Folder;
  window.SetEnabled(ControlId::chkSortByNumberOfFiles, byFiles);
  if (!byFiles && settings.sortByNumberOfFiles) {
    settings.sortByNumberOfFiles = false;
    context.shell.view.SettingsChanged();
    context.hooks.SortByNumberOfFilesClicked();
  }
}

void EnableFormatOptionsWithoutRelist(ReportContext& context) {
  WithoutRelist(context.state, [&] { EnableFormatOptions(context); });
}

}  // namespace velt
