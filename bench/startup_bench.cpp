// Starts the program and the bare window alternately, several times each, and
// reports for both the time from process start to the window shown and the
// peak resident memory, with their ratio.
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
  // One start of each first, unmeasured, so both find the libraries cached.
  runOnce(BARE_WINDOW);
  runOnce(VANTEL_START);
  std::vector<Run> bare, vantel;
  for (int i = 0; i < runs; ++i) {
    for (auto [program, into] : {std::pair{BARE_WINDOW, &bare}, std::pair{VANTEL_START, &vantel}}) {
      Run r = runOnce(program);
      if (!r.ok) {
        std::fprintf(stderr, "%s did not report its window shown\n", program);
        return 1;
      }
      into->push_back(r);
    }
  }
  const Summary b = summarise(bare), v = summarise(vantel);
  std::printf("runs: %d of each, alternating\n", runs);
  std::printf("%-34s %10s %10s %14s\n", "", "median ms", "min ms", "peak RSS KiB");
  std::printf("%-34s %10.1f %10.1f %14.0f\n", "bare Qt window", b.ms, b.minMs, b.kb);
  std::printf("%-34s %10.1f %10.1f %14.0f\n", "Vantel to Getting Started shown", v.ms, v.minMs,
              v.kb);
  std::printf("%-34s %10.2f %10.2f %14.2f\n", "ratio Vantel / bare", v.ms / b.ms, v.minMs / b.minMs,
              v.kb / b.kb);
  return 0;
}
