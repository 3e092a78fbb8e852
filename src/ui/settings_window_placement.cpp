#include "ui/settings_window_placement.h"

#include <QScreen>
#include <QWidget>

#include "ui/twips.h"

namespace velt::ui {
namespace {

constexpr int kBelowInputBoxTwips = 1000;
constexpr int kRightOfSettingsButtonTwips = 300;
constexpr int kBelowListTwips = 750;
constexpr int kRightOfListTwips = 150;

QPoint CentredOnScreen(const QWidget* mainWindow, const QWidget* window) {
  const QScreen* screen = mainWindow->screen();
  if (screen == nullptr) return window->pos();
  const QRect available = screen->availableGeometry();
  const QSize size = window->frameGeometry().size();
  return available.topLeft() +
         QPoint((available.width() - size.width()) / 2, (available.height() - size.height()) / 2);
}

}  // namespace

QPoint SettingsWindowPosition(const QWidget* mainWindow, const QWidget* inputFileBox,
                              const QWidget* settingsButton, const QWidget* settingsWindow) {
  if (mainWindow->isMinimized() || mainWindow->isMaximized()) {
    return CentredOnScreen(mainWindow, settingsWindow);
  }
  const int inputBoxTop = inputFileBox->mapTo(mainWindow, QPoint(0, 0)).y();
  return mainWindow->pos() +
         QPoint(settingsButton->width() + TwipsToPixels(kRightOfSettingsButtonTwips, mainWindow),
                inputBoxTop + TwipsToPixels(kBelowInputBoxTwips, mainWindow));
}

QPoint LoadRemoveDialogPosition(const QWidget* settingsWindow, const QWidget* frame,
                                const QWidget* list) {
  const QPoint frameTop = frame->mapTo(settingsWindow, QPoint(0, 0));
  const QPoint listInFrame = list->mapTo(frame, QPoint(0, 0));
  return settingsWindow->pos() +
         QPoint(listInFrame.x() + TwipsToPixels(kRightOfListTwips, settingsWindow),
                frameTop.y() + listInFrame.y() + TwipsToPixels(kBelowListTwips, settingsWindow));
}

}  // namespace velt::ui
