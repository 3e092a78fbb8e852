// File patterns and exclusion texts of the folder source: the two pattern
// boxes, their validation, and the matching of file names against them.
#pragma once

#include <vector>

#include "settings/settings.h"
#include "settings/shell.h"
#include "sources/source_state.h"
#include "text/text.h"

namespace velt {

// The 26 extensions never read in a folder scan ("---" holds a place no real
// extension equals).
const std::vector<Text>& SkippedExtensionTable();
void SetSkippedExtensions(SourceState& state);

// Wildcard match without backtracking: "*" jumps to the first occurrence of
// the next literal character, so "a*b" does not match "axbyb".
bool MatchWildcard(TextView text, TextView pattern, bool caseSensitive);

// A file name against one pattern, base and extension matched separately:
// "*" matches names without an extension only, "*.*" every name.
bool MatchFilePattern(TextView name, TextView pattern, bool caseSensitive);

// The file at path may be read: its extension is not skipped, its name holds
// no exclusion text, and it matches a pattern (any name when there are none).
bool FileMatchesPatterns(const SourceState& state, TextView path);

// Box 0 (file patterns) or 1 (exclusion texts): splits the box text at commas
// and spaces, stores the items lower-cased and returns them, as typed, joined
// by ", ". An empty box empties its array.
Text GetFileFilepathSpecifications(const Settings& settings, SourceState& state, int index);

// Validates the stored patterns and exclusion texts; shows the message for the
// first invalid one.
bool CheckFilePatterns(Shell& shell, const SourceState& state);

// The file patterns name .doc files, which are never read (they are not
// text): "x.doc" at the end or followed by a comma.
bool MentionsDocFiles(TextView patterns);

// Tooltips of both boxes: long texts are shown whole, empty boxes an example.
void UpdatePatternTooltips(WindowModel& window, const Settings& settings);

}  // namespace velt
