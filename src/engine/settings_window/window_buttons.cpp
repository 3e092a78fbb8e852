// The Settings window's own buttons: "Quit" and "Hide settings".
#include "engine/window_actions.h"
#include "engine/window_controllers.h"

namespace velt {

bool SettingsWindowEngine::OnQuitClicked() {
  if (session().Message(MessageId::ReallyQuit, u"Quit", u"Really quit?", MessageIcon::Question,
                        MessageButtons::YesNo) != Answer::Yes) {
    return false;
  }
  engine_.Quit();
  return true;
}

// Back in the main window, the Count button has the focus.
void SettingsWindowEngine::OnSettingsHidden() {
  SetTheFocus(session());
}

}  // namespace velt
