// Saving over a write-protected file in the window: asked first; declined, the file stays;
// agreed, it is replaced and keeps its mode.
#include "ui/protected_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QFile>
#include <QTemporaryDir>

#include "ui/worksheet_actions.h"
#include "window_fixture.h"

namespace plotwerk::ui {
namespace {

class ProtectedFileTest : public testing::WorksheetWindowTest {};

TEST_F(ProtectedFileTest, TheWindowAsksBeforeReplacingAProtectedWorksheet) {
  QTemporaryDir dir;
  const QString path = dir.filePath("lesson.plotwerk");
  const std::string bytes = QFile::encodeName(path).toStdString();
  QStringList questions;
  const auto saved_question = ReplaceProtectedQuestion();
  for (bool answer : {false, true}) {
    SCOPED_TRACE(answer);
    {
      QFile old(path);
      ASSERT_TRUE(old.open(QIODevice::WriteOnly));
      old.write("old");
    }
    ASSERT_EQ(::chmod(bytes.c_str(), 0444), 0);
    ReplaceProtectedQuestion() = [&questions, answer](QWidget*, const QString& name) {
      questions << name;
      return answer;
    };
    EXPECT_EQ(actions->Save(path), answer);
    EXPECT_EQ(questions, QStringList{"lesson.plotwerk"});
    questions.clear();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().startsWith("{"), answer);
    struct stat info {};
    ASSERT_EQ(::stat(bytes.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0444u);
    ASSERT_EQ(::chmod(bytes.c_str(), 0644), 0);
  }
  EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
  ReplaceProtectedQuestion() = saved_question;
}

}  // namespace
}  // namespace plotwerk::ui
