#include "WebStore.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "Page.h"
#include "StoreRows.h"
#include "Texts.h"

std::string WebStore::path(std::string_view section, std::string_view key) {
    std::string p(ui::kApplication);
    return p.append("/").append(section).append("/").append(key);
}

std::optional<std::string> WebStore::stored(const std::string& path) {
    std::unique_ptr<char, decltype(&std::free)> text(tv_storeread(path.c_str()), &std::free);
    if (!text) {
        return std::nullopt;
    }
    return std::string(text.get());
}

std::optional<std::string> WebStore::read(std::string_view section, std::string_view key) const {
    const std::string p = path(section, key);
    if (const auto at = pending_.find(p); at != pending_.end()) {
        return at->second;
    }
    return stored(p);
}

void WebStore::write(std::string_view section, std::string_view key, std::string_view text) {
    if (!updating_) {
        update([&] { write(section, key, text); });
        return;
    }
    pending_[path(section, key)] = std::string(text);
}

bool WebStore::update(const std::function<void()>& change) {
    updating_ = true;
    change();
    updating_ = false;
    const bool written = commit();
    pending_.clear();
    if (!written && !failing_) {
        // One warning when writing starts to fail, not one for every save.
        std::vector<char> text(ui::kStoreFailed.size() + 32);
        std::snprintf(text.data(), text.size(), ui::kStoreFailed.data(), "localStorage");
        tv_storefailed(text.data());
    }
    failing_ = !written;
    return written;
}

bool WebStore::commit() {
    std::vector<std::pair<std::string, std::optional<std::string>>> before;
    for (const auto& [p, text] : pending_) {
        auto old = stored(p);
        if (old == text) {
            continue;
        }
        if (!tv_storewrite(p.c_str(), text.c_str())) {
            for (auto undo = before.rbegin(); undo != before.rend(); ++undo) {
                tv_storewrite(undo->first.c_str(), undo->second ? undo->second->c_str() : nullptr);
            }
            return false;
        }
        before.emplace_back(p, std::move(old));
    }
    return true;
}
