#include "shell/Calculators.h"

#include "forms/Program.h"

// Each calculator is opened once its form is part of the build.
#if __has_include("bad/FormBAD.h")
#include "bad/FormBAD.h"
#define VANTEL_HAS_FORMBAD 1
#endif
#if __has_include("census/FormCBYC.h")
#include "census/FormCBYC.h"
#define VANTEL_HAS_FORMCBYC 1
#endif
#if __has_include("dow/FormDOW.h")
#include "dow/FormDOW.h"
#define VANTEL_HAS_FORMDOW 1
#endif

namespace vantel {

void openFormBAD([[maybe_unused]] Program& program) {
#ifdef VANTEL_HAS_FORMBAD
  program.open<FormBAD>(true);
#endif
}

void openFormCBYC([[maybe_unused]] Program& program) {
#ifdef VANTEL_HAS_FORMCBYC
  program.open<FormCBYC>(true);
#endif
}

void openFormDOW([[maybe_unused]] Program& program) {
#ifdef VANTEL_HAS_FORMDOW
  program.open<FormDOW>(true);
#endif
}

}  // namespace vantel
