#include "ui/settings_window.h"
#include "ui/twips.h"
#include "ui/widget_helpers.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <exception>

#include "settings/ui_texts.h"
#include "ui/event_hooks.h"
#include "ui/load_remove_dialog.h"
#include "ui/pop_up_window.h"
#include "ui/qt_text.h"
#include "ui/qt_view.h"
#include "ui/settings_window_placement.h"

namespace velt::ui {
namespace {

constexpr int kPopUpHeightTwips = 300;
constexpr int kPopUpIntervalMs = 2000;

// The list shows the entries of `files` with its selection.
void SetWordsFiles(QComboBox* list, const WordsFileList& files) {
  const QSignalBlocker blocker(list);
  bool same = list->count() == static_cast<int>(files.entries.size());
  for (int i = 0; same && i < list->count(); ++i)
    same = list->itemText(i) == ToQString(files.entries[static_cast<size_t>(i)]);
  if (!same) {
    list->clear();
    for (const Text& path : files.entries)
      list->addItem(ToQString(path));
  }
  list->setCurrentIndex(files.HasSelection() ? files.index : -1);
}

}  // namespace

SettingsWindow::SettingsWindow(SettingsWindowController& controller, QtView& view,
                               MainWindowParts main, std::function<void()> quit)
    : QWidget(main.window, Qt::Window),
      controller_(controller),
      view_(view),
      main_(main),
      quit_(std::move(quit)),
      hooks_(new EventHooks(this)) {
  Session& session = controller_.session();
  setObjectName("frmParams");
  setWindowTitle(ToQString(session.UIText(ui_text::kSettingsWindowTitle)));
  // Frames, buttons, check boxes, labels and lists; the text boxes keep their own.
  setFont(QFont(QStringLiteral("Arial"), 9));
  c_ = CreateSettingsWindowControls(this);
  const std::vector<QWidget*> order = c_.TabOrder();
  for (size_t i = 1; i < order.size(); ++i)
    setTabOrder(order[i - 1], order[i]);

  WireCheckBoxes();
  WireWordShapes();
  WireWordsToIgnore();
  WireSettingsFiles();
  WireWindowButtons();

  view_.Attach(session);
  view_.AddSettingsRefresher([window = QPointer<SettingsWindow>(this)] {
    if (window) window->RefreshFromSettings();
  });
  view_.AddWindow(this);  // the model learns that frmParams is not shown yet
  RefreshFromSettings();
}

SettingsWindow::~SettingsWindow() = default;

void SettingsWindow::Open() {
  show();
  raise();
  activateWindow();
}

void SettingsWindow::Dispatch(const Operation& operation) {
  try {
    operation(controller_);
  } catch (const std::exception& failure) {
    // Nothing may escape into Qt's event loop; the program goes on.
    QMessageBox::critical(this, windowTitle(),
                          QStringLiteral("Unexpected error: ") + QString::fromUtf8(failure.what()));
  }
  // What the operation changed in the record is shown even if it did not say so.
  RefreshFromSettings();
}

void SettingsWindow::RefreshFromSettings() {
  const Settings& s = settings();
  const auto table = SettingsCheckBoxes();
  for (size_t i = 0; i < table.size(); ++i)
    SetChecked(c_.checks[i], s.*table[i].field);
  SetIndex(c_.shortWordSizeIndex, s.shortWordSizeIndex);
  SetIndex(c_.longWordSizeIndex, s.longWordSizeIndex);
  SetIndex(c_.commonWordsLanguage, s.commonWordsLanguage);
  SetWordsFiles(c_.wordsFileList, s.wordsFileList);
  SetText(c_.extraWords, s.extraWords);
}

void SettingsWindow::ConnectButton(QPushButton* button, const Operation& click) {
  connect(button, &QPushButton::clicked, this, [this, click] { Dispatch(click); });
}

void SettingsWindow::WireCheckBoxes() {
  const auto table = SettingsCheckBoxes();
  for (size_t i = 0; i < table.size(); ++i) {
    const SettingsCheckBox& entry = table[i];
    connect(c_.checks[i], &QCheckBox::clicked, this, [this, &entry](bool checked) {
      settings().*entry.field = checked;
      if (const std::optional<WordRuleBox> rule = entry.rule) {
        Dispatch([rule](SettingsWindowController& engine) { engine.OnWordRuleClicked(*rule); });
      }
    });
  }
}

void SettingsWindow::WireWordShapes() {
  connect(c_.shortWordSizeIndex, &QComboBox::activated, this,
          [this](int index) { settings().shortWordSizeIndex = index; });
  connect(c_.longWordSizeIndex, &QComboBox::activated, this,
          [this](int index) { settings().longWordSizeIndex = index; });
}

void SettingsWindow::WireWordsToIgnore() {
  connect(c_.commonWordsLanguage, &QComboBox::activated, this, [this](int index) {
    settings().commonWordsLanguage = index;
    Dispatch([](SettingsWindowController& engine) { engine.OnCommonWordsLanguageChosen(); });
  });
  connect(c_.wordsFileList, &QComboBox::activated, this, &SettingsWindow::WordsFileChosen);
  ConnectButton(c_.selectWordsFileButton,
                [](SettingsWindowController& engine) { engine.OnSelectWordsFileClicked(); });
  ConnectButton(c_.clearWordsFilesButton,
                [](SettingsWindowController& engine) { engine.OnClearWordsFilesClicked(); });

  QLineEdit* box = c_.extraWords;
  connect(box, &QLineEdit::textEdited, this,
          [this](const QString& text) { settings().extraWords = ToText(text); });
  hooks_->OnEnter(box, [this] { CommitExtraWords(); });
  hooks_->OnFocusOut(box, [this] {
    // Focus moved by the engine (the frame disabled for a count) is not the
    // user leaving the box.
    if (view_.Applying()) return;
    CommitExtraWords();
  });
  connect(c_.clearExtraWordsButton, &QPushButton::clicked, this, [this] {
    settings().extraWords.clear();
    SetText(c_.extraWords, {});
    Dispatch([](SettingsWindowController& engine) { engine.OnClearExtraWordsClicked(); });
  });
}

void SettingsWindow::WireSettingsFiles() {
  ConnectButton(c_.saveSettingsButton,
                [](SettingsWindowController& engine) { engine.OnSaveSettingsClicked(); });
  ConnectButton(c_.reinitializeButton,
                [](SettingsWindowController& engine) { engine.OnReinitializeClicked(); });
  for (int i = 0; i < 2; ++i) {
    ConnectButton(
        c_.saveLoadButtons[static_cast<size_t>(i)],
        [i](SettingsWindowController& engine) { engine.OnSaveOrLoadSettingsFileClicked(i); });
  }
}

void SettingsWindow::WireWindowButtons() {
  for (int i = 0; i < 2; ++i) {
    ConnectButton(
        c_.setOrClearCheckboxesButtons[static_cast<size_t>(i)],
        [i](SettingsWindowController& engine) { engine.OnSetOrClearCheckboxesClicked(i); });
  }
  connect(c_.restoreDefaultsButton, &QPushButton::clicked, this, [this] {
    Dispatch([](SettingsWindowController& engine) { engine.OnRestoreDefaultsClicked(); });
    FocusHideSettings();
  });
  connect(c_.closeButton, &QPushButton::clicked, this, &SettingsWindow::HideSettings);
  connect(c_.quitButton, &QPushButton::clicked, this, &SettingsWindow::Quit);
}

void SettingsWindow::CommitExtraWords() {
  settings().extraWords = ToText(c_.extraWords->text());
  Dispatch([](SettingsWindowController& engine) { engine.OnExtraWordsLeft(); });
}

void SettingsWindow::WordsFileChosen(int index) {
  settings().wordsFileList.index = index;
  bool wanted = false;
  Dispatch(
      [&wanted](SettingsWindowController& engine) { wanted = engine.WordsFileChoiceWanted(); });
  const WordsFileList& files = settings().wordsFileList;
  if (!wanted || index < 0 || index >= static_cast<int>(files.entries.size())) return;
  if (loadRemove_ == nullptr) loadRemove_ = new LoadRemoveDialog(this);
  const LoadRemoveChoice choice =
      loadRemove_->Ask(ToQString(files.entries[static_cast<size_t>(index)]),
                       LoadRemoveDialogPosition(this, c_.wordsToIgnoreGroup, c_.wordsFileList));
  Dispatch([choice](SettingsWindowController& engine) { engine.OnWordsFileActionChosen(choice); });
}

void SettingsWindow::HideSettings() {
  hide();
  if (main_.window != nullptr) main_.window->activateWindow();
  Dispatch([](SettingsWindowController& engine) { engine.OnSettingsHidden(); });
}

void SettingsWindow::Quit() {
  bool confirmed = false;
  Dispatch([&confirmed](SettingsWindowController& engine) { confirmed = engine.OnQuitClicked(); });
  if (confirmed && quit_) quit_();
}

void SettingsWindow::PopUpBelow(QWidget* button, const QString& message, int widthTwips) {
  if (popUp_ == nullptr) popUp_ = new PopUpWindow(this);
  popUp_->PopUpInForm(button, message, widthTwips, kPopUpHeightTwips, kPopUpIntervalMs,
                      PixelsToTwips(button->height(), button), 0);
}

void SettingsWindow::PlaceAndFocus() {
  if (main_.window != nullptr && main_.inputFileBox != nullptr && main_.settingsButton != nullptr) {
    move(SettingsWindowPosition(main_.window, main_.inputFileBox, main_.settingsButton, this));
  }
  FocusHideSettings();
}

void SettingsWindow::FocusHideSettings() {
  if (c_.closeButton->isEnabled() && c_.closeButton->isVisibleTo(this)) {
    c_.closeButton->setFocus(Qt::OtherFocusReason);
  }
}

bool SettingsWindow::event(QEvent* event) {
  // Activated by the user: placed and focused again. Activated again after a
  // modal dialog of the program (a message, a file dialog, Load/Remove): the
  // user is still at work in this window, so it stays as it is.
  if (event->type() == QEvent::WindowActivate) {
    if (!leftForDialog_) PlaceAndFocus();
    leftForDialog_ = false;
  } else if (event->type() == QEvent::WindowDeactivate && QApplication::activeModalWidget()) {
    leftForDialog_ = true;
  }
  return QWidget::event(event);
}

void SettingsWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous()) return;
  controller_.session().window.SetVisible(ControlId::frmParams, true);
  PlaceAndFocus();
}

void SettingsWindow::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (!event->spontaneous()) controller_.session().window.SetVisible(ControlId::frmParams, false);
}

void SettingsWindow::closeEvent(QCloseEvent* event) {
  // Closed by the user: the window stays loaded, as with "Hide settings".
  // Closed by the program (the application quitting): it closes.
  if (!event->spontaneous()) {
    QWidget::closeEvent(event);
    return;
  }
  event->ignore();
  HideSettings();
}

}  // namespace velt::ui
