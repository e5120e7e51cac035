#pragma once

#include "integration/WineRunner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// A test that runs the utility under Wine in a fresh working directory of its own.
class WineTest : public testing::Test {
protected:
  WineTest() {
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    workDir_ = std::filesystem::path(WORK_ROOT) /
               (std::string(info->test_suite_name()) + "." + info->name());
    std::filesystem::remove_all(workDir_);
    std::filesystem::create_directories(workDir_);
  }

  // The local path of name inside the working directory.
  std::filesystem::path Local(const std::string& name) const { return workDir_ / name; }

  // The Windows path of name inside the working directory.
  std::string Win(const std::string& name) const { return WineRunner::WindowsPath(Local(name)); }

  // Runs the utility with tail in the working directory; returns its exit status.
  int RunTail(const std::string& tail) const { return WineRunner::RunTail(tail, workDir_); }

  // The names in the working directory, sorted.
  std::vector<std::string> ListWorkDir() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(workDir_)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  static std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  static void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }

  std::filesystem::path workDir_;
};
