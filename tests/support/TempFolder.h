#pragma once

#include <filesystem>
#include <random>
#include <string>

// A fresh folder under the system's temporary folder, removed again at the end.
class TempFolder {
  public:
    // A name holding the byte E4 (a Latin-1 letter, no UTF-8), as a folder
    // named on a desk that writes 8-bit names has, so that every path the
    // program takes must go by its bytes; or a plain name, for the few files
    // Qt takes only by a QString name.
    enum class Name { Latin1, Plain };

    explicit TempFolder(Name name = Name::Latin1) {
        std::random_device rd;
        const std::string prefix = name == Name::Latin1 ? "kestrane-test-\xe4" : "kestrane-test-";
        path_ = std::filesystem::temp_directory_path() / (prefix + std::to_string(rd()) + std::to_string(rd()));
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
