// vantel-calc: the calculators' rules on the command line, for one case given
// in the arguments or for every row of a CSV file. It links the toolkit-free
// rules only, so it starts without any window system.

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Batch.h"
#include "cli/Calculation.h"
#include "cli/HelpText.h"

namespace {

using namespace vantel::cli;

struct Request {
  std::optional<Kind> kind;
  std::string_view kindName, born, died, age, date, csv;
  bool haveBorn = false, haveDied = false, haveAge = false, haveCsv = false;
  bool longForm = false;
  std::vector<std::string_view> census;
};

int mistake(const std::string& problem) {
  std::fprintf(stderr, "vantel-calc: %s\n%.*sTry 'vantel-calc --help' for more information.\n",
               problem.c_str(), static_cast<int>(kUsage.size()), kUsage.data());
  return 2;
}

std::optional<Kind> kindNamed(std::string_view name) {
  if (name == "birth") return Kind::Birth;
  if (name == "age") return Kind::Age;
  if (name == "death") return Kind::Death;
  if (name == "weekday") return Kind::Weekday;
  if (name == "census") return Kind::Census;
  return std::nullopt;
}

// Reads the arguments into the request; the problem found, or the empty text.
std::string parse(int argc, char** argv, Request& r) {
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    std::optional<std::string_view> inlineValue;
    if (arg.starts_with("--"))
      if (const auto eq = arg.find('='); eq != std::string_view::npos)
        inlineValue = arg.substr(eq + 1), arg = arg.substr(0, eq);
    auto value = [&](std::string_view& target, bool& given) -> std::string {
      if (given) return "'" + std::string(arg) + "' is given twice";
      given = true;
      if (inlineValue) return target = *inlineValue, "";
      if (i + 1 >= argc) return "'" + std::string(arg) + "' needs a value";
      return target = argv[++i], "";
    };
    std::string problem;
    if (arg == "--born")
      problem = value(r.born, r.haveBorn);
    else if (arg == "--died")
      problem = value(r.died, r.haveDied);
    else if (arg == "--age")
      problem = value(r.age, r.haveAge);
    else if (arg == "--csv")
      problem = value(r.csv, r.haveCsv);
    else if (arg == "--long" && !inlineValue)
      r.longForm = true;
    else if (arg.starts_with("-") && arg != "-")
      problem = "unknown option '" + std::string(arg) + "'";
    else if (!r.kind && kindNamed(arg))
      r.kind = kindNamed(arg), r.kindName = arg;
    else if (r.kind == Kind::Weekday && !r.date.data())
      r.date = arg;
    else if (r.kind == Kind::Census)
      r.census.push_back(arg);
    else
      problem = "unexpected argument '" + std::string(arg) + "'";
    if (!problem.empty()) return problem;
  }
  if (r.haveCsv) {
    if (r.haveBorn || r.haveDied || r.haveAge || r.date.data() || !r.census.empty())
      return "with --csv the values come from the file, not from the command line";
    return "";
  }
  if (!r.kind) return "say what to calculate: birth, age, death, weekday or census";
  auto needs = [&](bool born, bool died, bool age) -> std::string {
    if (r.haveBorn != born || r.haveDied != died || r.haveAge != age)
      return std::string(r.kindName) + " takes " +
             (born && died ? "--born and --died"
              : born       ? "--born and --age"
                           : "--died and --age");
    return "";
  };
  switch (*r.kind) {
    case Kind::Birth: return needs(false, true, true);
    case Kind::Age: return needs(true, true, false);
    case Kind::Death: return needs(true, false, true);
    case Kind::Weekday:
      if (r.haveBorn || r.haveDied || r.haveAge || !r.date.data()) return "weekday takes one date";
      return "";
    case Kind::Census:
      if (r.haveBorn || r.haveDied || r.haveAge || r.census.empty())
        return "census takes one or more CENSUS=RANGE, such as 1800=\"10 Thru 15\"";
      return "";
  }
  return "";
}

// CENSUS=RANGE into the case; the problem found, or the empty text.
std::string readCensus(const std::vector<std::string_view>& pairs, Case& c) {
  for (std::string_view pair : pairs) {
    const auto eq = pair.find('=');
    const std::string_view column = pair.substr(0, eq);
    std::size_t k = 0;
    while (k < kCensusColumns.size() && kCensusColumns[k] != column) ++k;
    if (eq == std::string_view::npos || k == kCensusColumns.size())
      return "'" + std::string(pair) +
             "' is no CENSUS=RANGE: the censuses are 1790M, 1790F, 1800, 1810, 1820, 1830 and 1840";
    if (!c.census[k].empty()) return "the census " + std::string(column) + " is given twice";
    c.census[k] = pair.substr(eq + 1);
  }
  return "";
}

int runBatch(const Request& r) {
  std::FILE* in = r.csv == "-" ? stdin : std::fopen(std::string(r.csv).c_str(), "rb");
  if (!in) return mistake("cannot read '" + std::string(r.csv) + "': " + std::strerror(errno));
  const BatchOutcome outcome = vantel::cli::runBatch(in, stdout, r.kind, r.longForm);
  if (in != stdin) std::fclose(in);
  if (!outcome.error.empty()) return mistake(outcome.error);
  return outcome.refused > 0 ? 1 : 0;
}

int runCase(const Request& r) {
  Case c;
  c.kind = *r.kind;
  c.born = r.born, c.died = r.died, c.age = r.age, c.date = r.date;
  if (const std::string problem = readCensus(r.census, c); !problem.empty())
    return mistake(problem);
  const Answer answer = calculate(c, r.longForm);
  if (answer.unreadable) return mistake(answer.refusal->prompt);
  if (answer.refusal) {
    std::fprintf(stderr, "%s\n%s\n", answer.refusal->title.c_str(), answer.refusal->prompt.c_str());
    return 1;
  }
  std::printf("%s\n", answer.result.c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::fwrite(kHelp.data(), 1, kHelp.size(), stdout);
      return 0;
    }
    if (arg == "--version" || arg == "-V") {
      std::printf("vantel-calc (Tamsford Genealogy Calculator) %s\n", VANTEL_VERSION);
      return 0;
    }
  }
  Request request;
  if (const std::string problem = parse(argc, argv, request); !problem.empty())
    return mistake(problem);
  return request.haveCsv ? runBatch(request) : runCase(request);
}
