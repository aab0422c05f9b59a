// SPDX-License-Identifier: MIT
// The desktop program's core, built natively, run on a script of the user's
// actions: the reference that the browser test compares the page with where
// the desktop's command line has no counterpart (sums, traces, marked
// points, typed functions), and the writer of the test's set files through
// the desktop's own save.
//
// One command a line, on standard input:
//   fn KIND A B C         a function for the next "writeset"
//   writeset PATH COMMENT the set of the "fn" lines, as the desktop saves it
//   load PATH             the desktop's load of a set file
//   resave PATH COMMENT   the desktop's save of the functions now stored
//   aux 0|1               the auxiliary lines switch of the settings
//   kind N | field I TEXT | plot | zoom | pan up|down|left|right | centre
//   numbers | move X Y | click | sum R1 R2 | trace R | clearall
//   picture PATH          the picture's pixels, 393 × 321 RGBA, row by row
//   messages              the message boxes so far, one a line, on stdout
#include <cstdint>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "export/no_windows.h"
#include "functionlist/sum.h"
#include "functionsets/function_set.h"
#include "functionsets/load_save.h"
#include "plot/commands.h"

using namespace graf;

namespace {

bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

std::string restOf(std::istringstream& in) {
  std::string rest;
  std::getline(in >> std::ws, rest);
  return rest;
}

}  // namespace

int main() {
  PlotState st;
  NoWindows windows;
  LoadSession session(windows);
  Raster picture;
  Commands cmd(st, picture, Ports{windows, session});
  cmd.setFunctionList(&windows);
  FunctionTable pending;

  std::string line;
  int lineNumber = 0;
  while (std::getline(std::cin, line)) {
    ++lineNumber;
    std::istringstream in(line);
    std::string op;
    if (!(in >> op)) continue;
    if (op == "fn") {
      int k;
      double a, b, c;
      in >> k >> a >> b >> c;
      const int i = ++pending.FunctionCount;
      pending.FunctionKind[i] = *kindOfNumber(k);
      pending.CoefA[i] = a;
      pending.CoefB[i] = b;
      pending.CoefC[i] = c;
    } else if (op == "writeset") {
      std::string path;
      in >> path;
      if (!writeFile(path, encodeFunctionSet(pending, restOf(in)))) return 1;
      pending = FunctionTable{};
    } else if (op == "load") {
      std::string path;
      in >> path;
      std::ifstream file(path, std::ios::binary);
      const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
      session.beginAttempt();
      loadFunctionSet(cmd, session, windows, bytes);
    } else if (op == "resave") {
      std::string path;
      in >> path;
      if (!writeFile(path, encodeFunctionSet(cmd.state().table, restOf(in)))) return 1;
    } else if (op == "aux") {
      int on;
      in >> on;
      st.settings.AuxLinesOn = on != 0;
    } else if (op == "kind") {
      int k;
      in >> k;
      cmd.selectKind(*kindOfNumber(k));
    } else if (op == "field") {
      int f;
      in >> f;
      cmd.fieldEdited(static_cast<Field>(f), restOf(in));
    } else if (op == "plot") {
      cmd.plotCommand();
    } else if (op == "zoom") {
      cmd.zoomStep();
    } else if (op == "pan") {
      std::string d;
      in >> d;
      cmd.panStep(d == "up"     ? PanDirection::Up
                  : d == "down" ? PanDirection::Down
                  : d == "left" ? PanDirection::Left
                                : PanDirection::Right);
    } else if (op == "centre") {
      cmd.centre();
    } else if (op == "numbers") {
      cmd.numberAxes();
    } else if (op == "move") {
      int x, y;
      in >> x >> y;
      cmd.mouseMove(x, y);
    } else if (op == "click") {
      cmd.pictureClick();
    } else if (op == "sum") {
      int r1, r2;
      in >> r1 >> r2;
      sumOfRows(cmd, {r1, r2});
    } else if (op == "trace") {
      int r;
      in >> r;
      traceRow(cmd, r);
    } else if (op == "clearall") {
      cmd.clearAll();
    } else if (op == "picture") {
      std::string path;
      in >> path;
      std::vector<std::uint8_t> rgba;
      rgba.reserve(static_cast<std::size_t>(Raster::Width) * Raster::Height * 4);
      for (int y = 0; y < Raster::Height; ++y)
        for (int x = 0; x < Raster::Width; ++x) {
          const Color c = picture.exists() ? picture.pixel(x, y) : cmd.faceColor();
          rgba.insert(rgba.end(), {std::uint8_t(c), std::uint8_t(c >> 8), std::uint8_t(c >> 16), 255});
        }
      if (!writeFile(path, rgba)) return 1;
    } else if (op == "messages") {
      for (const ShownMessage& m : windows.messages) std::cout << m.title << ": " << m.text << '\n';
    } else {
      std::cerr << "line " << lineNumber << ": unknown command " << op << '\n';
      return 2;
    }
  }
  return 0;
}
