#include "sources/file_patterns.h"

#include <array>

#include "text/case_mapping.h"
#include "text/path_text.h"
#include "text/strings.h"

namespace velt {
namespace {

constexpr size_t kTooltipLength = 31;
constexpr TextView kPatternChars = u"~,;/\\<>`\"";
constexpr TextView kExclusionChars = u"~,;/\\<>`\"*?";

constexpr std::array<ControlId, 2> kPatternBoxes = {ControlId::txbFileFilepathSpecifications_0,
                                                    ControlId::txbFileFilepathSpecifications_1};

std::vector<Text>& PatternArray(SourceState& state, int index) {
  return index == 0 ? state.filePatterns : state.exclusionTexts;
}

std::vector<Text> SplitItems(TextView text) {
  std::vector<Text> items;
  Text item;
  for (const char16_t c : text) {
    if (c == u',' || c == u' ') {
      if (!item.empty()) items.push_back(std::move(item));
      item.clear();
    } else {
      item.push_back(c);
    }
  }
  if (!item.empty()) items.push_back(std::move(item));
  return items;
}

bool AllAsterisks(TextView pattern) {
  return pattern.find_first_not_of(u'*') == TextView::npos;
}

Text WithoutWildcards(TextView pattern) {
  Text rest;
  for (const char16_t c : pattern) {
    if (c != u'*' && c != u'?') rest.push_back(c);
  }
  return rest;
}

bool MatchFromLeft(TextView text, TextView pattern) {
  size_t t = 0;
  for (size_t p = 0;; ++p) {
    if (p == pattern.size()) return t == text.size();
    const char16_t c = pattern[p];
    if (c == u'?') {
      if (t == text.size()) return false;
      ++t;
    } else if (c == u'*') {
      const Text rest = WithoutWildcards(pattern.substr(p + 1));
      if (rest.empty()) return true;
      t = text.find(rest[0], t);
      if (t == TextView::npos) return false;
    } else {
      if (t == text.size() || text[t] != c) return false;
      ++t;
    }
  }
}

// base and extension of a name split at its last "."; hasDot tells whether
// there was one.
struct NameParts {
  TextView base;
  TextView extension;
  bool hasDot = false;
};

NameParts SplitAtLastDot(TextView name) {
  const size_t dot = name.rfind(u'.');
  if (dot == TextView::npos) return {name, TextView(), false};
  return {name.substr(0, dot), name.substr(dot + 1), true};
}

bool ShowInvalid(Shell& shell, TextView kind, TextView item) {
  shell.Message(MessageId::InvalidPatternCharacter, u"Invalid input",
                Text(kind) + u" '" + Text(item) + u"' contains an invalid character.",
                MessageIcon::Exclamation);
  return false;
}

}  // namespace

const std::vector<Text>& SkippedExtensionTable() {
  static const std::vector<Text> table = {
      u"ico", u"gif", u"jpg", u"png", u"bmp",      u"zip", u"bin",  u"xls", u"mdb",
      u"pdf", u"com", u"exe", u"dll", u"cab",      u"ocx", u"vxd",  u"drv", u"sys",
      u"vbx", u"---", u"css", u"js",  u"loaded_0", u"ini", u"gdoc", u"doc"};
  return table;
}

void SetSkippedExtensions(SourceState& state) {
  state.skippedExtensions = SkippedExtensionTable();
}

bool MatchWildcard(TextView text, TextView pattern, bool caseSensitive) {
  if (!caseSensitive) return MatchWildcard(LowerCaseText(text), LowerCaseText(pattern), true);
  if (text == pattern || pattern.empty()) return true;
  if (text.empty()) return AllAsterisks(pattern);
  return MatchFromLeft(text, pattern);
}

bool MatchFilePattern(TextView name, TextView pattern, bool caseSensitive) {
  if (name.find_first_of(u"?*:\\") != TextView::npos) return false;
  const Text trimmed = TrimSpaces(pattern);
  if (trimmed.empty()) return true;
  const NameParts n = SplitAtLastDot(name);
  const NameParts p = SplitAtLastDot(trimmed);
  if (!p.hasDot) return !n.hasDot && MatchWildcard(name, trimmed, caseSensitive);
  if (!n.hasDot) {
    // Both extensions count as empty: the pattern's may hold asterisks only.
    return AllAsterisks(p.extension) && MatchWildcard(name, p.base, caseSensitive);
  }
  return MatchWildcard(n.base, p.base, caseSensitive) &&
         MatchWildcard(n.extension, p.extension, caseSensitive);
}

bool FileMatchesPatterns(const SourceState& state, TextView path) {
  const Text name = LowerCaseText(FileNamePart(path));
  const Text extension = LowerExtension(name);
  for (const Text& skipped : state.skippedExtensions) {
    if (extension == skipped) return false;
  }
  for (const Text& exclusion : state.exclusionTexts) {
    if (name.find(exclusion) != Text::npos) return false;
  }
  if (state.filePatterns.empty()) return true;
  for (const Text& pattern : state.filePatterns) {
    if (MatchFilePattern(name, pattern, false)) return true;
  }
  return false;
}

Text GetFileFilepathSpecifications(const Settings& settings, SourceState& state, int index) {
  const std::vector<Text> items = SplitItems(settings.pathPatterns[index]);
  std::vector<Text>& stored = PatternArray(state, index);
  stored.clear();
  Text joined;
  for (const Text& item : items) {
    stored.push_back(LowerCaseText(item));
    if (!joined.empty()) joined += u", ";
    joined += item;
  }
  return joined;
}

bool CheckFilePatterns(Shell& shell, const SourceState& state) {
  for (const Text& pattern : state.filePatterns) {
    if (pattern.find_first_of(kPatternChars) != Text::npos) {
      return ShowInvalid(shell, u"File pattern", pattern);
    }
  }
  for (const Text& text : state.exclusionTexts) {
    if (text.find_first_of(kExclusionChars) != Text::npos) {
      return ShowInvalid(shell, u"Folder pattern", text);
    }
  }
  return true;
}

bool MentionsDocFiles(TextView patterns) {
  const Text lower = LowerCaseText(patterns);
  return EndsWith(lower, u".doc") || lower.find(u".doc,") != Text::npos;
}

void UpdatePatternTooltips(WindowModel& window, const Settings& settings) {
  static constexpr std::array<TextView, 2> kExamples = {u"E.g., *.txt, *.docx, a*.htm*, b*.xml",
                                                        u"E.g., copy, bak"};
  for (size_t i = 0; i < kPatternBoxes.size(); ++i) {
    const Text& text = settings.pathPatterns[i];
    TextView tooltip;
    if (text.empty()) tooltip = kExamples[i];
    if (text.size() >= kTooltipLength) tooltip = text;
    window.SetTooltip(kPatternBoxes[i], tooltip);
  }
}

}  // namespace velt
