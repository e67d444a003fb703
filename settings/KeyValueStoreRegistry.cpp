// SPDX-License-Identifier: GPL-3.0-or-later
// The settings store on Windows: the registry key "\Software\Tavro\Tavro Memory" under
// HKEY_LOCAL_MACHINE, with "cards" and "path" as strings (REG_SZ) and "delay" as a 32-bit
// integer (REG_DWORD). A value of another type reads as absent.
#ifdef _WIN32

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <QString>
#include <cwchar>

#include "settings/KeyValueStore.h"
#include "tavro/ProgramInfo.h"

namespace tavro {
namespace {

// The key below HKEY_LOCAL_MACHINE; the registry functions take it without the leading
// backslash.
constexpr wchar_t kKeyPath[] = L"Software\\" TAVRO_ORGANISATION "\\" TAVRO_PROGRAM_NAME;

// Closes the key on every way out.
class OpenKey {
public:
    explicit OpenKey(HKEY key) : key_(key) {}
    ~OpenKey() { RegCloseKey(key_); }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    HKEY Get() const { return key_; }

private:
    HKEY key_;
};

std::optional<std::string> ReadText(HKEY key, const wchar_t* name) {
    // The first call gives the size in bytes, terminating null included; RRF_RT_REG_SZ fails
    // for any other type and guarantees the terminating null.
    DWORD size = 0;
    if (RegGetValueW(key, nullptr, name, RRF_RT_REG_SZ, nullptr, nullptr, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
    size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (RegGetValueW(key, nullptr, name, RRF_RT_REG_SZ, nullptr, text.data(), &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;  // changed in between, for instance grown: taken as absent
    }
    text.resize(std::wcslen(text.c_str()));
    return QString::fromStdWString(text).toStdString();
}

std::optional<std::int32_t> ReadInt32(HKEY key, const wchar_t* name) {
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegGetValueW(key, nullptr, name, RRF_RT_REG_DWORD, nullptr, &value, &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);  // the stored bits, read as a signed number
}

bool WriteText(HKEY key, const wchar_t* name, const std::string& text) {
    const std::wstring wide = QString::fromStdString(text).toStdWString();
    const auto bytes = static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(wide.c_str()),
                          bytes) == ERROR_SUCCESS;
}

bool WriteInt32(HKEY key, const wchar_t* name, std::int32_t number) {
    const auto value = static_cast<DWORD>(number);
    return RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                          sizeof value) == ERROR_SUCCESS;
}

class RegistrySettingsStore : public KeyValueStore {
public:
    StoredSettings Read() override {
        // Read access is enough for loading, so a player without administrator rights still
        // gets the settings an administrator saved.
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS) {
            return {};
        }
        const OpenKey open(key);
        return {ReadText(key, L"cards"), ReadInt32(key, L"delay")};
    }

    bool Write(const std::string& cards, std::int32_t delay, const std::string& path) override {
        HKEY key = nullptr;
        if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kKeyPath, 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
            return false;
        }
        const OpenKey open(key);
        return WriteText(key, L"cards", cards) && WriteInt32(key, L"delay", delay) &&
               WriteText(key, L"path", path);
    }
};

}  // namespace

std::unique_ptr<KeyValueStore> OpenSettingsStore() {
    return std::make_unique<RegistrySettingsStore>();
}

}  // namespace tavro

#endif  // _WIN32
