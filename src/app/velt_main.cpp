// velt: the desktop program.
#include <QApplication>
#include <QMessageBox>

#include "engine/engine.h"
#include "platform/data_dir.h"
#include "settings/state_file.h"
#include "settings/ui_text_table.h"
#include "ui/main_window.h"
#include "ui/qt_clipboard.h"
#include "ui/qt_dialogs.h"
#include "ui/qt_event_pump.h"
#include "ui/qt_view.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const std::string dataDir =
      velt::FindDataDir(QCoreApplication::applicationDirPath().toStdString());
  velt::UiTextTable texts;
  const std::string textPath = velt::UiTextFilePath(dataDir);
  const int loaded = texts.Load(textPath);
  if (loaded < 1) {
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
  dialogs.SetParent(&window);
  // A run yields through the pump; its elapsed-time timer must start at once.
  pump.SetBeforeEvents([&window] { window.SyncTimer2(); });
  window.ShowAndStartUp();
  return app.exec();
}
