// The engine's session: every piece of state of a running program, grouped by
// the subsystem that uses it, and the seams through which it reaches the
// outside world. The windows hold a reference to it, edit its Settings record
// and call its operations; velt-batch and the tests drive it without windows.
#pragma once

#include <string>

#include "phrases/run_state.h"
#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/event_pump.h"
#include "platform/view.h"
#include "reports/report_state.h"
#include "settings/settings.h"
#include "settings/ui_text_table.h"
#include "sources/source_state.h"
#include "text/number_format.h"
#include "wordlists/word_list_state.h"

namespace velt {

struct Seams {
  Dialogs& dialogs;
  View& view;
  EventPump& pump;
  Clipboard& clipboard;
};

class Session {
 public:
  Session(Seams seams, const UiTextTable& texts, std::string dataDir,
          NumberFormat numbers = NumberFormat::FromEnvironment())
      : dialogs(seams.dialogs),
        view(seams.view),
        pump(seams.pump),
        clipboard(seams.clipboard),
        texts(texts),
        dataDir(std::move(dataDir)),
        numbers(numbers),
        window(seams.view),
        textWindow(seams.view) {
    textWindow.SetLimit(TextWindowLimit(reports.textWindowCapacity));
  }

  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  Text UIText(int n) const { return texts.UIText(n); }

  // Shows a message box and returns the answer. A message without a title
  // carries the program's name, as the platform's own message boxes do.
  Answer Message(Text title, Text text, MessageIcon icon,
                 MessageButtons buttons = MessageButtons::Ok,
                 std::optional<Answer> defaultAnswer = std::nullopt) {
    if (title.empty()) title = UIText(kProgramNameText);
    return dialogs.Message({std::move(title), std::move(text), icon, buttons, defaultAnswer});
  }

  Dialogs& dialogs;
  View& view;
  EventPump& pump;
  Clipboard& clipboard;
  const UiTextTable& texts;
  const std::string dataDir;
  const NumberFormat numbers;

  Settings settings;
  WindowModel window;
  TextWindow textWindow;

  RunState run;
  ReportState reports;
  SourceState sources;
  WordListState wordLists;
};

}  // namespace velt
