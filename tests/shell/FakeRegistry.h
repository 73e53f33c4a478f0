#pragma once
// A registry for tests: keys under the local-machine root holding typed
// values, answering as the Windows functions do (a value larger than the
// caller's buffer gives "more data"), and remembering every key opened and
// closed and the access asked for.

#include <QByteArray>
#include <QList>
#include <QMap>
#include <cstring>

#include "shell/Registry.h"

namespace vantel::test {

class FakeRegistry : public Registry {
 public:
  struct Value {
    quint32 type;
    QByteArray data;
  };
  QMap<QByteArray, QMap<QByteArray, Value>> keys;

  QList<QByteArray> opened;
  int closed = 0;
  QList<quint32> access;

  long openKey(Key root, const QByteArray& name, quint32 wanted, Key* key) override {
    access << wanted;
    if (root != kLocalMachine || !keys.contains(name)) return kNotFound;
    opened << name;
    *key = static_cast<Key>(opened.size());
    return kSuccess;
  }
  long queryValue(Key key, const QByteArray& name, quint32* type, char* data,
                  quint32* size) override {
    const auto values = keys.value(opened.value(static_cast<qsizetype>(key) - 1));
    if (!values.contains(name)) return kNotFound;
    const Value& value = values[name];
    const quint32 room = *size;
    *type = value.type;
    *size = static_cast<quint32>(value.data.size());
    if (*size > room) return kMoreData;
    std::memcpy(data, value.data.constData(), *size);
    return kSuccess;
  }
  long closeKey(Key) override {
    ++closed;
    return kSuccess;
  }
};

}  // namespace vantel::test
