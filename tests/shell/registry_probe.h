// Direct registry and INI access for the association tests, written against
// the raw system calls so that the checks do not rely on the code they check.
// Every key path is below HKEY_CLASSES_ROOT.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace quillot::test {

bool KeyExists(const std::string& path);
// The key's default value up to its first NUL; "<none>" where there is none.
std::string DefaultText(const std::string& path);
// Creates the key with its path and sets the value ("" is the default value).
void SetRegistryValue(const std::string& path, const std::string& name, DWORD type,
                      const std::string& bytes);
void SetDefaultText(const std::string& path, const std::string& text);  // REG_SZ with its NUL
// Creates the key with its path, with no value; a volatile key refuses
// non-volatile subkeys, which makes writes below it fail.
void CreateKey(const std::string& path, bool isVolatile = false);

// One value to put into the registry, for tables of test rows.
struct RegistryEntry {
    std::string path;
    std::string name;  // "" for the default value
    DWORD type;
    std::string bytes;  // as stored: Sz() adds the NUL of a string
};
std::string Sz(const std::string& text);
// Sets the values, then creates the keys that hold none.
void SetEntries(const std::vector<RegistryEntry>& entries,
                const std::vector<std::string>& emptyKeys = {});
// Deletes the key with everything below it; a missing key is fine.
void DeleteTree(const std::string& path);

// The key and everything below it as sorted lines, with names in their
// stored letter case: "Key\Sub" for a key, "Key\Sub @ = text" for a default
// REG_SZ value, "Key\Sub name = text" for a named one, other types with
// " [type N]" after the text. Empty when the key does not exist.
std::vector<std::string> DumpTree(const std::string& path);

// The "key=value" lines of an INI section, read straight from the file.
std::vector<std::string> IniSectionLines(const std::string& iniFile, const std::string& section);

// The running program's own path.
std::string ModulePath();

// Deletes the listed keys at construction and again at destruction.
class RegistryCleanup {
  public:
    explicit RegistryCleanup(std::vector<std::string> keys);
    ~RegistryCleanup();
    RegistryCleanup(const RegistryCleanup&) = delete;
    RegistryCleanup& operator=(const RegistryCleanup&) = delete;

    void DeleteAll() const;

  private:
    std::vector<std::string> keys_;
};

}  // namespace quillot::test
