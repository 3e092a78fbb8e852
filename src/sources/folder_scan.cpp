#include "sources/folder_scan.h"

#include <algorithm>
#include <climits>
#include <filesystem>
#include <vector>

#include "phrases/count_button.h"
#include "phrases/run_progress.h"
#include "platform/path_compare.h"
#include "sources/file_patterns.h"
#include "sources/file_reader.h"
#include "sources/source_controls.h"
#include "text/case_mapping.h"
#include "text/path_text.h"
#include "text/strings.h"

namespace velt {
namespace fs = std::filesystem;
namespace {

constexpr size_t kShortFolderLength = 13;
constexpr TextView kRecycleBin = u"recycle.bin";

// Regular files (also through links) and real subfolders of one folder, in
// the order the file system returns them.
struct FolderEntries {
  std::vector<fs::path> files;
  std::vector<fs::path> folders;
  bool tooLong = false;    // the folder's own path is too long to open it
  int entriesTooLong = 0;  // entries whose path is too long to tell what they are
};

bool IsPathTooLong(const std::error_code& ec) {
  return ec == std::errc::filename_too_long;
}

// Longer paths (PATH_MAX counts the terminating zero) cannot be opened.
bool IsPathTooLong(const std::string& path) {
  return path.size() >= PATH_MAX;
}

FolderEntries ListFolder(const fs::path& folder) {
  FolderEntries entries;
  std::error_code ec;
  fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec);
  entries.tooLong = IsPathTooLong(ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    // The types come from the folder listing itself where the file system
    // gives them, so an entry is classified even when its path is too long
    // to be examined.
    std::error_code typeError;
    if (it->is_symlink(typeError)) {
      // A link is followed to a file, never to a folder (loops).
      if (it->is_regular_file(typeError)) entries.files.push_back(it->path());
    } else if (it->is_directory(typeError)) {
      entries.folders.push_back(it->path());
    } else if (it->is_regular_file(typeError)) {
      entries.files.push_back(it->path());  // never a FIFO, device or socket
    }
    if (IsPathTooLong(typeError)) ++entries.entriesTooLong;
  }
  return entries;
}

// Whether the folder directly holds a file. A folder that cannot be read for
// lack of permission holds none; any other failure counts as holding files.
bool FolderHasFiles(const std::string& folder) {
  std::error_code ec;
  fs::directory_iterator it(folder, ec);
  if (ec) return ec != std::errc::permission_denied;
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    std::error_code typeError;
    if (fs::is_regular_file(it->status(typeError)) && !typeError) return true;
  }
  return static_cast<bool>(ec);
}

bool ContainsAny(TextView text, const std::vector<Text>& needles) {
  for (const Text& needle : needles) {
    if (text.find(needle) != TextView::npos) return true;
  }
  return false;
}

Text JoinFolderAndName(TextView folder, TextView name) {
  return EndsWith(folder, u"/") ? Text(folder) + Text(name) : Text(folder) + u"/" + Text(name);
}

void ShowCountingFiles(SourceContext& context, int32_t files) {
  context.hooks.ClearTextbox();
  context.hooks.OutputToTxb(u"Counting files . . ." + Str(files));
}

bool IsCountingOnly(const SourceState& state) {
  return state.countingFiles && !state.listingFiles;
}

// Writes CR LF first unless the text window is empty or ends a line.
void StartFreshLine(SourceContext& context) {
  const Text& shown = context.shell.textWindow.text();
  if (!shown.empty() && !EndsWith(shown, kLineEnd)) context.hooks.OutputToTxb(kLineEnd);
}

Text DisplayName(const Settings& settings, TextView path) {
  const Text folder = TrimSpaces(settings.inputFolder);
  if (folder.size() > kShortFolderLength && path.substr(0, folder.size()) == folder) {
    return u"{Folder}" + Text(path.substr(folder.size()));
  }
  return Text(path);
}

// Hands the file to the reader through the current-file field. The window
// shows it in the (disabled) input-file box while it is read; the path the
// user chose for the single-file source stays in the settings.
void ReadFolderFile(SourceContext& context, TextView path) {
  WindowModel& window = context.shell.window;
  context.state.currentFile = Text(path);
  window.SetCaption(ControlId::txbFile_0, path);
  for (const ControlId id :
       {ControlId::txbFile_0, ControlId::lblFile, ControlId::lblFilesize, ControlId::lblXMLsize}) {
    window.SetVisible(id, true);
  }
  DoItFromFile(context);
  if (context.state.readingFiles) ResetProgressLabel(window);
}

// Ends what a scan shows of its current file, however the scan ends: the
// input-file box shows the user's path again, visible as the source's layout
// says.
class CurrentFileScope {
 public:
  explicit CurrentFileScope(SourceContext& context) : context_(context) {}
  ~CurrentFileScope() {
    WindowModel& window = context_.shell.window;
    context_.state.currentFile.clear();
    window.SetCaption(ControlId::txbFile_0, context_.settings.filePaths[0]);
    window.SetVisible(ControlId::txbFile_0, context_.settings.source == Source::SingleFile);
  }
  CurrentFileScope(const CurrentFileScope&) = delete;
  CurrentFileScope& operator=(const CurrentFileScope&) = delete;

 private:
  SourceContext& context_;
};

Text CountedNoun(int count, TextView noun) {
  return Decimal(count) + u" " + Text(noun) + (count == 1 ? u"" : u"s");
}

// Says how many folders and files the walk had to pass over because their
// paths are too long to be opened.
void ReportPathsTooLong(Shell& shell, const SourceState& state) {
  if (state.foldersTooLong == 0 && state.filesTooLong == 0) return;
  Text what;
  if (state.foldersTooLong > 0) what = CountedNoun(state.foldersTooLong, u"folder");
  if (state.foldersTooLong > 0 && state.filesTooLong > 0) what += u" and ";
  if (state.filesTooLong > 0) what += CountedNoun(state.filesTooLong, u"file");
  const bool one = state.foldersTooLong + state.filesTooLong == 1;
  shell.Message(MessageId::PathsTooLong, u"Paths too long",
                what + u" could not be read because " +
                    (one ? u"its path is too long." : u"their paths are too long."),
                MessageIcon::Exclamation);
}

void ShowFileProgressBar(WindowModel& window, Text caption, bool monospace, Align align) {
  window.SetAlign(ControlId::lblNumOccurrences, align);
  window.SetFont(ControlId::lblNumOccurrences, LabelFont{monospace, false, 10});
  window.SetCaption(ControlId::lblNumOccurrences, caption);
  window.Repaint(ControlId::lblNumOccurrences);
}

void RunReadingPass(SourceContext& context, const std::string& folder) {
  WindowModel& window = context.shell.window;
  SourceState& state = context.state;
  state.fileCount = 0;
  state.folderCount = 1;
  context.hooks.ResetWordStore(true);
  context.run.stopRequested = false;
  ShowFileProgressBar(window, u"[" + Text(kProgressBarWidth, u' ') + u"]", true, Align::Left);
  state.readingFiles = true;
  ScanFolder(context, folder);
  state.readingFiles = false;
  ResetProgressLabel(window);
  ShowFileProgressBar(window, Text(), false, Align::Right);
}

bool WarnAboutSeveralFiles(SourceContext& context) {
  const SourceState& state = context.state;
  if (!TrimSpaces(context.settings.filePaths[1]).empty()) return false;
  if (state.folderCount <= 1 && state.totalFileCount <= 1) return false;
  const Answer answer =
      context.shell.Message(MessageId::MultipleFilesNeedOutputFile, u"Multiple files/folders",
                            u"When scanning multiple files or folders\r\n"
                            u"you must specify an output file in case\r\n"
                            u"the text window will not hold the result.",
                            MessageIcon::Exclamation, MessageButtons::OkCancel);
  if (answer == Answer::Ok) ChooseOutputFile(context.shell, context.settings);
  return true;
}

}  // namespace

Text FormatFileCount(int64_t files, int64_t folders) {
  return Decimal(files) + u" file" + (files == 1 ? u"" : u"s") + u" in " + Decimal(folders) +
         u" folder" + (folders == 1 ? u"" : u"s");
}

Text ListedFileSize(const NumberFormat& numbers, int64_t bytes) {
  if (bytes < 1024) return Decimal(bytes) + u" bytes";
  double value = static_cast<double>(bytes) / 1024.0;
  for (const TextView unit : {u" Kb", u" Mb"}) {
    if (value < 1024.0) return numbers.Fixed(value, 2) + Text(unit);
    value /= 1024.0;
  }
  return numbers.Fixed(value, 2) + u" Gb";
}

bool CheckFolderSource(Shell& shell, Settings& settings) {
  settings.inputFolder = TrimSpaces(settings.inputFolder);
  if (settings.inputFolder.empty()) {
    shell.Message(MessageId::FolderNotSpecified, u"Error", u"Folder not specified.",
                  MessageIcon::Exclamation);
    return false;
  }
  const std::string folder = NativePath(settings.inputFolder);
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) {
    shell.Message(MessageId::FolderMissing, u"Invalid input", u"Folder does not exist",
                  MessageIcon::Exclamation);
    return false;
  }
  if (!settings.includeSubfolders && !FolderHasFiles(folder)) {
    shell.Message(MessageId::FolderEmpty, u"Nothing to do", u"Folder contains no files.",
                  MessageIcon::Information);
    return false;
  }
  settings.filePaths[1] = TrimSpaces(settings.filePaths[1]);
  if (settings.filePaths[1].empty() || settings.outputToFileDisabled) return true;
  const std::string output = NativePath(settings.filePaths[1]);
  const bool conflict = settings.includeSubfolders ? IsWithinFolder(folder, output)
                                                   : IsDirectlyInFolder(folder, output);
  if (!conflict) return true;
  shell.Message(MessageId::OutputFileInFolder, u"Invalid output file",
                u"The output file cannot be in the folder or a subfolder.",
                MessageIcon::Information);
  return false;
}

bool ScanFolderFiles(SourceContext& context) {
  Shell& shell = context.shell;
  SourceState& state = context.state;
  if (!CheckFolderSource(shell, context.settings)) return false;
  ShowCountButton(shell, context.run, CountButton::Stop);
  context.run.stopRequested = false;
  context.hooks.EnableDisableButtons(false);
  shell.window.SetEnabled(ControlId::cmdCountPhrases, true);
  shell.window.Repaint(ControlId::frmMain);

  const std::string folder = NativePath(context.settings.inputFolder);
  const CurrentFileScope currentFile(context);
  state.fileCount = 0;
  state.countingFiles = true;
  state.folderCount = 1;
  state.foldersTooLong = 0;
  state.filesTooLong = 0;
  ScanFolder(context, folder);
  state.totalFileCount = state.fileCount;
  state.countingFiles = false;
  state.fileCountOutOfDate = false;
  if (!state.listingFiles) context.hooks.ClearTextbox();

  if (context.run.stopRequested) {
    StartFreshLine(context);
    context.hooks.OutputToTxb(u"Stopped while counting files (so far: " +
                              FormatFileCount(state.fileCount, state.folderCount) + u").\r\n");
    return false;
  }
  if (state.listingFiles) {
    context.hooks.OutputToTxb(state.totalFileCount > 0
                                  ? u"\r\n" +
                                        FormatFileCount(state.totalFileCount, state.folderCount) +
                                        u" will be scanned.\r\n"
                                  : Text(u"No files will be scanned.\r\n"));
    ReportPathsTooLong(shell, state);
    return false;
  }
  if (WarnAboutSeveralFiles(context)) return false;
  RunReadingPass(context, folder);
  ReportPathsTooLong(shell, state);
  return true;
}

void ScanFolder(SourceContext& context, const std::string& folder) {
  SourceState& state = context.state;
  const Text folderText = PathFromNative(folder);
  if (ContainsAny(LowerCaseText(folderText), state.exclusionTexts)) return;
  if (IsCountingOnly(state) && state.fileCount > 0 &&
      (state.fileCount % 5 == 0 || state.fileCount < 10)) {
    ShowCountingFiles(context, state.fileCount);
  }
  const FolderEntries entries = ListFolder(folder);
  // Counted once, in the counting pass, which walks the same tree first.
  const bool noteTooLong = state.countingFiles;
  if (entries.tooLong && noteTooLong) ++state.foldersTooLong;
  if (noteTooLong) state.filesTooLong += entries.entriesTooLong;
  for (const fs::path& file : entries.files) {
    const Text path = JoinFolderAndName(folderText, PathFromNative(file.filename().string()));
    if (!FileMatchesPatterns(state, path)) continue;
    if (IsPathTooLong(file.string())) {
      if (noteTooLong) ++state.filesTooLong;
      continue;
    }
    ReadFolderFile(context, path);
    if (context.run.stopRequested) return;
  }
  if (!context.settings.includeSubfolders) return;
  for (const fs::path& sub : entries.folders) {
    if (LowerCaseText(PathFromNative(sub.string())).find(kRecycleBin) != Text::npos) continue;
    ++state.folderCount;
    ScanFolder(context, sub.string());
    context.shell.pump.Yield();
    if (context.run.stopRequested) return;
  }
}

bool ListAndCountFolderFile(SourceContext& context, TextView path, int64_t size) {
  Shell& shell = context.shell;
  SourceState& state = context.state;
  if (state.listingFiles || state.readingFiles) {
    if (!context.settings.suppressWordsAsFound && state.readingFiles) StartFreshLine(context);
    context.hooks.OutputToTxb(DisplayName(context.settings, path) + u" [" +
                              ListedFileSize(shell.numbers, size) + u"]\r\n");
    if (context.hooks.TextWindowFull()) return false;
  }
  ++state.fileCount;
  if (IsCountingOnly(state) && (state.fileCount % 5 == 0 || state.fileCount < 10)) {
    ShowCountingFiles(context, state.fileCount);
  }
  shell.pump.Yield();
  if (state.readingFiles && state.totalFileCount > 0) {
    const int64_t filled = RoundHalfEven(kProgressBarWidth * static_cast<double>(state.fileCount) /
                                         static_cast<double>(state.totalFileCount));
    // More files than counted (some appeared between the passes) keep the
    // bar full rather than overrunning it.
    shell.window.SetCaption(ControlId::lblNumOccurrences,
                            ProgressBarCaption(static_cast<int>(std::min<int64_t>(
                                std::max<int64_t>(filled, 0), kProgressBarWidth))));
    shell.window.Repaint(ControlId::lblNumOccurrences);
  }
  return true;
}

void ListFilesToScan(SourceContext& context) {
  context.hooks.ClearTextbox();
  const Text folder = TrimSpaces(context.settings.inputFolder);
  if (folder.size() > kShortFolderLength) {
    context.hooks.OutputToTxb(u"{Folder} = " + folder + u"\r\n\r\n");
  }
  context.state.listingFiles = true;
  DisableSourceControls(context.shell.window);
  context.run.readingWordsFile = false;
  ScanFolderFiles(context);
  context.state.listingFiles = false;
}

}  // namespace velt
