#include "ui/pop_up_window.h"

#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "ui/twips.h"

namespace velt::ui {

PopUpWindow::PopUpWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), messageLabel_(new QLabel(this)) {
  setObjectName("frmPopUp");
  setModal(true);
  messageLabel_->setObjectName("lblMessage");
  messageLabel_->setTextFormat(Qt::PlainText);
  messageLabel_->setAlignment(Qt::AlignCenter);
  messageLabel_->setFrameShape(QFrame::Box);
  messageLabel_->setAttribute(Qt::WA_TransparentForMouseEvents);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(messageLabel_);
  timer1_.setObjectName("Timer1");
  timer1_.setSingleShot(true);
  connect(&timer1_, &QTimer::timeout, this, &PopUpWindow::Finish);
}

void PopUpWindow::PopUpInForm(QWidget* owner, const QString& message, int widthTwips,
                              int heightTwips, int intervalMs, int topTwips, int leftTwips) {
  const QWidget* measure = owner != nullptr ? owner : this;
  const QPoint origin = owner != nullptr ? owner->mapToGlobal(QPoint(0, 0)) : QPoint(0, 0);
  messageLabel_->setText(message);
  setFixedSize(TwipsToPixels(widthTwips, measure), TwipsToPixels(heightTwips, measure));
  move(origin + QPoint(TwipsToPixels(leftTwips, measure), TwipsToPixels(topTwips, measure)));
  timer1_.start(intervalMs);
  QTimer::singleShot(0, this, [this] { raise(); });
  exec();
}

void PopUpWindow::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  Finish();
}

void PopUpWindow::Finish() {
  timer1_.stop();
  accept();
}

}  // namespace velt::ui
