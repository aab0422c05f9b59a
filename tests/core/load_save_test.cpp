#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "functionlist/function_row.h"
#include "functionsets/load_save.h"
#include "tests/support/fake_ui.h"

namespace graf::testing {
namespace {

class FakeSaveLoad : public SaveLoadPort {
 public:
  std::vector<std::string> log;
  std::string comment;
  bool saveEnabled = false;
  bool ackEnabled = false;
  bool progressOpen = false;
  void showProgressWindow() override {
    progressOpen = true;
    log.push_back("show progress");
  }
  void closeProgressWindow() override {
    progressOpen = false;
    log.push_back("close progress");
  }
  void setLoadedComment(const std::string& t) override { comment = t; }
  void setAckAndDiscardEnabled() override { ackEnabled = true; }
  void setSaveEnabled(bool e) override { saveEnabled = e; }
};

class LoadSave : public CoreTest {
 protected:
  FakeSaveLoad window;

  std::vector<std::uint8_t> save(const char* comment = kInitialComment) {
    return encodeFunctionSet(st.table, comment);
  }
  bool load(const std::vector<std::uint8_t>& bytes) {
    beginLoadAttempt(st);
    const bool loaded = loadFunctionSet(cmd, window, bytes);
    endLoadAttempt(st, window);
    return loaded;
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
  EXPECT_EQ(st.view.PanY, 0);
  EXPECT_EQ(window.comment, "Három függvény");
  EXPECT_EQ(ui.loadStatus, "Betöltött függvények: 3");
  EXPECT_TRUE(window.ackEnabled);
  EXPECT_TRUE(window.saveEnabled);
  EXPECT_FALSE(window.progressOpen);
  EXPECT_EQ(ui.countPanel, "Függvények száma: 3");
  EXPECT_TRUE(ui.dialogs.empty());
  // 50 div 3 = 16 per function read (48), then (100 − 48) div 4 = 13 per
  // function drawn: the plot run has counted a fourth function by then.
  EXPECT_EQ(ui.progress, (std::vector<int>{16, 32, 48, 61, 74, 87}));
  EXPECT_TRUE(st.load.LoadMode);
  cmd.panStep(PanDirection::Down);
  EXPECT_FALSE(st.load.LoadMode);
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
  EXPECT_EQ(ui.dialogs, std::vector<std::string>{"Information: Függvényábrázolási maximum elérve!"});
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
  EXPECT_EQ(ui.dialogs, (std::vector<std::string>{"beep", "Error: A függvényeket tartalmazó fájl hibás!", "beep",
                                                  "Error: A függvényeket tartalmazó fájl hibás!"}));
  EXPECT_EQ(table(), before);
  EXPECT_EQ(ui.rows.size(), 1u);
  EXPECT_TRUE(st.flags.PlotShown);
  EXPECT_TRUE(window.log.empty()) << "the progress window never opened";
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
    window.log.clear();
    const auto before = table();
    EXPECT_FALSE(load(bytes));
    EXPECT_EQ(ui.dialogs, std::vector<std::string>{"Error: A függvényeket tartalmazó fájl hibás!"});
    EXPECT_EQ(table(), before);
    EXPECT_EQ(ui.rows.size(), 1u);
    EXPECT_EQ(st.view.ZoomFactor, 2);
    EXPECT_TRUE(window.log.empty()) << "the progress window never opened";
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

TEST_F(LoadSave, AutomaticNamesTakeTheFirstFreeNumber) {
  std::set<std::string> existing = {"fuggvenyek1.fv", "fuggvenyek2.fv", "fuggvenyek4.fv"};
  const auto exists = [&](const std::string& n) { return existing.count(n) > 0; };
  EXPECT_EQ(automaticSetFileName(exists), "fuggvenyek3.fv");
  existing.insert("fuggvenyek3.fv");
  EXPECT_EQ(automaticSetFileName(exists), "fuggvenyek5.fv");
}

}  // namespace
}  // namespace graf::testing
