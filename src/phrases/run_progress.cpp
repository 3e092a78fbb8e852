#include "phrases/run_progress.h"

#include <algorithm>

#include "text/number_format.h"

namespace velt {

Text ProgressBarCaption(int filled, int width) {
  Text caption = u"[";
  if (filled > 1) {
    caption.append(static_cast<size_t>(filled - 1), u'-');
    caption += u'>';
    caption.append(static_cast<size_t>(width - filled), u' ');
  } else {
    caption += u'>';
    caption.append(static_cast<size_t>(width - 1), u' ');
  }
  caption += u']';
  return caption;
}

void StartProgressBar(WindowModel& window) {
  constexpr ControlId label = ControlId::lblTotalNumOccurrences;
  window.SetAlign(label, Align::Left);
  window.SetFont(label, LabelFont{true, true, 10});
  window.SetVisible(label, true);
  Text caption = u"[";
  caption.append(kProgressBarWidth, u' ');
  caption += u']';
  window.SetCaption(label, caption);
}

void ShowFileProgress(WindowModel& window, bool lfOnly, int64_t& bytesRead, int64_t lineLength,
                      int64_t fileSize) {
  bytesRead += lineLength + 2;
  if (fileSize <= 0) return;
  int64_t filled =
      RoundHalfEven(40.0 * static_cast<double>(bytesRead) / static_cast<double>(fileSize));
  if (lfOnly) filled = RoundHalfEven(static_cast<double>(filled) * 1.2);
  filled = std::min<int64_t>(filled, kProgressBarWidth);
  window.SetCaption(ControlId::lblTotalNumOccurrences,
                    ProgressBarCaption(static_cast<int>(filled)));
  window.Repaint(ControlId::lblTotalNumOccurrences);
}

void ResetProgressLabel(WindowModel& window) {
  constexpr ControlId label = ControlId::lblTotalNumOccurrences;
  window.SetAlign(label, Align::Right);
  window.SetFont(label, LabelFont{false, false, 10});
  window.SetVisible(label, true);
  window.SetCaption(label, u"");
  window.Repaint(label);
}

Text FormatElapsedTime(int64_t seconds) {
  const int64_t minutes = seconds / 60;
  const int64_t rest = seconds % 60;
  if (minutes == 0) return Decimal(rest) + u"s";
  Text text;
  const int64_t days = minutes / 1440;
  const int64_t hours = (minutes % 1440) / 60;
  if (days > 0) text += Decimal(days) + u"d ";
  text += Decimal(hours) + u"h " + Decimal(minutes % 60) + u"m";
  if (text.rfind(u"0h ", 0) == 0) text.erase(0, 3);
  if (rest > 0) text += u" " + Decimal(rest) + u"s";
  return text;
}

}  // namespace velt
