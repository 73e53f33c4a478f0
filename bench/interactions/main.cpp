// The interactions benchmark: how long the program takes to answer each user
// action, on a real X server with a window manager.
//
// Usage: interactions_bench [runs]        (DISPLAY: an X server with a window
//                                          manager; CUPS_SERVER: a print server
//                                          whose default printer writes PDF files)
//        interactions_bench --once        (one run, one line per timed action)
//
// Each run is a fresh program that plays the whole script once, so the first
// opening of a window is a real first opening and the actions of a run follow
// each other as a user's do; the runs give the repetitions. The table shows,
// per action, the median, the 95th percentile and the worst of all runs,
// against its bound: one frame (16 ms) for an action, 250 ms for a printed
// page to be complete; and the median processor time the program spent on
// it (all its threads), which a busy machine inflates far less.
#include <QApplication>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "Driver.h"
#include "Script.h"
#include "XInput.h"
#include "forms/Program.h"
#include "forms/QtPlatform.h"
#include "shell/Startup.h"

namespace {

int runOnce(int argc, char* argv[]) {
  XInput input;
  QApplication app(argc, argv);
  vantel::QtPlatform platform;
  vantel::Program program(platform);
  Script script(program, input);
  Driver driver(script.steps());
  driver.start();
  return vantel::runProgram(program);
}

struct Samples {
  std::vector<double> ms;
  std::vector<double> cpuMs;
};

double percentile(std::vector<double> v, double p) {
  std::sort(v.begin(), v.end());
  // Nearest rank: the smallest value at or above p of the samples.
  const auto rank = static_cast<std::size_t>(std::ceil(p * v.size()));
  return v[std::clamp<std::size_t>(rank, 1, v.size()) - 1];
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc > 1 && std::strcmp(argv[1], "--once") == 0) return runOnce(1, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  if (!std::getenv("CUPS_SERVER"))
    std::fprintf(stderr,
                 "interactions: CUPS_SERVER is not set, so the page printed goes to this "
                 "computer's default printer, which must write PDF files (bench/run.sh starts "
                 "a print server of its own)\n");

  std::vector<std::string> order;  // actions in the order of the script
  std::map<std::string, Samples> actions;
  std::vector<double> memoryKb;
  const std::string command = std::string("'") + argv[0] + "' --once";
  for (int run = 1; run <= runs; ++run) {
    FILE* child = popen(command.c_str(), "r");
    if (!child) {
      std::perror("interactions: cannot start a run");
      return 1;
    }
    bool ended = false;
    char line[512];
    while (std::fgets(line, sizeof line, child)) {
      char name[400];
      double value, cpu;
      if (std::sscanf(line, "time\t%399[^\t]\t%lf\t%lf", name, &value, &cpu) == 3) {
        if (!actions.count(name)) order.push_back(name);
        actions[name].ms.push_back(value);
        actions[name].cpuMs.push_back(cpu);
      } else if (std::sscanf(line, "memory\t%lf", &value) == 1) {
        memoryKb.push_back(value);
      } else if (std::strcmp(line, "end\n") == 0) {
        ended = true;
      }
    }
    const int status = pclose(child);
    if (!ended || status != 0) {
      std::fprintf(stderr, "interactions: run %d of %d failed (see the message above)\n", run,
                   runs);
      return 1;
    }
    std::fprintf(stderr, "\rrun %d of %d", run, runs);
  }
  std::fprintf(stderr, "\n");

  std::printf("runs: %d, each a fresh program playing every action once\n", runs);
  std::printf("%-60s %4s %7s %7s %7s %6s %8s\n", "action (ms from the input to its repaint)", "n",
              "median", "95th", "worst", "bound", "CPU med");
  int over = 0;
  for (const std::string& name : order) {
    const std::vector<double>& ms = actions[name].ms;
    const double bound = name.rfind("Print", 0) == 0 ? 250 : 16;
    const double p95 = percentile(ms, 0.95);
    const bool fits = p95 <= bound;
    over += !fits;
    std::printf("%-60s %4zu %7.1f %7.1f %7.1f %6.0f %8.1f%s\n", name.c_str(), ms.size(), median(ms),
                p95, *std::max_element(ms.begin(), ms.end()), bound, median(actions[name].cpuMs),
                fits ? "" : "  OVER");
  }
  std::printf("peak memory with every window opened once: %.0f KiB (median of %zu runs)\n",
              median(memoryKb), memoryKb.size());
  std::printf("actions over their bound (95th percentile): %d of %zu\n", over, order.size());
  return 0;
}
