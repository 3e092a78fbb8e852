// The Count button: a stop request while a count runs, otherwise the checks
// and questions before a count, then the count.
#include <filesystem>

#include "engine/window_actions.h"
#include "engine/window_controllers.h"
#include "phrases/count_button.h"
#include "settings/ui_texts.h"
#include "sources/input_checks.h"
#include "text/path_text.h"
#include "text/strings.h"

namespace velt {
namespace {

// Rounds to the nearest integer, halves away from zero (file size in Kb).
int64_t KilobytesRounded(int64_t bytes) {
  return (bytes + 512) / 1024;
}

}  // namespace

void MainWindowEngine::OnCountClicked() {
  Session& s = session();
  // A click on the Stop button is a stop request. It is taken before the
  // input checks, so that a check failing in the middle of a run (say, the
  // clipboard emptied) can never keep the user from stopping.
  if (s.run.counting()) {
    AskToStop();
    return;
  }
  engine_.ResetCountOutcome();
  if (!CheckSourceBeforeCount(s.shell, s.settings)) return;
  s.run.summarySentence.clear();

  s.run.timer2Enabled = true;
  s.window.SetVisible(ControlId::lblTimeElapsed_1, true);
  SetCountPhrasesCaption(s);
  if (!PhraseLengthsValid() || !MinimumFrequencyKept() || !FilterWordsKept()) return;
  engine_.Count();
}

// The run notices the request where it next looks; the window shows at once
// that it stops.
void MainWindowEngine::AskToStop() {
  Session& s = session();
  const Answer answer =
      s.Message(MessageId::ReallyStop, s.UIText(ui_text::kCountPhrases), u"Really stop?",
                MessageIcon::Question, MessageButtons::YesNo, Answer::No);
  if (answer == Answer::No) return;
  engine_.textSink().SetTextWindow(u"Counting of all phrases was stopped.");
  s.run.stopRequested = true;
  ShowCountButton(s.shell, s.run, CountButton::Count);
  s.run.elapsedTimeRunning = false;
  s.run.timer2Enabled = false;
  s.pump.Yield();
}

bool MainWindowEngine::PhraseLengthsValid() {
  Session& s = session();
  if (s.settings.MaxPhraseLength() >= s.settings.MinPhraseLength()) return true;
  s.Message(MessageId::PhraseLengthsInverted, u"Invalid input",
            u"The maximum number of words in each phrase\r\nmust not be less than the minimum "
            u"number.",
            MessageIcon::Exclamation);
  return false;
}

// Every phrase of a folder or of a file over 50 Kb, listed by frequency, takes
// long: the user may rather raise the minimum number of occurrences.
bool MainWindowEngine::MinimumFrequencyKept() {
  Session& s = session();
  const Settings& settings = s.settings;
  if (settings.MinimumFrequency() != 1 || settings.wordOrder != 0) return true;
  bool ask = settings.source == Source::Folder;
  if (settings.source == Source::SingleFile) {
    std::error_code error;
    const auto size = std::filesystem::file_size(
        std::filesystem::path(NativePath(TrimSpaces(settings.filePaths[0]))), error);
    ask = !error && KilobytesRounded(static_cast<int64_t>(size)) > 50;
  }
  if (!ask) return true;
  const Answer answer = s.Message(
      MessageId::ResetMinimumFrequency, u"Minimum number of occurrences",
      u"If you are just interested in the most frequently occurring phrases then the minimum "
      u"number of occurrences should be set to at least 2, otherwise processing will take "
      u"longer.\r\n\r\nDo you wish to reset it?",
      MessageIcon::Question, MessageButtons::YesNo);
  return answer != Answer::Yes;
}

bool MainWindowEngine::FilterWordsKept() {
  Session& s = session();
  if (s.settings.filterWords.empty()) return true;
  const Answer answer = s.Message(MessageId::KeepFilterWords, u"Filter results?",
                                  u"Do you wish to keep the filter settings?",
                                  MessageIcon::Question, MessageButtons::YesNo);
  return answer != Answer::No;
}

}  // namespace velt
