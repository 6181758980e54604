// The registry: an in-memory tree of keys and values that the host fills (installed
// packages and the like), and TRegistry, the accessor the add-in reads it with.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/exceptions.h"
#include "platform/strings.h"

namespace platform {

// A registry operation failed (wrong value type, missing value read as an integer).
class ERegistryException : public Exception {
 public:
  using Exception::Exception;
};

using HKEY = uint32_t;
inline constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000;
inline constexpr HKEY HKEY_CURRENT_USER = 0x80000001;
inline constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002;
inline constexpr HKEY HKEY_USERS = 0x80000003;
inline constexpr HKEY HKEY_CURRENT_CONFIG = 0x80000005;

// Keys (letter case ignored, backslash-separated paths) holding named values, text or
// integer, in the order they were first written.
class RegistryStore {
 public:
  struct Value {
    std::string name;
    bool is_integer = false;
    std::string text;
    int32_t integer = 0;
  };
  struct Key {
    std::string name;
    std::vector<Value> values;
    std::map<std::string, std::unique_ptr<Key>> subkeys;  // by upper-cased name
  };

  // The key at path under root, or nullptr; with create, missing keys are made.
  Key* Find(HKEY root, std::string_view path, bool create);
  const Key* Find(HKEY root, std::string_view path) const;
  // Writes a value, making the key when needed.
  void SetString(HKEY root, std::string_view path, const std::string& name,
                 const std::string& value);
  void SetInteger(HKEY root, std::string_view path, const std::string& name, int32_t value);
  // Removes a key and everything below it; false when there is none.
  bool DeleteKey(HKEY root, std::string_view path);

 private:
  std::map<HKEY, Key> roots_;
};

// The platform's registry accessor: a root, an open key, values by name.
class TRegistry {
 public:
  // Reads and writes store; without one, the application's registry.
  explicit TRegistry(RegistryStore* store = nullptr);

  HKEY RootKey() const { return root_; }
  // Changing the root closes the open key.
  void SetRootKey(HKEY root);
  // Opens path: from the root when it starts with '\', else below the open key. Without
  // can_create a missing key gives false and leaves the open key as it was.
  bool OpenKey(std::string_view path, bool can_create);
  // Like OpenKey without creating; the platform's read-only open.
  bool OpenKeyReadOnly(std::string_view path) { return OpenKey(path, false); }
  void CloseKey();
  // The open key's path without a leading '\'; "" when none is open.
  const std::string& CurrentPath() const { return path_; }
  bool KeyExists(std::string_view path) const;

  // Names of the open key's values (or of its subkeys), in the store's order.
  void GetValueNames(TStrings& names) const;
  void GetKeyNames(TStrings& names) const;
  bool ValueExists(const std::string& name) const;
  // The text value; "" when missing; ERegistryException for an integer value.
  std::string ReadString(const std::string& name) const;
  // The integer value; ERegistryException when missing or text.
  int32_t ReadInteger(const std::string& name) const;
  // Write into the open key; ERegistryException when no key is open.
  void WriteString(const std::string& name, const std::string& value);
  void WriteInteger(const std::string& name, int32_t value);
  bool DeleteValue(const std::string& name);

 private:
  const RegistryStore::Value* FindValue(const std::string& name) const;
  RegistryStore::Key* OpenedKey() const;
  std::string Resolve(std::string_view path) const;

  RegistryStore* store_;
  HKEY root_ = HKEY_CURRENT_USER;
  bool open_ = false;
  std::string path_;
};

}  // namespace platform
