#include "shell/SysInfo.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace vantel {
namespace {

constexpr qint16 kTrue = -1;
constexpr qint16 kFalse = 0;
constexpr quint32 kBufferSize = 1024;

// System-information viewers, best first. hardinfo and kinfocenter report the
// whole system (operating system, hardware, devices) as the Windows viewer
// does; the GNOME and MATE system monitors come after them because most
// desktops of those families have one, though they show less.
const Viewer kKnownViewers[] = {
#ifdef Q_OS_MACOS
    {QStringLiteral("open"), {QStringLiteral("-b"), QStringLiteral("com.apple.SystemProfiler")}},
#endif
    {QStringLiteral("hardinfo"), {}},
    {QStringLiteral("kinfocenter"), {}},
    {QStringLiteral("gnome-system-monitor"), {}},
    {QStringLiteral("mate-system-monitor"), {}},
};

}  // namespace

qint16 GetKeyValue(Registry& registry, Registry::Key KeyRoot, const QString& KeyName,
                   const QString& SubKeyRef, QString& KeyVal) {
  Registry::Key key = 0;
  if (registry.openKey(KeyRoot, KeyName.toLocal8Bit(), Registry::kRead, &key) !=
      Registry::kSuccess) {
    KeyVal.clear();
    return kFalse;
  }
  QByteArray buffer(kBufferSize, '\0');
  quint32 size = kBufferSize;
  quint32 type = 0;
  if (registry.queryValue(key, SubKeyRef.toLocal8Bit(), &type, buffer.data(), &size) !=
      Registry::kSuccess) {
    KeyVal.clear();
    registry.closeKey(key);
    return kFalse;
  }
  buffer.truncate(qMin(size, kBufferSize));
  if (type == Registry::kString) {
    if (buffer.endsWith('\0')) buffer.chop(1);  // the terminating zero
    KeyVal = QString::fromLocal8Bit(buffer);
  } else if (type == Registry::kNumber) {
    // Each byte as two hexadecimal digits, most significant (the last) first.
    quint32 number = 0;
    for (qsizetype i = qMin<qsizetype>(buffer.size(), 4) - 1; i >= 0; --i)
      number = number << 8 | static_cast<quint8>(buffer[i]);
    KeyVal = QString::number(number);
  }
  registry.closeKey(key);
  return kTrue;
}

std::optional<Viewer> registeredViewer(Registry& registry) {
  QString path;
  if (GetKeyValue(registry, Registry::kLocalMachine,
                  QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                  QStringLiteral("PATH"), path))
    return Viewer{path, {}};
  QString folder;
  if (GetKeyValue(registry, Registry::kLocalMachine,
                  QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                  QStringLiteral("MSINFO"), folder) &&
      !folder.isEmpty()) {
    const QString file =
        QDir(QDir::fromNativeSeparators(folder)).filePath(QStringLiteral("MSINFO32.EXE"));
    if (QFileInfo::exists(file)) return Viewer{QDir::toNativeSeparators(file), {}};
  }
  return std::nullopt;
}

std::optional<Viewer> viewerOnPath(const QString& searchPath) {
  QStringList folders;
  for (const QString& folder : searchPath.split(QDir::listSeparator(), Qt::SkipEmptyParts))
    if (QDir::isAbsolutePath(folder)) folders << folder;
  if (folders.isEmpty()) return std::nullopt;
  for (const Viewer& viewer : kKnownViewers) {
    const QString found = QStandardPaths::findExecutable(viewer.program, folders);
    if (!found.isEmpty()) return Viewer{found, viewer.arguments};
  }
  return std::nullopt;
}

}  // namespace vantel
