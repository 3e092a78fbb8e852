// Mirroring the engine's window model and text window into the widgets.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextDocument>
#include <QtTest>

#include "ui/display_text.h"
#include "ui/text_window_mirror.h"
#include "window_harness.h"

using velt::Align;
using velt::ControlId;
using velt::LabelFont;
using velt::Text;
using velt::TextView;
using velt::testing::WindowHarness;
using velt::ui::DisplayText;
using velt::ui::TextWindowMirror;

namespace {

// Report lines with the program's line ends, numbered from `first`.
Text ReportLines(int first, int count) {
  Text lines;
  for (int n = first; n < first + count; ++n) {
    lines += velt::T("  " + std::to_string(n) + "  a phrase of the report  7\r\n");
  }
  return lines;
}

// A window long enough that the mirror gathers and steps.
Text LongReport() {
  return ReportLines(1, 4 * static_cast<int>(TextWindowMirror::kStep) / 40);
}

// Lets the event loop run until outputText shows the whole text window.
void CatchUp(WindowHarness& h) {
  for (int pass = 0; pass < 10000 && h.view.TextWindowWaiting() > 0; ++pass)
    QCoreApplication::processEvents();
  QCOMPARE(h.view.TextWindowWaiting(), size_t{0});
}

QString Shown(WindowHarness& h) {
  return h.Find<QPlainTextEdit>("txbOutput")->toPlainText();
}

QString ModelShown(WindowHarness& h) {
  return DisplayText(h.session().textWindow.text());
}

}  // namespace

class QtViewTest : public QObject {
  Q_OBJECT

 private slots:
  void displayFormOfProgramLineEnds();
  void positionsMapBetweenForms();

  void captionAndVisibilityReachTheWidget();
  void oneChangedPropertyLeavesTheOthers();
  void captionsAreShownLiterally();

  void appendIsAppendedNotReplaced();
  void lineEndSplitAcrossAppends();
  void setReplacesAndCaretOnlyMovesTheCaret();

  void longReportAppendedInPiecesShowsExactlyTheModel();
  void longTextSetAtOnceArrivesInStepsWithTheCaretWhereTheModelSays();
  void changesWhileTextWaits();
};

void QtViewTest::displayFormOfProgramLineEnds() {
  QCOMPARE(DisplayText(u"a\r\nb\rc\nd"), QStringLiteral("a\nb\nc\nd"));
  QCOMPARE(DisplayText(u"\r\n\r\n"), QStringLiteral("\n\n"));
  QCOMPARE(DisplayText(u"\nmore", true), QStringLiteral("more"));
  QCOMPARE(DisplayText(u"\nmore", false), QStringLiteral("\nmore"));
  QCOMPARE(DisplayText(u"end\r"), QStringLiteral("end\n"));
  for (const Text& text : {Text(u"a\r\nb\rc\nd"), Text(u"\n\r\n\r"), Text(u"\r\r\n\n"), Text()}) {
    for (const bool afterCr : {false, true}) {
      QCOMPARE(velt::ui::DisplayLength(text, afterCr), DisplayText(text, afterCr).size());
    }
  }
}

void QtViewTest::positionsMapBetweenForms() {
  using velt::ui::DisplayPosition;
  using velt::ui::ModelPosition;
  const Text text = u"ab\r\ncd\r\n\r\ne";
  QCOMPARE(DisplayPosition(text, 2), 2);
  QCOMPARE(DisplayPosition(text, 4), 3);  // after the first CR LF
  QCOMPARE(DisplayPosition(text, text.size()), 8);
  QCOMPARE(ModelPosition(text, 3), size_t{4});
  QCOMPARE(ModelPosition(text, 8), text.size());
  QCOMPARE(ModelPosition(text, 99), text.size());
  for (size_t p : {0, 1, 2, 4, 5, 6, 8, 10, 11}) {
    QCOMPARE(ModelPosition(text, DisplayPosition(text, p)), p);
  }
}

void QtViewTest::captionAndVisibilityReachTheWidget() {
  WindowHarness h;
  h.window.show();
  velt::WindowModel& model = h.session().window;
  model.SetCaption(ControlId::lblNumberOfWords, u"Number of phrases in this list: 12");
  QCOMPARE(h.Find<QLabel>("lblNumberOfWords")->text(),
           QStringLiteral("Number of phrases in this list: 12"));
  QVERIFY(h.Find("cmdListFiles")->isHidden());
  model.SetVisible(ControlId::cmdListFiles, true);
  QVERIFY(h.Find("cmdListFiles")->isVisible());
  model.SetVisible(ControlId::lblNumberOfWords, false);
  QVERIFY(h.Find("lblNumberOfWords")->isHidden());
  model.SetTooltip(ControlId::txbOutput, u"You may need to increase the width.");
  QCOMPARE(h.Find("txbOutput")->toolTip(), QStringLiteral("You may need to increase the width."));
  model.SetCaption(ControlId::frmMain, u"Another title");
  QCOMPARE(h.window.windowTitle(), QStringLiteral("Another title"));
}

void QtViewTest::oneChangedPropertyLeavesTheOthers() {
  WindowHarness h;
  velt::WindowModel& model = h.session().window;
  // The engine never set these captions; disabling must not blank them.
  model.SetEnabled(ControlId::cmdHelp, false);
  model.SetEnabled(ControlId::chkDisableOutputToFile, false);
  QVERIFY(!h.Find("cmdHelp")->isEnabled());
  QCOMPARE(h.Find<QPushButton>("cmdHelp")->text(), QStringLiteral("Help"));
  QCOMPARE(h.Find("chkDisableOutputToFile")->toolTip(), QStringLiteral("Disable output to file"));
  // The progress bar's font leaves the alignment alone, and back again.
  auto* bar = h.Find<QLabel>("lblTotalNumOccurrences");
  model.SetFont(ControlId::lblTotalNumOccurrences, LabelFont{true, true, 10});
  QVERIFY(bar->alignment() & Qt::AlignRight);
  QVERIFY(QFontInfo(bar->font()).fixedPitch() && bar->font().bold());
  model.SetAlign(ControlId::lblTotalNumOccurrences, Align::Left);
  model.SetFont(ControlId::lblTotalNumOccurrences, LabelFont{});
  QVERIFY(bar->alignment() & Qt::AlignLeft);
  QVERIFY(!QFontInfo(bar->font()).fixedPitch() && !bar->font().bold());
  // A frame disabled by a run disables what it holds; enabled again, they are back.
  model.SetEnabled(ControlId::fraExcludePhrases, false);
  QVERIFY(!h.Find("optRemoveWordsToIgnore")->isEnabled());
  model.SetEnabled(ControlId::fraExcludePhrases, true);
  QVERIFY(h.Find("optRemoveWordsToIgnore")->isEnabled());
}

void QtViewTest::captionsAreShownLiterally() {
  WindowHarness h;
  velt::WindowModel& model = h.session().window;
  model.SetCaption(ControlId::cmdCountPhrases, u"Stop & list");
  QCOMPARE(h.Find<QPushButton>("cmdCountPhrases")->text(), QStringLiteral("Stop && list"));
  model.SetCaption(ControlId::lblWordsToIgnoreNotice, u"<b>not bold</b>");
  QCOMPARE(h.Find<QLabel>("lblWordsToIgnoreNotice")->textFormat(), Qt::PlainText);
}

void QtViewTest::appendIsAppendedNotReplaced() {
  WindowHarness h;
  auto* output = h.Find<QPlainTextEdit>("txbOutput");
  velt::TextWindow& text = h.session().textWindow;
  text.Set(u"Now counting phrases in\r\n");
  QSignalSpy changes(output->document(), &QTextDocument::contentsChange);
  text.Append(u"file.txt\r\n");
  text.Append(u"more");
  QCOMPARE(changes.count(), 2);
  for (const QList<QVariant>& change : changes) {
    QVERIFY(change.at(0).toInt() > 0);  // from: where the text ended
    QCOMPARE(change.at(1).toInt(), 0);  // nothing removed
  }
  QCOMPARE(output->toPlainText(), QStringLiteral("Now counting phrases in\nfile.txt\nmore"));
  QCOMPARE(output->textCursor().position(), output->document()->characterCount() - 1);
}

void QtViewTest::lineEndSplitAcrossAppends() {
  WindowHarness h;
  velt::TextWindow& text = h.session().textWindow;
  text.Set(u"x");
  text.Append(u"one\r");
  text.Append(u"\ntwo");
  QCOMPARE(h.Find<QPlainTextEdit>("txbOutput")->toPlainText(), QStringLiteral("xone\ntwo"));
}

void QtViewTest::setReplacesAndCaretOnlyMovesTheCaret() {
  WindowHarness h;
  auto* output = h.Find<QPlainTextEdit>("txbOutput");
  velt::TextWindow& text = h.session().textWindow;
  text.Set(u"first\r\nsecond");
  text.Set(u"Stopped");
  QCOMPARE(output->toPlainText(), QStringLiteral("Stopped"));
  text.Set(u"abc\r\ndef");
  QSignalSpy changes(output->document(), &QTextDocument::contentsChange);
  text.SetCaret(5);
  QCOMPARE(changes.count(), 0);
  QCOMPARE(output->textCursor().position(), 4);
  text.RemoveLast(3);
  QCOMPARE(output->toPlainText(), QStringLiteral("abc\n"));
}

void QtViewTest::longReportAppendedInPiecesShowsExactlyTheModel() {
  WindowHarness h;
  auto* output = h.Find<QPlainTextEdit>("txbOutput");
  velt::TextWindow& window = h.session().textWindow;
  window.Set(u"Phrases of 2 to 6 words\r\n");
  QSignalSpy changes(output->document(), &QTextDocument::contentsChange);
  // Pieces of about 2 KB as a listing hands them over; now and then a line
  // end is split between two pieces, and a lone CR and a lone LF appear.
  const Text report = LongReport() + u"lone\rcarriage return\nline feed\r\n";
  size_t from = 0;
  for (int piece = 0; from < report.size(); ++piece) {
    const size_t lineEnd = report.find(u"\r\n", from + 2048);
    size_t to = lineEnd == Text::npos ? report.size() : lineEnd + 2;
    if (piece % 7 == 3 && to < report.size()) --to;  // ends with CR, the next starts with LF
    window.Append(TextView(report).substr(from, to - from));
    // Whatever waits, the widget shows a beginning of the model's text.
    QVERIFY(ModelShown(h).startsWith(Shown(h)));
    from = to;
  }
  CatchUp(h);
  QCOMPARE(Shown(h), ModelShown(h));
  QVERIFY(Shown(h).endsWith(QStringLiteral("lone\ncarriage return\nline feed\n")));
  QCOMPARE(output->textCursor().position(), output->document()->characterCount() - 1);
  for (const QList<QVariant>& change : changes) {
    QCOMPARE(change.at(1).toInt(), 0);  // appended, never replaced
  }
}

void QtViewTest::longTextSetAtOnceArrivesInStepsWithTheCaretWhereTheModelSays() {
  WindowHarness h;
  auto* output = h.Find<QPlainTextEdit>("txbOutput");
  velt::TextWindow& window = h.session().textWindow;
  // A CR LF and a surrogate pair across the ends of the first two steps.
  const size_t step = TextWindowMirror::kStep;
  Text text = LongReport();
  text.replace(step - 1, 2, u"\r\n");
  text.replace(2 * step - 1, 2, u"\U0001D11E");
  window.Set(text);
  QVERIFY(h.view.TextWindowWaiting() > 0);  // the rest comes with the event loop
  QVERIFY(ModelShown(h).startsWith(Shown(h)));
  QCOMPARE(output->textCursor().position(), 0);
  CatchUp(h);
  QCOMPARE(Shown(h), ModelShown(h));

  // A caret beyond the first step is placed once its text is in.
  window.Clear();
  window.Set(text);
  const size_t caret = 3 * step + 5;
  window.SetCaret(caret);
  CatchUp(h);
  QCOMPARE(output->textCursor().position(), velt::ui::DisplayPosition(text, caret));

  // Shown at once on request.
  window.Clear();
  window.Set(text + u"more");
  QVERIFY(h.view.TextWindowWaiting() > 0);
  h.view.SyncTextWindow();
  QCOMPARE(h.view.TextWindowWaiting(), size_t{0});
  QCOMPARE(Shown(h), ModelShown(h));
  QCOMPARE(output->textCursor().position(), 0);
}

void QtViewTest::changesWhileTextWaits() {
  WindowHarness h;
  velt::TextWindow& window = h.session().textWindow;
  const Text report = LongReport();

  // Replaced by a short text before the long one is all in.
  window.Set(report);
  window.Set(u"Stopped");
  CatchUp(h);
  QCOMPARE(Shown(h), QStringLiteral("Stopped"));

  // Replaced by a long text that starts like the one before but differs later.
  window.Set(report);
  CatchUp(h);
  Text changed = report;
  changed[report.size() - 10] = u'X';
  window.Set(changed);
  CatchUp(h);
  QCOMPARE(Shown(h), ModelShown(h));

  // Cut at the end, also between CR and LF, then appended to, as a full
  // window is marked.
  window.Set(report);
  window.Append(u"tail\r\n");
  CatchUp(h);
  window.RemoveLast(1);
  CatchUp(h);
  QCOMPARE(Shown(h), ModelShown(h));
  window.RemoveLast(256);
  window.Append(u"\r\n\r\nTextbox is full.");
  CatchUp(h);
  QCOMPARE(Shown(h), ModelShown(h));
  QVERIFY(Shown(h).endsWith(QStringLiteral("\n\nTextbox is full.")));

  window.Clear();
  QCOMPARE(Shown(h), QString());
  QCOMPARE(h.view.TextWindowWaiting(), size_t{0});
}

QTEST_MAIN(QtViewTest)
#include "qt_view_test.moc"
