#include "reports/text_window_mouse.h"

namespace velt {

void OnOutputLeftClicked(Session& session) {
  constexpr TextView kContinue = u"Click on 'OK' to continue.";
  if (session.sources.listingFiles) {
    session.Message(u"Listing files to be scanned", Text(kContinue), MessageIcon::None);
  } else if (session.sources.readingFiles && !session.settings.suppressWordsAsFound) {
    session.Message(u"Scanning files", Text(kContinue), MessageIcon::None);
  }
}

void OnOutputRightClicked(Session& session) {
  if (session.settings.source != Source::Clipboard) return;
  session.Message(u"Text on clipboard", u"To count phrases on the clipboard click on 'Count ...'",
                  MessageIcon::None);
}

}  // namespace velt
