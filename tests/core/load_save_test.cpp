// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>

#include "functionlist/function_row.h"
#include "functionsets/load_save.h"
#include "plot/numtext.h"
#include "tests/support/fake_ui.h"
#include "tests/support/memory_set_files.h"

namespace graf::testing {
namespace {

// The save/load window: what it was told, and the answers of its dialogs
// (nothing for a cancelled dialog).
class FakeSaveLoad : public SaveLoadPort {
 public:
  std::vector<std::string> asked;  // "save", "open"
  std::string typedComment = kInitialComment;
  bool automatic = true;
  std::optional<std::string> saveAnswer, openAnswer;
  std::string saveLabel = "Nincs mit menteni";
  std::string loadedComment;
  bool saveEnabled = false;
  bool ackEnabled = false;
  int closes = 0;

  std::string comment() const override { return typedComment; }
  bool automaticFileName() const override { return automatic; }
  std::optional<std::string> askFileToSave() override {
    asked.push_back("save");
    return saveAnswer;
  }
  std::optional<std::string> askFileToOpen() override {
    asked.push_back("open");
    return openAnswer;
  }
  void setSaveLabel(const std::string& t) override { saveLabel = t; }
  void setSaveEnabled(bool e) override { saveEnabled = e; }
  void setLoadedComment(const std::string& t) override { loadedComment = t; }
  void setAckAndDiscardEnabled() override { ackEnabled = true; }
  void closeWindow() override { ++closes; }
};

class LoadSave : public CoreTest {
 protected:
  FakeSaveLoad window;
  MemorySetFiles files;
  SaveLoad saveLoad{cmd, session, window, files};

  // The bytes "Ment" writes, with the automatic name in an empty folder.
  std::vector<std::uint8_t> save(const char* comment = kInitialComment) {
    files.files.clear();
    window.typedComment = comment;
    saveLoad.save();
    return files.files.at("fuggvenyek1.fv");
  }
  bool load(const std::vector<std::uint8_t>& bytes) {
    files.files["halmaz.fv"] = bytes;
    return saveLoad.loadFile("halmaz.fv");
  }
};

TEST_F(LoadSave, SaveThenLoadGivesTheSameTableListPictureAndFields) {
  plot(Kind::Linear, "2", "-1");
  plot(Kind::Quadratic2, "0.5", "1", "3");
  plot(Kind::AbsoluteValue, "-1.25", "4", "7");
  const auto bytes = save("Három függvény");
  const auto tableBefore = table();
  const auto rowsBefore = ui.rows;
  const std::vector<Color> pictureBefore(pic.data(), pic.data() + Raster::Width * Raster::Height);

  cmd.zoomStep();
  cmd.panStep(PanDirection::Up);
  cmd.panStep(PanDirection::Left);
  plot(Kind::Linear, "9", "9");
  ASSERT_TRUE(load(bytes));

  EXPECT_EQ(table(), tableBefore);
  EXPECT_EQ(ui.rows, rowsBefore);
  EXPECT_EQ(st.flags.ListedCount, 3);
  EXPECT_EQ(std::vector<Color>(pic.data(), pic.data() + Raster::Width * Raster::Height), pictureBefore);
  EXPECT_EQ(ui.kind, Kind::AbsoluteValue);
  EXPECT_EQ(ui.fields[0], "-1.25");
  EXPECT_EQ(ui.fields[1], "4.00");
  EXPECT_EQ(ui.fields[2], "7.00");
  EXPECT_EQ(st.view.ZoomFactor, 1);
  EXPECT_EQ(ui.zoomLabel, "1x");
  EXPECT_EQ(st.view.PanY, 0);
  EXPECT_EQ(st.view.PanX, 0);
  EXPECT_EQ(window.loadedComment, "Három függvény");
  EXPECT_EQ(ui.loadStatus, "Betöltött függvények: 3");
  EXPECT_TRUE(window.ackEnabled);
  EXPECT_TRUE(window.saveEnabled);
  EXPECT_FALSE(ui.progressOpen);
  EXPECT_EQ(saveLoad.setFileName(), "halmaz.fv");
  EXPECT_EQ(ui.countPanel, "Függvények száma: 3");
  EXPECT_TRUE(ui.dialogs.empty());
  // 50 div 3 = 16 per function read (48), then (100 − 48) div 4 = 13 per
  // function drawn: the plot run has counted a fourth function by then.
  EXPECT_EQ(ui.progress, (std::vector<int>{16, 32, 48, 61, 74, 87}));
  EXPECT_TRUE(session.progress().LoadMode);
  cmd.panStep(PanDirection::Down);
  EXPECT_FALSE(session.progress().LoadMode);
}

// While the loaded set is drawn, the bar moves on just before each function:
// at each move the functions before it are on the picture, itself not yet.
TEST_F(LoadSave, TheBarMovesOnBeforeEachFunctionIsDrawn) {
  for (int k = 1; k <= 3; ++k) plot(Kind::Linear, "0", std::to_string(k));
  const auto bytes = save();
  std::vector<std::string> drawnAtEachMove;
  ui.onProgress = [&](int) {
    std::string drawn;
    for (int k = 1; k <= 3; ++k)  // y = k crosses column 300 on row 160 − 4k
      if (pic.pixel(300, 160 - 4 * k) == st.settings.ColorLinear) drawn += std::to_string(k);
    drawnAtEachMove.push_back(drawn);
  };
  ASSERT_TRUE(load(bytes));
  EXPECT_EQ(ui.progress, (std::vector<int>{16, 32, 48, 61, 74, 87}));
  EXPECT_EQ(drawnAtEachMove, (std::vector<std::string>{"", "", "", "", "1", "12"}));
}

TEST_F(LoadSave, ALinearLastFunctionDisablesTheCField) {
  plot(Kind::Quadratic, "1", "0", "0");
  plot(Kind::Linear, "2", "-1");
  const auto bytes = save();
  choose(Kind::Quadratic);
  ASSERT_TRUE(ui.cEnabled);
  ASSERT_TRUE(load(bytes));
  EXPECT_EQ(ui.kind, Kind::Linear);
  EXPECT_FALSE(ui.cEnabled);
  EXPECT_EQ(ui.fields[0], "2.00");
  EXPECT_EQ(ui.fields[1], "-1.00");
}

TEST_F(LoadSave, FiftyFunctionsLoadWithOneMaximumMessage) {
  for (int i = 1; i <= 50; ++i) plot(i % 2 ? Kind::Linear : Kind::Quadratic, std::to_string(i), "1", "2");
  const auto bytes = save();
  const auto before = table();
  cmd.clearAll();
  ASSERT_TRUE(load(bytes));
  EXPECT_EQ(ui.dialogs, std::vector<Dialog>{information("Függvényábrázolási maximum elérve!")});
  EXPECT_EQ(table(), before);
  EXPECT_EQ(ui.rows.size(), 50u);
  EXPECT_EQ(ui.rows[49], FunctionRow(50, Kind::Quadratic, 50, 1, 2));
}

TEST_F(LoadSave, ADamagedFileChangesNothing) {
  plot(Kind::Linear, "1", "2");
  auto bytes = save();
  bytes[51 + 1] = 'x';  // the count text
  st.settings.SoundOn = true;
  const auto before = table();
  EXPECT_FALSE(load(bytes));
  EXPECT_FALSE(load(std::vector<std::uint8_t>(1853, 0)));
  EXPECT_EQ(ui.dialogs, (std::vector<Dialog>{kBeep, error("A függvényeket tartalmazó fájl hibás!"), kBeep,
                                                  error("A függvényeket tartalmazó fájl hibás!")}));
  EXPECT_EQ(table(), before);
  EXPECT_EQ(ui.rows.size(), 1u);
  EXPECT_TRUE(st.flags.PlotShown);
  EXPECT_FALSE(ui.progressOpen);
  EXPECT_EQ(std::count(ui.log.begin(), ui.log.end(), "show progress"), 0) << "the progress window never opened";
  EXPECT_TRUE(window.saveEnabled);
}

// Writes a coefficient text over a record, as a person editing the file would.
void putText(std::vector<std::uint8_t>& bytes, std::size_t at, const char* text) {
  bytes[at] = static_cast<std::uint8_t>(std::strlen(text));
  std::copy_n(text, std::strlen(text), bytes.begin() + static_cast<std::ptrdiff_t>(at) + 1);
}

std::vector<Color> pixelsOf(const Raster& pic) { return {pic.data(), pic.data() + Raster::Width * Raster::Height}; }

// Numbers of any size load. The load's own plot run checks the last function
// as a plot of the same function typed after the others would: out of range,
// it is withdrawn with "Ezt még át kéne egyszer gondolni!" and the others
// stay; a larger coefficient of an earlier function is drawn.
TEST_F(LoadSave, LargeCoefficientsLoadAndTheLastOneIsCheckedAsATypedOne) {
  const struct {
    const char* name;
    std::vector<std::vector<std::string>> typed;  // kind digit, A, B, C; each within the range
    std::size_t at;                               // the text made larger
    const char* text;
  } cases[] = {
      {"first A is 150", {{"1", "1", "2"}, {"1", "3", "4"}}, 204, "150"},
      {"first C is -1e300", {{"2", "1", "2", "3"}, {"1", "3", "4"}}, 1304, "-1e300"},
      {"last B is 300", {{"2", "1", "2", "3"}, {"3", "4", "5", "6"}}, 754 + 11, "300"},
      {"last A is 1000.00 of three", {{"1", "1", "0"}, {"2", "1", "2", "3"}, {"4", "1", "2", "3"}}, 204 + 22,
       "1000.00"},
      {"the only function has B 1e3", {{"4", "1", "2", "3"}}, 754, "1e3"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    // What typing gives: the functions, then the larger one where it stands
    // when it is the last.
    const auto typeAll = [&](bool withLarge) {
      cmd.clearAll();
      for (std::size_t i = 0; i < c.typed.size(); ++i) {
        std::vector<std::string> f = c.typed[i];
        f.resize(4);
        if (withLarge && i + 1 == c.typed.size() && c.at >= 204) {
          const std::size_t field = (c.at - 204) / 550, entry = (c.at - 204) % 550 / 11;
          if (entry == i) f[1 + field] = c.text;
        }
        plot(*kindOfNumber(std::stoi(f[0])), f[1], f[2], f[3]);
      }
    };
    typeAll(false);
    auto bytes = save();
    putText(bytes, c.at, c.text);
    const bool last = (c.at - 204) % 550 / 11 + 1 == c.typed.size();

    st.settings.SoundOn = true;
    std::vector<std::string> loadedTable;
    std::vector<Color> loadedPicture;
    std::vector<Dialog> loadedDialogs;
    cmd.clearAll();
    ui.dialogs.clear();
    ASSERT_TRUE(load(bytes));
    loadedTable = table();
    loadedPicture = pixelsOf(pic);
    loadedDialogs = ui.dialogs;
    EXPECT_EQ(ui.rows.size(), loadedTable.size());
    EXPECT_EQ(st.flags.ListedCount, static_cast<int>(loadedTable.size()));
    EXPECT_EQ(ui.countPanel, countPanelText(static_cast<int>(loadedTable.size())));
    EXPECT_FALSE(ui.progressOpen);

    if (last) {
      // Typed after the others, the same function is withdrawn the same way.
      ui.dialogs.clear();
      typeAll(true);
      EXPECT_EQ(loadedTable, table());
      EXPECT_EQ(loadedPicture, pixelsOf(pic));
      EXPECT_EQ(loadedDialogs, ui.dialogs);
      EXPECT_EQ(loadedDialogs, (std::vector<Dialog>{kBeep, information("Ezt még át kéne egyszer gondolni!")}));
      EXPECT_EQ(loadedTable.size(), c.typed.size() - 1);
    } else {
      EXPECT_TRUE(loadedDialogs.empty());
      ASSERT_EQ(loadedTable.size(), c.typed.size());
      double stored = 0;
      ASSERT_TRUE(parseNumber(c.text, stored));
      const std::size_t field = (c.at - 204) / 550;
      const double* column[] = {st.table.CoefA.data(), st.table.CoefB.data(), st.table.CoefC.data()};
      EXPECT_EQ(column[field][1], stored);
    }
  }
}

// The first function's steep line A = 150 (y = 150x + 2) is drawn: it
// passes the pixel of x = 0 and crosses the top row near column 205.
TEST_F(LoadSave, ASteepLineOfALoadedSetIsDrawn) {
  plot(Kind::Linear, "1", "2");
  plot(Kind::Linear, "0", "-30");
  auto bytes = save();
  putText(bytes, 204, "150");
  cmd.clearAll();
  ASSERT_TRUE(load(bytes));
  EXPECT_EQ(pic.pixel(205, 152), st.settings.ColorLinear);
  int inTopRow = 0;
  for (int x = 200; x <= 210; ++x) inTopRow += pic.pixel(x, 0) == st.settings.ColorLinear;
  EXPECT_GT(inTopRow, 0);
  EXPECT_EQ(pic.pixel(300, 280), st.settings.ColorLinear) << "the second line, y = -30";
}

// Texts that are not numbers, an infinity among them, are refused before
// anything is cleared, also in a file of 50 functions.
TEST_F(LoadSave, TextsThatAreNotNumbersAreRefusedBeforeAnythingChanges) {
  const struct {
    const char* name;
    int functions;
    std::size_t at;  // the damaged text
    const char* text;
  } cases[] = {
      {"A of the 50th is 1e400", 50, 204 + 11 * 49, "1e400"},
      {"C of the first is -1e999", 2, 1304, "-1e999"},
      {"B of the second is 1,5", 2, 754 + 11, "1,5"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    cmd.clearAll();
    for (int i = 1; i <= c.functions; ++i) plot(Kind::Quadratic, std::to_string(i), "1", "2");
    auto bytes = save();
    putText(bytes, c.at, c.text);

    cmd.clearAll();
    plot(Kind::Linear, "3", "4");
    cmd.zoomStep();
    ui.dialogs.clear();
    ui.log.clear();
    const auto before = table();
    EXPECT_FALSE(load(bytes));
    EXPECT_EQ(ui.dialogs, std::vector<Dialog>{error("A függvényeket tartalmazó fájl hibás!")});
    EXPECT_EQ(table(), before);
    EXPECT_EQ(ui.rows.size(), 1u);
    EXPECT_EQ(st.view.ZoomFactor, 2);
    EXPECT_EQ(std::count(ui.log.begin(), ui.log.end(), "show progress"), 0) << "the progress window never opened";
  }
}

// A loaded 1e15 is saved as "1e15" and loads back as 1e15, not as the first
// ten characters of "1000000000000000.00".
TEST_F(LoadSave, ALargeLoadedCoefficientIsSavedAsATextThatReadsBackTheSame) {
  plot(Kind::Quadratic, "1", "2", "3");
  plot(Kind::Linear, "1", "2");
  auto bytes = save();
  putText(bytes, 204, "1e15");
  putText(bytes, 1304, "-1234567.5");
  putText(bytes, 754, "-1e-3");
  ASSERT_TRUE(load(bytes));
  const auto saved = save();
  const auto textAt = [&](std::size_t at) {
    return std::string(saved.begin() + static_cast<std::ptrdiff_t>(at) + 1,
                       saved.begin() + static_cast<std::ptrdiff_t>(at) + 1 + saved[at]);
  };
  EXPECT_EQ(textAt(204), "1e15");
  EXPECT_EQ(textAt(754), "-0.00");
  EXPECT_EQ(textAt(1304), "-1234567.5");
  cmd.clearAll();
  ASSERT_TRUE(load(saved));
  EXPECT_EQ(st.table.CoefA[1], 1e15);
  EXPECT_EQ(st.table.CoefB[1], 0.0);
  EXPECT_EQ(st.table.CoefC[1], -1234567.5);
}

// A coefficient that no text of ten characters can hold is named, and the
// save stops before a name is chosen or anything is written.
TEST_F(LoadSave, ACoefficientTheFileCannotHoldStopsTheSaveAndIsNamed) {
  plot(Kind::Linear, "1", "2");
  plot(Kind::Quadratic, "1", "2", "3");
  for (const double large : {1.23456789e20, 99999999.99}) {
    SCOPED_TRACE(large);
    st.table.CoefB[2] = large;  // as no load or plot stores it today
    window.automatic = false;
    window.saveAnswer = "nagy.fv";
    window.asked.clear();
    ui.dialogs.clear();
    st.settings.SoundOn = false;
    saveLoad.save();
    EXPECT_EQ(ui.dialogs.size(), 1u);
    ASSERT_FALSE(ui.dialogs.empty());
    EXPECT_EQ(ui.dialogs[0].type, MessageType::Error);
    EXPECT_EQ(ui.dialogs[0].text, unsavableMessage({2, 'B', large}));
    EXPECT_NE(ui.dialogs[0].text.find("2. függvény B együtthatója"), std::string::npos) << ui.dialogs[0].text;
    EXPECT_TRUE(window.asked.empty());
    EXPECT_EQ(files.writes, 0);
    EXPECT_EQ(window.closes, 0);
  }
}

TEST_F(LoadSave, AHandMadeFirstDegreeFunctionWithACIsStoredOnce) {
  plot(Kind::Linear, "2", "-1");
  auto bytes = save();
  bytes[1304] = 4;  // C text of function 1: "5.00"
  std::copy_n("5.00", 4, bytes.begin() + 1305);
  ASSERT_TRUE(load(bytes));
  EXPECT_EQ(table(), std::vector<std::string>{"1:2:-1:0"});
  EXPECT_EQ(ui.rows.size(), 1u);
}

TEST_F(LoadSave, AutomaticNamesTakeTheFirstFreeNumberAtEverySave) {
  plot(Kind::Linear, "1", "2");
  files.files["fuggvenyek1.fv"] = {};
  files.files["fuggvenyek2.fv"] = {};
  files.unreadable["fuggvenyek4.fv"] = "nincs hozzá jogosultság";
  saveLoad.save();
  EXPECT_EQ(saveLoad.setFileName(), "fuggvenyek3.fv");
  EXPECT_EQ(files.files.at("fuggvenyek3.fv").size(), kFunctionSetSize);
  saveLoad.save();
  EXPECT_EQ(saveLoad.setFileName(), "fuggvenyek5.fv");
  EXPECT_EQ(files.writes, 2);
  EXPECT_EQ(window.closes, 2) << "a complete save closes the window";
  EXPECT_TRUE(window.asked.empty()) << "the automatic name asks nothing";
}

TEST_F(LoadSave, ASaveToAChosenNameWritesTheRecordOfTheTableAndTheComment) {
  plot(Kind::Quadratic, "0.125", "-0.125", "3");
  window.automatic = false;
  window.saveAnswer = "sajat.fv";
  window.typedComment = "Parabola";
  saveLoad.save();
  EXPECT_EQ(window.asked, std::vector<std::string>{"save"});
  EXPECT_EQ(files.files.at("sajat.fv"), encodeFunctionSet(st.table, "Parabola"));
  EXPECT_EQ(saveLoad.setFileName(), "sajat.fv");
  EXPECT_EQ(window.closes, 1);
  EXPECT_TRUE(ui.dialogs.empty());
}

TEST_F(LoadSave, ACancelledSaveDialogWritesNothingAndKeepsTheWindowOpen) {
  plot(Kind::Linear, "1", "2");
  window.automatic = false;
  window.saveAnswer = std::nullopt;
  saveLoad.save();
  EXPECT_EQ(files.writes, 0);
  EXPECT_EQ(window.closes, 0);
  EXPECT_EQ(saveLoad.setFileName(), "fuggvenyek1.fv");
  EXPECT_TRUE(ui.dialogs.empty());
}

// A file that cannot be replaced is named with the system's reason, keeps
// what it held, and the window stays open for another try.
TEST_F(LoadSave, AnUnwritableFileIsReportedAndKeptAsItWas) {
  plot(Kind::Linear, "1", "2");
  window.automatic = false;
  window.saveAnswer = "regi.fv";
  files.files["regi.fv"] = {1, 2, 3};
  files.unwritable["regi.fv"] = "nincs elég hely a lemezen (No space left on device)";
  saveLoad.save();
  EXPECT_EQ(ui.dialogs, std::vector<Dialog>{error("A(z) „/munka/regi.fv” fájl nem menthető: nincs elég hely a "
                                                 "lemezen (No space left on device).")});
  EXPECT_EQ(files.files.at("regi.fv"), (std::vector<std::uint8_t>{1, 2, 3}));
  EXPECT_EQ(window.closes, 0);
}

TEST_F(LoadSave, ACommentCharacterThatTheFileCannotHoldIsToldBeforeTheSave) {
  plot(Kind::Linear, "1", "2");
  window.automatic = false;
  window.saveAnswer = "jel.fv";
  window.typedComment = "Görbe ∞ és €";
  saveLoad.save();
  EXPECT_EQ(ui.dialogs, std::vector<Dialog>{information("A megjegyzés e karaktereit a függvényfájl nem tudja "
                                                 "tárolni: ∞\nHelyettük „?” kerül a fájlba.")});
  EXPECT_EQ(window.asked, std::vector<std::string>{"save"}) << "the message comes before the dialog";
  ASSERT_TRUE(load(files.files.at("jel.fv")));
  EXPECT_EQ(window.loadedComment, "Görbe ? és €");
}

// A file that cannot be read stops the load with its reason before anything
// changes; a cancelled dialog changes nothing either.
TEST_F(LoadSave, AnUnreadableFileOrACancelledDialogChangesNothing) {
  plot(Kind::Linear, "1", "2");
  files.unreadable["cso.fv"] = "nem közönséges fájl (például cső vagy eszköz)";
  const auto before = table();
  EXPECT_FALSE(saveLoad.loadFile("cso.fv"));
  EXPECT_EQ(ui.dialogs, std::vector<Dialog>{error("A(z) „/munka/cso.fv” fájl nem olvasható: nem közönséges "
                                                 "fájl (például cső vagy eszköz).")});
  window.openAnswer = std::nullopt;
  window.saveEnabled = false;
  saveLoad.load();
  EXPECT_EQ(window.asked, std::vector<std::string>{"open"});
  EXPECT_TRUE(window.saveEnabled) << "the end of a cancelled attempt enables \"Ment\" while functions are stored";
  EXPECT_EQ(table(), before);
  EXPECT_EQ(ui.rows.size(), 1u);
  EXPECT_EQ(std::count(ui.log.begin(), ui.log.end(), "show progress"), 0);
  EXPECT_EQ(saveLoad.setFileName(), "fuggvenyek1.fv");
}

// The progress window never takes the activation, so the end of the load
// itself tells what can be saved now; a refused file keeps the file name.
TEST_F(LoadSave, AfterALoadTheSaveButtonAndItsLabelTellTheStoredCount) {
  plot(Kind::Linear, "1", "2");
  plot(Kind::Linear, "3", "4");
  const auto bytes = save();
  cmd.clearAll();
  saveLoad.activate();
  ASSERT_EQ(window.saveLabel, "Nincs mit menteni");
  ASSERT_TRUE(load(bytes));
  EXPECT_EQ(window.saveLabel, "Mentendő függvények: 2");
  EXPECT_TRUE(window.saveEnabled);

  files.files["rossz.fv"] = std::vector<std::uint8_t>(1855, 0);
  EXPECT_FALSE(saveLoad.loadFile("rossz.fv"));
  EXPECT_EQ(saveLoad.setFileName(), "halmaz.fv") << "the last file loaded";
  EXPECT_EQ(window.saveLabel, "Mentendő függvények: 2");
}

TEST_F(LoadSave, ActivationAndDiscardSetTheSaveButtonAndItsLabel) {
  saveLoad.activate();
  EXPECT_EQ(window.saveLabel, "Nincs mit menteni");
  EXPECT_FALSE(window.saveEnabled);
  plot(Kind::Linear, "1", "2");
  plot(Kind::Linear, "3", "4");
  window.automatic = false;
  window.saveAnswer = "ket.fv";
  saveLoad.save();
  ASSERT_EQ(saveLoad.setFileName(), "ket.fv");
  saveLoad.activate();
  EXPECT_EQ(window.saveLabel, "Mentendő függvények: 2");
  EXPECT_TRUE(window.saveEnabled);
  EXPECT_EQ(saveLoad.setFileName(), "fuggvenyek1.fv");

  ASSERT_TRUE(saveLoad.loadFile("ket.fv"));
  saveLoad.discard();
  EXPECT_EQ(window.saveLabel, "Nincs mit menteni");
  EXPECT_FALSE(window.saveEnabled);
  EXPECT_EQ(st.table.FunctionCount, 0);
  EXPECT_TRUE(ui.rows.empty());
  EXPECT_EQ(ui.loadStatus, "Nincs betöltve semmi");
  EXPECT_FALSE(session.progress().LoadMode);
  EXPECT_TRUE(window.ackEnabled) << "nothing disables the acknowledge and discard buttons again";
}

}  // namespace
}  // namespace graf::testing
