#include "sources/source_controls.h"

#include <filesystem>
#include <initializer_list>

#include "platform/path_compare.h"
#include "settings/ui_texts.h"
#include "sources/input_checks.h"
#include "text/path_text.h"
#include "text/strings.h"

namespace velt {
namespace fs = std::filesystem;
namespace {

constexpr ControlId kInputControls[] = {ControlId::cmdFile_0, ControlId::txbFile_0,
                                        ControlId::cmdClearFile_0};
constexpr ControlId kFolderControls[] = {ControlId::cmdFolder, ControlId::txbFolder,
                                         ControlId::cmdClearFolder};
constexpr ControlId kOutputControls[] = {ControlId::cmdFile_1, ControlId::txbFile_1,
                                         ControlId::cmdClearFile_1};
constexpr ControlId kPatternControls[] = {
    ControlId::lblScanOnlyFiles, ControlId::txbFileFilepathSpecifications_0,
    ControlId::lblExcludeFilepaths, ControlId::txbFileFilepathSpecifications_1,
    ControlId::cmdListFiles};
constexpr ControlId kSizeLabels[] = {ControlId::lblFilesize, ControlId::lblXMLsize};

template <size_t N>
void SetVisible(WindowModel& window, const ControlId (&ids)[N], bool visible) {
  for (const ControlId id : ids)
    window.SetVisible(id, visible);
}

template <size_t N>
void SetEnabled(WindowModel& window, const ControlId (&ids)[N], bool enabled) {
  for (const ControlId id : ids)
    window.SetEnabled(id, enabled);
}

bool HasSubfolder(const std::string& folder) {
  std::error_code ec;
  fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    std::error_code typeError;
    if (fs::is_directory(it->symlink_status(typeError)) && !typeError) return true;
  }
  return false;
}

FileDialogRequest ChooserRequest(const Shell& shell, int index) {
  FileDialogRequest request;
  request.title =
      shell.UIText(index == 0 ? ui_text::kSpecifyInputFileTitle : ui_text::kSpecifyOutputFileTitle);
  if (index == 0) {
    request.filters = {{u"A text file or a docx file", u"*"}};
    request.mustExist = true;
  }
  return request;
}

// A chooser gave a file: the elapsed time and the size labels of the last
// file go.
void ClearFileLabels(WindowModel& window) {
  window.SetCaption(ControlId::lblTimeElapsed_1, u"");
  ClearSizeLabels(window);
}

// The chosen output file lies in the folder to be scanned: refused at once.
bool RefuseOutputInFolder(Shell& shell, Settings& settings, TextView chosen) {
  const Text folder = TrimSpaces(settings.inputFolder);
  if (settings.source != Source::Folder || folder.empty()) return false;
  if (!IsWithinFolder(NativePath(folder), NativePath(chosen))) return false;
  shell.Message(MessageId::ChosenOutputFileInFolder, u"Invalid output file",
                u"The output file cannot be in the folder or a subfolder",
                MessageIcon::Information);
  settings.filePaths[1].clear();
  shell.view.SettingsChanged();
  return true;
}

}  // namespace

void SelectSource(SourceContext& context, Source source) {
  Settings& settings = context.settings;
  SourceState& state = context.state;
  settings.source = source;
  context.run.countAvailable = false;
  if (source != Source::Clipboard) state.fileCountOutOfDate = true;
  context.shell.window.SetEnabled(ControlId::chkFileList, source == Source::Folder);
  switch (source) {
    case Source::Clipboard:
      state.savedInputFile = settings.filePaths[0];
      state.savedFolder = settings.inputFolder;
      break;
    case Source::SingleFile:
      settings.filePaths[0] = state.savedInputFile;
      state.savedFolder = settings.inputFolder;
      break;
    case Source::Folder:
      state.savedInputFile = settings.filePaths[0];
      settings.inputFolder = state.savedFolder;
      UpdateIncludeSubfolders(context.shell, settings);
      break;
  }
  context.shell.view.SettingsChanged();
  LayOutSourceControls(context.shell.window, source);
  EnableSourceControls(context.shell, settings);
}

void LayOutSourceControls(WindowModel& window, Source source) {
  SetVisible(window, kFolderControls, source == Source::Folder);
  SetVisible(window, kInputControls, source == Source::SingleFile);
  SetVisible(window, kSizeLabels, source == Source::SingleFile);
  // There is no clipboard viewer program to start on this platform.
  window.SetVisible(ControlId::cmdClipboardViewer, false);
}

void EnableSourceControls(Shell& shell, Settings& settings) {
  WindowModel& window = shell.window;
  const Source source = settings.source;
  SetEnabled(window, kInputControls, source == Source::SingleFile);
  SetEnabled(window, kFolderControls, source == Source::Folder);
  window.SetVisible(ControlId::chkIncludeSubfolders, source == Source::Folder);
  if (source == Source::Folder) UpdateIncludeSubfolders(shell, settings);
  SetVisible(window, kPatternControls, source == Source::Folder);
  SetEnabled(window, kOutputControls, true);
  UpdateDisableOutputToFile(shell, settings);
  window.SetCaption(ControlId::lblTwirler, u" ");
}

void DisableSourceControls(WindowModel& window) {
  SetEnabled(window, kInputControls, false);
  SetEnabled(window, kFolderControls, false);
  window.SetEnabled(ControlId::chkIncludeSubfolders, false);
  SetEnabled(window, kOutputControls, false);
  window.SetEnabled(ControlId::chkDisableOutputToFile, false);
  window.Repaint(ControlId::frmMain);
}

void UpdateIncludeSubfolders(Shell& shell, Settings& settings) {
  const Text folder = TrimSpaces(settings.inputFolder);
  const bool available = !folder.empty() && HasSubfolder(NativePath(folder));
  shell.window.SetEnabled(ControlId::chkIncludeSubfolders, available);
  if (!available && settings.includeSubfolders) {
    settings.includeSubfolders = false;
    shell.view.SettingsChanged();
  }
}

void UpdateDisableOutputToFile(Shell& shell, Settings& settings) {
  const bool named = !settings.filePaths[1].empty();
  shell.window.SetEnabled(ControlId::chkDisableOutputToFile, named);
  if (!named && settings.outputToFileDisabled) {
    settings.outputToFileDisabled = false;
    shell.view.SettingsChanged();
  }
}

bool ChooseInputFile(SourceContext& context) {
  Settings& settings = context.settings;
  const std::optional<Text> chosen =
      context.shell.dialogs.OpenFile(ChooserRequest(context.shell, 0));
  if (!chosen) return false;
  ClearFileLabels(context.shell.window);
  settings.filePaths[0] = *chosen;
  context.hooks.ClearTextbox();
  CheckInputFileName(context, *chosen);
  context.hooks.ClearPreviousResults();
  // Selecting the single-file source restores the remembered input box:
  // remember the chosen file first so that it stays.
  context.state.savedInputFile = settings.filePaths[0];
  return true;
}

bool ChooseOutputFile(Shell& shell, Settings& settings) {
  const std::optional<Text> chosen = shell.dialogs.SaveFile(ChooserRequest(shell, 1));
  if (!chosen) return false;
  ClearFileLabels(shell.window);
  if (RefuseOutputInFolder(shell, settings, *chosen)) return false;
  settings.filePaths[1] = *chosen;
  settings.outputToFileDisabled = false;
  UpdateDisableOutputToFile(shell, settings);
  shell.view.SettingsChanged();
  return true;
}

bool ChooseFolder(SourceContext& context) {
  const std::optional<Text> chosen =
      context.shell.dialogs.BrowseFolder(context.shell.UIText(ui_text::kChooseFolder));
  if (!chosen) return false;
  context.settings.inputFolder = *chosen;
  context.hooks.ClearTextbox();
  context.run.countAvailable = false;
  context.state.fileCountOutOfDate = true;
  return true;
}

}  // namespace velt
