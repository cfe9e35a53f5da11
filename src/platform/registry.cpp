#include "registry.h"

#include "codepage.h"

namespace qv {
namespace {

// No registry on this platform: every key is missing.
class AbsentRegistry : public Registry {
  public:
    bool openKey(quint32, const QString&, quint32, Key&) override { return false; }
    bool queryValue(Key, const QString&, int, quint32&, QByteArray&) override { return false; }
    void closeKey(Key) override {}
};

Registry* installed = nullptr;

QString folded(const QString& text) {
    return text.toCaseFolded();
}

}  // namespace

Registry& registry() {
    static AbsentRegistry real;
    return installed != nullptr ? *installed : real;
}

void installRegistry(Registry* implementation) {
    installed = implementation;
}

void MemoryRegistry::addKey(quint32 root, const QString& path) {
    keys_[{root, folded(path)}];
}

void MemoryRegistry::setValue(quint32 root, const QString& path, const QString& name, quint32 type,
                              const QByteArray& data) {
    keys_[{root, folded(path)}][folded(name)] = Value{type, data};
}

void MemoryRegistry::setString(quint32 root, const QString& path, const QString& name,
                               const QString& value) {
    setValue(root, path, name, kRegSz, toAnsi(value) + QByteArray(1, '\0'));
}

bool MemoryRegistry::openKey(quint32 root, const QString& path, quint32, Key& key) {
    const KeyId id{root, folded(path)};
    if (keys_.find(id) == keys_.end()) return false;
    key = nextHandle_++;
    handles_[key] = id;
    ++openKeys;
    return true;
}

bool MemoryRegistry::queryValue(Key key, const QString& name, int capacity, quint32& type,
                                QByteArray& data) {
    const auto handle = handles_.find(key);
    if (handle == handles_.end()) return false;
    const auto& values = keys_[handle->second];
    const auto value = values.find(folded(name));
    if (value == values.end()) return false;
    // A value larger than the buffer is an error, as ERROR_MORE_DATA is.
    if (value->second.data.size() > capacity) return false;
    type = value->second.type;
    data = value->second.data;
    return true;
}

void MemoryRegistry::closeKey(Key key) {
    if (handles_.erase(key) > 0) --openKeys;
}

}  // namespace qv
