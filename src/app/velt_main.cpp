// velt: the desktop program.
#include <QApplication>
#include <QMessageBox>

#include "platform/data_dir.h"
#include "settings/ui_text_table.h"
#include "ui/main_window.h"

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
  velt::ui::MainWindow window(texts);
  window.show();
  return app.exec();
}
