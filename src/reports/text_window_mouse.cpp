#include "reports/text_window_mouse.h"

namespace velt {

void txbOutput_LeftClick(Session& session) {
  constexpr TextView kContinue = u"Click on 'OK' to continue.";
  if (session.sources.blnListingFiles) {
    session.Message(u"Listing files to be scanned", Text(kContinue), MessageIcon::None);
  } else if (session.sources.blnReadingFiles && !session.settings.chkSuppressWords) {
    session.Message(u"Scanning files", Text(kContinue), MessageIcon::None);
  }
}

void txbOutput_RightClick(Session& session) {
  if (session.settings.source != Source::Clipboard) return;
  session.Message(u"Text on clipboard", u"To count phrases on the clipboard click on 'Count ...'",
                  MessageIcon::None);
}

}  // namespace velt
