// The longest text an edit field of the window (and --set in the command line) takes. Every
// redraw evaluates and analyses the terms in full, so its time grows with their length; this
// bound keeps a redraw with every option on near a second (see bench/bench_term_length.cpp)
// while a long Fourier sum still fits.
#pragma once

namespace plotwerk::plot {

inline constexpr int kMaxFieldLength = 4000;

}  // namespace plotwerk::plot
