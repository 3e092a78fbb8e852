// frmParams, the Settings window: what counts as a word, which words to ignore,
// phrase boundaries, options and settings files. A user change writes the
// control's new value into the settings record, then calls the engine's
// operation for it (most check boxes have none: their value is read when it is
// used). The engine answers through its models; the window shows a changed
// settings record again when the view asks it to.
#pragma once

#include <QWidget>
#include <functional>

#include "engine/settings_window_controller.h"
#include "ui/settings_window_controls.h"

namespace velt::ui {

class EventHooks;
class LoadRemoveDialog;
class PopUpWindow;
class QtView;

class SettingsWindow final : public QWidget {
  Q_OBJECT

 public:
  // The parts of the main window the Settings window is placed by.
  struct MainWindowParts {
    QWidget* window;          // frmMain: the owner, and where "Hide settings" returns
    QWidget* inputFileBox;    // txbFile_0
    QWidget* settingsButton;  // settingsButton
  };

  // Builds the controls, registers them with `view` (which must be the view of
  // the controller's session) and shows the settings record. `quit` ends the
  // program the way the main window's Quit does; it runs when the engine
  // confirms "Quit".
  SettingsWindow(SettingsWindowController& controller, QtView& view, MainWindowParts main,
                 std::function<void()> quit);
  ~SettingsWindow() override;

  // The main window's "Settings" button: shows the window, or brings it to the
  // front when it is shown already, and makes it the active window.
  void Open();

  // Sets every control from the settings record without raising user events.
  void RefreshFromSettings();

  // frmPopUp just below one of this window's buttons, as wide as `widthTwips`,
  // 300 twips high, for 2000 ms ("Save settings": 2350 twips, "Reinitialize":
  // 2400 twips).
  void PopUpBelow(QWidget* button, const QString& message, int widthTwips);

  const SettingsWindowControls& controls() const { return c_; }

  // The Load/Remove dialog, once the list has needed it (for tests).
  LoadRemoveDialog* loadRemoveDialog() const { return loadRemove_; }

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  using Operation = std::function<void(SettingsWindowController&)>;

  Settings& settings() { return controller_.session().settings; }
  void Dispatch(const Operation& operation);

  void WireCheckBoxes();
  void WireWordShapes();
  void WireWordsToIgnore();
  void WireSettingsFiles();
  void WireWindowButtons();
  void ConnectButton(QPushButton* button, const Operation& click);

  void CommitExtraWords();
  void WordsFileChosen(int index);
  void HideSettings();
  void Quit();
  void PlaceAndFocus();
  // "Hide settings" takes the focus when it can.
  void FocusHideSettings();

  SettingsWindowController& controller_;
  QtView& view_;
  MainWindowParts main_;
  std::function<void()> quit_;
  SettingsWindowControls c_;
  EventHooks* hooks_;
  LoadRemoveDialog* loadRemove_ = nullptr;
  PopUpWindow* popUp_ = nullptr;
  // Set when the window lost the activation to a modal dialog of the program:
  // its next activation is the return from that dialog, not the user's.
  bool leftForDialog_ = false;
};

}  // namespace velt::ui
