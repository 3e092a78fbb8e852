#include "ui/main_window_layout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/twips.h"

namespace velt::ui {
namespace {

// Grid rows and columns of the file and folder boxes.
constexpr int kInputRow = 0;
constexpr int kFolderRow = 1;
constexpr int kSizesUnderFolderRow = 2;
constexpr int kPatternRow = 3;
constexpr int kOutputRow = 4;
constexpr int kButtonColumn = 0;
constexpr int kBoxColumn = 1;
constexpr int kClearColumn = 2;
constexpr int kExtraColumn = 3;

QHBoxLayout* Row(std::initializer_list<QWidget*> widgets, bool stretchAtEnd = true) {
  auto* row = new QHBoxLayout;
  for (QWidget* widget : widgets)
    row->addWidget(widget);
  if (stretchAtEnd) row->addStretch(1);
  return row;
}

void PutSourceFrame(const MainWindowControls& c) {
  auto* frame = new QVBoxLayout(c.fraSource);
  frame->addWidget(c.lblSelectSource);
  frame->addLayout(Row({c.optOnClipboard, c.optInFile, c.optFolder}));
  frame->addLayout(Row({c.chkIncludeSubfolders, c.cmdClipboardViewer}));
  frame->addStretch(1);
  c.fraSource->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
}

QGridLayout* PutFileBoxes(const MainWindowControls& c) {
  auto* grid = new QGridLayout;
  grid->setColumnStretch(kBoxColumn, 1);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(4);

  // "File:" stands where the input-file button is while a folder scan reads.
  auto* inputLead = new QHBoxLayout;
  inputLead->setSpacing(0);
  inputLead->addWidget(c.cmdFile[0]);
  inputLead->addWidget(c.lblFile);
  grid->addLayout(inputLead, kInputRow, kButtonColumn);
  grid->addWidget(c.txbFile[0], kInputRow, kBoxColumn);
  grid->addWidget(c.cmdClearFile[0], kInputRow, kClearColumn);

  grid->addWidget(c.cmdFolder, kFolderRow, kButtonColumn);
  grid->addWidget(c.txbFolder, kFolderRow, kBoxColumn);
  grid->addWidget(c.cmdClearFolder, kFolderRow, kClearColumn);

  auto* patterns = new QHBoxLayout;
  patterns->setSpacing(6);
  patterns->addWidget(c.lblScanOnlyFiles);
  patterns->addWidget(c.txbFileFilepathSpecifications[0], 1);
  patterns->addSpacing(8);
  patterns->addWidget(c.lblExcludeFilepaths);
  patterns->addWidget(c.txbFileFilepathSpecifications[1], 1);
  patterns->addWidget(c.cmdListFiles);
  patterns->addWidget(c.chkSuppressWords);
  grid->addLayout(patterns, kPatternRow, kButtonColumn, 1, kExtraColumn + 1);

  grid->addWidget(c.cmdFile[1], kOutputRow, kButtonColumn);
  grid->addWidget(c.txbFile[1], kOutputRow, kBoxColumn);
  grid->addWidget(c.cmdClearFile[1], kOutputRow, kClearColumn);
  grid->addWidget(c.chkDisableOutputToFile, kOutputRow, kExtraColumn);
  return grid;
}

QWidget* SizeLabels(const MainWindowControls& c, QWidget* central) {
  auto* sizes = new QWidget(central);
  auto* row = new QHBoxLayout(sizes);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(c.lblFilesize);
  row->addSpacing(12);
  row->addWidget(c.lblXMLsize);
  row->addStretch(1);
  return sizes;
}

QWidget* RightColumn(const MainWindowControls& c, QWidget* central) {
  auto* lengths = new QGridLayout(c.fraPhraseLength);
  lengths->addWidget(c.lblPhraseLength[0], 0, 0);
  lengths->addWidget(c.cboPhraseLength[0], 0, 1);
  lengths->addWidget(c.lblPhraseLength[1], 1, 0);
  lengths->addWidget(c.cboPhraseLength[1], 1, 1);
  lengths->addWidget(c.lblMinimumFrequency, 2, 0);
  lengths->addWidget(c.cboMinimumFrequency, 2, 1);
  lengths->setColumnStretch(0, 1);

  auto* ignore = new QVBoxLayout(c.fraExcludePhrases);
  ignore->setSpacing(2);
  for (QRadioButton* option :
       {c.optAllowPhrasesAllWordsToIgnore, c.optExcludePhrasesWithWordToIgnore,
        c.optRemoveWordsToIgnore, c.optExcludePhrasesAllWordsToIgnore}) {
    ignore->addWidget(option);
  }

  auto* filter = new QVBoxLayout(c.fraFilterResults);
  filter->setSpacing(4);
  filter->addWidget(c.txbFilterWords);
  filter->addLayout(Row({c.cmdFilterResults, c.cmdClear}));
  filter->addWidget(c.optIncludeAllWords);
  filter->addLayout(Row({c.optIncludeAllWordsInSameOrder, c.optIncludeAllWordsAsSubphrase}));
  filter->addWidget(c.Label2);

  auto* column = new QWidget(central);
  auto* stack = new QVBoxLayout(column);
  stack->setContentsMargins(0, 0, 0, 0);
  stack->addWidget(c.fraPhraseLength);
  stack->addWidget(c.fraExcludePhrases);
  stack->addWidget(c.lblWordsToIgnoreNotice);
  stack->addWidget(c.fraFilterResults);
  stack->addStretch(1);
  column->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
  return column;
}

QVBoxLayout* LeftColumn(const MainWindowControls& c) {
  c.txbOutput->setMinimumSize(TwipsToPixels(6000, c.txbOutput), TwipsToPixels(1800, c.txbOutput));

  auto* counters = new QGridLayout;
  counters->setVerticalSpacing(2);
  counters->addWidget(c.lblNumberOfWords, 0, 0);
  counters->addWidget(c.lblNumWordsExcluded, 0, 1);
  counters->addWidget(c.lblNumOccurrences, 1, 0);
  counters->addWidget(c.lblTotalNumOccurrences, 1, 1);
  counters->addLayout(Row({c.lblTimeElapsed_1, c.lblTwirler}), 2, 0, 1, 2);
  counters->setColumnStretch(0, 1);
  counters->setColumnStretch(1, 1);

  auto* column = new QVBoxLayout;
  column->addWidget(c.txbOutput, 1);
  column->addLayout(counters);
  column->addLayout(
      Row({c.lblWordOrder, c.cboWordOrder, c.lblDisplayFormat, c.cboDisplayFormat, c.chkFileList}));
  column->addLayout(Row({c.chkDisplayRelativeFrequency, c.chkSortByNumberOfFiles}));
  return column;
}

QHBoxLayout* Commands(const MainWindowControls& c) {
  QHBoxLayout* row = Row({c.cmdCountPhrases, c.cmdSetParameters, c.cmdSaveState,
                          c.cmdCopyToClipboard, c.cmdClearOutput, c.cmdHelp, c.cmdQuit});
  row->addWidget(c.lblOnlineDocumentation);
  c.cmdCountPhrases->setMinimumWidth(TwipsToPixels(2000, c.cmdCountPhrases));
  return row;
}

}  // namespace

MainWindowLayout::MainWindowLayout(QWidget* central, const MainWindowControls& c) {
  PutSourceFrame(c);
  files_ = PutFileBoxes(c);
  sizeLabels_ = SizeLabels(c, central);
  files_->addWidget(sizeLabels_, kInputRow, kExtraColumn);

  auto* top = new QHBoxLayout;
  top->addWidget(c.fraSource);
  top->addLayout(files_, 1);

  auto* middle = new QHBoxLayout;
  middle->addLayout(LeftColumn(c), 1);
  middle->addWidget(RightColumn(c, central));

  auto* window = new QVBoxLayout(central);
  window->addLayout(top);
  window->addLayout(middle, 1);
  window->addLayout(Commands(c));
}

void MainWindowLayout::PlaceSizeLabels(Source source) {
  const bool underFolder = source == Source::Folder;
  if (underFolder == underFolder_) return;
  underFolder_ = underFolder;
  files_->removeWidget(sizeLabels_);
  if (underFolder) {
    files_->addWidget(sizeLabels_, kSizesUnderFolderRow, kBoxColumn, 1, kExtraColumn);
  } else {
    files_->addWidget(sizeLabels_, kInputRow, kExtraColumn);
  }
}

}  // namespace velt::ui
