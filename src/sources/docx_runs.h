// The text runs of a DOCX body (word/document.xml), found by a forward scan
// for fixed markers rather than by parsing the XML.
#pragma once

#include <cstdint>
#include <vector>

#include "phrases/run_state.h"
#include "settings/shell.h"
#include "text/text.h"

namespace velt {

// Appends one run per "<w:t>" / "<w:t ...>" element, in document order, and
// returns their number; total receives the sum of their lengths. Other
// elements whose names start with "w:t" (tab, table ...) are not runs. A run
// followed, before the next run, by a line break ("<w:br/>", "<w:br />",
// "<w:br w:type=...>", "<w:cr/>"), a tab or a paragraph end gets a trailing
// space. Then a run that is empty or only spaces becomes one space; in any
// other run "&amp;", "&lt;" and "&gt;" are decoded and the UTF-8 repairs
// applied. Polls the stop request between runs (after 9 seconds of counting
// it asks first) and shows its progress for long documents.
int RunsFromDocumentXml(Shell& shell, RunState& runState, TextView xml, std::vector<Text>& runs,
                        int32_t& total);

// The progress caption of the conversion for k of 37 steps.
Text ConversionProgressCaption(int64_t k);

}  // namespace velt
