// A fresh temporary directory for one test, removed with everything in it at the end.
#pragma once

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>

namespace simtest {

class TempDir {
  public:
    TempDir() {
        static std::atomic<int> counter{0};
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        path_ = std::filesystem::temp_directory_path() /
                ("ravelin-sim-" + std::to_string(stamp) + "-" + std::to_string(++counter));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // A file name inside the directory, as UTF-8 text for zsimOpen.
    std::string File(const std::string& name) const {
        const std::u8string text = (path_ / name).u8string();
        return std::string(text.begin(), text.end());
    }

  private:
    std::filesystem::path path_;
};

}  // namespace simtest
