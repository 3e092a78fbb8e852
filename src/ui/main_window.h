// frmMain, the main window: the controls of the working surface, wired to the
// engine. A user change writes the control's new value into the settings record
// and then calls the engine's operation for it; the engine answers through its
// models, which the QtView mirrors back into the controls.
#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>

#include "engine/main_window_controller.h"
#include "ui/main_window_controls.h"

class QTimer;

namespace velt::ui {

class EventHooks;
class HelpWindow;
class MainWindowLayout;
class PopUpWindow;
class QtView;

class MainWindow final : public QMainWindow {
  Q_OBJECT

 public:
  // Builds the controls and registers them with `view`, which must be the view
  // of the controller's session.
  MainWindow(MainWindowController& controller, QtView& view, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Places and shows the window, runs the engine's start-up, then starts Timer1.
  void ShowAndStartUp();

  // Sets every control from the settings record without raising user events.
  void RefreshFromSettings();

  // Runs Timer2 exactly while the engine's run asks for it.
  void SyncTimer2();

  // The Help button (and F1): opens the help window or restores it.
  void ShowHelp();

  // frmPopUp over this window (the confirmation after the settings are saved).
  void PopUpInForm(const QString& message, int widthTwips, int heightTwips, int intervalMs,
                   int topTwips, int leftTwips);

  const MainWindowControls& controls() const { return c_; }

 signals:
  // The "Settings" button: the Settings window is to be shown.
  void settingsWindowRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  using Operation = std::function<void(MainWindowController&)>;
  using TextField = Text& (*)(Settings&);
  using IndexField = int& (*)(Settings&);

  Settings& settings() { return controller_.session().settings; }
  void Dispatch(const Operation& operation);

  void WireSource();
  void WireFiles();
  void WirePhrases();
  void WireFilter();
  void WireReport();
  void WireCommands();
  void WireOutput();
  void WireTimers();

  template <typename Value>
  void ConnectOption(QRadioButton* option, Value Settings::*field, Value value,
                     void (MainWindowController::*click)(Value));
  void ConnectCheck(QCheckBox* box, bool Settings::*field,
                    void (MainWindowController::*click)() = nullptr);
  void ConnectList(QComboBox* list, IndexField field, const Operation& click);
  void ConnectTextBox(QLineEdit* box, TextField field, const Operation& lostFocus);
  void ConnectButton(QPushButton* button, const Operation& click);

  void CopyToClipboard();
  void OpenManual();
  void PlaceOnScreen();
  void LimitSizeAfterStartUp();

  MainWindowController& controller_;
  QtView& view_;
  MainWindowControls c_;
  std::unique_ptr<MainWindowLayout> layout_;
  EventHooks* hooks_;
  QTimer* timer1_;
  QTimer* timer2_;
  HelpWindow* help_ = nullptr;
  PopUpWindow* popUp_ = nullptr;
  int callDepth_ = 0;  // engine operations on the stack (a run yields to events)
};

}  // namespace velt::ui
