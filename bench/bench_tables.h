// SPDX-License-Identifier: MIT
#pragma once
// The tables the redraw benchmarks draw: 50 functions each, sampled every
// 0.1, at a given zoom.
#include <cstddef>

#include "plot/kind.h"
#include "plot/plot_state.h"

namespace graf::bench {

// 50 functions of all four kinds in turn, coefficients ±100 with the signs
// varying from function to function, sampled every 0.1: most curves leave
// the picture at once.
inline graf::PlotState fullTable(int zoom) {
  graf::PlotState st;
  st.view.ZoomFactor = zoom;
  st.settings.SampleStep = 0.1;
  st.table.FunctionCount = graf::MaxFunctions;
  for (int i = 1; i <= graf::MaxFunctions; ++i) {
    st.table.FunctionKind[i] = graf::Kinds[static_cast<std::size_t>((i - 1) % 4)].kind;
    st.table.CoefA[i] = (i & 1) ? 100 : -100;
    st.table.CoefB[i] = (i & 2) ? 100 : -100;
    st.table.CoefC[i] = (i & 4) ? 100 : -100;
  }
  return st;
}

// 50 curves with A = ±100 that all cross the picture near the origin at
// every zoom: B and C within a few units, so each curve runs from the top or
// bottom edge to the other in a few columns.
inline graf::PlotState steepTable(int zoom) {
  graf::PlotState st;
  st.view.ZoomFactor = zoom;
  st.settings.SampleStep = 0.1;
  st.table.FunctionCount = graf::MaxFunctions;
  for (int i = 1; i <= graf::MaxFunctions; ++i) {
    st.table.FunctionKind[i] = graf::Kinds[static_cast<std::size_t>((i - 1) % 4)].kind;
    st.table.CoefA[i] = (i & 1) ? 100 : -100;
    st.table.CoefB[i] = ((i * 7) % 11 - 5) * 0.5 / zoom;
    st.table.CoefC[i] = ((i * 5) % 9 - 4) * 0.5 / zoom;
  }
  return st;
}

// 50 gentle curves that stay inside the picture over its whole width at the
// given zoom (the coefficients are scaled with it): every sample is drawn,
// the most work per sample.
inline graf::PlotState flatTable(int zoom) {
  graf::PlotState st;
  st.view.ZoomFactor = zoom;
  st.settings.SampleStep = 0.1;
  st.table.FunctionCount = graf::MaxFunctions;
  const double z = zoom;
  for (int i = 1; i <= graf::MaxFunctions; ++i) {
    const double t = (i - 25.5) / 25.0;  // −1 .. 1 over the table
    const graf::Kind kind = graf::Kinds[static_cast<std::size_t>((i - 1) % 4)].kind;
    st.table.FunctionKind[i] = kind;
    switch (kind) {
      case graf::Kind::Linear: st.table.CoefA[i] = 0.3 * t, st.table.CoefB[i] = 20 * t / z; break;
      case graf::Kind::Quadratic:
        st.table.CoefA[i] = 0.005 * t * z, st.table.CoefB[i] = 0.1 * t, st.table.CoefC[i] = -20 * t / z;
        break;
      case graf::Kind::Quadratic2:
        st.table.CoefA[i] = -0.004 * t * z, st.table.CoefB[i] = 5 * t / z, st.table.CoefC[i] = 20 * t / z;
        break;
      case graf::Kind::AbsoluteValue:
        st.table.CoefA[i] = 0.25 * t, st.table.CoefB[i] = -5 * t / z, st.table.CoefC[i] = -20 * t / z;
        break;
    }
  }
  return st;
}

struct Table {
  const char* name;
  graf::PlotState (*make)(int zoom);
};
inline constexpr Table Tables[] = {{"mixed", fullTable}, {"steep", steepTable}, {"flat", flatTable}};

}  // namespace graf::bench
