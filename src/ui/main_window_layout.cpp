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
  auto* frame = new QVBoxLayout(c.sourceGroup);
  frame->addWidget(c.selectSourceLabel);
  frame->addLayout(Row({c.clipboardOption, c.singleFileOption, c.folderOption}));
  frame->addLayout(Row({c.includeSubfolders, c.clipboardViewerButton}));
  frame->addStretch(1);
  c.sourceGroup->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
}

QGridLayout* PutFileBoxes(const MainWindowControls& c) {
  auto* grid = new QGridLayout;
  grid->setColumnStretch(kBoxColumn, 1);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(4);

  // "File:" stands where the input-file button is while a folder scan reads.
  auto* inputLead = new QHBoxLayout;
  inputLead->setSpacing(0);
  inputLead->addWidget(c.fileButtons[0]);
  inputLead->addWidget(c.fileLabel);
  grid->addLayout(inputLead, kInputRow, kButtonColumn);
  grid->addWidget(c.filePaths[0], kInputRow, kBoxColumn);
  grid->addWidget(c.clearFileButtons[0], kInputRow, kClearColumn);

  grid->addWidget(c.folderButton, kFolderRow, kButtonColumn);
  grid->addWidget(c.inputFolder, kFolderRow, kBoxColumn);
  grid->addWidget(c.clearFolderButton, kFolderRow, kClearColumn);

  auto* patterns = new QHBoxLayout;
  patterns->setSpacing(6);
  patterns->addWidget(c.filePatternsLabel);
  patterns->addWidget(c.pathPatterns[0], 1);
  patterns->addSpacing(8);
  patterns->addWidget(c.excludePathsLabel);
  patterns->addWidget(c.pathPatterns[1], 1);
  patterns->addWidget(c.listFilesButton);
  patterns->addWidget(c.suppressWordsAsFound);
  grid->addLayout(patterns, kPatternRow, kButtonColumn, 1, kExtraColumn + 1);

  grid->addWidget(c.fileButtons[1], kOutputRow, kButtonColumn);
  grid->addWidget(c.filePaths[1], kOutputRow, kBoxColumn);
  grid->addWidget(c.clearFileButtons[1], kOutputRow, kClearColumn);
  grid->addWidget(c.outputToFileDisabled, kOutputRow, kExtraColumn);
  return grid;
}

QWidget* SizeLabels(const MainWindowControls& c, QWidget* central) {
  auto* sizes = new QWidget(central);
  auto* row = new QHBoxLayout(sizes);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(c.fileSizeLabel);
  row->addSpacing(12);
  row->addWidget(c.textSizeLabel);
  row->addStretch(1);
  return sizes;
}

QWidget* RightColumn(const MainWindowControls& c, QWidget* central) {
  auto* lengths = new QGridLayout(c.phraseLengthGroup);
  lengths->addWidget(c.phraseLengthLabel[0], 0, 0);
  lengths->addWidget(c.phraseLengthIndexes[0], 0, 1);
  lengths->addWidget(c.phraseLengthLabel[1], 1, 0);
  lengths->addWidget(c.phraseLengthIndexes[1], 1, 1);
  lengths->addWidget(c.minimumFrequencyLabel, 2, 0);
  lengths->addWidget(c.minimumFrequencyIndex, 2, 1);
  lengths->setColumnStretch(0, 1);

  auto* ignore = new QVBoxLayout(c.ignoreModeGroup);
  ignore->setSpacing(2);
  for (QRadioButton* option : {c.allowIgnoredOnlyOption, c.excludeWithIgnoredOption,
                               c.removeIgnoredOption, c.excludeIgnoredOnlyOption}) {
    ignore->addWidget(option);
  }

  auto* filter = new QVBoxLayout(c.filterGroup);
  filter->setSpacing(4);
  filter->addWidget(c.filterWords);
  filter->addLayout(Row({c.filterButton, c.clearFilterButton}));
  filter->addWidget(c.allWordsOption);
  filter->addLayout(Row({c.inSameOrderOption, c.asSubphraseOption}));
  filter->addWidget(c.Label2);

  auto* column = new QWidget(central);
  auto* stack = new QVBoxLayout(column);
  stack->setContentsMargins(0, 0, 0, 0);
  stack->addWidget(c.phraseLengthGroup);
  stack->addWidget(c.ignoreModeGroup);
  stack->addWidget(c.wordsToIgnoreNotice);
  stack->addWidget(c.filterGroup);
  stack->addStretch(1);
  column->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
  return column;
}

QVBoxLayout* LeftColumn(const MainWindowControls& c) {
  c.outputText->setMinimumSize(TwipsToPixels(6000, c.outputText),
                               TwipsToPixels(1800, c.outputText));

  auto* counters = new QGridLayout;
  counters->setVerticalSpacing(2);
  counters->addWidget(c.phraseCountLabel, 0, 0);
  counters->addWidget(c.instancesLabel, 0, 1);
  counters->addWidget(c.occurrencesLabel, 1, 0);
  counters->addWidget(c.progressLabel, 1, 1);
  counters->addLayout(Row({c.timeElapsedLabel, c.activityLabel}), 2, 0, 1, 2);
  counters->setColumnStretch(0, 1);
  counters->setColumnStretch(1, 1);

  auto* column = new QVBoxLayout;
  column->addWidget(c.outputText, 1);
  column->addLayout(counters);
  column->addLayout(Row(
      {c.wordOrderLabel, c.wordOrder, c.displayFormatLabel, c.displayFormat, c.fileListFormat}));
  column->addLayout(Row({c.relativeFrequency, c.sortByNumberOfFiles}));
  return column;
}

QHBoxLayout* Commands(const MainWindowControls& c) {
  QHBoxLayout* row = Row({c.countButton, c.settingsButton, c.saveSettingsButton, c.copyButton,
                          c.clearOutputButton, c.helpButton, c.quitButton});
  row->addWidget(c.manualLink);
  c.countButton->setMinimumWidth(TwipsToPixels(2000, c.countButton));
  return row;
}

}  // namespace

MainWindowLayout::MainWindowLayout(QWidget* central, const MainWindowControls& c) {
  PutSourceFrame(c);
  files_ = PutFileBoxes(c);
  sizeLabels_ = SizeLabels(c, central);
  files_->addWidget(sizeLabels_, kInputRow, kExtraColumn);

  auto* top = new QHBoxLayout;
  top->addWidget(c.sourceGroup);
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
