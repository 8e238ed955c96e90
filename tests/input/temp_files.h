// Files in a fresh temporary directory, removed with the object; and the
// name every table case of these tests carries.
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
    EXPECT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  ~TempFiles() { std::filesystem::remove_all(dir_, ignored_); }

  // Writes `bytes` to a file called `name` and answers its path.
  std::string Write(std::string_view name, std::string_view bytes) {
    const std::string path = (dir_ / name).string();
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
  }

 private:
  std::filesystem::path dir_;
  std::error_code ignored_;
};

struct ByName {
  template <typename Case>
  std::string operator()(const testing::TestParamInfo<Case>& info) const {
    return info.param.name;
  }
};

}  // namespace qfc::test
