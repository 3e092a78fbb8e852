#include "wordlists/words_file_reader.h"

#include <set>

#include "engine/window_actions.h"
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
  EntrySink(Session& session, const ScannerState& state, WordSet& words)
      : session_(session), state_(state), words_(words) {}

  void SetLineAsWritten(const Text* line) { asWritten_ = line; }

  void TakeWord(TextView word, const StopFlags&) override {
    const Text entry = word.front() == u'<' ? AsWritten(word) : Text(word);
    if (!words_.insert(entry).second) return;
    const auto count = static_cast<int64_t>(words_.size());
    if (count % 10 != 0) return;
    WindowModel& window = session_.window;
    window.SetCaption(ControlId::lblNumberOfWords,
                      u"Number of words read so far: " + session_.numbers.Grouped(count));
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

  Session& session_;
  const ScannerState& state_;
  WordSet& words_;
  const Text* asWritten_ = nullptr;
};

void RestoreWindow(Session& session) {
  SetCountPhrasesCaption(session);
  if (session.textWindow.text() == kReadingNotice) session.textWindow.Clear();
}

void ShowReadError(Session& session, const RunError& error) {
  session.Message(session.UIText(1), u"Error" + Decimal(error.number) + u": " + error.description,
                  MessageIcon::None);
}

// The user stopped: the file leaves the list and none of its words stay.
void AbandonFile(Session& session, int index) {
  WordsFileList& list = session.settings.wordsFileList;
  if (list.HasSelection()) {
    list.entries.erase(list.entries.begin() + list.index);
    list.index = -1;
  }
  session.wordLists.fileWordsToIgnore.Clear();
  session.wordLists.loadedWordsFile[static_cast<size_t>(index)].clear();
  session.run.countAvailable = false;
  session.run.stopRequested = false;
  session.view.SettingsChanged();
}

}  // namespace

bool ReadWords(Session& session, WordsFileSource& files, int index) {
  const WordsFileList& list = session.settings.wordsFileList;
  if (index != 0 || !list.HasSelection()) return false;
  const Text path = list.Selected();
  bool utf8 = false;
  if (!files.CheckTextFile(path, utf8)) return false;

  session.run.readingWordsFile = true;
  ScannerState state;
  state.readingWordsFile = true;
  SetCommentMarkers(MarkupMode::C, state.markers);
  state.commentState = -1;
  WordRules rules;
  rules.SetReadingExtraChars();
  WordSet words;

  session.window.SetCaption(ControlId::cmdCountPhrases, session.UIText(25));
  session.window.Repaint(ControlId::cmdCountPhrases);
  session.textWindow.Set(Text(kReadingNotice));
  session.window.Repaint(ControlId::txbOutput);

  RunError openError;
  const std::unique_ptr<WordsFileLines> lines = files.OpenLines(path, openError);
  if (!lines) {
    RestoreWindow(session);
    ShowReadError(session, openError);
    return false;
  }
  EntrySink sink(session, state, words);
  WordScanner scanner(state, rules, session.settings, session.pump, session.run.stopRequested,
                      session.run.startUpCompleted, sink);
  Text raw;
  bool firstLine = true;
  while (!session.run.stopRequested && lines->ReadLfLine(raw)) {
    const Text line = PrepareLine(raw, utf8, firstLine);
    firstLine = false;
    if (!line.empty()) {
      state.currentLine = LowerCaseText(line) + u' ';
      sink.SetLineAsWritten(&line);
      scanner.ScanLine();
      sink.SetLineAsWritten(nullptr);
    }
    session.pump.Yield();
  }

  if (session.run.stopRequested) {
    AbandonFile(session, index);
    RestoreWindow(session);
    return false;
  }
  if (const std::optional<RunError> error = lines->error()) {
    RestoreWindow(session);
    ShowReadError(session, *error);
    return false;
  }
  session.wordLists.fileWordsToIgnore.Assign(std::vector<Text>(words.begin(), words.end()));
  RestoreWindow(session);
  return true;
}

}  // namespace velt
