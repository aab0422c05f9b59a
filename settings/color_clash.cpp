#include "settings/color_clash.h"

namespace graf {

std::string colorClashMessage(const PlotState& st) {
  const struct {
    Color color;
    const char* name;
  } colors[] = {
      {st.ColorLinear, "elsőfokú"},     {st.ColorQuadratic, "másodfokú"},   {st.ColorQuadratic2, "másodfokú2"},
      {st.ColorAbsolute, "abszolútértékes"}, {st.ColorAuxLines, "segédvonal"}, {st.ColorGrid, "négyzetháló"},
      {st.ColorSum, "összegfüggvény"},
  };
  std::string message;
  for (const auto& c : colors) {
    if (c.color != BackgroundWhite) continue;
    if (!message.empty()) message += ", ";
    message += c.name;
  }
  if (!message.empty()) message += " színe egyezik a háttér színével;";
  if (st.ColorQuadratic == st.ColorQuadratic2) message += " másodfokú és másodfokú 2 színe megegyezik";
  return message;
}

}  // namespace graf
