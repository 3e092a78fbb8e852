// The source controls of the main window: the source options, the file and
// folder choosers, the path boxes, and which of them are shown and enabled.
#pragma once

#include "sources/source_hooks.h"

namespace velt {

// Selects a source: keeps the input and folder boxes of the other sources,
// lays the controls out and enables them.
void SelectSource(SourceContext& context, Source source);

// Shows the controls of the given source only.
void LayOutSourceControls(WindowModel& window, Source source);

// Enabling and disabling of the source controls as a group (through
// EnableDisableButtons).
void EnableSourceControls(Shell& shell, Settings& settings);
void DisableSourceControls(WindowModel& window);

// "Include subfolders" is available only for a folder that has subfolders.
void UpdateIncludeSubfolders(Shell& shell, Settings& settings);

// "Disable" is available only while an output file is named.
void UpdateDisableOutputToFile(Shell& shell, Settings& settings);

// The "Single file" chooser: the chosen file fills the input box (and the box
// remembered for the single-file source), its size is shown, and the text
// window and the previous count's results are cleared. False when nothing
// was chosen.
bool ChooseInputFile(SourceContext& context);

// The "Output file" chooser. A file in the folder to be scanned is refused at
// once. False when nothing was chosen or the choice was refused.
bool ChooseOutputFile(Shell& shell, Settings& settings);

// The "Folder" chooser: the chosen folder fills the folder box, the text
// window is cleared and the count and the file count are out of date. False
// when nothing was chosen.
bool ChooseFolder(SourceContext& context);

}  // namespace velt
