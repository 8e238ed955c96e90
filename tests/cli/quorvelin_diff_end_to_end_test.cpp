// Runs the quorvelin-diff binary on files in a scratch directory.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class QuorvelinDiff : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "qdiff-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path Write(const std::string& name, const std::string& bytes) {
    const fs::path path = dir_ / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  // Lines ended by CR LF, as the loader expects of text files.
  fs::path WriteLines(const std::string& name, const Lines& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return Write(name, bytes);
  }

  Outcome Diff(const std::string& args) {
    const std::string command = std::string(QFC_DIFF_BINARY) + " " + args + " >" +
                                (dir_ / "out").string() + " 2>" + (dir_ / "err").string();
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Slurp(dir_ / "out"), Slurp(dir_ / "err")};
  }

  fs::path dir_;
};

TEST_F(QuorvelinDiff, RowsListingAndExitStatus) {
  const fs::path left = WriteLines("a.txt", {"p", "q", "r", "s"});
  const fs::path right = WriteLines("b.txt", {"p", "s", "q", "r"});
  const Outcome run = Diff("--rows " + left.string() + " " + right.string());
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out,
            "1\t1\t=\n-1\t2\t>\n2\t3\t=\n3\t4\t=\n4\t-1\t<\nCompare Results = File differences "
            "exist!!!\n");
  EXPECT_EQ(run.err, "");

  const Outcome same = Diff("--rows " + left.string() + " " + left.string());
  EXPECT_EQ(same.status, 0);
  EXPECT_EQ(same.out,
            "1\t1\t=\n2\t2\t=\n3\t3\t=\n4\t4\t=\nCompare Results = Files are identical!!!\n");
  EXPECT_EQ(Diff(left.string() + " " + left.string()).out, "");
}

TEST_F(QuorvelinDiff, MissingFilesAreReportedLeftFirst) {
  const fs::path real = WriteLines("a.txt", {"x"});
  const Outcome both = Diff((dir_ / "none1").string() + " " + (dir_ / "none2").string());
  EXPECT_EQ(both.status, 2);
  EXPECT_EQ(both.err, "Error while processing compare.\nLeft side file location does not exist.\n");
  const Outcome right = Diff(real.string() + " " + dir_.string());
  EXPECT_EQ(right.status, 2);
  EXPECT_EQ(right.err,
            "Error while processing compare.\nRight side file location does not exist.\n");
  EXPECT_EQ(right.out, "");
}

TEST_F(QuorvelinDiff, BinaryPairPrintsItsVerdict) {
  std::string bytes;
  for (int i = 0; i < 20; ++i) bytes += "line\n";
  const fs::path left = Write("a.bin", bytes);
  const fs::path right = Write("b.bin", bytes + "x");
  const Outcome differ = Diff(left.string() + " " + right.string());
  EXPECT_EQ(differ.status, 1);
  EXPECT_EQ(differ.out, "Binary Files Differ!\n");
  const Outcome same = Diff("--rows " + left.string() + " " + left.string());
  EXPECT_EQ(same.status, 0);
  EXPECT_EQ(same.out, "Binary Files are Identical!\n");
}

TEST_F(QuorvelinDiff, MisuseExitsWithTwo) {
  const Outcome run = Diff("--bogus");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err,
            "quorvelin-diff: unrecognized option '--bogus'\nTry 'quorvelin-diff --help' for more "
            "information.\n");
  EXPECT_EQ(Diff("--version").out.substr(0, 40), "quorvelin-diff (Quorvelin File Compare) ");
}

std::string Expanded(const Lines& lines) {
  std::string text;
  for (const std::string& line : lines) {
    for (char c : line) text += c == '\t' ? std::string("    ") : std::string(1, c);
    text += '\n';
  }
  return text;
}

// patch turns the tab-expanded, LF-ended left file into the right one.
TEST_F(QuorvelinDiff, UnifiedOutputPatchesLeftIntoRight) {
  const Lines pool{"alpha", "Alpha", "beta", "\tgamma", "delta", "",
                   "x",     "X",     "y",    "{",       "}",     "return 0;"};
  std::mt19937 rng(99);
  for (int round = 0; round < 30; ++round) {
    Lines left(5 + rng() % 60);
    for (std::string& line : left)
      line = rng() % 3 == 0 ? pool[rng() % pool.size()] : "l" + std::to_string(rng() % 500);
    Lines right;
    for (const std::string& line : left) {
      const unsigned roll = rng() % 10;
      if (roll == 0) continue;
      if (roll == 1) right.push_back(pool[rng() % pool.size()]);
      if (roll != 2) right.push_back(line);
    }
    const fs::path leftFile = WriteLines("left.txt", left);
    const fs::path rightFile = WriteLines("right.txt", right);
    const Outcome run = Diff("-U " + std::to_string(round % 4) + " " + leftFile.string() + " " +
                             rightFile.string());
    ASSERT_EQ(run.status, Expanded(left) == Expanded(right) ? 0 : 1) << run.err;
    Write("diff.patch", run.out);
    Write("target.txt", Expanded(left));
    const std::string patch = "patch -s -o " + (dir_ / "patched.txt").string() + " " +
                              (dir_ / "target.txt").string() + " " +
                              (dir_ / "diff.patch").string() + " >/dev/null 2>&1";
    if (run.status == 1) {
      ASSERT_EQ(std::system(patch.c_str()), 0) << run.out;
      ASSERT_EQ(Slurp(dir_ / "patched.txt"), Expanded(right)) << "round " << round << "\n"
                                                              << run.out;
    }
  }
}

}  // namespace
