// frmParams: its controls and how user actions reach the engine.
#include <QtTest/qtestspontaneevent.h>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "doubles/recording_dialogs.h"
#include "engine/settings_window_controller.h"
#include "ui/load_remove_dialog.h"
#include "ui/qt_text.h"
#include "ui/qt_view.h"
#include "ui/settings_window.h"
#include "ui/twips.h"
#include "widget_text.h"

using velt::ControlId;
using velt::LoadRemoveChoice;
using velt::Settings;
using velt::Text;
using velt::WordRuleBox;
using velt::ui::SettingsWindow;
using velt::ui::TwipsToPixels;

Q_DECLARE_METATYPE(LoadRemoveChoice)

namespace {

using velt::testing::Caption;
using velt::testing::Items;

// Records every operation the window calls, with the settings record as it was
// at the moment of the call.
class RecordingSettingsEngine final : public velt::SettingsWindowController {
 public:
  RecordingSettingsEngine(velt::View& view, const velt::UiTextTable& texts)
      : session_(velt::Seams{dialogs, view, pump, clipboard}, texts, VELT_BIN_DIR) {}

  velt::testing::RecordingDialogs dialogs;
  velt::NullEventPump pump;
  velt::MemoryClipboard clipboard;

  std::vector<std::string> calls;
  std::vector<Settings> settingsAtCall;
  bool clickWanted = true;
  bool quitConfirmed = false;
  int hiddenNotices = 0;  // OnSettingsHidden: the window was hidden, no operation on it

  velt::Session& session() override { return session_; }
  void OnWordRuleClicked(WordRuleBox box) override { Record("chkWordRule_Click", int(box)); }
  void OnSetOrClearCheckboxesClicked(int i) override { Record("cmdSetOrClearCheckboxes_Click", i); }
  void OnRestoreDefaultsClicked() override { Record("cmdRestoreDefaults_Click"); }
  bool OnQuitClicked() override {
    Record("cmdQuit_Click");
    return quitConfirmed;
  }
  void OnSettingsHidden() override { ++hiddenNotices; }
  bool WordsFileChoiceWanted() override {
    Record("cboWordsFile_ClickWanted");
    return clickWanted;
  }
  void OnWordsFileActionChosen(LoadRemoveChoice c) override {
    Record("cboWordsFile_Chosen", int(c));
  }
  void OnSelectWordsFileClicked() override { Record("cmdSelectWordsFile_Click"); }
  void OnClearWordsFilesClicked() override { Record("cmdClearWordsFile_Click"); }
  void OnCommonWordsLanguageChosen() override { Record("cboCommonWordsLanguages_Click"); }
  void OnExtraWordsLeft() override { Record("txbWordsToIgnoreOrCount_LostFocus"); }
  void OnClearExtraWordsClicked() override { Record("cmdClearWordsToIgnoreOrCount_Click"); }
  void OnSaveSettingsClicked() override { Record("cmdSaveState_Click"); }
  void OnSaveOrLoadSettingsFileClicked(int index) override {
    Record("cmdSaveLoadState_Click", index);
  }
  void OnReinitializeClicked() override { Record("cmdInitialize_Click"); }

 private:
  void Record(std::string call, std::optional<int> argument = std::nullopt) {
    if (argument) call += "(" + std::to_string(*argument) + ")";
    calls.push_back(std::move(call));
    settingsAtCall.push_back(session_.settings);
  }

  velt::Session session_;
};

velt::UiTextTable ShippedTexts() {
  velt::UiTextTable table;
  table.Load(std::string(VELT_BIN_DIR) + "/velt.dat");
  return table;
}

// A stand-in for the main window with the two controls the Settings window is
// placed by.
struct FakeMainWindow {
  QWidget window;
  QLineEdit* inputFileBox = new QLineEdit(&window);
  QPushButton* settingsButton = new QPushButton(QStringLiteral("Settings"), &window);

  FakeMainWindow() {
    window.setGeometry(200, 100, 900, 600);
    inputFileBox->setGeometry(120, 70, 400, 24);
    settingsButton->setGeometry(20, 540, 96, 28);
  }
};

struct Harness {
  velt::UiTextTable texts = ShippedTexts();
  velt::ui::QtView view;
  RecordingSettingsEngine engine{view, texts};
  FakeMainWindow main;
  int quits = 0;
  std::unique_ptr<SettingsWindow> window = std::make_unique<SettingsWindow>(
      engine, view,
      SettingsWindow::MainWindowParts{&main.window, main.inputFileBox, main.settingsButton},
      [this] { ++quits; });

  ~Harness() { window.reset(); }

  Settings& settings() { return engine.session().settings; }
  template <typename Widget = QWidget>
  Widget* Find(const QString& name) {
    return window->findChild<Widget*>(name);
  }
  // Opens the window as the "Settings" button does and waits until it is the
  // active window.
  bool ShowActive() {
    main.window.show();
    window->Open();
    return QTest::qWaitForWindowActive(window.get());
  }
};

// The check boxes with their settings fields, written out independently of the
// window's own table.
struct BoxField {
  const char* name;
  bool Settings::*field;
};
const BoxField kWordRuleBoxes[] = {
    {"chkAllowWordsWithHyphens", &Settings::allowHyphens},
    {"chkAllowWordsWithApostrophes", &Settings::allowApostrophes},
    {"chkAllowWordsWithUnderscores", &Settings::allowUnderscores},
    {"chkAllowWordsWithColons", &Settings::allowColons},
    {"chkAllowWordsWithBackslashes", &Settings::allowBackslashes},
    {"chkAllowWordsWithForwardslashes", &Settings::allowForwardSlashes},
    {"chkAllowWordsWithParentheses", &Settings::allowParentheses},
    {"chkAllowWordsWithAmpersands", &Settings::allowAmpersands},
    {"chkAllowWordsWithPeriods", &Settings::allowPeriods},
    {"chkAllowWordsWithCommas", &Settings::allowCommas},
    {"chkAllowWordsWithAtSigns", &Settings::allowAtSigns},
    {"chkAllowWordsWithNumerals", &Settings::allowNumeralsInWords},
    {"chkCaseSignificant", &Settings::caseSignificant},
};  // in WordRuleBox order
const BoxField kQuietBoxes[] = {
    {"chkOnly7bitASCII", &Settings::only7BitAscii},
    {"chkTerminatePhraseAtDoubleQuote", &Settings::endPhraseAtDoubleQuote},
    {"chkTerminatePhraseAtComma", &Settings::endPhraseAtComma},
    {"chkTerminatePhraseAtTab", &Settings::endPhraseAtTab},
    {"chkTerminatePhraseAtPeriod", &Settings::endPhraseAtPeriod},
    {"chkTerminatePhraseAtEndOfLine", &Settings::endPhraseAtLineEnd},
    {"chkIgnoreNoLetter", &Settings::ignoreWordsWithoutLetter},
    {"chkIgnoreShortWords", &Settings::ignoreShortWords},
    {"chkIgnoreRepetitions", &Settings::ignoreRepetitions},
    {"chkPatternMatchingInWordsToIgnoreFile", &Settings::patternMatching},
    {"chkExtractTextFromDocx", &Settings::keepDocxText},
    {"chkSaveStateOnQuit", &Settings::saveStateOnQuit},
    {"chkWarnOnOverwrite", &Settings::warnOnOverwrite},
};

std::vector<BoxField> AllBoxes() {
  std::vector<BoxField> all(std::begin(kWordRuleBoxes), std::end(kWordRuleBoxes));
  all.insert(all.end(), std::begin(kQuietBoxes), std::end(kQuietBoxes));
  return all;
}

// The frame a control sits in, or "window" for the window's own buttons.
QString FrameOf(QWidget* widget) {
  for (QWidget* p = widget->parentWidget(); p != nullptr && !p->isWindow(); p = p->parentWidget()) {
    if (qobject_cast<QGroupBox*>(p) != nullptr) return p->objectName();
  }
  return QStringLiteral("window");
}

}  // namespace

class SettingsWindowTest : public QObject {
  Q_OBJECT

 private slots:
  // What the window shows when it loads.
  void controlHasItsCaption_data();
  void controlHasItsCaption();
  void everyEngineControlIsThisWindows();
  void tooltipsAreExact();
  void listsAreFilled();
  void fontsAreArialExceptTheTextBoxes();
  void stateLabelEmptyAndStateFileHiddenAtLoad();
  void tabVisitsTheFramesInOrder();

  // User changes: the field is written, then the operation (if any) is called.
  void wordRuleBoxWritesItsFieldThenCallsOnce_data();
  void wordRuleBoxWritesItsFieldThenCallsOnce();
  void otherBoxWritesItsFieldWithoutACall_data();
  void otherBoxWritesItsFieldWithoutACall();
  void listsWriteTheirIndexAndOnlyTheLanguageListCalls();
  void buttonCallsItsOperation_data();
  void buttonCallsItsOperation();
  void clearExtraWordsEmptiesTheBoxThenCalls();
  void enterInExtraWordsBoxCommitsItAndIsSwallowed();
  void leavingExtraWordsBoxCommitsItUnlessTheEngineMovedTheFocus();

  // Program changes are shown without user-change behaviour.
  void refreshShowsProgramChangesWithoutCalls();
  void refreshShowsWordsFileEntriesAndSelection();

  // The words-file list and its Load/Remove dialog.
  void pickedWordsFilePassesTheDialogsChoice_data();
  void pickedWordsFilePassesTheDialogsChoice();
  void unwantedListClickShowsNoDialog();

  // Window behaviour.
  void hideSettingsOnlyHides();
  void quitEndsTheProgramOnlyWhenConfirmed();
  void windowIsPlacedBelowTheInputFileBoxOrCentred();
  void activationReplacesTheWindowButReturningFromADialogDoesNot();
  void focusGoesToHideSettingsWhenItCanTakeIt();
  void popUpAppearsJustBelowItsButton();
};

void SettingsWindowTest::controlHasItsCaption_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("caption");
  const std::pair<const char*, const char*> rows[] = {
      {"fraPhraseBoundaries", "A phrase must not go beyond:"},
      {"chkTerminatePhraseAtComma", "comma ,"},
      {"chkTerminatePhraseAtTab", "tab"},
      {"chkTerminatePhraseAtPeriod", "period ."},
      {"chkTerminatePhraseAtEndOfLine", "end of line"},
      {"fraWordCharacters", "Allow 'words' with:"},
      {"lblAlso", "Also:"},
      {"chkAllowWordsWithHyphens", "hyphen -"},
      {"chkAllowWordsWithApostrophes", "apostrophe '"},
      {"chkAllowWordsWithUnderscores", "underscore _"},
      {"chkAllowWordsWithColons", "colon :"},
      {"chkAllowWordsWithBackslashes", "backslash \\"},
      {"chkAllowWordsWithForwardslashes", "forward slash /"},
      {"chkAllowWordsWithParentheses", "parentheses ( )"},
      {"chkAllowWordsWithAmpersands", "ampersand &"},
      {"chkAllowWordsWithPeriods", "period ."},
      {"chkAllowWordsWithCommas", "comma ,"},
      {"chkAllowWordsWithAtSigns", "at-sign @"},
      {"chkAllowWordsWithNumerals", "numerals 123"},
      {"chkCaseSignificant", "Upper/lower case significant"},
      {"chkOnly7bitASCII", "Allow only 7-bit ASCII characters"},
      {"fraIgnoreWords", "Ignore words:"},
      {"chkIgnoreNoLetter", "which lack a letter"},
      {"chkIgnoreShortWords", "with fewer than"},
      {"lblShortWordsCharacters", "characters"},
      {"lblLongWords", "with more than"},
      {"lblLongWordsCharacters", "characters"},
      {"chkIgnoreRepetitions", "containing 4 repetitions of a letter"},
      {"lblCommonWords", "Ignore common words in:"},
      {"cmdSelectWordsFile_0", "Words-to-ignore files (99)"},
      {"cmdClearWordsFile_0", "Clear"},
      {"lblExtraWords", "Extra words to ignore:"},
      {"cmdClearWordsToIgnoreOrCount_0", "Clear"},
      {"chkPatternMatchingInWordsToIgnoreFile", "Enable pattern matching"},
      {"lblPatternMatching", "for words-to-ignore file"},
      {"chkExtractTextFromDocx", "Extract text from docx files"},
      {"chkSaveStateOnQuit", "Save settings when quitting"},
      {"chkWarnOnOverwrite", "Warn on overwrite of output file"},
      {"cmdSaveState", "Save settings"},
      {"cmdInitialize", "Reinitialize"},
      {"cmdSaveLoadState_1", "Load settings from file"},
      {"cmdSaveLoadState_0", "Save settings to file"},
      {"cmdSetOrClearCheckboxes_1", "Check all checkboxes"},
      {"cmdSetOrClearCheckboxes_0", "Clear all checkboxes"},
      {"cmdRestoreDefaults", "Restore defaults"},
      {"cmdClose", "Hide settings"},
      {"cmdQuit", "Quit"},
  };
  for (const auto& [name, caption] : rows)
    QTest::newRow(name) << name << caption;
  // The typed double quote, then U+201D and the closing guillemet added at load.
  QTest::newRow("chkTerminatePhraseAtDoubleQuote")
      << "chkTerminatePhraseAtDoubleQuote"
      << QString::fromUtf16(u"end double quote \" \u201D \u00BB");
}

void SettingsWindowTest::controlHasItsCaption() {
  QFETCH(QString, name);
  QFETCH(QString, caption);
  Harness h;
  QWidget* control = h.Find(name);
  QVERIFY2(control != nullptr, qPrintable(name));
  QCOMPARE(Caption(control), caption);
}

void SettingsWindowTest::everyEngineControlIsThisWindows() {
  Harness h;
  QCOMPARE(h.window->objectName(), QStringLiteral("frmParams"));
  QCOMPARE(h.window->windowTitle(), QStringLiteral("Settings"));  // UI text 91
  QVERIFY(h.window->isWindow());
  for (auto i = static_cast<size_t>(ControlId::frmParams); i < velt::kControlCount; ++i) {
    const auto id = static_cast<ControlId>(i);
    QWidget* widget = h.view.Widget(id);
    QVERIFY2(widget != nullptr, velt::ControlName(id).data());
    QVERIFY2(widget == h.window.get() || h.window->isAncestorOf(widget),
             velt::ControlName(id).data());
  }
  // The model learned the design captions: the engine can read them.
  QCOMPARE(h.engine.session().window.Get(ControlId::cmdSelectWordsFile_0).caption,
           Text(u"Words-to-ignore files (99)"));
  QVERIFY(!h.engine.session().window.Get(ControlId::frmParams).visible);
}

void SettingsWindowTest::tooltipsAreExact() {
  Harness h;
  QCOMPARE(h.Find("chkExtractTextFromDocx")->toolTip(),
           QStringLiteral("If checked then text extracted from .docx files will be written to "
                          "files in an 'extracted_text' subfolder."));
  QCOMPARE(h.Find("cmdSelectWordsFile_0")->toolTip(),
           QStringLiteral("Click here to specify one or more files containing words (not "
                          "phrases) which should be ignored."));
  QCOMPARE(h.Find("txbWordsToIgnoreOrCount_0")->toolTip(),
           QStringLiteral("Extra words to ignore (not phrases) may be added here. Spaces (not "
                          "commas) should be used to separate them.  Case is not significant."));
  QCOMPARE(h.Find("cboWordsFile_0")->toolTip(),
           QStringLiteral("To specify (or add) a file containing words to ignore, click on the "
                          "button labelled 'Words-to-ignore files'."));
}

void SettingsWindowTest::listsAreFilled() {
  Harness h;
  QStringList shortSizes;
  for (int n = 2; n <= 20; ++n)
    shortSizes << QString::number(n);
  QCOMPARE(Items(h.Find<QComboBox>("cboShortWordSize")), shortSizes);
  QCOMPARE(Items(h.Find<QComboBox>("cboLongWordSize")),
           QStringList({"20", "30", "40", "50", "60", "70", "80"}));
  QCOMPARE(Items(h.Find<QComboBox>("cboCommonWordsLanguages")),
           QStringList({"English", "German", "Spanish", "Portuguese", "Italian", "French",
                        "All six languages", "[No language selected]"}));
  // They show the settings record: short size 3, long size 40, English.
  QCOMPARE(h.Find<QComboBox>("cboShortWordSize")->currentText(), QStringLiteral("3"));
  QCOMPARE(h.Find<QComboBox>("cboLongWordSize")->currentText(), QStringLiteral("40"));
  QCOMPARE(h.Find<QComboBox>("cboCommonWordsLanguages")->currentIndex(), 0);
  QCOMPARE(h.Find<QComboBox>("cboWordsFile_0")->count(), 0);
}

void SettingsWindowTest::fontsAreArialExceptTheTextBoxes() {
  Harness h;
  int checked = 0;
  for (QWidget* widget : h.window->findChildren<QWidget*>()) {
    if (widget->window() != h.window.get()) continue;
    if (qobject_cast<QGroupBox*>(widget) || qobject_cast<QAbstractButton*>(widget) ||
        qobject_cast<QLabel*>(widget) || qobject_cast<QComboBox*>(widget)) {
      QVERIFY2(widget->font().family() == QStringLiteral("Arial"),
               qPrintable(widget->objectName()));
      ++checked;
    }
  }
  QVERIFY(checked > 40);
  QVERIFY(QFontInfo(h.Find("txbWordsToIgnoreOrCount_0")->font()).fixedPitch());
  QCOMPARE(h.Find("txbStateFile")->font(), QApplication::font("QLineEdit"));
}

void SettingsWindowTest::stateLabelEmptyAndStateFileHiddenAtLoad() {
  Harness h;
  QVERIFY(h.Find<QLabel>("lblState")->text().isEmpty());
  QVERIFY(h.Find("txbStateFile")->isHidden());
  QVERIFY(!h.engine.session().window.Get(ControlId::txbStateFile).visible);
}

void SettingsWindowTest::tabVisitsTheFramesInOrder() {
  Harness h;
  QVERIFY(h.ShowActive());
  // Every control that Tab reaches, in the order Tab reaches them.
  std::vector<QWidget*> visited;
  QWidget* first = h.Find("chkAllowWordsWithHyphens");
  QWidget* w = first;
  do {
    if (w->window() == h.window.get() && (w->focusPolicy() & Qt::TabFocus) && w->isVisible() &&
        w->isEnabled()) {
      visited.push_back(w);
    }
    w = w->nextInFocusChain();
  } while (w != first && visited.size() < 200);

  QStringList frames;
  for (QWidget* control : visited) {
    const QString frame = FrameOf(control);
    if (frames.isEmpty() || frames.back() != frame) frames << frame;
  }
  QCOMPARE(frames, QStringList({"fraWordCharacters", "fraIgnoreWords", "fraPhraseBoundaries",
                                "fraIgnoreTheseWords", "fraOptions", "fraSettings", "window"}));
  // Within a frame, Tab goes down each column first.
  QCOMPARE(visited[1]->objectName(), QStringLiteral("chkAllowWordsWithApostrophes"));
  QCOMPARE(visited[6]->objectName(), QStringLiteral("chkAllowWordsWithParentheses"));
  QCOMPARE(visited.back()->objectName(), QStringLiteral("cmdQuit"));
  // Nothing that takes the focus is left out.
  int focusable = 0;
  for (QWidget* widget : h.window->findChildren<QWidget*>()) {
    focusable += widget->window() == h.window.get() && (widget->focusPolicy() & Qt::TabFocus) &&
                         widget->isVisible() && widget->isEnabled()
                     ? 1
                     : 0;
  }
  QCOMPARE(static_cast<int>(visited.size()), focusable);
}

void SettingsWindowTest::wordRuleBoxWritesItsFieldThenCallsOnce_data() {
  QTest::addColumn<int>("row");
  for (int i = 0; i < static_cast<int>(std::size(kWordRuleBoxes)); ++i)
    QTest::newRow(kWordRuleBoxes[i].name) << i;
}

void SettingsWindowTest::wordRuleBoxWritesItsFieldThenCallsOnce() {
  QFETCH(int, row);
  const BoxField& box = kWordRuleBoxes[row];
  Harness h;
  const Settings before = h.settings();
  h.Find<QCheckBox>(box.name)->click();

  Settings expected = before;
  expected.*box.field = !(before.*box.field);
  QCOMPARE(h.engine.calls,
           std::vector<std::string>{"chkWordRule_Click(" + std::to_string(row) + ")"});
  QVERIFY(h.engine.settingsAtCall[0] == expected);  // written before the call, nothing else
  QCOMPARE(h.Find<QCheckBox>(box.name)->isChecked(), expected.*box.field);
}

void SettingsWindowTest::otherBoxWritesItsFieldWithoutACall_data() {
  QTest::addColumn<int>("row");
  for (int i = 0; i < static_cast<int>(std::size(kQuietBoxes)); ++i)
    QTest::newRow(kQuietBoxes[i].name) << i;
}

void SettingsWindowTest::otherBoxWritesItsFieldWithoutACall() {
  QFETCH(int, row);
  const BoxField& box = kQuietBoxes[row];
  Harness h;
  Settings expected = h.settings();
  expected.*box.field = !(expected.*box.field);
  h.Find<QCheckBox>(box.name)->click();
  QVERIFY(h.engine.calls.empty());
  QVERIFY(h.settings() == expected);
  // A second click writes the field back.
  h.Find<QCheckBox>(box.name)->click();
  QCOMPARE(h.settings().*box.field, !(expected.*box.field));
  QVERIFY(h.engine.calls.empty());
}

void SettingsWindowTest::listsWriteTheirIndexAndOnlyTheLanguageListCalls() {
  Harness h;
  QTest::keyClick(h.Find("cboShortWordSize"), Qt::Key_Down);
  QTest::keyClick(h.Find("cboLongWordSize"), Qt::Key_Up);
  QCOMPARE(h.settings().shortWordSizeIndex, 2);
  QCOMPARE(h.settings().longWordSizeIndex, 1);
  QVERIFY(h.engine.calls.empty());
  QTest::keyClick(h.Find("cboCommonWordsLanguages"), Qt::Key_End);
  QCOMPARE(h.engine.calls, std::vector<std::string>{"cboCommonWordsLanguages_Click"});
  QCOMPARE(h.engine.settingsAtCall[0].commonWordsLanguage, 7);
}

void SettingsWindowTest::buttonCallsItsOperation_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("call");
  QTest::newRow("select file") << "cmdSelectWordsFile_0"
                               << "cmdSelectWordsFile_Click";
  QTest::newRow("clear files") << "cmdClearWordsFile_0"
                               << "cmdClearWordsFile_Click";
  QTest::newRow("save") << "cmdSaveState"
                        << "cmdSaveState_Click";
  QTest::newRow("reinitialize") << "cmdInitialize"
                                << "cmdInitialize_Click";
  QTest::newRow("save to file") << "cmdSaveLoadState_0"
                                << "cmdSaveLoadState_Click(0)";
  QTest::newRow("load from file") << "cmdSaveLoadState_1"
                                  << "cmdSaveLoadState_Click(1)";
  QTest::newRow("clear all") << "cmdSetOrClearCheckboxes_0"
                             << "cmdSetOrClearCheckboxes_Click(0)";
  QTest::newRow("check all") << "cmdSetOrClearCheckboxes_1"
                             << "cmdSetOrClearCheckboxes_Click(1)";
  QTest::newRow("defaults") << "cmdRestoreDefaults"
                            << "cmdRestoreDefaults_Click";
}

void SettingsWindowTest::buttonCallsItsOperation() {
  QFETCH(QString, name);
  QFETCH(QString, call);
  Harness h;
  h.Find<QPushButton>(name)->click();
  QCOMPARE(h.engine.calls, std::vector<std::string>{call.toStdString()});
}

void SettingsWindowTest::clearExtraWordsEmptiesTheBoxThenCalls() {
  Harness h;
  h.settings().extraWords = u"ibid vide";
  h.view.SettingsChanged();
  h.Find<QPushButton>("cmdClearWordsToIgnoreOrCount_0")->click();
  QCOMPARE(h.engine.calls, std::vector<std::string>{"cmdClearWordsToIgnoreOrCount_Click"});
  QVERIFY(h.engine.settingsAtCall[0].extraWords.empty());
  QVERIFY(h.Find<QLineEdit>("txbWordsToIgnoreOrCount_0")->text().isEmpty());
}

void SettingsWindowTest::enterInExtraWordsBoxCommitsItAndIsSwallowed() {
  Harness h;
  auto* box = h.Find<QLineEdit>("txbWordsToIgnoreOrCount_0");
  QSignalSpy returnPressed(box, &QLineEdit::returnPressed);
  QTest::keyClicks(box, "ibid,  vide");
  QCOMPARE(h.settings().extraWords, Text(u"ibid,  vide"));  // typing writes the field
  QVERIFY(h.engine.calls.empty());

  QTest::keyClick(box, Qt::Key_Return);
  QCOMPARE(h.engine.calls, std::vector<std::string>{"txbWordsToIgnoreOrCount_LostFocus"});
  QCOMPARE(h.engine.settingsAtCall[0].extraWords, Text(u"ibid,  vide"));
  QCOMPARE(returnPressed.count(), 0);  // the key went no further
  QTest::keyClick(box, Qt::Key_Enter);
  QCOMPARE(h.engine.calls.size(), size_t{2});
  QCOMPARE(box->text(), QStringLiteral("ibid,  vide"));
}

void SettingsWindowTest::leavingExtraWordsBoxCommitsItUnlessTheEngineMovedTheFocus() {
  Harness h;
  QVERIFY(h.ShowActive());
  auto* box = h.Find<QLineEdit>("txbWordsToIgnoreOrCount_0");
  box->setFocus(Qt::MouseFocusReason);
  QTRY_VERIFY(box->hasFocus());
  QTest::keyClicks(box, "viz");
  h.Find("cboWordsFile_0")->setFocus(Qt::TabFocusReason);
  QCOMPARE(h.engine.calls, std::vector<std::string>{"txbWordsToIgnoreOrCount_LostFocus"});
  QCOMPARE(h.engine.settingsAtCall[0].extraWords, Text(u"viz"));

  // A count starts: the engine disables the frame, which takes the focus away.
  box->setFocus(Qt::MouseFocusReason);
  QTRY_VERIFY(box->hasFocus());
  h.engine.session().window.SetEnabled(ControlId::fraIgnoreTheseWords, false);
  QVERIFY(!box->hasFocus());
  QCOMPARE(h.engine.calls.size(), size_t{1});
}

void SettingsWindowTest::refreshShowsProgramChangesWithoutCalls() {
  Harness h;
  Settings changed = h.settings();
  for (const BoxField& box : AllBoxes())
    changed.*box.field = !(changed.*box.field);
  changed.shortWordSizeIndex = 18;
  changed.longWordSizeIndex = 6;
  changed.commonWordsLanguage = 5;
  changed.extraWords = u"ibid vide viz";
  h.settings() = changed;
  h.view.SettingsChanged();

  for (const BoxField& box : AllBoxes())
    QVERIFY2(h.Find<QCheckBox>(box.name)->isChecked() == changed.*box.field, box.name);
  QCOMPARE(h.Find<QComboBox>("cboShortWordSize")->currentText(), QStringLiteral("20"));
  QCOMPARE(h.Find<QComboBox>("cboLongWordSize")->currentText(), QStringLiteral("80"));
  QCOMPARE(h.Find<QComboBox>("cboCommonWordsLanguages")->currentText(), QStringLiteral("French"));
  QCOMPARE(h.Find<QLineEdit>("txbWordsToIgnoreOrCount_0")->text(), QStringLiteral("ibid vide viz"));
  QVERIFY(h.engine.calls.empty());
  QVERIFY(h.settings() == changed);  // showing the values wrote nothing back
}

void SettingsWindowTest::refreshShowsWordsFileEntriesAndSelection() {
  Harness h;
  auto* list = h.Find<QComboBox>("cboWordsFile_0");
  h.settings().wordsFileList = {{u"/data/cwds_en.txt", u"/home/ann/names.txt"}, 1};
  h.view.SettingsChanged();
  QCOMPARE(Items(list), QStringList({"/data/cwds_en.txt", "/home/ann/names.txt"}));
  QCOMPARE(list->currentIndex(), 1);

  h.settings().wordsFileList.index = -1;  // the selection cleared
  h.view.SettingsChanged();
  QCOMPARE(list->currentIndex(), -1);
  QCOMPARE(list->count(), 2);

  h.settings().wordsFileList = {{u"/home/ann/names.txt"}, 0};  // an entry removed
  h.view.SettingsChanged();
  QCOMPARE(Items(list), QStringList({"/home/ann/names.txt"}));
  QCOMPARE(list->currentText(), QStringLiteral("/home/ann/names.txt"));
  QVERIFY(h.engine.calls.empty());
  QCOMPARE(h.settings().wordsFileList.index, 0);
}

void SettingsWindowTest::pickedWordsFilePassesTheDialogsChoice_data() {
  QTest::addColumn<QString>("option");
  QTest::addColumn<LoadRemoveChoice>("choice");
  QTest::newRow("load") << "optLoadThisFile" << LoadRemoveChoice::Load;
  QTest::newRow("remove") << "optRemoveThisFile" << LoadRemoveChoice::Remove;
  QTest::newRow("cancel") << "optCancel" << LoadRemoveChoice::Cancel;
}

void SettingsWindowTest::pickedWordsFilePassesTheDialogsChoice() {
  QFETCH(QString, option);
  QFETCH(LoadRemoveChoice, choice);
  Harness h;
  QVERIFY(h.ShowActive());
  h.settings().wordsFileList = {{u"/a/one.txt", u"/b/two.txt", u"/c/three.txt"}, 0};
  h.view.SettingsChanged();

  QString shownPath;
  QPoint shownAt;
  bool wasModal = false;
  QTimer::singleShot(0, h.window.get(), [&] {
    velt::ui::LoadRemoveDialog* dialog = h.window->loadRemoveDialog();
    if (dialog == nullptr || !dialog->isVisible()) return;
    wasModal = QApplication::activeModalWidget() == dialog;
    shownPath = dialog->findChild<QLabel*>("lblFile")->text();
    shownAt = dialog->pos();
    dialog->findChild<QRadioButton*>(option)->click();
    dialog->findChild<QPushButton*>("cmdClose")->click();
  });
  auto* list = h.Find<QComboBox>("cboWordsFile_0");
  QTest::keyClick(list, Qt::Key_Down);  // the user picks the second file

  QCOMPARE(h.engine.calls,
           (std::vector<std::string>{
               "cboWordsFile_ClickWanted",
               "cboWordsFile_Chosen(" + std::to_string(static_cast<int>(choice)) + ")"}));
  QCOMPARE(h.engine.settingsAtCall[0].wordsFileList.index, 1);
  QVERIFY(wasModal);
  QCOMPARE(shownPath, QStringLiteral("/b/two.txt"));
  // 750 twips below the list's top, 150 twips right of its left edge in its frame.
  QWidget* frame = h.Find("fraIgnoreTheseWords");
  const QPoint listInFrame = list->mapTo(frame, QPoint(0, 0));
  const QPoint expected =
      h.window->pos() + QPoint(listInFrame.x() + TwipsToPixels(150, h.window.get()),
                               frame->mapTo(h.window.get(), QPoint(0, 0)).y() + listInFrame.y() +
                                   TwipsToPixels(750, h.window.get()));
  QCOMPARE(shownAt, expected);
}

void SettingsWindowTest::unwantedListClickShowsNoDialog() {
  Harness h;
  h.engine.clickWanted = false;  // the engine is changing the list itself
  h.settings().wordsFileList = {{u"/a/one.txt", u"/b/two.txt"}, 0};
  h.view.SettingsChanged();
  QTest::keyClick(h.Find("cboWordsFile_0"), Qt::Key_Down);
  QCOMPARE(h.engine.calls, std::vector<std::string>{"cboWordsFile_ClickWanted"});
  QVERIFY(h.window->loadRemoveDialog() == nullptr);
}

void SettingsWindowTest::hideSettingsOnlyHides() {
  Harness h;
  QVERIFY(h.ShowActive());
  QVERIFY(h.engine.session().window.Get(ControlId::frmParams).visible);
  h.settings().extraWords = u"sans";
  h.view.SettingsChanged();
  h.Find<QPushButton>("cmdClose")->click();
  QVERIFY(!h.window->isVisible());
  QVERIFY(!h.engine.session().window.Get(ControlId::frmParams).visible);
  QVERIFY(h.engine.calls.empty());
  QCOMPARE(h.engine.hiddenNotices, 1);
  // Shown again, it still holds its values; closing the window only hides it.
  QVERIFY(h.ShowActive());
  QCOMPARE(h.Find<QLineEdit>("txbWordsToIgnoreOrCount_0")->text(), QStringLiteral("sans"));
  QCloseEvent byUser;
  QSpontaneKeyEvent::setSpontaneous(&byUser);
  // Delivered as the window system delivers it (sendEvent would clear the flag).
  static_cast<QObject*>(h.window.get())->event(&byUser);
  QVERIFY(!byUser.isAccepted());
  QVERIFY(h.window->isHidden());
  QCOMPARE(h.engine.hiddenNotices, 2);
  QCOMPARE(h.quits, 0);
  // The program may close it: the application quitting closes every window,
  // and a refusal would stop it.
  QVERIFY(h.ShowActive());
  QVERIFY(h.window->close());
  QVERIFY(h.window->isHidden());
}

void SettingsWindowTest::quitEndsTheProgramOnlyWhenConfirmed() {
  Harness h;
  h.Find<QPushButton>("cmdQuit")->click();
  QCOMPARE(h.engine.calls, std::vector<std::string>{"cmdQuit_Click"});
  QCOMPARE(h.quits, 0);
  h.engine.quitConfirmed = true;
  h.Find<QPushButton>("cmdQuit")->click();
  QCOMPARE(h.quits, 1);
}

void SettingsWindowTest::windowIsPlacedBelowTheInputFileBoxOrCentred() {
  {
    Harness h;
    QVERIFY(h.ShowActive());
    QCOMPARE(h.window->pos(),
             h.main.window.pos() + QPoint(96 + TwipsToPixels(300, &h.main.window),
                                          70 + TwipsToPixels(1000, &h.main.window)));
  }
  Harness h;
  h.main.window.showMaximized();
  h.window->Open();
  const QRect screen = h.main.window.screen()->availableGeometry();
  const QPoint offCentre = h.window->frameGeometry().center() - screen.center();
  QVERIFY(qAbs(offCentre.x()) <= 1 && qAbs(offCentre.y()) <= 1);
}

void SettingsWindowTest::activationReplacesTheWindowButReturningFromADialogDoesNot() {
  // Activation is handed around as a window manager would; the offscreen
  // platform has none.
  Harness h;
  h.main.window.show();
  h.window->show();
  QApplication::setActiveWindow(h.window.get());
  const QPoint placed = h.window->pos();
  QWidget* elsewhere = h.Find("chkCaseSignificant");

  // Back from the main window: placed again, focus on "Hide settings".
  h.window->move(placed + QPoint(40, 30));
  elsewhere->setFocus();
  QApplication::setActiveWindow(&h.main.window);
  QApplication::setActiveWindow(h.window.get());
  QCOMPARE(h.window->pos(), placed);
  QCOMPARE(h.window->focusWidget(), h.Find("cmdClose"));

  // Back from the program's own modal dialog: left as the user had it.
  h.window->activateWindow();  // the platform's activation agrees again
  QVERIFY(QTest::qWaitForWindowActive(h.window.get()));
  h.window->move(placed + QPoint(40, 30));
  elsewhere->setFocus();
  h.settings().wordsFileList = {{u"/a/one.txt", u"/b/two.txt"}, 0};
  h.view.SettingsChanged();
  bool dialogShown = false;
  QTimer::singleShot(0, h.window.get(), [&] {
    auto* dialog = h.window->loadRemoveDialog();
    if (dialog == nullptr || !dialog->isVisible()) return;
    dialogShown = QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; });
    dialog->findChild<QPushButton*>("cmdClose")->click();
  });
  QTest::keyClick(h.Find("cboWordsFile_0"), Qt::Key_Down);
  QVERIFY(dialogShown);
  h.window->activateWindow();  // the activation handed back as the dialog hid
  QTRY_VERIFY(QApplication::activeWindow() == h.window.get());
  QCOMPARE(h.window->pos(), placed + QPoint(40, 30));
  QCOMPARE(h.window->focusWidget(), elsewhere);
}

void SettingsWindowTest::focusGoesToHideSettingsWhenItCanTakeIt() {
  {
    Harness h;
    QVERIFY(h.ShowActive());
    QCOMPARE(h.window->focusWidget(), h.Find("cmdClose"));
    // "Restore defaults" hands the focus to "Hide settings" as well.
    h.Find("chkCaseSignificant")->setFocus();
    h.Find<QPushButton>("cmdRestoreDefaults")->click();
    QCOMPARE(h.window->focusWidget(), h.Find("cmdClose"));
  }
  {
    Harness h;
    h.engine.session().window.SetEnabled(ControlId::cmdClose, false);
    QVERIFY(h.ShowActive());
    QVERIFY(h.window->focusWidget() != h.Find("cmdClose"));
  }
}

void SettingsWindowTest::popUpAppearsJustBelowItsButton() {
  Harness h;
  QVERIFY(h.ShowActive());
  auto* button = h.Find<QPushButton>("cmdSaveState");
  QRect shown;
  QString message;
  QTimer::singleShot(50, h.window.get(), [&] {
    auto* popUp = h.window->findChild<QDialog*>("frmPopUp");
    if (popUp == nullptr) return;
    shown = popUp->geometry();
    message = popUp->findChild<QLabel*>("lblMessage")->text();
    QTest::mouseRelease(popUp, Qt::LeftButton);
  });
  h.window->PopUpBelow(button, QStringLiteral("Settings saved"), 2350);
  QCOMPARE(message, QStringLiteral("Settings saved"));
  const QPoint below = button->mapToGlobal(QPoint(0, button->height()));
  QVERIFY2((shown.topLeft() - below).manhattanLength() <= 1,
           qPrintable(QStringLiteral("%1,%2").arg(shown.x()).arg(shown.y())));
  QCOMPARE(shown.width(), TwipsToPixels(2350, button));
}

QTEST_MAIN(SettingsWindowTest)
#include "settings_window_test.moc"
