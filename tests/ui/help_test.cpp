// The help: F1 opens it beside the main window, and its function list matches the evaluator.
#include <QAction>
#include <QFile>
#include <QMenuBar>
#include <QTextBrowser>

#include <set>
#include <string>

#include "fktint/fktint.h"
#include "tests/ui/window_fixture.h"
#include "ui/function_list.h"
#include "ui/help_window.h"

namespace plotwerk::ui {
namespace {

using testing::WindowTest;

TEST_F(WindowTest, F1OpensTheHelpWithoutBlockingTheWindow) {
  QTest::keyClick(window.get(), Qt::Key_F1);
  auto* help = window->findChild<HelpWindow*>();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_FALSE(help->isModal());
  const QString text = help->HelpText->toPlainText();
  EXPECT_TRUE(text.contains("HEAVISIDE")) << "the generated function list";
  EXPECT_FALSE(help->HelpText->toHtml().contains(kFunctionBlockStart));

  // A second F1 shows the same window again; the menu item sits beside "About ...".
  help->close();
  window->activateWindow();
  QTest::keyClick(window.get(), Qt::Key_F1);
  EXPECT_EQ(window->findChildren<HelpWindow*>().size(), 1);
  EXPECT_TRUE(help->isVisible());
  const QList<QAction*> bar = window->menuBar()->actions();
  const auto about = bar.indexOf(window->Menu().about_item);
  ASSERT_GT(about, 0);
  EXPECT_EQ(bar[about - 1]->objectName(), "help_item");
  EXPECT_EQ(bar[about - 1]->text(), "Help");
}

// Every short form the list offers calls the same function as the full name, and a prefix the
// list leaves out does not.
TEST(HelpFunctionList, ShortFormsAreExactlyTheNamesThatWork) {
  const auto functions = CallableFunctions();
  ASSERT_EQ(functions.size(), 32u) << "36 names, of which F1 to F4 are reserved";
  for (const CallableFunction& f : functions) {
    SCOPED_TRACE(f.name);
    const fktint::TermValue full = fktint::EvaluateTerm(f.name + "(0,7)", 0, 0, 0);
    ASSERT_NE(full.code, fktint::kEvalUnreadable);
    const std::set<std::string> listed(f.short_forms.begin(), f.short_forms.end());
    for (std::size_t length = 1; length < f.name.size(); ++length) {
      const std::string prefix = f.name.substr(0, length);
      const fktint::TermValue value = fktint::EvaluateTerm(prefix + "(0,7)", 0, 0, 0);
      const bool same = value.value == full.value && value.code == full.code;
      if (listed.count(prefix) != 0) {
        EXPECT_TRUE(same) << prefix << " is listed but calls something else";
      } else {
        // Either unknown (code 1) or another function's name.
        EXPECT_TRUE(!same || value.code == fktint::kEvalUnreadable) << prefix << " works but is not listed";
      }
    }
  }
}

// Both pages describe exactly the callable functions, so a name added to the table without a
// description (or a description left behind) fails here.
TEST(HelpFunctionList, EveryPageDescribesEveryFunction) {
  std::set<std::string> callable;
  for (const CallableFunction& f : CallableFunctions()) callable.insert(f.name);
  for (const char* language : {"en", "de"}) {
    SCOPED_TRACE(language);
    ASSERT_TRUE(HelpResource(language).endsWith(QString("help_%1.html").arg(language)));
    QFile file(HelpResource(language));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const FunctionBlock block = ReadFunctionBlock(QString::fromUtf8(file.readAll()));
    EXPECT_EQ(block.header.size(), 4);
    std::set<std::string> described;
    for (auto it = block.described.cbegin(); it != block.described.cend(); ++it) {
      described.insert(it.key().toStdString());
      EXPECT_FALSE(it->meaning.isEmpty() || it->domain.isEmpty()) << it.key().toStdString();
    }
    EXPECT_EQ(described, callable);
    const QString page = HelpPage(language);
    EXPECT_FALSE(page.contains(kFunctionBlockStart));
    EXPECT_TRUE(page.contains("<tt>S, SQ</tt>")) << "the short forms of SQR";
  }
  EXPECT_EQ(HelpResource("fr"), HelpResource("en")) << "no page of its own: English";
  EXPECT_TRUE(HelpPage("de").contains("Nullstellen"));
}

}  // namespace
}  // namespace plotwerk::ui
