// The program under measurement, in one of several modes. It prints what it
// measured as "key value" lines on stdout and exits at once, without teardown.
//
//   bare                  an empty QMainWindow: the floor for start-up
//   bare-read FILE        the same, then one read() of FILE split into line offsets
//   vantrel [FILE]        the real main window, FILE on its command line
//   vantrel-open FILE     the real main window, then FILE loaded as File > Open does
//   edits FILE            the real main window with FILE loaded: Add Line
//                         replacing, Delete Line and Add Line appending in the middle
//   save FILE OUT         FILE loaded, then saved to OUT, alternating with a bare save
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QMainWindow>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <functional>
#include <string>
#include <vector>
#include "document/listbox.h"

#include "document/cronlinelist.h"
#include "ui/aboutbox.h"
#include "ui/errorbox.h"
#include "ui/program.h"
#include "ui/vantrelwin.h"

namespace {

long long NowNs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

long PeakKb() {
  FILE* status = std::fopen("/proc/self/status", "r");
  char line[256];
  long kb = 0;
  while (status && std::fgets(line, sizeof line, status)) {
    if (std::strncmp(line, "VmHWM:", 6) == 0) kb = std::atol(line + 6);
  }
  if (status) std::fclose(status);
  return kb;
}

[[noreturn]] void Report(const std::string& extra = {}) {
  std::printf("done %lld\nhwm %ld\n%s", NowNs(), PeakKb(), extra.c_str());
  std::fflush(stdout);
  std::_Exit(0);
}

// Calls `then` at the end of the event-loop pass in which `widget` gets its
// next paint event.
class TAfterPaint : public QObject {
 public:
  TAfterPaint(QWidget* widget, std::function<void()> then) : then_(std::move(then)) {
    widget->installEventFilter(this);
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && then_) {
      watched->removeEventFilter(this);
      QTimer::singleShot(0, [then = std::move(then_)] { then(); });
      then_ = nullptr;
    }
    return false;
  }

 private:
  std::function<void()> then_;
};

// One read() of the whole file and the offsets of its lines.
std::size_t ReadAndSplit(const char* path) {
  const int fd = ::open(path, O_RDONLY);
  struct stat st {};
  ::fstat(fd, &st);
  std::string bytes(static_cast<std::size_t>(st.st_size), '\0');
  if (::read(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) std::abort();
  ::close(fd);
  std::vector<std::size_t> offsets;
  offsets.push_back(0);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n') offsets.push_back(i + 1);
  }
  return offsets.size();
}

// The text built with one exact allocation, one write() and fdatasync() to a
// temporary file, then a rename over the target.
void BareSave(const std::vector<std::string>& lines, const std::string& target) {
  std::size_t size = 0;
  for (const auto& line : lines) size += line.size() + 1;
  std::string text;
  text.reserve(size);
  for (const auto& line : lines) {
    text += line;
    text += '\n';
  }
  const std::string temp = target + ".tmp";
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (::write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size())) std::abort();
  ::fdatasync(fd);
  ::close(fd);
  ::rename(temp.c_str(), target.c_str());
}

long long Median(std::vector<long long> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void RunEdits(vantrel::TVantrelWin& window) {
  auto& lines = window.Lines();
  vantrel::TListBox* view = window.CronLine;
  int paints = 0;
  struct Counter : QObject {
    int* count;
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::Paint) ++*count;
      return false;
    }
  } counter;
  counter.count = &paints;
  view->viewport()->installEventFilter(&counter);

  window.AsterRisk->setChecked(true);
  window.Command->setEditText(QStringLiteral("/usr/local/bin/bench --edited"));
  const int middle = lines.LineCount() / 2;
  view->scrollTo(view->model()->index(middle, 0));
  QApplication::processEvents();

  const auto timed = [&](const std::function<void()>& edit) {
    const int before = paints;
    const long long start = NowNs();
    edit();
    while (paints == before) QApplication::processEvents(QEventLoop::AllEvents, 5);
    return NowNs() - start;
  };
  std::vector<long long> replace, remove, append;
  for (int i = 0; i < 30; ++i) {
    replace.push_back(timed([&] {
      view->SelectRow(middle);
      window.AddItemClick();
    }));
    remove.push_back(timed([&] {
      view->SelectRow(middle);
      window.DeleteItemClick();
    }));
    append.push_back(timed([&] { window.AddItemClick(); }));
  }
  std::printf("replace %lld\ndelete %lld\nappend %lld\n", Median(replace), Median(remove),
              Median(append));
  Report();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const std::string mode = argv[1];
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vantrel"));

  if (mode == "bare" || mode == "bare-read") {
    QMainWindow window;
    window.resize(424, 320);
    const char* file = argc > 2 ? argv[2] : nullptr;
    TAfterPaint painted(&window, [file] {
      if (file) std::printf("lines %zu\n", ReadAndSplit(file));
      Report();
    });
    window.show();
    return QApplication::exec();
  }

  QStringList arguments{QStringLiteral("vantrel")};
  if (mode == "vantrel" && argc > 2) arguments << QString::fromLocal8Bit(argv[2]);
  vantrel::TVantrelWin window(arguments);
  vantrel::VantrelWin = &window;
  vantrel::TAboutBox about;
  vantrel::AboutBox = &about;
  QWidget* viewport = window.CronLine->viewport();
  const QString file = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();

  std::unique_ptr<TAfterPaint> painted;
  if (mode == "vantrel") {
    painted = std::make_unique<TAfterPaint>(viewport, [] { Report(); });
  } else if (mode == "vantrel-open") {
    painted = std::make_unique<TAfterPaint>(viewport, [&] {
      // Loaded as File > Open does once the user has confirmed the name.
      static TAfterPaint repainted(viewport, [] { Report(); });
      window.Lines().LoadCronFile(file);
    });
  } else if (mode == "edits") {
    window.Lines().LoadCronFile(file);
    painted = std::make_unique<TAfterPaint>(viewport, [&] { RunEdits(window); });
  } else if (mode == "save" && argc > 3) {
    window.Lines().LoadCronFile(file);
    const std::string out = argv[3];
    painted = std::make_unique<TAfterPaint>(viewport, [&window, out] {
      std::vector<std::string> raw;
      raw.reserve(static_cast<std::size_t>(window.Lines().LineCount()));
      for (int i = 0; i < window.Lines().LineCount(); ++i) raw.push_back(window.Lines().LineAt(i));
      std::vector<long long> program, floor;
      for (int i = 0; i < 7; ++i) {
        long long start = NowNs();
        BareSave(raw, out + ".floor");
        floor.push_back(NowNs() - start);
        start = NowNs();
        window.Lines().SaveCronFile(QString::fromStdString(out));
        program.push_back(NowNs() - start);
      }
      std::printf("save %lld\nfloor %lld\n", Median(program), Median(floor));
      Report();
    });
  } else {
    return 2;
  }
  window.show();
  return QApplication::exec();
}
