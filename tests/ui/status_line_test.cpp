// The status line's own messages: a field's message and a derivative button's reason each clear
// only themselves, never the other one or a message shown since.
#include <gtest/gtest.h>

#include <QWidget>

#include <functional>
#include <string>
#include <vector>

#include "ui/status_line.h"

namespace plotwerk::ui {
namespace {

TEST(StatusLineTest, EachMessageClearsOnlyItself) {
  using Step = std::function<void(StatusLine&)>;
  const Step field = [](StatusLine& s) { s.SetFieldMessage("P: no value here"); };
  const Step forget_field = [](StatusLine& s) { s.ForgetFieldMessage(); };
  const Step failure = [](StatusLine& s) { s.SetDerivativeFailure("no derivative"); };
  const Step found = [](StatusLine& s) { s.SetDerivativeFailure({}); };
  const Step forget_failure = [](StatusLine& s) { s.ForgetDerivativeFailure(); };
  const Step other = [](StatusLine& s) { s.SetMessage("something else"); };
  const struct {
    std::string name;
    std::vector<Step> steps;
    QString shown;
  } cases[] = {
      {"a field message", {field}, "P: no value here"},
      {"the field reads again", {field, forget_field}, ""},
      {"a field message over a reason goes when the field reads", {failure, field, forget_field}, ""},
      {"a reason over a field message", {field, failure, forget_field}, "no derivative"},
      {"a derivative found clears the reason", {failure, found}, ""},
      {"a derivative found leaves a field message", {field, found}, "P: no value here"},
      {"a new f1 clears the reason", {failure, forget_failure}, ""},
      {"a new f1 leaves a field message", {failure, field, forget_failure}, "P: no value here"},
      {"nothing to forget", {forget_failure, forget_field}, ""},
      {"a later message stays", {failure, field, other, forget_field, forget_failure}, "something else"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QWidget parent;
    StatusLine status(&parent);
    for (const Step& step : c.steps) step(status);
    EXPECT_EQ(status.Message(), c.shown);
  }
}

}  // namespace
}  // namespace plotwerk::ui
