// velt: the desktop program.
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "engine/engine.h"
#include "platform/data_dir.h"
#include "settings/state_file.h"
#include "settings/ui_text_table.h"
#include "ui/main_window.h"
#include "ui/pop_up_window.h"
#include "ui/qt_clipboard.h"
#include "ui/qt_dialogs.h"
#include "ui/qt_event_pump.h"
#include "ui/qt_view.h"
#include "ui/settings_window.h"
#include "ui/twips.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const std::string dataDir =
      velt::FindDataDir(QCoreApplication::applicationDirPath().toStdString());
  velt::UiTextTable texts;
  const std::string textPath = velt::UiTextFilePath(dataDir);
  const velt::UiTextLoadResult loaded = texts.Load(textPath);
  if (!loaded.loaded()) {
    const velt::Text message = velt::UiTextLoadErrorMessage(loaded, textPath);
    QMessageBox::critical(nullptr, QString(), QString::fromStdU16String(message));
    return 1;
  }

  velt::ui::QtDialogs dialogs;
  velt::ui::QtView view;
  velt::ui::QtEventPump pump;
  velt::ui::QtClipboard clipboard;
  velt::Engine engine(velt::Seams{dialogs, view, pump, clipboard}, texts,
                      {dataDir, velt::DefaultStatePath()});

  velt::ui::MainWindow window(engine.mainWindow(), view);
  auto* settingsWindow = new velt::ui::SettingsWindow(
      engine.settingsWindow(), view,
      {&window, window.controls().filePaths[0], window.controls().settingsButton},
      [&window] { window.close(); });
  QObject::connect(&window, &velt::ui::MainWindow::settingsWindowRequested, settingsWindow,
                   &velt::ui::SettingsWindow::Open);

  // The engine's confirmations: below the Settings window's buttons, or below
  // the main window's "Save settings" (its width minus 50 twips).
  velt::ui::PopUpWindow mainPopUp(&window);
  view.SetPopUpHandler([&](velt::ControlId below, const QString& message, int widthTwips) {
    QWidget* button = view.Widget(below);
    if (button == nullptr) return;
    if (velt::OwningWindow(below) == velt::ControlId::frmParams) {
      settingsWindow->PopUpBelow(button, message, widthTwips);
    } else {
      mainPopUp.PopUpInForm(button, message, velt::ui::PixelsToTwips(button->width(), button) - 50,
                            300, 2000, velt::ui::PixelsToTwips(button->height(), button), 0);
    }
  });
  dialogs.SetParent(&window);
  // A run yields through the pump; its elapsed-time timer must start at once.
  pump.SetBeforeEvents([&window] { window.SyncTimer2(); });
  window.ShowAndStartUp();
  return app.exec();
}
