// The real engine behind the real main window and Settings window, wired as
// the program wires them, with scripted dialogs and a clipboard in memory.
// Files of a test and the state file live in scratch folders.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <chrono>
#include <filesystem>
#include <memory>

#include "doubles/recording_dialogs.h"
#include "doubles/scratch_dir.h"
#include "engine/engine.h"
#include "engine/main_window_controller.h"
#include "platform/clipboard.h"
#include "settings/ui_text_table.h"
#include "ui/display_text.h"
#include "ui/main_window.h"
#include "ui/qt_event_pump.h"
#include "ui/qt_text.h"
#include "ui/qt_view.h"
#include "ui/settings_window.h"
#include "widget_text.h"

namespace velt::testing {

// A path of the file system as Qt text.
inline QString QPath(const std::filesystem::path& path) {
  return QFile::decodeName(path.c_str());
}

inline QString WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
    qFatal("cannot write %s", qPrintable(path));
  }
  return path;
}

struct HarnessOptions {
  QString stateFolder;          // empty: the harness's scratch folder
  bool useCommonWords = false;  // the answer to the start-up question
  // How often a run lets window events in.
  std::chrono::milliseconds pumpInterval = std::chrono::milliseconds(25);

  HarnessOptions& StateFolder(const QString& folder) {
    stateFolder = folder;
    return *this;
  }
  HarnessOptions& UseCommonWords() {
    useCommonWords = true;
    return *this;
  }
  HarnessOptions& PumpInterval(std::chrono::milliseconds interval) {
    pumpInterval = interval;
    return *this;
  }
};

struct EngineHarness {
  ScratchDir dir{"velt-ui"};  // the test's files
  QString stateDir;
  UiTextTable texts;
  RecordingDialogs dialogs;
  ui::QtView view;
  ui::QtEventPump pump;
  MemoryClipboard clipboard;
  std::unique_ptr<Engine> engine;
  std::unique_ptr<ui::MainWindow> window;
  ui::SettingsWindow* settingsWindow = nullptr;  // owned by the main window

  explicit EngineHarness(const HarnessOptions& options = {})
      : stateDir(options.stateFolder.isEmpty() ? QPath(dir.path()) : options.stateFolder),
        pump(options.pumpInterval) {
    texts.Load(std::string(VELT_BIN_DIR) + "/velt.dat");
    dialogs.answers.push_back(options.useCommonWords ? Answer::Yes : Answer::No);
    engine = std::make_unique<Engine>(
        Seams{dialogs, view, pump, clipboard}, texts,
        EngineOptions{.dataDir = VELT_BIN_DIR, .statePath = StatePath().toStdString()});
    window = std::make_unique<ui::MainWindow>(engine->mainWindow(), view);
    settingsWindow = new ui::SettingsWindow(
        engine->settingsWindow(), view,
        {window.get(), window->controls().filePaths[0], window->controls().settingsButton},
        [this] { window->close(); });
    pump.SetBeforeEvents([this] { window->SyncTimer2(); });
    window->ShowAndStartUp();
    if (!QTest::qWaitForWindowActive(window.get())) qFatal("the window never became active");
  }

  QString StatePath() const { return QDir(stateDir).filePath(QStringLiteral("state.txt")); }
  QString Path(const QString& name) const {
    return QPath(dir / QFile::encodeName(name).toStdString());
  }

  Session& session() { return engine->session(); }
  Settings& settings() { return session().settings; }

  void OpenSettings() {
    settingsWindow->Open();
    if (!QTest::qWaitForWindowActive(settingsWindow)) qFatal("settings never became active");
  }

  // A control of the Settings window or, when it has none of that name, of the
  // main window.
  template <typename Widget = QWidget>
  Widget* Find(const QString& name) const {
    Widget* widget = settingsWindow->findChild<Widget*>(name);
    if (widget == nullptr) widget = window->findChild<Widget*>(name);
    if (widget == nullptr) qFatal("no widget %s", qPrintable(name));
    return widget;
  }

  QString Output() const {
    return Find<QPlainTextEdit>(QStringLiteral("txbOutput"))->toPlainText();
  }
  QStringList OutputLines() const { return Output().split(QLatin1Char('\n')); }
  QString CountCaption() const {
    return ui::ButtonCaptionText(Find<QPushButton>(QStringLiteral("cmdCountPhrases"))->text());
  }
  QString UiText(int number) const { return ui::ToQString(texts.UIText(number)); }

  // Chooses a list entry as the user would (the list's activated signal).
  void Choose(const QString& list, int index) {
    auto* box = Find<QComboBox>(list);
    box->setCurrentIndex(index);
    emit box->activated(index);
  }

  // Types into a text box and leaves it, so that its lost-focus handler runs.
  void Type(const QString& name, const QString& text) {
    auto* box = Find<QLineEdit>(name);
    box->setFocus(Qt::TabFocusReason);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
    Find(QStringLiteral("cmdCountPhrases"))->setFocus(Qt::TabFocusReason);
  }

  void Click(const QString& name) { QTest::mouseClick(Find(name), Qt::LeftButton); }

  // Phrase lengths and minimum number of occurrences as list values.
  void SetPhraseParameters(int minimum, int maximum, int frequency) {
    Choose(QStringLiteral("cboPhraseLength_0"), minimum - 2);
    Choose(QStringLiteral("cboPhraseLength_1"), maximum - 2);
    Choose(QStringLiteral("cboMinimumFrequency"), frequency - 1);
  }

  // Counts the text from a file of the test's folder.
  void CountFile(const QString& name, const QByteArray& text, int minimum, int maximum,
                 int frequency) {
    Type(QStringLiteral("txbFile_0"), WriteFile(Path(name), text));
    SetPhraseParameters(minimum, maximum, frequency);
    Click(QStringLiteral("cmdCountPhrases"));
  }

  // Chooses entry `index` of the words-to-ignore list and answers the
  // Load/Remove dialog with `option`; false when no dialog was shown.
  bool ChooseWordsFile(int index, const QString& option) {
    bool shown = false;
    QTimer driver;
    driver.setInterval(0);
    QObject::connect(&driver, &QTimer::timeout, [&] {
      for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() != QLatin1String("frmLoadRemove") || !top->isVisible()) continue;
        shown = true;
        driver.stop();
        top->findChild<QRadioButton*>(option)->click();
        top->findChild<QPushButton*>(QStringLiteral("cmdClose"))->click();
        return;
      }
    });
    driver.start();
    Choose(QStringLiteral("cboWordsFile_0"), index);
    driver.stop();
    return shown;
  }

  QStringList ListItems(const QString& name) const { return Items(Find<QComboBox>(name)); }

  int MessagesTitled(const Text& title) const {
    int n = 0;
    for (const Text& t : dialogs.Titles())
      n += t == title ? 1 : 0;
    return n;
  }
  int MessagesWithText(const Text& text) const {
    int n = 0;
    for (const Text& t : dialogs.Texts())
      n += t == text ? 1 : 0;
    return n;
  }
  int MessagesWithId(MessageId id) const {
    int n = 0;
    for (const MessageId shown : dialogs.Ids())
      n += shown == id ? 1 : 0;
    return n;
  }
  QString MessageLog() const {
    QStringList log;
    for (const auto& m : dialogs.messages)
      log << ui::ToQString(m.title) + QStringLiteral(": ") + ui::ToQString(m.text);
    return log.join(QStringLiteral(" | "));
  }
};

}  // namespace velt::testing
