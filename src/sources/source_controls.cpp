#include "sources/source_controls.h"

#include <filesystem>
#include <initializer_list>

#include "engine/window_actions.h"
#include "platform/path_compare.h"
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
void SetVisible(Session& session, const ControlId (&ids)[N], bool visible) {
  for (const ControlId id : ids)
    session.window.SetVisible(id, visible);
}

template <size_t N>
void SetEnabled(Session& session, const ControlId (&ids)[N], bool enabled) {
  for (const ControlId id : ids)
    session.window.SetEnabled(id, enabled);
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

void ClearSizeLabels(Session& session) {
  for (const ControlId id : kSizeLabels)
    session.window.SetCaption(id, u"");
}

FileDialogRequest ChooserRequest(const Session& session, int index) {
  FileDialogRequest request;
  request.title = session.UIText(index == 0 ? 46 : 47);
  if (index == 0) {
    request.filters = {{u"A text file or a docx file", u"*"}};
    request.mustExist = true;
  }
  return request;
}

// The chosen output file lies in the folder to be scanned: refused at once.
bool RefuseOutputInFolder(Session& session, TextView chosen) {
  const Settings& settings = session.settings;
  const Text folder = TrimSpaces(settings.inputFolder);
  if (settings.source != Source::Folder || folder.empty()) return false;
  if (!IsWithinFolder(NativePath(folder), NativePath(chosen))) return false;
  session.Message(u"Invalid output file", u"The output file cannot be in the folder or a subfolder",
                  MessageIcon::Information);
  session.settings.filePaths[1].clear();
  session.view.SettingsChanged();
  return true;
}

}  // namespace

void OnSourceChosen(Session& session, Source source) {
  Settings& settings = session.settings;
  SourceState& state = session.sources;
  settings.source = source;
  session.run.countAvailable = false;
  if (source != Source::Clipboard) state.fileCountOutOfDate = true;
  session.window.SetEnabled(ControlId::chkFileList, source == Source::Folder);
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
      UpdateIncludeSubfolders(session);
      break;
  }
  session.view.SettingsChanged();
  LayOutSourceControls(session);
  EnableSourceControls(session);
  SetTheFocus(session);
}

void LayOutSourceControls(Session& session) {
  const Source source = session.settings.source;
  SetVisible(session, kFolderControls, source == Source::Folder);
  SetVisible(session, kInputControls, source == Source::SingleFile);
  SetVisible(session, kSizeLabels, source == Source::SingleFile);
  // There is no clipboard viewer program to start on this platform.
  session.window.SetVisible(ControlId::cmdClipboardViewer, false);
}

void EnableSourceControls(Session& session) {
  const Source source = session.settings.source;
  SetEnabled(session, kInputControls, source == Source::SingleFile);
  SetEnabled(session, kFolderControls, source == Source::Folder);
  session.window.SetVisible(ControlId::chkIncludeSubfolders, source == Source::Folder);
  if (source == Source::Folder) UpdateIncludeSubfolders(session);
  SetVisible(session, kPatternControls, source == Source::Folder);
  SetEnabled(session, kOutputControls, true);
  UpdateDisableOutputToFile(session);
  session.window.SetCaption(ControlId::lblTwirler, u" ");
}

void DisableSourceControls(Session& session) {
  SetEnabled(session, kInputControls, false);
  SetEnabled(session, kFolderControls, false);
  session.window.SetEnabled(ControlId::chkIncludeSubfolders, false);
  SetEnabled(session, kOutputControls, false);
  session.window.SetEnabled(ControlId::chkDisableOutputToFile, false);
  session.window.Repaint(ControlId::frmMain);
}

void UpdateIncludeSubfolders(Session& session) {
  Settings& settings = session.settings;
  const Text folder = TrimSpaces(settings.inputFolder);
  const bool available = !folder.empty() && HasSubfolder(NativePath(folder));
  session.window.SetEnabled(ControlId::chkIncludeSubfolders, available);
  if (!available && settings.includeSubfolders) {
    settings.includeSubfolders = false;
    session.view.SettingsChanged();
  }
}

void UpdateDisableOutputToFile(Session& session) {
  Settings& settings = session.settings;
  const bool named = !settings.filePaths[1].empty();
  session.window.SetEnabled(ControlId::chkDisableOutputToFile, named);
  if (!named && settings.outputToFileDisabled) {
    settings.outputToFileDisabled = false;
    session.view.SettingsChanged();
  }
}

void OnFileButtonClicked(SourceContext& context, int index) {
  Session& session = context.session;
  Settings& settings = session.settings;
  if (index == 0) session.run.countAvailable = false;
  const FileDialogRequest request = ChooserRequest(session, index);
  const std::optional<Text> chosen =
      index == 0 ? session.dialogs.OpenFile(request) : session.dialogs.SaveFile(request);
  if (!chosen) return;
  session.window.SetCaption(ControlId::lblTimeElapsed_1, u"");
  ClearSizeLabels(session);
  if (index == 1) {
    if (RefuseOutputInFolder(session, *chosen)) return;
    settings.filePaths[1] = *chosen;
    settings.outputToFileDisabled = false;
    UpdateDisableOutputToFile(session);
    session.view.SettingsChanged();
    return;
  }
  settings.filePaths[0] = *chosen;
  context.hooks.ClearTextbox();
  CheckInputFileName(session, *chosen);
  context.hooks.ClearPreviousResults();
  // Selecting the source restores the remembered input box: remember the
  // chosen file first so that it stays.
  session.sources.savedInputFile = settings.filePaths[0];
  if (settings.source != Source::SingleFile) {
    OnSourceChosen(session, Source::SingleFile);
  } else {
    session.view.SettingsChanged();
  }
}

void OnFolderButtonClicked(SourceContext& context) {
  Session& session = context.session;
  const std::optional<Text> chosen = session.dialogs.BrowseFolder(session.UIText(45));
  if (!chosen) return;
  Settings& settings = session.settings;
  settings.inputFolder = *chosen;
  context.hooks.ClearTextbox();
  session.run.countAvailable = false;
  session.sources.fileCountOutOfDate = true;
  ConcealNumWords(session, false);
  session.window.SetCaption(ControlId::lblTimeElapsed_1, u"");
  settings.outputToFileDisabled = true;
  UpdateIncludeSubfolders(session);
  session.view.SettingsChanged();
}

void OnFilePathLeft(Session& session, int index) {
  if (!session.window.Get(ControlId::frmMain).enabled) return;
  Settings& settings = session.settings;
  Text& box = settings.filePaths[index];
  box = TrimSpaces(box);
  if (index == 0 && !box.empty()) {
    const int code = CheckInputFileName(session, box);
    if (code != input_file::kOk) ShowInputFileMessage(session, code);
    session.run.countAvailable = false;
    session.sources.fileCountOutOfDate = true;
  }
  UpdateDisableOutputToFile(session);
  session.view.SettingsChanged();
  SetTheFocus(session);
}

void OnFolderLeft(Session& session) {
  if (!session.window.Get(ControlId::frmMain).enabled) return;
  Text& box = session.settings.inputFolder;
  box = TrimSpaces(box);
  session.view.SettingsChanged();
  std::error_code ec;
  if (!box.empty() && !fs::is_directory(NativePath(box), ec)) {
    session.Message(u"Error", session.UIText(48), MessageIcon::Exclamation);
  }
  UpdateIncludeSubfolders(session);
}

void OnClearFileClicked(Session& session, int index) {
  session.settings.filePaths[index].clear();
  if (index == 1) {
    UpdateDisableOutputToFile(session);
  } else {
    ClearSizeLabels(session);
  }
  session.view.SettingsChanged();
  session.window.SetFocus(index == 0 ? ControlId::cmdFile_0 : ControlId::cmdFile_1);
}

void OnClearFolderClicked(Session& session) {
  session.settings.inputFolder.clear();
  UpdateIncludeSubfolders(session);
  session.view.SettingsChanged();
  session.window.SetFocus(ControlId::cmdFolder);
}

}  // namespace velt
