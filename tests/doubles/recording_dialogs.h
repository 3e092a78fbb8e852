// Dialogs double: records every request and answers from scripts.
#pragma once

#include <deque>
#include <optional>
#include <ostream>
#include <vector>

#include "platform/dialogs.h"
#include "text/text.h"

namespace velt {

// Failed assertions show a message id by its number.
inline void PrintTo(MessageId id, std::ostream* out) {
  *out << "MessageId " << static_cast<int>(id);
}

}  // namespace velt

namespace velt::testing {

class RecordingDialogs final : public Dialogs {
 public:
  // Answers given to message boxes in order; when the script is empty the
  // box's default button answers.
  std::deque<Answer> answers;
  std::deque<std::optional<Text>> inputAnswers;
  std::deque<std::optional<Text>> openFileAnswers;
  std::deque<std::optional<Text>> saveFileAnswers;
  std::deque<std::optional<Text>> folderAnswers;

  std::vector<MessageRequest> messages;
  std::vector<InputRequest> inputs;
  std::vector<FileDialogRequest> fileDialogs;

  Answer Message(const MessageRequest& request) override;
  std::optional<Text> InputBox(const InputRequest& request) override;
  std::optional<Text> OpenFile(const FileDialogRequest& request) override;
  std::optional<Text> SaveFile(const FileDialogRequest& request) override;
  std::optional<Text> BrowseFolder(const Text& title) override;

  // The ids, texts and titles of all messages shown so far, for compact
  // assertions.
  std::vector<MessageId> Ids() const;
  std::vector<Text> Texts() const;
  std::vector<Text> Titles() const;
};

}  // namespace velt::testing
