#pragma once
// What vantel-calc --help prints; its manual page is made from this text, so
// it follows the layout help2man reads (usage lines, then sections).

#include <string_view>

namespace vantel::cli {

inline constexpr std::string_view kUsage =
    "Usage: vantel-calc {birth|age|death|weekday|census} ARGUMENTS...  or  vantel-calc [KIND] "
    "--csv FILE\n";

inline constexpr std::string_view kHelp = R"(Usage: vantel-calc birth --died DATE --age AGE
  or:  vantel-calc age --born DATE --died DATE
  or:  vantel-calc death --born DATE --age AGE
  or:  vantel-calc weekday DATE
  or:  vantel-calc census CENSUS=RANGE...
  or:  vantel-calc [KIND] --csv FILE
The Tamsford Genealogy Calculator's three calculations from the command line,
one case or a whole file of them, with the results and the refusals its
windows give: a birth date, an age at death or a death date from the other
two; the weekday of a date of the years 0 to 9999; the birth years that fit
an ancestor's age ranges in the US censuses of 1790 to 1840.

Options:
  --born DATE     the birth date
  --died DATE     the death date
  --age AGE       the age at death, as 67y4m3d (a part left out is 0) or as
                  the windows write it: 67 Years, 4 Months and 3 Days
  --long          write dates and ages as the windows do (March 12, 1871)
                  instead of ISO 8601 (1871-03-12) and 67y4m3d
  --csv FILE      calculate every row of a CSV file; - reads standard input
  -h, --help      show this help and end
  -V, --version   show the version and end

Dates are read as ISO 8601 (1871-03-12) or as the windows write them
(March 12, 1871, the month's English name with a capital).  Birth-Age-Death
dates are Gregorian and refused before 1583.

Census:
  Each CENSUS=RANGE ticks one census with the age range the census window
  captions so: 1800="10 Thru 15".  For 1790 give the gender as 1790M= or
  1790F= (or 1790= alone, the gender following from the range): 1790M has
  "Under 16" and "16 and Over", 1790F "All Females".  The possible birth years
  are written in one line.

Batches:
  The first line of the CSV file names its columns: born, died, age, date and
  the census columns 1790, 1790M, 1790F, 1800, 1810, 1820, 1830, 1840, in any
  order; other columns are kept as they are.  Every row is written to
  standard output with three columns added: result, refusal_title and
  refusal_text (the title and text of the message the windows show for it).
  Without a KIND each row is calculated by what it fills in: census ranges,
  a date, or two of born, died and age (the empty one is computed).  A row
  that is refused or cannot be read does not stop the batch.

Examples:
  vantel-calc birth --died 1871-03-12 --age 67y4m3d
  vantel-calc weekday "July 4, 1776"
  vantel-calc census 1800="10 Thru 15" 1810="16 Thru 25" 1790M="Under 16"
  vantel-calc --csv stones.csv > stones-calculated.csv

Exit status:
  0  every case was calculated
  1  a case (in a batch: some row) was refused
  2  a mistake on the command line, or a file that cannot be read
)";

}  // namespace vantel::cli
