// Runs bench_app in its modes, the program and its floor alternating, and
// prints for each figure the medians and their ratio:
//   name: median ms, floor median ms, ratio, target, ok|over
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

using Values = std::map<std::string, double>;

long long NowNs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

std::string g_app;

// Runs bench_app with `args`; gives its "key value" lines, and "elapsed" from
// the spawn to the moment it reported.
Values Run(const std::vector<std::string>& args) {
  int out[2];
  if (::pipe(out) != 0) std::exit(1);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  // The program's own chatter (Qt's warnings) is not the harness's output.
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  std::vector<char*> argv{g_app.data()};
  std::vector<std::string> copies = args;
  for (auto& arg : copies) argv.push_back(arg.data());
  argv.push_back(nullptr);
  const long long start = NowNs();
  pid_t pid = 0;
  if (posix_spawn(&pid, g_app.c_str(), &actions, nullptr, argv.data(), environ) != 0) std::exit(1);
  ::close(out[1]);
  std::string text;
  char buffer[4096];
  for (ssize_t n; (n = ::read(out[0], buffer, sizeof buffer)) > 0;) text.append(buffer, n);
  ::close(out[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  Values values;
  std::size_t at = 0;
  while (at < text.size()) {
    const auto end = text.find('\n', at);
    const std::string line = text.substr(at, end - at);
    const auto space = line.find(' ');
    if (space != std::string::npos) values[line.substr(0, space)] = std::atof(line.c_str() + space);
    at = end == std::string::npos ? text.size() : end + 1;
  }
  if (!values.count("done")) {
    std::fprintf(stderr, "bench_app %s failed:\n%s\n", args.front().c_str(), text.c_str());
    std::exit(1);
  }
  values["elapsed"] = (values["done"] - static_cast<double>(start)) / 1e6;
  return values;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Realistic crontab lines of about 45 bytes, a fifth of them with Japanese text.
std::string MakeFile(const std::filesystem::path& folder, int lines) {
  const auto path = folder / ("jobs-" + std::to_string(lines) + ".crn");
  std::mt19937 random(lines);
  static const char* const commands[] = {
      "/usr/local/bin/backup --incremental /home", "/usr/bin/find /tmp -mtime +7 -delete",
      "/opt/app/bin/report --daily > /dev/null 2>&1", "/usr/sbin/logrotate /etc/logrotate.conf",
      "echo 毎日のバックアップ処理 >> /var/log/cron"};
  std::ofstream out(path, std::ios::binary);
  for (int i = 0; i < lines; ++i) {
    out << random() % 60 << ' ' << random() % 24 << " * * " << (random() % 2 ? "1-5" : "*") << ' '
        << commands[random() % 5] << '\n';
  }
  return path.string();
}

void Print(const char* name, double program, double floor, double target, const char* unit) {
  const double ratio = program / floor;
  std::printf("%s: %.1f %s, floor %.1f %s, ratio %.2f, target %.1f, %s\n", name, program, unit,
              floor, unit, ratio, target, ratio <= target ? "ok" : "over");
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  g_app = argv[1];
  const int runs = argc > 2 ? std::atoi(argv[2]) : 7;
  const auto folder =
      std::filesystem::temp_directory_path() / ("vantrel-bench-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const std::string small = MakeFile(folder, 1000);
  const std::string tenThousand = MakeFile(folder, 10000);
  const std::string million = MakeFile(folder, 1000000);
  const double millionMb = static_cast<double>(std::filesystem::file_size(million)) / 1024.0;

  std::vector<double> bare, bareRead, bareHwm, start, startSmall, load, loadHwm;
  for (int i = 0; i < runs; ++i) {
    const Values b = Run({"bare"});
    bare.push_back(b.at("elapsed"));
    bareHwm.push_back(b.at("hwm"));
    start.push_back(Run({"vantrel"}).at("elapsed"));
    startSmall.push_back(Run({"vantrel", small}).at("elapsed"));
    bareRead.push_back(Run({"bare-read", million}).at("elapsed"));
    const Values l = Run({"vantrel-open", million});
    load.push_back(l.at("elapsed"));
    loadHwm.push_back(l.at("hwm"));
  }
  Print("start-up, no file", Median(start), Median(bare), 2.0, "ms");
  Print("start-up, 1,000-line file", Median(startSmall), Median(bare), 2.2, "ms");
  Print("load of 1,000,000 lines", Median(load), Median(bareRead), 1.5, "ms");
  Print("peak memory, 1,000,000 lines", Median(loadHwm) / 1024.0,
        (Median(bareHwm) + millionMb) / 1024.0, 1.6, "MB");

  std::vector<double> edits[2][3];
  for (int i = 0; i < std::max(3, runs / 2); ++i) {
    int which = 0;
    for (const std::string& file : {million, tenThousand}) {
      const Values e = Run({"edits", file});
      edits[which][0].push_back(e.at("replace") / 1e6);
      edits[which][1].push_back(e.at("delete") / 1e6);
      edits[which][2].push_back(e.at("append") / 1e6);
      ++which;
    }
  }
  const char* editNames[] = {"Add Line replacing, 1,000,000 vs 10,000 lines",
                             "Delete Line, 1,000,000 vs 10,000 lines",
                             "Add Line appending, 1,000,000 vs 10,000 lines"};
  for (int op = 0; op < 3; ++op) {
    Print(editNames[op], Median(edits[0][op]), Median(edits[1][op]), 3.0, "ms");
  }

  std::vector<double> save, saveFloor;
  for (int i = 0; i < std::max(3, runs / 2); ++i) {
    const Values s = Run({"save", million, (folder / "saved.crn").string()});
    save.push_back(s.at("save") / 1e6);
    saveFloor.push_back(s.at("floor") / 1e6);
  }
  Print("save of 1,000,000 lines", Median(save), Median(saveFloor), 1.3, "ms");
  std::filesystem::remove_all(folder);
  return 0;
}
