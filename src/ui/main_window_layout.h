// The arrangement of the main window: the source frame and the file boxes at
// the top, the text window with its counters and the report options on the
// left, the phrase, ignore-mode and filter frames in a column on the right, the
// command buttons at the bottom. The text window takes every pixel the window
// gains; hidden controls give their room back.
#pragma once

#include "settings/settings.h"
#include "ui/main_window_controls.h"

class QGridLayout;

namespace velt::ui {

class MainWindowLayout {
 public:
  // Arranges the controls on `central`, which becomes their parent.
  MainWindowLayout(QWidget* central, const MainWindowControls& controls);

  // The size labels sit beside the input file box for the single-file source
  // and move under the folder box for the folder source.
  void PlaceSizeLabels(Source source);

 private:
  QGridLayout* files_;
  QWidget* sizeLabels_;
  bool underFolder_ = false;
};

}  // namespace velt::ui
