#include "wordlists/ignore_notice.h"

namespace velt {
namespace {

constexpr ControlId kIgnoreModeOptions[] = {
    ControlId::optAllowPhrasesAllWordsToIgnore, ControlId::optExcludePhrasesAllWordsToIgnore,
    ControlId::optRemoveWordsToIgnore, ControlId::optExcludePhrasesWithWordToIgnore};

}  // namespace

void SetWordsToIgnoreNotice(Session& session) {
  WordListState& lists = session.wordLists;
  const bool any = lists.fileWordCount() > 0 || lists.extraWordCount() > 0;
  lists.wordsToIgnoreInForce = any;
  session.window.SetCaption(
      ControlId::lblWordsToIgnoreNotice,
      any ? u"This operation uses the words-to-ignore specifications in the 'Settings' window."
          : u"No words-to-ignore are specified in the 'Settings' window.");
  for (const ControlId option : kIgnoreModeOptions)
    session.window.SetEnabled(option, any);
}

}  // namespace velt
