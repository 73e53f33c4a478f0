#include "shell/Registry.h"

#ifdef Q_OS_WIN
#include <windows.h>

namespace vantel {
namespace {

// The Windows registry functions of advapi32, one for one.
class WindowsRegistry : public Registry {
 public:
  long openKey(Key root, const QByteArray& name, quint32 access, Key* key) override {
    HKEY opened = nullptr;
    const LSTATUS status = RegOpenKeyExA(handle(root), name.constData(), 0, access, &opened);
    *key = reinterpret_cast<Key>(opened);
    return status;
  }

  long queryValue(Key key, const QByteArray& name, quint32* type, char* data,
                  quint32* size) override {
    DWORD valueType = 0;
    DWORD valueSize = *size;
    const LSTATUS status = RegQueryValueExA(handle(key), name.constData(), nullptr, &valueType,
                                            reinterpret_cast<BYTE*>(data), &valueSize);
    *type = valueType;
    *size = valueSize;
    return status;
  }

  long closeKey(Key key) override { return RegCloseKey(handle(key)); }

 private:
  static HKEY handle(Key key) {
    return key == kLocalMachine ? HKEY_LOCAL_MACHINE : reinterpret_cast<HKEY>(key);
  }
};

}  // namespace

Registry* systemRegistry() {
  static WindowsRegistry registry;
  return &registry;
}

}  // namespace vantel

#else

namespace vantel {

Registry* systemRegistry() { return nullptr; }

}  // namespace vantel

#endif
