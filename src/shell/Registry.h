#pragma once
// The system registry as the About dialog reads it: open a key, query one of
// its values, close the key, with the status codes of the Windows functions
// they stand for (RegOpenKeyExA, RegQueryValueExA, RegCloseKey). Only Windows
// has one; tests put a registry of their own in its place.

#include <QByteArray>
#include <QtGlobal>

namespace vantel {

class Registry {
 public:
  // An open key, or one of the predefined roots.
  using Key = quintptr;
  // The local-machine root, as the system's headers define it (a negative
  // 32-bit number, widened to a handle).
  static constexpr Key kLocalMachine =
      static_cast<Key>(static_cast<qintptr>(static_cast<qint32>(0x80000002u)));
  // Access to read a key's values.
  static constexpr quint32 kRead = 0x20019;
  // Value types.
  static constexpr quint32 kString = 1;
  static constexpr quint32 kNumber = 4;  // 32 bits, least significant byte first
  // Status codes.
  static constexpr long kSuccess = 0;
  static constexpr long kNotFound = 2;
  static constexpr long kMoreData = 234;  // the value does not fit the buffer

  virtual ~Registry() = default;
  // Opens the key `name` under `root` into *key.
  virtual long openKey(Key root, const QByteArray& name, quint32 access, Key* key) = 0;
  // Reads the value `name` of the key: its type, and its data into `data`,
  // which holds *size bytes; *size becomes the size of the data. A value larger
  // than the buffer gives kMoreData.
  virtual long queryValue(Key key, const QByteArray& name, quint32* type, char* data,
                          quint32* size) = 0;
  virtual long closeKey(Key key) = 0;
};

// The registry of the system the program runs on; nullptr where there is none.
Registry* systemRegistry();

}  // namespace vantel
