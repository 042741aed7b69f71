// The recovery worksheet: written only after a change, removed on a normal end, offered and
// restored after a crash, and a damaged one ignored with a message.
#include "ui/recovery.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "window_fixture.h"

namespace plotwerk::ui {
namespace {

class RecoveryTest : public testing::WindowTest {
 protected:
  void SetUp() override {
    ::setenv("XDG_STATE_HOME", state.path().toLocal8Bit().constData(), 1);
    WindowTest::SetUp();
  }
  void TearDown() override {
    WindowTest::TearDown();
    ::unsetenv("XDG_STATE_HOME");
  }
  // A recovery keeper on the window, its question answered with `answer`.
  Recovery* Start(bool answer = true) {
    auto* recovery = new Recovery(*window);
    recovery->ask_restore = [this, answer](const QString& question) {
      questions << question;
      return answer;
    };
    recovery->show_error = [this](const QString& message) { errors << message; };
    return recovery;
  }
  static bool FileExists() { return ::access(Recovery::FilePath().c_str(), F_OK) == 0; }

  QTemporaryDir state;
  QStringList questions;
  QStringList errors;
};

TEST_F(RecoveryTest, WrittenOnlyAfterAChangeAndRemovedOnANormalEnd) {
  Recovery* recovery = Start();
  EXPECT_EQ(Recovery::FilePath(), state.path().toStdString() + "/plotwerk/recovery.plotwerk");
  recovery->SaveIfChanged();
  EXPECT_FALSE(FileExists());  // nothing changed yet
  window->Terms().f1_term->setText("X^3-X");
  window->Options().extrema->setChecked(true);
  recovery->SaveIfChanged();
  ASSERT_TRUE(FileExists());
  const auto saved = platform::ReadWorksheet(Recovery::FilePath(), nullptr);
  EXPECT_EQ(saved.controls.f1_term, "X^3-X");
  EXPECT_TRUE(saved.controls.extrema);
  delete recovery;
  EXPECT_FALSE(FileExists());
}

TEST_F(RecoveryTest, ACrashedLessonIsOfferedAndRestored) {
  Recovery* first = Start();
  window->Terms().f1_term->setText("X^2-1");
  window->Plotter().SetView({-2, 2, -3, 3});
  first->SaveIfChanged();
  ASSERT_TRUE(FileExists());
  const auto crashed = platform::ReadWorksheet(Recovery::FilePath(), nullptr);
  for (bool answer : {false, true}) {
    SCOPED_TRACE(answer);
    // A crash leaves the file behind: the next start finds it.
    window.reset(new MainWindow);
    window->show();
    platform::WriteWorksheet(Recovery::FilePath(), crashed);
    Recovery* again = Start(answer);
    again->OfferRestore();
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(QRegularExpression("^Restore the lesson of \\d\\d:\\d\\d\\?$").match(questions.takeFirst()).hasMatch());
    EXPECT_EQ(window->Terms().f1_term->text(), answer ? "X^2-1" : "X*SIN(X+P)");
    EXPECT_EQ(window->Plotter().View() == (plot::PlotView{-2, 2, -3, 3}), answer);
    EXPECT_EQ(FileExists(), answer);  // declined: discarded; restored: kept until a normal end
  }
}

TEST_F(RecoveryTest, ADamagedFileIsIgnoredWithAMessage) {
  for (const char* content : {"", "{\"format\": \"plotwerk-worksheet\", \"version\": 1, \"controls\": {\"UpDown1\": 7}}",
                              "\x89PNG garbage"}) {
    SCOPED_TRACE(content);
    Recovery* recovery = Start();
    std::filesystem::create_directories(state.path().toStdString() + "/plotwerk");
    std::ofstream(Recovery::FilePath()) << content;
    recovery->OfferRestore();
    EXPECT_TRUE(questions.isEmpty());
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.takeFirst().startsWith("The lesson kept from the last run cannot be restored"));
    EXPECT_FALSE(FileExists());
    EXPECT_EQ(window->Terms().f1_term->text(), "X*SIN(X+P)");
    delete recovery;
  }
}

}  // namespace
}  // namespace plotwerk::ui
