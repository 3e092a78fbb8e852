// The source controls of the main window: the source options, the file and
// folder choosers, the path boxes and their "Clear" buttons, and which of
// them are shown and enabled.
#pragma once

#include "sources/source_hooks.h"

namespace velt {

// A source option was selected: keeps the input and folder boxes of the other
// sources, lays the controls out and enables them.
void optSource_Click(Session& session, Source source);

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
void cmdFile_Click(SourceContext& context, int index);

// The "Folder" chooser.
void cmdFolder_Click(SourceContext& context);

// The path boxes losing the focus.
void txbFile_LostFocus(Session& session, int index);
void txbFolder_LostFocus(Session& session);

// The "Clear" buttons.
void cmdClearFile_Click(Session& session, int index);
void cmdClearFolder_Click(Session& session);

}  // namespace velt
