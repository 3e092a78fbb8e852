// Start-up, Initialize, the default values and quitting.
#include "engine/engine.h"
#include "engine/window_actions.h"
#include "reports/display_format.h"
#include "settings/ui_texts.h"
#include "sources/file_patterns.h"
#include "sources/markup.h"
#include "sources/source_controls.h"
#include "wordlists/common_words.h"
#include "wordlists/extra_words.h"
#include "wordlists/ignore_notice.h"
#include "wordlists/word_list_state.h"

namespace velt {
namespace {

// A format that needs the folder source falls back to format 0 at start-up.
void CheckRestoredFormat(ReportContext& reports) {
  if (DisplayFormatOf(reports.settings.displayFormat).needsFolder &&
      reports.settings.source != Source::Folder) {
    reports.settings.displayFormat = 0;
  }
  EnableFormatOptions(reports);
}

}  // namespace

void Engine::SetUpBeforeShow() {
  Session& s = session_;
  WindowModel& w = s.window;
  s.run.startUpCompleted = false;
  // One-time control setup.
  s.settings.ignoreMode = IgnoreMode::None;
  w.SetCaption(ControlId::lblSelectSource, s.UIText(ui_text::kSelectSource));
  w.SetTooltip(ControlId::chkDisplayRelativeFrequency,
               u"'Relative frequency' is explained in 'Report Formats' in the online user manual.");
  w.SetCaption(ControlId::chkFileList, s.UIText(ui_text::kFileListFormat));
  s.settings.minimumFrequencyIndex = 1;
  s.settings.filterMode = FilterMode::AllWords;
  // The platform has no clipboard viewer.
  w.SetVisible(ControlId::cmdClipboardViewer, false);

  EnableDisableButtons(true);
  Initialize();
  w.SetCaption(ControlId::frmMain, s.UIText(ui_text::kProgramName));

  s.settings.source = Source::SingleFile;
  SelectSource(sourceContext_, Source::SingleFile);
  SetTheFocus(s);
  w.SetCaption(ControlId::cmdCopyToClipboard, s.UIText(ui_text::kCopyToClipboard));
  w.SetVisible(ControlId::cmdCopyToClipboard, true);
  w.SetVisible(ControlId::cmdSaveState, true);
  EnableDisableButtons(true);

  w.SetCaption(ControlId::lblWordsToIgnoreNotice, u"");
  s.settings.suppressWordsAsFound = true;
  w.SetVisible(ControlId::chkSuppressWords, false);

  w.SetVisible(ControlId::cmdListFiles, false);
  w.SetVisible(ControlId::lblTimeElapsed_1, false);
  w.SetVisible(ControlId::chkFileList, false);
  CheckRestoredFormat(reportContext_);
  s.reports.previousDisplayFormat = 0;
  s.view.SettingsChanged();
}

void Engine::StartBatch() {
  SetBatchMode(true);
  SetUpBeforeShow();
  session_.run.startUpCompleted = true;
}

void Engine::StartUpAfterShow() {
  Session& s = session_;
  const RestoreResult restored =
      stateFile_.RestoreSavedState({s.settings, s.dialogs, *this, false}, {});
  if (restored.status == RestoreStatus::ListWithoutSelection ||
      restored.status == RestoreStatus::Error) {
    Text message = restored.status == RestoreStatus::ListWithoutSelection
                       ? s.UIText(ui_text::kListWithoutSelection)
                       : s.UIText(ui_text::kSettingsNotRestored) + u": " + restored.description;
    message += u"\r\n\r\n";
    message += s.UIText(ui_text::kResetToDefaultsQuestion);
    if (s.Message(MessageId::SavedSettingsProblem, s.UIText(ui_text::kSavedSettingsProblemTitle),
                  message, MessageIcon::Question, MessageButtons::YesNo) == Answer::Yes) {
      Initialize();
    } else {
      s.settings.saveStateOnQuit = false;
    }
  }

  s.reports.previousDisplayFormat = s.settings.displayFormat;
  if (s.settings.ignoreMode == IgnoreMode::None) {
    s.settings.ignoreMode = IgnoreMode::ExcludeAllIgnored;
  }
  CheckRestoredFormat(reportContext_);
  s.view.SettingsChanged();

  AskToUseCommonWords(wordListContext_);

  velt::SetWordsToIgnoreNotice(s.wordLists, s.window);
  s.window.SetVisible(ControlId::chkFileList, s.settings.source == Source::Folder);
  s.settings.fileListFormat = false;
  s.window.SetEnabled(ControlId::cmdClear, !s.settings.filterWords.empty());
  SetCountPhrasesCaption(s);

  // Filter words left in the box wait for the first count: the box is emptied
  // (nothing else is reset, so no saved setting is lost).
  if (!s.settings.filterWords.empty()) {
    s.settings.filterWords.clear();
    s.reports.filterWordCount = 0;
    s.reports.filterWordList.clear();
    s.reports.filterWordsParsed.clear();
  }
  s.view.SettingsChanged();
  SetTheFocus(s);
  s.run.startUpCompleted = true;
}

void Engine::Initialize() {
  Session& s = session_;
  Settings& settings = s.settings;
  WindowModel& w = s.window;
  settings.relativeFrequency = false;
  settings.sortByNumberOfFiles = false;
  EraseNumWords(s);
  w.SetCaption(ControlId::lblFilesize, u"");
  w.SetCaption(ControlId::lblXMLsize, u"");
  w.SetCaption(ControlId::lblTwirler, u" ");
  textSink_.SetTextboxCapacity(kTextboxCapacity);
  s.sources.listingFiles = false;
  settings.inputFolder.clear();
  settings.filePaths[0].clear();
  settings.pathPatterns[0].clear();
  GetFileFilepathSpecifications(settings, s.sources, 0);
  settings.extraWords.clear();
  s.wordLists.extraWordsToIgnore.Clear();
  w.SetCaption(ControlId::txbStateFile, u"");
  s.sources.savedInputFile.clear();
  s.sources.savedFolder.clear();
  scanner_.commentState = -1;
  SetDefaultValues();
  s.reports.suppressRelist = false;
  settings.wordOrder = 0;
  settings.displayFormat = 0;
  SetSkippedExtensions(s.sources);
  settings.filterWords.clear();
  s.reports.filterWordCount = 0;
  s.reports.filterWordList.clear();
  s.reports.filterWordsParsed.clear();
  settings.longWordSizeIndex = 2;
  settings.shortWordSizeIndex = 1;
  if (s.run.startUpCompleted) {
    ShowSettingsWindow();
    if (!settings.wordsFileList.entries.empty() &&
        s.Message(MessageId::ClearWordsFilesOnReinitialize, u"Reinitialize",
                  u"Do you wish to clear all words-to-ignore files?", MessageIcon::Question,
                  MessageButtons::YesNo) == Answer::Yes) {
      settings.wordsFileList = WordsFileList();
      settings.commonWordsLanguage = kNoLanguageIndex;
      ClearFileWordsInForce();
    }
  }
  velt::SetWordsToIgnoreNotice(s.wordLists, s.window);
  s.view.SettingsChanged();
}

void Engine::SetDefaultValues() {
  Session& s = session_;
  GuardFlag restoring(s.run.restoring);
  s.settings.SetSettingsWindowDefaults();
  SetCommentMarkers(MarkupMode::None, scanner_.markers);
  s.settings.source = Source::SingleFile;
  LayOutSourceControls(s.window, s.settings.source);
  s.run.countAvailable = false;
  s.view.SettingsChanged();
}

void Engine::Quit() {
  if (session_.settings.saveStateOnQuit) {
    const Text error = stateFile_.SaveState(session_.settings);
    if (!error.empty())
      session_.Message(MessageId::SaveStateFailed, u"Save state", error, MessageIcon::Exclamation);
  }
  session_.sources.tempArea.Remove();
}

}  // namespace velt
