#include "fuzz/HostileTexts.h"

#include <QStringList>

namespace vantel::fuzz {
namespace {

// Fixed texts, each chosen for a way a field could misread it.
const QStringList& corpus() {
  static const QStringList texts = {
      // numbers and notations
      "0",
      "-0",
      "+0",
      "00",
      "000",
      "1",
      "-1",
      "+1",
      "12.5",
      "99.5",
      "0.5",
      "1.5",
      "-0.5",
      ".5",
      "5.",
      "1e3",
      "1E3",
      "1e+3",
      "1.869e3",
      "1.9e3",
      "2e-1",
      "1e",
      "e3",
      "1e308",
      "1e309",
      "-1e309",
      "4.9e-324",
      "1d3",
      "1D3",
      "&H7FF",
      "&O17",
      "0x74F",
      "1,869",
      "1 869",
      "$1869",
      "(12)",
      "12-",
      "1869 ",
      " 1869",
      "  12  ",
      "3.1",
      "29.4",
      "28.5",
      "31.49999",
      // 16-bit and 32-bit edges, and years around the calendar's limits
      "32767",
      "32768",
      "-32768",
      "-32769",
      "65535",
      "65536",
      "2147483647",
      "2147483648",
      "-2147483649",
      "9999",
      "10000",
      "1582",
      "1583",
      "1752",
      "1800",
      "1900",
      "2000",
      "2100",
      "0000",
      "0001",
      // days and months as the lists hold them, and near misses
      "29",
      "30",
      "31",
      "32",
      "0",
      "February",
      "february",
      "FEBRUARY",
      "Feb",
      "Febuary",
      "January ",
      " April",
      "Sept",
      "Smarch",
      "13",
      "Month",
      // words the numeric test might take for numbers
      "NaN",
      "nan",
      "inf",
      "Infinity",
      "-inf",
      "true",
      "True",
      "null",
      "undefined",
      // letters, blanks and punctuation
      "",
      " ",
      "  ",
      "a",
      "abc",
      "John Smith",
      "O'Brien",
      "\"quoted\"",
      "\\",
      "/",
      "-",
      "+",
      ".",
      ",",
      "e",
      "E",
      "--1",
      "++1",
      "1..2",
      "1e1e1",
      // digits of other scripts and other characters
      "١٨٦٩",
      "۱۸۶۹",
      "१८६९",
      "১৮৬৯",
      "１８６９",
      "一八六九",
      "Ⅻ",
      "½",
      "²",
      "𝟙𝟠𝟞𝟡",
      "😀",
      "e\u0301",
      "\u200b",
      "\u202eabc",
      "\ufeff1869",
      "ß",
      "İ",
      "Ω",
      // control characters
      "\t",
      "\n",
      "\r\n",
      "12\n34",
      "\x01",
      "\x1b",
      "\x7f",
      "\b",
      QString(QChar(0)),
      QStringLiteral("18") + QChar(0) + QStringLiteral("69"),
      // markup and format strings
      "<b>bold</b>",
      "<img src=x onerror=1>",
      "<!--",
      "&amp;",
      "&lt;",
      "&",
      "&&",
      "%1",
      "%2%1",
      "%s%s%s%n",
      "%x",
      "{0}",
      "${PATH}",
      "'; --",
      "\\n",
      "\\0",
      "<html><h1>x</h1></html>",
      "[b]x[/b]",
      "*x*",
  };
  return texts;
}

const QStringList& fragments() {
  static const QStringList parts = {"1", "9", "0", "12",       "1869", "-",  "+", ".",
                                    "e", "E", "3", " ",        "a",    "\t", "١", "%",
                                    "<", "&", ",", "February", "e-",   "00"};
  return parts;
}

const QStringList& months() {
  static const QStringList names = {"January",   "February", "March",    "April",
                                    "May",       "June",     "July",     "August",
                                    "September", "October",  "November", "December"};
  return names;
}

int below(std::mt19937_64& rng, int n) {
  return static_cast<int>(std::uniform_int_distribution<int>(0, n - 1)(rng));
}

QString plausible(std::mt19937_64& rng) {
  switch (below(rng, 8)) {
    case 0:
    case 1:
    case 2: return QString::number(1583 + below(rng, 520));  // a year the calculators take
    case 3: return QString::number(below(rng, 10000));       // any year of the weekday
    case 4: return QString::number(1 + below(rng, 31));      // a day
    case 5: return months()[below(rng, 12)];
    default: return QString::number(below(rng, 120));  // an age in years
  }
}

QString mixture(std::mt19937_64& rng) {
  QString text;
  for (int n = 1 + below(rng, 4); n > 0; --n) text += fragments()[below(rng, fragments().size())];
  return text;
}

QString veryLong(std::mt19937_64& rng) {
  const QString unit = below(rng, 2) ? QStringLiteral("9") : QStringLiteral("<b>%1&amp;</b>");
  return unit.repeated(1000 + below(rng, 20000) / unit.size());
}

}  // namespace

QString hostileText(std::mt19937_64& rng, bool forPaste) {
  const int roll = below(rng, 100);
  if (roll < 35) return plausible(rng);
  if (roll < 75) return corpus()[below(rng, corpus().size())];
  if (forPaste && roll < 82) return veryLong(rng);
  return mixture(rng);
}

int hostileCorpusSize() { return static_cast<int>(corpus().size()); }

}  // namespace vantel::fuzz
