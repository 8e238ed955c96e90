// A fresh directory for one test, made the working directory while the test
// runs, holding the kinds of directory entries a command line can name.
#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace qfc::test {

class ScratchDir {
 public:
  ScratchDir() : previous_(std::filesystem::current_path()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "qfc-cmdline-XXXXXX").string();
    const char* made = ::mkdtemp(pattern.data());
    EXPECT_NE(made, nullptr);
    root_ = pattern;
    std::filesystem::current_path(root_);
    for (const char* name : {"a.txt", "b.txt", "c.txt", "with blank.txt", "\"quoted.txt\""}) {
      std::ofstream(name) << "line\r\n";
    }
    std::filesystem::create_directory("dir");
    EXPECT_EQ(::mkfifo("pipe", 0600), 0);
    std::filesystem::create_symlink("a.txt", "link-to-file");
    std::filesystem::create_symlink("dir", "link-to-dir");
    std::filesystem::create_symlink("gone.txt", "dangling-link");
  }
  ~ScratchDir() {
    std::filesystem::current_path(previous_);
    std::filesystem::remove_all(root_);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

 private:
  std::filesystem::path previous_;
  std::filesystem::path root_;
};

}  // namespace qfc::test
