#pragma once

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace quorval::testing {

// Points the settings folder (XDG_CONFIG_HOME) at `folder` for the helper's lifetime and puts
// back what was there before.
class ScopedConfigHome {
public:
    explicit ScopedConfigHome(const std::filesystem::path& folder) {
        if (const char* old = std::getenv("XDG_CONFIG_HOME")) m_previous = old;
        ::setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    }
    ~ScopedConfigHome() {
        if (m_previous)
            ::setenv("XDG_CONFIG_HOME", m_previous->c_str(), 1);
        else
            ::unsetenv("XDG_CONFIG_HOME");
    }
    ScopedConfigHome(const ScopedConfigHome&) = delete;
    ScopedConfigHome& operator=(const ScopedConfigHome&) = delete;

private:
    std::optional<std::string> m_previous;
};

}  // namespace quorval::testing
