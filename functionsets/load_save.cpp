// SPDX-License-Identifier: MIT
#include "functionsets/load_save.h"

#include <charconv>

namespace graf {

namespace {
const char* const kFirstFileName = "fuggvenyek1.fv";
}  // namespace

std::string automaticSetFileName(int k) { return "fuggvenyek" + std::to_string(k) + ".fv"; }

std::string unsavableMessage(const UnsavableCoefficient& c) {
  char buf[32];
  const auto r = std::to_chars(buf, buf + sizeof buf, c.value);
  return "A(z) " + std::to_string(c.function) + ". függvény " + c.field + " együtthatója (" +
         std::string(buf, r.ptr) + ") nem írható le pontosan a függvényfájl " +
         std::to_string(kCoefficientCapacity) + " karakterén, ezért a függvények nem menthetők.";
}

bool loadFunctionSet(Commands& cmd, LoadSession& session, SaveLoadPort& window,
                     const std::vector<std::uint8_t>& bytes) {
  FunctionSet set;
  if (!decodeFunctionSet(bytes, set).ok()) {
    cmd.alert(MessageType::Error, kDamagedSetMessage);
    return false;
  }

  session.openProgressWindow();
  cmd.clearAll();
  const int n = set.count;
  window.setLoadedComment(set.comment);
  session.start(n, set.countText);
  for (int i = 1; i <= n; ++i) {
    session.functionRead();
    cmd.storeLoadedFunction(i, set.kind[i], set.a[i], set.b[i], set.c[i]);
  }
  cmd.finishLoad(n, set.kind[n]);
  window.setAckAndDiscardEnabled();

  // The last function's texts go into the fields and are plotted again; the
  // duplicate rule keeps it from being stored twice.
  cmd.fillFields(set.aText[n], set.bText[n], set.cText[n]);
  cmd.plotCommand();
  session.closeProgressWindow();
  return true;
}

void SaveLoad::showWhatCanBeSaved() {
  const int count = cmd_.state().table.FunctionCount;
  window_.setSaveLabel(count > 0 ? "Mentendő függvények: " + std::to_string(count) : NothingToSaveText);
  window_.setSaveEnabled(count > 0);
}

void SaveLoad::activate() {
  showWhatCanBeSaved();
  SetFileName = kFirstFileName;
}

void SaveLoad::fileError(const char* what, const std::string& path, const std::string& reason) {
  cmd_.showMessage(MessageType::Error, "A(z) „" + files_.displayPath(path) + "” fájl " + what + ": " + reason + ".");
}

void SaveLoad::save() {
  SetFileName = kFirstFileName;

  // A file holds its comment in Windows-1250; a character that code page
  // lacks is stored as "?", and the user is told so before choosing a name.
  std::string unencodable;
  UnsavableCoefficient unsavable;
  const std::vector<std::uint8_t> record =
      encodeFunctionSet(cmd_.state().table, window_.comment(), &unencodable, &unsavable);
  if (record.empty()) {
    // No text of the file's ten characters reads back as this coefficient:
    // nothing is written, rather than a file that holds another function.
    cmd_.alert(MessageType::Error, unsavableMessage(unsavable));
    return;
  }
  if (!unencodable.empty())
    cmd_.showMessage(MessageType::Information,
                     "A megjegyzés e karaktereit a függvényfájl nem tudja tárolni: " + unencodable +
                         "\nHelyettük „?” kerül a fájlba.");

  std::string reason;
  if (window_.automaticFileName()) {
    // The first free number; a name that another program takes while this
    // one writes is left to it, and the next number is tried.
    for (int k = 1;; ++k) {
      const std::string path = automaticSetFileName(k);
      if (files_.exists(path)) continue;
      SetFileName = path;
      const SetFilePort::NewFile made = files_.create(path, record, reason);
      if (made == SetFilePort::NewFile::Exists) continue;
      if (made == SetFilePort::NewFile::Failed) {
        fileError("nem menthető", path, reason);
        return;
      }
      break;
    }
  } else {
    const std::optional<std::string> chosen = window_.askFileToSave();
    if (!chosen || chosen->empty()) return;
    SetFileName = *chosen;
    if (!files_.replace(*chosen, record, reason)) {
      fileError("nem menthető", *chosen, reason);
      return;
    }
  }
  window_.closeWindow();
}

// Every load attempt that did not stop with an error, also a cancelled or
// refused one, ends with "Ment" enabled exactly when functions are stored,
// and its label saying how many.
void SaveLoad::endAttempt() { showWhatCanBeSaved(); }

void SaveLoad::load() {
  session_.beginAttempt();
  const std::optional<std::string> path = window_.askFileToOpen();
  if (!path || path->empty()) {
    endAttempt();
    return;
  }
  loadChosenFile(*path);
}

bool SaveLoad::loadFile(const std::string& path) {
  session_.beginAttempt();
  return loadChosenFile(path);
}

bool SaveLoad::loadChosenFile(const std::string& path) {
  std::vector<std::uint8_t> bytes;
  std::string reason;
  if (!files_.read(path, kFunctionSetSize, bytes, reason)) {
    fileError("nem olvasható", path, reason);
    return false;
  }
  const bool loaded = loadFunctionSet(cmd_, session_, window_, bytes);
  if (loaded) SetFileName = path;
  endAttempt();
  return loaded;
}

void SaveLoad::discard() {
  window_.setSaveEnabled(false);
  window_.setSaveLabel(NothingToSaveText);
  cmd_.clearAll();
}

}  // namespace graf
