// The words-to-ignore lists in force and the guards of their controls.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "platform/text.h"

namespace velt {

struct WordListState {
  std::vector<Text> astrWordsToIgnore;
  std::vector<Text> astrExtraWordsToIgnore;
  bool blnThereAreWordsToIgnore = false;
  bool blnInvalidRegExpMet = false;
  std::array<Text, 2> strLoadedWordsFile;
  bool blnAddingWordsFile = false;
  bool blnResettingWordsFile = false;
  bool blnEnablingDisablingWordsFile = false;
  bool blnSettingAllCheckboxes = false;
};

}  // namespace velt
