// The main window: its controls and how user actions reach the engine.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include "ui/qt_text.h"
#include "widget_text.h"
#include "window_harness.h"

using velt::ControlId;
using velt::Text;
using velt::testing::WindowHarness;

namespace {

using velt::testing::Caption;
using velt::testing::Items;

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void controlHasItsCaption_data();
  void controlHasItsCaption();
  void everyEngineControlExists();
  void tooltipsAreExact();
  void listsAreFilled();
  void textWindowIsReadOnlyAndFixedPitch();
  void optionGroupsAreIndependent();

  void clickWritesSettingThenCallsOperationOnce();
  void listChoiceWritesIndexThenCallsOperation();
  void typedPathIsCommittedWhenTheBoxLosesFocus();
  void enterInPatternBoxCommitsIt();
  void filterBoxKeys();
  void engineRefreshRaisesNoUserEvents();
  void focusMovedByEngineIsNotALostFocus();
  void textWindowClicks();

  void copyPassesSelectionWithProgramLineEnds();
  void copyButtonStateIsTheEngines();
  void startUpRunsOnceShownThenTimer1Starts();
  void timer2FollowsTheRun();
  void f1OnCommandButtonsOpensHelp();
  void closingHelpIsReportedToTheController();
  void closingRunsQuit();
};

void MainWindowTest::controlHasItsCaption_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("caption");
  const std::pair<const char*, const char*> rows[] = {
      {"lblSelectSource", "Select source of text to be scanned:"},
      {"optOnClipboard", "Clipboard"},
      {"optInFile", "Single file"},
      {"optFolder", "Folder"},
      {"chkIncludeSubfolders", "Include subfolders"},
      {"cmdFile_0", "Single file"},
      {"cmdFile_1", "Output file"},
      {"cmdClearFile_0", "Clear"},
      {"cmdClearFile_1", "Clear"},
      {"lblFile", "File:"},
      {"chkDisableOutputToFile", "Disable"},
      {"cmdFolder", "Folder"},
      {"cmdClearFolder", "Clear"},
      {"lblScanOnlyFiles", "Scan files matching patterns:"},
      {"lblExcludeFilepaths", "Exclude filepaths containing text:"},
      {"cmdListFiles", "List files to be scanned"},
      {"chkSuppressWords", "Don't display words as found"},
      {"fraPhraseLength", "Phrase length"},
      {"lblPhraseLength_0", "Minimum number of words in phrase"},
      {"lblPhraseLength_1", "Maximum number of words in phrase"},
      {"lblMinimumFrequency", "Minimum number of occurrences"},
      {"optAllowPhrasesAllWordsToIgnore", "Allow phrases consisting entirely of words to ignore"},
      {"optExcludePhrasesWithWordToIgnore", "Exclude phrases containing a word to ignore"},
      {"optRemoveWordsToIgnore", "Remove words to ignore from phrases"},
      {"optExcludePhrasesAllWordsToIgnore",
       "Exclude phrases consisting entirely of words to ignore"},
      {"cmdFilterResults", "Filter results"},
      {"cmdClear", "Clear"},
      {"optIncludeAllWords", "All words below included"},
      {"optIncludeAllWordsInSameOrder", "in same order"},
      {"optIncludeAllWordsAsSubphrase", "as subphrase"},
      {"Label2", "Case is not significant."},
      {"lblWordOrder", "Order:"},
      {"lblDisplayFormat", "Format:"},
      {"chkDisplayRelativeFrequency", "Display relative frequency instead of absolute frequency"},
      {"chkSortByNumberOfFiles", "Sort by number of files instead of frequency"},
      {"chkFileList", "Set display format to #10"},
      {"cmdCountPhrases", "Count phrases"},
      {"cmdSetParameters", "Settings"},
      {"cmdSaveState", "Save settings"},
      {"cmdCopyToClipboard", "Copy to clipboard"},
      {"cmdClipboardViewer", "View clipboard"},
      {"cmdClearOutput", "Clear textbox"},
      {"cmdQuit", "Quit"},
      {"cmdHelp", "Help"},
      {"lblOnlineDocumentation", "Online user manual"},
  };
  for (const auto& [name, caption] : rows)
    QTest::newRow(name) << name << caption;
}

void MainWindowTest::controlHasItsCaption() {
  QFETCH(QString, name);
  QFETCH(QString, caption);
  WindowHarness h;
  QWidget* control = h.Find(name);
  QVERIFY2(control != nullptr, qPrintable(name));
  QCOMPARE(Caption(control), caption);
}

void MainWindowTest::everyEngineControlExists() {
  WindowHarness h;
  QCOMPARE(h.window.windowTitle(), QStringLiteral("VELT phrase counter"));
  // The main window's controls come first in the engine's list, up to fileListFormat.
  for (size_t i = 0; i <= static_cast<size_t>(ControlId::chkFileList); ++i) {
    const auto id = static_cast<ControlId>(i);
    QVERIFY2(h.view.Widget(id) != nullptr, velt::ControlName(id).data());
  }
  for (const char* other : {"lblFilesize", "lblXMLsize", "txbFilterWords", "fraFilterResults",
                            "fraExcludePhrases", "fraSource", "lblNumberOfWords", "lblTwirler"}) {
    QVERIFY2(h.Find(other) != nullptr, other);
  }
  QVERIFY(h.Find<QTimer>("Timer1") != nullptr);
  QVERIFY(h.Find<QTimer>("Timer2") != nullptr);
}

void MainWindowTest::tooltipsAreExact() {
  WindowHarness h;
  QCOMPARE(h.Find("chkDisableOutputToFile")->toolTip(), QStringLiteral("Disable output to file"));
  QCOMPARE(h.Find("chkSuppressWords")->toolTip(),
           QStringLiteral("Check this box for faster processing."));
  QCOMPARE(h.Find("cmdSetParameters")->toolTip(),
           QStringLiteral(
               "Define what counts as a word, specify words to ignore and words/phrases to count"));
  QCOMPARE(h.Find("chkDisplayRelativeFrequency")->toolTip(),
           QStringLiteral("'Relative frequency' is explained in 'Report Formats' in the online "
                          "user manual."));
  QCOMPARE(h.Find("txbFolder")->toolTip(),
           QStringLiteral("To specify a folder click on the button labelled 'Folder'."));
  // The design-time tooltips are the model's too: the engine can read them.
  QCOMPARE(h.session().window.Get(ControlId::chkDisableOutputToFile).tooltip,
           Text(u"Disable output to file"));
}

void MainWindowTest::listsAreFilled() {
  WindowHarness h;
  QStringList lengths;
  for (int n = 2; n <= 25; ++n)
    lengths << QString::number(n);
  QCOMPARE(Items(h.Find<QComboBox>("cboPhraseLength_0")), lengths);
  QCOMPARE(Items(h.Find<QComboBox>("cboPhraseLength_1")), lengths);
  QStringList counts;
  for (int n = 1; n <= 20; ++n)
    counts << QString::number(n);
  QCOMPARE(Items(h.Find<QComboBox>("cboMinimumFrequency")), counts);
  QCOMPARE(Items(h.Find<QComboBox>("cboWordOrder")), QStringList({"By frequency", "Alphabetical"}));
  const QStringList formats = Items(h.Find<QComboBox>("cboDisplayFormat"));
  QCOMPARE(formats.size(), 13);
  QCOMPARE(formats[0], QStringLiteral("#0  Rank, frequency, phrase"));
  QCOMPARE(formats[9], QStringLiteral("#9  Phrases separated by commas"));
  QCOMPARE(formats[10], QStringLiteral("#10 Phrase, frequency, number of files"));
  QCOMPARE(formats[12], QStringLiteral("#12 Phrase, occurrences in each file"));
  // The lists show the settings' defaults.
  QCOMPARE(h.Find<QComboBox>("cboPhraseLength_1")->currentText(), QStringLiteral("6"));
  QCOMPARE(h.Find<QComboBox>("cboMinimumFrequency")->currentText(), QStringLiteral("2"));
}

void MainWindowTest::textWindowIsReadOnlyAndFixedPitch() {
  WindowHarness h;
  auto* output = h.Find<QPlainTextEdit>("txbOutput");
  QVERIFY(output->isReadOnly());
  QVERIFY(QFontInfo(output->font()).fixedPitch());
  QVERIFY(QFontInfo(h.Find("txbFilterWords")->font()).fixedPitch());
}

void MainWindowTest::optionGroupsAreIndependent() {
  WindowHarness h;
  h.window.show();
  QTest::mouseClick(h.Find<QRadioButton>("optFolder"), Qt::LeftButton);
  QTest::mouseClick(h.Find<QRadioButton>("optIncludeAllWordsAsSubphrase"), Qt::LeftButton);
  QVERIFY(h.Find<QRadioButton>("optFolder")->isChecked());
  QVERIFY(!h.Find<QRadioButton>("optInFile")->isChecked());
  QVERIFY(h.Find<QRadioButton>("optExcludePhrasesAllWordsToIgnore")->isChecked());
  QVERIFY(!h.Find<QRadioButton>("optIncludeAllWords")->isChecked());
}

void MainWindowTest::clickWritesSettingThenCallsOperationOnce() {
  using S = velt::Settings;
  using velt::FilterMode;
  using velt::IgnoreMode;
  using velt::Source;
  const struct {
    const char* name;
    const char* call;
    bool (*written)(const S&);
  } rows[] = {
      {"optOnClipboard", "optSource_Click(0)",
       [](const S& s) { return s.source == Source::Clipboard; }},
      {"optFolder", "optSource_Click(2)", [](const S& s) { return s.source == Source::Folder; }},
      {"optRemoveWordsToIgnore", "optIgnoreMode_Click(3)",
       [](const S& s) { return s.ignoreMode == IgnoreMode::RemoveIgnored; }},
      {"optExcludePhrasesWithWordToIgnore", "optIgnoreMode_Click(4)",
       [](const S& s) { return s.ignoreMode == IgnoreMode::ExcludeContainingIgnored; }},
      {"optIncludeAllWordsInSameOrder", "optFilterMode_Click(1)",
       [](const S& s) { return s.filterMode == FilterMode::SameOrder; }},
      {"chkDisableOutputToFile", "chkDisableOutputToFile_Click",
       [](const S& s) { return s.outputToFileDisabled; }},
      {"chkDisplayRelativeFrequency", "chkDisplayRelativeFrequency_Click",
       [](const S& s) { return s.relativeFrequency; }},
      {"chkSortByNumberOfFiles", "chkSortByNumberOfFiles_Click",
       [](const S& s) { return s.sortByNumberOfFiles; }},
      {"chkFileList", "chkFileList_Click", [](const S& s) { return s.fileListFormat; }},
      {"cmdFile_1", "cmdFile_Click(1)", nullptr},
      {"cmdClearFile_0", "cmdClearFile_Click(0)", nullptr},
      {"cmdCountPhrases", "cmdCountPhrases_Click", nullptr},
      {"cmdFilterResults", "cmdFilterResults_Click", nullptr},
  };
  for (const auto& row : rows) {
    WindowHarness h;
    QWidget* control = h.Find(row.name);
    control->show();
    QTest::mouseClick(control, Qt::LeftButton);
    QCOMPARE(h.engine.calls, std::vector<std::string>{row.call});
    QVERIFY2(row.written == nullptr || row.written(h.engine.LastSettings()), row.name);
  }
  // Clicking the option that is already selected changes nothing.
  WindowHarness h;
  h.window.show();
  QTest::mouseClick(h.Find("optInFile"), Qt::LeftButton);
  QTest::mouseClick(h.Find("optExcludePhrasesAllWordsToIgnore"), Qt::LeftButton);
  QVERIFY(h.engine.calls.empty());
}

void MainWindowTest::listChoiceWritesIndexThenCallsOperation() {
  WindowHarness h;
  h.window.show();
  auto* maximum = h.Find<QComboBox>("cboPhraseLength_1");
  maximum->setFocus();
  QTest::keyClick(maximum, Qt::Key_Down);
  QCOMPARE(h.engine.calls, std::vector<std::string>{"cboPhraseLength_Click(1)"});
  QCOMPARE(h.engine.LastSettings().phraseLengthIndexes[1], 5);

  QTest::keyClick(h.Find<QComboBox>("cboDisplayFormat"), Qt::Key_Down);
  QCOMPARE(h.engine.calls.back(), std::string("cboDisplayFormat_Click"));
  QCOMPARE(h.engine.LastSettings().displayFormat, 1);

  QTest::keyClick(h.Find<QComboBox>("cboMinimumFrequency"), Qt::Key_Up);
  QCOMPARE(h.engine.calls.back(), std::string("cboMinimumFrequency_Click"));
  QCOMPARE(h.engine.LastSettings().minimumFrequencyIndex, 0);
  QCOMPARE(int(h.engine.calls.size()), 3);
}

void MainWindowTest::typedPathIsCommittedWhenTheBoxLosesFocus() {
  WindowHarness h;
  h.window.show();
  QVERIFY(QTest::qWaitForWindowActive(&h.window));
  auto* output = h.Find<QLineEdit>("txbFile_1");
  output->setFocus(Qt::TabFocusReason);
  QTest::keyClicks(output, "out.txt");
  QVERIFY(h.engine.calls.empty());
  QCOMPARE(h.session().settings.filePaths[1], Text(u"out.txt"));
  h.Find("cmdCountPhrases")->setFocus(Qt::TabFocusReason);
  QCOMPARE(h.engine.calls, std::vector<std::string>{"txbFile_LostFocus(1)"});
  QCOMPARE(h.engine.LastSettings().filePaths[1], Text(u"out.txt"));
}

void MainWindowTest::enterInPatternBoxCommitsIt() {
  WindowHarness h;
  auto* patterns = h.Find<QLineEdit>("txbFileFilepathSpecifications_0");
  QSignalSpy returnPressed(patterns, &QLineEdit::returnPressed);
  QTest::keyClicks(patterns, "*.txt");
  QTest::keyClick(patterns, Qt::Key_Return);
  QCOMPARE(h.engine.calls, std::vector<std::string>{"txbFileFilepathSpecifications_LostFocus(0)"});
  QCOMPARE(h.engine.LastSettings().pathPatterns[0], Text(u"*.txt"));
  QCOMPARE(returnPressed.count(), 0);
}

void MainWindowTest::filterBoxKeys() {
  WindowHarness h;
  h.window.show();
  QVERIFY(QTest::qWaitForWindowActive(&h.window));
  auto* filter = h.Find<QLineEdit>("txbFilterWords");
  filter->setFocus(Qt::TabFocusReason);
  QSignalSpy returnPressed(filter, &QLineEdit::returnPressed);
  QTest::keyClicks(filter, "Cat");
  QCOMPARE(h.engine.Count("txbFilterWords_Changed"), 3);
  QCOMPARE(h.engine.LastSettings().filterWords, Text(u"Cat"));

  QTest::keyClick(filter, Qt::Key_Enter);
  QCOMPARE(h.engine.calls.back(), std::string("txbFilterWords_Enter"));
  QCOMPARE(h.engine.Count("txbFilterWords_Enter"), 1);
  QCOMPARE(returnPressed.count(), 0);  // swallowed
  QCOMPARE(filter->text(), QStringLiteral("Cat"));

  h.Find("cmdCountPhrases")->setFocus(Qt::TabFocusReason);
  QCOMPARE(h.engine.calls.back(), std::string("txbFilterWords_LostFocus"));
  QCOMPARE(h.engine.Count("txbFilterWords_LostFocus"), 1);
}

void MainWindowTest::engineRefreshRaisesNoUserEvents() {
  WindowHarness h;
  h.window.show();
  velt::Settings& s = h.session().settings;
  s.source = velt::Source::Folder;
  s.ignoreMode = velt::IgnoreMode::None;
  s.displayFormat = 12;
  s.sortByNumberOfFiles = true;
  s.inputFolder = u"/data/texts";
  s.filterMode = velt::FilterMode::Subphrase;
  h.session().view.SettingsChanged();

  QVERIFY(h.Find<QRadioButton>("optFolder")->isChecked());
  QCOMPARE(h.Find<QComboBox>("cboDisplayFormat")->currentIndex(), 12);
  QVERIFY(h.Find<QCheckBox>("chkSortByNumberOfFiles")->isChecked());
  QCOMPARE(h.Find<QLineEdit>("txbFolder")->text(), QStringLiteral("/data/texts"));
  QVERIFY(h.Find<QRadioButton>("optIncludeAllWordsAsSubphrase")->isChecked());
  for (const char* option : {"optAllowPhrasesAllWordsToIgnore", "optExcludePhrasesWithWordToIgnore",
                             "optRemoveWordsToIgnore", "optExcludePhrasesAllWordsToIgnore"}) {
    QVERIFY2(!h.Find<QRadioButton>(option)->isChecked(), option);
  }
  QVERIFY(h.engine.calls.empty());
}

void MainWindowTest::focusMovedByEngineIsNotALostFocus() {
  WindowHarness h;
  h.window.show();
  QVERIFY(QTest::qWaitForWindowActive(&h.window));
  h.Find("txbFile_0")->setFocus(Qt::TabFocusReason);
  QVERIFY(h.Find("txbFile_0")->hasFocus());
  h.session().window.SetEnabled(ControlId::txbFile_0, false);  // as a run starting
  h.session().window.SetFocus(ControlId::cmdCountPhrases);
  QVERIFY(!h.Find("txbFile_0")->hasFocus());
  QVERIFY(h.engine.calls.empty());
}

void MainWindowTest::textWindowClicks() {
  WindowHarness h;
  h.window.show();
  QWidget* surface = h.Find<QPlainTextEdit>("txbOutput")->viewport();
  QTest::mouseClick(surface, Qt::LeftButton);
  QTest::mousePress(surface, Qt::RightButton);
  QCOMPARE(h.engine.calls,
           (std::vector<std::string>{"txbOutput_LeftClick", "txbOutput_RightClick"}));
}

void MainWindowTest::copyPassesSelectionWithProgramLineEnds() {
  WindowHarness h;
  h.window.show();
  h.session().textWindow.Set(u"first line\r\nsecond line\r\n");
  auto* output = h.Find<QPlainTextEdit>("txbOutput");
  QTextCursor cursor = output->textCursor();
  cursor.setPosition(6);                            // "line\nsecond"
  cursor.setPosition(17, QTextCursor::KeepAnchor);  //  in the widget
  output->setTextCursor(cursor);
  QTest::mouseClick(h.Find("cmdCopyToClipboard"), Qt::LeftButton);
  QCOMPARE(h.engine.copiedSelection, Text(u"line\r\nsecond"));
  QVERIFY(!output->textCursor().hasSelection());  // removed after copying

  QTest::mouseClick(h.Find("cmdCopyToClipboard"), Qt::LeftButton);
  QCOMPARE(h.engine.copiedSelection, Text());  // nothing selected: the engine takes all
}

void MainWindowTest::copyButtonStateIsTheEngines() {
  WindowHarness h;
  h.window.show();
  QWidget* copy = h.Find("cmdCopyToClipboard");
  h.session().window.SetEnabled(ControlId::cmdCopyToClipboard, false);
  h.session().textWindow.Set(u"thirty characters of text here");
  QVERIFY(!copy->isEnabled());  // the window never decides by the length itself
  h.session().textWindow.Set(u"short");
  h.session().window.SetEnabled(ControlId::cmdCopyToClipboard, true);
  QVERIFY(copy->isEnabled());
  QTest::mouseClick(copy, Qt::LeftButton);
  QCOMPARE(h.engine.Count("cmdCopyToClipboard_Click"), 1);
}

void MainWindowTest::startUpRunsOnceShownThenTimer1Starts() {
  WindowHarness h;
  auto* timer1 = h.Find<QTimer>("Timer1");
  QVERIFY(!timer1->isActive());
  QVERIFY(!h.session().window.Get(ControlId::frmMain).visible);
  h.window.ShowAndStartUp();
  QCOMPARE(h.engine.calls, std::vector<std::string>{"StartUp"});
  QVERIFY(h.engine.windowVisibleAtStartUp);
  QVERIFY(timer1->isActive());
  QCOMPARE(timer1->interval(), 1000);
  QVERIFY(!h.Find<QTimer>("Timer2")->isActive());
}

void MainWindowTest::timer2FollowsTheRun() {
  WindowHarness h;
  h.window.show();
  h.engine.effects["cmdCountPhrases_Click"] = [](velt::Session& s) { s.run.timer2Enabled = true; };
  h.engine.effects["cmdClearOutput_Click"] = [](velt::Session& s) { s.run.timer2Enabled = false; };
  auto* timer2 = h.Find<QTimer>("Timer2");
  QTest::mouseClick(h.Find("cmdCountPhrases"), Qt::LeftButton);
  QVERIFY(timer2->isActive());
  QCOMPARE(timer2->interval(), 1000);
  QTRY_COMPARE_WITH_TIMEOUT(h.engine.Count("Timer2_Tick"), 1, 3000);
  QTest::mouseClick(h.Find("cmdClearOutput"), Qt::LeftButton);
  QVERIFY(!timer2->isActive());
}

void MainWindowTest::f1OnCommandButtonsOpensHelp() {
  for (const char* button : {"cmdHelp", "cmdFile_0", "cmdCountPhrases"}) {
    WindowHarness h;
    h.window.show();
    QTest::keyRelease(h.Find(button), Qt::Key_F1);
    QWidget* help = h.Find("frmHelp");
    QVERIFY2(help != nullptr && help->isVisible(), button);
    QVERIFY(h.engine.calls.empty());
  }
  WindowHarness h;
  QTest::keyRelease(h.Find("cmdQuit"), Qt::Key_F1);
  QVERIFY(h.Find("frmHelp") == nullptr);
}

// Closing the help window (as often as it is opened again) hands the focus
// back through the controller, which gives it to the Count button.
void MainWindowTest::closingHelpIsReportedToTheController() {
  WindowHarness h;
  h.window.show();
  for (int i = 0; i < 2; ++i) {
    h.window.ShowHelp();
    QWidget* help = h.Find("frmHelp");
    QVERIFY(help != nullptr && help->isVisible());
    QTest::mouseClick(help->findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
    QVERIFY(!help->isVisible());
  }
  QCOMPARE(h.engine.calls, (std::vector<std::string>{"frmHelp_Closed", "frmHelp_Closed"}));
}

void MainWindowTest::closingRunsQuit() {
  WindowHarness h;
  h.window.show();
  h.window.close();
  QCOMPARE(h.engine.calls, std::vector<std::string>{"cmdQuit_Click"});
  WindowHarness viaButton;
  viaButton.window.show();
  QTest::mouseClick(viaButton.Find("cmdQuit"), Qt::LeftButton);
  QCOMPARE(viaButton.engine.calls, std::vector<std::string>{"cmdQuit_Click"});
  QVERIFY(!viaButton.window.isVisible());
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
