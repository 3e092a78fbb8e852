// frmPopUp and frmHelp.
#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include "settings/ui_texts.h"
#include "ui/help_window.h"
#include "ui/pop_up_window.h"
#include "ui/qt_text.h"
#include "ui/twips.h"
#include "window_harness.h"

using velt::Text;
using velt::ui::HelpWindow;
using velt::ui::PopUpWindow;
using velt::ui::TwipsToPixels;

class SmallWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void popUpHidesAfterItsInterval();
  void popUpHidesAtOnceOnMouseRelease();
  void popUpSitsAtItsPlaceOverTheOwner();

  void helpTextPointsToTheManual();
  void helpWindowFollowsItsResizeRules();
  void closedHelpReopensUnchanged();
  void minimisedHelpIsRestored();
};

void SmallWindowsTest::popUpHidesAfterItsInterval() {
  QWidget owner;
  owner.show();
  PopUpWindow popUp(&owner);
  QElapsedTimer clock;
  clock.start();
  popUp.PopUpInForm(&owner, "Settings saved", 1500, 300, 300, 0, 0);
  QVERIFY(clock.elapsed() >= 250);
  QVERIFY(clock.elapsed() < 5000);
  QVERIFY(!popUp.isVisible());
}

void SmallWindowsTest::popUpHidesAtOnceOnMouseRelease() {
  QWidget owner;
  owner.show();
  PopUpWindow popUp(&owner);
  QTimer::singleShot(50, &popUp, [&popUp] {
    QTest::mouseRelease(popUp.findChild<QLabel*>("lblMessage"), Qt::LeftButton);
  });
  QElapsedTimer clock;
  clock.start();
  popUp.PopUpInForm(&owner, "Program reinitialized", 2400, 300, 20000, 0, 0);
  QVERIFY(clock.elapsed() < 10000);
  QVERIFY(!popUp.isVisible());
}

void SmallWindowsTest::popUpSitsAtItsPlaceOverTheOwner() {
  QWidget owner;
  owner.move(100, 80);
  owner.resize(400, 300);
  owner.show();
  QVERIFY(QTest::qWaitForWindowExposed(&owner));
  PopUpWindow popUp(&owner);
  QRect shown;
  QString message;
  QTimer::singleShot(50, &popUp, [&] {
    shown = popUp.geometry();
    message = popUp.findChild<QLabel*>("lblMessage")->text();
  });
  popUp.PopUpInForm(&owner, "Settings saved", 2350, 300, 200, 600, 1500);
  const QPoint corner = owner.mapToGlobal(QPoint(0, 0));
  QCOMPARE(shown.topLeft(),
           corner + QPoint(TwipsToPixels(1500, &owner), TwipsToPixels(600, &owner)));
  QCOMPARE(shown.size(), QSize(TwipsToPixels(2350, &owner), TwipsToPixels(300, &owner)));
  QCOMPARE(message, QStringLiteral("Settings saved"));
}

void SmallWindowsTest::helpTextPointsToTheManual() {
  const velt::UiTextTable texts = velt::testing::ShippedTexts();
  const Text help = velt::ui::HelpText(texts, u"/opt/velt/README.md");
  const Text intro =
      u"The full user manual for this software is online at /opt/velt/README.md.  \r\n"
      u"It is recommended to view this because it contains screenshots.  "
      u"If you are online you can click on the link at the main window.\r\n\r\n";
  QVERIFY(help.starts_with(intro));
  Text paragraphs;
  for (int n = velt::ui_text::kFirstHelpParagraph; n <= velt::ui_text::kLastHelpParagraph; ++n)
    paragraphs += texts.UIText(n) + u"\r\n\r\n";
  QCOMPARE(help.substr(intro.size()), paragraphs);
  QVERIFY(!texts.UIText(velt::ui_text::kFirstHelpParagraph).empty());

  velt::testing::WindowHarness h;
  h.window.ShowHelp();
  auto* help2 = h.Find("frmHelp");
  QCOMPARE(help2->windowTitle(), QStringLiteral("VELT help"));
  const QString shown = help2->findChild<QPlainTextEdit*>("txbHelpScreen")->toPlainText();
  QVERIFY(shown.startsWith("The full user manual for this software is online at "));
  QVERIFY(shown.contains(QString::fromStdString(std::string(VELT_BIN_DIR) + "/README.md.  \n")));
  QVERIFY(help2->findChild<QPlainTextEdit*>("txbHelpScreen")->isReadOnly());
}

void SmallWindowsTest::helpWindowFollowsItsResizeRules() {
  const velt::UiTextTable texts = velt::testing::ShippedTexts();
  HelpWindow help(texts, u"README.md", nullptr);
  help.Open();
  help.resize(900, 600);
  auto* text = help.findChild<QPlainTextEdit*>("txbHelpScreen");
  auto* close = help.findChild<QPushButton*>("cmdClose");
  QCOMPARE(close->text(), QStringLiteral("Close"));
  QCOMPARE(text->width(), 900 - TwipsToPixels(450, &help));
  QCOMPARE(text->height(), 600 - TwipsToPixels(1300, &help));
  QCOMPARE(close->y(), 600 - TwipsToPixels(990, &help));
  QVERIFY(qAbs(close->geometry().center().x() - 450) <= 1);
}

void SmallWindowsTest::closedHelpReopensUnchanged() {
  velt::testing::WindowHarness h;
  h.window.show();
  h.window.ShowHelp();
  auto* help = qobject_cast<HelpWindow*>(h.Find("frmHelp"));
  QSignalSpy closed(help, &HelpWindow::closed);
  help->move(120, 140);
  const QPoint place = help->pos();
  auto* text = help->findChild<QPlainTextEdit*>("txbHelpScreen");
  const QString before = text->toPlainText();
  QTest::mouseClick(help->findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
  QVERIFY(!help->isVisible());
  QCOMPARE(closed.count(), 1);
  h.window.ShowHelp();
  QCOMPARE(h.window.findChildren<HelpWindow*>().size(), 1);  // the same window again
  QVERIFY(help->isVisible());
  QCOMPARE(help->pos(), place);
  QCOMPARE(text->toPlainText(), before);
}

void SmallWindowsTest::minimisedHelpIsRestored() {
  velt::testing::WindowHarness h;
  h.window.show();
  h.window.ShowHelp();
  QWidget* help = h.Find("frmHelp");
  help->setWindowState(Qt::WindowMinimized);
  QVERIFY(help->isMinimized());
  QTest::keyRelease(h.Find("cmdHelp"), Qt::Key_F1);
  QVERIFY(!help->isMinimized());
  QVERIFY(help->isVisible());
}

QTEST_MAIN(SmallWindowsTest)
#include "small_windows_test.moc"
