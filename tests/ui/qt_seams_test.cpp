// The Qt implementations of the dialogs, clipboard and event pump seams.
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <vector>

#include "ui/qt_dialogs.h"
#include "ui/qt_event_pump.h"

using velt::Answer;
using velt::MessageButtons;
using velt::MessageIcon;
using velt::MessageId;
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
      dialogs.Message({MessageId::ReallyStop, u"", u"Really stop?\r\nSecond <line>",
                       MessageIcon::Exclamation, MessageButtons::YesNo, Answer::No});
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
    dialogs.Message({MessageId::OutputFolderMissing, u"Error", u"Folder does not exist.",
                     MessageIcon::Exclamation, MessageButtons::Ok, Answer::Ok});
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

// The pump reads a clock of the test's own, so the test measures nothing in
// time: it moves the clock.
velt::ui::QtEventPump::Clock::time_point fakeNow;
velt::ui::QtEventPump::Clock::time_point FakeClock() {
  return fakeNow;
}

void QtSeamsTest::pumpProcessesEventsAtMostOncePerInterval() {
  using namespace std::chrono_literals;
  fakeNow = {};
  velt::ui::QtEventPump pump(200ms, &FakeClock);
  std::vector<int> eventsBeforeHook;  // the hook runs before the events are processed
  Counter counter;
  pump.SetBeforeEvents([&] { eventsBeforeHook.push_back(counter.events); });
  QCoreApplication::postEvent(&counter, new QEvent(QEvent::User));
  for (int k = 0; k < 1000; ++k) {
    fakeNow += 199us;  // 199 ms in all: still within the interval
    pump.Yield();
  }
  QCOMPARE(counter.events, 0);  // within the interval: no event processing
  fakeNow += 1ms;
  pump.Yield();
  QCOMPARE(counter.events, 1);
  QCOMPARE(eventsBeforeHook, std::vector<int>{0});
  QCoreApplication::postEvent(&counter, new QEvent(QEvent::User));
  pump.Yield();  // right after processing: the next interval has begun
  QCOMPARE(counter.events, 1);
  fakeNow += 200ms;
  pump.Yield();
  QCOMPARE(counter.events, 2);
  QCOMPARE(eventsBeforeHook, (std::vector<int>{0, 1}));
}

QTEST_MAIN(QtSeamsTest)
#include "qt_seams_test.moc"
