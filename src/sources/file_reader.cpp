#include "sources/file_reader.h"

#include <new>
#include <optional>

#include "phrases/count_button.h"
#include "phrases/run_progress.h"
#include "platform/path_compare.h"
#include "platform/regular_file.h"
#include "sources/docx_reading.h"
#include "sources/file_classifier.h"
#include "sources/folder_scan.h"
#include "sources/input_checks.h"
#include "sources/line_feed.h"
#include "sources/source_controls.h"
#include "text/path_text.h"
#include "text/run_error.h"
#include "text/strings.h"

namespace velt {
namespace {

Text NotTextMessage(const NumberFormat& numbers, TextView path, const TextFileInfo& info,
                    int64_t size) {
  Text text = Text(path) + u" is not a text file.\r\n\r\n";
  if (info.percent > 1.0) {
    text += u"This file contains a byte" + Str(info.firstBadByte) + u" at position" +
            Str(info.firstBadPosition) +
            u", indicating that it does not consist solely of text.  "
            u"The percentage of such anomalous bytes in the first" +
            Str(kSampleSize) + u" bytes is " + numbers.Fixed(info.percent, 2) + u"%.\r\n\r\n";
  }
  if (OffersClipboardHint(info.percent, size)) text.append(kClipboardHint);
  return text;
}

Text LineTypeNotice(LineType lineType, bool utf8) {
  switch (lineType) {
    case LineType::LfOnly:
      return u"This is a Unix-type file.";
    case LineType::CrOnly:
      return u"This is a Macintosh-type file.";
    case LineType::CrLf:
      break;
  }
  return utf8 ? u"This is a UTF-8 text file." : Text();
}

FileReadOutcome InputRefused(InputFileStatus input) {
  return {FileReadStatus::InputRefused, input};
}

// One call of DoItFromFile: its stages in order, with what they share.
class FileReading {
 public:
  explicit FileReading(SourceContext& context)
      : context_(context),
        shell_(context.shell),
        settings_(context.settings),
        run_(context.run),
        state_(context.state) {}

  ~FileReading() {
    // Whatever way the call ends, the 7-bit setting comes back and a
    // single-file run no longer counts as reading files.
    if (saved7bit_) settings_.only7BitAscii = *saved7bit_;
    if (singleFile_ && startedRun_) state_.readingFiles = false;
    if (publishedFile_) state_.currentFile.clear();
  }

  FileReadOutcome Run() {
    const InputFileStatus input = CheckName();
    if (input != InputFileStatus::Ok) return InputRefused(input);
    if (OutputIsInput()) return InputRefused(InputFileStatus::OutputIsInput);
    isDocx_ = IsDocxFile(run_, path_);
    if (!AskAboutLargeFile()) return {FileReadStatus::LargeFileCancelled};
    // The output file may have been chosen just now.
    if (OutputIsInput()) return InputRefused(InputFileStatus::OutputIsInput);
    StartSingleFileRun();
    if (isDocx_) {
      // Counting and listing passes take a document as it is; only reading
      // extracts it (and asks its questions).
      if (!CountingOrListing()) {
        const FileReadStatus status = DocxFirstPass(context_, path_);
        if (status != FileReadStatus::Read) return {status};
      }
    } else if (const std::optional<FileReadOutcome> refused = Classify()) {
      return *refused;
    }
    SwitchOff7BitForUtf8();
    if (!NoteFolderFile()) return {FileReadStatus::TextboxFull};
    if (CountingOrListing()) return {};
    PrepareForReading();
    const FileReadOutcome outcome = ReadWithErrorTrap();
    Finish();
    return outcome;
  }

 private:
  bool CountingOrListing() const { return state_.listingFiles || state_.countingFiles; }

  // The file to read names a readable file: in a folder pass the walk's
  // current file, otherwise the (trimmed) input box.
  InputFileStatus CheckName() {
    if (settings_.source == Source::Folder) {
      path_ = state_.currentFile;
    } else {
      Text& box = settings_.filePaths[0];
      box = TrimSpaces(box);
      path_ = box;
      state_.currentFile = path_;
      publishedFile_ = true;
    }
    if (path_.empty()) {
      run_.stopRequested = true;
      return InputFileStatus::ZeroLength;
    }
    const InputFileStatus status = CheckInputFileName(context_, path_);
    if (status != InputFileStatus::Ok) {
      if (status == InputFileStatus::EndsWithSlash || status == InputFileStatus::Missing) {
        run_.stopRequested = false;
      }
      return status;
    }
    native_ = NativePath(path_);
    extension_ = LowerExtension(path_);
    singleFile_ = settings_.source == Source::SingleFile;
    fileSize_ = FileSizeOf(native_);
    return InputFileStatus::Ok;
  }

  // Output to file is on and names the input file (which writing the report
  // would destroy).
  bool OutputIsInput() {
    const Text output = TrimSpaces(settings_.filePaths[1]);
    if (settings_.outputToFileDisabled || output.empty()) return false;
    if (!SamePath(NativePath(output), native_)) return false;
    run_.stopRequested = true;
    return true;
  }

  // A single-file run of a large file without an output file: offers to name
  // one first. False when the user cancels.
  bool AskAboutLargeFile() {
    if (!singleFile_ || !TrimSpaces(settings_.filePaths[1]).empty() ||
        fileSize_ <= kLargeInputFileSize) {
      return true;
    }
    const Answer answer = shell_.Message(
        MessageId::LargeInputFile, u"Large input file",
        u"The input file is quite large.  It is advisable to specify an output file before "
        u"continuing, in case the text window will not hold the result. Do you wish to specify "
        u"an output file?",
        MessageIcon::Question, MessageButtons::YesNoCancel);
    if (answer == Answer::Cancel) return false;
    if (answer == Answer::Yes) ChooseOutputFile(shell_, settings_);
    return true;
  }

  // A single-file run starts: the Count button becomes the Stop button.
  void StartSingleFileRun() {
    if (!singleFile_) return;
    startedRun_ = true;
    state_.readingFiles = true;
    context_.hooks.ConcealCounters(false);
    context_.hooks.EnableDisableButtons(false);
    ShowCountButton(shell_, run_, CountButton::Stop);
    shell_.window.SetEnabled(ControlId::cmdCountPhrases, true);
    shell_.window.Repaint(ControlId::frmMain);
  }

  // Classifies the file; an outcome when it is not to be read. A file of any
  // other verdict (RTF, UTF-16 or UTF-32, 1 to 4 bytes) is read byte by byte
  // with CR LF line ends.
  std::optional<FileReadOutcome> Classify() {
    shell_.window.SetCaption(ControlId::lblXMLsize, u"");
    const TextFileClass found = IsTextFile(path_, kSampleSize, info_, kFileSourceThreshold, true);
    if (found.verdict == TextVerdict::NotText) return RefuseNotText();
    if (found.verdict == TextVerdict::Unexamined) {
      if (const std::optional<FileReadOutcome> refused = RefuseUnexamined(found.encoding)) {
        return refused;
      }
    }
    lineType_ = found.lineType;
    return std::nullopt;
  }

  // A file that vanished, is empty or may not be read.
  std::optional<FileReadOutcome> RefuseUnexamined(Encoding reason) {
    switch (reason) {
      case Encoding::Missing:
        // The file went away since it was checked (a folder scan goes on).
        run_.stopRequested = false;
        return InputRefused(InputFileStatus::Missing);
      case Encoding::ZeroLength:
        if (singleFile_) {
          shell_.Message(MessageId::ZeroLengthFile, u"Invalid input file",
                         u"This is a zero-length file.", MessageIcon::Information);
        }
        return FileReadOutcome{FileReadStatus::ZeroLength};
      case Encoding::PermissionDenied:
        if (singleFile_) {
          shell_.Message(MessageId::FileCannotBeOpened, u"Invalid input file",
                         u"This file cannot be opened.", MessageIcon::Information);
        }
        return FileReadOutcome{FileReadStatus::CannotOpen};
      default:
        return std::nullopt;
    }
  }

  // Not a text file: a folder scan passes over it, a single file is reported.
  FileReadOutcome RefuseNotText() {
    if (!singleFile_) {
      run_.stopRequested = false;
      return {};
    }
    shell_.Message(MessageId::InputFileNotText, u"Not a text file",
                   NotTextMessage(shell_.numbers, path_, info_, fileSize_),
                   MessageIcon::Information);
    context_.hooks.ClearTextbox();
    return {FileReadStatus::NotText};
  }

  // UTF-8 text keeps its accented letters: "Allow only 7-bit ASCII" is off
  // while the file is read.
  void SwitchOff7BitForUtf8() {
    if (!info_.utf8 || CountingOrListing()) return;
    saved7bit_ = settings_.only7BitAscii;
    settings_.only7BitAscii = false;
    shell_.window.SetCaption(ControlId::lblTotalNumOccurrences, u"This is a UTF8 file.");
    shell_.window.SetVisible(ControlId::lblTotalNumOccurrences, true);
  }

  // The folder source lists the file and advances its counters. False when
  // the list no longer fits the text window.
  bool NoteFolderFile() {
    run_.stopRequested = false;
    if (settings_.source != Source::Folder) return true;
    if (!ListAndCountFolderFile(context_, path_, fileSize_)) {
      run_.stopRequested = true;
      return false;
    }
    return true;
  }

  // Word store, markup mode and line-type notice for the reading.
  void PrepareForReading() {
    if (singleFile_) context_.hooks.ResetWordStore(false);
    state_.clipboardText.clear();
    ScannerState& scanner = context_.hooks.Scanner();
    SetMarkupMode(extension_, scanner.markers, scanner.entitiesPossible);
    if (!isDocx_) {
      shell_.window.SetCaption(ControlId::lblNumWordsExcluded,
                               LineTypeNotice(lineType_, info_.utf8));
      shell_.window.SetVisible(ControlId::lblNumWordsExcluded, true);
    }
  }

  // Reads the lines; a run-time error is reported and returned.
  FileReadOutcome ReadWithErrorTrap() {
    try {
      return {ReadFile()};
    } catch (const RunErrorException& e) {
      return Report(e.error());
    } catch (const std::bad_alloc&) {
      return Report(OutOfMemoryError());
    }
  }

  FileReadOutcome Report(const RunError& error) {
    context_.hooks.ReportError(error.number, error.description, u"DoItFromFile");
    return {FileReadStatus::RunError, InputFileStatus::Ok, error.number};
  }

  FileReadStatus ReadFile() {
    const bool showProgress = state_.readingFiles && fileSize_ > kProgressSizeLimit;
    if (showProgress) StartProgressBar(shell_.window);
    context_.hooks.Scanner().commentState = -1;
    std::string readPath = native_;
    if (isDocx_) {
      const FileReadStatus status = PrepareDocxText(context_, path_, docx_);
      if (status != FileReadStatus::Read || docx_.textPath.empty()) return status;
      readPath = docx_.textPath;
      lineType_ = docx_.lineType;
      info_.utf8 = info_.utf8 || docx_.utf8;
    }
    LineFeedOptions options;
    options.lineType = lineType_;
    options.htmlHeadPossible = extension_.find(u"htm") != Text::npos;
    options.progressFileSize = showProgress ? fileSize_ : 0;
    FeedFileLines(context_, readPath, options, info_.utf8);
    return FileReadStatus::Read;
  }

  // What the window shows once the file is read.
  void Finish() {
    docx_.folder.reset();
    shell_.window.Repaint(ControlId::lblTotalNumOccurrences);
    if (singleFile_) {
      shell_.window.SetCaption(ControlId::lblNumberOfWords, u"");
      shell_.window.SetVisible(ControlId::lblNumberOfWords, true);
    }
    shell_.window.SetCaption(ControlId::lblTwirler, u" ");
  }

  SourceContext& context_;
  Shell& shell_;
  Settings& settings_;
  RunState& run_;
  SourceState& state_;
  Text path_;
  std::string native_;
  Text extension_;
  bool singleFile_ = false;
  bool startedRun_ = false;
  bool isDocx_ = false;
  bool publishedFile_ = false;  // this call set SourceState::currentFile
  int64_t fileSize_ = 0;
  LineType lineType_ = LineType::CrLf;
  TextFileInfo info_;
  std::optional<bool> saved7bit_;
  DocxText docx_;
};

}  // namespace

FileReadOutcome DoItFromFile(SourceContext& context) {
  return FileReading(context).Run();
}

}  // namespace velt
