#include "fuzz/Oracles.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <array>
#include <chrono>
#include <cmath>

#include "census/CensusVariables.h"
#include "census/rules/CensusAgeRanges.h"
#include "forms/Controls.h"
#include "forms/Program.h"

namespace vantel::fuzz {
namespace {

namespace cr = std::chrono;

constexpr std::array<const char*, 12> kMonths = {"January",   "February", "March",    "April",
                                                 "May",       "June",     "July",     "August",
                                                 "September", "October",  "November", "December"};
// In the order of std::chrono::weekday::c_encoding().
constexpr std::array<const char*, 7> kWeekdays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                  "Thursday", "Friday", "Saturday"};

int monthNumber(const QString& name) {
  for (int m = 0; m < 12; ++m)
    if (name == QLatin1String(kMonths[m])) return m + 1;
  return 0;
}

QString quoted(const QString& text) { return QLatin1Char('"') + text.left(80) + QLatin1Char('"'); }

// A number as the year fields take it: blanks around an optional sign, digits
// with an optional decimal point, an optional exponent; rounded half to even.
std::optional<long long> yearValue(const QString& text) {
  static const QRegularExpression shape(
      QStringLiteral("^ *[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)? *$"));
  if (!shape.match(text).hasMatch()) return std::nullopt;
  bool ok = false;
  const double value = text.trimmed().toDouble(&ok);
  if (!ok || !std::isfinite(value) || std::fabs(value) > 1e9) return std::nullopt;
  return static_cast<long long>(std::nearbyint(value));  // the default mode rounds half to even
}

bool isRealDate(long long y, int m, long long d) {
  if (y < -32767 || y > 32767 || d < 1 || d > 31) return false;
  return cr::year_month_day(cr::year(static_cast<int>(y)), cr::month(static_cast<unsigned>(m)),
                            cr::day(static_cast<unsigned>(d)))
      .ok();
}

// The form's own control of that name; a form shown inside another (a child
// window inside the main window) keeps its controls to itself.
template <class W>
W* own(QObject* form, const QString& name) {
  for (W* w : form->findChildren<W*>(name)) {
    QObject* owner = w->parent();
    while (owner && !qobject_cast<Form*>(owner)) owner = owner->parent();
    if (owner == form) return w;
  }
  return nullptr;
}

QWidget* shownChild(QObject* form, const char* name) {
  auto* w = own<QWidget>(form, QLatin1String(name));
  auto* f = qobject_cast<QWidget*>(form);
  return w && f && w->isVisibleTo(f) ? w : nullptr;
}

}  // namespace

QString checkDateText(const QString& shown) {
  static const QRegularExpression date(
      QStringLiteral("^([A-Z][a-z]+) ([0-9]{1,2}), (-?[0-9]{1,5})$"));
  const auto m = date.match(shown);
  if (!m.hasMatch())
    return QStringLiteral("%1 is not a date as the form writes one").arg(quoted(shown));
  const int month = monthNumber(m.captured(1));
  if (month == 0 || !isRealDate(m.captured(3).toLongLong(), month, m.captured(2).toLongLong()))
    return QStringLiteral("%1 is no real date of the Gregorian calendar").arg(quoted(shown));
  return {};
}

QString checkAgeText(const QString& shown) {
  static const QRegularExpression age(
      QStringLiteral("^(-?[0-9]+) (Years?), (-?[0-9]+) (Months?) and (-?[0-9]+) (Days?)$"));
  const auto m = age.match(shown);
  if (!m.hasMatch())
    return QStringLiteral("%1 is not an age as the form writes one").arg(quoted(shown));
  for (int unit = 1; unit <= 3; ++unit) {
    const bool one = m.captured(2 * unit - 1) == QLatin1String("1");
    if (one == m.captured(2 * unit).endsWith(QLatin1Char('s')))
      return QStringLiteral("%1 gets singular and plural wrong").arg(quoted(shown));
  }
  const int months = m.captured(3).toInt(), days = m.captured(5).toInt();
  if (months < 0 || months > 11 || days < 0 || days > 30)
    return QStringLiteral("%1 has months outside 0 to 11 or days outside 0 to 30")
        .arg(quoted(shown));
  return {};
}

QString checkWeekday(const QString& shown, const QString& month, const QString& day,
                     const QString& year) {
  const QString date =
      QStringLiteral("month %1, day %2, year %3").arg(quoted(month), quoted(day), quoted(year));
  const int m = monthNumber(month);
  // A day as the form reads a typed one: digits, with blanks around them.
  static const QRegularExpression digits(QStringLiteral("^ *([0-9]{1,9}) *$"));
  const QRegularExpressionMatch dayDigits = digits.match(day);
  const auto y = yearValue(year);
  if (m == 0 || !dayDigits.hasMatch() || !y || *y < 0 || *y > 9999)
    return QStringLiteral("weekday %1 shown for %2, which is no date").arg(quoted(shown), date);
  const long long d = dayDigits.captured(1).toLongLong();
  if (!isRealDate(*y, m, d))
    return QStringLiteral("weekday %1 shown for %2, a day the month does not have")
        .arg(quoted(shown), date);
  const cr::year_month_day ymd(cr::year(static_cast<int>(*y)), cr::month(m),
                               cr::day(static_cast<unsigned>(d)));
  const QLatin1String expected(kWeekdays[cr::weekday(cr::sys_days(ymd)).c_encoding()]);
  if (shown != expected)
    return QStringLiteral("weekday %1 shown for %2; the calendar says %3")
        .arg(quoted(shown), date, expected);
  return {};
}

void Oracles::watch(Program& program) {
  for (Form* form : program.forms()) {
    if (form->property("fuzzWatched").toBool()) continue;
    form->setProperty("fuzzWatched", true);
    if (auto* day = own<QLineEdit>(form, QStringLiteral("TxtDay"))) {
      connect(day, &QLineEdit::textChanged, this, [this, form, day] {
        // A user typing into an editable box is no result.
        if (!day->isReadOnly() && QApplication::focusWidget() == day) return;
        weekdayWritten(form);
      });
    }
    if (auto* list = own<MultiLineText>(form, QStringLiteral("TextDisplay"))) {
      connect(list, &QPlainTextEdit::textChanged, this,
              [this, &program, form] { censusListWritten(program, form); });
    }
  }
}

void Oracles::weekdayWritten(QObject* form) {
  const QString shown = own<QLineEdit>(form, QStringLiteral("TxtDay"))->text();
  if (shown.isEmpty()) return;
  auto* month = own<QComboBox>(form, QStringLiteral("CmbMth"));
  auto* day = own<QComboBox>(form, QStringLiteral("CmbDay"));
  auto* year = own<QLineEdit>(form, QStringLiteral("txtYear"));
  if (!month || !day || !year) {
    findings_ << QStringLiteral("FormDOW shows a weekday but has no CmbMth, CmbDay or txtYear");
    return;
  }
  ++counts_.weekdays;
  const QString finding =
      checkWeekday(shown, month->currentText(), day->currentText(), year->text());
  if (!finding.isEmpty()) findings_ << QStringLiteral("FormDOW: ") + finding;
}

void Oracles::censusListWritten(Program& program, QObject* form) {
  const QString shown = own<MultiLineText>(form, QStringLiteral("TextDisplay"))->text();
  static const QRegularExpression yearList(QStringLiteral("^([0-9]{4} )+$"));
  if (!yearList.match(shown).hasMatch()) return;
  ++counts_.censusLists;

  // The brute force: every candidate year that each ticked census admits
  // through one of its selected age ranges.
  std::array<bool, census::kCensusCount> ticked{};
  for (std::size_t c = 0; c < census::kCensusCount; ++c) {
    const QString name = QStringLiteral("Chk%1").arg(census::kCensusYears[c]);
    auto* box = own<QCheckBox>(form, name);
    if (!box) return void(findings_ << QStringLiteral("FormCBYC has no check box ") + name);
    ticked[c] = checkValue(box) == 1;
  }
  std::array<bool, census::kAgeRangeCount> selected{};
  for (std::size_t k = 0; k < census::kAgeRangeCount; ++k) {
    const census::AgeRange& r = census::CensusAgeRanges[k];
    auto* option = own<QRadioButton>(form, QLatin1String(r.option));
    if (!option) return void(findings_ << QStringLiteral("FormCBYC has no option ") + r.option);
    selected[k] = option->isChecked();
  }
  QString expected;
  for (int y = census::kFirstCandidateYear; y <= census::kLastCandidateYear; ++y) {
    bool all = std::find(ticked.begin(), ticked.end(), true) != ticked.end();
    for (std::size_t c = 0; c < census::kCensusCount && all; ++c) {
      if (!ticked[c]) continue;
      bool admitted = false;
      for (std::size_t k = 0; k < census::kAgeRangeCount; ++k) {
        const census::AgeRange& r = census::CensusAgeRanges[k];
        admitted = admitted || (r.census == census::kCensusYears[c] && selected[k] &&
                                r.earliest <= y && y <= r.latest);
      }
      all = admitted;
    }
    if (all) expected += QString::number(y) + QLatin1Char(' ');
  }
  if (shown != expected)
    findings_ << QStringLiteral("FormCBYC lists %1; the age-range table gives %2")
                     .arg(quoted(shown), quoted(expected));
  const QString kept = program.state<CensusVariables>().CensusYearsText;
  if (shown != kept)
    findings_ << QStringLiteral("FormCBYC lists %1 but CensusYearsText holds %2")
                     .arg(quoted(shown), quoted(kept));
}

QStringList Oracles::check(Program& program) {
  watch(program);
  for (Form* form : program.forms()) {
    if (form->objectName() != QLatin1String("FormBAD")) continue;
    struct Box {
      const char* name;
      QString (*check)(const QString&);
      int* count;
    };
    const Box boxes[] = {{"TxTBirthDis", checkDateText, &counts_.dates},
                         {"TxTDeathDis", checkDateText, &counts_.dates},
                         {"TxTAgeDis", checkAgeText, &counts_.ages}};
    for (const Box& b : boxes) {
      auto* box = qobject_cast<QLineEdit*>(shownChild(form, b.name));
      if (!box || box->text().isEmpty()) continue;
      // Each text shown is checked once.
      if (box->property("fuzzChecked").toString() == box->text()) continue;
      box->setProperty("fuzzChecked", box->text());
      ++*b.count;
      const QString finding = b.check(box->text());
      if (!finding.isEmpty()) findings_ << QStringLiteral("FormBAD %1: ").arg(b.name) + finding;
    }
  }
  QStringList out;
  out.swap(findings_);
  return out;
}

}  // namespace vantel::fuzz
