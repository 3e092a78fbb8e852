// The fixed character sets of the word rules.
#pragma once

#include <array>

#include "text/text.h"

namespace velt {

// Every optional word character a user may admit; also the extra set used while
// a words-to-ignore list is read.
inline constexpr TextView allPossibleExtraChars = u"'0123456789-_@:/.\\,()&";

// Characters a word may neither start nor end with.
inline constexpr TextView prohibitedEndChars = u"'.,()+-";

// The letters of the lacks-a-letter test (119 characters).
inline constexpr TextView LETTERS =
    u"ABCDEFGHIJKLMNOPQRSTUVWXYZŠŒŸÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝÞ"
    u"abcdefghijklmnopqrstuvwxyzšœÿàáâãäåæçèéêëìíîïðñòóôõöøùúûüýþß";

// The capitals of the repetition test (59 characters).
inline constexpr TextView UPPER_LETTERS =
    u"ABCDEFGHIJKLMNOPQRSTUVWXYZŠŒŸÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏÐÑÒÓÔÕÖØÙÚÛÜÝÞ";

// Stems whose "n't" ending splits off as a separate fragment (note the final space).
inline constexpr TextView contractionStems =
    u"aren couldn didn doesn hadn hasn isn shouldn wasn weren wouldn ";

static_assert(LETTERS.size() == 119);
static_assert(UPPER_LETTERS.size() == 59);

// Membership in one of the sets above without a linear search: the sets hold
// Latin-1 characters plus a few from Latin Extended-A.
class CharSet {
 public:
  constexpr explicit CharSet(TextView chars) {
    for (const char16_t c : chars) {
      if (c < latin1_.size()) {
        latin1_[c] = true;
      } else {
        extra_[numExtra_++] = c;
      }
    }
  }

  constexpr bool Contains(char16_t c) const {
    if (c < latin1_.size()) return latin1_[c];
    for (int k = 0; k < numExtra_; ++k) {
      if (extra_[static_cast<size_t>(k)] == c) return true;
    }
    return false;
  }

 private:
  std::array<bool, 256> latin1_{};
  std::array<char16_t, 8> extra_{};
  int numExtra_ = 0;
};

inline constexpr CharSet kLetterSet{LETTERS};
inline constexpr CharSet kUpperLetterSet{UPPER_LETTERS};

}  // namespace velt
