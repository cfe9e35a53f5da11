#pragma once

#include <QByteArray>
#include <QString>

#include <map>
#include <tuple>

namespace qv {

// The registry as advapi32 offers it: open a key, read a value as raw bytes, close the key.
// This platform has none, so the real implementation fails every open cleanly.
constexpr quint32 kHkeyLocalMachine = 0x80000002;
constexpr quint32 kKeyAllAccess = 0x2003F;
constexpr quint32 kRegSz = 1;
constexpr quint32 kRegDword = 4;

class Registry {
  public:
    using Key = quintptr;
    virtual ~Registry() = default;
    // RegOpenKeyExA: true and a key handle when the key exists and may be opened.
    virtual bool openKey(quint32 root, const QString& path, quint32 access, Key& key) = 0;
    // RegQueryValueExA: the value's type and its bytes (a string value ends with its NUL),
    // at most capacity bytes of them. False when there is no such value.
    virtual bool queryValue(Key key, const QString& name, int capacity, quint32& type,
                            QByteArray& data) = 0;
    virtual void closeKey(Key key) = 0;
};

Registry& registry();
void installRegistry(Registry* implementation);  // nullptr restores the real one

// Test double: keys and values held in memory; key paths and value names compare without
// regard to case, as the registry's do. Counts open keys so a test sees every key closed.
class MemoryRegistry : public Registry {
  public:
    void setString(quint32 root, const QString& path, const QString& name, const QString& value);
    void setValue(quint32 root, const QString& path, const QString& name, quint32 type,
                  const QByteArray& data);
    void addKey(quint32 root, const QString& path);

    bool openKey(quint32 root, const QString& path, quint32 access, Key& key) override;
    bool queryValue(Key key, const QString& name, int capacity, quint32& type,
                    QByteArray& data) override;
    void closeKey(Key key) override;

    int openKeys = 0;

  private:
    struct Value {
        quint32 type = 0;
        QByteArray data;
    };
    using KeyId = std::pair<quint32, QString>;
    std::map<KeyId, std::map<QString, Value>> keys_;
    std::map<Key, KeyId> handles_;
    Key nextHandle_ = 1;
};

class ScopedMemoryRegistry {
  public:
    ScopedMemoryRegistry() { installRegistry(&registry); }
    ~ScopedMemoryRegistry() { installRegistry(nullptr); }
    ScopedMemoryRegistry(const ScopedMemoryRegistry&) = delete;
    ScopedMemoryRegistry& operator=(const ScopedMemoryRegistry&) = delete;
    MemoryRegistry registry;
};

}  // namespace qv
