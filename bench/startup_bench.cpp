// Starts the program and its two yardsticks alternately, several times each,
// and reports for each the time from process start to the window shown and the
// peak resident memory, with the program's ratios to both yardsticks: the bare
// window (one empty window) and the fair window (a splash-sized window, then a
// main window with one line of text and one SVG picture).
//
// Usage: startup_bench [runs]   (display as the environment gives it:
// DISPLAY for an X server, or QT_QPA_PLATFORM=offscreen)
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Run {
  double ms = 0;
  long peakKb = 0;
  bool ok = false;
};

Run runOnce(const char* program) {
  Run run;
  int out[2];
  if (pipe(out) != 0) return run;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  char* argv[] = {const_cast<char*>(program), nullptr};
  const auto start = std::chrono::steady_clock::now();
  pid_t pid;
  const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (spawned != 0) {
    close(out[0]);
    return run;
  }
  std::string text;
  char buffer[64];
  ssize_t n;
  while (text.find("shown\n") == std::string::npos && (n = read(out[0], buffer, sizeof buffer)) > 0)
    text.append(buffer, n);
  const auto shown = std::chrono::steady_clock::now();
  close(out[0]);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  run.ms = std::chrono::duration<double, std::milli>(shown - start).count();
  run.peakKb = usage.ru_maxrss;
  run.ok = text.find("shown\n") != std::string::npos;
  return run;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

struct Summary {
  double ms, minMs, kb;
};

Summary summarise(const std::vector<Run>& runs) {
  std::vector<double> ms, kb;
  for (const Run& r : runs) {
    ms.push_back(r.ms);
    kb.push_back(static_cast<double>(r.peakKb));
  }
  return {median(ms), *std::min_element(ms.begin(), ms.end()), median(kb)};
}

}  // namespace

int main(int argc, char* argv[]) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  std::printf("platform: %s\n", platform && *platform    ? platform
                                : std::getenv("DISPLAY") ? "xcb (DISPLAY set)"
                                                         : "default");
  struct Program {
    const char* path;
    const char* label;
    std::vector<Run> runs;
  };
  Program programs[] = {{BARE_WINDOW, "bare Qt window", {}},
                        {FAIR_WINDOW, "fair window (splash, text, SVG)", {}},
                        {VANTEL_START, "Vantel to Getting Started shown", {}}};
  // One start of each first, unmeasured, so all find the libraries cached.
  for (const Program& p : programs) runOnce(p.path);
  for (int i = 0; i < runs; ++i) {
    for (Program& p : programs) {
      Run r = runOnce(p.path);
      if (!r.ok) {
        std::fprintf(stderr, "%s did not report its window shown\n", p.path);
        return 1;
      }
      p.runs.push_back(r);
    }
  }
  std::printf("runs: %d of each, alternating\n", runs);
  std::printf("%-34s %10s %10s %14s\n", "", "median ms", "min ms", "peak RSS KiB");
  Summary s[3];
  for (int k = 0; k < 3; ++k) {
    s[k] = summarise(programs[k].runs);
    std::printf("%-34s %10.1f %10.1f %14.0f\n", programs[k].label, s[k].ms, s[k].minMs, s[k].kb);
  }
  const Summary& v = s[2];
  for (int k : {0, 1})
    std::printf("%-34s %10.2f %10.2f %14.2f\n",
                k == 0 ? "ratio Vantel / bare window" : "ratio Vantel / fair window",
                v.ms / s[k].ms, v.minMs / s[k].minMs, v.kb / s[k].kb);
  return 0;
}
