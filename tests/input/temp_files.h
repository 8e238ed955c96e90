// Files in a fresh temporary directory, removed with the object.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace qfc::test {

class TempFiles {
 public:
  TempFiles() {
    std::string pattern = (std::filesystem::path(testing::TempDir()) / "qfc_input_XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "cannot create a temporary directory";
    dir_ = pattern;
  }
  TempFiles(const TempFiles&) = delete;
  TempFiles& operator=(const TempFiles&) = delete;
  ~TempFiles() {
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }

  // Writes `bytes` to a file called `name` and answers its path.
  std::string Write(std::string_view name, std::string_view bytes) {
    const std::string path = (dir_ / name).string();
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
  }

  [[nodiscard]] std::string PathOf(std::string_view name) const { return (dir_ / name).string(); }

 private:
  std::filesystem::path dir_;
};

}  // namespace qfc::test
