// Mirroring the engine's window model and text window into the widgets.
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextDocument>
#include <QtTest>

#include "ui/display_text.h"
#include "window_harness.h"

using velt::Align;
using velt::ControlId;
using velt::LabelFont;
using velt::Text;
using velt::testing::WindowHarness;

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
};

void QtViewTest::displayFormOfProgramLineEnds() {
  using velt::ui::DisplayText;
  QCOMPARE(DisplayText(u"a\r\nb\rc\nd"), QStringLiteral("a\nb\nc\nd"));
  QCOMPARE(DisplayText(u"\r\n\r\n"), QStringLiteral("\n\n"));
  QCOMPARE(DisplayText(u"\nmore", true), QStringLiteral("more"));
  QCOMPARE(DisplayText(u"\nmore", false), QStringLiteral("\nmore"));
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

QTEST_MAIN(QtViewTest)
#include "qt_view_test.moc"
