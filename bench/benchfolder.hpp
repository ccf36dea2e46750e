#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>
#include <system_error>

namespace quorval::bench {

// A folder of the benchmark's own in the temporary folder, named for the process, removed when
// the benchmark ends.
struct BenchFolder {
    explicit BenchFolder(const std::string& name)
        : dir(std::filesystem::temp_directory_path() / (name + "-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(dir);
    }
    ~BenchFolder() {
        std::error_code ec;
        std::filesystem::current_path(std::filesystem::temp_directory_path(), ec);
        std::filesystem::remove_all(dir, ec);
    }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

    const std::filesystem::path dir;
};

}  // namespace quorval::bench
