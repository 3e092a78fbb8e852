#include "reports/listing.h"

#include <filesystem>
#include <new>
#include <utility>

#include "reports/display_formats.h"
#include "reports/display_line.h"
#include "reports/filter_words.h"
#include "reports/output_file_checks.h"
#include "reports/relisting.h"
#include "reports/report_error.h"
#include "reports/summary.h"
#include "text/strings.h"

namespace velt {
namespace {

constexpr TextView kListWordsLabel = u"ListWords";
// What the file pass of a listing may keep for the window pass. The 157,444
// phrases of 2 to 25 words that occur at least twice in a 4.4 MB text take
// under 8 MB; its 778,085 phrases of 2 to 6 words that occur at least once
// take about 54 MB, so a listing that large keeps its first 60% or so and
// reads the rest again.
constexpr size_t kReadAheadKeptBytes = size_t{32} << 20;

// Marks the listing as running for its whole duration.
class ListingGuard {
 public:
  explicit ListingGuard(ReportState& reports) : reports_(reports) {
    reports_.listingRunning = true;
  }
  ~ListingGuard() { reports_.listingRunning = false; }
  ListingGuard(const ListingGuard&) = delete;
  ListingGuard& operator=(const ListingGuard&) = delete;

 private:
  ReportState& reports_;
};

bool FileFailed(const ListingPass& pass) {
  return pass.ToFile() && pass.file->failed();
}

// Lets window events run after a phrase; true when the loop must end.
bool AfterPhrase(ListingPass& pass) {
  pass.context.shell.pump.Yield();
  return pass.context.run.stopRequested || FileFailed(pass);
}

void VisitRecord(ListingPass& pass, int32_t i) {
  pass.records.Visit(i);
  DisplayNextLine(pass, i);
}

void VisitTableOrder(ListingPass& pass) {
  pass.records.Rewind();
  const int32_t count = pass.phrases.phraseCount();
  for (int32_t i = 1; i <= count; ++i) {
    if (pass.phrases.Included(i)) VisitRecord(pass, i);
    if (AfterPhrase(pass)) return;
  }
}

void VisitFrequencyChain(ListingPass& pass) {
  pass.records.Rewind();
  const int32_t count = pass.phrases.includedPhraseCount();
  const int32_t last = pass.phrases.phraseCount();
  int32_t i = pass.phrases.firstInFrequencyOrder();
  for (int32_t k = 0; k < count && i >= 1 && i <= last; ++k) {
    VisitRecord(pass, i);
    i = pass.phrases.Next(i);
    if (AfterPhrase(pass)) return;
  }
}

// Clears the window and puts the files-scanned notice and the header in
// front of the phrases.
void BeginTraversal(ListingPass& pass) {
  ReportContext& context = pass.context;
  context.sink.ClearTextbox();
  context.state.pendingOutput.clear();
  if (pass.options.source == Source::Folder) SetFilesScannedNotice(context);
  SetColumnWidths(pass);
  context.sink.SetTextWindow(std::exchange(context.state.pendingOutput, Text()));
}

void AddNoMatchMessage(ListingPass& pass, bool alphabetical) {
  ReportState& reports = pass.context.state;
  if (!reports.filterActive || reports.filterWordFound) return;
  if (!alphabetical) {
    reports.pendingOutput.append(kLineEnd).append(kNoMatchByFrequency);
  } else if (pass.ToFile()) {
    pass.file->Write(kLineEnd);
    pass.file->Write(NoMatchMessage(pass.options.filterMode, true));
    pass.file->Write(kLineEnd);
  } else {
    reports.pendingOutput.append(kLineEnd).append(NoMatchMessage(pass.options.filterMode, false));
  }
}

void ShowTopOfTextWindow(Shell& shell) {
  shell.textWindow.SetCaret(0);
  shell.window.Repaint(ControlId::txbOutput);
}

// Reports what ended a traversal: a failure of the output file names the file;
// anything else (memory running out) is reported as it is.
PassEnd FailTraversal(ListingPass& pass, const RunError& error, TextView label) {
  pass.context.shell.window.SetCaption(ControlId::lblTwirler, u"");
  if (FileFailed(pass)) {
    ReportFileError(pass.context, error, label, pass.file->replacesFile());
  } else {
    ReportError(pass.context, error.number, error.description, label);
  }
  ShowTopOfTextWindow(pass.context.shell);
  return PassEnd::Failed;
}

PassEnd Traverse(ListingPass& pass, bool alphabetical) {
  const TextView label = alphabetical ? u"ListWordsAlphabetically" : u"ListWordsByFrequency";
  ReportContext& context = pass.context;
  ReportState& reports = context.state;
  try {
    BeginTraversal(pass);
    if (alphabetical) {
      VisitTableOrder(pass);
      if (EndsWith(reports.pendingOutput, u", ")) {
        reports.pendingOutput.resize(reports.pendingOutput.size() - 2);
        reports.pendingOutput.append(kLineEnd);
      }
    } else {
      VisitFrequencyChain(pass);
    }
    EndCommaList(pass);
    AddNoMatchMessage(pass, alphabetical);
    // Every write error of the pass shows here at the latest, so it is
    // reported with the traversal's label whatever the buffer held.
    if (pass.ToFile() && !pass.file->Flush()) return FailTraversal(pass, pass.file->error(), label);
    context.sink.FlushOutput();
    ShowTopOfTextWindow(context.shell);
    if (reports.textWindowFull)
      ReportError(context, kTextWindowFull, u"Insufficient memory", label);
  } catch (const std::bad_alloc&) {
    return FailTraversal(pass, OutOfMemoryError(), label);
  }
  return context.run.stopRequested ? PassEnd::Stopped : PassEnd::Completed;
}

PassEnd TraverseInWordOrder(ListingPass& pass) {
  return pass.options.wordOrder == 1 ? ListWordsAlphabetically(pass) : ListWordsByFrequency(pass);
}

bool FolderOfPathExists(const Text& path) {
  const std::string bytes = PathToNative(path);
  const size_t slash = bytes.rfind('/');
  const std::string folder =
      slash == std::string::npos ? "." : (slash == 0 ? "/" : bytes.substr(0, slash));
  std::error_code error;
  return std::filesystem::is_directory(folder, error);
}

void DisableOutputToFile(ReportContext& context) {
  context.settings.outputToFileDisabled = true;
  context.shell.view.SettingsChanged();
}

// The overwrite prompt. True when the listing goes on writing the file (under
// the path that was confirmed or entered); otherwise file output is disabled.
bool ConfirmOverwrite(ReportContext& context) {
  Shell& shell = context.shell;
  Settings& settings = context.settings;
  InputRequest request;
  request.title = u"The output file exists.";
  request.prompt.append(u"To overwrite the current output file click on 'OK'.").append(kLineEnd);
  request.prompt.append(u"To write to a different file edit the filepath below.").append(kLineEnd);
  request.prompt.append(u"To disable file output click on 'Cancel'.");
  request.defaultText = settings.filePaths[1];
  const std::optional<Text> answer = shell.dialogs.InputBox(request);
  // Paths are case-sensitive here: the answer is only trimmed.
  const Text path(answer ? TrimmedOfSpaces(*answer) : TextView());
  if (path.empty()) {
    DisableOutputToFile(context);
    return false;
  }
  if (!FolderOfPathExists(path)) {
    shell.Message(MessageId::OutputFolderMissing, u"Error", u"Folder does not exist.",
                  MessageIcon::Exclamation);
    DisableOutputToFile(context);
    context.state.outputFileMissed = true;
    return false;
  }
  settings.filePaths[1] = path;
  shell.view.SettingsChanged();
  return true;
}

void WriteSourceHeader(ReportContext& context, const ReportOptions& options, OutputFile& file) {
  Text header;
  if (options.source == Source::SingleFile) {
    header.append(u"File: ").append(options.inputFile).append(kLineEnd);
  } else if (options.source == Source::Folder) {
    header.append(u"Folder: ").append(options.folder);
    if (options.includeSubfolders) header.append(u" plus any subfolders");
    header.append(kLineEnd);
    SetFilesScannedNotice(context);
    if (!TrimmedOfSpaces(context.state.pendingOutput).empty()) {
      header.append(context.state.pendingOutput).append(kLineEnd);
    }
  }
  file.Write(header);
}

// A line for the text window after a stopped file pass: what became of the
// output file.
Text StoppedFilePassNote(bool replacedFile) {
  Text text(u"Output to file was terminated.");
  text.append(kLineEnd);
  text.append(replacedFile ? u"The output file was left as it was."
                           : u"No output file was written.");
  return text.append(kLineEnd);
}

// The file pass. The report goes to a new file that takes the output file's
// place only when the pass reached its end; a stopped or failed pass leaves
// the old file as it was. A failure has been reported when this returns.
PassEnd WriteOutputFile(ReportContext& context, ListingReadAhead& records,
                        const ReportOptions& options, bool& replacesFile) {
  context.sink.SetTextWindow(u"Now writing to output file . . .");
  OutputFile file;
  if (!file.Open(OutputFilePath(context.settings))) {
    ReportFileError(context, file.error(), kListWordsLabel, file.replacesFile());
    return PassEnd::Failed;
  }
  replacesFile = file.replacesFile();
  WriteSourceHeader(context, options, file);
  ListingPass pass{context, records, options, &file};
  const PassEnd end = TraverseInWordOrder(pass);
  if (end != PassEnd::Completed) return end;  // the new file is dropped
  if (!file.Commit()) {
    ReportFileError(context, file.error(), kListWordsLabel, replacesFile);
    return PassEnd::Failed;
  }
  context.state.outputFileWritten = true;
  return PassEnd::Completed;
}

void ListOnce(ReportContext& context, ListedPhrases& phrases) {
  ReportState& reports = context.state;
  const Settings& settings = context.settings;
  reports.outputFileWritten = false;
  reports.outputFileMissed = false;
  if (phrases.includedPhraseCount() == 0) {
    context.sink.ClearTextbox();
    ReportNoPhrases(settings, context.sink);
    return;
  }
  const ReportOptions options = ReportOptions::From(settings);
  bool toFile = OutputToFileEnabled(settings);
  if (toFile && settings.warnOnOverwrite) {
    std::error_code error;
    if (std::filesystem::exists(OutputFilePath(settings), error)) {
      toFile = ConfirmOverwrite(context);
    }
  }
  reports.writingOutputFile = toFile;
  const auto order = options.wordOrder == 1 ? ListingReadAhead::VisitOrder::Table
                                            : ListingReadAhead::VisitOrder::FrequencyChain;
  // Only a listing with two passes keeps what the first one read.
  ListingReadAhead records(phrases, order, toFile ? kReadAheadKeptBytes : 0);
  if (toFile) {
    bool replacesFile = false;
    const PassEnd fileEnd = WriteOutputFile(context, records, options, replacesFile);
    reports.writingOutputFile = false;
    reports.outputFileMissed = fileEnd != PassEnd::Completed;
    if (fileEnd == PassEnd::Stopped) {
      context.sink.OutputToTxb(StoppedFilePassNote(replacesFile));
      return;
    }
    // After a failed file pass the report still goes to the text window:
    // a write error never costs the user the report on the screen.
  }
  reports.writingOutputFile = false;
  if (context.run.stopRequested) return;
  ListingPass pass{context, records, options};
  if (TraverseInWordOrder(pass) == PassEnd::Failed) return;
  if (context.run.stopRequested) {
    Text text(kLineEnd);
    context.sink.OutputToTxb(text.append(u"Listing stopped.").append(kLineEnd));
    return;
  }
  TextWindow& window = context.shell.textWindow;
  if (DisplayFormatOf(options.displayFormat).commaList && window.length() > 2 &&
      EndsWith(window.text(), u", ")) {
    window.RemoveLast(2);
  }
  // The traversal has shown the full notice already when it found the window
  // full.
  if (window.length() > static_cast<size_t>(std::max(reports.textWindowCapacity, 0)) &&
      !reports.textWindowFull) {
    ReportError(context, kTextWindowFull, u"", kListWordsLabel);
  }
}

// Runs what option clicks held back while the listing ran.
void RunHeldBackRelist(ReportContext& context, ListedPhrases& phrases) {
  ReportState& reports = context.state;
  if (std::exchange(reports.chainRebuildRequested, false)) {
    phrases.BuildFrequencyChain(context.settings.sortByNumberOfFiles);
  }
  if (std::exchange(reports.relistRequested, false) && !context.run.stopRequested) {
    RelistAfterOptionChange(context, phrases);
  }
}

}  // namespace

PassEnd ListWordsAlphabetically(ListingPass& pass) {
  return Traverse(pass, true);
}

PassEnd ListWordsByFrequency(ListingPass& pass) {
  return Traverse(pass, false);
}

void ListWords(ReportContext& context, ListedPhrases& phrases) {
  if (context.state.listingRunning) return;
  {
    const ListingGuard guard(context.state);
    ListOnce(context, phrases);
  }
  RunHeldBackRelist(context, phrases);
}

}  // namespace velt
