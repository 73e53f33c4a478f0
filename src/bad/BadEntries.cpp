#include "bad/BadEntries.h"

#include "bad/FormBAD.h"
#include "calendar/CheckValues.h"
#include "forms/Program.h"

namespace vantel {
namespace {

QWidget* boxOf(const FormBAD& f, BadBox box) {
  const std::array<QWidget*, 9> boxes{f.cmbBMonth, f.cmbBDay,   f.txtBYear, f.cmbAMonth, f.cmbADay,
                                      f.txtAYear,  f.cmbDMonth, f.cmbDDay,  f.txtDYear};
  return boxes[static_cast<std::size_t>(box)];
}

QString textOf(const QWidget* control) {
  if (auto* box = qobject_cast<const ComboBox*>(control)) return box->text();
  return static_cast<const TextBox*>(control)->text();
}

}  // namespace

std::optional<BadMode> checkedMode(const FormBAD& f) {
  if (f.OptBirth->isChecked()) return BadMode::Birth;
  if (f.OptAge->isChecked()) return BadMode::Age;
  if (f.OptDeath->isChecked()) return BadMode::Death;
  return std::nullopt;
}

BadEntries badEntries(const FormBAD& f) {
  BadEntries entries;
  for (std::size_t i = 0; i < entries.text.size(); ++i)
    entries.text[i] = textOf(boxOf(f, static_cast<BadBox>(i))).toStdString();
  return entries;
}

void refuse(FormBAD& form, const BadRefusal& refusal) {
  QWidget* box = boxOf(form, refusal.box);
  vantel::refuse(form, refusal.message, box, refusal.correction, box == form.txtAYear ? 3 : 4);
}

}  // namespace vantel
