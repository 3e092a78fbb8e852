#include "ui/settings_window_controls.h"
#include "ui/widget_helpers.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "ui/qt_text.h"

namespace velt::ui {
namespace {

// Room for about this many characters of a words-file path in its list; longer
// paths are shown in the list's tooltip.
constexpr int kWordsFileListCharacters = 44;
constexpr int kExtraWordsBoxCharacters = 36;
constexpr int kButtonPadding = 12;

QPushButton* Button(QWidget* parent, const QString& name, const QString& caption,
                    const QString& tooltip = {}) {
  auto* button = Named(new QPushButton(LiteralButtonCaption(caption), parent), name, tooltip);
  button->setAutoDefault(false);
  // A little room on either side of the caption.
  button->setMinimumWidth(button->sizeHint().width() + kButtonPadding);
  return button;
}

QLabel* Label(QWidget* parent, const QString& name, const QString& caption = {}) {
  auto* label = Named(new QLabel(caption, parent), name);
  label->setTextFormat(Qt::PlainText);
  return label;
}

QComboBox* List(QWidget* parent, const QString& name, const QStringList& items) {
  auto* list = Named(new QComboBox(parent), name);
  list->addItems(items);
  return list;
}

QGroupBox* Frame(QWidget* parent, const QString& name, const QString& caption = {}) {
  return Named(new QGroupBox(caption, parent), name);
}

QStringList Numbers(int first, int count, int step = 1) {
  QStringList numbers;
  for (int i = 0; i < count; ++i)
    numbers << QString::number(first + i * step);
  return numbers;
}

// The check boxes of one frame, in table order.
std::vector<QCheckBox*> ChecksOf(const SettingsWindowControls& c, CheckFrame frame) {
  std::vector<QCheckBox*> boxes;
  const auto table = SettingsCheckBoxes();
  for (size_t i = 0; i < table.size(); ++i) {
    if (table[i].frame == frame) boxes.push_back(c.checks[i]);
  }
  return boxes;
}

QCheckBox* CheckNamed(const SettingsWindowControls& c, const char* name) {
  const auto table = SettingsCheckBoxes();
  for (size_t i = 0; i < table.size(); ++i) {
    if (QByteArrayView(table[i].name) == name) return c.checks[i];
  }
  return nullptr;
}

void CreateCheckBoxes(SettingsWindowControls& c, QWidget* window) {
  const auto table = SettingsCheckBoxes();
  for (size_t i = 0; i < table.size(); ++i) {
    const QString caption = ToQString(table[i].caption);
    c.checks[i] = Named(new QCheckBox(LiteralButtonCaption(caption), window),
                        QString::fromLatin1(table[i].name));
  }
  CheckNamed(c, "chkTerminatePhraseAtDoubleQuote")
      ->setText(LiteralButtonCaption(ToQString(DoubleQuoteBoundaryCaption())));
  CheckNamed(c, "chkExtractTextFromDocx")
      ->setToolTip(
          "If checked then text extracted from .docx files will be written to files in an "
          "'extracted_text' subfolder.");
}

// Check boxes laid out column by column, `rows` to a column.
void AddInColumns(QGridLayout* grid, const std::vector<QCheckBox*>& boxes, int rows,
                  int firstRow = 0) {
  for (size_t i = 0; i < boxes.size(); ++i) {
    grid->addWidget(boxes[i], firstRow + static_cast<int>(i) % rows, static_cast<int>(i) / rows);
  }
}

void ArrangeWordCharacters(SettingsWindowControls& c, QWidget* window) {
  c.wordCharactersGroup = Frame(window, "fraWordCharacters", "Allow 'words' with:");
  auto* grid = new QGridLayout(c.wordCharactersGroup);
  std::vector<QCheckBox*> boxes = ChecksOf(c, CheckFrame::WordCharacters);
  QCheckBox* only7bit = boxes.back();
  boxes.pop_back();
  QCheckBox* caseSignificant = boxes.back();
  boxes.pop_back();
  constexpr int kRows = 6;
  AddInColumns(grid, boxes, kRows);
  c.alsoLabel = Label(c.wordCharactersGroup, "lblAlso", "Also:");
  grid->addWidget(c.alsoLabel, kRows, 0, 1, 2);
  grid->addWidget(caseSignificant, kRows + 1, 0, 1, 2);
  grid->addWidget(only7bit, kRows + 2, 0, 1, 2);
  grid->setRowMinimumHeight(kRows, c.alsoLabel->sizeHint().height() * 3 / 2);
  grid->setAlignment(c.alsoLabel, Qt::AlignBottom | Qt::AlignLeft);
}

void ArrangePhraseBoundaries(SettingsWindowControls& c, QWidget* window) {
  c.phraseBoundariesGroup = Frame(window, "fraPhraseBoundaries", "A phrase must not go beyond:");
  auto* grid = new QGridLayout(c.phraseBoundariesGroup);
  AddInColumns(grid, ChecksOf(c, CheckFrame::PhraseBoundaries), 2);
  grid->setColumnStretch(3, 1);
}

void ArrangeIgnoreWords(SettingsWindowControls& c, QWidget* window) {
  c.ignoredWordShapesGroup = Frame(window, "fraIgnoreWords", "Ignore words:");
  QWidget* f = c.ignoredWordShapesGroup;
  c.shortWordSizeIndex =
      List(f, "cboShortWordSize", Numbers(kShortWordSizeBase, kShortWordSizeCount));
  c.longWordSizeIndex = List(f, "cboLongWordSize", Numbers(20, kLongWordSizeCount, 10));
  auto* longWords = Label(f, "lblLongWords", "with more than");
  // Lined up with the captions of the check boxes above and below it.
  const QStyle* style = f->style();
  longWords->setIndent(style->pixelMetric(QStyle::PM_IndicatorWidth) +
                       style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing));

  const std::vector<QCheckBox*> boxes = ChecksOf(c, CheckFrame::IgnoreWords);
  auto* grid = new QGridLayout(f);
  grid->addWidget(boxes[0], 0, 0, 1, 4);
  grid->addWidget(boxes[1], 1, 0);
  grid->addWidget(c.shortWordSizeIndex, 1, 1);
  grid->addWidget(Label(f, "lblShortWordsCharacters", "characters"), 1, 2);
  grid->addWidget(longWords, 2, 0);
  grid->addWidget(c.longWordSizeIndex, 2, 1);
  grid->addWidget(Label(f, "lblLongWordsCharacters", "characters"), 2, 2);
  grid->addWidget(boxes[2], 3, 0, 1, 4);
  grid->setColumnStretch(3, 1);
}

void ArrangeWordsToIgnore(SettingsWindowControls& c, QWidget* window) {
  c.wordsToIgnoreGroup = Frame(window, "fraIgnoreTheseWords");
  QWidget* f = c.wordsToIgnoreGroup;
  c.commonWordsLanguage = List(f, "cboCommonWordsLanguages", CommonWordsLanguages());
  c.selectWordsFileButton =
      Button(f, Element("cmdSelectWordsFile", 0), "Words-to-ignore files (99)",
             "Click here to specify one or more files containing words (not phrases) which "
             "should be ignored.");
  c.wordsFileList = Named(new QComboBox(f), Element("cboWordsFile", 0),
                          "To specify (or add) a file containing words to ignore, click on the "
                          "button labelled 'Words-to-ignore files'.");
  c.wordsFileList->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  c.wordsFileList->setMinimumContentsLength(kWordsFileListCharacters);
  c.clearWordsFilesButton = Button(f, Element("cmdClearWordsFile", 0), "Clear");

  c.extraWords =
      Named(new QLineEdit(f), Element("txbWordsToIgnoreOrCount", 0),
            "Extra words to ignore (not phrases) may be added here. Spaces (not commas) should be "
            "used to separate them.  Case is not significant.");
  QFont fixed(QStringLiteral("Courier New"), 9);
  fixed.setStyleHint(QFont::TypeWriter);
  c.extraWords->setFont(fixed);
  c.extraWords->setMinimumWidth(QFontMetrics(fixed).horizontalAdvance(QLatin1Char('x')) *
                                kExtraWordsBoxCharacters);
  c.clearExtraWordsButton = Button(f, Element("cmdClearWordsToIgnoreOrCount", 0), "Clear");

  auto* grid = new QGridLayout(f);
  grid->addWidget(Label(f, "lblCommonWords", "Ignore common words in:"), 0, 0);
  grid->addWidget(c.commonWordsLanguage, 0, 1, Qt::AlignLeft);
  grid->addWidget(c.selectWordsFileButton, 1, 0);
  grid->addWidget(c.wordsFileList, 1, 1);
  grid->addWidget(c.clearWordsFilesButton, 1, 2);
  grid->addWidget(Label(f, "lblExtraWords", "Extra words to ignore:"), 2, 0);
  grid->addWidget(c.extraWords, 2, 1);
  grid->addWidget(c.clearExtraWordsButton, 2, 2);
  grid->setColumnStretch(1, 1);
}

void ArrangeOptions(SettingsWindowControls& c, QWidget* window) {
  c.optionsGroup = Frame(window, "fraOptions");
  const std::vector<QCheckBox*> boxes = ChecksOf(c, CheckFrame::Options);
  auto* grid = new QGridLayout(c.optionsGroup);
  // "Enable pattern matching" reads on into its label.
  auto* patternMatching = new QHBoxLayout;
  patternMatching->setSpacing(0);
  patternMatching->addWidget(boxes[0]);
  patternMatching->addWidget(
      Label(c.optionsGroup, "lblPatternMatching", "for words-to-ignore file"));
  patternMatching->addStretch(1);
  grid->addLayout(patternMatching, 0, 0);
  for (size_t i = 1; i < boxes.size(); ++i)
    grid->addWidget(boxes[i], static_cast<int>(i), 0);
}

void ArrangeSettingsFiles(SettingsWindowControls& c, QWidget* window) {
  c.settingsFilesGroup = Frame(window, "fraSettings");
  QWidget* f = c.settingsFilesGroup;
  c.saveSettingsButton = Button(f, "cmdSaveState", "Save settings");
  c.reinitializeButton = Button(f, "cmdInitialize", "Reinitialize");
  c.saveLoadButtons = {Button(f, Element("cmdSaveLoadState", 0), "Save settings to file"),
                       Button(f, Element("cmdSaveLoadState", 1), "Load settings from file")};
  c.stateLabel = Label(f, "lblState");
  c.stateFileBox = Named(new QLineEdit(f), "txbStateFile");
  // A text box keeps the toolkit's own font, not the window's.
  c.stateFileBox->setFont(QApplication::font("QLineEdit"));
  c.stateFileBox->setReadOnly(true);
  // The row keeps its height while the box is hidden, so nothing jumps.
  QSizePolicy keep = c.stateFileBox->sizePolicy();
  keep.setRetainSizeWhenHidden(true);
  c.stateFileBox->setSizePolicy(keep);
  c.stateFileBox->hide();

  auto* grid = new QGridLayout(f);
  grid->addWidget(c.saveSettingsButton, 0, 0);
  grid->addWidget(c.reinitializeButton, 0, 1);
  grid->addWidget(c.saveLoadButtons[1], 1, 0);
  grid->addWidget(c.saveLoadButtons[0], 1, 1);
  auto* state = new QHBoxLayout;
  state->addWidget(c.stateLabel);
  state->addWidget(c.stateFileBox, 1);
  grid->addLayout(state, 2, 0, 1, 3);
  grid->setColumnStretch(2, 1);
}

QHBoxLayout* CreateWindowButtons(SettingsWindowControls& c, QWidget* window) {
  c.setOrClearCheckboxesButtons = {
      Button(window, Element("cmdSetOrClearCheckboxes", 0), "Clear all checkboxes"),
      Button(window, Element("cmdSetOrClearCheckboxes", 1), "Check all checkboxes")};
  c.restoreDefaultsButton = Button(window, "cmdRestoreDefaults", "Restore defaults");
  c.closeButton = Button(window, "cmdClose", "Hide settings");
  c.quitButton = Button(window, "cmdQuit", "Quit");
  auto* row = new QHBoxLayout;
  row->addWidget(c.setOrClearCheckboxesButtons[1]);
  row->addWidget(c.setOrClearCheckboxesButtons[0]);
  row->addWidget(c.restoreDefaultsButton);
  row->addStretch(1);
  row->addWidget(c.closeButton);
  row->addWidget(c.quitButton);
  return row;
}

}  // namespace

QStringList CommonWordsLanguages() {
  return {"English", "German", "Spanish",           "Portuguese",
          "Italian", "French", "All six languages", "[No language selected]"};
}

SettingsWindowControls CreateSettingsWindowControls(QWidget* window) {
  SettingsWindowControls c{};
  CreateCheckBoxes(c, window);
  ArrangeWordCharacters(c, window);
  ArrangePhraseBoundaries(c, window);
  ArrangeIgnoreWords(c, window);
  ArrangeWordsToIgnore(c, window);
  ArrangeOptions(c, window);
  ArrangeSettingsFiles(c, window);

  auto* left = new QVBoxLayout;
  left->addWidget(c.wordCharactersGroup);
  left->addWidget(c.ignoredWordShapesGroup);
  left->addStretch(1);
  auto* right = new QVBoxLayout;
  right->addWidget(c.phraseBoundariesGroup);
  right->addWidget(c.wordsToIgnoreGroup);
  right->addWidget(c.optionsGroup);
  right->addWidget(c.settingsFilesGroup);
  right->addStretch(1);
  auto* columns = new QHBoxLayout;
  columns->addLayout(left);
  columns->addLayout(right, 1);

  auto* whole = new QVBoxLayout(window);
  whole->addLayout(columns, 1);
  whole->addLayout(CreateWindowButtons(c, window));
  return c;
}

std::vector<QWidget*> SettingsWindowControls::TabOrder() const {
  std::vector<QWidget*> order;
  const auto table = SettingsCheckBoxes();
  const auto addChecks = [&](CheckFrame frame) {
    for (size_t i = 0; i < table.size(); ++i) {
      if (table[i].frame == frame) order.push_back(checks[i]);
    }
  };
  addChecks(CheckFrame::WordCharacters);
  // Ignored word shapes: each size list follows the line it belongs to.
  std::vector<QWidget*> shapes;
  for (size_t i = 0; i < table.size(); ++i) {
    if (table[i].frame == CheckFrame::IgnoreWords) shapes.push_back(checks[i]);
  }
  order.insert(order.end(),
               {shapes[0], shapes[1], shortWordSizeIndex, longWordSizeIndex, shapes[2]});
  addChecks(CheckFrame::PhraseBoundaries);
  order.insert(order.end(), {commonWordsLanguage, selectWordsFileButton, wordsFileList,
                             clearWordsFilesButton, extraWords, clearExtraWordsButton});
  addChecks(CheckFrame::Options);
  order.insert(order.end(),
               {saveSettingsButton, reinitializeButton, saveLoadButtons[1], saveLoadButtons[0],
                stateFileBox, setOrClearCheckboxesButtons[1], setOrClearCheckboxesButtons[0],
                restoreDefaultsButton, closeButton, quitButton});
  return order;
}

}  // namespace velt::ui
