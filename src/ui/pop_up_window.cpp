#include "ui/pop_up_window.h"

#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "ui/twips.h"

namespace velt::ui {

PopUpWindow::PopUpWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), lblMessage_(new QLabel(this)) {
  setObjectName("frmPopUp");
  setModal(true);
  lblMessage_->setObjectName("lblMessage");
  lblMessage_->setTextFormat(Qt::PlainText);
  lblMessage_->setAlignment(Qt::AlignCenter);
  lblMessage_->setFrameShape(QFrame::Box);
  lblMessage_->setAttribute(Qt::WA_TransparentForMouseEvents);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(lblMessage_);
  timer1_.setObjectName("Timer1");
  timer1_.setSingleShot(true);
  connect(&timer1_, &QTimer::timeout, this, &PopUpWindow::Finish);
}

void PopUpWindow::PopUpInForm(QWidget* owner, const QString& message, int widthTwips,
                              int heightTwips, int intervalMs, int topTwips, int leftTwips) {
  const QWidget* measure = owner != nullptr ? owner : this;
  const QPoint origin = owner != nullptr ? owner->mapToGlobal(QPoint(0, 0)) : QPoint(0, 0);
  lblMessage_->setText(message);
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
