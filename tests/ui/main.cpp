// Test entry of ui_tests: one QApplication for every window test.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // Test discovery runs the binary without the test environment; it needs no display either.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The offscreen screen is 800 x 600 unless told otherwise; the window fits itself to its
  // screen, so the tests give it a desktop screen on which it opens at its design size.
  const QString screen_file = QDir::temp().filePath(QString("ui_tests_screen_%1.json").arg(getpid()));
  if (qgetenv("QT_QPA_PLATFORM") == "offscreen") {
    QFile file(screen_file);
    if (file.open(QIODevice::WriteOnly)) {
      file.write(R"({"screens": [{"name": "test", "x": 0, "y": 0, "width": 1920, "height": 1200,
                     "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
      file.close();
      qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screen_file).toLocal8Bit());
    }
  }
  QApplication app(argc, argv);
  const int result = RUN_ALL_TESTS();
  QFile::remove(screen_file);
  return result;
}
