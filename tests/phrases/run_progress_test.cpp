#include "phrases/run_progress.h"

#include <gtest/gtest.h>

namespace velt {
namespace {

TEST(FormatElapsedTime, Examples) {
  EXPECT_EQ(FormatElapsedTime(0), u"0s");
  EXPECT_EQ(FormatElapsedTime(22), u"22s");
  EXPECT_EQ(FormatElapsedTime(60), u"1m");
  EXPECT_EQ(FormatElapsedTime(1952), u"32m 32s");
  EXPECT_EQ(FormatElapsedTime(4 * 3600 + 32 * 60), u"4h 32m");
  EXPECT_EQ(FormatElapsedTime(3600 + 1), u"1h 0m 1s");
  EXPECT_EQ(FormatElapsedTime(86400 + 2 * 3600 + 3 * 60 + 4), u"1d 2h 3m 4s");
  EXPECT_EQ(FormatElapsedTime(86400), u"1d 0h 0m");
}

TEST(ProgressBar, CaptionsAndRounding) {
  EXPECT_EQ(ProgressBarCaption(0), u"[>" + Text(39, u' ') + u"]");
  EXPECT_EQ(ProgressBarCaption(1), u"[>" + Text(39, u' ') + u"]");
  EXPECT_EQ(ProgressBarCaption(2), u"[->" + Text(38, u' ') + u"]");
  EXPECT_EQ(ProgressBarCaption(40), u"[" + Text(39, u'-') + u">]");

  NullView view;
  WindowModel window(view);
  StartProgressBar(window);
  EXPECT_EQ(window.Get(ControlId::lblTotalNumOccurrences).caption, u"[" + Text(40, u' ') + u"]");
  EXPECT_EQ(window.Get(ControlId::lblTotalNumOccurrences).align, Align::Left);
  // 40 * 50 / 400 = 5 exactly; 40 * 5 / 400 = 0.5 rounds to 0 (halves to even).
  int64_t bytes = 48;
  ShowFileProgress(window, false, bytes, 0, 400);
  EXPECT_EQ(bytes, 50);
  EXPECT_EQ(window.Get(ControlId::lblTotalNumOccurrences).caption, ProgressBarCaption(5));
  bytes = 3;
  ShowFileProgress(window, false, bytes, 0, 400);
  EXPECT_EQ(window.Get(ControlId::lblTotalNumOccurrences).caption, ProgressBarCaption(0));
  // LF-only lines go 1.2 times as far, capped at the bar's width.
  bytes = 48;
  ShowFileProgress(window, true, bytes, 0, 400);
  EXPECT_EQ(window.Get(ControlId::lblTotalNumOccurrences).caption, ProgressBarCaption(6));
  bytes = 398;
  ShowFileProgress(window, true, bytes, 0, 400);
  EXPECT_EQ(window.Get(ControlId::lblTotalNumOccurrences).caption, ProgressBarCaption(40));
  ResetProgressLabel(window);
  EXPECT_EQ(window.Get(ControlId::lblTotalNumOccurrences).caption, u"");
  EXPECT_EQ(window.Get(ControlId::lblTotalNumOccurrences).align, Align::Right);
}

}  // namespace
}  // namespace velt
