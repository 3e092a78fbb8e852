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

#include "settings/settings.h"
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

QStringList Texts(const UiTextTable& texts, std::initializer_list<std::pair<int, int>> ranges) {
  QStringList items;
  for (const auto& [first, last] : ranges) {
    for (int n = first; n <= last; ++n)
      items << ToQString(texts.UIText(n));
  }
  return items;
}

QFont Font(const char* family, int pointSize) {
  QFont font(QString::fromLatin1(family), pointSize);
  if (QByteArrayView(family) == "Courier New") font.setStyleHint(QFont::TypeWriter);
  return font;
}

void CreateSourceControls(MainWindowControls& c, QWidget* p, const UiTextTable& texts) {
  c.fraSource = Frame(p, "fraSource");
  c.lblSelectSource = Label(p, "lblSelectSource", ToQString(texts.UIText(19)));
  c.sourceOptions = new QButtonGroup(p);
  c.optOnClipboard = Option(p, c.sourceOptions, "optOnClipboard", "Clipboard");
  c.optInFile = Option(p, c.sourceOptions, "optInFile", "Single file");
  c.optFolder = Option(p, c.sourceOptions, "optFolder", "Folder");
  c.chkIncludeSubfolders = Check(p, "chkIncludeSubfolders", "Include subfolders");
  // There is no clipboard viewer program to start on this platform.
  c.cmdClipboardViewer = Button(p, "cmdClipboardViewer", "View clipboard");
  c.cmdClipboardViewer->hide();

  c.cmdFile = {Button(p, Element("cmdFile", 0), "Single file"),
               Button(p, Element("cmdFile", 1), "Output file")};
  c.txbFile = {TextBox(p, Element("txbFile", 0),
                       "To specify an input file click on the button labelled 'Single file'."),
               TextBox(p, Element("txbFile", 1),
                       "To specify an output file click on the button labelled 'Output file'")};
  c.cmdClearFile = {Button(p, Element("cmdClearFile", 0), "Clear"),
                    Button(p, Element("cmdClearFile", 1), "Clear")};
  c.lblFile = Label(p, "lblFile", "File:");
  c.lblFile->hide();  // shown while a folder scan reads its files
  c.lblFilesize = Label(p, "lblFilesize");
  c.lblXMLsize = Label(p, "lblXMLsize");
  c.chkDisableOutputToFile =
      Check(p, "chkDisableOutputToFile", "Disable", "Disable output to file");

  c.cmdFolder = Button(p, "cmdFolder", "Folder");
  c.txbFolder =
      TextBox(p, "txbFolder", "To specify a folder click on the button labelled 'Folder'.");
  c.cmdClearFolder = Button(p, "cmdClearFolder", "Clear");
  c.lblScanOnlyFiles = Label(p, "lblScanOnlyFiles", "Scan files matching patterns:");
  c.lblExcludeFilepaths = Label(p, "lblExcludeFilepaths", "Exclude filepaths containing text:");
  c.txbFileFilepathSpecifications = {
      TextBox(p, Element("txbFileFilepathSpecifications", 0),
              "E.g., *.txt, *.docx, a*.htm*, b*.xml"),
      TextBox(p, Element("txbFileFilepathSpecifications", 1), "E.g., copy, bak")};
  c.cmdListFiles = Button(p, "cmdListFiles", "List files to be scanned");
  c.chkSuppressWords = Check(p, "chkSuppressWords", "Don't display words as found",
                             "Check this box for faster processing.");
  c.chkSuppressWords->setChecked(true);

  // The program starts with the single-file source: the folder controls and the
  // controls that start-up hides are hidden from the beginning.
  for (QWidget* folderControl :
       {static_cast<QWidget*>(c.chkIncludeSubfolders), static_cast<QWidget*>(c.cmdFolder),
        static_cast<QWidget*>(c.txbFolder), static_cast<QWidget*>(c.cmdClearFolder),
        static_cast<QWidget*>(c.lblScanOnlyFiles), static_cast<QWidget*>(c.lblExcludeFilepaths),
        static_cast<QWidget*>(c.txbFileFilepathSpecifications[0]),
        static_cast<QWidget*>(c.txbFileFilepathSpecifications[1]),
        static_cast<QWidget*>(c.cmdListFiles), static_cast<QWidget*>(c.chkSuppressWords)}) {
    folderControl->hide();
  }
}

void CreatePhraseControls(MainWindowControls& c, QWidget* p) {
  c.fraPhraseLength = Frame(p, "fraPhraseLength", "Phrase length");
  c.lblPhraseLength = {
      Label(p, Element("lblPhraseLength", 0), "Minimum number of words in phrase"),
      Label(p, Element("lblPhraseLength", 1), "Maximum number of words in phrase")};
  const QStringList lengths = Numbers(kPhraseLengthBase, kPhraseLengthCount);
  c.cboPhraseLength = {List(p, Element("cboPhraseLength", 0), lengths),
                       List(p, Element("cboPhraseLength", 1), lengths)};
  c.lblMinimumFrequency = Label(p, "lblMinimumFrequency", "Minimum number of occurrences");
  c.cboMinimumFrequency = List(p, "cboMinimumFrequency", Numbers(kFrequencyBase, kFrequencyCount));
  c.cboMinimumFrequency->setCurrentIndex(1);

  c.fraExcludePhrases = Frame(p, "fraExcludePhrases");
  c.ignoreOptions = new QButtonGroup(p);
  c.optAllowPhrasesAllWordsToIgnore =
      Option(p, c.ignoreOptions, "optAllowPhrasesAllWordsToIgnore",
             "Allow phrases consisting entirely of words to ignore");
  c.optExcludePhrasesWithWordToIgnore =
      Option(p, c.ignoreOptions, "optExcludePhrasesWithWordToIgnore",
             "Exclude phrases containing a word to ignore");
  c.optRemoveWordsToIgnore =
      Option(p, c.ignoreOptions, "optRemoveWordsToIgnore", "Remove words to ignore from phrases");
  c.optExcludePhrasesAllWordsToIgnore =
      Option(p, c.ignoreOptions, "optExcludePhrasesAllWordsToIgnore",
             "Exclude phrases consisting entirely of words to ignore");
  c.lblWordsToIgnoreNotice = Label(p, "lblWordsToIgnoreNotice");
  c.lblWordsToIgnoreNotice->setWordWrap(true);
}

void CreateFilterControls(MainWindowControls& c, QWidget* p) {
  c.fraFilterResults = Frame(p, "fraFilterResults");
  c.txbFilterWords = TextBox(p, "txbFilterWords");
  c.txbFilterWords->setFont(Font("Courier New", 9));
  c.cmdFilterResults = Button(p, "cmdFilterResults", "Filter results");
  c.cmdClear = Button(p, "cmdClear", "Clear");
  c.filterOptions = new QButtonGroup(p);
  c.optIncludeAllWords =
      Option(p, c.filterOptions, "optIncludeAllWords", "All words below included");
  c.optIncludeAllWordsInSameOrder =
      Option(p, c.filterOptions, "optIncludeAllWordsInSameOrder", "in same order");
  c.optIncludeAllWordsAsSubphrase =
      Option(p, c.filterOptions, "optIncludeAllWordsAsSubphrase", "as subphrase");
  c.optIncludeAllWords->setChecked(true);
  c.Label2 = Label(p, "Label2", "Case is not significant.");
}

void CreateReportControls(MainWindowControls& c, QWidget* p, const UiTextTable& texts) {
  c.lblWordOrder = Label(p, "lblWordOrder", "Order:");
  c.cboWordOrder = List(p, "cboWordOrder", Texts(texts, {{43, 44}}));
  c.lblDisplayFormat = Label(p, "lblDisplayFormat", "Format:");
  // UI text 61 is the unused slot between formats #9 and #10.
  c.cboDisplayFormat = List(p, "cboDisplayFormat", Texts(texts, {{51, 60}, {62, 64}}));
  c.chkDisplayRelativeFrequency = Check(
      p, "chkDisplayRelativeFrequency", "Display relative frequency instead of absolute frequency",
      "'Relative frequency' is explained in 'Report Formats' in the online user manual.");
  c.chkSortByNumberOfFiles =
      Check(p, "chkSortByNumberOfFiles", "Sort by number of files instead of frequency");
  c.chkFileList = Check(p, "chkFileList", ToQString(texts.UIText(374)));
  c.chkFileList->hide();  // only for the folder source
}

void CreateCommandControls(MainWindowControls& c, QWidget* p, const UiTextTable& texts) {
  c.cmdCountPhrases = Button(p, "cmdCountPhrases", "Count phrases");
  c.cmdSetParameters =
      Button(p, "cmdSetParameters", "Settings",
             "Define what counts as a word, specify words to ignore and words/phrases to count");
  c.cmdSaveState = Button(p, "cmdSaveState", "Save settings");
  c.cmdCopyToClipboard = Button(p, "cmdCopyToClipboard", ToQString(texts.UIText(9)));
  c.cmdClearOutput = Button(p, "cmdClearOutput", "Clear textbox");
  c.cmdHelp = Button(p, "cmdHelp", "Help");
  c.cmdQuit = Button(p, "cmdQuit", "Quit");
  c.lblOnlineDocumentation = Label(p, "lblOnlineDocumentation", "Online user manual");
  c.lblOnlineDocumentation->setCursor(Qt::PointingHandCursor);
  QFont link = c.lblOnlineDocumentation->font();
  link.setUnderline(true);
  c.lblOnlineDocumentation->setFont(link);
  c.lblOnlineDocumentation->setStyleSheet(QStringLiteral("color: #0645ad;"));
}

void CreateOutputControls(MainWindowControls& c, QWidget* p) {
  c.txbOutput = Named(new QPlainTextEdit(p), "txbOutput");
  c.txbOutput->setReadOnly(true);
  c.txbOutput->setFont(Font("Courier New", 10));
  c.txbOutput->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  // The vertical scroll bar is always there, so the text area never changes
  // width when a report grows past one page: a change of width lays out every
  // line again, which takes a noticeable moment for a report of millions of
  // characters.
  c.txbOutput->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

  // The counters and the elapsed time use the labels' run-time font (Arial 10),
  // which the engine switches to Courier New while a label shows a progress bar.
  const QFont counterFont = Font("Arial", 10);
  for (QLabel** label : {&c.lblNumberOfWords, &c.lblNumWordsExcluded, &c.lblNumOccurrences,
                         &c.lblTotalNumOccurrences, &c.lblTimeElapsed_1}) {
    *label = Label(p, QString());
    (*label)->setFont(counterFont);
  }
  c.lblNumberOfWords->setObjectName("lblNumberOfWords");
  c.lblNumWordsExcluded->setObjectName("lblNumWordsExcluded");
  c.lblNumOccurrences->setObjectName("lblNumOccurrences");
  c.lblTotalNumOccurrences->setObjectName("lblTotalNumOccurrences");
  c.lblTotalNumOccurrences->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  c.lblTimeElapsed_1->setObjectName(Element("lblTimeElapsed", 1));
  c.lblTwirler = Label(p, "lblTwirler");
  c.lblTwirler->setFont(QFont(QStringLiteral("Symbol"), 10));
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
