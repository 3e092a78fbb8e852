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

}  // namespace velt
