// The main window's source controls: the source options, the file and folder
// choosers, the path and pattern boxes with their "Clear" buttons, and the
// listing of the files to be scanned.
#include <filesystem>

#include "engine/window_actions.h"
#include "engine/window_controllers.h"
#include "reports/display_format.h"
#include "settings/ui_texts.h"
#include "sources/file_patterns.h"
#include "sources/folder_scan.h"
#include "sources/input_checks.h"
#include "sources/source_controls.h"
#include "text/path_text.h"
#include "text/strings.h"

namespace velt {

// --- the source options and the choosers ---

void MainWindowEngine::OnSourceChosen(Source source) {
  Session& s = session();
  if (!s.run.startUpCompleted) return;
  s.settings.source = source;
  SelectSource(engine_.sourceContext(), source);
  SetTheFocus(s);
  EnableFormatOptions(engine_.reportContext());
  s.view.SettingsChanged();
}

// "Single file" (index 0) and "Output file" (index 1). An input file chosen
// while another source is selected selects the single-file source.
void MainWindowEngine::OnFileButtonClicked(int index) {
  Session& s = session();
  if (index == 1) {
    ChooseOutputFile(s.shell, s.settings);
    return;
  }
  s.run.countAvailable = false;
  if (!ChooseInputFile(engine_.sourceContext())) return;
  if (s.settings.source != Source::SingleFile) {
    SelectSource(engine_.sourceContext(), Source::SingleFile);
    SetTheFocus(s);
  } else {
    s.view.SettingsChanged();
  }
}

// A new folder hides the counts of the last one; its report goes to the text
// window until output to the file is enabled again.
void MainWindowEngine::OnFolderButtonClicked() {
  Session& s = session();
  if (!ChooseFolder(engine_.sourceContext())) return;
  ConcealNumWords(s, false);
  s.window.SetCaption(ControlId::lblTimeElapsed_1, u"");
  s.settings.outputToFileDisabled = true;
  UpdateIncludeSubfolders(s.shell, s.settings);
  s.view.SettingsChanged();
}

// --- the path boxes and their "Clear" buttons ---

// While the window is disabled (a run) the boxes are not checked.
void MainWindowEngine::OnFilePathLeft(int index) {
  Session& s = session();
  if (!s.window.Get(ControlId::frmMain).enabled) return;
  Text& box = s.settings.filePaths[index];
  box = TrimSpaces(box);
  if (index == 0 && !box.empty()) {
    const InputFileStatus status = CheckInputFileName(engine_.sourceContext(), box);
    if (status != InputFileStatus::Ok) ShowInputFileMessage(s.shell, s.settings, status);
    s.run.countAvailable = false;
    s.sources.fileCountOutOfDate = true;
  }
  UpdateDisableOutputToFile(s.shell, s.settings);
  s.view.SettingsChanged();
  SetTheFocus(s);
}

void MainWindowEngine::OnFolderLeft() {
  Session& s = session();
  if (!s.window.Get(ControlId::frmMain).enabled) return;
  Text& box = s.settings.inputFolder;
  box = TrimSpaces(box);
  s.view.SettingsChanged();
  std::error_code ec;
  if (!box.empty() && !std::filesystem::is_directory(NativePath(box), ec)) {
    s.Message(MessageId::InputFolderMissing, u"Error", s.UIText(ui_text::kFolderMissing),
              MessageIcon::Exclamation);
  }
  UpdateIncludeSubfolders(s.shell, s.settings);
}

void MainWindowEngine::OnClearFileClicked(int index) {
  Session& s = session();
  s.settings.filePaths[index].clear();
  if (index == 1) {
    UpdateDisableOutputToFile(s.shell, s.settings);
  } else {
    ClearSizeLabels(s.window);
  }
  s.view.SettingsChanged();
  s.window.SetFocus(index == 0 ? ControlId::cmdFile_0 : ControlId::cmdFile_1);
}

void MainWindowEngine::OnClearFolderClicked() {
  Session& s = session();
  s.settings.inputFolder.clear();
  UpdateIncludeSubfolders(s.shell, s.settings);
  s.view.SettingsChanged();
  s.window.SetFocus(ControlId::cmdFolder);
}

// --- the folder source's pattern boxes and its file list ---

// A pattern box lost the focus (or Enter was pressed in it): its items are
// stored and shown normalised. An empty box only empties its items.
void MainWindowEngine::OnPathPatternsLeft(int index) {
  Session& s = session();
  Text& box = s.settings.pathPatterns[index];
  box = TrimSpaces(box);
  const bool empty = box.empty();
  box = GetFileFilepathSpecifications(s.settings, s.sources, index);
  s.view.SettingsChanged();
  if (empty) return;
  if (index == 0 && MentionsDocFiles(box)) {
    s.Message(MessageId::DocFilesNotProcessed, u"Match file patterns",
              u"This software does not process .doc files.  To process\r\n"
              u"Word .doc files they should first be converted to .docx files.",
              MessageIcon::Information);
    return;
  }
  if (s.run.startUpCompleted) CheckFilePatterns(s.shell, s.sources);
  UpdatePatternTooltips(s.window, s.settings);
  s.run.countAvailable = false;
  s.sources.fileCountOutOfDate = true;
}

// After the list the window is as before it: the controls enabled again, no
// file shown as being read, and the DOCX temporary folders gone.
void MainWindowEngine::OnListFilesClicked() {
  Session& s = session();
  ConcealNumWords(s, false);
  ListFilesToScan(engine_.sourceContext());
  engine_.EnableDisableButtons(true);
  for (const ControlId id :
       {ControlId::txbFile_0, ControlId::lblFile, ControlId::lblFilesize, ControlId::lblXMLsize}) {
    s.window.SetVisible(id, false);
  }
  s.run.stopRequested = false;
  s.sources.tempArea.Remove();
}

}  // namespace velt
