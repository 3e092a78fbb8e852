// The main window driven by the user on the real engine: counts from each
// source, relisting, filtering, the copy button and stopping a run.
#include "engine_harness.h"

using velt::Answer;
using velt::MessageId;
using velt::Text;

namespace {

using EngineWindow = velt::testing::EngineHarness;
using velt::testing::QPath;
using velt::testing::WriteFile;

const QByteArray kCatText = "The cat sat on the mat. The cat sat on the hat.\r\n";
const QByteArray kTwoPhrases =
    "zebra runs fast. zebra runs fast. zebra runs fast. apple pie good. apple pie good.\r\n";

bool HasLine(const QStringList& lines, const QString& wanted) {
  for (const QString& line : lines)
    if (line.trimmed() == wanted) return true;
  return false;
}

int LineOf(const QStringList& lines, const QString& part) {
  for (int i = 0; i < lines.size(); ++i)
    if (lines[i].contains(part)) return i;
  return -1;
}

}  // namespace

class EngineWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void singleFileCount();
  void clipboardCount();
  void folderCountWithPattern();
  void maximumBelowMinimumIsInvalidInput();
  void orderAndFormatChangesRelistWithoutCounting();
  void enterInFilterBoxFiltersTheList();
  void copyButtonFollowsTextLength();
  void widthHintAndSizeLimits();
  void stoppingALongCount();

 private:
  // Counts kTwoPhrases from a file in `w`'s folder; returns the file's path.
  static QString CountTwoPhrases(EngineWindow& w);
};

void EngineWindowTest::singleFileCount() {
  EngineWindow w;
  QCOMPARE(w.dialogs.messages.size(), size_t(1));  // the common-words question only
  w.dialogs.messages.clear();
  const QString input = WriteFile(w.Path(QStringLiteral("cat.txt")), kCatText);
  w.Type(QStringLiteral("txbFile_0"), input);
  w.SetPhraseParameters(2, 6, 2);
  w.Click(QStringLiteral("cmdCountPhrases"));

  QVERIFY2(w.dialogs.messages.empty(), qPrintable(w.MessageLog()));
  const QString output = w.Output();
  QVERIFY2(output.contains(QStringLiteral(
               "There is one phrase with 2 to 6 words which occurs at least twice.")),
           qPrintable(output));
  QVERIFY2(output.contains(QStringLiteral("the cat sat on the")), qPrintable(output));
  QVERIFY(!output.contains(QStringLiteral("cat sat on the mat")));
  QCOMPARE(w.CountCaption(), w.UiText(velt::ui_text::kCountPhrases));
  QVERIFY(w.Find(QStringLiteral("cmdCountPhrases"))->isEnabled());
}

void EngineWindowTest::clipboardCount() {
  EngineWindow w;
  w.dialogs.messages.clear();
  w.clipboard.SetText(velt::ui::ToText(QString::fromLatin1(kTwoPhrases)));
  w.Click(QStringLiteral("optOnClipboard"));
  QVERIFY(w.Find<QRadioButton>(QStringLiteral("optOnClipboard"))->isChecked());
  w.SetPhraseParameters(2, 6, 2);
  w.Click(QStringLiteral("cmdCountPhrases"));

  QVERIFY2(w.dialogs.messages.empty(), qPrintable(w.MessageLog()));
  const QString output = w.Output();
  QVERIFY2(output.contains(
               QStringLiteral("There are 2 phrases with 2 to 6 words which occur at least twice.")),
           qPrintable(output));
  const QStringList lines = w.OutputLines();
  const int zebra = LineOf(lines, QStringLiteral("zebra runs fast"));
  const int apple = LineOf(lines, QStringLiteral("apple pie good"));
  QVERIFY2(zebra >= 0 && apple > zebra, qPrintable(output));     // by frequency
  QVERIFY(!output.contains(QStringLiteral("runs fast zebra")));  // sentences end phrases
  QCOMPARE(w.CountCaption(), w.UiText(velt::ui_text::kCountPhrases));
}

void EngineWindowTest::folderCountWithPattern() {
  EngineWindow w;
  w.dialogs.messages.clear();
  const velt::testing::ScratchDir folder("velt-ui-folder");
  folder.Write("a.txt", "red fox jumps. red fox jumps.\r\n");
  folder.Write("b.md", "blue whale swims. blue whale swims.\r\n");
  const QString outputFile = w.Path(QStringLiteral("out.txt"));

  w.Click(QStringLiteral("optFolder"));
  QVERIFY(w.Find<QRadioButton>(QStringLiteral("optFolder"))->isChecked());
  w.Type(QStringLiteral("txbFolder"), QPath(folder.path()));
  w.Type(QStringLiteral("txbFileFilepathSpecifications_0"), QStringLiteral("*.txt"));
  w.Type(QStringLiteral("txbFile_1"), outputFile);
  w.SetPhraseParameters(2, 6, 2);
  w.Click(QStringLiteral("cmdCountPhrases"));

  QVERIFY2(w.dialogs.messages.empty(), qPrintable(w.MessageLog()));
  const QString output = w.Output();
  QVERIFY2(output.contains(QStringLiteral("red fox jumps")), qPrintable(output));
  QVERIFY2(!output.contains(QStringLiteral("blue whale")), qPrintable(output));
  QCOMPARE(w.CountCaption(), w.UiText(velt::ui_text::kCountPhrases));

  QFile written(outputFile);
  QVERIFY(written.open(QIODevice::ReadOnly));
  const QByteArray file = written.readAll();
  QVERIFY2(file.contains("red fox jumps"), file.constData());
  QVERIFY(!file.contains("blue whale"));
}

void EngineWindowTest::maximumBelowMinimumIsInvalidInput() {
  EngineWindow w;
  w.dialogs.messages.clear();
  const QString input = WriteFile(w.Path(QStringLiteral("cat.txt")), kCatText);
  w.Type(QStringLiteral("txbFile_0"), input);
  w.SetPhraseParameters(4, 3, 2);
  const QString before = w.Output();
  w.Click(QStringLiteral("cmdCountPhrases"));

  QCOMPARE(w.dialogs.messages.size(), size_t(1));
  QCOMPARE(w.dialogs.messages[0].id, MessageId::PhraseLengthsInverted);
  QCOMPARE(w.dialogs.messages[0].title, Text(u"Invalid input"));
  QCOMPARE(w.dialogs.messages[0].text,
           Text(u"The maximum number of words in each phrase\r\nmust not be less than the "
                u"minimum number."));
  QCOMPARE(w.Output(), before);
  QVERIFY(!w.Output().contains(QStringLiteral("the cat sat")));
  QCOMPARE(w.engine->table().phraseCount(), 0);
  QCOMPARE(w.CountCaption(), w.UiText(velt::ui_text::kCountPhrases));
}

QString EngineWindowTest::CountTwoPhrases(EngineWindow& w) {
  w.dialogs.messages.clear();
  const QString input = WriteFile(w.Path(QStringLiteral("two.txt")), kTwoPhrases);
  w.Type(QStringLiteral("txbFile_0"), input);
  w.SetPhraseParameters(2, 6, 2);
  w.Click(QStringLiteral("cmdCountPhrases"));
  return input;
}

void EngineWindowTest::orderAndFormatChangesRelistWithoutCounting() {
  EngineWindow w;
  const QString input = CountTwoPhrases(w);
  QStringList lines = w.OutputLines();
  QVERIFY2(LineOf(lines, QStringLiteral("zebra runs fast")) <
               LineOf(lines, QStringLiteral("apple pie good")),
           qPrintable(w.Output()));
  // Without its input file a new count could not list anything.
  QVERIFY(QFile::remove(input));

  w.Choose(QStringLiteral("cboWordOrder"), 1);
  QVERIFY2(w.dialogs.messages.empty(), qPrintable(w.MessageLog()));
  lines = w.OutputLines();
  const int apple = LineOf(lines, QStringLiteral("apple pie good"));
  const int zebra = LineOf(lines, QStringLiteral("zebra runs fast"));
  QVERIFY2(apple >= 0 && zebra > apple, qPrintable(w.Output()));
  QVERIFY(!HasLine(lines, QStringLiteral("apple pie good")));  // rank and frequency shown

  w.Choose(QStringLiteral("cboDisplayFormat"), 8);
  QVERIFY2(w.dialogs.messages.empty(), qPrintable(w.MessageLog()));
  lines = w.OutputLines();
  QVERIFY2(HasLine(lines, QStringLiteral("apple pie good")), qPrintable(w.Output()));
  QVERIFY2(HasLine(lines, QStringLiteral("zebra runs fast")), qPrintable(w.Output()));
  QVERIFY(LineOf(lines, QStringLiteral("apple pie good")) <
          LineOf(lines, QStringLiteral("zebra runs fast")));
  QCOMPARE(w.CountCaption(), w.UiText(velt::ui_text::kCountPhrases));
}

void EngineWindowTest::enterInFilterBoxFiltersTheList() {
  EngineWindow w;
  CountTwoPhrases(w);
  QVERIFY(w.Output().contains(QStringLiteral("zebra runs fast")));
  QVERIFY(!w.Output().contains(QStringLiteral("Filter words: ")));

  auto* filter = w.Find<QLineEdit>(QStringLiteral("txbFilterWords"));
  filter->setFocus(Qt::TabFocusReason);
  QTest::keyClicks(filter, QStringLiteral("Apple"));
  QTest::keyClick(filter, Qt::Key_Enter);

  QVERIFY2(w.dialogs.messages.empty(), qPrintable(w.MessageLog()));
  const QString output = w.Output();
  QVERIFY2(output.contains(QStringLiteral("apple pie good")), qPrintable(output));
  QVERIFY2(!output.contains(QStringLiteral("zebra runs fast")), qPrintable(output));
  QVERIFY2(output.contains(QStringLiteral("Filter words: ")), qPrintable(output));
}

void EngineWindowTest::copyButtonFollowsTextLength() {
  EngineWindow w;
  CountTwoPhrases(w);
  QWidget* copy = w.Find(QStringLiteral("cmdCopyToClipboard"));
  w.engine->mainWindow().Timer1_Tick();
  QVERIFY(copy->isEnabled());

  w.engine->session().textWindow.Set(u"12345678901234567890");  // 20 characters
  w.engine->mainWindow().Timer1_Tick();
  QVERIFY(!copy->isEnabled());

  w.engine->session().textWindow.Set(u"123456789012345678901");  // 21 characters
  w.engine->mainWindow().Timer1_Tick();
  QVERIFY(copy->isEnabled());

  QTest::mouseClick(copy, Qt::LeftButton);
  QCOMPARE(w.clipboard.GetText(), Text(u"123456789012345678901"));

  w.Click(QStringLiteral("cmdClearOutput"));
  w.engine->mainWindow().Timer1_Tick();
  QVERIFY(!copy->isEnabled());
}

void EngineWindowTest::widthHintAndSizeLimits() {
  EngineWindow w;
  const QByteArray eight = "one two three four five six seven eight\r\n";
  const QString input = WriteFile(w.Path(QStringLiteral("eight.txt")), eight + eight);
  w.Type(QStringLiteral("txbFile_0"), input);
  w.SetPhraseParameters(8, 8, 2);
  w.Click(QStringLiteral("cmdCountPhrases"));
  QVERIFY2(w.Output().contains(QStringLiteral("one two three four five six seven eight")),
           qPrintable(w.Output()));
  QWidget* output = w.Find(QStringLiteral("txbOutput"));

  w.engine->mainWindow().Timer1_Tick();
  QCOMPARE(output->toolTip(), QStringLiteral("You may need to increase the width."));

  // Never taller than at start-up; wider is allowed and answers the hint.
  const QSize initial = w.window->size();
  w.window->resize(initial + QSize(0, 100));
  QCOMPARE(w.window->height(), initial.height());
  QVERIFY(w.window->maximumWidth() > initial.width());
  w.window->resize(initial + QSize(1, 0));
  QCOMPARE(w.window->width(), initial.width() + 1);
  w.engine->mainWindow().Timer1_Tick();
  QCOMPARE(output->toolTip(), QString());

  w.window->resize(initial);
  w.engine->mainWindow().Timer1_Tick();
  QCOMPARE(output->toolTip(), QStringLiteral("You may need to increase the width."));
}

void EngineWindowTest::stoppingALongCount() {
  EngineWindow w(velt::testing::HarnessOptions().PumpInterval(
      std::chrono::milliseconds(0)));  // every yield lets the clicker in
  w.dialogs.messages.clear();
  // About 400 KB of pseudo-random words: many distinct phrases, a long run.
  QByteArray text;
  quint32 seed = 12345;
  int inLine = 0;
  while (text.size() < 400 * 1024) {
    seed = seed * 1103515245u + 12345u;
    text += "w" + QByteArray::number((seed >> 16) % 3000) + ' ';
    if (++inLine == 12) {
      text += "\r\n";
      inLine = 0;
    }
  }
  const QString input = WriteFile(w.Path(QStringLiteral("long.txt")), text);
  w.Type(QStringLiteral("txbFile_0"), input);
  // An output file, so that no advice about large inputs is asked.
  w.Type(QStringLiteral("txbFile_1"), w.Path(QStringLiteral("long-out.txt")));
  w.SetPhraseParameters(2, 6, 2);

  // The first "Really stop?" is declined, the second accepted; the interrupted
  // list is not wanted.
  w.dialogs.answers = {Answer::No, Answer::Yes, Answer::No};
  const QString stopping = w.UiText(velt::ui_text::kStopCounting);
  const QString stoppingLater = w.UiText(velt::ui_text::kStopCountingManyPhrases);
  int clicks = 0;
  int ticksWhileCounting = 0;
  QTimer clicker;
  clicker.setInterval(0);
  QObject::connect(&clicker, &QTimer::timeout, [&] {
    const QString caption = w.CountCaption();
    if (caption != stopping && caption != stoppingLater) return;
    // The second request comes well into the reading of the text.
    if (++ticksWhileCounting != 1 && ticksWhileCounting != 2000) return;
    if (++clicks == 2) clicker.stop();
    w.Click(QStringLiteral("cmdCountPhrases"));
  });
  clicker.start();
  w.Click(QStringLiteral("cmdCountPhrases"));
  clicker.stop();

  QVERIFY2(clicks == 2, qPrintable(w.MessageLog() + QStringLiteral(" / ") + w.Output()));
  QCOMPARE(w.MessagesWithText(u"Really stop?"), 2);
  QCOMPARE(w.MessagesTitled(u"Counting interrupted"), 1);
  QCOMPARE(w.MessagesWithId(MessageId::ReallyStop), 2);
  QCOMPARE(w.MessagesWithId(MessageId::ListPhrasesFound), 1);
  QVERIFY2(w.dialogs.answers.empty(), qPrintable(w.MessageLog()));
  QCOMPARE(w.Output(), QStringLiteral("Stopped"));
  QCOMPARE(w.CountCaption(), w.UiText(velt::ui_text::kCountPhrases));
  QVERIFY(w.Find(QStringLiteral("txbFile_0"))->isEnabled());
}

QTEST_MAIN(EngineWindowTest)
#include "engine_window_test.moc"
