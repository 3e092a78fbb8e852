// The common-words files shipped in the data folder, one per language and one
// for all six, and the Settings window's language list that offers them.
#pragma once

#include <array>
#include <string>

#include "wordlists/word_list_context.h"

namespace velt {

struct CommonWordsLanguage {
  TextView listEntry;     // as the language list shows it
  TextView questionName;  // as the load question names it
  TextView fileName;      // in the data folder; empty for no language
};

inline constexpr int kNoLanguageIndex = 7;

// Index = position in the language list.
inline constexpr std::array<CommonWordsLanguage, 8> kCommonWordsLanguages = {{
    {u"English", u"English", u"cwds_en.txt"},
    {u"German", u"German", u"cwds_de.txt"},
    {u"Spanish", u"Spanish", u"cwds_es.txt"},
    {u"Portuguese", u"Portuguese", u"cwds_pt.txt"},
    {u"Italian", u"Italian", u"cwds_it.txt"},
    {u"French", u"French", u"cwds_fr.txt"},
    {u"All six languages", u"all six languages", u"cwds_en_de_es_pt_it_fr.txt"},
    {u"[No language selected]", u"", u""},
}};

// The language whose file has the name of path's last component (compared in
// lower case, whatever the folder); kNoLanguageIndex for any other name and
// for a path without "/".
int LanguageIndexOfFile(TextView path);

// The path of a language's file in the data folder.
Text CommonWordsPath(const std::string& dataDir, int languageIndex);

// The language of the selected words file; kNoLanguageIndex when none is
// selected.
int SelectedFileLanguage(const Settings& settings);

// The language list shows the language of the selected words file (no
// language when none is selected).
void SyncLanguageWithWordsFile(Settings& settings, View& view);

// Appends the English common-words file to the words-file list and selects
// it (no duplicate test, no limit).
void SetPathToCWDs_Eng(WordListContext& context);

// Adds the common-words file of language (an index below kNoLanguageIndex) to
// the words-file list and loads it; the language list then shows the
// language of that file. A file the list holds already stays as it is (the
// "Already present" message) and the language list follows the selected
// file. False, after a message, when the data folder lacks the file.
bool LoadCommonWordsFile(WordListContext& context, int language);

// Start-up, after the saved state is restored: with no words-to-ignore file
// listed, asks whether to ignore the common English words (UI texts 41 and
// 42); Yes loads them, No selects no language. Then updates the notice.
void AskToUseCommonWords(WordListContext& context);

}  // namespace velt
