#include "RegistryStore.h"

#include <algorithm>
#include <cstdio>

#include "Texts.h"
#include "Utf.h"

namespace {
constexpr DWORD kLockWait = 2000;  // ms; an update takes a few
}  // namespace

RegistryStore::RegistryStore(std::wstring key) : key_(std::move(key)) {
    std::wstring name = L"Local\\" + key_;  // one mutex for every copy on the same key
    std::replace(name.begin() + 6, name.end(), L'\\', L'/');
    mutex_ = CreateMutexW(nullptr, FALSE, name.c_str());
}

RegistryStore::~RegistryStore() {
    if (mutex_ != nullptr) {
        CloseHandle(mutex_);
    }
}

std::optional<std::string> RegistryStore::read(std::string_view section,
                                               std::string_view key) const {
    const std::wstring path = key_ + L"\\" + widen(section), name = widen(key);
    DWORD size = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, nullptr,
                     &size) != ERROR_SUCCESS) {
        return std::nullopt;  // missing, or not text: the row's default applies
    }
    std::wstring text(size / sizeof(wchar_t), L'\0');
    if (RegGetValueW(HKEY_CURRENT_USER, path.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr,
                     text.data(), &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    text.resize(size / sizeof(wchar_t));
    while (!text.empty() && text.back() == L'\0') {
        text.pop_back();
    }
    return narrow(text);
}

void RegistryStore::write(std::string_view section, std::string_view key, std::string_view text) {
    if (!updating_) {
        update([&] { write(section, key, text); });
        return;
    }
    const std::wstring path = key_ + L"\\" + widen(section), name = widen(key);
    const std::wstring value = widen(text);
    HKEY k = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k,
                        nullptr) != ERROR_SUCCESS ||
        RegSetValueExW(k, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) != ERROR_SUCCESS) {
        refused_ = true;
    }
    if (k != nullptr) {
        RegCloseKey(k);
    }
}

bool RegistryStore::update(const std::function<void()>& change) {
    const DWORD waited = WaitForSingleObject(mutex_, kLockWait);
    if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
        report(false);
        return false;
    }
    updating_ = true;
    refused_ = false;
    change();
    updating_ = false;
    HKEY k = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key_.c_str(), 0, KEY_READ, &k) == ERROR_SUCCESS) {
        RegFlushKey(k);  // on disk when this returns
        RegCloseKey(k);
    }
    ReleaseMutex(mutex_);
    report(!refused_);
    return !refused_;
}

// One warning when writing starts to fail, not one for every save.
void RegistryStore::report(bool written) {
    if (!written && !failing_) {
        std::fprintf(stderr, ui::kStoreFailed.data(),
                     narrow(L"HKEY_CURRENT_USER\\" + key_).c_str());
    }
    failing_ = !written;
}
