// A shown main window for the GUI tests, and pixel helpers on its drawing area.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QStringList>
#include <QTest>

#include <memory>

#include "ui/main_window.h"
#include "ui/worksheet_actions.h"

namespace plotwerk::ui::testing {

// Pixels of exactly this colour in the picture.
inline int CountColour(const QImage& picture, QRgb colour) {
  int n = 0;
  const QRgb wanted = colour | 0xFF000000u;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) n += (picture.pixel(x, y) | 0xFF000000u) == wanted;
  }
  return n;
}

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<MainWindow>();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }
  void TearDown() override { window.reset(); }

  QImage Picture() const { return window->DrawingArea()->Screen().copy(); }

  // The window's handler object of type A, found by its object name, with its error boxes
  // collected into `errors` instead of shown; null when the window has none.
  template <class A>
  A* ReportingInto(const char* name, QStringList& errors) const {
    auto* handler = window->findChild<A*>(name);
    if (handler != nullptr) handler->show_error = [&errors](const QString& message) { errors << message; };
    return handler;
  }

  std::unique_ptr<MainWindow> window;
};

// A shown main window whose worksheet handler collects its error boxes into `errors`.
class WorksheetWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    actions = ReportingInto<WorksheetActions>("WorksheetActions", errors);
    ASSERT_NE(actions, nullptr);
  }

  WorksheetActions* actions = nullptr;
  QStringList errors;
};

}  // namespace plotwerk::ui::testing
