// Textbook functions through a whole redraw: the complete lists of zeros, extrema and inflection
// points at the printed decimals, tangents and normals at A, and the integral between A and B.
// Every expected text was worked out with a computer algebra system, not taken from the program.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "fktint/fktint.h"
#include "plot/plotter.h"
#include "plot/testing/recording_canvas.h"

namespace plotwerk::plot {
namespace {

constexpr int kWidth = plot::kDefaultAreaWidth;
constexpr int kHeight = plot::kDefaultAreaHeight;

class TextbookTest : public ::testing::Test {
 protected:
  void Draw() {
    plotter.ApplyBasicSetting(kWidth, kHeight);
    plotter.DrawCommand(controls);
    canvas.ClearCalls();
    captions = plotter.Redraw(canvas, kWidth, kHeight, controls).captions;
  }
  // The points of one section of the result list, joined by blanks ("Max(-2;16) Min(2;-16)").
  std::string Section(std::string_view heading) const {
    std::string out;
    bool inside = false;
    for (const std::string& line : plotter.Results().Lines()) {
      if (line == heading) {
        inside = true;
        continue;
      }
      if (line.empty() || line[0] != '\t') {
        inside = false;
        continue;
      }
      if (!inside) continue;
      std::string point = line.substr(1);
      if (const auto tab = point.find('\t'); tab != std::string::npos) {
        point = point.substr(0, 3) + point.substr(tab + 1);  // "Maximum\t(x;y)" -> "Max(x;y)"
      }
      out += (out.empty() ? "" : " ") + point;
    }
    return out;
  }
  bool HasText(const std::string& text) const {
    for (const auto& call : canvas.Texts()) {
      if (call.text == text) return true;
    }
    return false;
  }

  Plotter plotter;
  Controls controls;
  testing::RecordingCanvas canvas;
  Captions captions;  // as the last Draw wrote them
};

struct Analysis {
  const char* term;
  const char* zeros;
  const char* extrema;
  const char* inflections;
};

TEST_F(TextbookTest, CompleteListsOfPoints) {
  const Analysis cases[] = {
      // Polynomials: steep, scaled, high extrema, saddles, touching zeros.
      {"X^3-12*X", "-3,46 0 3,46", "Max(-2;16) Min(2;-16)", "(0;0)"},
      {"30*X^2-X^4", "-5,48 0 5,48", "Max(-3,87;225) Min(0;0) Max(3,87;225)", "(-2,24;125) (2,24;125)"},
      {"10000*X", "0", "", ""},
      {"X^2+20", "", "Min(0;20)", ""},
      {"-X^2+4*X+12", "-2 6", "Max(2;16)", ""},
      {"50*X^2-100", "-1,41 1,41", "Min(0;-100)", ""},
      {"1000*(X^2-1)", "-1 1", "Min(0;-1000)", ""},
      {"X^3", "0", "", "(0;0)"},
      {"X^3-3*X^2+3*X", "0", "", "(1;1)"},
      {"(X-1)^2", "1", "Min(1;0)", ""},
      {"X^4-8*X^2+16", "-2 2", "Min(-2;0) Max(0;16) Min(2;0)", "(-1,15;7,11) (1,15;7,11)"},
      {"X^4-4*X^3", "0 4", "Min(3;-27)", "(0;0) (2;-16)"},
      {"ABS(X^2-4)", "-2 2", "Min(-2;0) Max(0;4) Min(2;0)", "(-2;0) (2;0)"},  // kinks touch 0
      {"X^5-5*X^3", "-2,24 0 2,24", "Max(-1,73;10,39) Min(1,73;-10,39)", "(-1,22;6,43) (0;0) (1,22;-6,43)"},
      // Poles and jumps: no zero, extremum or inflection point there.
      {"1/X", "", "", ""},
      {"1/X^2", "", "", ""},
      {"1/(X-1)", "", "", ""},
      {"SGN(X)", "", "", ""},
      {"X-INT(X)", "", "", ""},
      {"(X^2+1)/X", "", "Max(-1;-2) Min(1;2)", ""},
      {"4*X/(X^2+4)", "0", "Min(-2;-1) Max(2;1)", "(-3,46;-0,87) (0;0) (3,46;0,87)"},
      {"TAN(X)", "-3,14 0 3,14", "", "(-3,14;0) (0;0) (3,14;0)"},
      {"(X^2-4)/(X-2)", "-2", "", ""},  // X+2 with a hole; its f'' term is rounding noise
      {"SIN(X)/X", "-3,14 3,14", "Min(-4,49;-0,22) Min(4,49;-0,22)",
       "(-5,94;-0,06) (-2,08;0,42) (2,08;0,42) (5,94;-0,06)"},
      // Exponential, logarithm, root: the ends of the domain.
      {"X^2*EXP(-X)", "0", "Min(0;0) Max(2;0,54)", "(0,59;0,19) (3,41;0,38)"},
      {"LN(X)/X", "1", "Max(2,72;0,37)", "(4,48;0,33)"},
      {"X*LN(X)", "1", "Min(0,37;-0,37)", ""},
      {"SQRT(X)*(X-3)", "0 3", "Min(1;-2)", ""},
      {"SQRT(4-X^2)", "-2 2", "Max(0;2)", ""},
      {"EXP(1/X)", "", "", "(-0,5;0,14)"},  // tends to 0 from the left: no zero
      // Trigonometric.
      {"20*COS(X)+X^2", "-3,87 -1,72 1,72 3,87", "Min(-2,85;-11,03) Max(0;20) Min(2,85;-11,03)",
       "(-4,81;25,16) (-1,47;4,16) (1,47;4,16) (4,81;25,16)"},
      {"X*SIN(X+1)", "-4,14 -1 0 2,14 5,28",
       "Min(-5,88;-5,8) Max(-2,9;2,74) Min(-0,52;-0,24) Max(1,25;0,97) Min(3,96;-3,84)",
       "(-4,56;-1,83) (-1,83;1,35) (0,38;0,38) (2,77;-1,62) (5,62;1,88)"},
  };
  controls.zeros = controls.extrema = controls.inflections = true;
  for (const Analysis& c : cases) {
    SCOPED_TRACE(c.term);
    controls.f1_term = c.term;
    Draw();
    EXPECT_EQ(Section("Zeros"), c.zeros);
    EXPECT_EQ(Section("Extrema"), c.extrema);
    EXPECT_EQ(Section("Inflection points"), c.inflections);
  }
}

TEST_F(TextbookTest, SearchesFollowTheFirstPlottedTerm) {
  controls.zeros = controls.extrema = true;
  controls.f1_plotted = false;
  controls.f1_term = "X^2-1";
  controls.f2_plotted = true;
  controls.f2_term = "SIN(X)";
  Draw();
  EXPECT_EQ(Section("Zeros"), "-3,14 0 3,14");
  EXPECT_EQ(Section("Extrema"), "Max(-4,71;1) Min(-1,57;-1) Max(1,57;1) Min(4,71;-1)");
}

TEST_F(TextbookTest, RoundingNoiseOfAConstantMakesNoExtremum) {
  controls.extrema = true;
  controls.f1_term = "SIN(X)^2+COS(X)^2-1";  // 0 up to a few units in the last place
  Draw();
  EXPECT_EQ(Section("Extrema"), "");
}

struct Lines {
  const char* term;
  const char* a;
  const char* tangent;
  const char* normal;
};

TEST_F(TextbookTest, TangentAndNormalFromTheDerivative) {
  const Lines cases[] = {
      {"X^3-3*X", "1", "Y = -2", "X = 1"},
      {"X^2", "1.5", "Y = 3*X-2,25", "Y = -0,333*X+2,75"},
      {"X*SIN(X+P)", "1", "Y = 0,493*X+0,416", "Y = -2,028*X+2,937"},
      {"SQRT(X)", "4", "Y = 0,25*X+1", "Y = -4*X+18"},
      {"LN(X)", "1", "Y = 1*X-1", "Y = -1*X+1"},
  };
  controls.tangent = controls.normal = true;
  for (const Lines& c : cases) {
    SCOPED_TRACE(c.term);
    controls.f1_term = c.term;
    controls.point_a_x = c.a;
    Draw();
    EXPECT_TRUE(HasText(c.tangent));
    EXPECT_TRUE(HasText(c.normal));
  }
  // Inflection tangents, four decimals: X^3-3*X at 0, a horizontal one for X^3, and
  // X^3-6*X^2+9*X at (2;2) with slope -3.
  controls.tangent = controls.normal = false;
  controls.inflection_tangents = true;
  for (const auto& [term, tangent] : {std::pair{"X^3-3*X", "Y = -3*X"}, std::pair{"X^3", "Y = 0"},
                                      std::pair{"X^3-6*X^2+9*X", "Y = -3*X+8"}}) {
    SCOPED_TRACE(term);
    controls.f1_term = term;
    Draw();
    EXPECT_TRUE(HasText(tangent));
  }
}

struct Integral {
  const char* term;
  const char* a;
  const char* b;
  const char* integral;
  const char* area;
};

TEST_F(TextbookTest, IntegralsAtThePrintedDecimals) {
  const Integral cases[] = {
      {"X^2", "0", "3", "9", "9"},
      {"SIN(X)", "0", "2*PI", "0", "4"},
      {"EXP(-X^2)", "-3", "3", "1,77", "1,77"},
      {"SIN(X)/X", "-1", "1", "1,89", "1,89"},
      {"1/SQRT(X)", "0", "1", "2", "2"},
      {"LN(X)", "0", "1", "-1", "1"},
      {"SIN(1/X)", "0", "1", "0,5", "0,77"},
      {"1/X", "-1", "2", "does not exist", "does not exist"},
      {"1/X^2", "-1", "1", "does not exist", "does not exist"},
      {"TAN(X)", "0", "3", "does not exist", "does not exist"},
      {"1/0", "0", "1", "does not exist", "does not exist"},
      {"SQRT(X)", "-1", "1", "does not exist", "does not exist"},
  };
  controls.integral = true;
  for (const Integral& c : cases) {
    SCOPED_TRACE(c.term);
    controls.f1_term = c.term;
    controls.point_a_x = c.a;
    controls.point_b_x = c.b;
    Draw();
    EXPECT_EQ(captions.integral, std::string("= ") + c.integral);
    EXPECT_EQ(captions.area, std::string("= ") + c.area);
  }
}

}  // namespace
}  // namespace plotwerk::plot
