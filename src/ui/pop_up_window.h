// frmPopUp: a one-line confirmation shown over a window for a moment. It is
// modal while it shows, and hides when its interval ends or when a mouse button
// is released over it.
#pragma once

#include <QDialog>
#include <QTimer>

class QLabel;

namespace velt::ui {

class PopUpWindow final : public QDialog {
  Q_OBJECT

 public:
  explicit PopUpWindow(QWidget* parent = nullptr);

  // Shows `message` in a window of widthTwips x heightTwips whose top-left corner
  // is (topTwips, leftTwips) from the top-left corner of the owner's client
  // area, for intervalMs milliseconds; returns when it has hidden again.
  void PopUpInForm(QWidget* owner, const QString& message, int widthTwips, int heightTwips,
                   int intervalMs, int topTwips, int leftTwips);

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void Finish();

  QLabel* messageLabel_;
  QTimer timer1_;
};

}  // namespace velt::ui
