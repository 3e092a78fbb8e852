// Text window speed: a report of 20,000,000 characters in the real main window.
//
// Build in Release with the GUI and run it:
//
//   cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
//   cmake --build build --target text_window_bench
//   build/bin/text_window_bench [characters]
//
// Without QT_QPA_PLATFORM in the environment it runs on the offscreen platform
// with the 1366x768 screen of the window tests (tests/ui/offscreen_1366x768.json);
// set QT_QPA_PLATFORM (e.g. xcb under Xvfb) to measure another platform.
//
// The engine (with its text window model and output sink), the QtView mirror
// and the main window are the program's own; only the message boxes answer by
// themselves and the state file lives in a temporary folder. It measures:
//
//   (a) appending a report of lines of about 50 characters (CR LF line ends)
//       as a listing does: lines gather in pendingOutput, which goes to the window
//       through OutputToTxb (with its repaint request) whenever it passes
//       2,048 characters, and the run yields to the event loop after every
//       line; then the caret moves to the top, and the event loop runs until
//       the window shows the whole text. Printed: the times, the longest single
//       append, the longest time the event loop had no control (from the end
//       of one processEvents to the start of the next; the pump itself waits
//       25 ms between them) and the longest processEvents;
//   (b) clearing the full window, then replacing the whole content at once
//       (SetTextWindow) and letting the event loop run until it is shown;
//   (c) Ctrl+Home, 100 times Page Down, Ctrl+End and a drag of the scroll bar to
//       the middle, each painted at once; narrowing the main window and back;
//   (d) "Copy to clipboard" of the whole text and of a 1,000,000-character
//       selection, through the real clipboard.
//
// The rule of thumb: no stall above ~100 ms while appending, whole operations
// in seconds, scrolling under ~50 ms a step. The thread's CPU time is printed
// beside the wall time, as the machine may be shared.
#include <sys/resource.h>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextCursor>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "engine/engine.h"
#include "engine/main_window_controller.h"
#include "reports/text_sink.h"
#include "settings/ui_text_table.h"
#include "ui/display_text.h"
#include "ui/main_window.h"
#include "ui/qt_clipboard.h"
#include "ui/qt_event_pump.h"
#include "ui/qt_text.h"
#include "ui/qt_view.h"

namespace {

using Clock = std::chrono::steady_clock;
using velt::Text;

constexpr size_t kDefaultCharacters = 20'000'000;
constexpr size_t kFlushAbove = 2048;  // what a listing hands to the window at a time
constexpr int kPageDowns = 100;
constexpr int kSelection = 1'000'000;

double Ms(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

double Since(Clock::time_point start) {
  return Ms(Clock::now() - start);
}

double CpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

long PeakRssMb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

class AnsweringDialogs final : public velt::Dialogs {
 public:
  velt::Answer Message(const velt::MessageRequest& request) override {
    // "No" to the start-up question about the common-words file.
    return request.buttons == velt::MessageButtons::YesNo ? velt::Answer::No
                                                          : request.DefaultAnswer();
  }
  std::optional<Text> InputBox(const velt::InputRequest& r) override { return r.defaultText; }
  std::optional<Text> OpenFile(const velt::FileDialogRequest&) override { return {}; }
  std::optional<Text> SaveFile(const velt::FileDialogRequest&) override { return {}; }
  std::optional<Text> BrowseFolder(const Text&) override { return {}; }
};

// The program's pump, timed: how long the event loop is kept waiting between
// two processEvents, and how long each takes.
class TimedPump final : public velt::EventPump {
 public:
  explicit TimedPump(velt::ui::QtEventPump& pump) : pump_(pump) {}

  void EventsRunning() { eventsRan_ = true; }
  void Reset() {
    longestGap = longestEvents = Clock::duration::zero();
    processed = 0;
    lastEnd_ = Clock::now();
  }
  void Yield() override {
    eventsRan_ = false;
    const Clock::time_point start = Clock::now();
    pump_.Yield();
    if (!eventsRan_) return;
    const Clock::time_point end = Clock::now();
    longestGap = std::max(longestGap, start - lastEnd_);
    longestEvents = std::max(longestEvents, end - start);
    lastEnd_ = end;
    ++processed;
  }

  Clock::duration longestGap{};
  Clock::duration longestEvents{};
  long processed = 0;

 private:
  velt::ui::QtEventPump& pump_;
  bool eventsRan_ = false;
  Clock::time_point lastEnd_ = Clock::now();
};

// Lines as format 0 writes them: rank, phrase and frequency in 47 characters, then CR LF.
Text Report(size_t characters) {
  static constexpr std::array<const char*, 16> kWords = {
      "the", "of",     "and",   "people", "nation", "great", "war",   "dedicate",
      "we",  "cannot", "field", "here",   "living", "dead",  "brave", "freedom"};
  Text report;
  report.reserve(characters + 64);
  unsigned seed = 12345;
  for (long rank = 1; report.size() < characters; ++rank) {
    std::string phrase;
    while (phrase.size() < 30) {
      seed = seed * 1103515245 + 12345;
      if (!phrase.empty()) phrase += ' ';
      phrase += kWords[(seed >> 16) % kWords.size()];
    }
    char line[64];
    std::snprintf(line, sizeof line, "%7ld  %-30.30s %7ld", rank, phrase.c_str(),
                  100000 / (rank / 64 + 1));
    for (const char* c = line; *c != '\0'; ++c)
      report.push_back(static_cast<char16_t>(*c));
    report.append(u"\r\n");
  }
  report.resize(characters);
  return report;
}

struct Bench {
  QTemporaryDir stateDir;
  velt::UiTextTable texts;
  AnsweringDialogs dialogs;
  velt::ui::QtView view;
  velt::ui::QtEventPump qtPump;
  TimedPump pump{qtPump};
  velt::ui::QtClipboard clipboard;
  std::unique_ptr<velt::Engine> engine;
  std::unique_ptr<velt::ui::MainWindow> window;

  explicit Bench(const std::string& binDir) {
    texts.Load(binDir + "/velt.dat");
    const std::string statePath = stateDir.filePath(QStringLiteral("state.txt")).toStdString();
    engine = std::make_unique<velt::Engine>(velt::Seams{dialogs, view, pump, clipboard}, texts,
                                            velt::EngineOptions{binDir, statePath});
    window = std::make_unique<velt::ui::MainWindow>(engine->mainWindow(), view);
    qtPump.SetBeforeEvents([this] {
      pump.EventsRunning();
      window->SyncTimer2();
    });
    window->ShowAndStartUp();
    Settle();
  }

  velt::Session& session() { return engine->session(); }
  QPlainTextEdit* output() const { return window->controls().outputText; }

  static void Settle() {
    for (int i = 0; i < 3; ++i)
      QCoreApplication::processEvents();
  }

  // Lets the event loop run until the text window shows the whole model; the
  // time that took and the longest pass.
  std::pair<double, double> CatchUp() {
    const Clock::time_point start = Clock::now();
    Clock::duration longest{};
    do {
      const Clock::time_point pass = Clock::now();
      QCoreApplication::processEvents();
      longest = std::max(longest, Clock::now() - pass);
    } while (view.TextWindowWaiting() > 0);
    return {Since(start), Ms(longest)};
  }

  // The window shows exactly the model's text.
  bool Mirrored() const {
    const Text& text = engine->session().textWindow.text();
    return output()->toPlainText() == velt::ui::DisplayText(text);
  }
};

void Appending(Bench& b, const Text& report) {
  velt::Session& s = b.session();
  velt::TextSink& sink = b.engine->textSink();
  sink.ClearTextbox();
  Bench::Settle();
  b.pump.Reset();
  Clock::duration longestAppend{};
  long appends = 0;
  const double cpuStart = CpuMs();
  const Clock::time_point start = Clock::now();
  size_t lineStart = 0;
  while (lineStart < report.size()) {
    const size_t lineEnd = std::min(report.find(u"\r\n", lineStart), report.size() - 2) + 2;
    s.reports.pendingOutput.append(report, lineStart, lineEnd - lineStart);
    lineStart = lineEnd;
    if (s.reports.pendingOutput.size() > kFlushAbove) {
      const Clock::time_point before = Clock::now();
      sink.FlushOutput();
      longestAppend = std::max(longestAppend, Clock::now() - before);
      ++appends;
    }
    b.pump.Yield();
  }
  sink.FlushOutput();
  const double appended = Since(start);
  const Clock::time_point top = Clock::now();
  s.textWindow.SetCaret(0);
  s.window.Repaint(velt::ControlId::txbOutput);
  const double toTop = Since(top);
  const auto [caughtUp, longestPass] = b.CatchUp();
  const double total = Since(start);
  const double cpu = CpuMs() - cpuStart;

  std::printf("(a) appending %zu characters in %ld pieces (capacity %d)\n", report.size(), appends,
              s.reports.textWindowCapacity);
  std::printf(
      "    appending loop %.0f ms, caret to top %.1f ms, event passes until shown %.1f ms "
      "(longest %.1f ms), total %.0f ms (%.0f ms of CPU)\n",
      appended, toTop, caughtUp, longestPass, total, cpu);
  std::printf(
      "    longest append %.1f ms; %ld event passes, longest gap between them %.1f ms "
      "(25 ms of it the pump's interval), longest pass %.1f ms\n",
      Ms(longestAppend), b.pump.processed, Ms(b.pump.longestGap), Ms(b.pump.longestEvents));
  std::printf("    window blocks %d, caret at %d, mirrored exactly: %s\n",
              b.output()->document()->blockCount(), b.output()->textCursor().position(),
              b.Mirrored() ? "yes" : "NO");
}

void Replacing(Bench& b, const Text& report) {
  velt::Session& s = b.session();
  velt::TextSink& sink = b.engine->textSink();
  const size_t full = s.textWindow.length();
  const Clock::time_point clear = Clock::now();
  sink.ClearTextbox();
  Bench::Settle();
  std::printf("(b) clearing the window of %zu characters (as every listing begins): %.0f ms\n",
              full, Since(clear));
  const double cpuStart = CpuMs();
  const Clock::time_point start = Clock::now();
  sink.SetTextWindow(report);
  const double set = Since(start);
  const auto [caughtUp, longestPass] = b.CatchUp();
  const double cpu = CpuMs() - cpuStart;
  std::printf(
      "    replacing the content with %zu characters: %.0f ms, event passes until shown "
      "%.0f ms (longest %.1f ms), %.0f ms of CPU; caret at %d; mirrored exactly: %s\n",
      report.size(), set, caughtUp, longestPass, cpu, b.output()->textCursor().position(),
      b.Mirrored() ? "yes" : "NO");
}

// Runs `step` and paints the text window at once; the time of both.
double PaintedStep(Bench& b, const std::function<void()>& step) {
  const Clock::time_point start = Clock::now();
  step();
  b.output()->viewport()->repaint();
  return Since(start);
}

void Key(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers);
  QCoreApplication::sendEvent(target, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers);
  QCoreApplication::sendEvent(target, &release);
}

void Scrolling(Bench& b) {
  QPlainTextEdit* output = b.output();
  output->setFocus(Qt::OtherFocusReason);
  Bench::Settle();
  const double top = PaintedStep(b, [&] { Key(output, Qt::Key_Home, Qt::ControlModifier); });
  double longest = 0;
  double sum = 0;
  for (int i = 0; i < kPageDowns; ++i) {
    const double step = PaintedStep(b, [&] { Key(output, Qt::Key_PageDown); });
    longest = std::max(longest, step);
    sum += step;
  }
  const int afterPages = output->textCursor().blockNumber();
  const double end = PaintedStep(b, [&] { Key(output, Qt::Key_End, Qt::ControlModifier); });
  QScrollBar* bar = output->verticalScrollBar();
  const double middle = PaintedStep(b, [&] { bar->setValue(bar->maximum() / 2); });
  std::printf(
      "(c) Ctrl+Home %.1f ms; Page Down x%d: mean %.2f ms, longest %.1f ms (line %d); "
      "Ctrl+End %.1f ms; scroll bar to the middle %.1f ms\n",
      top, kPageDowns, sum / kPageDowns, longest, afterPages, end, middle);
}

// Narrowing the main window re-wraps the text window's document.
void Resizing(Bench& b) {
  velt::ui::MainWindow& window = *b.window;
  const QSize before = window.size();
  const auto resizeTo = [&](QSize size) {
    return PaintedStep(b, [&] {
      window.resize(size);
      Bench::Settle();
    });
  };
  const int viewportBefore = b.output()->viewport()->width();
  const double narrower = resizeTo(before - QSize(40, 0));
  const int viewportAfter = b.output()->viewport()->width();
  const double back = resizeTo(before);
  std::printf(
      "    narrowing the window by 40 pixels (text area %d to %d pixels wide) %.0f ms, and "
      "back %.0f ms\n",
      viewportBefore, viewportAfter, narrower, back);
}

void Copying(Bench& b) {
  velt::Session& s = b.session();
  QPlainTextEdit* output = b.output();
  QPushButton* copy = b.window->controls().copyButton;
  b.engine->mainWindow().Timer1_Tick();  // enables the button for a full window
  if (!copy->isEnabled()) {
    std::printf("(d) the copy button is disabled\n");
    return;
  }
  QTextCursor none = output->textCursor();
  none.clearSelection();
  output->setTextCursor(none);
  Clock::time_point start = Clock::now();
  copy->click();
  const double whole = Since(start);
  const qsizetype wholeLength = QGuiApplication::clipboard()->text().size();

  const int length = output->document()->characterCount() - 1;
  const int from = std::max(0, length / 2 - kSelection / 2);
  QTextCursor selection(output->document());
  selection.setPosition(from);
  selection.setPosition(std::min(length, from + kSelection), QTextCursor::KeepAnchor);
  output->setTextCursor(selection);
  start = Clock::now();
  copy->click();
  const double part = Since(start);
  const qsizetype partLength = QGuiApplication::clipboard()->text().size();
  std::printf(
      "(d) copy the whole text: %.0f ms (%lld characters of %zu); copy a selection of "
      "%d display characters: %.0f ms (%lld characters with CR LF)\n",
      whole, static_cast<long long>(wholeLength), s.textWindow.length(), kSelection, part,
      static_cast<long long>(partLength));
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + VELT_SCREEN_CONFIG);
  }
  QApplication app(argc, argv);
  const size_t characters =
      argc > 1 ? static_cast<size_t>(std::strtoull(argv[1], nullptr, 10)) : kDefaultCharacters;
  Bench b(QCoreApplication::applicationDirPath().toStdString());
  const Text report = Report(characters);

  Appending(b, report);
  Scrolling(b);
  Resizing(b);
  Copying(b);
  Replacing(b, report);
  Scrolling(b);
  std::printf("peak memory %ld MB\n", PeakRssMb());
  return 0;
}
