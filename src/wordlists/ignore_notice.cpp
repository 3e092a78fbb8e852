#include "wordlists/ignore_notice.h"

namespace velt {
namespace {

constexpr ControlId kIgnoreModeOptions[] = {
    ControlId::optAllowPhrasesAllWordsToIgnore, ControlId::optExcludePhrasesAllWordsToIgnore,
    ControlId::optRemoveWordsToIgnore, ControlId::optExcludePhrasesWithWordToIgnore};

}  // namespace

void SetWordsToIgnoreNotice(WordListState& lists, WindowModel& window) {
  const bool any = lists.fileWordCount() > 0 || lists.extraWordCount() > 0;
  lists.wordsToIgnoreInForce = any;
  window.SetCaption(
      ControlId::lblWordsToIgnoreNotice,
      any ? u"This operation uses the words-to-ignore specifications in the 'Settings' window."
          : u"No words-to-ignore are specified in the 'Settings' window.");
  for (const ControlId option : kIgnoreModeOptions)
    window.SetEnabled(option, any);
}

}  // namespace velt
