#include "reports/display_format.h"

#include "reports/relisting.h"
#include "reports/report_options.h"
#include "text/strings.h"

namespace velt {
namespace {

constexpr int kFileCounts = 12;
constexpr int kFilesFormat = 10;

// Selects a display format as a user's choice would, so that its click
// handler runs.
void SelectDisplayFormat(Session& session, ListedPhrases& phrases, int format) {
  if (session.settings.displayFormat == format) return;
  session.settings.displayFormat = format;
  session.view.SettingsChanged();
  OnDisplayFormatChosen(session, phrases);
}

}  // namespace

bool CheckDisplayFormatAvailable(Session& session, ListedPhrases& phrases) {
  const int format = session.settings.displayFormat;
  if (session.settings.source == Source::Folder || !FormatNeedsFolder(format)) return true;
  Text text(u"The display format '");
  text.append(session.UIText(DisplayFormatCaptionNumber(format))).append(u"' is available");
  text.append(kLineEnd).append(u"only when the source of the text is a folder.");
  session.Message(u"Unavailable display format", std::move(text), MessageIcon::Information);
  ReportState& reports = session.reports;
  const bool suppressed = reports.suppressRelist;
  reports.suppressRelist = true;
  SelectDisplayFormat(session, phrases, 0);
  reports.suppressRelist = suppressed;
  return false;
}

void EnableFormatOptions(Session& session, ListedPhrases& phrases) {
  Settings& settings = session.settings;
  const int format = settings.displayFormat;
  session.window.SetEnabled(ControlId::chkDisplayRelativeFrequency,
                            FormatHasFrequencyColumn(format));
  const bool byFiles =
      format == kFileCounts && settings.wordOrder == 0 && settings.source == Source::Folder;
  session.window.SetEnabled(ControlId::chkSortByNumberOfFiles, byFiles);
  if (!byFiles && settings.sortByNumberOfFiles) {
    settings.sortByNumberOfFiles = false;
    session.view.SettingsChanged();
    OnSortByNumberOfFilesClicked(session, phrases);
  }
}

void OnFileListFormatClicked(Session& session, ListedPhrases& phrases) {
  if (session.settings.fileListFormat) {
    session.reports.previousDisplayFormat = session.settings.displayFormat;
    SelectDisplayFormat(session, phrases, kFilesFormat);
    session.window.SetFocus(ControlId::cboDisplayFormat);
  } else {
    SelectDisplayFormat(session, phrases, session.reports.previousDisplayFormat);
  }
}

}  // namespace velt
