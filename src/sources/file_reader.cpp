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
  if (info.percent < kNoHintPercentage && size > 0 && size < kHintSizeLimit) {
    text +=
        u"You could try reading it using its associated application, then copying the text "
        u"and pasting it into the textbox (then copy it to the clipboard and select "
        u"'Clipboard' as the source).";
  }
  return text;
}

Text LineTypeNotice(int lineType, bool utf8) {
  if (lineType == classification::kLfOnly) return u"This is a Unix-type file.";
  if (lineType == classification::kCrOnly) return u"This is a Macintosh-type file.";
  if (lineType == classification::kCrLf && utf8) return u"This is a UTF-8 text file.";
  return Text();
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

  int Run() {
    if (const int code = CheckName(); code != 0) return code;
    if (OutputIsInput()) return input_file::kOutputIsInput;
    isDocx_ = IsDocxFile(run_, path_);
    if (!AskAboutLargeFile()) return file_result::kLargeFileCancelled;
    // The output file may have been chosen just now.
    if (OutputIsInput()) return input_file::kOutputIsInput;
    StartSingleFileRun();
    if (isDocx_) {
      // Counting and listing passes take a document as it is; only reading
      // extracts it (and asks its questions).
      if (!CountingOrListing()) {
        if (const int code = DocxFirstPass(context_, path_); code != 0) return code;
      }
    } else if (const std::optional<int> code = Classify()) {
      return *code;
    }
    SwitchOff7BitForUtf8();
    if (const std::optional<int> code = NoteFolderFile()) return *code;
    if (CountingOrListing()) return 0;
    PrepareForReading();
    const int result = ReadWithErrorTrap();
    Finish();
    return result;
  }

 private:
  bool CountingOrListing() const { return state_.listingFiles || state_.countingFiles; }

  // The file to read names a readable file: in a folder pass the walk's
  // current file, otherwise the (trimmed) input box.
  int CheckName() {
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
      return input_file::kZeroLength;
    }
    const int code = CheckInputFileName(context_, path_);
    if (code != 0) {
      if (code == input_file::kEndsWithSlash || code == input_file::kMissing) {
        run_.stopRequested = false;
      }
      return code;
    }
    native_ = NativePath(path_);
    extension_ = LowerExtension(path_);
    singleFile_ = settings_.source == Source::SingleFile;
    fileSize_ = FileSizeOf(native_);
    return 0;
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

  // Classifies the file; a result when it is not to be read.
  std::optional<int> Classify() {
    shell_.window.SetCaption(ControlId::lblXMLsize, u"");
    const int code = IsTextFile(path_, kSampleSize, info_, kFileSourceThreshold, true);
    if (code == encoding::kMissing) {
      // The file went away since it was checked (a folder scan goes on).
      run_.stopRequested = false;
      return input_file::kMissing;
    }
    if (code == encoding::kZeroLength) {
      if (singleFile_) {
        shell_.Message(MessageId::ZeroLengthFile, u"Invalid input file",
                       u"This is a zero-length file.", MessageIcon::Information);
      }
      return file_result::kZeroLength;
    }
    if (code == encoding::kPermissionDenied) {
      if (singleFile_) {
        shell_.Message(MessageId::FileCannotBeOpened, u"Invalid input file",
                       u"This file cannot be opened.", MessageIcon::Information);
      }
      return file_result::kCannotOpen;
    }
    if (code == classification::kNotText) {
      if (!singleFile_) {
        run_.stopRequested = false;
        return 0;
      }
      shell_.Message(MessageId::InputFileNotText, u"Not a text file",
                     NotTextMessage(shell_.numbers, path_, info_, fileSize_),
                     MessageIcon::Information);
      context_.hooks.ClearTextbox();
      return file_result::kNotText;
    }
    lineType_ = code >= 1 && code <= 3 ? code : classification::kCrLf;
    return std::nullopt;
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

  // The folder source lists the file and advances its counters.
  std::optional<int> NoteFolderFile() {
    run_.stopRequested = false;
    if (settings_.source != Source::Folder) return std::nullopt;
    if (!ListAndCountFolderFile(context_, path_, fileSize_)) {
      run_.stopRequested = true;
      return file_result::kTextboxFull;
    }
    return std::nullopt;
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

  // Reads the lines; a run-time error is reported and its number returned.
  int ReadWithErrorTrap() {
    try {
      return ReadFile();
    } catch (const RunErrorException& e) {
      return Report(e.error());
    } catch (const std::bad_alloc&) {
      return Report(OutOfMemoryError());
    }
  }

  int Report(const RunError& error) {
    context_.hooks.ReportError(error.number, error.description, u"DoItFromFile");
    return error.number;
  }

  int ReadFile() {
    const bool showProgress = state_.readingFiles && fileSize_ > kProgressSizeLimit;
    if (showProgress) StartProgressBar(shell_.window);
    context_.hooks.Scanner().commentState = -1;
    std::string readPath = native_;
    if (isDocx_) {
      const int code = PrepareDocxText(context_, path_, docx_);
      if (code != 0 || docx_.textPath.empty()) return code;
      readPath = docx_.textPath;
      lineType_ = docx_.lineType;
      info_.utf8 = info_.utf8 || docx_.utf8;
    }
    LineFeedOptions options;
    options.lineType = lineType_;
    options.htmlHeadPossible = extension_.find(u"htm") != Text::npos;
    options.progressFileSize = showProgress ? fileSize_ : 0;
    FeedFileLines(context_, readPath, options, info_.utf8);
    return 0;
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
  int lineType_ = classification::kCrLf;
  TextFileInfo info_;
  std::optional<bool> saved7bit_;
  DocxText docx_;
};

}  // namespace

int DoItFromFile(SourceContext& context) {
  return FileReading(context).Run();
}

}  // namespace velt
