// The dialogs of velt-batch: every message goes to standard error as
// "[TITLE] TEXT", and every question gets the answer that lets the run go on as
// far as the program itself would.
#pragma once

#include <ostream>
#include <string>

#include "platform/dialogs.h"
#include "text/text.h"

namespace velt {

// Text as velt-batch prints it: UTF-8 with CR LF (and a lone CR) as LF.
std::string ToPrintable(TextView text);

// Writes text as ToPrintable gives it to the file descriptor, a block at a
// time, so that a long report is never held twice. Returns 0, or the errno of
// the write that failed.
int WritePrintable(TextView text, int fd);

class BatchDialogs final : public Dialogs {
 public:
  explicit BatchDialogs(std::ostream& err) : err_(err) {}

  Answer Message(const MessageRequest& request) override;
  // The overwrite prompt is the only input box of a run: OK with its default
  // (input boxes are not message boxes and are not printed).
  std::optional<Text> InputBox(const InputRequest& request) override;
  // There is nobody to choose a file or folder: every chooser is cancelled.
  std::optional<Text> OpenFile(const FileDialogRequest& request) override;
  std::optional<Text> SaveFile(const FileDialogRequest& request) override;
  std::optional<Text> BrowseFolder(const Text& title) override;

  // The answer velt-batch gives to a question, chosen by its id.
  static Answer BatchAnswer(const MessageRequest& request);

 private:
  void Print(const Text& title, const Text& text);

  std::ostream& err_;
};

}  // namespace velt
