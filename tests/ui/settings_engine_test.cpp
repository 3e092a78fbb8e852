// The Settings window driven by the user on the real engine: word-rule boxes
// after a count, common-words languages, the words-to-ignore list and its
// Load/Remove dialog, and settings files.
#include <QCheckBox>

#include "engine_harness.h"
#include "settings/state_format.h"

using velt::Answer;
using velt::MessageId;
using velt::Text;

Q_DECLARE_METATYPE(velt::Answer)

namespace {

const QByteArray kCatText = "The cat sat on the mat. The cat sat on the hat.\r\n";

using velt::testing::QPath;
using velt::testing::WriteFile;

// The harness with a count of kCatText (lengths 2 to 6, at least 2 occurrences).
struct EngineSettings : velt::testing::EngineHarness {
  using EngineHarness::EngineHarness;
  void CountCatText() { CountFile(QStringLiteral("cat.txt"), kCatText, 2, 6, 2); }
};

QString Q(const Text& text) {
  return velt::ui::ToQString(text);
}

}  // namespace

class SettingsEngineTest : public QObject {
  Q_OBJECT

 private slots:
  void wordRuleAfterCountAnsweredNoSwitchesBack();
  void wordRuleAfterCountAnsweredYesNeedsNewCount();
  void frenchCommonWordsThenNoLanguage();
  void checkAllThenCountAdmitsEveryCharacter();
  void clearingTheWordsFileList_data();
  void clearingTheWordsFileList();
  void loadRemoveDialogChoices_data();
  void loadRemoveDialogChoices();
  void settingsFileWithListWithoutSelectionRestoresDefaults();
  void savedSettingsComeBackInANewProgram();

 private:
  // Adds two words files through "Words-to-ignore files"; the second stays
  // loaded. Returns their paths.
  static QStringList AddTwoWordsFiles(EngineSettings& e);
};

void SettingsEngineTest::wordRuleAfterCountAnsweredNoSwitchesBack() {
  EngineSettings e;
  e.CountCatText();
  QVERIFY2(e.session().run.countAvailable, qPrintable(e.MessageLog()));
  e.OpenSettings();
  e.dialogs.messages.clear();
  e.dialogs.answers = {Answer::No};

  auto* box = e.Find<QCheckBox>(QStringLiteral("chkAllowWordsWithPeriods"));
  QVERIFY(!box->isChecked());
  box->click();

  QCOMPARE(e.dialogs.messages.size(), size_t(1));
  QCOMPARE(e.dialogs.messages[0].id, MessageId::WordRuleChangeRereads);
  QCOMPARE(e.dialogs.messages[0].text, Text(u"Changing this entails reading the file anew.  Is "
                                            u"this OK?"));
  QCOMPARE(e.dialogs.messages[0].buttons, velt::MessageButtons::YesNo);
  QVERIFY(!box->isChecked());
  QVERIFY(!e.settings().allowPeriods);
  QVERIFY(e.session().run.countAvailable);
}

void SettingsEngineTest::wordRuleAfterCountAnsweredYesNeedsNewCount() {
  EngineSettings e;
  e.CountCatText();
  QVERIFY2(e.session().run.countAvailable, qPrintable(e.MessageLog()));
  e.OpenSettings();
  e.dialogs.messages.clear();
  e.dialogs.answers = {Answer::Yes};

  auto* box = e.Find<QCheckBox>(QStringLiteral("chkAllowWordsWithPeriods"));
  box->click();

  QCOMPARE(e.dialogs.messages.size(), size_t(1));
  QCOMPARE(e.dialogs.messages[0].id, MessageId::WordRuleChangeRereads);
  QCOMPARE(e.dialogs.messages[0].text, Text(u"Changing this entails reading the file anew.  Is "
                                            u"this OK?"));
  QVERIFY(box->isChecked());
  QVERIFY(e.settings().allowPeriods);
  QVERIFY(!e.session().run.countAvailable);

  // With no count in hand the next box changes without a question.
  e.dialogs.messages.clear();
  e.Find<QCheckBox>(QStringLiteral("chkAllowWordsWithNumerals"))->click();
  QVERIFY2(e.dialogs.messages.empty(), qPrintable(e.MessageLog()));
  QVERIFY(e.settings().allowNumeralsInWords);
}

void SettingsEngineTest::frenchCommonWordsThenNoLanguage() {
  EngineSettings e;
  e.OpenSettings();
  e.dialogs.messages.clear();
  QVERIFY(e.session().wordLists.fileWordsToIgnore.empty());
  const int french =
      e.ListItems(QStringLiteral("cboCommonWordsLanguages")).indexOf(QStringLiteral("French"));
  QVERIFY(french >= 0);
  const int none = e.ListItems(QStringLiteral("cboCommonWordsLanguages"))
                       .indexOf(QStringLiteral("[No language selected]"));
  QVERIFY(none >= 0);
  // No language first, so that choosing French visibly selects Exclude.
  e.Choose(QStringLiteral("cboCommonWordsLanguages"), none);
  QVERIFY2(e.dialogs.messages.empty(), qPrintable(e.MessageLog()));
  QVERIFY(e.Find<QRadioButton>(QStringLiteral("optAllowPhrasesAllWordsToIgnore"))->isChecked());

  e.dialogs.answers = {Answer::Yes};
  e.Choose(QStringLiteral("cboCommonWordsLanguages"), french);

  QVERIFY2(!e.dialogs.messages.empty(), qPrintable(e.MessageLog()));
  QCOMPARE(e.dialogs.messages[0].id, MessageId::LoadCommonWordsFile);
  QCOMPARE(e.dialogs.messages[0].text, Text(u"Load common words file for French?"));
  QCOMPARE(e.dialogs.messages.size(), size_t(1));
  const QStringList items = e.ListItems(QStringLiteral("cboWordsFile_0"));
  QCOMPARE(items.size(), 1);
  QCOMPARE(QFileInfo(items[0]).canonicalFilePath(),
           QFileInfo(QStringLiteral(VELT_BIN_DIR "/cwds_fr.txt")).canonicalFilePath());
  QCOMPARE(e.Find<QComboBox>(QStringLiteral("cboWordsFile_0"))->currentIndex(), 0);
  QCOMPARE(e.settings().wordsFileList.index, 0);
  QVERIFY(!e.session().wordLists.fileWordsToIgnore.empty());
  QCOMPARE(Q(e.session().wordLists.loadedWordsFile[0]), items[0]);
  QCOMPARE(e.settings().commonWordsLanguage, french);
  QVERIFY(e.Find<QRadioButton>(QStringLiteral("optExcludePhrasesAllWordsToIgnore"))->isChecked());
  QVERIFY(!e.Find<QRadioButton>(QStringLiteral("optAllowPhrasesAllWordsToIgnore"))->isChecked());
  // The Settings window's own "Save settings" takes the focus, not the main
  // window's button of the same name.
  QCOMPARE(e.settingsWindow->focusWidget(),
           e.settingsWindow->findChild<QWidget*>(QStringLiteral("cmdSaveState")));

  e.dialogs.messages.clear();
  e.Choose(QStringLiteral("cboCommonWordsLanguages"), none);

  QVERIFY2(e.dialogs.messages.empty(), qPrintable(e.MessageLog()));
  QCOMPARE(e.ListItems(QStringLiteral("cboWordsFile_0")), items);  // the entry stays
  QCOMPARE(e.settings().wordsFileList.index, -1);
  QCOMPARE(e.Find<QComboBox>(QStringLiteral("cboWordsFile_0"))->currentIndex(), -1);
  QVERIFY(e.session().wordLists.fileWordsToIgnore.empty());
  QVERIFY(e.Find<QRadioButton>(QStringLiteral("optAllowPhrasesAllWordsToIgnore"))->isChecked());
  QCOMPARE(e.settings().ignoreMode, velt::IgnoreMode::AllowAllIgnored);
}

void SettingsEngineTest::checkAllThenCountAdmitsEveryCharacter() {
  EngineSettings e;
  e.OpenSettings();
  e.Click(QStringLiteral("cmdSetOrClearCheckboxes_1"));
  QVERIFY2(e.dialogs.messages.size() == 1, qPrintable(e.MessageLog()));  // start-up question only
  for (QCheckBox* box : e.settingsWindow->findChildren<QCheckBox*>()) {
    QVERIFY2(box->isChecked(), qPrintable(box->objectName()));
  }

  // One word for each character a word rule can admit; every word is long
  // enough and has a letter, so the other rules now on keep it.
  const QByteArray words =
      "e-mail don't snake_case key:value back\\slash and/or fun(x)y AT&T www.example.com "
      "abc,def me@example abc123";
  const QString input =
      WriteFile(e.Path(QStringLiteral("every.txt")), words + "\r\n" + words + "\r\n");
  e.Type(QStringLiteral("txbFile_0"), input);
  e.Choose(QStringLiteral("cboPhraseLength_0"), 0);    // 2 words
  e.Choose(QStringLiteral("cboPhraseLength_1"), 0);    // 2 words
  e.Choose(QStringLiteral("cboMinimumFrequency"), 1);  // 2 occurrences
  e.dialogs.messages.clear();
  e.Find<QPushButton>(QStringLiteral("cmdCountPhrases"))->click();

  QVERIFY2(e.dialogs.messages.empty(), qPrintable(e.MessageLog()));
  const QString output = e.Find<QPlainTextEdit>(QStringLiteral("txbOutput"))->toPlainText();
  const QStringList list = QString::fromLatin1(words).split(QLatin1Char(' '));
  for (qsizetype k = 0; k + 1 < list.size(); ++k) {
    const QString phrase = list[k] + QLatin1Char(' ') + list[k + 1];
    QVERIFY2(output.contains(phrase), qPrintable(phrase + QStringLiteral(" in:\n") + output));
  }
}

void SettingsEngineTest::clearingTheWordsFileList_data() {
  QTest::addColumn<Answer>("answer");
  QTest::newRow("cancel") << Answer::Cancel;
  QTest::newRow("no") << Answer::No;
  QTest::newRow("yes") << Answer::Yes;
}

void SettingsEngineTest::clearingTheWordsFileList() {
  QFETCH(Answer, answer);
  EngineSettings e(
      velt::testing::HarnessOptions().UseCommonWords());  // the common English words are loaded
  e.OpenSettings();
  const QStringList before = e.ListItems(QStringLiteral("cboWordsFile_0"));
  QCOMPARE(before.size(), 1);
  QCOMPARE(e.settings().wordsFileList.index, 0);
  QVERIFY(!e.session().wordLists.fileWordsToIgnore.empty());
  e.dialogs.messages.clear();
  e.dialogs.answers = {answer};

  e.Click(QStringLiteral("cmdClearWordsFile_0"));

  QCOMPARE(e.dialogs.messages.size(), size_t(1));
  QCOMPARE(e.dialogs.messages[0].id, MessageId::RemoveAllWordsFiles);
  QCOMPARE(e.dialogs.messages[0].text, Text(u"Do you wish to remove ALL files from this list?"));
  QCOMPARE(e.dialogs.messages[0].buttons, velt::MessageButtons::YesNoCancel);
  auto* list = e.Find<QComboBox>(QStringLiteral("cboWordsFile_0"));
  if (answer == Answer::Cancel) {
    QCOMPARE(e.ListItems(QStringLiteral("cboWordsFile_0")), before);
    QCOMPARE(e.settings().wordsFileList.index, 0);
    QCOMPARE(list->currentIndex(), 0);
    QVERIFY(!e.session().wordLists.fileWordsToIgnore.empty());
  } else if (answer == Answer::No) {
    QCOMPARE(e.ListItems(QStringLiteral("cboWordsFile_0")), before);
    QCOMPARE(e.settings().wordsFileList.index, -1);
    QCOMPARE(list->currentIndex(), -1);
    QVERIFY(e.session().wordLists.fileWordsToIgnore.empty());
  } else {
    QCOMPARE(list->count(), 0);
    QVERIFY(e.settings().wordsFileList.entries.empty());
    QCOMPARE(e.settings().wordsFileList.index, -1);
    QVERIFY(e.session().wordLists.fileWordsToIgnore.empty());
  }
}

QStringList SettingsEngineTest::AddTwoWordsFiles(EngineSettings& e) {
  const QString first = WriteFile(e.Path(QStringLiteral("first.txt")), "alpha\r\nbeta\r\n");
  const QString second = WriteFile(e.Path(QStringLiteral("second.txt")), "gamma\r\n");
  e.dialogs.openFileAnswers = {velt::ui::ToText(first), velt::ui::ToText(second)};
  e.Click(QStringLiteral("cmdSelectWordsFile_0"));
  e.Click(QStringLiteral("cmdSelectWordsFile_0"));
  return e.ListItems(QStringLiteral("cboWordsFile_0"));
}

void SettingsEngineTest::loadRemoveDialogChoices_data() {
  QTest::addColumn<QString>("option");
  QTest::newRow("load") << "optLoadThisFile";
  QTest::newRow("remove") << "optRemoveThisFile";
  QTest::newRow("cancel") << "optCancel";
}

void SettingsEngineTest::loadRemoveDialogChoices() {
  QFETCH(QString, option);
  EngineSettings e;
  e.OpenSettings();
  e.dialogs.messages.clear();
  const QStringList files = AddTwoWordsFiles(e);
  QVERIFY2(e.dialogs.messages.empty(), qPrintable(e.MessageLog()));
  QCOMPARE(files.size(), 2);
  QCOMPARE(e.settings().wordsFileList.index, 1);
  QCOMPARE(e.session().wordLists.fileWordsToIgnore.entries(), std::vector<Text>{u"gamma"});

  QVERIFY(e.ChooseWordsFile(0, option));
  QVERIFY2(e.dialogs.messages.empty(), qPrintable(e.MessageLog()));

  auto* list = e.Find<QComboBox>(QStringLiteral("cboWordsFile_0"));
  const auto& words = e.session().wordLists;
  if (option == QLatin1String("optLoadThisFile")) {
    QCOMPARE(e.ListItems(QStringLiteral("cboWordsFile_0")), files);
    QCOMPARE(e.settings().wordsFileList.index, 0);
    QCOMPARE(list->currentIndex(), 0);
    QCOMPARE(words.fileWordsToIgnore.entries(), (std::vector<Text>{u"alpha", u"beta"}));
    QCOMPARE(Q(words.loadedWordsFile[0]), files[0]);
  } else if (option == QLatin1String("optRemoveThisFile")) {
    QCOMPARE(e.ListItems(QStringLiteral("cboWordsFile_0")), QStringList{files[1]});
    QVERIFY(e.settings().wordsFileList.entries.size() == 1);
    QVERIFY(!e.settings().wordsFileList.HasSelection());
    QVERIFY(words.fileWordsToIgnore.empty());
  } else {
    QCOMPARE(e.ListItems(QStringLiteral("cboWordsFile_0")), files);
    QCOMPARE(e.settings().wordsFileList.index, 1);
    QCOMPARE(list->currentIndex(), 1);
    QCOMPARE(words.fileWordsToIgnore.entries(), std::vector<Text>{u"gamma"});
    QCOMPARE(Q(words.loadedWordsFile[0]), files[1]);
  }
}

void SettingsEngineTest::settingsFileWithListWithoutSelectionRestoresDefaults() {
  EngineSettings e;
  e.OpenSettings();
  e.dialogs.messages.clear();

  velt::Settings written;
  written.shortWordSizeIndex = -1;
  written.allowNumeralsInWords = true;
  written.ignoreShortWords = false;
  const std::string bytes = velt::FormatStateRecords(written);
  const QString path = WriteFile(e.Path(QStringLiteral("broken.settings")),
                                 QByteArray(bytes.data(), qsizetype(bytes.size())));
  e.dialogs.openFileAnswers = {velt::ui::ToText(path)};

  e.Click(QStringLiteral("cmdSaveLoadState_1"));

  QVERIFY2(e.dialogs.openFileAnswers.empty(), qPrintable(e.MessageLog()));
  int invalid = 0;
  for (const auto& m : e.dialogs.messages) {
    if (m.text == Text(u"Invalid combo box index.")) {
      ++invalid;
      QCOMPARE(m.title, Text(u"Load settings"));
      QCOMPARE(m.id, MessageId::InvalidComboBoxIndex);
    }
  }
  QVERIFY2(invalid == 1, qPrintable(e.MessageLog()));
  const velt::Settings defaults;
  QCOMPARE(e.settings().shortWordSizeIndex, defaults.shortWordSizeIndex);
  QCOMPARE(e.settings().allowNumeralsInWords, defaults.allowNumeralsInWords);
  QCOMPARE(e.settings().ignoreShortWords, defaults.ignoreShortWords);
  QCOMPARE(e.Find<QComboBox>(QStringLiteral("cboShortWordSize"))->currentIndex(),
           defaults.shortWordSizeIndex);
  QCOMPARE(e.Find<QCheckBox>(QStringLiteral("chkAllowWordsWithNumerals"))->isChecked(),
           defaults.allowNumeralsInWords);
}

void SettingsEngineTest::savedSettingsComeBackInANewProgram() {
  const velt::testing::ScratchDir shared("velt-ui-shared");
  const QString output = QPath(shared / "out.txt");
  {
    EngineSettings e(velt::testing::HarnessOptions().StateFolder(QPath(shared.path())));
    e.OpenSettings();
    e.Find<QCheckBox>(QStringLiteral("chkAllowWordsWithNumerals"))->click();
    QVERIFY(e.settings().allowNumeralsInWords);
    e.Type(QStringLiteral("txbFile_1"), output);
    QCOMPARE(Q(e.settings().filePaths[1]), output);
    e.dialogs.messages.clear();
    e.Click(QStringLiteral("cmdSaveState"));
    QVERIFY2(e.dialogs.messages.empty(), qPrintable(e.MessageLog()));
    QVERIFY(QFile::exists(e.StatePath()));
  }
  EngineSettings again(velt::testing::HarnessOptions().StateFolder(QPath(shared.path())));
  QVERIFY(again.settings().allowNumeralsInWords);
  QCOMPARE(Q(again.settings().filePaths[1]), output);
  QCOMPARE(again.Find<QLineEdit>(QStringLiteral("txbFile_1"))->text(), output);
  again.OpenSettings();
  QVERIFY(again.Find<QCheckBox>(QStringLiteral("chkAllowWordsWithNumerals"))->isChecked());
}

QTEST_MAIN(SettingsEngineTest)
#include "settings_engine_test.moc"
