#include "ui/help_window.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "settings/ui_texts.h"
#include "ui/display_text.h"
#include "ui/qt_text.h"
#include "ui/twips.h"

namespace velt::ui {
namespace {

// Resize rules, in twips.
constexpr int kTextMarginLeft = 225;
constexpr int kTextTop = 120;
constexpr int kTextWidthLess = 450;
constexpr int kTextHeightLess = 1300;
constexpr int kCloseTopLess = 990;
constexpr int kMinimumSide = 3000;

}  // namespace

Text HelpText(const UiTextTable& texts, TextView manualAddress) {
  Text help = u"The full user manual for this software is online at ";
  help += manualAddress;
  help += u".  \r\n";
  help += u"It is recommended to view this because it contains screenshots.  ";
  help += u"If you are online you can click on the link at the main window.\r\n\r\n";
  for (int n = ui_text::kFirstHelpParagraph; n <= ui_text::kLastHelpParagraph; ++n)
    help += texts.UIText(n) + u"\r\n\r\n";
  return help;
}

HelpWindow::HelpWindow(const UiTextTable& texts, TextView manualAddress, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window),
      mainWindow_(mainWindow),
      helpText_(new QPlainTextEdit(this)),
      closeButton_(new QPushButton(QStringLiteral("Close"), this)) {
  setObjectName("frmHelp");
  setWindowTitle(ToQString(texts.UIText(ui_text::kHelpTitle)));
  helpText_->setObjectName("txbHelpScreen");
  helpText_->setReadOnly(true);
  helpText_->setPlainText(DisplayText(HelpText(texts, manualAddress)));
  closeButton_->setObjectName("cmdClose");
  closeButton_->setAutoDefault(false);
  connect(closeButton_, &QPushButton::clicked, this, [this] {
    hide();
    emit closed();
  });
  setMinimumSize(TwipsToPixels(kMinimumSide, this), TwipsToPixels(kMinimumSide, this));
}

void HelpWindow::Open() {
  if (isMinimized()) {
    showNormal();
  } else {
    if (!placed_) PlaceBesideMainWindow();
    show();
  }
  raise();
  activateWindow();
}

void HelpWindow::PlaceBesideMainWindow() {
  placed_ = true;
  if (mainWindow_ == nullptr) {
    resize(TwipsToPixels(9000, this), TwipsToPixels(7000, this));
    return;
  }
  // Top at the ignore-mode frame, left at the text window; the window reaches to
  // the main window's width and height measured from the screen's origin.
  const QRect main = mainWindow_->frameGeometry();
  const QWidget* frame = mainWindow_->findChild<QWidget*>("fraExcludePhrases");
  const QWidget* output = mainWindow_->findChild<QWidget*>("txbOutput");
  const int top = main.top() + (frame != nullptr ? frame->mapTo(mainWindow_, QPoint()).y() : 0);
  const int left = main.left() + (output != nullptr ? output->mapTo(mainWindow_, QPoint()).x() : 0);
  QRect wanted(left, top, main.width() - left, main.height() - top);
  wanted.setSize(wanted.size().expandedTo(minimumSize()));
  if (const QScreen* screen = mainWindow_->screen()) {
    const QRect available = screen->availableGeometry();
    wanted.setSize(wanted.size().boundedTo(available.size()));
    if (wanted.right() > available.right()) wanted.moveRight(available.right());
    if (wanted.bottom() > available.bottom()) wanted.moveBottom(available.bottom());
  }
  resize(wanted.size());
  move(wanted.topLeft());
}

void HelpWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (isMinimized()) return;
  const int w = width();
  const int h = height();
  helpText_->setGeometry(TwipsToPixels(kTextMarginLeft, this), TwipsToPixels(kTextTop, this),
                         w - TwipsToPixels(kTextWidthLess, this),
                         h - TwipsToPixels(kTextHeightLess, this));
  const QSize button = closeButton_->sizeHint();
  closeButton_->setGeometry((w - button.width()) / 2, h - TwipsToPixels(kCloseTopLess, this),
                            button.width(), button.height());
}

}  // namespace velt::ui
