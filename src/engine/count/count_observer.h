// What a count reports as it goes: its steps, in the order they happen, and
// the one question it asks. The main window's side shows them (CountWindow).
#pragma once

#include "phrases/list_statistics.h"
#include "sources/file_reader.h"
#include "text/text.h"

namespace velt {

class CountObserver {
 public:
  virtual ~CountObserver() = default;

  // The run's parameters are set: the window forgets the last count.
  virtual void Started() = 0;
  // The output file refused the count before anything was read.
  virtual void NotStarted() = 0;
  // The source is about to be read: every control but the Count button is
  // locked, and the counters are hidden.
  virtual void RunStarted() = 0;
  // The extra words hold a character the word rules do not allow.
  virtual void ExtraWordsRefused() = 0;
  // The checks are passed: the Count button becomes the Stop button and the
  // elapsed time starts.
  virtual void ReadingStarted() = 0;

  // The single file is read; it was read (or refused: DoItFromFile's outcome
  // was other than Read).
  virtual void FileReading(const Text& path) = 0;
  virtual void FileRead() = 0;
  virtual void FileRefused(const FileReadOutcome& outcome) = 0;
  // The clipboard is read; it held no text.
  virtual void ClipboardReading() = 0;
  virtual void ClipboardEmpty() = 0;

  // The phrases found are sorted (only shown for many phrases).
  virtual void SortingStarted() = 0;
  // The reading was stopped; the question whether to list the phrases found
  // so far (true: list them); the run ends without a listing.
  virtual void Stopped() = 0;
  virtual bool AskListIncomplete() = 0;
  virtual void Abandoned() = 0;
  // A folder run found no file to read.
  virtual void NoFilesFound() = 0;

  // The phrases read are processed; after a complete folder run the file
  // being read is no longer shown.
  virtual void Processing(bool folderCounted) = 0;
  virtual void ExcludingSubphrases() = 0;
  virtual void SubphrasesStopped() = 0;
  virtual void FrequencyChainStarted() = 0;
  virtual void FrequencyChainProgress() = 0;
  // The statistics of the list are known; the list is written.
  virtual void Counted(const ListStatistics& stats) = 0;
  virtual void Listed() = 0;

  // The reading part is over, however it ended: the controls are unlocked;
  // after a folder run that was not stopped the file boxes stay hidden.
  virtual void Ended(bool folderRead) = 0;
  // The count is over: the filter is offered again, with the filter words
  // that were kept (normalised as the box does it).
  virtual void Finished(bool filterWordsKept) = 0;
};

}  // namespace velt
