// SPDX-License-Identifier: MIT
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QSignalSpy>

#include "functionlist/function_row.h"
#include "functionlist/sum.h"
#include "tests/sets/windows_fixture.h"

namespace graf::testing {
namespace {

class FunctionListWindow : public WindowsTest {
 protected:
  FunctionListWindow() { listWindow.show(); }

  QPoint rowCentre(int row) { return list()->visualItemRect(list()->item(row)).center(); }
  // Clicks rows the way the user does: the first plainly, the others with Ctrl.
  void selectRows(const std::vector<int>& selected) {
    list()->clearSelection();
    for (std::size_t k = 0; k < selected.size(); ++k)
      QTest::mouseClick(list()->viewport(), Qt::LeftButton, k == 0 ? Qt::NoModifier : Qt::ControlModifier,
                        rowCentre(selected[k]));
  }
};

TEST_F(FunctionListWindow, LayoutAndStartingTexts) {
  EXPECT_EQ(listWindow.windowTitle(), QStringLiteral("Függvények"));
  EXPECT_TRUE(listWindow.windowFlags() & Qt::Tool);
  EXPECT_EQ(listWindow.size(), QSize(241, 305));
  EXPECT_EQ(listWindow.pos(), QPoint(552, 118));
  struct Text {
    const char* text;
    QPoint at;
  };
  const Text texts[] = {{"Függvények listája", {8, 8}}, {"Kiválasztott függvények:", {8, 288}}};
  const auto labels = listWindow.findChildren<QLabel*>();
  const auto find = [&labels](const char* text) {
    const auto found =
        std::find_if(labels.begin(), labels.end(), [&](QLabel* l) { return l->text() == QString::fromUtf8(text); });
    return found == labels.end() ? nullptr : *found;
  };
  for (const Text& t : texts) {
    QLabel* label = find(t.text);
    ASSERT_NE(label, nullptr) << t.text;
    EXPECT_EQ(label->pos(), t.at) << t.text;
  }
  // The column headers on row 24, left to right over the list; each stands
  // over its column (FunctionListColumns).
  int left = list()->x();
  for (const char* text : {"Típusa", "A", "B", "C"}) {
    QLabel* label = find(text);
    ASSERT_NE(label, nullptr) << text;
    EXPECT_EQ(label->y(), 24) << text;
    EXPECT_GT(label->x(), left) << text;
    left = label->x();
  }
  EXPECT_LT(left, list()->geometry().right());
  EXPECT_EQ(listWindow.selectionLabel(), QStringLiteral("Kiválasztott függvények:"));
  EXPECT_EQ(list()->geometry(), QRect(8, 40, 225, 209));
  EXPECT_EQ(list()->selectionMode(), QAbstractItemView::ExtendedSelection);
  auto* sum = child<QPushButton>(listWindow, "Button1");
  EXPECT_EQ(sum->text(), QStringLiteral("Összegük"));
  EXPECT_EQ(sum->geometry(), QRect(48, 256, 145, 25));
}

// The columns line up only if every character a row can hold has the same
// advance in the list's font (whether or not the font calls itself fixed
// pitch): the digits, the point, the minus sign, the blank and the letters of
// the kind names.
TEST_F(FunctionListWindow, EveryCharacterOfARowHasTheSameAdvance) {
  QString characters = QStringLiteral("0123456789.- ");
  for (const KindInfo& info : Kinds) characters += QString::fromUtf8(info.listName);
  const QFontMetrics metrics(list()->font());
  const int advance = metrics.horizontalAdvance(QLatin1Char('0'));
  ASSERT_GT(advance, 0);
  for (const QChar ch : characters)
    EXPECT_EQ(metrics.horizontalAdvance(ch), advance) << "«" << QString(ch).toStdString() << "»";
}

TEST_F(FunctionListWindow, RowsFollowThePlotAndClearingCommands) {
  plot(Kind::Quadratic, "1.5", "-12", "100");
  plot(Kind::Linear, "25", "0");
  plot(Kind::AbsoluteValue, "0.5", "3", "-1");
  EXPECT_EQ(rows(), (QStringList{QString::fromUtf8("01. Másodfokú       1.50   -12.00   100.00"),
                                 QString::fromUtf8("02. Elsőfokú        25.00  0.00   -"),
                                 QString::fromUtf8("03. Absz. értékes   0.50   3.00   -1.00")}));
  EXPECT_EQ(listWindow.rowCount(), 3);
  EXPECT_EQ(listWindow.rowText(1), rows()[1]);
  cmd.deleteLastFunction();
  EXPECT_EQ(rows().size(), 2);
  EXPECT_EQ(listWindow.selectionLabel(), QStringLiteral("Kiválasztott függvények: "));
  cmd.clearAll();
  EXPECT_TRUE(rows().isEmpty());
}

TEST_F(FunctionListWindow, TheSumButtonDrawsExactlyTwoSelectedFunctions) {
  plot(Kind::Linear, "1", "0");
  plot(Kind::Quadratic, "1", "0", "0");
  plot(Kind::Linear, "-1", "2");
  st.settings.SoundOn = true;
  const auto pictureBefore = pixels();
  for (const std::vector<int>& selected : {std::vector<int>{}, {1}, {0, 1, 2}}) {
    selectRows(selected);
    ASSERT_EQ(list()->selectedItems().size(), static_cast<qsizetype>(selected.size()));
    ui.dialogs.clear();
    child<QPushButton>(listWindow, "Button1")->click();
    EXPECT_EQ(ui.dialogs, (std::vector<Dialog>{
                              kBeep, information("Sajnos csak 2 függvény összegét tudom kiszámolni!")}))
        << selected.size() << " rows";
    EXPECT_EQ(pixels(), pictureBefore);
    EXPECT_EQ(listWindow.selectionLabel(), QStringLiteral("Kiválasztott függvények:"));
  }

  selectRows({2, 0});
  ui.dialogs.clear();
  child<QPushButton>(listWindow, "Button1")->click();
  EXPECT_TRUE(ui.dialogs.empty());
  EXPECT_EQ(listWindow.selectionLabel(), QStringLiteral("Kiválasztott függvények:  1  3 "));
  // x + (−x + 2) = 2: pixel row 152 across the whole picture.
  for (int x = 0; x < Raster::Width; ++x) ASSERT_EQ(pic.pixel(x, 152), st.settings.ColorSum) << x;
  EXPECT_EQ(pic.pixel(225, 140), st.settings.ColorLinear) << "the summed curves stay";
}

TEST_F(FunctionListWindow, DoubleClickRedrawsAndTracesTheRowsFunction) {
  plot(Kind::Linear, "1", "0");
  plot(Kind::Linear, "0", "5");
  sumOfRows(cmd, {0, 1});
  ASSERT_EQ(pic.pixel(246, 99), st.settings.ColorSum);
  QTest::mouseClick(list()->viewport(), Qt::LeftButton, Qt::NoModifier, rowCentre(1));
  QTest::mouseDClick(list()->viewport(), Qt::LeftButton, Qt::NoModifier, rowCentre(1));
  EXPECT_EQ(pic.pixel(300, 140), 0u) << "y = 5 traced in black";
  EXPECT_EQ(pic.pixel(246, 99), 0xFFFFFFu) << "the redraw removed the sum";
  EXPECT_EQ(pic.pixel(265, 100), st.settings.ColorLinear) << "y = x keeps its colour";
  EXPECT_EQ(st.table.FunctionCount, 2);
}

TEST_F(FunctionListWindow, ReturnOrEnterOnTheCurrentRowTracesItAsADoubleClickDoes) {
  plot(Kind::Linear, "1", "0");
  plot(Kind::Linear, "0", "5");
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
    sumOfRows(cmd, {0, 1});
    ASSERT_EQ(pic.pixel(246, 99), st.settings.ColorSum);
    // A single click only selects.
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, Qt::NoModifier, rowCentre(0));
    EXPECT_EQ(pic.pixel(246, 99), st.settings.ColorSum) << "a click traced";
    list()->setFocus();
    QTest::keyClick(list(), Qt::Key_Home);
    QTest::keyClick(list(), Qt::Key_Down);
    ASSERT_EQ(list()->currentRow(), 1);
    EXPECT_EQ(pic.pixel(246, 99), st.settings.ColorSum) << "moving the current row traced";
    QTest::keyClick(list(), key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    EXPECT_EQ(pic.pixel(300, 140), 0u) << "y = 5 traced in black, key " << key;
    EXPECT_EQ(pic.pixel(246, 99), 0xFFFFFFu) << "the redraw removed the sum";
    EXPECT_EQ(pic.pixel(265, 100), st.settings.ColorLinear) << "y = x keeps its colour";
    EXPECT_EQ(st.table.FunctionCount, 2);
  }
}

TEST_F(FunctionListWindow, ShowingAndClosingAreReportedAndKeepTheRows) {
  listWindow.hide();
  plot(Kind::Linear, "1", "0");
  list()->item(0)->setSelected(true);
  QSignalSpy spy(&listWindow, &Tfuggvenyablak::visibilityChanged);
  listWindow.show();
  listWindow.close();
  listWindow.show();
  ASSERT_EQ(spy.size(), 3);
  EXPECT_EQ(spy[0][0].toBool(), true);
  EXPECT_EQ(spy[1][0].toBool(), false);
  EXPECT_EQ(spy[2][0].toBool(), true);
  EXPECT_EQ(rows().size(), 1);
  EXPECT_TRUE(list()->item(0)->isSelected());
}

}  // namespace
}  // namespace graf::testing
