#pragma once
// A batch: a CSV file whose header names its columns (born, died, age, date and
// the census columns, in any order, in any case), read and written back one
// row at a time with the answer added: the result, and for a refused row the
// refusal's title and text. Columns it does not know are kept as they are.
// Every input row gives one output row, in order; no row stops the batch.

#include <cstdio>
#include <optional>
#include <string>

#include "cli/Calculation.h"

namespace vantel::cli {

struct BatchOutcome {
  int rows = 0;
  int refused = 0;    // rows refused, unreadable ones among them
  std::string error;  // a batch that could not run at all: no header, no known column
};

// Without a kind, each row's kind is what it gives: census ranges, a date, or
// two of born, died and age (the empty one is computed).
BatchOutcome runBatch(std::FILE* in, std::FILE* out, std::optional<Kind> kind, bool longForm);

}  // namespace vantel::cli
