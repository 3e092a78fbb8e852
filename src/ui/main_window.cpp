#include "ui/main_window.h"
#include "ui/widget_helpers.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTimer>
#include <QUrl>
#include <cstdlib>
#include <exception>
#include <filesystem>

#include "settings/ui_texts.h"
#include "ui/display_text.h"
#include "ui/event_hooks.h"
#include "ui/help_window.h"
#include "ui/main_window_layout.h"
#include "ui/pop_up_window.h"
#include "ui/qt_text.h"
#include "ui/qt_view.h"
#include "ui/twips.h"

namespace velt::ui {
namespace {

constexpr int kTimerIntervalMs = 1000;
constexpr int kScreenLeftTwips = 500;

std::string ManualPath(const Session& session) {
  return (std::filesystem::path(session.dataDir) / "README.md").string();
}

}  // namespace

MainWindow::MainWindow(MainWindowController& controller, QtView& view, QWidget* parent)
    : QMainWindow(parent),
      controller_(controller),
      view_(view),
      hooks_(new EventHooks(this)),
      timer1_(new QTimer(this)),
      timer2_(new QTimer(this)) {
  Session& session = controller_.session();
  setObjectName("frmMain");
  setWindowTitle(ToQString(session.UIText(ui_text::kProgramName)));
  setFont(QFont(QStringLiteral("Arial"), 9));

  auto* central = new QWidget(this);
  central->setObjectName("frmMainClientArea");
  setCentralWidget(central);
  c_ = CreateMainWindowControls(central, session.texts);
  layout_ = std::make_unique<MainWindowLayout>(central, c_);

  WireSource();
  WireFiles();
  WirePhrases();
  WireFilter();
  WireReport();
  WireCommands();
  WireOutput();
  WireTimers();

  view_.Attach(session);
  view_.AddSettingsRefresher([window = QPointer<MainWindow>(this)] {
    if (window) window->RefreshFromSettings();
  });
  view_.AddWindow(this);  // the model learns that frmMain is not shown yet
  RefreshFromSettings();
  view_.TextWindowChanged(0);
}

MainWindow::~MainWindow() = default;

void MainWindow::Dispatch(const Operation& operation) {
  struct Depth {
    int& depth;
    explicit Depth(int& d) : depth(d) { ++depth; }
    ~Depth() { --depth; }
  } depth(callDepth_);
  try {
    operation(controller_);
  } catch (const std::exception& failure) {
    // Nothing may escape into Qt's event loop; the program goes on.
    QMessageBox::critical(this, windowTitle(),
                          QStringLiteral("Unexpected error: ") + QString::fromUtf8(failure.what()));
  }
  SyncTimer2();
}

void MainWindow::ShowAndStartUp() {
  PlaceOnScreen();
  show();
  Dispatch([](MainWindowController& engine) { engine.StartUp(); });
  RefreshFromSettings();
  LimitSizeAfterStartUp();
  timer1_->start();
}

void MainWindow::LimitSizeAfterStartUp() {
  // The window never grows taller than at start-up; it may widen (the text
  // window takes the extra width) until its right edge would leave the screen
  // from where start-up placed it. The layout keeps the minimum size.
  setMaximumHeight(height());
  if (const QScreen* screen = this->screen()) {
    const int room = screen->availableGeometry().width() - TwipsToPixels(kScreenLeftTwips, this);
    setMaximumWidth(std::max(width(), room));
  }
  view_.SetMainWindowInitialWidth(width());
}

void MainWindow::PlaceOnScreen() {
  const QScreen* screen = this->screen();
  if (screen == nullptr) return;
  const QRect available = screen->availableGeometry();
  // Room for the window frame, which is not known before the window is shown.
  const QSize frame(8, 36);
  // Wide and tall enough for a report of long phrases when the screen allows.
  const QSize wanted =
      sizeHint().expandedTo(QSize(TwipsToPixels(18000, this), TwipsToPixels(10500, this)));
  const QSize fits =
      wanted.boundedTo(available.size() - frame - QSize(TwipsToPixels(kScreenLeftTwips, this), 0));
  resize(fits.expandedTo(minimumSizeHint()));
  move(available.left() + TwipsToPixels(kScreenLeftTwips, this),
       available.top() + std::max(0, (available.height() - height() - frame.height()) / 2));
}

void MainWindow::SyncTimer2() {
  const bool wanted = controller_.ElapsedTimeTimerWanted();
  if (wanted && !timer2_->isActive()) timer2_->start();
  if (!wanted && timer2_->isActive()) timer2_->stop();
}

void MainWindow::RefreshFromSettings() {
  const Settings& s = settings();
  SetChecked(c_.clipboardOption, s.source == Source::Clipboard);
  SetChecked(c_.singleFileOption, s.source == Source::SingleFile);
  SetChecked(c_.folderOption, s.source == Source::Folder);
  SetText(c_.filePaths[0], s.filePaths[0]);
  SetText(c_.filePaths[1], s.filePaths[1]);
  SetText(c_.inputFolder, s.inputFolder);
  SetText(c_.pathPatterns[0], s.pathPatterns[0]);
  SetText(c_.pathPatterns[1], s.pathPatterns[1]);
  SetChecked(c_.includeSubfolders, s.includeSubfolders);
  SetChecked(c_.outputToFileDisabled, s.outputToFileDisabled);
  SetChecked(c_.suppressWordsAsFound, s.suppressWordsAsFound);

  SetIndex(c_.phraseLengthIndexes[0], s.phraseLengthIndexes[0]);
  SetIndex(c_.phraseLengthIndexes[1], s.phraseLengthIndexes[1]);
  SetIndex(c_.minimumFrequencyIndex, s.minimumFrequencyIndex);
  // No ignore-mode option is selected until one is chosen (or restored).
  c_.ignoreOptions->setExclusive(false);
  SetChecked(c_.allowIgnoredOnlyOption, s.ignoreMode == IgnoreMode::AllowAllIgnored);
  SetChecked(c_.excludeIgnoredOnlyOption, s.ignoreMode == IgnoreMode::ExcludeAllIgnored);
  SetChecked(c_.removeIgnoredOption, s.ignoreMode == IgnoreMode::RemoveIgnored);
  SetChecked(c_.excludeWithIgnoredOption, s.ignoreMode == IgnoreMode::ExcludeContainingIgnored);
  c_.ignoreOptions->setExclusive(true);

  SetText(c_.filterWords, s.filterWords);
  SetChecked(c_.allWordsOption, s.filterMode == FilterMode::AllWords);
  SetChecked(c_.inSameOrderOption, s.filterMode == FilterMode::SameOrder);
  SetChecked(c_.asSubphraseOption, s.filterMode == FilterMode::Subphrase);

  SetIndex(c_.wordOrder, s.wordOrder);
  SetIndex(c_.displayFormat, s.displayFormat);
  SetChecked(c_.relativeFrequency, s.relativeFrequency);
  SetChecked(c_.sortByNumberOfFiles, s.sortByNumberOfFiles);
  SetChecked(c_.fileListFormat, s.fileListFormat);
  layout_->PlaceSizeLabels(s.source);
}

template <typename Value>
void MainWindow::ConnectOption(QRadioButton* option, Value Settings::*field, Value value,
                               void (MainWindowController::*click)(Value)) {
  connect(option, &QRadioButton::clicked, this, [this, field, value, click] {
    // Clicking the option that is already selected changes nothing.
    if (settings().*field == value) return;
    settings().*field = value;
    Dispatch([click, value](MainWindowController& engine) { (engine.*click)(value); });
    layout_->PlaceSizeLabels(settings().source);
  });
}

void MainWindow::ConnectCheck(QCheckBox* box, bool Settings::*field,
                              void (MainWindowController::*click)()) {
  connect(box, &QCheckBox::clicked, this, [this, field, click](bool checked) {
    settings().*field = checked;
    if (click != nullptr) Dispatch([click](MainWindowController& engine) { (engine.*click)(); });
  });
}

void MainWindow::ConnectList(QComboBox* list, IndexField field, const Operation& click) {
  connect(list, &QComboBox::activated, this, [this, field, click](int index) {
    if (field(settings()) == index) return;
    field(settings()) = index;
    Dispatch(click);
  });
}

void MainWindow::ConnectTextBox(QLineEdit* box, TextField field, const Operation& lostFocus) {
  connect(box, &QLineEdit::textEdited, this,
          [this, field](const QString& text) { field(settings()) = ToText(text); });
  hooks_->OnFocusOut(box, [this, box, field, lostFocus] {
    // Focus moved by the engine itself (a control disabled or focused while it
    // works) is not the user leaving the box.
    if (view_.Applying()) return;
    field(settings()) = ToText(box->text());
    Dispatch(lostFocus);
  });
}

void MainWindow::ConnectButton(QPushButton* button, const Operation& click) {
  connect(button, &QPushButton::clicked, this, [this, click] { Dispatch(click); });
}

void MainWindow::WireSource() {
  ConnectOption(c_.clipboardOption, &Settings::source, Source::Clipboard,
                &MainWindowController::OnSourceChosen);
  ConnectOption(c_.singleFileOption, &Settings::source, Source::SingleFile,
                &MainWindowController::OnSourceChosen);
  ConnectOption(c_.folderOption, &Settings::source, Source::Folder,
                &MainWindowController::OnSourceChosen);
  ConnectCheck(c_.includeSubfolders, &Settings::includeSubfolders);
  // No clipboard viewer program exists here; the button stays hidden.
}

void MainWindow::WireFiles() {
  for (int i = 0; i < 2; ++i) {
    ConnectButton(c_.fileButtons[static_cast<size_t>(i)],
                  [i](MainWindowController& engine) { engine.OnFileButtonClicked(i); });
    ConnectButton(c_.clearFileButtons[static_cast<size_t>(i)],
                  [i](MainWindowController& engine) { engine.OnClearFileClicked(i); });
  }
  ConnectTextBox(
      c_.filePaths[0], [](Settings& s) -> Text& { return s.filePaths[0]; },
      [](MainWindowController& engine) { engine.OnFilePathLeft(0); });
  ConnectTextBox(
      c_.filePaths[1], [](Settings& s) -> Text& { return s.filePaths[1]; },
      [](MainWindowController& engine) { engine.OnFilePathLeft(1); });
  ConnectTextBox(
      c_.inputFolder, [](Settings& s) -> Text& { return s.inputFolder; },
      [](MainWindowController& engine) { engine.OnFolderLeft(); });

  const TextField patternFields[2] = {[](Settings& s) -> Text& { return s.pathPatterns[0]; },
                                      [](Settings& s) -> Text& { return s.pathPatterns[1]; }};
  for (int i = 0; i < 2; ++i) {
    QLineEdit* box = c_.pathPatterns[static_cast<size_t>(i)];
    const TextField field = patternFields[i];
    const Operation commit = [i](MainWindowController& engine) { engine.OnPathPatternsLeft(i); };
    ConnectTextBox(box, field, commit);
    hooks_->OnEnter(box, [this, box, field, commit] {
      field(settings()) = ToText(box->text());
      Dispatch(commit);
    });
  }

  ConnectButton(c_.folderButton,
                [](MainWindowController& engine) { engine.OnFolderButtonClicked(); });
  ConnectButton(c_.clearFolderButton,
                [](MainWindowController& engine) { engine.OnClearFolderClicked(); });
  ConnectButton(c_.listFilesButton,
                [](MainWindowController& engine) { engine.OnListFilesClicked(); });
  ConnectCheck(c_.outputToFileDisabled, &Settings::outputToFileDisabled,
               &MainWindowController::OnDisableOutputToFileClicked);
  ConnectCheck(c_.suppressWordsAsFound, &Settings::suppressWordsAsFound);
}

void MainWindow::WirePhrases() {
  ConnectList(
      c_.phraseLengthIndexes[0], [](Settings& s) -> int& { return s.phraseLengthIndexes[0]; },
      [](MainWindowController& engine) { engine.OnPhraseLengthChosen(0); });
  ConnectList(
      c_.phraseLengthIndexes[1], [](Settings& s) -> int& { return s.phraseLengthIndexes[1]; },
      [](MainWindowController& engine) { engine.OnPhraseLengthChosen(1); });
  ConnectList(
      c_.minimumFrequencyIndex, [](Settings& s) -> int& { return s.minimumFrequencyIndex; },
      [](MainWindowController& engine) { engine.OnMinimumFrequencyChosen(); });

  const auto click = &MainWindowController::OnIgnoreModeChosen;
  ConnectOption(c_.allowIgnoredOnlyOption, &Settings::ignoreMode, IgnoreMode::AllowAllIgnored,
                click);
  ConnectOption(c_.excludeIgnoredOnlyOption, &Settings::ignoreMode, IgnoreMode::ExcludeAllIgnored,
                click);
  ConnectOption(c_.removeIgnoredOption, &Settings::ignoreMode, IgnoreMode::RemoveIgnored, click);
  ConnectOption(c_.excludeWithIgnoredOption, &Settings::ignoreMode,
                IgnoreMode::ExcludeContainingIgnored, click);
}

void MainWindow::WireFilter() {
  QLineEdit* box = c_.filterWords;
  connect(box, &QLineEdit::textEdited, this, [this](const QString& text) {
    settings().filterWords = ToText(text);
    Dispatch([](MainWindowController& engine) { engine.OnFilterWordsEdited(); });
  });
  hooks_->OnEnter(box, [this, box] {
    settings().filterWords = ToText(box->text());
    Dispatch([](MainWindowController& engine) { engine.OnFilterWordsEntered(); });
  });
  hooks_->OnFocusOut(box, [this, box] {
    if (view_.Applying()) return;
    settings().filterWords = ToText(box->text());
    Dispatch([](MainWindowController& engine) { engine.OnFilterWordsLeft(); });
  });
  ConnectButton(c_.filterButton, [](MainWindowController& engine) { engine.OnFilterClicked(); });
  ConnectButton(c_.clearFilterButton,
                [](MainWindowController& engine) { engine.OnClearFilterClicked(); });

  const auto click = &MainWindowController::OnFilterModeChosen;
  ConnectOption(c_.allWordsOption, &Settings::filterMode, FilterMode::AllWords, click);
  ConnectOption(c_.inSameOrderOption, &Settings::filterMode, FilterMode::SameOrder, click);
  ConnectOption(c_.asSubphraseOption, &Settings::filterMode, FilterMode::Subphrase, click);
}

void MainWindow::WireReport() {
  ConnectList(
      c_.wordOrder, [](Settings& s) -> int& { return s.wordOrder; },
      [](MainWindowController& engine) { engine.OnWordOrderChosen(); });
  ConnectList(
      c_.displayFormat, [](Settings& s) -> int& { return s.displayFormat; },
      [](MainWindowController& engine) { engine.OnDisplayFormatChosen(); });
  ConnectCheck(c_.relativeFrequency, &Settings::relativeFrequency,
               &MainWindowController::OnRelativeFrequencyClicked);
  ConnectCheck(c_.sortByNumberOfFiles, &Settings::sortByNumberOfFiles,
               &MainWindowController::OnSortByNumberOfFilesClicked);
  ConnectCheck(c_.fileListFormat, &Settings::fileListFormat,
               &MainWindowController::OnFileListFormatClicked);
}

void MainWindow::WireCommands() {
  ConnectButton(c_.countButton, [](MainWindowController& engine) { engine.OnCountClicked(); });
  connect(c_.settingsButton, &QPushButton::clicked, this, &MainWindow::settingsWindowRequested);
  ConnectButton(c_.saveSettingsButton,
                [](MainWindowController& engine) { engine.OnSaveSettingsClicked(); });
  connect(c_.copyButton, &QPushButton::clicked, this, &MainWindow::CopyToClipboard);
  ConnectButton(c_.clearOutputButton,
                [](MainWindowController& engine) { engine.OnClearOutputClicked(); });
  connect(c_.helpButton, &QPushButton::clicked, this, &MainWindow::ShowHelp);
  connect(c_.quitButton, &QPushButton::clicked, this, &MainWindow::close);
  for (QWidget* helpKeyTarget :
       {c_.helpButton, c_.fileButtons[0], c_.fileButtons[1], c_.countButton}) {
    hooks_->OnKeyRelease(helpKeyTarget, Qt::Key_F1, [this] { ShowHelp(); });
  }
  hooks_->OnMouseRelease(c_.manualLink, Qt::LeftButton, [this] { OpenManual(); });
}

void MainWindow::WireOutput() {
  QWidget* surface = c_.outputText->viewport();
  hooks_->OnMousePress(surface, Qt::LeftButton, [this] {
    Dispatch([](MainWindowController& engine) { engine.OnOutputLeftClicked(); });
  });
  hooks_->OnMousePress(surface, Qt::RightButton, [this] {
    Dispatch([](MainWindowController& engine) { engine.OnOutputRightClicked(); });
  });
}

void MainWindow::WireTimers() {
  timer1_->setObjectName("Timer1");
  timer2_->setObjectName("Timer2");
  timer1_->setInterval(kTimerIntervalMs);
  timer2_->setInterval(kTimerIntervalMs);
  connect(timer1_, &QTimer::timeout, this,
          [this] { Dispatch([](MainWindowController& engine) { engine.Timer1_Tick(); }); });
  connect(timer2_, &QTimer::timeout, this,
          [this] { Dispatch([](MainWindowController& engine) { engine.Timer2_Tick(); }); });
}

void MainWindow::CopyToClipboard() {
  // The engine copies from its own text (with the program's CR LF line ends),
  // so the selection is handed over in that form.
  const Text& text = controller_.session().textWindow.text();
  const QTextCursor cursor = c_.outputText->textCursor();
  Text selected;
  if (cursor.hasSelection()) {
    const size_t from = ModelPosition(text, cursor.selectionStart());
    const size_t to = ModelPosition(text, cursor.selectionEnd());
    selected = text.substr(from, to - from);
  }
  Dispatch([&selected](MainWindowController& engine) { engine.OnCopyClicked(selected); });
  QTextCursor after = c_.outputText->textCursor();
  after.clearSelection();
  c_.outputText->setTextCursor(after);
}

void MainWindow::ShowHelp() {
  if (help_ == nullptr) {
    const Session& session = controller_.session();
    help_ = new HelpWindow(session.texts, FromUtf8(ManualPath(session)), this);
    connect(help_, &HelpWindow::closed, this,
            [this] { Dispatch([](MainWindowController& engine) { engine.OnHelpClosed(); }); });
  }
  help_->Open();
}

void MainWindow::OpenManual() {
  QDesktopServices::openUrl(
      QUrl::fromLocalFile(QString::fromStdString(ManualPath(controller_.session()))));
}

void MainWindow::PopUpInForm(const QString& message, int widthTwips, int heightTwips,
                             int intervalMs, int topTwips, int leftTwips) {
  if (popUp_ == nullptr) popUp_ = new PopUpWindow(this);
  popUp_->PopUpInForm(this, message, widthTwips, heightTwips, intervalMs, topTwips, leftTwips);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  Dispatch([](MainWindowController& engine) { engine.OnQuitClicked(); });
  event->accept();
  if (help_ != nullptr) help_->hide();
  if (callDepth_ > 0) {
    // Quit while a run is on the stack (it yields to events): the program ends
    // here, as the run must not go on behind a closed window. The engine has
    // saved what it saves on quitting.
    std::_Exit(0);
  }
  QCoreApplication::quit();
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!event->spontaneous()) controller_.OnWindowShown(true);
}

void MainWindow::hideEvent(QHideEvent* event) {
  QMainWindow::hideEvent(event);
  if (!event->spontaneous()) controller_.OnWindowShown(false);
}

}  // namespace velt::ui
