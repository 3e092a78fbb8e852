// Modal dialogs the engine asks through: message boxes, input boxes, file and
// folder choosers. The Qt program shows real dialogs, velt-batch prints and
// answers, tests script the answers and record every request.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/message_ids.h"

namespace velt {

enum class MessageIcon { None, Information, Exclamation, Critical, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

struct MessageRequest {
  MessageId id;  // which message or question this is; the title and text say it
  std::u16string title;
  std::u16string text;  // lines separated by CR LF, as the program shows them
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
  std::u16string title;
  std::u16string prompt;
  std::u16string defaultText;
};

struct FileDialogRequest {
  std::u16string title;
  // Name and pattern pairs, e.g. {"VELT settings files (*.velt)", "*.velt"}.
  std::vector<std::pair<std::u16string, std::u16string>> filters;
  std::u16string fileName;
  bool mustExist = false;         // the file and its path must exist
  bool confirmOverwrite = false;  // save dialogs: ask before overwriting
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  virtual Answer Message(const MessageRequest& request) = 0;

  // The text entered, or nothing when the box was cancelled.
  virtual std::optional<std::u16string> InputBox(const InputRequest& request) = 0;

  // The chosen path, or nothing when the dialog was cancelled.
  virtual std::optional<std::u16string> OpenFile(const FileDialogRequest& request) = 0;
  virtual std::optional<std::u16string> SaveFile(const FileDialogRequest& request) = 0;
  virtual std::optional<std::u16string> BrowseFolder(const std::u16string& title) = 0;
};

}  // namespace velt
