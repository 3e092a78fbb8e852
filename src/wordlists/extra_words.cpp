#include "wordlists/extra_words.h"

#include "phrases/string_arrays.h"
#include "text/strings.h"
#include "wordlists/ignore_notice.h"
#include "wordlists/pattern_syntax.h"
#include "words/word_char_sets.h"
#include "words/word_rules.h"

namespace velt {
namespace {

// Characters that no word rule can admit: the message leaves out "currently
// set as" for them.
constexpr TextView kNeverWordChars = u"+;<>*?\"~^";

TextView StripProhibitedEnds(TextView piece) {
  while (!piece.empty() && prohibitedEndChars.find(piece.front()) != TextView::npos) {
    piece.remove_prefix(1);
  }
  while (!piece.empty() && prohibitedEndChars.find(piece.back()) != TextView::npos) {
    piece.remove_suffix(1);
  }
  return piece;
}

// The pieces of text between runs of spaces, each lower-cased outside its
// own "<...>" stretch and stripped; pieces that strip to nothing (a lone
// comma or hyphen) are no entries. A piece is lower-cased on its own, never
// as part of a stretch that runs on into the next piece: the box text built
// from the pieces must give the same pieces when it is committed again.
std::vector<Text> SplitExtraWords(TextView text) {
  std::vector<Text> pieces;
  for (const Text& piece : SplitAtSpaces(text)) {
    const Text lowered = LowerCaseOutsideBrackets(piece);
    const TextView stripped = StripProhibitedEnds(lowered);
    if (!stripped.empty()) pieces.emplace_back(stripped);
  }
  return pieces;
}

Text NotAllowedMessage(char16_t c) {
  Text text = u"The character '";
  text += c;
  text += u"' occurs in some extra ";
  text += u"word-to-ignore";
  text += kLineEnd;
  text += u"but is not ";
  if (kNeverWordChars.find(c) == TextView::npos) text += u"currently set as ";
  text += u"a character allowed in a word.";
  if (c == u',') {
    text += kLineEnd;
    text += kLineEnd;
    text += u"Words-to-ignore must be separated by a space, not by a comma.";
  } else if (c == u'^') {
    text += kLineEnd;
    text += kLineEnd;
    text += u"Perhaps some Word-to-ignore";
    text += u" is a regular expression";
    text += kLineEnd;
    text += u"without angle brackets.";
  }
  return text;
}

}  // namespace

Text GetExtraWords(WordListContext& context, int index) {
  if (index != 0) return {};
  WordListState& lists = context.state;
  WindowModel& window = context.shell.window;
  Text& box = context.settings.extraWords;
  box = TrimSpaces(box);
  if (box.empty()) {
    lists.extraWordsToIgnore.Clear();
    context.shell.view.SettingsChanged();
    // The notice must not keep claiming extra words that are gone.
    SetWordsToIgnoreNotice(lists, window);
    return {};
  }
  std::vector<Text> pieces = SplitExtraWords(box);
  SortStringArray(pieces, 1, static_cast<int32_t>(pieces.size()), 1);
  box = JoinWithSpaces(pieces);
  lists.extraWordsToIgnore.Assign(std::move(pieces));
  context.shell.view.SettingsChanged();
  CheckAllowedExtraChars(context);
  SetWordsToIgnoreNotice(lists, window);
  return box;
}

bool CheckAllowedExtraChars(WordListContext& context) {
  if (!context.run.startUpCompleted || context.run.restoring ||
      context.state.settingAllCheckboxes) {
    return true;
  }
  const Text& box = context.settings.extraWords;
  if (box.empty()) return true;
  WordRules rules;
  rules.SetAllowedExtraChars1(context.settings);
  rules.SetAllowedExtraChars2(context.settings);
  const Text allowed = rules.extraWordChars() + u"~?";
  bool inBrackets = false;
  for (const char16_t c : box) {
    if (c == u'<' || c == u'>') {
      inBrackets = c == u'<';
      continue;
    }
    if (inBrackets || c == u' ' || kLetterSet.Contains(c)) continue;
    if (allowed.find(c) != Text::npos) continue;
    context.shell.Message(MessageId::CharacterNotAllowed, u"Character not allowed",
                          NotAllowedMessage(c), MessageIcon::Exclamation);
    return false;
  }
  return true;
}

}  // namespace velt
