#include "engine/engine.h"

#include "engine/window_actions.h"
#include "engine/window_controllers.h"
#include "reports/report_error.h"
#include "sources/file_patterns.h"
#include "sources/input_checks.h"
#include "sources/source_controls.h"
#include "wordlists/extra_words.h"
#include "wordlists/ignore_notice.h"
#include "wordlists/words_file_list.h"
#include "words/word_scanner.h"

namespace velt {

Engine::Engine(Seams seams, const UiTextTable& texts, EngineOptions options)
    : session_(seams, texts, std::move(options.dataDir), options.numbers),
      textSink_(session_.window, session_.textWindow, session_.reports, session_.sources),
      reportContext_{session_.shell,   session_.settings, session_.run, session_.reports,
                     session_.sources, textSink_,         *this},
      sourceContext_{
          session_.shell, session_.settings, session_.run, session_.sources, *this, zip_},
      table_(session_.pump),
      listing_(table_, stats_, session_.pump),
      lookups_(session_.wordLists, session_.settings),
      wordsFiles_(session_.shell, *this),
      stateFile_(std::move(options.statePath)),
      settingsFileContext_{session_.shell, session_.settings, stateFile_, *this,
                           session_.run.restoring},
      wordListContext_{session_.shell,     session_.settings, session_.run,
                       session_.wordLists, wordsFiles_,       *this},
      mainWindow_(std::make_unique<MainWindowEngine>(*this)),
      settingsWindow_(std::make_unique<SettingsWindowEngine>(*this)) {
  table_.SetHooks({[this] { session_.window.SetVisible(ControlId::lblNumberOfWords, true); }, {}});
}

Engine::~Engine() = default;

MainWindowController& Engine::mainWindow() {
  return *mainWindow_;
}
SettingsWindowController& Engine::settingsWindow() {
  return *settingsWindow_;
}

// --- SourceHooks ---

void Engine::ProcessLine(Text line) {
  if (!reading_.sink) return;  // lines are only scanned while a count runs
  const Text& inputPath = session_.sources.currentFile;  // the file being read
  if (inputPath != currentFile_) {
    currentFile_ = inputPath;
    table_.filesRead().SetCurrentFile(currentFile_);
  }
  scanner_.currentLine = std::move(line);
  scanner_.currentLine += u' ';
  WordScanner scanner(scanner_, wordRules_, session_.settings, session_.pump,
                      session_.run.stopRequested, session_.run.startUpCompleted, *reading_.sink);
  scanner.ScanLine();
}

void Engine::ResetPhrases() {
  if (reading_.assembler) reading_.assembler->ResetPhrases();
}

void Engine::ResetWordStore(bool folderRun) {
  table_.Reset(folderRun ? TableMode::FolderCount : TableMode::Count);
  if (folderRun) table_.filesRead().Reset();
  currentFile_.clear();
  stats_ = ListStatistics();
  if (reading_.assembler) reading_.assembler->ResetPhrases();
}

void Engine::OutputToTxb(TextView text) {
  textSink_.OutputToTxb(text);
}

void Engine::ClearTextbox() {
  textSink_.ClearTextbox();
}

void Engine::ReportError(int number, const Text& description, const Text& label) {
  velt::ReportError(reportContext_, number, description, label);
}

void Engine::ClearPreviousResults() {
  session_.run.countAvailable = false;
  ConcealNumWords(session_, true);
}

bool Engine::TextWindowFull() const {
  return session_.reports.textWindowFull;
}

void Engine::ConcealCounters(bool erase) {
  ConcealNumWords(session_, erase);
}

void Engine::EraseCounters() {
  EraseNumWords(session_);
}

// --- ReportHooks ---

void Engine::FocusCountButton() {
  SetTheFocus(session_);
}

void Engine::DisplayFormatChosen() {
  mainWindow_->OnDisplayFormatChosen();
}

void Engine::SortByNumberOfFilesClicked() {
  mainWindow_->OnSortByNumberOfFilesClicked();
}

// --- WordListHooks ---

void Engine::ResetCountButton() {
  SetCountPhrasesCaption(session_);
}

// --- RestoreHooks ---

void Engine::RememberLastFolder(const Text& folder) {
  session_.sources.savedFolder = folder;
}

void Engine::PatternBoxSet(int index) {
  GetFileFilepathSpecifications(session_.settings, session_.sources, index);
}

void Engine::RememberLastInputFile(const Text& path) {
  session_.sources.savedInputFile = path;
}

void Engine::SourceSelected() {
  LayOutSourceControls(session_.window, session_.settings.source);
  EnableSourceControls(session_.shell, session_.settings);
  session_.window.SetEnabled(ControlId::chkFileList, session_.settings.source == Source::Folder);
}

void Engine::LanguageSelected() {
  // At start-up the language list's click does nothing. Loading a settings
  // file (and velt-batch) uses the record only to select the entry: the words
  // file of the settings is loaded once every record is read, and the list
  // then follows that file.
  if (!session_.run.startUpCompleted || session_.run.restoring || batchMode_) return;
  settingsWindow_->OnCommonWordsLanguageChosen();
}

void Engine::DisableOutputSwitch() {
  UpdateDisableOutputToFile(session_.shell, session_.settings);
}

void Engine::CheckInputFileName(const Text& path) {
  velt::CheckInputFileName(sourceContext_, path);
}

void Engine::FolderBoxLostFocus() {
  mainWindow_->OnFolderLeft();
}

void Engine::CommitExtraWords() {
  GetExtraWords(wordListContext_, 0);
}

bool Engine::AttemptToReadWords() {
  return velt::AttemptToReadWords(wordListContext_, 0);
}

void Engine::ClearFileWordsInForce() {
  session_.wordLists.fileWordsToIgnore.Clear();
  session_.wordLists.loadedWordsFile[0].clear();
}

void Engine::SetWordsToIgnoreNotice() {
  velt::SetWordsToIgnoreNotice(session_.wordLists, session_.window);
}

void Engine::ShowSettingsWindow() {
  session_.window.SetVisible(ControlId::frmParams, true);
}

}  // namespace velt
