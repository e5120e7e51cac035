#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// A fresh directory for one test, removed with everything in it afterwards.
class TempDir {
public:
  TempDir() {
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    path_ = std::filesystem::temp_directory_path() / "filesvc-unit" /
            (std::string(info->test_suite_name()) + "." + info->name());
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempDir() { std::filesystem::remove_all(path_); }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // The full path of name inside the directory.
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }

  const std::filesystem::path& path() const { return path_; }

private:
  std::filesystem::path path_;
};

// The bytes of a file exactly as they are on disk.
inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Writes bytes to a file exactly as given.
inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}
