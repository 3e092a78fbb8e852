// The program's seams to the outside world, as every subsystem above the
// settings reaches them: message boxes and file dialogs, the window model
// (captions and states of the controls) and the text window, the event pump,
// the clipboard, the numbered UI texts, the data folder and the number format.
// It holds no state of any subsystem.
#pragma once

#include <optional>
#include <string>

#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/event_pump.h"
#include "platform/view.h"
#include "settings/ui_text_table.h"
#include "settings/ui_texts.h"
#include "text/number_format.h"
#include "text/text.h"

namespace velt {

// The implementations of the platform's seams a program runs with.
struct Seams {
  Dialogs& dialogs;
  View& view;
  EventPump& pump;
  Clipboard& clipboard;
};

class Shell {
 public:
  Shell(Seams seams, const UiTextTable& texts, std::string dataDir,
        NumberFormat numbers = NumberFormat::FromEnvironment())
      : dialogs(seams.dialogs),
        view(seams.view),
        pump(seams.pump),
        clipboard(seams.clipboard),
        texts(texts),
        dataDir(std::move(dataDir)),
        numbers(numbers),
        window(seams.view),
        textWindow(seams.view) {}

  Shell(const Shell&) = delete;
  Shell& operator=(const Shell&) = delete;

  Text UIText(int n) const { return texts.UIText(n); }

  // Shows the message box id and returns the answer. A message without a
  // title carries the program's name, as the platform's own message boxes do.
  Answer Message(MessageId id, Text title, Text text, MessageIcon icon,
                 MessageButtons buttons = MessageButtons::Ok,
                 std::optional<Answer> defaultAnswer = std::nullopt) {
    if (title.empty()) title = UIText(ui_text::kProgramName);
    return dialogs.Message({id, std::move(title), std::move(text), icon, buttons, defaultAnswer});
  }

  Dialogs& dialogs;
  View& view;
  EventPump& pump;
  Clipboard& clipboard;
  const UiTextTable& texts;
  const std::string dataDir;
  const NumberFormat numbers;

  WindowModel window;
  TextWindow textWindow;
};

}  // namespace velt
