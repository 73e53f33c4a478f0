#include "cli/Batch.h"

#include <array>
#include <vector>

#include "cli/Csv.h"

namespace vantel::cli {
namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// Where the known columns are in the header; kNone for those it lacks.
struct Columns {
  std::size_t born = kNone, died = kNone, age = kNone, date = kNone;
  std::array<std::size_t, kCensusColumns.size()> census;
  Columns() { census.fill(kNone); }
};

bool sameName(std::string_view header, std::string_view name) {
  while (!header.empty() && header.front() == ' ') header.remove_prefix(1);
  while (!header.empty() && header.back() == ' ') header.remove_suffix(1);
  if (header.size() != name.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i)
    if ((header[i] | 0x20) != (name[i] | 0x20)) return false;
  return true;
}

Columns columnsOf(const std::vector<std::string>& header) {
  Columns c;
  for (std::size_t i = 0; i < header.size(); ++i) {
    for (auto [name, index] :
         {std::pair{"born", &c.born}, {"died", &c.died}, {"age", &c.age}, {"date", &c.date}})
      if (*index == kNone && sameName(header[i], name)) *index = i;
    for (std::size_t k = 0; k < kCensusColumns.size(); ++k)
      if (c.census[k] == kNone && sameName(header[i], kCensusColumns[k])) c.census[k] = i;
  }
  return c;
}

// The columns a kind needs.
std::string missingColumn(const Columns& c, Kind kind) {
  const bool born = c.born != kNone, died = c.died != kNone, age = c.age != kNone;
  switch (kind) {
    case Kind::Birth: return !died ? "died" : !age ? "age" : "";
    case Kind::Age: return !born ? "born" : !died ? "died" : "";
    case Kind::Death: return !born ? "born" : !age ? "age" : "";
    case Kind::Weekday: return c.date == kNone ? "date" : "";
    case Kind::Census:
      for (std::size_t k : c.census)
        if (k != kNone) return "";
      return "1790 to 1840";
  }
  return "";
}

// The kind a row gives by what it fills in.
std::optional<Kind> kindOf(const Case& c) {
  for (std::string_view range : c.census)
    if (!range.empty()) return Kind::Census;
  if (!c.date.empty()) return Kind::Weekday;
  const bool born = !c.born.empty(), died = !c.died.empty(), age = !c.age.empty();
  if (born + died + age != 2) return std::nullopt;
  return !born ? Kind::Birth : !age ? Kind::Age : Kind::Death;
}

}  // namespace

BatchOutcome runBatch(std::FILE* in, std::FILE* out, std::optional<Kind> kind, bool longForm) {
  BatchOutcome outcome;
  CsvReader reader(in);
  CsvWriter writer(out);
  std::vector<std::string> header, row;
  if (!reader.next(header)) {
    outcome.error = "the CSV input is empty: its first line must name the columns";
    return outcome;
  }
  const Columns columns = columnsOf(header);
  if (kind) {
    if (const std::string missing = missingColumn(columns, *kind); !missing.empty()) {
      outcome.error = "the CSV header names no " + missing + " column";
      return outcome;
    }
  } else if (columns.born == kNone && columns.died == kNone && columns.age == kNone &&
             columns.date == kNone && !missingColumn(columns, Kind::Census).empty()) {
    outcome.error = "the CSV header names none of born, died, age, date, 1790 to 1840";
    return outcome;
  }

  if (reader.byteOrderMark()) writer.raw("\xEF\xBB\xBF");
  for (const std::string& name : header) writer.field(name);
  for (const char* name : {"result", "refusal_title", "refusal_text"}) writer.field(name);
  writer.endRecord();

  const std::size_t width = header.size();
  while (reader.next(row)) {
    ++outcome.rows;
    const std::size_t given = row.size();
    if (row.size() < width) row.resize(width);
    auto cell = [&row](std::size_t i) { return i == kNone ? std::string_view() : row[i]; };
    Case c;
    c.born = cell(columns.born), c.died = cell(columns.died), c.age = cell(columns.age);
    c.date = cell(columns.date);
    for (std::size_t k = 0; k < kCensusColumns.size(); ++k) c.census[k] = cell(columns.census[k]);

    Answer answer;
    const std::optional<Kind> rowKind = kind ? kind : kindOf(c);
    if (given != width) {
      answer.refusal = Refusal{"This row has " + std::to_string(given) +
                                   " fields; the header names " + std::to_string(width) + ".",
                               "Malformed Row", Refusal::Critical};
    } else if (!rowKind) {
      answer.refusal = Refusal{
          "Give two of born, died and age and leave the one to compute "
          "empty, or a date, or census age ranges.",
          "Nothing To Calculate", Refusal::Critical};
    } else {
      c.kind = *rowKind;
      answer = calculate(c, longForm);
    }
    if (answer.refusal) ++outcome.refused;

    for (const std::string& f : row) writer.field(f);
    writer.field(answer.result);
    writer.field(answer.refusal ? answer.refusal->title : std::string());
    writer.field(answer.refusal ? answer.refusal->prompt : std::string());
    writer.endRecord();
  }
  if (reader.failed()) outcome.error = "the CSV input could not be read to its end";
  if (!writer.flush()) outcome.error = "the output could not be written";
  return outcome;
}

}  // namespace vantel::cli
