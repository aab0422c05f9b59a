// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>

#include "functionlist/function_row.h"
#include "functionsets/load_save.h"
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

// Coefficients that no save writes are refused before anything is cleared,
// also in a file of 50 functions, whose load never checks their range.
TEST_F(LoadSave, CoefficientsOutsideTheRangeAreRefusedBeforeAnythingChanges) {
  const struct {
    const char* name;
    int functions;
    std::size_t at;  // the damaged text
    const char* text;
  } cases[] = {
      {"A of the 50th is 1e300", 50, 204 + 11 * 49, "1e300"},
      {"C of the first is 99999999", 2, 1304, "99999999"},
      {"B of the second is -100.5", 2, 754 + 11, "-100.5"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    cmd.clearAll();
    for (int i = 1; i <= c.functions; ++i) plot(Kind::Quadratic, std::to_string(i), "1", "2");
    auto bytes = save();
    bytes[c.at] = static_cast<std::uint8_t>(std::strlen(c.text));
    std::copy_n(c.text, std::strlen(c.text), bytes.begin() + static_cast<std::ptrdiff_t>(c.at) + 1);

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
