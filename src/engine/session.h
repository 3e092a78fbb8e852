// The engine's session: the seams to the outside world (the shell) and the
// state of each subsystem, which the engine hands to the subsystems it owns.
#pragma once

#include <string>

#include "phrases/run_state.h"
#include "reports/report_state.h"
#include "settings/settings.h"
#include "settings/shell.h"
#include "sources/source_state.h"
#include "wordlists/word_list_state.h"

namespace velt {

class Session {
 public:
  Session(Seams seams, const UiTextTable& texts, std::string dataDir,
          NumberFormat numbers = NumberFormat::FromEnvironment())
      : shell(seams, texts, std::move(dataDir), numbers),
        dialogs(shell.dialogs),
        view(shell.view),
        pump(shell.pump),
        clipboard(shell.clipboard),
        texts(shell.texts),
        dataDir(shell.dataDir),
        numbers(shell.numbers),
        window(shell.window),
        textWindow(shell.textWindow) {
    textWindow.SetLimit(TextWindowLimit(reports.textWindowCapacity));
  }

  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  Text UIText(int n) const { return shell.UIText(n); }

  Answer Message(MessageId id, Text title, Text text, MessageIcon icon,
                 MessageButtons buttons = MessageButtons::Ok,
                 std::optional<Answer> defaultAnswer = std::nullopt) {
    return shell.Message(id, std::move(title), std::move(text), icon, buttons, defaultAnswer);
  }

  // The seams to the outside world, which the subsystems receive.
  Shell shell;
  // The shell's parts, as the engine's own code names them.
  Dialogs& dialogs;
  View& view;
  EventPump& pump;
  Clipboard& clipboard;
  const UiTextTable& texts;
  const std::string& dataDir;
  const NumberFormat& numbers;
  WindowModel& window;
  TextWindow& textWindow;

  // The state of each subsystem.
  Settings settings;
  RunState run;
  ReportState reports;
  SourceState sources;
  WordListState wordLists;
};

}  // namespace velt
