#pragma once

#include <filesystem>
#include <random>
#include <string>

// A fresh folder under the system's temporary folder, removed again at the end.
class TempFolder {
  public:
    TempFolder() {
        std::random_device rd;
        path_ =
            std::filesystem::temp_directory_path() / ("kestrane-test-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The folder with a trailing separator, the way the program keeps folders.
    std::string withSlash() const { return path_.string() + "/"; }

  private:
    std::filesystem::path path_;
};
