// What the main window shows of a count: the counting run's steps as window
// calls, captions, texts and message boxes.
#pragma once

#include "engine/count/count_observer.h"
#include "engine/engine.h"

namespace velt {

class CountWindow final : public CountObserver {
 public:
  explicit CountWindow(Engine& engine);

  void Started() override;
  void NotStarted() override;
  void RunStarted() override;
  void ExtraWordsRefused() override;
  void ReadingStarted() override;

  void FileReading(const Text& path) override;
  void FileRead() override;
  void FileRefused(const FileReadOutcome& outcome) override;
  void ClipboardReading() override;
  void ClipboardEmpty() override;

  void SortingStarted() override;
  void Stopped() override;
  bool AskListIncomplete() override;
  void Abandoned() override;
  void NoFilesFound() override;

  void Processing(bool folderCounted) override;
  void ExcludingSubphrases() override;
  void SubphrasesStopped() override;
  void FrequencyChainStarted() override;
  void FrequencyChainProgress() override;
  void Counted(const ListStatistics& stats) override;
  void Listed() override;

  void Ended(bool folderRead) override;
  void Finished(bool filterWordsKept) override;

 private:
  // Replaces the text window's content and redraws it at once.
  void ShowText(Text text);

  Engine& engine_;
  Session& session_;
};

}  // namespace velt
