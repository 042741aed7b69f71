// Files and output of plotwerk-cli: the file named and no other (names are bytes), every write
// checked (standard output too), protected files and hard links kept, both files or neither.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/cli/cli_run.h"
#include "tests/platform/full_file_system.h"

namespace plotwerk::cli {
namespace {

using testing::ReadWholeFile;
using testing::ShellQuote;

constexpr char kPngMagic[] = "\x89PNG";
constexpr int kNobody = 65534;

// Runs what follows as an ordinary user: root may write anything.
std::string AsOrdinaryUser() {
  return ::getuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups" : "";
}

// A fresh folder, open to every user (the protected-file cases run as nobody).
class CliFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = ::testing::TempDir() + "cli_files_XXXXXX";
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern + "/";
    ::chmod(dir_.c_str(), 0777);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string Path(const std::string& name) const { return dir_ + name; }
  void Put(const std::string& name, const std::string& content) const {
    std::ofstream(Path(name), std::ios::binary) << content;
  }
  bool Exists(const std::string& name) const { return ::access(Path(name).c_str(), F_OK) == 0; }

  // Runs `shell` (plotwerk-cli is "$CLI") in the folder; standard output goes where `shell`
  // sends it, else to a file.
  testing::CliResult Run(const std::string& shell, const std::string& prefix = "") const {
    const std::string err = dir_ + ".err";
    const std::string out = dir_ + ".out";
    const std::string command = "cd " + ShellQuote(dir_) + " && export CLI=" + ShellQuote(PLOTWERK_CLI_PATH) + " && " + prefix +
                                " sh -c " + ShellQuote(shell + (shell.find('>') == std::string::npos ? " >" + out : "")) +
                                " 2>" + err;
    const int status = std::system(command.c_str());
    testing::CliResult result{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadWholeFile(out), ReadWholeFile(err)};
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return result;
  }

  std::string dir_;
};

TEST_F(CliFiles, NamesAreBytesInEveryLocale) {
  for (const char* lang : {"C.UTF-8", "C"}) {
    SCOPED_TRACE(lang);
    Put("Notiz\xEF\xBF\xBD.png", "precious");  // what a lossy decoding of \xE9 would write
    const auto render = Run(std::string("LANG=") + lang + " \"$CLI\" render --out 'Notiz\xE9.png' "
                            "--save-worksheet 'Blatt\xE9.plotwerk' && \"$CLI\" render --out 'a\xFC.png' --set c_f2=0");
    EXPECT_EQ(render.exit_code, 0) << render.err;
    EXPECT_EQ(ReadWholeFile(Path("Notiz\xEF\xBF\xBD.png")), "precious");
    EXPECT_EQ(ReadWholeFile(Path("Notiz\xE9.png")).substr(0, 4), kPngMagic);
    EXPECT_TRUE(Exists("a\xFC.png"));
    EXPECT_FALSE(Exists("a\xE9.png"));
    const auto analyse = Run(std::string("LANG=") + lang + " \"$CLI\" analyse --worksheet 'Blatt\xE9.plotwerk'");
    EXPECT_EQ(analyse.exit_code, 0) << analyse.err;
    EXPECT_NE(analyse.out.find("X*SIN(X+P)"), std::string::npos);
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directory(dir_);
  }
}

// Each case: the old file, the command, its exit code, the message, the file afterwards.
TEST_F(CliFiles, ASaveWritesTheFileNamedOrFailsWithOneMessage) {
  const std::string long_name = std::string(251, 'n') + ".png";  // 255 bytes, the longest legal name
  const struct {
    const char* what;
    std::string old_name;    // created with "old" first, when not empty
    std::string shell;
    std::string prefix;      // e.g. running as nobody
    int exit_code;
    std::string message;     // on standard error; empty: nothing at all
    std::string check_name;  // the file afterwards
    std::string check_start; // its first bytes; empty: it does not exist
  } cases[] = {
      {"longest legal name", "", "\"$CLI\" render --out " + long_name, "", 0, "", long_name, kPngMagic},
      {"write-protected", "ro.png", "\"$CLI\" render --out ro.png", "chmod 444 ro.png && " + AsOrdinaryUser(), 1,
       "plotwerk-cli render: Cannot write \"ro.png\": the file is write-protected\n", "ro.png", "old"},
      {"folder not writable", "", "\"$CLI\" render --out sub/x.png",
       "mkdir -m 555 sub && " + AsOrdinaryUser(), 1,
       "plotwerk-cli render: Cannot write \"sub/x.png\": Permission denied\n", "sub/x.png", ""},
      {"hard link", "linked.png", "ln linked.png other.png; \"$CLI\" render --out linked.png", "", 1,
       "plotwerk-cli render: Cannot write \"linked.png\": the file has 1 other hard link(s), which replacing it "
       "would break\n", "other.png", "old"},
      {"worksheet folder missing", "a.png", "\"$CLI\" render --out a.png --save-worksheet missing/x.plotwerk", "", 1,
       "plotwerk-cli render: Cannot write \"missing/x.plotwerk\": No such file or directory\n", "a.png", "old"},
      {"picture folder missing", "w.plotwerk", "\"$CLI\" render --out missing/a.png --save-worksheet w.plotwerk", "",
       1, "plotwerk-cli render: Cannot write \"missing/a.png\": No such file or directory\n", "w.plotwerk", "old"},
      {"worksheet with a key twice", "",
       "printf '{\"format\":\"evil\",\"format\":\"plotwerk-worksheet\",\"version\":1}' > two.plotwerk; \"$CLI\" "
       "render --worksheet two.plotwerk --out b.png", "", 1,
       "plotwerk-cli render: cannot open worksheet two.plotwerk: key \"format\": given twice in one object\n", "b.png",
       ""},
      {"graph width out of range", "",
       "printf '{\"format\":\"plotwerk-worksheet\",\"version\":1,\"controls\":{\"UpDown1\":7}}' > w7.plotwerk; "
       "\"$CLI\" analyse --worksheet w7.plotwerk", "", 1,
       "plotwerk-cli analyse: cannot open worksheet w7.plotwerk: key \"controls.UpDown1\": the graph width 7 lies "
       "outside 1 to 6\n", "w7.plotwerk", "{"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    if (!c.old_name.empty()) Put(c.old_name, "old");
    const auto result = Run(c.shell, c.prefix);
    EXPECT_EQ(result.exit_code, c.exit_code);
    if (c.message.empty()) {
      EXPECT_EQ(result.err.find("plotwerk-cli"), std::string::npos) << result.err;
    } else {
      EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    }
    if (c.check_start.empty()) {
      EXPECT_FALSE(Exists(c.check_name));
    } else {
      EXPECT_EQ(ReadWholeFile(Path(c.check_name)).substr(0, c.check_start.size()), c.check_start);
    }
    // No temporary file is left behind.
    for (const auto& entry : std::filesystem::directory_iterator(dir_)) {
      EXPECT_NE(entry.path().filename().string().rfind(".pw", 0), 0u) << entry.path();
    }
  }
}

TEST_F(CliFiles, OwnerAndModeOfAReplacedFileStay) {
  Put("shared.png", "old");
  ASSERT_EQ(::chmod(Path("shared.png").c_str(), 0604), 0);
  if (::chown(Path("shared.png").c_str(), kNobody, kNobody) != 0) GTEST_SKIP() << "needs root to give the file away";
  const auto result = Run("\"$CLI\" render --out shared.png");
  EXPECT_EQ(result.exit_code, 0) << result.err;
  struct stat info {};
  ASSERT_EQ(::stat(Path("shared.png").c_str(), &info), 0);
  EXPECT_EQ(info.st_uid, static_cast<uid_t>(kNobody));
  EXPECT_EQ(info.st_mode & 07777, 0604u);
  EXPECT_EQ(ReadWholeFile(Path("shared.png")).substr(0, 4), kPngMagic);
}

TEST_F(CliFiles, EveryCommandFailsWhenItsOutputIsLost) {
  const char* commands[] = {
      "eval X 1", "derive X^2", "derive --batch", "check X", "number 2", "format 8 2 3.14159",
      "analyse", "render --out p.png", "--help", "--version", "eval --batch", "render --help",
  };
  for (const char* command : commands) {
    SCOPED_TRACE(command);
    const auto result = Run("printf 'X^2\\t1\\n' | \"$CLI\" " + std::string(command) + " >/dev/full");
    EXPECT_EQ(result.exit_code, 1);
    EXPECT_NE(result.err.find("plotwerk-cli: cannot write standard output: No space left on device"),
              std::string::npos)
        << result.err;
  }
}

TEST_F(CliFiles, ABatchOnAFullFileSystemFails) {
  FullFileSystem full(QStringLiteral("old.tsv"), QByteArray("old"));
  if (!full.IsTmpfs()) GTEST_SKIP() << "needs root to mount a small file system";
  std::string input;
  for (int i = 0; i < 100000; ++i) input += "X^2\t" + std::to_string(i) + "\n";
  Put("in.tsv", input);
  const std::string out = full.Path(QStringLiteral("out.tsv")).toStdString();
  const auto result = Run("\"$CLI\" eval --batch < in.tsv > " + ShellQuote(out));
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_NE(result.err.find("cannot write standard output: No space left on device"), std::string::npos)
      << result.err;
}

}  // namespace
}  // namespace plotwerk::cli
