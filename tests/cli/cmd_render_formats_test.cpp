// plotwerk-cli render --out FILE: the extension picks the writer; every format is read back.
#include <gtest/gtest.h>

#include <QImage>
#include <QSvgRenderer>
#include <unistd.h>

#include "cli_run.h"

namespace plotwerk::cli {
namespace {

using namespace testing;  // RunCli, ShellQuote, ReadWholeFile, TempPath

std::string OutPath(const std::string& name) { return TempPath("render", name); }

QImage ImageOf(const std::string& bytes) {
  return QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()));
}

TEST(RenderFormats, EveryExtensionWritesItsFormat) {
  const std::string size = " --width 200 --height 150";
  struct Case {
    const char* file;
    const char* extra;
    std::string magic;
  };
  const Case cases[] = {{"a.bmp", "", "BM"},          {"b.bmp", " --bmp16", "BM"},  {"a.gif", "", "GIF8"},
                        {"a.png", "", "\x89PNG"},     {"a.pdf", "", "%PDF-"},        {"a.svg", "", "<?xml"},
                        {"a.wmf", "", std::string("\x01\0\0\0", 4)}};
  std::string list_lines;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const std::string path = OutPath(c.file);
    const auto result = RunCli("render" + size + c.extra + " --out " + ShellQuote(path));
    ASSERT_EQ(result.exit_code, 0) << result.err;
    // The result list is printed the same whatever the format.
    if (list_lines.empty()) list_lines = result.out;
    EXPECT_EQ(result.out, list_lines);
    const std::string bytes = ReadWholeFile(path);
    ASSERT_GE(bytes.size(), c.magic.size());
    EXPECT_EQ(bytes.substr(0, c.magic.size()), c.magic);
    const std::string ext = std::string(c.file).substr(2);
    if (ext == "bmp" || ext == "gif" || ext == "png") {
      const QImage image = ImageOf(bytes);
      EXPECT_EQ(image.size(), QSize(200, 150));
      if (std::string(c.extra) == " --bmp16") {
        EXPECT_EQ(image.colorCount(), 16);
      }
    } else if (ext == "svg") {
      EXPECT_TRUE(QSvgRenderer(QByteArray::fromStdString(bytes)).isValid());
    } else if (ext == "wmf") {
      EXPECT_EQ(bytes.substr(40, 4), " EMF");  // the Enhanced Metafile signature
    }
    std::remove(path.c_str());
  }
}

// An independent EMF reader (libemf2svg, Debian package emf2svg) converts the metafile; the
// SVG it makes shows the picture's size and draws lines and text.
TEST(RenderFormats, MetafileOpensInAnIndependentReader) {
  const std::string emf = OutPath("independent.wmf"), svg = OutPath("independent.svg");
  ASSERT_EQ(RunCli("render --width 300 --height 200 --set c_f2=1 --out " + ShellQuote(emf)).exit_code, 0);
  const std::string command = "emf2svg-conv -i " + ShellQuote(emf) + " -o " + ShellQuote(svg) + " >/dev/null 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0) << "emf2svg-conv missing or failed (scripts/install-deps.sh)";
  const std::string text = ReadWholeFile(svg);
  // The converter takes the inclusive bounds 0..W-1 as the width.
  EXPECT_NE(text.find("width=\"299.0000\" height=\"199.0000\""), std::string::npos) << text.substr(0, 400);
  EXPECT_NE(text.find("X*SIN(X+P)"), std::string::npos);
  EXPECT_NE(text.find("stroke=\"#FF0000\""), std::string::npos);  // the second curve, red
  EXPECT_TRUE(QSvgRenderer(QByteArray::fromStdString(text)).isValid());
  std::remove(emf.c_str());
  std::remove(svg.c_str());
}

TEST(RenderFormats, UnknownExtensionOrMisusedFlagIsAnErrorAndWritesNothing) {
  for (const std::string& args : {std::string(" --out ") + ShellQuote(OutPath("a.jpg")),
                                  std::string(" --bmp16 --out ") + ShellQuote(OutPath("a.gif"))}) {
    const auto result = RunCli("render" + args);
    EXPECT_EQ(result.exit_code, 2) << args;
    EXPECT_NE(result.err.find("render:"), std::string::npos) << result.err;
  }
  EXPECT_EQ(::access(OutPath("a.jpg").c_str(), F_OK), -1);
  EXPECT_EQ(::access(OutPath("a.gif").c_str(), F_OK), -1);
}

TEST(RenderFormats, UnwritableTargetFailsWithTheReason) {
  const auto result = RunCli("render --out /nonexistent-folder/a.gif");
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_NE(result.err.find("/nonexistent-folder/a.gif"), std::string::npos) << result.err;
}

}  // namespace
}  // namespace plotwerk::cli
