// quorvelin-diff run on files in a scratch directory: exit status, standard
// output and standard error, or the unified diff applied with patch.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

// Lines ended by CR LF, as the loader reads a text file.
std::string Crlf(const Lines& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

// Lines ended by LF, the last one without a line end unless `finalEnd`.
std::string Lf(const Lines& lines, bool finalEnd = true) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\n";
  if (!finalEnd && !bytes.empty()) bytes.pop_back();
  return bytes;
}

// A text file as the program shows it: tabs expanded, lines ended by LF.
std::string Shown(const std::string& bytes) {
  std::string text;
  for (char c : bytes) {
    if (c == '\t') text += "    ";
    if (c != '\t' && c != '\r') text += c;
  }
  return text;
}

// Forty lines, braces and blank lines among them repeated; and an edited
// copy: a line added on top, one deleted, one changed, a block moved to the
// end, the last line changed.
Lines Numbered() {
  Lines lines;
  for (int i = 1; i <= 40; ++i) {
    lines.push_back(i % 7 == 0 ? "}" : i % 5 == 0 ? "" : "line " + std::to_string(i));
  }
  return lines;
}
Lines Edited() {
  Lines lines = Numbered();
  lines.back() = "\tlast";
  const Lines block(lines.begin() + 20, lines.begin() + 23);
  lines.erase(lines.begin() + 20, lines.begin() + 23);
  lines.insert(lines.end(), block.begin(), block.end());
  lines[9] = "changed";
  lines.erase(lines.begin() + 2);
  lines.insert(lines.begin(), "added");
  return lines;
}
const std::string kLong = Crlf(Numbered());
const std::string kEdited = Crlf(Edited());
const std::string kBinary = [] {
  std::string bytes;
  for (int i = 0; i < 20; ++i) bytes += "line\n";
  return bytes;
}();

struct Case {
  std::string name;
  std::string options;              // before the paths left.txt and right.txt
  std::optional<std::string> left;  // the file's bytes; none: it does not exist
  std::optional<std::string> right;
  int status;
  std::string out;  // standard output; with `patch` the diff must turn left into right
  std::string err;
  bool patch = false;
};

class QuorvelinDiff : public ::testing::TestWithParam<Case> {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "qdiff-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { fs::remove_all(dir_); }

  void Write(const std::string& name, const std::string& bytes) {
    std::ofstream(dir_ / name, std::ios::binary) << bytes;
  }
  std::string Read(const std::string& name) {
    std::ostringstream text;
    text << std::ifstream(dir_ / name, std::ios::binary).rdbuf();
    return text.str();
  }
  // Runs `command` in the scratch directory; its exit status.
  int Run(const std::string& command) {
    const int raw = std::system(("cd '" + dir_.string() + "' && " + command).c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  }

  fs::path dir_;
};

TEST_P(QuorvelinDiff, Runs) {
  const Case& c = GetParam();
  if (c.left) Write("left.txt", *c.left);
  if (c.right) Write("right.txt", *c.right);
  EXPECT_EQ(Run("'" QFC_DIFF_BINARY "' " + c.options + " left.txt right.txt >out 2>err"), c.status);
  EXPECT_EQ(Read("err"), c.err);
  if (!c.patch) {
    EXPECT_EQ(Read("out"), c.out);
    return;
  }
  Write("patched.txt", Shown(*c.left));
  ASSERT_EQ(Run("patch -s patched.txt out >/dev/null 2>&1"), 0) << Read("out");
  EXPECT_EQ(Read("patched.txt"), Shown(*c.right)) << Read("out");
}

const std::string kMissing = "Error while processing compare.\n";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, QuorvelinDiff, ::testing::Values(
    Case{"RowsOfEveryKind", "--rows", Crlf({"a", "b", "  ", "Abc", "x", "q", "z"}),
         Crlf({"new", "a", "B", "", "ABC", "x ", "z"}), 1,
         "-1\t1\t>\n1\t2\t=\n2\t3\t!\n3\t4\t=\n4\t5\t!\n5\t6\t!\n6\t-1\t<\n7\t7\t=\n"
         "Compare Results = File differences exist!!!\n", ""},
    Case{"RowsOfBlankLinesOfAnyWidthAreIdentical", "--rows", Crlf({"a", "  ", ""}),
         Crlf({"a", "", " "}), 0,
         "1\t1\t=\n2\t2\t=\n3\t3\t=\nCompare Results = Files are identical!!!\n", ""},
    Case{"UnifiedOfIdenticalFilesIsEmpty", "", Crlf({"a", "b"}), Crlf({"a", "b"}), 0, "", ""},
    Case{"UnifiedHunk", "-U 1", Crlf({"\tx", "y", "z", "w"}), Crlf({"\tx", "Y", "z", "w"}), 1,
         "--- left.txt\n+++ right.txt\n@@ -1,3 +1,3 @@\n     x\n-y\n+Y\n z\n", ""},
    Case{"UnifiedPatchesLeftIntoRight", "", kLong, kEdited, 1, "", "", true},
    Case{"UnifiedWithoutContextPatches", "-U 0", kLong, kEdited, 1, "", "", true},
    Case{"UnifiedWithOneContextLinePatches", "--unified=1", kEdited, kLong, 1, "", "", true},
    Case{"BinaryPairDiffers", "", kBinary, kBinary + "x", 1, "Binary Files Differ!\n", ""},
    Case{"BinaryPairIdentical", "--rows", kBinary, kBinary, 0, "Binary Files are Identical!\n", ""},
    Case{"MissingFilesLeftFirst", "", std::nullopt, std::nullopt, 2, "",
         kMissing + "Left side file location does not exist.\n"},
    Case{"MissingRightFile", "", "x\r\n", std::nullopt, 2, "",
         kMissing + "Right side file location does not exist.\n"},
    Case{"Misuse", "--bogus", "x\r\n", "x\r\n", 2, "", "quorvelin-diff: unrecognized option "
         "'--bogus'\nTry 'quorvelin-diff --help' for more information.\n"},
    Case{"LabelsNameTheFiles", "--label a/x.c --label=b/x.c -U 0", Crlf({"p", "q"}),
         Crlf({"p", "r"}), 1, "--- a/x.c\n+++ b/x.c\n@@ -2 +2 @@\n-q\n+r\n", ""},
    Case{"OneLabelNamesTheLeftFile", "--label old -U 0", Crlf({"q"}), Crlf({"r"}), 1,
         "--- old\n+++ right.txt\n@@ -1 +1 @@\n-q\n+r\n", ""},
    Case{"ThreeLabels", "--label a --label b --label c", "x\r\n", "x\r\n", 2, "",
         "quorvelin-diff: too many file label options\nTry 'quorvelin-diff --help' for more "
         "information.\n"},
    Case{"UnknownLineEndMode", "--eol=lf", "x\n", "x\n", 2, "",
         kMissing + "Unknown line-end mode: lf.\n"},
    Case{"AnyRowsLineEndsOnlyDiffer", "--eol=any --rows", "a\nb\n", "a\r\nb\r\n", 0,
         "1\t1\t=\n2\t2\t=\nCompare Results = Files are identical!!!\n"
         "Line ends differ: LF against CR LF\n", ""},
    Case{"AnyRowsMixedAndLoneCr", "--eol=any --rows", "a\r\nb\rc\nd", "a\nb\rc\r\nD\n", 1,
         "1\t1\t=\n2\t2\t=\n3\t3\t!\nCompare Results = File differences exist!!!\n", ""},
    Case{"AnyUnifiedIdenticalSaysOnlyTheLineEnds", "--eol=any", "a\r\n", "a", 0,
         "--- left.txt\n+++ right.txt\n@@ -1 +1 @@\n-a\n+a\n\\ No newline at end of file\n"
         "Line ends differ: CR LF against none\n", ""},
    Case{"AnyUnifiedMarksLastLinesWithoutEnd", "--eol=any", "a\nb", "a\nc", 1,
         "--- left.txt\n+++ right.txt\n@@ -1,2 +1,2 @@\n a\n-b\n\\ No newline at end of file\n"
         "+c\n\\ No newline at end of file\n", ""},
    Case{"AnyBinaryWithANul", "--eol=any", std::string("a\n\0", 3), "a\n", 1,
         "Binary Files Differ!\n", ""},
    Case{"AnyPatchBothWithFinalLineEnd", "--eol=any", Lf(Numbered()), Lf(Edited()), 1, "", "",
         true},
    Case{"AnyPatchBothWithoutFinalLineEnd", "--eol=any", Lf(Numbered(), false),
         Lf(Edited(), false), 1, "", "", true},
    Case{"AnyPatchAddsTheFinalLineEnd", "--eol=any -U 1", Lf(Edited(), false), Lf(Edited()), 0,
         "", "", true},
    Case{"AnyPatchDropsTheFinalLineEnd", "--eol=any", Lf(Edited()), Lf(Numbered(), false), 1, "",
         "", true},
    Case{"WordDiffBracketsTheChangedWord", "--word-diff -U 0",
         Crlf({"line 0126 alpha beta gamma", "same"}), Crlf({"line 0126 alpha BETA gamma", "same"}),
         1, "--- left.txt\n+++ right.txt\n@@ -1 +1 @@\n-line 0126 alpha [-beta-] gamma\n"
         "+line 0126 alpha {+BETA+} gamma\n", ""},
    Case{"WordDiffLeavesOneSidedLinesUnmarked", "--word-diff -U 0", Crlf({"x = 10;", "a", "b"}),
         Crlf({"x = 11;", "a", "new", "b"}), 1,
         "--- left.txt\n+++ right.txt\n@@ -1 +1 @@\n-x = 1[-0-];\n+x = 1{+1+};\n"
         "@@ -2,0 +3 @@\n+new\n", ""},
    Case{"WordDiffInColour", "--word-diff --color=always -U 0", Crlf({"x = 10;"}),
         Crlf({"x = 11;"}), 1,
         "\x1b[1m--- left.txt\x1b[0m\n\x1b[1m+++ right.txt\x1b[0m\n\x1b[36m@@ -1 +1 @@\x1b[0m\n"
         "\x1b[31m-x = 1\x1b[7m0\x1b[27m;\x1b[0m\n\x1b[32m+x = 1\x1b[7m1\x1b[27m;\x1b[0m\n", ""},
    Case{"ColourWithoutWordDiff", "--color -U 0", Crlf({"x = 10;"}), Crlf({"x = 11;"}), 1,
         "--- left.txt\n+++ right.txt\n@@ -1 +1 @@\n-x = 10;\n+x = 11;\n", ""},
    Case{"WordDiffNeverColoured", "--word-diff --color=never -U 0", Crlf({"ab"}), Crlf({"aB"}), 1,
         "--- left.txt\n+++ right.txt\n@@ -1 +1 @@\n-a[-b-]\n+a{+B+}\n", ""},
    Case{"UnknownColourWhen", "--color=sometimes", "x\r\n", "x\r\n", 2, "",
         "quorvelin-diff: invalid argument 'sometimes' for '--color'\n"
         "Try 'quorvelin-diff --help' for more information.\n"}),
    [](const auto& info) { return info.param.name; });
// clang-format on

// A left file whose name holds a line feed and a "+++" line of its own: the
// diff names it in quotes, and patch changes that file, not the one the name
// tries to smuggle in.
TEST_F(QuorvelinDiff, NameCannotRedirectPatch) {
  const std::string hostile = "a\n+++ evil.txt";
  Run("printf 'one\\r\\n' > \"$(printf '" + hostile + "')\"");
  Write("evil.txt", "one\n");
  Write("right.txt", "two\r\n");
  EXPECT_EQ(Run("'" QFC_DIFF_BINARY "' \"$(printf '" + hostile + "')\" right.txt >out"), 1);
  EXPECT_EQ(Read("out"), "--- \"a\\n+++ evil.txt\"\n+++ right.txt\n@@ -1 +1 @@\n-one\n+two\n");
  // With the right file gone, patch takes the name from the "---" line.
  Run("rm right.txt && printf 'one\\n' > \"$(printf '" + hostile + "')\"");
  ASSERT_EQ(Run("patch -s -p0 <out >/dev/null 2>&1"), 0) << Read("out");
  EXPECT_EQ(Read("evil.txt"), "one\n");
  EXPECT_EQ(Read("a\n+++ evil.txt"), "two\n");
}

}  // namespace
