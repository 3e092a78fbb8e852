#include "reports/summary.h"

#include "text/strings.h"

namespace velt {
namespace {

Text WordsToIgnoreClause(const PhraseSummary& s) {
  Text clause;
  if (!s.wordsToIgnoreInForce) {
    clause = u".";
  } else if (s.removeIgnoredWords) {
    clause = u" when words to ignore are excluded.";
  } else if (s.excludePhrasesWithIgnoredWord) {
    clause.append(kLineEnd).append(u"when phrases containing a word to ignore are excluded.");
  } else if (s.excludePhrasesOfIgnoredWordsOnly) {
    clause.append(kLineEnd).append(
        u"when phrases consisting entirely of words to ignore are excluded.");
  } else {
    clause.append(kLineEnd).append(u"(including phrases consisting entirely of words to ignore).");
  }
  return clause;
}

Text FrequencyClause(int minimumFrequency) {
  if (minimumFrequency == 1) return u" once";
  if (minimumFrequency == 2) return u" twice";
  Text clause = Str(minimumFrequency);
  clause.append(u" times");
  return clause;
}

}  // namespace

Text HowManyPhrasesText(const PhraseSummary& s) {
  const int32_t n = s.includedPhraseCount;
  const int minLength = s.minPhraseLength;
  const int maxLength = s.maxPhraseLength;
  Text text;
  if (n == 0) {
    text = u"There are no phrases";
  } else if (n == 1) {
    text = u"There is one phrase";
  } else {
    text.append(u"There are").append(Str(n)).append(u" phrases");
  }
  if (minLength == maxLength) {
    text.append(u" of").append(Str(minLength));
  } else {
    text.append(u" with").append(Str(minLength)).append(u" to").append(Str(maxLength));
  }
  text.append(maxLength == 1 ? u" word which" : u" words which");
  text.append(n == 1 ? u" occurs at least" : u" occur at least");
  text.append(FrequencyClause(s.minimumFrequency));
  text.append(WordsToIgnoreClause(s));
  if (minLength != maxLength && n > 3 && s.wordsInLongestPhrase > 1) {
    text.append(kLineEnd).append(u"The longest phrase has");
    text.append(Str(s.wordsInLongestPhrase)).append(u" words.");
  }
  text.append(kLineEnd);
  // Advice about words to ignore only helps when some were in force.
  if (n == 0 && s.wordsToIgnoreInForce) {
    if (s.excludePhrasesWithIgnoredWord) {
      text.append(
          u"You could try repeating the count without excluding phrases containing a word to "
          u"ignore.");
    } else if (s.excludePhrasesOfIgnoredWordsOnly) {
      text.append(
          u"You could try repeating the count without excluding phrases consisting entirely of "
          u"words to ignore.");
    }
  }
  return text;
}

void SetHowManyPhrases(ReportContext& context, const PhraseSummary& summary) {
  Text text = HowManyPhrasesText(summary);
  if (summary.includedPhraseCount >= 1) {
    context.run.summarySentence = std::move(text);
    return;
  }
  context.sink.SetTextWindow(std::move(text));
  context.shell.window.SetCaption(ControlId::lblNumberOfWords, u"");
}

void ReportNoPhrases(const Settings& settings, TextSink& sink) {
  Text text(u"No phrases ");
  if (settings.ignoreShortWords) {
    text.append(u"with at least").append(Str(settings.ShortWordSize()));
    text.append(u" characters").append(kLineEnd);
  }
  text.append(u"satisfying the specified conditions were found.");
  sink.OutputToTxb(text);
}

void SetFilesScannedNotice(ReportContext& context) {
  const int32_t files = context.sources.fileCount;
  const int folders = context.sources.folderCount;
  const NumberFormat& numbers = context.shell.numbers;
  Text notice = numbers.Grouped(files);
  notice.append(files > 1 ? u" files" : u" file");
  notice.append(u" (in ").append(numbers.Grouped(folders));
  notice.append(folders > 1 ? u" folders" : u" folder");
  notice.append(files == 1 ? u") was" : u") were").append(u" scanned.").append(kLineEnd);
  if (context.run.listIncomplete) {
    notice.append(u"Counting was stopped and this list is incomplete.").append(kLineEnd);
  }
  context.state.pendingOutput = std::move(notice);
}

Text FilesInFoldersText(int32_t files, int32_t folders) {
  Text text = Decimal(files);
  text.append(files == 1 ? u" file" : u" files").append(u" in ").append(Decimal(folders));
  text.append(folders == 1 ? u" folder" : u" folders");
  return text;
}

}  // namespace velt
