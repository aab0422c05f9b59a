#pragma once
// Saving the function table with a comment into a function-set file, and
// loading one back: the sequence of steps, apart from the dialogs and the
// file system, which the window supplies.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "functionsets/function_set.h"
#include "plot/commands.h"

namespace graf {

// What loading needs of the save/load window and the progress window beyond
// the ports that the commands already use.
class SaveLoadPort {
 public:
  virtual ~SaveLoadPort() = default;
  virtual void showProgressWindow() = 0;  // captioned "Betöltés..."
  virtual void closeProgressWindow() = 0;
  virtual void setLoadedComment(const std::string& text) = 0;  // Edit2
  virtual void setAckAndDiscardEnabled() = 0;  // "Betöltés OK", "Töltés mégsem"
  virtual void setSaveEnabled(bool enabled) = 0;  // "Ment"
};

// The first of fuggvenyek1.fv, fuggvenyek2.fv, … for which `exists` is false.
std::string automaticSetFileName(const std::function<bool(const std::string&)>& exists);

// Loads a set from the bytes of a file. A record that is not a well-formed
// set is refused before anything changes: the beep (when SoundOn is 1) and
// the error box "A függvényeket tartalmazó fájl hibás!". Otherwise the old
// set is cleared and the new one put into the table, the list and the
// picture, with the progress window running. Returns whether it loaded.
bool loadFunctionSet(Commands& cmd, SaveLoadPort& window, const std::vector<std::uint8_t>& bytes);

// Starts a load attempt: the progress values go back to 0.
void beginLoadAttempt(PlotState& state);

// Ends every load attempt that did not stop with an error, also a cancelled
// or refused one: "Ment" is enabled exactly when functions are stored.
void endLoadAttempt(const PlotState& state, SaveLoadPort& window);

}  // namespace graf
