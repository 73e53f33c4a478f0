#pragma once
// Catches the warnings Qt prints while a fuzz run plays: a warning, critical
// message or fatal error is a finding, since each one stems from a call the
// program made (a bad connection, a widget misused, a painter on nothing).
// Ignored are the categories of the platform layer (qt.qpa.*), whose messages
// describe the headless offscreen platform the fuzzer runs on and not the
// program, and a short list of texts of that platform printed outside any
// category.

#include <QStringList>

namespace vantel::fuzz {

// Installs the handler; warnings are collected until taken.
void catchQtWarnings();
QStringList takeQtWarnings();

// Whether a message of this category and text is the platform's own noise.
bool isPlatformNoise(const char* category, const QString& text);

}  // namespace vantel::fuzz
