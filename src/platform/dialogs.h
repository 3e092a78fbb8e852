// Modal dialogs the engine asks through: message boxes, input boxes, file and
// folder choosers. The Qt program shows real dialogs, velt-batch prints and
// answers, tests script the answers and record every request.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/text.h"

namespace velt {

enum class MessageIcon { None, Information, Exclamation, Critical, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

struct MessageRequest {
  Text title;
  Text text;  // lines separated by CR LF, as the program shows them
  MessageIcon icon = MessageIcon::None;
  MessageButtons buttons = MessageButtons::Ok;
  // The button that has the focus when the box opens. When unset: the first
  // button (OK or Yes).
  std::optional<Answer> defaultAnswer;

  Answer DefaultAnswer() const {
    if (defaultAnswer) return *defaultAnswer;
    return (buttons == MessageButtons::Ok || buttons == MessageButtons::OkCancel) ? Answer::Ok
                                                                                   : Answer::Yes;
  }
};

struct InputRequest {
  Text title;
  Text prompt;
  Text defaultText;
};

struct FileDialogRequest {
  Text title;
  // Name and pattern pairs, e.g. {"VELT settings files (*.velt)", "*.velt"}.
  std::vector<std::pair<Text, Text>> filters;
  Text fileName;
  bool mustExist = false;         // the file and its path must exist
  bool confirmOverwrite = false;  // save dialogs: ask before overwriting
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  virtual Answer Message(const MessageRequest& request) = 0;

  // The text entered, or nothing when the box was cancelled.
  virtual std::optional<Text> InputBox(const InputRequest& request) = 0;

  // The chosen path, or nothing when the dialog was cancelled.
  virtual std::optional<Text> OpenFile(const FileDialogRequest& request) = 0;
  virtual std::optional<Text> SaveFile(const FileDialogRequest& request) = 0;
  virtual std::optional<Text> BrowseFolder(const Text& title) = 0;
};

}  // namespace velt
