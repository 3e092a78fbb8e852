// Start-up, Initialize, the default values and quitting.
#include "engine/engine.h"
#include "engine/window_actions.h"
#include "reports/display_format.h"
#include "reports/filter_handlers.h"
#include "reports/text_sink.h"
#include "sources/file_patterns.h"
#include "sources/markup.h"
#include "sources/source_controls.h"
#include "wordlists/common_words.h"
#include "wordlists/extra_words.h"
#include "wordlists/ignore_notice.h"
#include "wordlists/word_list_state.h"

namespace velt {
namespace {

// A format above 9 needs the folder source; start-up falls back to format 0.
void CheckRestoredFormat(Session& session, ListedPhrases& listing) {
  if (session.settings.cboDisplayFormat > 9 && session.settings.source != Source::Folder) {
    session.settings.cboDisplayFormat = 0;
  }
  EnableFormatOptions(session, listing);
}

}  // namespace

void Engine::SetUpBeforeShow() {
  Session& s = session_;
  WindowModel& w = s.window;
  s.run.blnStartUpCompleted = false;
  // One-time control setup.
  s.settings.ignoreMode = IgnoreMode::None;
  w.SetCaption(ControlId::lblSelectSource, s.UIText(19));
  w.SetTooltip(ControlId::chkDisplayRelativeFrequency,
               u"'Relative frequency' is explained in 'Report Formats' in the online user manual.");
  w.SetCaption(ControlId::chkFileList, s.UIText(374));
  s.settings.cboMinimumFrequency = 1;
  s.settings.filterMode = FilterMode::AllWords;
  // The platform has no clipboard viewer.
  w.SetVisible(ControlId::cmdClipboardViewer, false);

  EnableDisableButtons(true);
  Initialize();
  w.SetCaption(ControlId::frmMain, s.UIText(1));

  s.settings.source = Source::SingleFile;
  optSource_Click(s, Source::SingleFile);
  w.SetCaption(ControlId::cmdCopyToClipboard, s.UIText(9));
  w.SetVisible(ControlId::cmdCopyToClipboard, true);
  w.SetVisible(ControlId::cmdSaveState, true);
  EnableDisableButtons(true);

  w.SetCaption(ControlId::lblWordsToIgnoreNotice, u"");
  s.settings.chkSuppressWords = true;
  w.SetVisible(ControlId::chkSuppressWords, false);

  w.SetVisible(ControlId::cmdListFiles, false);
  w.SetVisible(ControlId::lblTimeElapsed_1, false);
  w.SetVisible(ControlId::chkFileList, false);
  CheckRestoredFormat(s, listing_);
  s.reports.intPrevDisplayFormat = 0;
  s.view.SettingsChanged();
}

void Engine::StartUpAfterShow() {
  Session& s = session_;
  const RestoreResult restored =
      stateFile_.RestoreSavedState({s.settings, s.dialogs, *this, false}, {});
  if (restored.code == restore_result::kListWithoutSelection ||
      restored.code == restore_result::kError) {
    Text message = restored.code == restore_result::kListWithoutSelection
                       ? s.UIText(37)
                       : s.UIText(38) + u": " + restored.description;
    message += u"\r\n\r\n";
    message += s.UIText(39);
    if (s.Message(s.UIText(40), message, MessageIcon::Question, MessageButtons::YesNo) ==
        Answer::Yes) {
      Initialize();
    } else {
      s.settings.chkSaveStateOnQuit = false;
    }
  }

  s.reports.intPrevDisplayFormat = s.settings.cboDisplayFormat;
  if (s.settings.ignoreMode == IgnoreMode::None) {
    s.settings.ignoreMode = IgnoreMode::ExcludeAllIgnored;
  }
  CheckRestoredFormat(s, listing_);
  s.view.SettingsChanged();

  AskToUseCommonWords(s, wordsFiles_);

  velt::SetWordsToIgnoreNotice(s);
  s.window.SetVisible(ControlId::chkFileList, s.settings.source == Source::Folder);
  s.settings.chkFileList = false;
  s.window.SetEnabled(ControlId::cmdClear, !s.settings.txbFilterWords.empty());
  SetCountPhrasesCaption(s);

  // Filter words left in the box wait for the first count: the box is emptied
  // (nothing else is reset, so no saved setting is lost).
  if (!s.settings.txbFilterWords.empty()) {
    s.settings.txbFilterWords.clear();
    s.reports.intNumFilterWords = 0;
    s.reports.astrFilterWords.clear();
    s.reports.strFilterWords.clear();
  }
  s.view.SettingsChanged();
  SetTheFocus(s);
  s.run.blnStartUpCompleted = true;
}

void Engine::Initialize() {
  Session& s = session_;
  Settings& settings = s.settings;
  WindowModel& w = s.window;
  settings.chkDisplayRelativeFrequency = false;
  settings.chkSortByNumberOfFiles = false;
  EraseNumWords(s);
  w.SetCaption(ControlId::lblFilesize, u"");
  w.SetCaption(ControlId::lblXMLsize, u"");
  w.SetCaption(ControlId::lblTwirler, u" ");
  SetTextboxCapacity(s, kTextboxCapacity);
  s.sources.blnListingFiles = false;
  settings.txbFolder.clear();
  settings.txbFile[0].clear();
  settings.txbFileFilepathSpecifications[0].clear();
  GetFileFilepathSpecifications(s, 0);
  settings.txbWordsToIgnoreOrCount.clear();
  s.wordLists.astrExtraWordsToIgnore.Clear();
  w.SetCaption(ControlId::txbStateFile, u"");
  s.sources.strSavedInputFile.clear();
  s.sources.strSavedFolder.clear();
  scanner_.intWithinComment = -1;
  SetDefaultValues();
  s.reports.blnSuppressRelist = false;
  settings.cboWordOrder = 0;
  settings.cboDisplayFormat = 0;
  SetSkippedExtensions(s.sources);
  settings.txbFilterWords.clear();
  s.reports.intNumFilterWords = 0;
  s.reports.astrFilterWords.clear();
  s.reports.strFilterWords.clear();
  settings.cboLongWordSize = 2;
  settings.cboShortWordSize = 1;
  if (s.run.blnStartUpCompleted) {
    ShowSettingsWindow();
    if (!settings.cboWordsFile.entries.empty() &&
        s.Message(u"Reinitialize", u"Do you wish to clear all words-to-ignore files?",
                  MessageIcon::Question, MessageButtons::YesNo) == Answer::Yes) {
      settings.cboWordsFile = WordsFileList();
      settings.cboCommonWordsLanguages = kNoLanguageIndex;
      ClearFileWordsInForce();
    }
  }
  velt::SetWordsToIgnoreNotice(s);
  s.view.SettingsChanged();
}

void Engine::SetDefaultValues() {
  Session& s = session_;
  GuardFlag restoring(s.run.blnRestoring);
  s.settings.SetSettingsWindowDefaults();
  SetCommentMarkers(MarkupMode::None, scanner_.markers);
  s.settings.source = Source::SingleFile;
  LayOutSourceControls(s);
  s.run.blnWordsGot = false;
  s.view.SettingsChanged();
}

void Engine::Quit() {
  if (session_.settings.chkSaveStateOnQuit) {
    const Text error = stateFile_.SaveState(session_.settings);
    if (!error.empty()) session_.Message(u"Save state", error, MessageIcon::Exclamation);
  }
  session_.sources.tempArea.Remove();
}

}  // namespace velt
