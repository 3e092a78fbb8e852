#include "ui/main_window_controls.h"
#include "ui/widget_helpers.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "reports/display_formats.h"
#include "settings/settings.h"
#include "settings/ui_texts.h"
#include "ui/qt_text.h"

namespace velt::ui {
namespace {

QPushButton* Button(QWidget* parent, const QString& name, const QString& caption,
                    const QString& tooltip = {}) {
  auto* button = Named(new QPushButton(LiteralButtonCaption(caption), parent), name, tooltip);
  button->setAutoDefault(false);
  return button;
}

QCheckBox* Check(QWidget* parent, const QString& name, const QString& caption,
                 const QString& tooltip = {}) {
  return Named(new QCheckBox(LiteralButtonCaption(caption), parent), name, tooltip);
}

QRadioButton* Option(QWidget* parent, QButtonGroup* group, const QString& name,
                     const QString& caption) {
  auto* option = Named(new QRadioButton(LiteralButtonCaption(caption), parent), name);
  group->addButton(option);
  return option;
}

QLabel* Label(QWidget* parent, const QString& name, const QString& caption = {}) {
  auto* label = Named(new QLabel(caption, parent), name);
  label->setTextFormat(Qt::PlainText);  // file names and messages are never markup
  return label;
}

QLineEdit* TextBox(QWidget* parent, const QString& name, const QString& tooltip = {}) {
  return Named(new QLineEdit(parent), name, tooltip);
}

QComboBox* List(QWidget* parent, const QString& name, const QStringList& items) {
  auto* list = Named(new QComboBox(parent), name);
  list->addItems(items);
  return list;
}

QGroupBox* Frame(QWidget* parent, const QString& name, const QString& caption = {}) {
  return Named(new QGroupBox(caption, parent), name);
}

QStringList Numbers(int first, int count) {
  QStringList numbers;
  for (int n = first; n < first + count; ++n)
    numbers << QString::number(n);
  return numbers;
}

QStringList Texts(const UiTextTable& texts, std::initializer_list<int> numbers) {
  QStringList items;
  for (const int n : numbers)
    items << ToQString(texts.UIText(n));
  return items;
}

// The format list's entries, in the order of the formats' numbers.
QStringList DisplayFormatCaptions(const UiTextTable& texts) {
  QStringList items;
  for (const DisplayFormatInfo& format : kDisplayFormats)
    items << ToQString(texts.UIText(format.captionText));
  return items;
}

QFont Font(const char* family, int pointSize) {
  QFont font(QString::fromLatin1(family), pointSize);
  if (QByteArrayView(family) == "Courier New") font.setStyleHint(QFont::TypeWriter);
  return font;
}

void CreateSourceControls(MainWindowControls& c, QWidget* p, const UiTextTable& texts) {
  c.sourceGroup = Frame(p, "fraSource");
  c.selectSourceLabel =
      Label(p, "lblSelectSource", ToQString(texts.UIText(ui_text::kSelectSource)));
  c.sourceOptions = new QButtonGroup(p);
  c.clipboardOption = Option(p, c.sourceOptions, "optOnClipboard", "Clipboard");
  c.singleFileOption = Option(p, c.sourceOptions, "optInFile", "Single file");
  c.folderOption = Option(p, c.sourceOptions, "optFolder", "Folder");
  c.includeSubfolders = Check(p, "chkIncludeSubfolders", "Include subfolders");
  // There is no clipboard viewer program to start on this platform.
  c.clipboardViewerButton = Button(p, "cmdClipboardViewer", "View clipboard");
  c.clipboardViewerButton->hide();

  c.fileButtons = {Button(p, Element("cmdFile", 0), "Single file"),
                   Button(p, Element("cmdFile", 1), "Output file")};
  c.filePaths = {TextBox(p, Element("txbFile", 0),
                         "To specify an input file click on the button labelled 'Single file'."),
                 TextBox(p, Element("txbFile", 1),
                         "To specify an output file click on the button labelled 'Output file'")};
  c.clearFileButtons = {Button(p, Element("cmdClearFile", 0), "Clear"),
                        Button(p, Element("cmdClearFile", 1), "Clear")};
  c.fileLabel = Label(p, "lblFile", "File:");
  c.fileLabel->hide();  // shown while a folder scan reads its files
  c.fileSizeLabel = Label(p, "lblFilesize");
  c.textSizeLabel = Label(p, "lblXMLsize");
  c.outputToFileDisabled = Check(p, "chkDisableOutputToFile", "Disable", "Disable output to file");

  c.folderButton = Button(p, "cmdFolder", "Folder");
  c.inputFolder =
      TextBox(p, "txbFolder", "To specify a folder click on the button labelled 'Folder'.");
  c.clearFolderButton = Button(p, "cmdClearFolder", "Clear");
  c.filePatternsLabel = Label(p, "lblScanOnlyFiles", "Scan files matching patterns:");
  c.excludePathsLabel = Label(p, "lblExcludeFilepaths", "Exclude filepaths containing text:");
  c.pathPatterns = {TextBox(p, Element("txbFileFilepathSpecifications", 0),
                            "E.g., *.txt, *.docx, a*.htm*, b*.xml"),
                    TextBox(p, Element("txbFileFilepathSpecifications", 1), "E.g., copy, bak")};
  c.listFilesButton = Button(p, "cmdListFiles", "List files to be scanned");
  c.suppressWordsAsFound = Check(p, "chkSuppressWords", "Don't display words as found",
                                 "Check this box for faster processing.");
  c.suppressWordsAsFound->setChecked(true);

  // The program starts with the single-file source: the folder controls and the
  // controls that start-up hides are hidden from the beginning.
  for (QWidget* folderControl :
       {static_cast<QWidget*>(c.includeSubfolders), static_cast<QWidget*>(c.folderButton),
        static_cast<QWidget*>(c.inputFolder), static_cast<QWidget*>(c.clearFolderButton),
        static_cast<QWidget*>(c.filePatternsLabel), static_cast<QWidget*>(c.excludePathsLabel),
        static_cast<QWidget*>(c.pathPatterns[0]), static_cast<QWidget*>(c.pathPatterns[1]),
        static_cast<QWidget*>(c.listFilesButton), static_cast<QWidget*>(c.suppressWordsAsFound)}) {
    folderControl->hide();
  }
}

void CreatePhraseControls(MainWindowControls& c, QWidget* p) {
  c.phraseLengthGroup = Frame(p, "fraPhraseLength", "Phrase length");
  c.phraseLengthLabel = {
      Label(p, Element("lblPhraseLength", 0), "Minimum number of words in phrase"),
      Label(p, Element("lblPhraseLength", 1), "Maximum number of words in phrase")};
  const QStringList lengths = Numbers(kPhraseLengthBase, kPhraseLengthCount);
  c.phraseLengthIndexes = {List(p, Element("cboPhraseLength", 0), lengths),
                           List(p, Element("cboPhraseLength", 1), lengths)};
  c.minimumFrequencyLabel = Label(p, "lblMinimumFrequency", "Minimum number of occurrences");
  c.minimumFrequencyIndex =
      List(p, "cboMinimumFrequency", Numbers(kFrequencyBase, kFrequencyCount));
  c.minimumFrequencyIndex->setCurrentIndex(1);

  c.ignoreModeGroup = Frame(p, "fraExcludePhrases");
  c.ignoreOptions = new QButtonGroup(p);
  c.allowIgnoredOnlyOption = Option(p, c.ignoreOptions, "optAllowPhrasesAllWordsToIgnore",
                                    "Allow phrases consisting entirely of words to ignore");
  c.excludeWithIgnoredOption = Option(p, c.ignoreOptions, "optExcludePhrasesWithWordToIgnore",
                                      "Exclude phrases containing a word to ignore");
  c.removeIgnoredOption =
      Option(p, c.ignoreOptions, "optRemoveWordsToIgnore", "Remove words to ignore from phrases");
  c.excludeIgnoredOnlyOption = Option(p, c.ignoreOptions, "optExcludePhrasesAllWordsToIgnore",
                                      "Exclude phrases consisting entirely of words to ignore");
  c.wordsToIgnoreNotice = Label(p, "lblWordsToIgnoreNotice");
  c.wordsToIgnoreNotice->setWordWrap(true);
}

void CreateFilterControls(MainWindowControls& c, QWidget* p) {
  c.filterGroup = Frame(p, "fraFilterResults");
  c.filterWords = TextBox(p, "txbFilterWords");
  c.filterWords->setFont(Font("Courier New", 9));
  c.filterButton = Button(p, "cmdFilterResults", "Filter results");
  c.clearFilterButton = Button(p, "cmdClear", "Clear");
  c.filterOptions = new QButtonGroup(p);
  c.allWordsOption = Option(p, c.filterOptions, "optIncludeAllWords", "All words below included");
  c.inSameOrderOption =
      Option(p, c.filterOptions, "optIncludeAllWordsInSameOrder", "in same order");
  c.asSubphraseOption = Option(p, c.filterOptions, "optIncludeAllWordsAsSubphrase", "as subphrase");
  c.allWordsOption->setChecked(true);
  c.Label2 = Label(p, "Label2", "Case is not significant.");
}

void CreateReportControls(MainWindowControls& c, QWidget* p, const UiTextTable& texts) {
  c.wordOrderLabel = Label(p, "lblWordOrder", "Order:");
  c.wordOrder =
      List(p, "cboWordOrder", Texts(texts, {ui_text::kByFrequency, ui_text::kAlphabetical}));
  c.displayFormatLabel = Label(p, "lblDisplayFormat", "Format:");
  c.displayFormat = List(p, "cboDisplayFormat", DisplayFormatCaptions(texts));
  c.relativeFrequency = Check(
      p, "chkDisplayRelativeFrequency", "Display relative frequency instead of absolute frequency",
      "'Relative frequency' is explained in 'Report Formats' in the online user manual.");
  c.sortByNumberOfFiles =
      Check(p, "chkSortByNumberOfFiles", "Sort by number of files instead of frequency");
  c.fileListFormat = Check(p, "chkFileList", ToQString(texts.UIText(ui_text::kFileListFormat)));
  c.fileListFormat->hide();  // only for the folder source
}

void CreateCommandControls(MainWindowControls& c, QWidget* p, const UiTextTable& texts) {
  c.countButton = Button(p, "cmdCountPhrases", "Count phrases");
  c.settingsButton =
      Button(p, "cmdSetParameters", "Settings",
             "Define what counts as a word, specify words to ignore and words/phrases to count");
  c.saveSettingsButton = Button(p, "cmdSaveState", "Save settings");
  c.copyButton =
      Button(p, "cmdCopyToClipboard", ToQString(texts.UIText(ui_text::kCopyToClipboard)));
  c.clearOutputButton = Button(p, "cmdClearOutput", "Clear textbox");
  c.helpButton = Button(p, "cmdHelp", "Help");
  c.quitButton = Button(p, "cmdQuit", "Quit");
  c.manualLink = Label(p, "lblOnlineDocumentation", "Online user manual");
  c.manualLink->setCursor(Qt::PointingHandCursor);
  QFont link = c.manualLink->font();
  link.setUnderline(true);
  c.manualLink->setFont(link);
  c.manualLink->setStyleSheet(QStringLiteral("color: #0645ad;"));
}

void CreateOutputControls(MainWindowControls& c, QWidget* p) {
  c.outputText = Named(new QPlainTextEdit(p), "txbOutput");
  c.outputText->setReadOnly(true);
  c.outputText->setFont(Font("Courier New", 10));
  c.outputText->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  // The vertical scroll bar is always there, so the text area never changes
  // width when a report grows past one page: a change of width lays out every
  // line again, which takes a noticeable moment for a report of millions of
  // characters.
  c.outputText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

  // The counters and the elapsed time use the labels' run-time font (Arial 10),
  // which the engine switches to Courier New while a label shows a progress bar.
  const QFont counterFont = Font("Arial", 10);
  for (QLabel** label : {&c.phraseCountLabel, &c.instancesLabel, &c.occurrencesLabel,
                         &c.progressLabel, &c.timeElapsedLabel}) {
    *label = Label(p, QString());
    (*label)->setFont(counterFont);
  }
  c.phraseCountLabel->setObjectName("lblNumberOfWords");
  c.instancesLabel->setObjectName("lblNumWordsExcluded");
  c.occurrencesLabel->setObjectName("lblNumOccurrences");
  c.progressLabel->setObjectName("lblTotalNumOccurrences");
  c.progressLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  c.timeElapsedLabel->setObjectName(Element("lblTimeElapsed", 1));
  c.activityLabel = Label(p, "lblTwirler");
  c.activityLabel->setFont(QFont(QStringLiteral("Symbol"), 10));
}

}  // namespace

MainWindowControls CreateMainWindowControls(QWidget* parent, const UiTextTable& texts) {
  MainWindowControls controls{};
  CreateSourceControls(controls, parent, texts);
  CreatePhraseControls(controls, parent);
  CreateFilterControls(controls, parent);
  CreateReportControls(controls, parent, texts);
  CreateCommandControls(controls, parent, texts);
  CreateOutputControls(controls, parent);
  return controls;
}

}  // namespace velt::ui
