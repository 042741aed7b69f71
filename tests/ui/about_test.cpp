// The About window: layout, emblem, closing with Enter and Esc, and what closing it does to the
// main window.
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QTimer>

#include <functional>

#include "tests/ui/window_fixture.h"
#include "ui/about_window.h"

namespace plotwerk::ui {
namespace {

using testing::WindowTest;

// Runs `inspect` on the modal About window as soon as it is up, then sends `key` to it.
void WhenAboutIsShown(std::function<void(AboutWindow&)> inspect, Qt::Key key) {
  auto* poll = new QTimer;
  poll->setInterval(10);
  QObject::connect(poll, &QTimer::timeout, [poll, inspect, key] {
    auto* about = qobject_cast<AboutWindow*>(QApplication::activeModalWidget());
    if (about == nullptr || !about->isVisible()) return;
    poll->stop();
    poll->deleteLater();
    inspect(*about);
    QTest::keyClick(about, key);
  });
  poll->start();
}

TEST(AboutWindow, HasTheDesignedLayoutAndTheEmblemAtHalfSize) {
  AboutWindow about;
  EXPECT_EQ(about.windowTitle(), "About ...");
  EXPECT_EQ(about.size(), QSize(322, 190));
  EXPECT_EQ(about.minimumSize(), about.maximumSize()) << "fixed size";
  EXPECT_FALSE(about.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(about.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(about.name_label->geometry(), QRect(157, 12, 140, 50));
  EXPECT_EQ(about.rights_label->geometry(), QRect(134, 75, 163, 56));
  EXPECT_EQ(about.emblem_label->geometry(), QRect(36, 27, 69, 75));
  EXPECT_EQ(about.credits_label->geometry(), QRect(16, 144, 283, 28));
  EXPECT_TRUE(about.name_label->text().startsWith("Plotwerk\n"));
  EXPECT_TRUE(about.rights_label->text().contains("the Plotwerk developers"));
  EXPECT_EQ(about.name_label->font().pixelSize(), 21);
  EXPECT_TRUE(about.name_label->font().bold() && about.name_label->font().italic());
  EXPECT_EQ(about.rights_label->font().pixelSize(), 12);

  QFile file(":/plotwerk/emblem.gif");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "the emblem is embedded";
  const QByteArray gif = file.readAll();
  ASSERT_GT(gif.size(), 13);
  EXPECT_TRUE(gif.startsWith("GIF89a"));
  // Logical screen: 138 x 150, a global colour table of 2^(7+1) = 256 entries.
  EXPECT_EQ(quint8(gif[6]) | quint8(gif[7]) << 8, 138);
  EXPECT_EQ(quint8(gif[8]) | quint8(gif[9]) << 8, 150);
  EXPECT_EQ(quint8(gif[10]) & 0x87, 0x87);
  const QImage emblem = QImage::fromData(gif, "GIF");
  ASSERT_EQ(emblem.size(), QSize(138, 150));
  EXPECT_EQ(emblem.pixelColor(0, 0).alpha(), 0) << "the corners are transparent";
  EXPECT_EQ(emblem.pixelColor(69, 75).alpha(), 255);
  ASSERT_FALSE(about.emblem_label->pixmap().isNull());
  EXPECT_EQ(about.emblem_label->pixmap().deviceIndependentSize().toSize(), QSize(69, 75));
}

TEST_F(WindowTest, AboutClosesWithEnterAndWithEscapeEachTimeAsANewWindow) {
  const AboutWindow* first = nullptr;
  bool seen = false;
  WhenAboutIsShown(
      [&](AboutWindow& about) {
        first = &about;
        seen = about.isModal() && about.parentWidget() == window.get();
        // Centred over the main window.
        EXPECT_LE((about.frameGeometry().center() - window->frameGeometry().center()).manhattanLength(), 2);
      },
      Qt::Key_Return);
  window->Menu().about_item->trigger();  // returns when the window has closed
  EXPECT_TRUE(seen);

  bool second_seen = false;
  WhenAboutIsShown([&](AboutWindow&) { second_seen = true; }, Qt::Key_Escape);
  window->OnAboutClicked();
  EXPECT_TRUE(second_seen);
  EXPECT_TRUE(window->findChildren<AboutWindow*>().isEmpty()) << "each About window is released";
  EXPECT_TRUE(window->isVisible()) << "Esc closed the About window, not the program";
}

TEST_F(WindowTest, ReturningFromAboutKeepsTheViewAndRedraws) {
  // A view the teacher has zoomed to stays when the About window closes.
  window->Plotter().SetView({1, 2, 3, 4});
  int repaints = 0;
  QObject::connect(window.get(), &MainWindow::Repainted, [&] { ++repaints; });
  WhenAboutIsShown([](AboutWindow&) {}, Qt::Key_Escape);
  window->OnAboutClicked();
  EXPECT_TRUE(QTest::qWaitFor([&] { return repaints > 0; }));
  EXPECT_EQ(window->Plotter().View(), (plot::PlotView{1, 2, 3, 4}));
}

TEST_F(WindowTest, OtherDialogsDoNotCountAsAnotherFormOfTheProgram) {
  // A message box or a file dialog is no form of the program: after it the view stays.
  window->Plotter().SetView({1, 2, 3, 4});
  int activations = 0;
  QObject::connect(window.get(), &MainWindow::Activated, [&] { ++activations; });
  QDialog plain(window.get());
  QTimer::singleShot(0, &plain, [&] {
    ASSERT_TRUE(QTest::qWaitForWindowActive(&plain));
    plain.reject();
  });
  plain.exec();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  QApplication::processEvents();
  EXPECT_EQ(activations, 0);
  EXPECT_DOUBLE_EQ(window->Plotter().View().x_min, 1);

  WhenAboutIsShown([](AboutWindow&) {}, Qt::Key_Escape);
  window->OnAboutClicked();
  EXPECT_TRUE(QTest::qWaitFor([&] { return activations == 1; }));
}

}  // namespace
}  // namespace plotwerk::ui
