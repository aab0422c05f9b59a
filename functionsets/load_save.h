// SPDX-License-Identifier: MIT
#pragma once
// Saving the function table with a comment into a function-set file, and
// loading one back: every step of "Ment", "Tölt", "Töltés mégsem" and of the
// window's activation. The save/load window only shows and asks (SaveLoadPort);
// the files are reached through SetFilePort.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "functionsets/function_set.h"
#include "functionsets/load_session.h"
#include "plot/commands.h"

namespace graf {

// The file system, as saving and loading use it. Reasons are Hungarian and
// end with the system's own words.
class SetFilePort {
 public:
  virtual ~SetFilePort() = default;
  virtual bool exists(const std::string& path) const = 0;
  // Reads the regular file `path`, at most `limit` + 1 bytes of it (enough
  // to tell a file that is too long). A pipe, a device or a folder is
  // refused without blocking.
  virtual bool read(const std::string& path, std::size_t limit, std::vector<std::uint8_t>& bytes,
                    std::string& reason) = 0;
  // Replaces `path` by a file of exactly `bytes`, or leaves it as it was.
  virtual bool replace(const std::string& path, const std::vector<std::uint8_t>& bytes, std::string& reason) = 0;
  // Writes `path` as a new file of exactly `bytes`, complete before it gets
  // the name, and only if no file has that name: Exists when another program
  // took it first, even a moment before.
  enum class NewFile { Created, Exists, Failed };
  virtual NewFile create(const std::string& path, const std::vector<std::uint8_t>& bytes, std::string& reason) = 0;
  // The path as a message names it: absolute.
  virtual std::string displayPath(const std::string& path) const = 0;
};

// The save/load window, as far as saving and loading show and ask.
class SaveLoadPort {
 public:
  virtual ~SaveLoadPort() = default;
  virtual std::string comment() const = 0;            // Edit1
  virtual bool automaticFileName() const = 0;         // "Automatikus fájlnév"
  // The file dialogs; nothing when the user cancelled.
  virtual std::optional<std::string> askFileToSave() = 0;
  virtual std::optional<std::string> askFileToOpen() = 0;
  virtual void setSaveLabel(const std::string& text) = 0;  // Label1
  virtual void setSaveEnabled(bool enabled) = 0;           // "Ment"
  virtual void setLoadedComment(const std::string& text) = 0;  // Edit2
  virtual void setAckAndDiscardEnabled() = 0;  // "Betöltés OK", "Töltés mégsem"
  virtual void closeWindow() = 0;
};

// The save label of the save/load window while nothing is stored.
inline constexpr const char* NothingToSaveText = "Nincs mit menteni";

// The automatic name number k (1, 2, …): fuggvenyek1.fv, fuggvenyek2.fv, ….
std::string automaticSetFileName(int k);

// The refusal of a save whose coefficient no text of the file can hold: it
// names the function, the coefficient and its value.
std::string unsavableMessage(const UnsavableCoefficient& coefficient);

// Loads a set from the bytes of a file. A record that is not a well-formed
// set is refused before anything changes: the beep (when sounds are on) and
// the error box "A függvényeket tartalmazó fájl hibás!". Otherwise the old
// set is cleared and the new one put into the table, the list and the
// picture, with the progress window running. Returns whether it loaded.
bool loadFunctionSet(Commands& cmd, LoadSession& session, SaveLoadPort& window,
                     const std::vector<std::uint8_t>& bytes);

// The save and load sequences of the save/load window.
class SaveLoad {
 public:
  SaveLoad(Commands& cmd, LoadSession& session, SaveLoadPort& window, SetFilePort& files)
      : cmd_(cmd), session_(session), window_(window), files_(files) {}

  // The window became active: "Ment" and its label follow the count, and
  // the file name starts again at "fuggvenyek1.fv".
  void activate();
  // "Ment": the record, encoded once, goes to the automatic name or the one
  // the dialog gives; a complete save closes the window. A file that cannot
  // be written is reported and left as it was; a set with a coefficient that
  // the file cannot hold is refused before any name is chosen.
  void save();
  // "Tölt": the open dialog, then loadFile.
  void load();
  // The steps of "Tölt" after its dialog, with the same refusals and
  // messages. Returns whether the set was loaded.
  bool loadFile(const std::string& path);
  // "Töltés mégsem": nothing to save, and everything is cleared.
  void discard();

  // The file of the last save or load.
  const std::string& setFileName() const { return SetFileName; }

 private:
  bool loadChosenFile(const std::string& path);
  // "Ment" and its label follow the number of stored functions.
  void showWhatCanBeSaved();
  void endAttempt();
  void fileError(const char* what, const std::string& path, const std::string& reason);

  Commands& cmd_;
  LoadSession& session_;
  SaveLoadPort& window_;
  SetFilePort& files_;
  std::string SetFileName = "fuggvenyek1.fv";
};

}  // namespace graf
