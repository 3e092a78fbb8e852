// frmLoadRemove: what to do with the words-to-ignore file picked from the list.
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "ui/load_remove_dialog.h"

using velt::LoadRemoveChoice;
using velt::ui::LoadRemoveDialog;

Q_DECLARE_METATYPE(LoadRemoveChoice)

namespace {

// Runs `user` once the dialog shows, then returns what Ask returned.
LoadRemoveChoice AskWith(LoadRemoveDialog& dialog, const std::function<void()>& user,
                         QPoint at = QPoint(40, 60)) {
  QTimer::singleShot(0, &dialog, user);
  return dialog.Ask(QStringLiteral("/home/ann/lists/words.txt"), at);
}

QRadioButton* OptionOf(LoadRemoveDialog& dialog, LoadRemoveChoice choice) {
  switch (choice) {
    case LoadRemoveChoice::Load:
      return dialog.findChild<QRadioButton*>("optLoadThisFile");
    case LoadRemoveChoice::Remove:
      return dialog.findChild<QRadioButton*>("optRemoveThisFile");
    case LoadRemoveChoice::Cancel:
      break;
  }
  return dialog.findChild<QRadioButton*>("optCancel");
}

}  // namespace

class LoadRemoveDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void controlsHaveTheirCaptions();
  void opensWithCancelSelectedAndCloseFocused();
  void closeReturnsTheChosenOption_data();
  void closeReturnsTheChosenOption();
  void closingAnyOtherWayIsCancel();
  void enterClosesWithTheSelectedOption();
};

void LoadRemoveDialogTest::controlsHaveTheirCaptions() {
  LoadRemoveDialog dialog;
  QCOMPARE(dialog.objectName(), QStringLiteral("frmLoadRemove"));
  QCOMPARE(dialog.windowTitle(), QStringLiteral("Load or remove this file"));
  QCOMPARE(dialog.findChild<QRadioButton*>("optLoadThisFile")->text(),
           QStringLiteral("Load this file"));
  QCOMPARE(dialog.findChild<QRadioButton*>("optRemoveThisFile")->text(),
           QStringLiteral("Remove this file from the list"));
  QCOMPARE(dialog.findChild<QRadioButton*>("optCancel")->text(), QStringLiteral("Cancel"));
  QCOMPARE(dialog.findChild<QPushButton*>("cmdClose")->text(), QStringLiteral("Close"));
  QVERIFY(dialog.findChild<QLabel*>("lblFile") != nullptr);
}

void LoadRemoveDialogTest::opensWithCancelSelectedAndCloseFocused() {
  LoadRemoveDialog dialog;
  // A previous choice does not carry over to the next file.
  AskWith(dialog, [&dialog] {
    OptionOf(dialog, LoadRemoveChoice::Load)->click();
    dialog.findChild<QPushButton*>("cmdClose")->click();
  });
  bool cancelSelected = false;
  QWidget* focused = nullptr;
  QString shownPath;
  QPoint shownAt;
  const LoadRemoveChoice choice = AskWith(
      dialog,
      [&] {
        cancelSelected = OptionOf(dialog, LoadRemoveChoice::Cancel)->isChecked();
        focused = dialog.focusWidget();
        shownPath = dialog.findChild<QLabel*>("lblFile")->text();
        shownAt = dialog.pos();
        dialog.findChild<QPushButton*>("cmdClose")->click();
      },
      QPoint(123, 77));
  QVERIFY(cancelSelected);
  QCOMPARE(focused, dialog.findChild<QPushButton*>("cmdClose"));
  QCOMPARE(shownPath, QStringLiteral("/home/ann/lists/words.txt"));
  QCOMPARE(shownAt, QPoint(123, 77));
  QCOMPARE(choice, LoadRemoveChoice::Cancel);
}

void LoadRemoveDialogTest::closeReturnsTheChosenOption_data() {
  QTest::addColumn<LoadRemoveChoice>("choice");
  QTest::newRow("load") << LoadRemoveChoice::Load;
  QTest::newRow("remove") << LoadRemoveChoice::Remove;
  QTest::newRow("cancel") << LoadRemoveChoice::Cancel;
}

void LoadRemoveDialogTest::closeReturnsTheChosenOption() {
  QFETCH(LoadRemoveChoice, choice);
  LoadRemoveDialog dialog;
  QWidget* focusAfterChoice = nullptr;
  const LoadRemoveChoice answer = AskWith(dialog, [&] {
    QRadioButton* option = OptionOf(dialog, choice);
    option->setFocus();
    // On the round indicator: the rest of the row is not the button's.
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    focusAfterChoice = dialog.focusWidget();
    dialog.findChild<QPushButton*>("cmdClose")->click();
  });
  QCOMPARE(answer, choice);
  QCOMPARE(focusAfterChoice, dialog.findChild<QPushButton*>("cmdClose"));
  QVERIFY(!dialog.isVisible());
}

void LoadRemoveDialogTest::closingAnyOtherWayIsCancel() {
  LoadRemoveDialog dialog;
  const LoadRemoveChoice answer = AskWith(dialog, [&dialog] {
    OptionOf(dialog, LoadRemoveChoice::Remove)->click();
    QTest::keyClick(&dialog, Qt::Key_Escape);
  });
  QCOMPARE(answer, LoadRemoveChoice::Cancel);
  QVERIFY(!dialog.isVisible());
}

void LoadRemoveDialogTest::enterClosesWithTheSelectedOption() {
  LoadRemoveDialog dialog;
  const LoadRemoveChoice answer = AskWith(dialog, [&dialog] {
    OptionOf(dialog, LoadRemoveChoice::Load)->click();
    QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
  });
  QCOMPARE(answer, LoadRemoveChoice::Load);
}

QTEST_MAIN(LoadRemoveDialogTest)
#include "load_remove_dialog_test.moc"
