// SPDX-License-Identifier: MIT
// Under a Hungarian locale Qt's own texts (the file and colour dialogs, the
// fields' context menus) are Hungarian, while every text of the program stays
// as it is.
#include <QAbstractButton>
#include <QLocale>
#include <clocale>
#include <string>

#include "tests/gui/gui_fixture.h"

namespace graf::testing {
namespace {

class HungarianDesktop : public GuiTest {
 public:
  void SetUp() override {
    const char* previous = std::setlocale(LC_ALL, nullptr);
    previousCLocale_ = previous ? previous : "C";
    if (!std::setlocale(LC_ALL, "hu_HU.UTF-8"))
      GTEST_SKIP() << "the locale hu_HU.UTF-8 is not generated on this machine (locale-gen hu_HU.UTF-8)";
    changed_ = true;
    QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));
    GuiTest::SetUp();
  }
  void TearDown() override {
    if (!changed_) return;
    GuiTest::TearDown();
    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_ALL, previousCLocale_.c_str());
  }

 private:
  std::string previousCLocale_;
  bool changed_ = false;
};

TEST_F(HungarianDesktop, QtsOwnTextsAreHungarian) {
  const struct {
    const char* context;
    const char* text;
  } cases[] = {
      {"QFileDialog", "Look in:"}, {"QFileDialog", "File &name:"}, {"QColorDialog", "Select Color"},
      {"QLineEdit", "&Undo"},      {"QLineEdit", "&Copy"},         {"QLineEdit", "Select All"},
  };
  for (const auto& c : cases)
    EXPECT_NE(QCoreApplication::translate(c.context, c.text), QString::fromUtf8(c.text)) << c.context << " " << c.text;
}

TEST_F(HungarianDesktop, TheProgramsOwnTextsStayAsTheyAre) {
  plot(QStringLiteral("x"), QStringLiteral("1"));
  EXPECT_EQ(boxes.take(), std::vector<SeenBox>{box("Warning", "Betűkből nem lehet függvényt ábrázolni!",
                                                    QMessageBox::Warning)});
  EXPECT_EQ(boxes.buttonTexts(), QStringList{QStringLiteral("OK")});
  EXPECT_EQ(button("Button1")->text(), QStringLiteral("M&utasd a függvényt!"));
}

}  // namespace
}  // namespace graf::testing
