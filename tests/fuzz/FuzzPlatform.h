#pragma once
// The platform of a fuzz run: answers every message box and input box at random
// from the seed of the step that raised it, records each call, and records each
// print as the image it would have printed instead of printing it. A message or
// input box without a title or a prompt, a message box style that is no icon
// plus a button set, or a print of an empty picture is a finding.

#include <QImage>
#include <QStringList>
#include <random>

#include "forms/Platform.h"

namespace vantel::fuzz {

class FuzzPlatform : public Platform {
 public:
  int msgBox(const QString& prompt, const QString& title, int style) override;
  QString inputBox(const QString& prompt, const QString& title) override;
  void printForm(Form& form) override;

  // Answers of the next step come from this seed.
  void beginStep(std::uint64_t answers) { rng_.seed(answers); }
  // Findings since the last call, and clears them.
  QStringList takeFindings();

  // What the boxes and prints of the steps showed, with the answers given;
  // the replay prints it.
  QStringList trace;
  int messageCount = 0;
  int inputCount = 0;
  int printCount = 0;
  QImage lastPrint;

 private:
  std::mt19937_64 rng_;
  QStringList findings_;
};

}  // namespace vantel::fuzz
