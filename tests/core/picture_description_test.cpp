// SPDX-License-Identifier: MIT
#include "picture/picture_description.h"

#include <gtest/gtest.h>

namespace graf {
namespace {

void add(PlotState& st, Kind kind, double a, double b, double c) {
  const int n = ++st.table.FunctionCount;
  st.table.FunctionKind[n] = kind;
  st.table.CoefA[n] = a;
  st.table.CoefB[n] = b;
  st.table.CoefC[n] = c;
}

TEST(PictureDescription, SaysThePictureIsEmptyAtItsZoom) {
  PlotState st;
  EXPECT_EQ(PictureDescription(st), "Nagyítás: 1x. Nincs ábrázolt függvény.");
  st.view.ZoomFactor = 8;
  EXPECT_EQ(PictureDescription(st), "Nagyítás: 8x. Nincs ábrázolt függvény.");
}

TEST(PictureDescription, ReadsEveryFunctionAsItsListRow) {
  PlotState st;
  st.view.ZoomFactor = 2;
  add(st, Kind::Linear, 1, -2, 0);
  add(st, Kind::AbsoluteValue, -0.5, 100, 3);
  EXPECT_EQ(PictureDescription(st),
            "Nagyítás: 2x. 2 függvény: 01. Elsőfokú 1.00 -2.00 -; 02. Absz. értékes -0.50 100.00 3.00.");
}

TEST(PictureDescription, NamesAllFiftyFunctions) {
  PlotState st;
  for (int i = 0; i < MaxFunctions; ++i) add(st, Kind::Quadratic, i, 0, 0);
  const std::string text = PictureDescription(st);
  EXPECT_NE(text.find("50 függvény: 01. Másodfokú 0.00 0.00 0.00;"), std::string::npos) << text;
  EXPECT_NE(text.find("; 50. Másodfokú 49.00 0.00 0.00."), std::string::npos) << text;
}

}  // namespace
}  // namespace graf
