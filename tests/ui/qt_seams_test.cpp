// The Qt implementations of the dialogs, clipboard and event pump seams.
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <thread>

#include "ui/qt_dialogs.h"
#include "ui/qt_event_pump.h"

using velt::Answer;
using velt::MessageButtons;
using velt::MessageIcon;
using velt::Text;

namespace {

// Runs `inspect` on the modal dialog as soon as it is open.
template <typename Dialog, typename Inspect>
void WhenOpen(Inspect inspect) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [poll, inspect] {
    if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
      poll->stop();
      poll->deleteLater();
      inspect(dialog);
    }
  });
  poll->start(10);
}

class Counter : public QObject {
 public:
  int events = 0;
  bool event(QEvent* e) override {
    if (e->type() != QEvent::User) return QObject::event(e);
    ++events;
    return true;
  }
};

}  // namespace

class QtSeamsTest : public QObject {
  Q_OBJECT

 private slots:
  void fileFiltersInQtSyntax();
  void messageBoxShowsTheRequest();
  void inputBoxReturnsTextOrNothing();
  void messagesBelongToTheActiveWindow();
  void pumpProcessesEventsAtMostOncePerInterval();
};

void QtSeamsTest::fileFiltersInQtSyntax() {
  using velt::ui::QtFileFilter;
  QCOMPARE(QtFileFilter({{u"VELT settings files (*.velt)", u"*.velt"}}),
           QStringLiteral("VELT settings files (*.velt)"));
  QCOMPARE(QtFileFilter({{u"A text file or a docx file", u"*.txt;*.docx"}, {u"All files", u"*.*"}}),
           QStringLiteral("A text file or a docx file (*.txt *.docx);;All files (*.*)"));
  QCOMPARE(QtFileFilter({}), QString());
}

void QtSeamsTest::messageBoxShowsTheRequest() {
  velt::ui::QtDialogs dialogs;
  QString title = "unset";
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton focused = QMessageBox::NoButton;
  WhenOpen<QMessageBox>([&](QMessageBox* box) {
    title = box->windowTitle();
    text = box->text();
    icon = box->icon();
    buttons = box->standardButtons();
    focused = box->standardButton(box->defaultButton());
    box->button(QMessageBox::Yes)->click();
  });
  const Answer answer =
      dialogs.Message({u"", u"Really stop?\r\nSecond <line>", MessageIcon::Exclamation,
                       MessageButtons::YesNo, Answer::No});
  QCOMPARE(answer, Answer::Yes);
  QCOMPARE(title, QString());  // an empty title stays empty
  QCOMPARE(text, QStringLiteral("Really stop?\nSecond <line>"));
  QCOMPARE(icon, QMessageBox::Warning);
  QCOMPARE(buttons, QMessageBox::Yes | QMessageBox::No);
  QCOMPARE(focused, QMessageBox::No);
}

void QtSeamsTest::inputBoxReturnsTextOrNothing() {
  velt::ui::QtDialogs dialogs;
  QString prompt;
  WhenOpen<QInputDialog>([&prompt](QInputDialog* box) {
    prompt = box->labelText();
    QCOMPARE(box->textValue(), QStringLiteral("/tmp/out.txt"));
    box->setTextValue("/tmp/other.txt");
    box->accept();
  });
  const velt::InputRequest request{u"The output file exists.", u"line one\r\nline two",
                                   u"/tmp/out.txt"};
  QCOMPARE(dialogs.InputBox(request), std::optional<Text>(u"/tmp/other.txt"));
  QCOMPARE(prompt, QStringLiteral("line one\nline two"));
  WhenOpen<QInputDialog>([](QInputDialog* box) { box->reject(); });
  QCOMPARE(dialogs.InputBox(request), std::nullopt);
}

void QtSeamsTest::messagesBelongToTheActiveWindow() {
  QWidget main;
  QWidget settings;
  velt::ui::QtDialogs dialogs;
  dialogs.SetParent(&main);
  const auto ownerOfMessage = [&dialogs] {
    QWidget* owner = nullptr;
    WhenOpen<QMessageBox>([&owner](QMessageBox* box) {
      owner = box->parentWidget();
      box->button(QMessageBox::Ok)->click();
    });
    dialogs.Message({u"Error", u"Folder does not exist.", MessageIcon::Exclamation,
                     MessageButtons::Ok, Answer::Ok});
    return owner;
  };

  QCOMPARE(ownerOfMessage(), &main);  // no window of the program is active

  main.show();
  settings.show();
  settings.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&settings));
  QCOMPARE(ownerOfMessage(), &settings);

  main.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&main));
  QCOMPARE(ownerOfMessage(), &main);
}

void QtSeamsTest::pumpProcessesEventsAtMostOncePerInterval() {
  using namespace std::chrono_literals;
  velt::ui::QtEventPump pump(200ms);
  int hookRuns = 0;
  Counter counter;
  pump.SetBeforeEvents([&] {
    ++hookRuns;
    QCOMPARE(counter.events, 0);  // the hook runs before the events
  });
  QCoreApplication::postEvent(&counter, new QEvent(QEvent::User));
  const auto start = velt::ui::QtEventPump::Clock::now();
  long yields = 0;
  while (velt::ui::QtEventPump::Clock::now() - start < 20ms) {
    pump.Yield();
    ++yields;
  }
  QVERIFY(yields > 1000);
  QCOMPARE(counter.events, 0);  // within the interval: no event processing
  std::this_thread::sleep_for(210ms);
  pump.Yield();
  QCOMPARE(counter.events, 1);
  QCOMPARE(hookRuns, 1);
  QCoreApplication::postEvent(&counter, new QEvent(QEvent::User));
  pump.Yield();  // right after processing: the next interval has begun
  QCOMPARE(counter.events, 1);
}

QTEST_MAIN(QtSeamsTest)
#include "qt_seams_test.moc"
