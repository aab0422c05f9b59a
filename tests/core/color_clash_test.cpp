#include <gtest/gtest.h>

#include "settings/color_clash.h"

namespace graf {
namespace {

constexpr Color White = 0xFFFFFF;

TEST(ColorClash, DefaultsPass) { EXPECT_EQ(colorClashMessage(PlotState{}), ""); }

TEST(ColorClash, Examples) {
  PlotState grid;
  grid.ColorGrid = White;
  EXPECT_EQ(colorClashMessage(grid), "négyzetháló színe egyezik a háttér színével;");

  PlotState both;
  both.ColorLinear = White;
  both.ColorSum = White;
  both.ColorQuadratic2 = both.ColorQuadratic;
  EXPECT_EQ(colorClashMessage(both),
            "elsőfokú, összegfüggvény színe egyezik a háttér színével; másodfokú és másodfokú 2 színe megegyezik");

  PlotState second;
  second.ColorQuadratic = second.ColorQuadratic2 = 0x808080;
  EXPECT_EQ(colorClashMessage(second), " másodfokú és másodfokú 2 színe megegyezik");
}

// Every colour alone; white auxiliary lines count also while they are off.
TEST(ColorClash, EachWhiteColourAlone) {
  const struct {
    Color PlotState::*color;
    const char* name;
  } cases[] = {
      {&PlotState::ColorLinear, "elsőfokú"},     {&PlotState::ColorQuadratic, "másodfokú"},
      {&PlotState::ColorQuadratic2, "másodfokú2"}, {&PlotState::ColorAbsolute, "abszolútértékes"},
      {&PlotState::ColorAuxLines, "segédvonal"}, {&PlotState::ColorGrid, "négyzetháló"},
      {&PlotState::ColorSum, "összegfüggvény"},
  };
  for (const auto& c : cases) {
    PlotState st;
    st.AuxLinesOn = 0;
    st.*c.color = White;
    EXPECT_EQ(colorClashMessage(st), std::string(c.name) + " színe egyezik a háttér színével;");
  }
}

TEST(ColorClash, AllWhiteInTableOrder) {
  PlotState st;
  st.ColorLinear = st.ColorQuadratic = st.ColorQuadratic2 = st.ColorAbsolute = White;
  st.ColorAuxLines = st.ColorGrid = st.ColorSum = White;
  EXPECT_EQ(colorClashMessage(st),
            "elsőfokú, másodfokú, másodfokú2, abszolútértékes, segédvonal, négyzetháló, összegfüggvény színe "
            "egyezik a háttér színével; másodfokú és másodfokú 2 színe megegyezik");
}

// Only the two second-degree families are compared with each other.
TEST(ColorClash, OtherEqualPairsPass) {
  PlotState st;
  st.ColorLinear = st.ColorAbsolute = st.ColorSum = st.ColorGrid = 0x808080;
  st.ColorQuadratic = 0x808080;
  EXPECT_EQ(colorClashMessage(st), "");
}

}  // namespace
}  // namespace graf
