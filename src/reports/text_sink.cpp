#include "reports/text_sink.h"

#include <algorithm>

#include "reports/summary.h"
#include "text/strings.h"

namespace velt {
namespace {

int32_t ClampedLength(size_t length) {
  return static_cast<int32_t>(std::min<size_t>(length, INT32_MAX));
}

}  // namespace

// The window refused more text although it is over its capacity: cut it back
// a little and say so.
void TextSink::MarkTextWindowFull() {
  window_.SetCaption(ControlId::lblTwirler, u"");
  if (textWindow_.length() > 1024) textWindow_.RemoveLast(256);
  Text notice(kLineEnd);
  notice.append(kLineEnd).append(u"Textbox is full.");
  if (sources_.listingFiles) {
    notice.append(kLineEnd).append(kLineEnd).append(u"To this point: ");
    notice.append(FilesInFoldersText(sources_.fileCount, sources_.folderCount));
  }
  textWindow_.AppendAnyway(notice);
  state_.textWindowFull = true;
}

void TextSink::OutputToTxb(TextView text) {
  if (state_.textWindowFull) return;
  const size_t before = textWindow_.length();
  textWindow_.Append(text);  // refused when it would take the window past its limit
  window_.Repaint(ControlId::txbOutput);
  state_.windowLength = ClampedLength(textWindow_.length());
  // The window is full when it is over its capacity and the append did not
  // lengthen it.
  const bool lengthened = textWindow_.length() > before;
  if (state_.windowLength > state_.textWindowCapacity && !lengthened) {
    MarkTextWindowFull();
    window_.Repaint(ControlId::txbOutput);
  } else {
    state_.previousWindowLength = state_.windowLength;
  }
}

void TextSink::SetTextboxCapacity(int32_t capacity) {
  state_.textWindowCapacity = capacity;
  textWindow_.SetLimit(TextWindowLimit(capacity));
}

void TextSink::SetTextWindow(Text text) {
  textWindow_.Set(std::move(text));
  state_.windowLength = ClampedLength(textWindow_.length());
  state_.previousWindowLength = state_.windowLength;
  window_.Repaint(ControlId::txbOutput);
}

void TextSink::ClearTextbox() {
  SetTextWindow(Text());
  state_.textWindowFull = false;
}

void TextSink::FlushOutput() {
  if (state_.pendingOutput.empty() || state_.textWindowFull) return;
  OutputToTxb(state_.pendingOutput);
  state_.pendingOutput.clear();
}

}  // namespace velt
