// The start-up sequence end to end on real files and real widgets, with the
// message boxes answered by the platform double.
#include "app/main_form.h"

#include <gtest/gtest.h>

#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>
#include <string>

#include "navigation/commands.h"
#include "progress/progress_window.h"
#include "support/platform_double.h"
#include "view/main_window.h"

namespace qfc {
namespace {

namespace fs = std::filesystem;

std::string Lines(const char* end, int count, const char* stem = "line ") {
  std::string text;
  for (int n = 1; n <= count; ++n) text += stem + std::to_string(n) + end;
  return text;
}

struct StartupCase {
  const char* name;
  std::string left;
  std::string right;
  // The command-line tail, built from the two file paths.
  std::string (*tail)(const std::string& left, const std::string& right);
  bool opens;
  std::string message;  // empty: no message box
  std::string title;
  std::string status;  // when the window opens
  // The line-end panels, "left | right"; " | " when they are not shown.
  std::string lineEnds = " | ";
};

void PrintTo(const StartupCase& c, std::ostream* os) { *os << c.name; }

std::string Standard(const std::string& l, const std::string& r) { return "/1:" + l + " /2:" + r; }
std::string Reversed(const std::string& l, const std::string& r) { return "/2:" + r + " /1:" + l; }
std::string NoRight(const std::string& l, const std::string&) { return "/1:" + l; }
std::string RightMissing(const std::string& l, const std::string& r) {
  return "/1:" + l + " /2:" + r + ".gone";
}
std::string BothMissing(const std::string& l, const std::string& r) {
  return "/1:" + l + ".gone /2:" + r + ".gone";
}
std::string Blanks(const std::string&, const std::string&) { return "   "; }
std::string AnyMode(const std::string& l, const std::string& r) {
  return "--eol=any " + Standard(l, r);
}
std::string UnknownMode(const std::string& l, const std::string& r) {
  return "--eol=lf " + Standard(l, r);
}
// Opens as a file, but reading it fails.
std::string Unreadable(const std::string&, const std::string& r) {
  return Standard("/proc/self/mem", r);
}
std::string UnreadableAnyMode(const std::string& l, const std::string& r) {
  return "--eol=any " + Unreadable(l, r);
}
std::string DevNull(const std::string&, const std::string& r) { return Standard("/dev/null", r); }

const std::string kTitle = "Quorvelin File Compare";
const std::string kParseTitle = "Quorvelin File Compare - ParseCmdLine";
const std::string kDiffer = "Compare Results = File differences exist!!!";
const std::string kSame = "Compare Results = Files are identical!!!";

class StartupTest : public testing::TestWithParam<StartupCase> {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("qfc-startup-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Write(const char* name, const std::string& bytes) {
    const fs::path path = dir_ / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
  }
  fs::path dir_;
};

TEST_P(StartupTest, EndsOrOpensWithTheRightWords) {
  const StartupCase& c = GetParam();
  const std::string left = Write("left.txt", c.left);
  const std::string right = Write("right.txt", c.right);
  test::PlatformDouble platform;
  MainForm form(platform);

  EXPECT_EQ(form.Load(c.tail(left, right)), c.opens);

  if (c.message.empty()) {
    EXPECT_TRUE(platform.messages.empty()) << platform.messages.front().text;
  } else {
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, c.message);
    EXPECT_EQ(platform.messages[0].title, c.title);
    // A failure stops the user with the critical icon; the binary verdict informs.
    const bool failure = c.message.rfind("Error", 0) == 0;
    EXPECT_EQ(platform.messages[0].icon,
              failure ? MessageIcon::Critical : MessageIcon::Information);
    EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Ok);
  }
  EXPECT_EQ(form.Progress(), nullptr) << "the progress window outlived the run";
  EXPECT_EQ(platform.ends, 0);
  if (c.opens) {
    EXPECT_TRUE(form.Window().isVisible());
    EXPECT_FALSE(form.Window().Busy());
    EXPECT_EQ(form.Window().StatusText(), c.status);
    EXPECT_EQ(form.Window().Path(Side::Right), right);
    // The frame at the top left, as wide as the screen and 0.9 of its height
    // (1280 x 1024); the divider in the middle of the client area.
    EXPECT_EQ(form.Window().frameGeometry(), QRect(0, 0, 1280, 922));
    EXPECT_EQ(form.Window().findChild<QWidget*>("imgSplitter")->x(), form.Window().width() / 2);
    EXPECT_EQ(
        form.Window().LineEndStyle(Side::Left) + " | " + form.Window().LineEndStyle(Side::Right),
        c.lineEnds);
  } else {
    EXPECT_FALSE(form.Window().isVisible());
  }
}

const std::string kCrLfText = Lines("\r\n", 12);
const std::string kLfText = Lines("\n", 12);
const std::string kReadFailure =
    "Error occurred while processing binary compare.\r\nInput/output error";

INSTANTIATE_TEST_SUITE_P(
    Table, StartupTest,
    testing::Values(
        StartupCase{"IdenticalText", kCrLfText, kCrLfText, Standard, true, "", "", kSame},
        StartupCase{"DifferingText", kCrLfText, Lines("\r\n", 13), Standard, true, "", "", kDiffer},
        StartupCase{"MarkersInEitherOrder", kCrLfText, kCrLfText, Reversed, true, "", "", kSame},
        StartupCase{"CaseOnlyDifference", "Abc\r\n", "abc\r\n", Standard, true, "", "", kDiffer},
        StartupCase{"EmptyPair", "", "", Standard, true, "", "", kSame},
        StartupCase{"BinaryIdentical", Lines("\n", 12), Lines("\n", 12), Standard, false,
                    "Binary Files are Identical!", kTitle, ""},
        StartupCase{"BinaryDiffer", Lines("\n", 12), Lines("\n", 13), Standard, false,
                    "Binary Files Differ!", kTitle, ""},
        StartupCase{"NoRightMarker", kCrLfText, kCrLfText, NoRight, false,
                    "Error while processing compare.\r\nLeft and Right side file location must be "
                    "specified.",
                    kParseTitle, ""},
        StartupCase{"BlanksOnlyTail", kCrLfText, kCrLfText, Blanks, false,
                    "Error while processing compare.\r\nLeft and Right side file location must be "
                    "specified.",
                    kParseTitle, ""},
        StartupCase{"RightMissing", kCrLfText, kCrLfText, RightMissing, false,
                    "Error while processing compare.\r\nRight side file location does not exist.",
                    kParseTitle, ""},
        StartupCase{"BothMissingReportsLeft", kCrLfText, kCrLfText, BothMissing, false,
                    "Error while processing compare.\r\nLeft side file location does not exist.",
                    kParseTitle, ""},
        StartupCase{"DevNullIsAnEmptyFile", "", kCrLfText, DevNull, true, "", "", kDiffer},
        StartupCase{"ReadFailureStillOpensTheWindow", "", kCrLfText, Unreadable, true, kReadFailure,
                    kTitle, kSame},
        StartupCase{"AnyModeOpensLfText", kLfText, kLfText, AnyMode, true, "", "", kSame,
                    "LF | LF"},
        StartupCase{"AnyModeLineEndsOnlyDiffer", kLfText, kCrLfText, AnyMode, true, "", "", kSame,
                    "LF | CR LF"},
        StartupCase{"AnyModeMixedAndNone", "a\r\nb\n", "a", AnyMode, true, "", "", kDiffer,
                    "mixed | none"},
        StartupCase{"AnyModeBinary", std::string("a\0", 2), "a", AnyMode, false,
                    "Binary Files Differ!", kTitle, ""},
        StartupCase{"AnyModeReadFailureEndsTheRun", "", kCrLfText, UnreadableAnyMode, false,
                    kReadFailure, kTitle, ""},
        StartupCase{"UnknownMode", kLfText, kLfText, UnknownMode, false,
                    "Error while processing compare.\r\nUnknown line-end mode: lf.", kParseTitle,
                    ""}),
    [](const testing::TestParamInfo<StartupCase>& info) { return std::string(info.param.name); });

TEST(StartupSequenceTest, TheVerdictOpensOverAFullBarWithItsIcon) {
  const fs::path dir = fs::temp_directory_path() / ("qfc-verdict-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  std::ofstream(dir / "a", std::ios::binary) << Lines("\n", 12);
  std::ofstream(dir / "b", std::ios::binary) << Lines("\n", 13);
  test::PlatformDouble platform;
  MainForm form(platform);
  int barBehindTheBox = -1;
  platform.onMessage = [&] { barBehindTheBox = form.Progress()->BarValue(); };
  EXPECT_FALSE(form.Load("/1:" + (dir / "a").string() + " /2:" + (dir / "b").string()));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(barBehindTheBox, 100);
  fs::remove_all(dir);
}

// A frameless progress window leaves no frame to expect: the main window is
// placed as if it had none, then again once its own frame is known, with the
// divider back in the middle.
TEST(StartupSequenceTest, PlacedAgainOnceFramedWithTheDividerInTheMiddle) {
  const fs::path dir = fs::temp_directory_path() / ("qfc-framed-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  for (const char* name : {"a", "b"}) std::ofstream(dir / name, std::ios::binary) << "same\r\n";
  test::PlatformDouble platform;
  MainForm form(platform);
  QTimer::singleShot(0, [&form] {
    form.Progress()->setWindowFlag(Qt::FramelessWindowHint);
    form.Progress()->show();
    // The window system takes the frame anew when the window moves.
    form.Progress()->move(form.Progress()->pos() + QPoint(1, 0));
  });
  ASSERT_TRUE(form.Load("/1:" + (dir / "a").string() + " /2:" + (dir / "b").string()));
  MainWindow& window = form.Window();
  EXPECT_TRUE(QTest::qWaitFor([&window] {
    return window.frameGeometry() == QRect(0, 0, 1280, 922);
  })) << "never placed again";
  EXPECT_EQ(window.findChild<QWidget*>("imgSplitter")->x(), window.width() / 2);
  fs::remove_all(dir);
}

TEST(StartupSequenceTest, TheMainWindowCarriesTheProgramIcon) {
  test::PlatformDouble platform;
  MainForm form(platform);
  EXPECT_FALSE(form.Window().windowIcon().isNull());
  form.Actions().CreateFindDialog();
  ASSERT_NE(form.Actions().FindDialogInstance(), nullptr);
  EXPECT_EQ(form.Actions().FindDialogInstance()->windowIcon().cacheKey(),
            form.Window().windowIcon().cacheKey());
}

TEST(StartupSequenceTest, EmptyTailEndsAtOnceWithoutAnyWindow) {
  test::PlatformDouble platform;
  MainForm form(platform);
  EXPECT_FALSE(form.Load(""));
  EXPECT_EQ(platform.ends, 1);
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(form.Progress(), nullptr);
  EXPECT_FALSE(form.Window().isVisible());
}

// When the user presses Close, as the progress window shows it.
enum class CloseAt {
  FirstYield,       // just after the window appears: during the loading
  FullBar,          // a binary pair decided, its verdict not yet shown
  ComparisonLabel,  // the comparison phase has begun
};

struct CloseCase {
  const char* name;
  std::string left;
  std::string right;
  CloseAt at;
};

void PrintTo(const CloseCase& c, std::ostream* os) { *os << c.name; }

// Presses `close` as `watched` is shown.
struct ClickOnShow : QObject {
  explicit ClickOnShow(QPushButton* close) : close(close) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) close->click();
    return QObject::eventFilter(watched, event);
  }
  QPushButton* close;
};

class CloseTest : public testing::TestWithParam<CloseCase> {};

TEST_P(CloseTest, EndsTheRunWithoutAMessageOrTheMainWindow) {
  const CloseCase& c = GetParam();
  const fs::path dir = fs::temp_directory_path() / ("qfc-close-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  std::ofstream(dir / "a", std::ios::binary) << c.left;
  std::ofstream(dir / "b", std::ios::binary) << c.right;
  test::PlatformDouble platform;
  MainForm form(platform);
  std::unique_ptr<ClickOnShow> clicker;
  // Runs at the first yield after the progress window appears.
  QTimer::singleShot(0, [&] {
    QPushButton* close = form.Progress()->CloseButton();
    switch (c.at) {
      case CloseAt::FirstYield:
        close->click();
        break;
      case CloseAt::FullBar:
        QObject::connect(form.Progress()->findChild<QProgressBar*>(), &QProgressBar::valueChanged,
                         close, [close](int value) {
                           if (value == 100) close->click();
                         });
        break;
      case CloseAt::ComparisonLabel:
        clicker = std::make_unique<ClickOnShow>(close);
        for (QLabel* label : form.Progress()->findChildren<QLabel*>()) {
          if (label->text() == QString::fromLatin1(kComparisonLabelText)) {
            label->installEventFilter(clicker.get());
          }
        }
        break;
    }
  });
  EXPECT_FALSE(form.Load("/1:" + (dir / "a").string() + " /2:" + (dir / "b").string()));
  EXPECT_TRUE(platform.messages.empty()) << platform.messages.front().text;
  EXPECT_FALSE(form.Window().isVisible());
  fs::remove_all(dir);
}

// The binary pairs would show a verdict, the text pair the main window.
INSTANTIATE_TEST_SUITE_P(
    Table, CloseTest,
    testing::Values(
        CloseCase{"DuringTheLoading", Lines("\n", 50), Lines("\n", 50), CloseAt::FirstYield},
        CloseCase{"BeforeTheBinaryVerdict", Lines("\n", 12), Lines("\n", 13), CloseAt::FullBar},
        CloseCase{"DuringTheComparison", Lines("\r\n", 400), Lines("\r\n", 400, "other "),
                  CloseAt::ComparisonLabel}),
    [](const testing::TestParamInfo<CloseCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace qfc
