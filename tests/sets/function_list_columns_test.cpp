// SPDX-License-Identifier: MIT
// The function list's columns, whatever font the machine gives the list: each
// value starts under its header, and the widest rows a function can have fit
// in the list without a horizontal scroll bar. Positions are measured through
// the list's own font and the style's own margins, never in fixed pixels.
#include <QFontMetricsF>
#include <QLabel>
#include <QScrollBar>
#include <QStyle>

#include "tests/sets/windows_fixture.h"

namespace graf::testing {
namespace {

class FunctionListColumns : public WindowsTest {
 protected:
  FunctionListColumns() { listWindow.show(); }

  QLabel* header(const QString& text) {
    for (QLabel* label : listWindow.findChildren<QLabel*>())
      if (label->text() == text) return label;
    ADD_FAILURE() << "no header " << text.toStdString();
    return nullptr;
  }
  // Where character `index` of row `row` is drawn, from the left edge of the
  // window: the list draws a row's text a style margin into its item.
  double characterLeft(int row, int index) {
    const QListWidgetItem* item = list()->item(row);
    const QRect rect = list()->visualItemRect(item);
    const int margin = list()->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list()) + 1;
    const QPoint origin = list()->viewport()->mapTo(&listWindow, rect.topLeft());
    return origin.x() + margin + QFontMetricsF(list()->font()).horizontalAdvance(item->text().left(index));
  }
  // Where the values of a row begin: the kind name after "NN. ", then the
  // three values after it, each the first character after blanks.
  static std::vector<int> valueStarts(const QString& row) {
    std::vector<int> starts{4};
    const int afterKind = 4 + 13;
    for (int i = afterKind; i < row.size(); ++i)
      if (row[i] != ' ' && row[i - 1] == ' ') starts.push_back(i);
    return starts;
  }
};

TEST_F(FunctionListColumns, EachValueStartsUnderItsHeader) {
  const struct {
    Kind kind;
    double a, b, c;
  } functions[] = {
      {Kind::Quadratic, 1.5, 2, 3},         {Kind::Linear, 25, 0, 0},
      {Kind::Quadratic2, 100, 100, 100},    {Kind::AbsoluteValue, 0.5, 12, -1},
      {Kind::Quadratic, 99.99, 9.99, -100}, {Kind::Quadratic2, 0, 10, 0.01},
  };
  int n = 0;
  for (const auto& f : functions) listWindow.appendFunctionRow(++n, f.kind, f.a, f.b, f.c);
  QLabel* headers[] = {header(QStringLiteral("Típusa")), header(QStringLiteral("A")), header(QStringLiteral("B")),
                       header(QStringLiteral("C"))};
  for (QLabel* h : headers) ASSERT_NE(h, nullptr);
  for (int row = 0; row < n; ++row) {
    const QString text = listWindow.rowText(row);
    SCOPED_TRACE(text.toStdString());
    const std::vector<int> starts = valueStarts(text);
    ASSERT_EQ(starts.size(), 4u);
    for (std::size_t column = 0; column < 4; ++column) {
      QLabel* h = headers[column];
      EXPECT_NEAR(h->x() + h->contentsRect().left(), characterLeft(row, starts[column]), 1.0)
          << h->text().toStdString();
      EXPECT_EQ(h->y(), 24);
    }
  }
}

TEST_F(FunctionListColumns, TheWidestRowsFitWithoutAHorizontalScrollBar) {
  // Fifty rows, every value at -100 and at 100, of every kind: the list needs
  // its vertical scroll bar, and each row fits beside it.
  for (int n = 1; n <= 50; ++n) {
    const double value = n % 8 < 4 ? -100 : 100;
    listWindow.appendFunctionRow(n, Kinds[static_cast<std::size_t>(n % 4)].kind, value, value, value);
  }
  ASSERT_TRUE(QTest::qWaitFor([this] { return list()->verticalScrollBar()->isVisible(); }));
  EXPECT_FALSE(list()->horizontalScrollBar()->isVisible());
  EXPECT_EQ(list()->horizontalScrollBar()->maximum(), 0);
  const int margin = list()->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list()) + 1;
  const QFontMetricsF metrics(list()->font());
  for (int row = 0; row < listWindow.rowCount(); ++row) {
    const QString text = listWindow.rowText(row);
    EXPECT_LE(metrics.horizontalAdvance(text) + 2 * margin, list()->viewport()->width()) << text.toStdString();
  }
  EXPECT_EQ(listWindow.rowText(2), QStringLiteral("03. Absz. értékes   -100.00   -100.00   -100.00"));
  EXPECT_EQ(listWindow.rowText(6), QStringLiteral("07. Absz. értékes   100.00 100.00 100.00"));
}

}  // namespace
}  // namespace graf::testing
