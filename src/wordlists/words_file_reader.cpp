#include "wordlists/words_file_reader.h"

#include <set>

#include "phrases/count_button.h"
#include "settings/ui_texts.h"
#include "sources/line_normalise.h"
#include "sources/markup.h"
#include "text/case_mapping.h"
#include "text/line_cleanup.h"
#include "words/scanner_state.h"
#include "words/word_rules.h"
#include "words/word_scanner.h"

namespace velt {
namespace {

constexpr TextView kReadingNotice = u"Now reading words to ignore . . . ";
// A UTF-8 byte-order mark read one character per byte.
constexpr TextView kUtf8Bom = u"\u00EF\u00BB\u00BF";

TextView TrimSpaces(TextView text) {
  const size_t first = text.find_first_not_of(u' ');
  if (first == TextView::npos) return {};
  return text.substr(first, text.find_last_not_of(u' ') - first + 1);
}

// The line as the scanner will see it, before lower-casing: byte-order mark
// gone, UTF-8 repaired, white space already normalised (so the scanner's own
// normalisation keeps every position), trimmed.
Text PrepareLine(TextView raw, bool utf8, bool firstLine) {
  if (firstLine && raw.starts_with(kUtf8Bom)) raw.remove_prefix(kUtf8Bom.size());
  Text line(TrimSpaces(raw));
  if (line.empty()) return line;
  if (utf8) line = DecodeUtf8Punctuation(DecodeUtf8Latin(line));
  NormaliseWhitespace(line, false);
  return Text(TrimSpaces(line));
}

using WordSet = std::set<Text, std::less<>>;

// Takes the scanner's words into the set. The scanner works on the
// lower-cased line; a regular-expression entry is taken from the line as
// written instead, at the same position.
class EntrySink final : public WordSink {
 public:
  EntrySink(Shell& shell, const ScannerState& state, WordSet& words)
      : shell_(shell), state_(state), words_(words) {}

  void SetLineAsWritten(const Text* line) { asWritten_ = line; }

  void TakeWord(TextView word, const StopFlags&) override {
    const Text entry = word.front() == u'<' ? AsWritten(word) : Text(word);
    if (!words_.insert(entry).second) return;
    const auto count = static_cast<int64_t>(words_.size());
    if (count % 10 != 0) return;
    WindowModel& window = shell_.window;
    window.SetCaption(ControlId::lblNumberOfWords,
                      u"Number of words read so far: " + shell_.numbers.Grouped(count));
    window.SetVisible(ControlId::lblNumberOfWords, true);
    window.Repaint(ControlId::lblNumberOfWords);
  }

 private:
  Text AsWritten(TextView word) const {
    const Text& scanned = state_.currentLine;
    const bool inLine = word.data() >= scanned.data() && asWritten_ != nullptr &&
                        word.data() + word.size() <= scanned.data() + asWritten_->size();
    if (!inLine) return Text(word);
    return asWritten_->substr(static_cast<size_t>(word.data() - scanned.data()), word.size());
  }

  Shell& shell_;
  const ScannerState& state_;
  WordSet& words_;
  const Text* asWritten_ = nullptr;
};

void RestoreWindow(WordListContext& context) {
  context.hooks.ResetCountButton();
  TextWindow& textWindow = context.shell.textWindow;
  if (textWindow.text() == kReadingNotice) textWindow.Clear();
}

void ShowReadError(Shell& shell, const RunError& error) {
  shell.Message(MessageId::WordsFileReadError, shell.UIText(ui_text::kProgramName),
                u"Error" + Decimal(error.number) + u": " + error.description, MessageIcon::None);
}

// The user stopped: the file leaves the list and none of its words stay.
void AbandonFile(WordListContext& context, int index) {
  WordsFileList& list = context.settings.wordsFileList;
  if (list.HasSelection()) {
    list.entries.erase(list.entries.begin() + list.index);
    list.index = -1;
  }
  context.state.fileWordsToIgnore.Clear();
  context.state.loadedWordsFile[static_cast<size_t>(index)].clear();
  context.run.countAvailable = false;
  context.run.stopRequested = false;
  context.shell.view.SettingsChanged();
}

// Shows that the list is being read: the Count button's counting caption
// (it stops the reading) and the notice in the text window.
void ShowReading(Shell& shell, RunState& run) {
  ShowCountButton(shell, run, CountButton::Stop);
  shell.window.Repaint(ControlId::cmdCountPhrases);
  shell.textWindow.Set(Text(kReadingNotice));
  shell.window.Repaint(ControlId::txbOutput);
}

}  // namespace

bool ReadWords(WordListContext& context, int index) {
  const WordsFileList& list = context.settings.wordsFileList;
  if (index != 0 || !list.HasSelection()) return false;
  const Text path = list.Selected();
  bool utf8 = false;
  if (!context.files.CheckTextFile(path, utf8)) return false;

  Shell& shell = context.shell;
  RunState& run = context.run;
  run.readingWordsFile = true;
  ScannerState state;
  state.readingWordsFile = true;
  SetCommentMarkers(MarkupMode::C, state.markers);
  state.commentState = -1;
  WordRules rules;
  rules.SetReadingExtraChars();
  WordSet words;
  ShowReading(shell, run);

  RunError openError;
  const std::unique_ptr<WordsFileLines> lines = context.files.OpenLines(path, openError);
  if (!lines) {
    RestoreWindow(context);
    ShowReadError(shell, openError);
    return false;
  }
  EntrySink sink(shell, state, words);
  WordScanner scanner(state, rules, context.settings, shell.pump, run.stopRequested,
                      run.startUpCompleted, sink);
  Text raw;
  bool firstLine = true;
  while (!run.stopRequested && lines->ReadLfLine(raw)) {
    const Text line = PrepareLine(raw, utf8, firstLine);
    firstLine = false;
    if (!line.empty()) {
      state.currentLine = LowerCaseText(line) + u' ';
      sink.SetLineAsWritten(&line);
      scanner.ScanLine();
      sink.SetLineAsWritten(nullptr);
    }
    shell.pump.Yield();
  }

  if (run.stopRequested) {
    AbandonFile(context, index);
    RestoreWindow(context);
    return false;
  }
  if (const std::optional<RunError> error = lines->error()) {
    RestoreWindow(context);
    ShowReadError(shell, *error);
    return false;
  }
  context.state.fileWordsToIgnore.Assign(std::vector<Text>(words.begin(), words.end()));
  RestoreWindow(context);
  return true;
}

}  // namespace velt
