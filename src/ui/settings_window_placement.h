// Where the Settings window and its Load/Remove dialog appear. Positions are
// outer (frame) positions on the screen, as QWidget::move takes them; control
// positions are measured in the client area of their window.
#pragma once

#include <QPoint>

class QWidget;

namespace velt::ui {

// The Settings window sits below the main window's input-file box (1000 twips
// lower) and right of the width of its "Settings" button (300 twips more). When
// the main window is minimised or maximised, it is centred on the screen.
QPoint SettingsWindowPosition(const QWidget* mainWindow, const QWidget* inputFileBox,
                              const QWidget* settingsButton, const QWidget* settingsWindow);

// The Load/Remove dialog sits 750 twips below the top of the words-file list
// (the list's frame top plus the list's top in that frame) and 150 twips right
// of the list's left edge in its frame.
QPoint LoadRemoveDialogPosition(const QWidget* settingsWindow, const QWidget* frame,
                                const QWidget* list);

}  // namespace velt::ui
