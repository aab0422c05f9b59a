// SPDX-License-Identifier: MIT
#include "settings/color_clash.h"

namespace graf {

std::string colorClashMessage(const PlotState& st) {
  const struct {
    Color color;
    const char* name;
  } colors[] = {
      {st.settings.ColorLinear, "elsőfokú"},     {st.settings.ColorQuadratic, "másodfokú"},   {st.settings.ColorQuadratic2, "másodfokú2"},
      {st.settings.ColorAbsolute, "abszolútértékes"}, {st.settings.ColorAuxLines, "segédvonal"}, {st.settings.ColorGrid, "négyzetháló"},
      {st.settings.ColorSum, "összegfüggvény"},
  };
  std::string message;
  for (const auto& c : colors) {
    if (c.color != BackgroundWhite) continue;
    if (!message.empty()) message += ", ";
    message += c.name;
  }
  if (!message.empty()) message += " színe egyezik a háttér színével;";
  if (st.settings.ColorQuadratic == st.settings.ColorQuadratic2) message += " másodfokú és másodfokú 2 színe megegyezik";
  return message;
}

}  // namespace graf
