#include "reports/report_options.h"

namespace velt {

ReportOptions ReportOptions::From(const Settings& settings) {
  ReportOptions options;
  options.displayFormat = settings.cboDisplayFormat;
  options.wordOrder = settings.cboWordOrder;
  options.relativeFrequency = settings.chkDisplayRelativeFrequency;
  options.sortByNumberOfFiles = settings.chkSortByNumberOfFiles;
  options.filterMode = settings.filterMode;
  options.filterWordsBox = settings.txbFilterWords;
  options.source = settings.source;
  options.inputFile = settings.txbFile[0];
  options.folder = settings.txbFolder;
  options.includeSubfolders = settings.chkIncludeSubfolders;
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
