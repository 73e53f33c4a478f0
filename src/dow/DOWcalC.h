#pragma once
// The day-of-week computation: checks the date on FormDOW, computes its weekday
// by the congruence of dow/rules/Weekday.h and shows it with its explanation,
// enabling printing. A refused date gets a message and the focus goes back to
// the field at fault; nothing is computed then.

namespace vantel {

class FormDOW;

void DOWcalC(FormDOW& form);

}  // namespace vantel
