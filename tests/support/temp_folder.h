#pragma once
// A folder of its own for a test's files, removed with everything in it.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace macbatch::testing {

class TempFolder {
 public:
  TempFolder()
      : path_(std::filesystem::temp_directory_path() /
              ("macbatch-test-" + std::to_string(std::random_device{}()) + std::to_string(std::random_device{}()))) {
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

  // The file's path; written in binary, so the bytes are exactly `contents` on every platform.
  std::filesystem::path write(std::string_view name, std::string_view contents) const {
    const std::filesystem::path file = path_ / std::u8string(name.begin(), name.end());
    std::ofstream(file, std::ios::binary) << contents;
    return file;
  }

  // The path as the command line gives it: UTF-8.
  std::string text(std::string_view name) const {
    const std::u8string utf8 = (path_ / std::u8string(name.begin(), name.end())).u8string();
    return std::string(utf8.begin(), utf8.end());
  }

  static std::string read(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  // The names in the folder, sorted: what a run left behind.
  std::vector<std::string> names() const {
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      const std::u8string name = entry.path().filename().u8string();
      found.emplace_back(name.begin(), name.end());
    }
    std::sort(found.begin(), found.end());
    return found;
  }

 private:
  std::filesystem::path path_;
};

}  // namespace macbatch::testing
