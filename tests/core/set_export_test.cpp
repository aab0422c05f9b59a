// SPDX-License-Identifier: MIT
// Pictures of function-set files without a window: the picture of a loaded
// set against the picture of the same functions typed and plotted, refused
// records, picture names and formats, and the two export commands over an
// in-memory file system.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <mutex>
#include <sstream>
#include <utility>

#include "functionsets/function_set.h"
#include "export/no_windows.h"
#include "export/set_export.h"
#include "plot/commands.h"
#include "plot/numtext.h"
#include "settings/settings_file.h"
#include "settings/settings_record.h"
#include "startup/clock.h"
#include "tests/support/fake_startup.h"
#include "tests/support/fake_ui.h"
#include "tests/support/memory_set_files.h"
#include "tests/support/sample_sets.h"

namespace graf::testing {
namespace {

struct Fn {
  Kind kind;
  std::string a, b, c;
};

std::vector<Color> pixelsOf(const Raster& r) { return {r.data(), r.data() + Raster::Width * Raster::Height}; }

// A sample set as the user types it.
std::vector<Fn> typed(const std::vector<SampleFunction>& fns) {
  std::vector<Fn> out;
  for (const SampleFunction& f : fns)
    out.push_back({f.kind, twoDecimals(f.a), twoDecimals(f.b), f.kind == Kind::Linear ? "" : twoDecimals(f.c)});
  return out;
}

class SetPictureTest : public CoreTest {
 protected:
  // Plots the functions as the user does, and returns the set file of them.
  std::vector<std::uint8_t> plotAndSave(const std::vector<Fn>& fns) {
    for (const Fn& f : fns) plot(f.kind, f.a, f.b, f.c);
    return encodeFunctionSet(st.table, "próba");
  }
};

// The settings a start may bring: the picture follows them.
struct StartCase {
  const char* name;
  void (*apply)(PlotState&);
};
const StartCase kStarts[] = {
    {"defaults", [](PlotState&) {}},
    {"own colours, step 0.5",
     [](PlotState& s) {
       s.settings.ColorLinear = 0x123456;
       s.settings.ColorQuadratic = 0x00FFFF;
       s.settings.ColorQuadratic2 = 0x800080;
       s.settings.ColorAbsolute = 0x000000;
       s.settings.ColorGrid = 0xFFC0C0;
       s.settings.SampleStep = 0.5;
     }},
    {"step 1.0", [](PlotState& s) { s.settings.SampleStep = 1.0; }},
};

TEST_F(SetPictureTest, ALoadedSetShowsWhatTheSameFunctionsPlottedByHandShow) {
  const std::vector<std::pair<const char*, std::vector<Fn>>> sets = {
      {"one function", typed(oneFunction())},
      {"four kinds", typed(fourKinds())},
      {"fifty functions", typed(fiftyFunctions())},
  };
  for (const StartCase& start : kStarts) {
    for (const auto& [name, fns] : sets) {
      SCOPED_TRACE(std::string(start.name) + ", " + name);
      PlotState fresh;
      start.apply(fresh);
      // The same program typing the functions in.
      PlotState typed = fresh;
      Raster typedPicture;
      FakeUi typedUi;
      LoadSession typedSession(typedUi);
      Commands typing(typed, typedPicture, Ports{typedUi, typedSession});
      typedUi.attach(typing);
      for (const Fn& f : fns) {
        typing.selectKind(f.kind);
        typedUi.type(f.a, f.b, f.c);
        typing.plotCommand();
      }
      ASSERT_EQ(typed.table.FunctionCount, fns.size());
      const std::vector<std::uint8_t> bytes = encodeFunctionSet(typed.table, "próba");

      Raster shown;
      const SetPicture result = pictureOfSet(fresh, bytes, shown);
      ASSERT_TRUE(result.loaded);
      EXPECT_EQ(pixelsOf(shown), pixelsOf(typedPicture));
      // Only the full table brings a message: the load's replot meets the maximum.
      const std::vector<ShownMessage> expected =
          fns.size() == 50
              ? std::vector<ShownMessage>{{MessageType::Information, "Information", "Függvényábrázolási maximum elérve!"}}
              : std::vector<ShownMessage>{};
      EXPECT_EQ(result.messages, expected);
    }
  }
}

TEST_F(SetPictureTest, TheStartsZoomAndPanDoNotCarryIntoThePicture) {
  const auto bytes = plotAndSave({{Kind::Linear, "0", "10", ""}});
  const auto atRest = pixelsOf(pic);
  PlotState moved;
  moved.view.ZoomFactor = 4;
  moved.view.PanX = -64;
  moved.view.PanY = 32;
  Raster shown;
  ASSERT_TRUE(pictureOfSet(moved, bytes, shown).loaded);
  EXPECT_EQ(pixelsOf(shown), atRest);
  EXPECT_EQ(shown.pixel(205, 160), 0u) << "the origin at rest";
  EXPECT_EQ(shown.pixel(100, 120), DefaultColorLinear) << "y = 10 lies 40 pixels above it";
}

TEST_F(SetPictureTest, ARefusedRecordLeavesThePictureAsItWas) {
  const auto good = plotAndSave({{Kind::Linear, "2", "-1", ""}, {Kind::Quadratic, "1", "0", "0"}});
  const auto damaged = [&](auto change) {
    auto bytes = good;
    change(bytes);
    return bytes;
  };
  const std::vector<std::pair<const char*, std::vector<std::uint8_t>>> cases = {
      {"1853 bytes", damaged([](auto& b) { b.pop_back(); })},
      {"1855 bytes", damaged([](auto& b) { b.push_back(0); })},
      {"empty file", {}},
      {"count 0", damaged([](auto& b) { b[52] = '0'; })},
      {"kind 7", damaged([](auto& b) { b[56] = '7'; })},
      {"A text not a number", damaged([](auto& b) { b[205] = 'x'; })},
  };
  for (const auto& [name, bytes] : cases) {
    SCOPED_TRACE(name);
    Raster before;
    before.create();
    before.setPixel(7, 9, 0x123456);
    Raster picture = before;
    const SetPicture result = pictureOfSet(PlotState{}, bytes, picture);
    EXPECT_FALSE(result.loaded);
    EXPECT_EQ(result.messages,
              (std::vector<ShownMessage>{{MessageType::Error, "Error", "A függvényeket tartalmazó fájl hibás!"}}));
    EXPECT_EQ(pixelsOf(picture), pixelsOf(before));
  }
}

TEST(ExportStep, TheStoredClockChoosesTheStepWhileOptimisationIsOn) {
  struct Case {
    std::optional<std::string> stored;
    bool optimizeOn;
    double stepRead;  // the step of the settings file
    double step;
  };
  const Case cases[] = {
      {"499", true, 0.5, 1.0},  {"500", true, 1.0, 0.5},   {"1499", true, 0.1, 0.5},
      {"1500", true, 1.0, 0.1}, {" 2400", true, 1.0, 0.1}, {"-5", true, 0.1, 1.0},
      // No clock measured yet: the start would measure it; the picture takes 0.1.
      {std::nullopt, true, 1.0, 0.1}, {"0", true, 0.5, 0.1}, {"abc", true, 1.0, 0.1},
      // Optimisation off: the settings file's step, whatever the clock.
      {"499", false, 0.5, 0.5}, {std::nullopt, false, 1.0, 1.0},
  };
  for (const Case& c : cases) {
    FakeClockStore store;
    if (c.stored) store.values[kClockValueName] = *c.stored;
    Settings settings;
    settings.OptimizeOn = c.optimizeOn;
    settings.SampleStep = c.stepRead;
    chooseStepFromStoredClock(settings, store);
    EXPECT_EQ(settings.SampleStep, c.step) << c.stored.value_or("(none)") << " optimise " << c.optimizeOn;
    EXPECT_TRUE(store.writes.empty()) << "nothing is stored";
  }
}

// The settings file as the start finds it.
class FoundSettingsFile : public SettingsFilePort {
 public:
  SettingsFileContent content;
  int writes = 0;
  std::string displayName() const override { return "beallit.ini"; }
  SettingsFileContent read() override { return content; }
  bool write(const SettingsRecord&, std::string&) override {
    ++writes;
    return true;
  }
};

TEST(ExportStart, TheSettingsFileGivesColoursAndStepAndTheClockRuleFollows) {
  PlotState stored;
  stored.settings.ColorLinear = 0x123456;
  stored.settings.ColorGrid = 0x00FFFF;
  stored.settings.SampleStep = 0.5;
  SettingsRecord record{};
  struct Case {
    const char* name;
    bool optimizeOn;
    const char* clock;
    double step;
  };
  const Case cases[] = {
      {"optimisation off: the stored step", false, "2400", 0.5},
      {"optimisation on: the clock's step", true, "400", 1.0},
      {"optimisation on, no clock yet: 0.1", true, "", 0.1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    stored.settings.OptimizeOn = c.optimizeOn;
    fillRecord(stored, record);
    FoundSettingsFile file;
    file.content = {SettingsFileContent::Outcome::Opened, SettingsRecordSize, record, ""};
    FakeClockStore clock;
    if (*c.clock) clock.values[kClockValueName] = c.clock;
    std::vector<std::string> notes;
    const PlotState st = pictureStartState(file, clock, notes);
    EXPECT_EQ(st.settings.ColorLinear, 0x123456u);
    EXPECT_EQ(st.settings.ColorGrid, 0x00FFFFu);
    EXPECT_EQ(st.settings.ColorQuadratic, DefaultColorQuadratic);
    EXPECT_EQ(st.settings.SampleStep, c.step);
    EXPECT_TRUE(notes.empty());
    EXPECT_EQ(file.writes, 0);
    EXPECT_TRUE(clock.writes.empty());
  }
}

TEST(ExportStart, AMissingOrDamagedSettingsFileGivesTheDefaultsAndANote) {
  SettingsRecord damaged{};
  const std::vector<std::tuple<const char*, SettingsFileContent, bool>> cases = {
      {"missing", {SettingsFileContent::Outcome::Missing, 0, std::nullopt, ""}, false},
      {"unreadable", {SettingsFileContent::Outcome::Refused, 0, std::nullopt, "nincs hozzá jogosultság"}, true},
      {"40 bytes", {SettingsFileContent::Outcome::Opened, 40, std::nullopt, ""}, true},
      {"empty texts", {SettingsFileContent::Outcome::Opened, SettingsRecordSize, damaged, ""}, true},
  };
  for (const auto& [name, content, noted] : cases) {
    SCOPED_TRACE(name);
    FoundSettingsFile file;
    file.content = content;
    FakeClockStore clock;
    clock.values[kClockValueName] = "800";
    std::vector<std::string> notes;
    const PlotState st = pictureStartState(file, clock, notes);
    EXPECT_EQ(st.settings.ColorLinear, DefaultColorLinear);
    EXPECT_EQ(st.settings.ColorGrid, DefaultColorGrid);
    EXPECT_EQ(st.settings.SampleStep, 0.5) << "the clock's step";
    ASSERT_EQ(notes.size(), noted ? 1u : 0u);
    if (noted) {
      EXPECT_NE(notes[0].find("beallit.ini"), std::string::npos) << notes[0];
    }
  }
}

TEST(PictureNames, FormatFollowsTheEndingInAnyCase) {
  const std::vector<std::pair<const char*, std::optional<PictureFormat>>> cases = {
      {"kep.bmp", PictureFormat::Bitmap}, {"KEP.BMP", PictureFormat::Bitmap},
      {"a/b.Bmp", PictureFormat::Bitmap}, {"kep.png", PictureFormat::Png},
      {"kep.PNG", PictureFormat::Png},    {"kep.jpg", std::nullopt},
      {"lap.svg", PictureFormat::Svg},    {"LAP.Svg", PictureFormat::Svg},
      {"lap.pdf", PictureFormat::Pdf},    {"a/LAP.PDF", PictureFormat::Pdf},
      {"svg", std::nullopt},              {"lap.svgz", std::nullopt},
      {"kep", std::nullopt},              {"bmp", std::nullopt},
      {"kep.bmp.txt", std::nullopt},      {"kep.png/", std::nullopt},
  };
  for (const auto& [path, format] : cases) EXPECT_EQ(pictureFormatFor(path), format) << path;
}

TEST(PictureNames, ASetGivesItsNameWithPng) {
  const std::vector<std::pair<const char*, const char*>> cases = {
      {"fuggvenyek1.fv", "fuggvenyek1.png"},
      {"munka/lapok/parabola.FV", "parabola.png"},
      {"két pont.fv", "két pont.png"},
      {"a.b.fv", "a.b.png"},
      {"halmaz.dat", "halmaz.dat.png"},
      {"halmaz", "halmaz.png"},
      {".fv", ".fv.png"},
  };
  for (const auto& [set, picture] : cases) EXPECT_EQ(pictureNameForSet(set), picture) << set;
}

// An in-memory file system.
class MemoryFiles : public ExportFiles {
 public:
  MemorySetFiles sets;
  std::map<std::string, std::pair<PictureFormat, std::vector<Color>>> pictures;
  std::map<std::string, std::string> unwritable;  // path → reason
  std::vector<std::string> folders;               // created, in order
  std::string folderProblem;                      // makeFolder fails with it
  std::map<std::string, int> scales;              // path → scale of the written picture
  std::mutex lock;                                // the export of a folder writes from several threads

  SetFilePort& setFiles() override { return sets; }
  bool writePicture(const std::string& path, PictureFormat format, const Raster& picture, int scale,
                    std::string& reason) override {
    const std::lock_guard<std::mutex> hold(lock);
    if (unwritable.count(path)) {
      reason = unwritable.at(path);
      return false;
    }
    pictures[path] = {format, pixelsOf(picture)};
    scales[path] = scale;
    return true;
  }
  std::map<std::string, std::pair<PictureFormat, PictureDrawing>> drawings;
  bool writeDrawing(const std::string& path, PictureFormat format, const PictureDrawing& drawing,
                    std::string& reason) override {
    const std::lock_guard<std::mutex> hold(lock);
    if (unwritable.count(path)) {
      reason = unwritable.at(path);
      return false;
    }
    drawings[path] = {format, drawing};
    return true;
  }
  bool makeFolder(const std::string& path, std::string& reason) override {
    if (!folderProblem.empty()) {
      reason = folderProblem;
      return false;
    }
    folders.push_back(path);
    return true;
  }
  std::string inFolder(const std::string& folder, const std::string& name) override { return folder + "/" + name; }
};

class ExportCommands : public SetPictureTest {
 protected:
  void SetUp() override {
    good = plotAndSave({{Kind::Linear, "2", "-1", ""}, {Kind::AbsoluteValue, "1", "3", "-5"}});
    goodPixels = pixelsOf(pic);
    damaged = good;
    damaged.pop_back();
  }
  std::vector<std::uint8_t> good, damaged;
  std::vector<Color> goodPixels;
  MemoryFiles files;
  std::ostringstream out, err;
};

TEST_F(ExportCommands, OnePictureInTheFormatOfItsName) {
  files.sets.files["a.fv"] = good;
  EXPECT_EQ(exportPicture(PlotState{}, files, "kep.BMP", "a.fv", err), kExportDone);
  EXPECT_EQ(exportPicture(PlotState{}, files, "kep.png", "a.fv", err), kExportDone);
  ASSERT_EQ(files.pictures.size(), 2u);
  EXPECT_EQ(files.pictures.at("kep.BMP").first, PictureFormat::Bitmap);
  EXPECT_EQ(files.pictures.at("kep.png").first, PictureFormat::Png);
  EXPECT_EQ(files.pictures.at("kep.BMP").second, goodPixels);
  EXPECT_EQ(files.pictures.at("kep.png").second, goodPixels);
  EXPECT_EQ(err.str(), "");
}

TEST_F(ExportCommands, OnePictureRefusedWritesNothingAndSaysWhy) {
  files.sets.files["hibas.fv"] = damaged;
  files.sets.files["jo.fv"] = good;
  files.sets.unreadable["titkos.fv"] = "nincs hozzá jogosultság";
  files.unwritable["tele/kep.png"] = "írási hiba (No space left on device)";
  files.unwritable["tele/kep.svg"] = "írási hiba (No space left on device)";
  const std::vector<std::tuple<const char*, const char*, const char*>> cases = {
      {"kep.png", "hibas.fv", "grafolin: hibas.fv: A függvényeket tartalmazó fájl hibás!\n"},
      {"kep.png", "titkos.fv", "grafolin: titkos.fv: nem olvasható: nincs hozzá jogosultság\n"},
      {"kep.png", "nincs.fv", "grafolin: nincs.fv: nem olvasható: a fájl nem létezik\n"},
      {"kep.jpg", "jo.fv", "grafolin: kep.jpg: a kép neve \".bmp\", \".png\", \".svg\" vagy \".pdf\" végű legyen\n"},
      {"tele/kep.png", "jo.fv", "grafolin: tele/kep.png: a kép nem írható: írási hiba (No space left on device)\n"},
      {"tele/kep.svg", "jo.fv", "grafolin: tele/kep.svg: a kép nem írható: írási hiba (No space left on device)\n"},
  };
  for (const auto& [picture, set, message] : cases) {
    std::ostringstream e;
    EXPECT_EQ(exportPicture(PlotState{}, files, picture, set, e), kExportRefused) << set;
    EXPECT_EQ(e.str(), message);
  }
  EXPECT_TRUE(files.pictures.empty());
  EXPECT_TRUE(files.drawings.empty());
}

// The maximum message is said once, also when the view takes a redraw of
// its own after the load's.
TEST_F(ExportCommands, TheMaximumMessageIsANoteAndThePictureIsWritten) {
  const auto full = plotAndSave(typed(fiftyFunctions()));
  files.sets.files["teli.fv"] = full;
  ExportView far;
  far.up = kMaxPanUp;
  far.zoom = 2;
  for (const ExportView& view : {ExportView{}, far}) {
    std::ostringstream e;
    EXPECT_EQ(exportPicture(PlotState{}, files, "teli.png", "teli.fv", e, view), kExportDone);
    EXPECT_EQ(e.str(), "grafolin: teli.fv: Függvényábrázolási maximum elérve!\n");
  }
  ASSERT_TRUE(files.pictures.count("teli.png"));
  Raster farPicture;
  ASSERT_TRUE(pictureOfSet(PlotState{}, full, farPicture, far).loaded);
  EXPECT_EQ(files.pictures.at("teli.png").second, pixelsOf(farPicture));
  EXPECT_EQ(exportPicture(PlotState{}, files, "teli.png", "teli.fv", err), kExportDone);
  EXPECT_EQ(files.pictures.at("teli.png").second, pixelsOf(pic));
}

// A hand-made set loads whatever the size of its numbers: an earlier
// function out of −100..100 is drawn; a last one is withdrawn by the load's
// plot run as a typed one would be, the others are written and the message
// is a note. Neither is a refusal.
TEST_F(ExportCommands, AHandMadeSetWithLargerCoefficientsIsWritten) {
  auto firstSteep = good;  // A of the first function: 150
  firstSteep[204] = 3;
  std::copy_n("150", 3, firstSteep.begin() + 205);
  auto lastFar = good;  // B of the last function: 300
  lastFar[754 + 11] = 3;
  std::copy_n("300", 3, lastFar.begin() + 754 + 12);
  files.sets.files["meredek.fv"] = firstSteep;
  files.sets.files["tavoli.fv"] = lastFar;

  EXPECT_EQ(exportPicture(PlotState{}, files, "meredek.png", "meredek.fv", err), kExportDone);
  EXPECT_EQ(err.str(), "");
  EXPECT_EQ(exportPicture(PlotState{}, files, "tavoli.png", "tavoli.fv", err), kExportDone);
  EXPECT_EQ(err.str(), "grafolin: tavoli.fv: Ezt még át kéne egyszer gondolni!\n");

  // y = 150x − 1 passes (205, 164) and the top row next to the y axis.
  const std::vector<Color>& steep = files.pictures.at("meredek.png").second;
  const auto at = [](const std::vector<Color>& p, int x, int y) { return p[static_cast<std::size_t>(y) * 393 + x]; };
  EXPECT_EQ(at(steep, 205, 164), PlotState{}.settings.ColorLinear);
  EXPECT_NE(steep, goodPixels);
  // The others alone, as typed.
  cmd.clearAll();
  plot(Kind::Linear, "2", "-1");
  EXPECT_EQ(files.pictures.at("tavoli.png").second, pixelsOf(pic));
}

TEST_F(ExportCommands, AFolderGetsOneLinePerSetAndGoesOnAfterARefusal) {
  files.sets.files["a.fv"] = good;
  files.sets.files["hibas.fv"] = damaged;
  files.sets.files["masik/b.FV"] = good;
  files.sets.files["masik/a.fv"] = good;
  files.unwritable["kepek/c.png"] = "nincs hozzá jogosultság";
  files.sets.files["c.fv"] = good;
  const int status =
      exportFolder(PlotState{}, files, "kepek", {"a.fv", "hibas.fv", "nincs.fv", "masik/b.FV", "masik/a.fv", "c.fv"},
                   out, err);
  EXPECT_EQ(status, kExportRefused);
  EXPECT_EQ(out.str(),
            "a.fv: kiírva: kepek/a.png\n"
            "masik/b.FV: kiírva: kepek/b.png\n");
  EXPECT_EQ(err.str(),
            "grafolin: hibas.fv: elutasítva: A függvényeket tartalmazó fájl hibás!\n"
            "grafolin: nincs.fv: elutasítva: nem olvasható: a fájl nem létezik\n"
            "grafolin: masik/a.fv: elutasítva: a(z) kepek/a.png képet már egy korábbi halmaz írta ebben a futásban\n"
            "grafolin: c.fv: elutasítva: a(z) kepek/c.png kép nem írható: nincs hozzá jogosultság\n");
  ASSERT_EQ(files.pictures.size(), 2u);
  for (const auto& [path, picture] : files.pictures) {
    EXPECT_EQ(picture.first, PictureFormat::Png) << path;
    EXPECT_EQ(picture.second, goodPixels) << path;
  }
  EXPECT_EQ(files.folders, std::vector<std::string>{"kepek"});
}

TEST_F(ExportCommands, AFolderOfWrittenPicturesEndsWell) {
  files.sets.files["a.fv"] = good;
  files.sets.files["b.fv"] = good;
  EXPECT_EQ(exportFolder(PlotState{}, files, "ki", {"a.fv", "b.fv"}, out, err), kExportDone);
  EXPECT_EQ(out.str(), "a.fv: kiírva: ki/a.png\nb.fv: kiírva: ki/b.png\n");
  EXPECT_EQ(err.str(), "");
}

TEST_F(ExportCommands, NoFolderIsMadeWhenEverySetIsRefused) {
  files.sets.files["hibas.fv"] = damaged;
  EXPECT_EQ(exportFolder(PlotState{}, files, "kepek", {"hibas.fv", "nincs.fv"}, out, err), kExportRefused);
  EXPECT_TRUE(files.folders.empty());
  EXPECT_TRUE(files.pictures.empty());
  EXPECT_EQ(out.str(), "");
}

TEST_F(ExportCommands, AFolderThatCannotBeMadeRefusesEverySetByName) {
  files.sets.files["a.fv"] = good;
  files.sets.files["b.fv"] = good;
  files.folderProblem = "nem mappa";
  EXPECT_EQ(exportFolder(PlotState{}, files, "kepek", {"a.fv", "b.fv"}, out, err), kExportRefused);
  EXPECT_EQ(err.str(),
            "grafolin: a.fv: elutasítva: a(z) kepek mappa nem használható: nem mappa\n"
            "grafolin: b.fv: elutasítva: a(z) kepek mappa nem használható: nem mappa\n");
  EXPECT_TRUE(files.pictures.empty());
}


// Pictures staged for one sync take their places at the commit; one that
// cannot is refused with the reason, a folder that holds none is removed
// again, and the progress follows every set and is taken away at the end.
class StagingFiles : public MemoryFiles {
 public:
  std::map<std::string, std::string> failsAtCommit;  // path → reason
  std::vector<std::pair<std::size_t, std::string>> staged;
  int removals = 0;
  bool stagePicture(std::size_t ticket, const std::string& path, PictureFormat format, const Raster& picture, int scale,
                    std::string& reason) override {
    if (!writePicture(path + ".staged", format, picture, scale, reason)) return false;
    const std::lock_guard<std::mutex> hold(lock);
    staged.emplace_back(ticket, path);
    return true;
  }
  std::vector<std::pair<std::size_t, std::string>> commitPictures() override {
    const std::lock_guard<std::mutex> hold(lock);
    std::vector<std::pair<std::size_t, std::string>> results;
    for (const auto& [ticket, path] : std::exchange(staged, {})) {
      auto node = pictures.extract(path + ".staged");
      if (failsAtCommit.count(path)) {
        results.emplace_back(ticket, failsAtCommit.at(path));
        continue;
      }
      node.key() = path;
      pictures.insert(std::move(node));
      results.emplace_back(ticket, "");
    }
    return results;
  }
  void removeMadeFolders() override { ++removals; }
  std::string shownPath(const std::string& path) override { return "<" + path + ">"; }
};

class RecordedProgress : public ExportProgress {
 public:
  std::vector<std::size_t> done;
  std::string last = "none";
  void show(std::size_t d, std::size_t total, const std::string& current) override {
    done.push_back(d);
    EXPECT_EQ(total, 3u);
    last = current;
  }
  void clear() override { last = "cleared"; }
};

TEST_F(ExportCommands, StagedPicturesTakeTheirPlacesAtTheCommitOrAreRefusedWithTheReason) {
  StagingFiles staging;
  staging.sets.files["a.fv"] = good;
  staging.sets.files["b.fv"] = good;
  staging.sets.files["c.fv"] = damaged;
  staging.failsAtCommit["ki/b.png"] = "nincs elég hely a lemezen";
  RecordedProgress progress;
  EXPECT_EQ(exportFolder(PlotState{}, staging, "ki", {"a.fv", "b.fv", "c.fv"}, out, err, {}, 2, {}, &progress),
            kExportRefused);
  EXPECT_EQ(out.str(), "<a.fv>: kiírva: <ki/a.png>\n");
  EXPECT_EQ(err.str(),
            "grafolin: <b.fv>: elutasítva: a(z) <ki/b.png> kép nem írható: nincs elég hely a lemezen\n"
            "grafolin: <c.fv>: elutasítva: A függvényeket tartalmazó fájl hibás!\n");
  ASSERT_EQ(staging.pictures.size(), 1u);
  EXPECT_EQ(staging.pictures.at("ki/a.png").second, goodPixels);
  EXPECT_EQ(staging.removals, 0) << "the folder holds a picture";
  std::sort(progress.done.begin(), progress.done.end());
  EXPECT_EQ(progress.done, (std::vector<std::size_t>{1, 2, 3}));
  EXPECT_EQ(progress.last, "cleared");

  staging.failsAtCommit["ki/a.png"] = "nincs elég hely a lemezen";
  std::ostringstream o, e;
  EXPECT_EQ(exportFolder(PlotState{}, staging, "ki", {"a.fv", "b.fv"}, o, e), kExportRefused);
  EXPECT_EQ(o.str(), "");
  EXPECT_EQ(staging.removals, 1) << "a folder that holds no picture goes again";
}

// The views of the command line against the same program driven by its
// buttons: load, the zoom button until the zoom shows, the pan buttons, "123".
TEST_F(SetPictureTest, AViewShowsWhatTheButtonsShowAfterTheSameLoad) {
  const std::vector<std::uint8_t> four = plotAndSave(typed(fourKinds()));
  cmd.clearAll();
  const std::vector<std::uint8_t> fifty = plotAndSave(typed(fiftyFunctions()));
  // A last function out of range: the load withdraws it and the fields hold
  // the one before, whose coefficients have more than two decimals.
  cmd.clearAll();
  std::vector<std::uint8_t> withdrawn = plotAndSave({{Kind::Quadratic, "0.125", "-1.375", "2"}, {Kind::Linear, "1", "2", ""}});
  withdrawn[204 + 11] = 3;
  std::copy_n("500", 3, withdrawn.begin() + 204 + 12);
  struct Case {
    const std::vector<std::uint8_t>& set;
    int zoom, right, up;
    bool numbers;
  };
  const Case cases[] = {{four, 1, 0, 0, true},       {four, 2, 0, 0, false},     {four, 4, 0, 0, true},
                        {four, 8, 5, -3, true},      {four, 4, -5, 2, false},    {four, 1, 3, 7, true},
                        {fifty, 2, -2, 40, true},    {withdrawn, 4, 1, -1, true}};
  for (const Case& c : cases) {
    const std::vector<std::uint8_t>& set = c.set;
    SCOPED_TRACE(std::to_string(c.zoom) + "x, pan " + std::to_string(c.right) + "," + std::to_string(c.up) +
                 (c.numbers ? ", numbers" : ""));
    // A fresh program loading the set, then the user pressing the buttons.
    PlotState byHand;
    Raster handPicture;
    RecordingText handText;
    handPicture.setTextRenderer(&handText);
    NoWindows handUi;
    LoadSession handSession(handUi);
    Commands hand(byHand, handPicture, Ports{handUi, handSession});
    hand.setFunctionList(&handUi);
    handSession.beginAttempt();
    ASSERT_TRUE(loadFunctionSet(hand, handSession, handUi, set));
    for (int presses = 0; byHand.view.ZoomFactor != c.zoom; ++presses) {
      ASSERT_LT(presses, 3);
      hand.zoomStep();
    }
    for (int i = 0; i < c.right; ++i) hand.panStep(PanDirection::Right);
    for (int i = 0; i < -c.right; ++i) hand.panStep(PanDirection::Left);
    for (int i = 0; i < c.up; ++i) hand.panStep(PanDirection::Up);
    for (int i = 0; i < -c.up; ++i) hand.panStep(PanDirection::Down);
    EXPECT_EQ(byHand.view.PanX, -32 * c.right);
    EXPECT_EQ(byHand.view.PanY, 32 * c.up);
    if (c.numbers) hand.numberAxes();

    RecordingText exportText;
    ExportView view;
    view.zoom = c.zoom;
    view.right = c.right;
    view.up = c.up;
    view.numbers = c.numbers;
    view.text = &exportText;
    ASSERT_EQ(viewProblem(view), "");
    Raster exported;
    ASSERT_TRUE(pictureOfSet(PlotState{}, set, exported, view).loaded);
    EXPECT_EQ(pixelsOf(exported), pixelsOf(handPicture));
    // The numbers are the ones "123" writes, at the same places.
    ASSERT_EQ(exportText.entries.size(), handText.entries.size());
    EXPECT_EQ(exportText.entries.empty(), !c.numbers);
    for (std::size_t i = 0; i < exportText.entries.size(); ++i) {
      EXPECT_EQ(exportText.entries[i].text, handText.entries[i].text);
      EXPECT_EQ(exportText.entries[i].x, handText.entries[i].x);
      EXPECT_EQ(exportText.entries[i].y, handText.entries[i].y);
    }
    if (c.zoom != 1 || c.right != 0 || c.up != 0) {
      Raster plain;
      ASSERT_TRUE(pictureOfSet(PlotState{}, set, plain).loaded);
      EXPECT_NE(pixelsOf(plain), pixelsOf(exported)) << "the view changes the picture";
    }
  }
}

TEST(ExportViewBounds, TheButtonsBoundsAndTheScalesRange) {
  struct Case {
    int zoom, right, up, scale;
    bool good;
  };
  const Case cases[] = {
      {1, 0, 0, 1, true},     {8, 5, 10000, 8, true}, {2, -5, -10000, 4, true}, {3, 0, 0, 1, false},
      {0, 0, 0, 1, false},    {16, 0, 0, 1, false},   {1, 6, 0, 1, false},      {1, -6, 0, 1, false},
      {1, 0, 10001, 1, false}, {1, 0, -10001, 1, false}, {1, 0, 0, 0, false},   {1, 0, 0, 9, false},
  };
  for (const Case& c : cases) {
    ExportView view;
    view.zoom = c.zoom;
    view.right = c.right;
    view.up = c.up;
    view.scale = c.scale;
    EXPECT_EQ(viewProblem(view).empty(), c.good)
        << c.zoom << " " << c.right << "," << c.up << " x" << c.scale << ": " << viewProblem(view);
  }
}

TEST_F(ExportCommands, TheScaleAndTheViewReachEveryPicture) {
  files.sets.files["a.fv"] = good;
  ExportView view;
  view.zoom = 2;
  view.scale = 3;
  EXPECT_EQ(exportPicture(PlotState{}, files, "kep.png", "a.fv", err, view), kExportDone);
  EXPECT_EQ(exportFolder(PlotState{}, files, "ki", {"a.fv"}, out, err, view, 2), kExportDone);
  Raster zoomed;
  ASSERT_TRUE(pictureOfSet(PlotState{}, good, zoomed, view).loaded);
  for (const char* path : {"kep.png", "ki/a.png"}) {
    EXPECT_EQ(files.scales.at(path), 3) << path;
    EXPECT_EQ(files.pictures.at(path).second, pixelsOf(zoomed)) << path;
  }
}

// Any number of threads gives the lines, the status and the pictures of one.
TEST_F(ExportCommands, ThreadsChangeNothingThatCanBeSeen) {
  const auto other = plotAndSave({{Kind::Quadratic, "-3", "1", "2"}});
  files.sets.files["a.fv"] = good;
  files.sets.files["hibas.fv"] = damaged;
  files.sets.files["masik/a.fv"] = other;
  files.sets.files["harmadik/hibas.fv"] = good;
  files.unwritable["kepek/c.png"] = "nincs hozzá jogosultság";
  files.sets.files["c.fv"] = good;
  std::vector<std::string> sets = {"hibas.fv", "a.fv", "nincs.fv", "masik/a.fv", "harmadik/hibas.fv", "c.fv"};
  for (int i = 0; i < 30; ++i) {
    const std::string name = "sok/" + std::to_string(i) + ".fv";
    files.sets.files[name] = i % 7 == 3 ? damaged : (i % 2 ? good : other);
    sets.push_back(name);
  }
  std::string firstOut, firstErr;
  std::map<std::string, std::pair<PictureFormat, std::vector<Color>>> firstPictures;
  for (const unsigned workers : {1u, 2u, 5u, 64u, 0u}) {
    SCOPED_TRACE(workers);
    files.pictures.clear();
    files.folders.clear();
    std::ostringstream o, e;
    EXPECT_EQ(exportFolder(PlotState{}, files, "kepek", sets, o, e, {}, workers), kExportRefused);
    EXPECT_EQ(files.folders, std::vector<std::string>{"kepek"});
    if (workers == 1) {
      firstOut = o.str();
      firstErr = e.str();
      firstPictures = files.pictures;
      // The earlier of two sets of one name writes; a refused one leaves the
      // name to the next.
      EXPECT_NE(firstErr.find("grafolin: masik/a.fv: elutasítva: a(z) kepek/a.png képet már"), std::string::npos);
      EXPECT_NE(firstOut.find("harmadik/hibas.fv: kiírva: kepek/hibas.png\n"), std::string::npos);
      EXPECT_EQ(files.pictures.at("kepek/a.png").second, goodPixels);
      continue;
    }
    EXPECT_EQ(o.str(), firstOut);
    EXPECT_EQ(e.str(), firstErr);
    EXPECT_TRUE(files.pictures == firstPictures);
  }
}

}  // namespace
}  // namespace graf::testing
