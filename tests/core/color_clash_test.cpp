// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "settings/color_clash.h"

namespace graf {
namespace {

constexpr Color White = 0xFFFFFF;

TEST(ColorClash, DefaultsPass) { EXPECT_EQ(colorClashMessage(PlotState{}), ""); }

TEST(ColorClash, Examples) {
  PlotState grid;
  grid.settings.ColorGrid = White;
  EXPECT_EQ(colorClashMessage(grid), "négyzetháló színe egyezik a háttér színével;");

  PlotState both;
  both.settings.ColorLinear = White;
  both.settings.ColorSum = White;
  both.settings.ColorQuadratic2 = both.settings.ColorQuadratic;
  EXPECT_EQ(colorClashMessage(both),
            "elsőfokú, összegfüggvény színe egyezik a háttér színével; másodfokú és másodfokú 2 színe megegyezik");

  PlotState second;
  second.settings.ColorQuadratic = second.settings.ColorQuadratic2 = 0x808080;
  EXPECT_EQ(colorClashMessage(second), " másodfokú és másodfokú 2 színe megegyezik");
}

// Every colour alone; white auxiliary lines count also while they are off.
TEST(ColorClash, EachWhiteColourAlone) {
  const struct {
    Color Settings::*color;
    const char* name;
  } cases[] = {
      {&Settings::ColorLinear, "elsőfokú"},     {&Settings::ColorQuadratic, "másodfokú"},
      {&Settings::ColorQuadratic2, "másodfokú2"}, {&Settings::ColorAbsolute, "abszolútértékes"},
      {&Settings::ColorAuxLines, "segédvonal"}, {&Settings::ColorGrid, "négyzetháló"},
      {&Settings::ColorSum, "összegfüggvény"},
  };
  for (const auto& c : cases) {
    PlotState st;
    st.settings.AuxLinesOn = false;
    st.settings.*c.color = White;
    EXPECT_EQ(colorClashMessage(st), std::string(c.name) + " színe egyezik a háttér színével;");
  }
}

TEST(ColorClash, AllWhiteInTableOrder) {
  PlotState st;
  st.settings.ColorLinear = st.settings.ColorQuadratic = st.settings.ColorQuadratic2 = st.settings.ColorAbsolute = White;
  st.settings.ColorAuxLines = st.settings.ColorGrid = st.settings.ColorSum = White;
  EXPECT_EQ(colorClashMessage(st),
            "elsőfokú, másodfokú, másodfokú2, abszolútértékes, segédvonal, négyzetháló, összegfüggvény színe "
            "egyezik a háttér színével; másodfokú és másodfokú 2 színe megegyezik");
}

// Only the two second-degree families are compared with each other.
TEST(ColorClash, OtherEqualPairsPass) {
  PlotState st;
  st.settings.ColorLinear = st.settings.ColorAbsolute = st.settings.ColorSum = st.settings.ColorGrid = 0x808080;
  st.settings.ColorQuadratic = 0x808080;
  EXPECT_EQ(colorClashMessage(st), "");
}

}  // namespace
}  // namespace graf
