#include "reports/listing.h"

#include <filesystem>
#include <new>
#include <utility>

#include "reports/display_line.h"
#include "reports/filter_words.h"
#include "reports/output_file_checks.h"
#include "reports/relisting.h"
#include "reports/report_error.h"
#include "reports/summary.h"
#include "reports/text_sink.h"
#include "text/strings.h"

namespace velt {
namespace {

constexpr TextView kListWordsLabel = u"ListWords";
constexpr int kCommaList = 9;
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
  pass.session.pump.Yield();
  return pass.session.run.stopRequested || FileFailed(pass);
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
  Session& session = pass.session;
  ClearTextbox(session);
  session.reports.pendingOutput.clear();
  if (pass.options.source == Source::Folder) SetFilesScannedNotice(session);
  SetColumnWidths(pass);
  SetTextWindow(session, std::exchange(session.reports.pendingOutput, Text()));
}

void AddNoMatchMessage(ListingPass& pass, bool alphabetical) {
  ReportState& reports = pass.session.reports;
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

void ShowTopOfTextWindow(Session& session) {
  session.textWindow.SetCaret(0);
  session.window.Repaint(ControlId::txbOutput);
}

// Reports what ended a traversal: a failure of the output file names the file;
// anything else (memory running out) is reported as it is.
PassEnd FailTraversal(ListingPass& pass, const RunError& error, TextView label) {
  pass.session.window.SetCaption(ControlId::lblTwirler, u"");
  if (FileFailed(pass)) {
    ReportFileError(pass.session, error, label, pass.file->replacesFile());
  } else {
    ReportError(pass.session, error.number, error.description, label);
  }
  ShowTopOfTextWindow(pass.session);
  return PassEnd::Failed;
}

PassEnd Traverse(ListingPass& pass, bool alphabetical) {
  const TextView label = alphabetical ? u"ListWordsAlphabetically" : u"ListWordsByFrequency";
  Session& session = pass.session;
  ReportState& reports = session.reports;
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
    FlushOutput(session);
    ShowTopOfTextWindow(session);
    if (reports.textWindowFull)
      ReportError(session, kTextWindowFull, u"Insufficient memory", label);
  } catch (const std::bad_alloc&) {
    return FailTraversal(pass, OutOfMemoryError(), label);
  }
  return session.run.stopRequested ? PassEnd::Stopped : PassEnd::Completed;
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

void DisableOutputToFile(Session& session) {
  session.settings.outputToFileDisabled = true;
  session.view.SettingsChanged();
}

// The overwrite prompt. True when the listing goes on writing the file (under
// the path that was confirmed or entered); otherwise file output is disabled.
bool ConfirmOverwrite(Session& session) {
  InputRequest request;
  request.title = u"The output file exists.";
  request.prompt.append(u"To overwrite the current output file click on 'OK'.").append(kLineEnd);
  request.prompt.append(u"To write to a different file edit the filepath below.").append(kLineEnd);
  request.prompt.append(u"To disable file output click on 'Cancel'.");
  request.defaultText = session.settings.filePaths[1];
  const std::optional<Text> answer = session.dialogs.InputBox(request);
  // Paths are case-sensitive here: the answer is only trimmed.
  const Text path(answer ? TrimmedOfSpaces(*answer) : TextView());
  if (path.empty()) {
    DisableOutputToFile(session);
    return false;
  }
  if (!FolderOfPathExists(path)) {
    session.Message(u"Error", u"Folder does not exist.", MessageIcon::Exclamation);
    DisableOutputToFile(session);
    session.reports.outputFileMissed = true;
    return false;
  }
  session.settings.filePaths[1] = path;
  session.view.SettingsChanged();
  return true;
}

void WriteSourceHeader(Session& session, const ReportOptions& options, OutputFile& file) {
  Text header;
  if (options.source == Source::SingleFile) {
    header.append(u"File: ").append(options.inputFile).append(kLineEnd);
  } else if (options.source == Source::Folder) {
    header.append(u"Folder: ").append(options.folder);
    if (options.includeSubfolders) header.append(u" plus any subfolders");
    header.append(kLineEnd);
    SetFilesScannedNotice(session);
    if (!TrimmedOfSpaces(session.reports.pendingOutput).empty()) {
      header.append(session.reports.pendingOutput).append(kLineEnd);
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
PassEnd WriteOutputFile(Session& session, ListingReadAhead& records, const ReportOptions& options,
                        bool& replacesFile) {
  SetTextWindow(session, u"Now writing to output file . . .");
  OutputFile file;
  if (!file.Open(OutputFilePath(session.settings))) {
    ReportFileError(session, file.error(), kListWordsLabel, file.replacesFile());
    return PassEnd::Failed;
  }
  replacesFile = file.replacesFile();
  WriteSourceHeader(session, options, file);
  ListingPass pass{session, records, options, &file};
  const PassEnd end = TraverseInWordOrder(pass);
  if (end != PassEnd::Completed) return end;  // the new file is dropped
  if (!file.Commit()) {
    ReportFileError(session, file.error(), kListWordsLabel, replacesFile);
    return PassEnd::Failed;
  }
  session.reports.outputFileWritten = true;
  return PassEnd::Completed;
}

void ListOnce(Session& session, ListedPhrases& phrases) {
  ReportState& reports = session.reports;
  reports.outputFileWritten = false;
  reports.outputFileMissed = false;
  if (phrases.includedPhraseCount() == 0) {
    ClearTextbox(session);
    ReportNoPhrases(session);
    return;
  }
  const ReportOptions options = ReportOptions::From(session.settings);
  bool toFile = OutputToFileEnabled(session.settings);
  if (toFile && session.settings.warnOnOverwrite) {
    std::error_code error;
    if (std::filesystem::exists(OutputFilePath(session.settings), error)) {
      toFile = ConfirmOverwrite(session);
    }
  }
  reports.writingOutputFile = toFile;
  const auto order = options.wordOrder == 1 ? ListingReadAhead::VisitOrder::Table
                                            : ListingReadAhead::VisitOrder::FrequencyChain;
  // Only a listing with two passes keeps what the first one read.
  ListingReadAhead records(phrases, order, toFile ? kReadAheadKeptBytes : 0);
  if (toFile) {
    bool replacesFile = false;
    const PassEnd fileEnd = WriteOutputFile(session, records, options, replacesFile);
    reports.writingOutputFile = false;
    reports.outputFileMissed = fileEnd != PassEnd::Completed;
    if (fileEnd == PassEnd::Stopped) {
      OutputToTxb(session, StoppedFilePassNote(replacesFile));
      return;
    }
    // After a failed file pass the report still goes to the text window:
    // a write error never costs the user the report on the screen.
  }
  reports.writingOutputFile = false;
  if (session.run.stopRequested) return;
  ListingPass pass{session, records, options};
  if (TraverseInWordOrder(pass) == PassEnd::Failed) return;
  if (session.run.stopRequested) {
    Text text(kLineEnd);
    OutputToTxb(session, text.append(u"Listing stopped.").append(kLineEnd));
    return;
  }
  TextWindow& window = session.textWindow;
  if (options.displayFormat == kCommaList && window.length() > 2 &&
      EndsWith(window.text(), u", ")) {
    window.RemoveLast(2);
  }
  // The traversal has shown the full notice already when it found the window
  // full.
  if (window.length() > static_cast<size_t>(std::max(reports.textWindowCapacity, 0)) &&
      !reports.textWindowFull) {
    ReportError(session, kTextWindowFull, u"", kListWordsLabel);
  }
}

// Runs what option clicks held back while the listing ran.
void RunHeldBackRelist(Session& session, ListedPhrases& phrases) {
  ReportState& reports = session.reports;
  if (std::exchange(reports.chainRebuildRequested, false)) {
    phrases.BuildFrequencyChain(session.settings.sortByNumberOfFiles);
  }
  if (std::exchange(reports.relistRequested, false) && !session.run.stopRequested) {
    RelistAfterOptionChange(session, phrases);
  }
}

}  // namespace

PassEnd ListWordsAlphabetically(ListingPass& pass) {
  return Traverse(pass, true);
}

PassEnd ListWordsByFrequency(ListingPass& pass) {
  return Traverse(pass, false);
}

void ListWords(Session& session, ListedPhrases& phrases) {
  if (session.reports.listingRunning) return;
  {
    const ListingGuard guard(session.reports);
    ListOnce(session, phrases);
  }
  RunHeldBackRelist(session, phrases);
}

}  // namespace velt
