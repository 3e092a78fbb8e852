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

#include "engine/window_actions.h"
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
  setWindowTitle(ToQString(session.UIText(1)));
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
  const bool wanted = controller_.session().run.timer2Enabled;
  if (wanted && !timer2_->isActive()) timer2_->start();
  if (!wanted && timer2_->isActive()) timer2_->stop();
}

void MainWindow::RefreshFromSettings() {
  const Settings& s = settings();
  SetChecked(c_.optOnClipboard, s.source == Source::Clipboard);
  SetChecked(c_.optInFile, s.source == Source::SingleFile);
  SetChecked(c_.optFolder, s.source == Source::Folder);
  SetText(c_.txbFile[0], s.txbFile[0]);
  SetText(c_.txbFile[1], s.txbFile[1]);
  SetText(c_.txbFolder, s.txbFolder);
  SetText(c_.txbFileFilepathSpecifications[0], s.txbFileFilepathSpecifications[0]);
  SetText(c_.txbFileFilepathSpecifications[1], s.txbFileFilepathSpecifications[1]);
  SetChecked(c_.chkIncludeSubfolders, s.chkIncludeSubfolders);
  SetChecked(c_.chkDisableOutputToFile, s.chkDisableOutputToFile);
  SetChecked(c_.chkSuppressWords, s.chkSuppressWords);

  SetIndex(c_.cboPhraseLength[0], s.cboPhraseLength[0]);
  SetIndex(c_.cboPhraseLength[1], s.cboPhraseLength[1]);
  SetIndex(c_.cboMinimumFrequency, s.cboMinimumFrequency);
  // No ignore-mode option is selected until one is chosen (or restored).
  c_.ignoreOptions->setExclusive(false);
  SetChecked(c_.optAllowPhrasesAllWordsToIgnore, s.ignoreMode == IgnoreMode::AllowAllIgnored);
  SetChecked(c_.optExcludePhrasesAllWordsToIgnore, s.ignoreMode == IgnoreMode::ExcludeAllIgnored);
  SetChecked(c_.optRemoveWordsToIgnore, s.ignoreMode == IgnoreMode::RemoveIgnored);
  SetChecked(c_.optExcludePhrasesWithWordToIgnore,
             s.ignoreMode == IgnoreMode::ExcludeContainingIgnored);
  c_.ignoreOptions->setExclusive(true);

  SetText(c_.txbFilterWords, s.txbFilterWords);
  SetChecked(c_.optIncludeAllWords, s.filterMode == FilterMode::AllWords);
  SetChecked(c_.optIncludeAllWordsInSameOrder, s.filterMode == FilterMode::SameOrder);
  SetChecked(c_.optIncludeAllWordsAsSubphrase, s.filterMode == FilterMode::Subphrase);

  SetIndex(c_.cboWordOrder, s.cboWordOrder);
  SetIndex(c_.cboDisplayFormat, s.cboDisplayFormat);
  SetChecked(c_.chkDisplayRelativeFrequency, s.chkDisplayRelativeFrequency);
  SetChecked(c_.chkSortByNumberOfFiles, s.chkSortByNumberOfFiles);
  SetChecked(c_.chkFileList, s.chkFileList);
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
  ConnectOption(c_.optOnClipboard, &Settings::source, Source::Clipboard,
                &MainWindowController::optSource_Click);
  ConnectOption(c_.optInFile, &Settings::source, Source::SingleFile,
                &MainWindowController::optSource_Click);
  ConnectOption(c_.optFolder, &Settings::source, Source::Folder,
                &MainWindowController::optSource_Click);
  ConnectCheck(c_.chkIncludeSubfolders, &Settings::chkIncludeSubfolders);
  // No clipboard viewer program exists here; the button stays hidden.
}

void MainWindow::WireFiles() {
  for (int i = 0; i < 2; ++i) {
    ConnectButton(c_.cmdFile[static_cast<size_t>(i)],
                  [i](MainWindowController& engine) { engine.cmdFile_Click(i); });
    ConnectButton(c_.cmdClearFile[static_cast<size_t>(i)],
                  [i](MainWindowController& engine) { engine.cmdClearFile_Click(i); });
  }
  ConnectTextBox(
      c_.txbFile[0], [](Settings& s) -> Text& { return s.txbFile[0]; },
      [](MainWindowController& engine) { engine.txbFile_LostFocus(0); });
  ConnectTextBox(
      c_.txbFile[1], [](Settings& s) -> Text& { return s.txbFile[1]; },
      [](MainWindowController& engine) { engine.txbFile_LostFocus(1); });
  ConnectTextBox(
      c_.txbFolder, [](Settings& s) -> Text& { return s.txbFolder; },
      [](MainWindowController& engine) { engine.txbFolder_LostFocus(); });

  const TextField patternFields[2] = {
      [](Settings& s) -> Text& { return s.txbFileFilepathSpecifications[0]; },
      [](Settings& s) -> Text& { return s.txbFileFilepathSpecifications[1]; }};
  for (int i = 0; i < 2; ++i) {
    QLineEdit* box = c_.txbFileFilepathSpecifications[static_cast<size_t>(i)];
    const TextField field = patternFields[i];
    const Operation commit = [i](MainWindowController& engine) {
      engine.txbFileFilepathSpecifications_LostFocus(i);
    };
    ConnectTextBox(box, field, commit);
    hooks_->OnEnter(box, [this, box, field, commit] {
      field(settings()) = ToText(box->text());
      Dispatch(commit);
    });
  }

  ConnectButton(c_.cmdFolder, [](MainWindowController& engine) { engine.cmdFolder_Click(); });
  ConnectButton(c_.cmdClearFolder,
                [](MainWindowController& engine) { engine.cmdClearFolder_Click(); });
  ConnectButton(c_.cmdListFiles, [](MainWindowController& engine) { engine.cmdListFiles_Click(); });
  ConnectCheck(c_.chkDisableOutputToFile, &Settings::chkDisableOutputToFile,
               &MainWindowController::chkDisableOutputToFile_Click);
  ConnectCheck(c_.chkSuppressWords, &Settings::chkSuppressWords);
}

void MainWindow::WirePhrases() {
  ConnectList(
      c_.cboPhraseLength[0], [](Settings& s) -> int& { return s.cboPhraseLength[0]; },
      [](MainWindowController& engine) { engine.cboPhraseLength_Click(0); });
  ConnectList(
      c_.cboPhraseLength[1], [](Settings& s) -> int& { return s.cboPhraseLength[1]; },
      [](MainWindowController& engine) { engine.cboPhraseLength_Click(1); });
  ConnectList(
      c_.cboMinimumFrequency, [](Settings& s) -> int& { return s.cboMinimumFrequency; },
      [](MainWindowController& engine) { engine.cboMinimumFrequency_Click(); });

  const auto click = &MainWindowController::optIgnoreMode_Click;
  ConnectOption(c_.optAllowPhrasesAllWordsToIgnore, &Settings::ignoreMode,
                IgnoreMode::AllowAllIgnored, click);
  ConnectOption(c_.optExcludePhrasesAllWordsToIgnore, &Settings::ignoreMode,
                IgnoreMode::ExcludeAllIgnored, click);
  ConnectOption(c_.optRemoveWordsToIgnore, &Settings::ignoreMode, IgnoreMode::RemoveIgnored, click);
  ConnectOption(c_.optExcludePhrasesWithWordToIgnore, &Settings::ignoreMode,
                IgnoreMode::ExcludeContainingIgnored, click);
}

void MainWindow::WireFilter() {
  QLineEdit* box = c_.txbFilterWords;
  connect(box, &QLineEdit::textEdited, this, [this](const QString& text) {
    settings().txbFilterWords = ToText(text);
    Dispatch([](MainWindowController& engine) { engine.txbFilterWords_Changed(); });
  });
  hooks_->OnEnter(box, [this, box] {
    settings().txbFilterWords = ToText(box->text());
    Dispatch([](MainWindowController& engine) { engine.txbFilterWords_Enter(); });
  });
  hooks_->OnFocusOut(box, [this, box] {
    if (view_.Applying()) return;
    settings().txbFilterWords = ToText(box->text());
    Dispatch([](MainWindowController& engine) { engine.txbFilterWords_LostFocus(); });
  });
  ConnectButton(c_.cmdFilterResults,
                [](MainWindowController& engine) { engine.cmdFilterResults_Click(); });
  ConnectButton(c_.cmdClear, [](MainWindowController& engine) { engine.cmdClear_Click(); });

  const auto click = &MainWindowController::optFilterMode_Click;
  ConnectOption(c_.optIncludeAllWords, &Settings::filterMode, FilterMode::AllWords, click);
  ConnectOption(c_.optIncludeAllWordsInSameOrder, &Settings::filterMode, FilterMode::SameOrder,
                click);
  ConnectOption(c_.optIncludeAllWordsAsSubphrase, &Settings::filterMode, FilterMode::Subphrase,
                click);
}

void MainWindow::WireReport() {
  ConnectList(
      c_.cboWordOrder, [](Settings& s) -> int& { return s.cboWordOrder; },
      [](MainWindowController& engine) { engine.cboWordOrder_Click(); });
  ConnectList(
      c_.cboDisplayFormat, [](Settings& s) -> int& { return s.cboDisplayFormat; },
      [](MainWindowController& engine) { engine.cboDisplayFormat_Click(); });
  ConnectCheck(c_.chkDisplayRelativeFrequency, &Settings::chkDisplayRelativeFrequency,
               &MainWindowController::chkDisplayRelativeFrequency_Click);
  ConnectCheck(c_.chkSortByNumberOfFiles, &Settings::chkSortByNumberOfFiles,
               &MainWindowController::chkSortByNumberOfFiles_Click);
  ConnectCheck(c_.chkFileList, &Settings::chkFileList, &MainWindowController::chkFileList_Click);
}

void MainWindow::WireCommands() {
  ConnectButton(c_.cmdCountPhrases,
                [](MainWindowController& engine) { engine.cmdCountPhrases_Click(); });
  connect(c_.cmdSetParameters, &QPushButton::clicked, this, &MainWindow::settingsWindowRequested);
  ConnectButton(c_.cmdSaveState, [](MainWindowController& engine) { engine.cmdSaveState_Click(); });
  connect(c_.cmdCopyToClipboard, &QPushButton::clicked, this, &MainWindow::CopyToClipboard);
  ConnectButton(c_.cmdClearOutput,
                [](MainWindowController& engine) { engine.cmdClearOutput_Click(); });
  connect(c_.cmdHelp, &QPushButton::clicked, this, &MainWindow::ShowHelp);
  connect(c_.cmdQuit, &QPushButton::clicked, this, &MainWindow::close);
  for (QWidget* helpKeyTarget : {c_.cmdHelp, c_.cmdFile[0], c_.cmdFile[1], c_.cmdCountPhrases}) {
    hooks_->OnKeyRelease(helpKeyTarget, Qt::Key_F1, [this] { ShowHelp(); });
  }
  hooks_->OnMouseRelease(c_.lblOnlineDocumentation, Qt::LeftButton, [this] { OpenManual(); });
}

void MainWindow::WireOutput() {
  QWidget* surface = c_.txbOutput->viewport();
  hooks_->OnMousePress(surface, Qt::LeftButton, [this] {
    Dispatch([](MainWindowController& engine) { engine.txbOutput_LeftClick(); });
  });
  hooks_->OnMousePress(surface, Qt::RightButton, [this] {
    Dispatch([](MainWindowController& engine) { engine.txbOutput_RightClick(); });
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
  const QTextCursor cursor = c_.txbOutput->textCursor();
  Text selected;
  if (cursor.hasSelection()) {
    const size_t from = ModelPosition(text, cursor.selectionStart());
    const size_t to = ModelPosition(text, cursor.selectionEnd());
    selected = text.substr(from, to - from);
  }
  Dispatch(
      [&selected](MainWindowController& engine) { engine.cmdCopyToClipboard_Click(selected); });
  QTextCursor after = c_.txbOutput->textCursor();
  after.clearSelection();
  c_.txbOutput->setTextCursor(after);
}

void MainWindow::ShowHelp() {
  if (help_ == nullptr) {
    const Session& session = controller_.session();
    help_ = new HelpWindow(session.texts, FromUtf8(ManualPath(session)), this);
    connect(help_, &HelpWindow::closed, this, [this] {
      Dispatch([](MainWindowController& engine) { SetTheFocus(engine.session()); });
    });
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
  Dispatch([](MainWindowController& engine) { engine.cmdQuit_Click(); });
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
  if (!event->spontaneous()) controller_.session().window.SetVisible(ControlId::frmMain, true);
}

void MainWindow::hideEvent(QHideEvent* event) {
  QMainWindow::hideEvent(event);
  if (!event->spontaneous()) controller_.session().window.SetVisible(ControlId::frmMain, false);
}

}  // namespace velt::ui
