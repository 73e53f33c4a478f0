#pragma once
// Finding the system-information viewer that the About dialog's System Info
// button starts: on Windows the one the registry names, elsewhere the first of
// a fixed list of well-known viewers found in the folders of PATH.

#include <QString>
#include <QStringList>
#include <optional>

#include "shell/Registry.h"

namespace vantel {

// A program to start, directly and without a shell, with its arguments.
struct Viewer {
  QString program;
  QStringList arguments;
};

// Reads the value SubKeyRef of the key KeyName under KeyRoot into KeyVal: a
// text as it is, a 32-bit number as its decimal text; a value of any other
// type leaves KeyVal as it was. Returns True (-1) when the value was read;
// False (0), with KeyVal empty, when the key or the value cannot be read or the
// value is longer than 1024 bytes.
qint16 GetKeyValue(Registry& registry, Registry::Key KeyRoot, const QString& KeyName,
                   const QString& SubKeyRef, QString& KeyVal);

// The viewer the registry names: its own path, or else MSINFO32.EXE in the
// folder it names if that file exists.
std::optional<Viewer> registeredViewer(Registry& registry);

// The first of the well-known viewers found in the folders of the search path
// (written as PATH is). Only absolute folders are searched: a relative one
// would depend on the folder the program was started from.
std::optional<Viewer> viewerOnPath(const QString& searchPath);

}  // namespace vantel
