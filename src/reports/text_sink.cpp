#include "reports/text_sink.h"

#include <algorithm>

#include "engine/window_actions.h"
#include "reports/summary.h"
#include "text/strings.h"

namespace velt {
namespace {

int32_t ClampedLength(size_t length) {
  return static_cast<int32_t>(std::min<size_t>(length, INT32_MAX));
}

// The window refused more text although it is over its capacity: cut it back
// a little and say so.
void MarkTextWindowFull(Session& session) {
  TextWindow& window = session.textWindow;
  session.window.SetCaption(ControlId::lblTwirler, u"");
  if (window.length() > 1024) window.RemoveLast(256);
  Text notice(kLineEnd);
  notice.append(kLineEnd).append(u"Textbox is full.");
  if (session.sources.listingFiles) {
    notice.append(kLineEnd).append(kLineEnd).append(u"To this point: ");
    notice.append(FilesInFoldersText(session.sources.fileCount, session.sources.folderCount));
  }
  window.AppendAnyway(notice);
  session.reports.textWindowFull = true;
}

}  // namespace

void OutputToTxb(Session& session, TextView text) {
  ReportState& reports = session.reports;
  if (reports.textWindowFull) return;
  TextWindow& window = session.textWindow;
  const size_t before = window.length();
  window.Append(text);  // refused when it would take the window past its limit
  session.window.Repaint(ControlId::txbOutput);
  reports.windowLength = ClampedLength(window.length());
  // The window is full when it is over its capacity and the append did not
  // lengthen it.
  const bool lengthened = window.length() > before;
  if (reports.windowLength > reports.textWindowCapacity && !lengthened) {
    MarkTextWindowFull(session);
    session.window.Repaint(ControlId::txbOutput);
  } else {
    reports.previousWindowLength = reports.windowLength;
  }
}

void SetTextboxCapacity(Session& session, int32_t capacity) {
  session.reports.textWindowCapacity = capacity;
  session.textWindow.SetLimit(TextWindowLimit(capacity));
}

void SetTextWindow(Session& session, Text text) {
  session.textWindow.Set(std::move(text));
  session.reports.windowLength = ClampedLength(session.textWindow.length());
  session.reports.previousWindowLength = session.reports.windowLength;
  session.window.Repaint(ControlId::txbOutput);
}

void ClearTextbox(Session& session) {
  SetTextWindow(session, Text());
  session.reports.textWindowFull = false;
}

void FlushOutput(Session& session) {
  ReportState& reports = session.reports;
  if (reports.pendingOutput.empty() || reports.textWindowFull) return;
  OutputToTxb(session, reports.pendingOutput);
  reports.pendingOutput.clear();
}

void OnClearOutputClicked(Session& session) {
  ClearTextbox(session);
  ConcealNumWords(session, false);
  session.run.countAvailable = false;
  if (session.run.startUpCompleted) SetTheFocus(session);
}

}  // namespace velt
