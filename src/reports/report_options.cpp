#include "reports/report_options.h"

namespace velt {

ReportOptions ReportOptions::From(const Settings& settings) {
  ReportOptions options;
  options.displayFormat = settings.displayFormat;
  options.wordOrder = settings.wordOrder;
  options.relativeFrequency = settings.relativeFrequency;
  options.sortByNumberOfFiles = settings.sortByNumberOfFiles;
  options.filterMode = settings.filterMode;
  options.filterWordsBox = settings.filterWords;
  options.source = settings.source;
  options.inputFile = settings.filePaths[0];
  options.folder = settings.inputFolder;
  options.includeSubfolders = settings.includeSubfolders;
  return options;
}

bool FormatHasFrequencyColumn(int displayFormat) {
  switch (displayFormat) {
    case 0:
    case 1:
    case 2:
    case 4:
    case 5:
    case 7:
    case 10:
    case 12:
      return true;
    default:
      return false;
  }
}

}  // namespace velt
