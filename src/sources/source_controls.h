// The source controls of the main window: the source options, the file and
// folder choosers, the path boxes and their "Clear" buttons, and which of
// them are shown and enabled.
#pragma once

#include "sources/source_hooks.h"

namespace velt {

// A source option was selected: keeps the input and folder boxes of the other
// sources, lays the controls out and enables them.
void OnSourceChosen(Session& session, Source source);

// Shows the controls of the selected source only.
void LayOutSourceControls(Session& session);

// Enabling and disabling of the source controls as a group (through
// EnableDisableButtons).
void EnableSourceControls(Session& session);
void DisableSourceControls(Session& session);

// "Include subfolders" is available only for a folder that has subfolders.
void UpdateIncludeSubfolders(Session& session);

// "Disable" is available only while an output file is named.
void UpdateDisableOutputToFile(Session& session);

// The "Single file" (index 0) and "Output file" (index 1) choosers.
void OnFileButtonClicked(SourceContext& context, int index);

// The "Folder" chooser.
void OnFolderButtonClicked(SourceContext& context);

// The path boxes losing the focus.
void OnFilePathLeft(Session& session, int index);
void OnFolderLeft(Session& session);

// The "Clear" buttons.
void OnClearFileClicked(Session& session, int index);
void OnClearFolderClicked(Session& session);

}  // namespace velt
