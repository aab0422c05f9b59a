// SPDX-License-Identifier: MIT
// The program's icon on every window (what a task bar and a window switcher
// show), drawn from the SVG built into the program.
#include <QApplication>
#include <QIcon>
#include <QSet>
#include <QWindow>

#include "tests/gui/gui_fixture.h"

namespace graf::testing {
namespace {

constexpr int kSide = 48;

int opaquePixels(const QImage& image) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += qAlpha(image.pixel(x, y)) == 255;
  return n;
}

class WindowIcon : public GuiTest {};

TEST_F(WindowIcon, EveryWindowShowsTheProgramsIcon) {
  const QImage programIcon = QIcon(QStringLiteral(":/grafolin/grafolin.svg")).pixmap(kSide, kSide).toImage();
  ASSERT_EQ(programIcon.size(), QSize(kSide, kSide)) << "the built-in icon cannot be drawn";
  // A drawing, not an empty or a plain square.
  const int opaque = opaquePixels(programIcon);
  EXPECT_GT(opaque, kSide * kSide / 4);
  QSet<QRgb> colours;
  for (int y = 0; y < kSide; ++y)
    for (int x = 0; x < kSide; ++x) colours.insert(programIcon.pixel(x, y));
  EXPECT_GT(colours.size(), 3);

  // The twelve windows and whatever else is a window now (the message boxes
  // take the application's icon too).
  const std::vector<QWidget*> twelve = app->windows();
  QList<QWidget*> windows(twelve.begin(), twelve.end());
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (widget->windowType() != Qt::Popup && widget->windowType() != Qt::ToolTip && !windows.contains(widget))
      windows << widget;
  EXPECT_GE(windows.size(), 12);
  for (QWidget* window : windows) {
    SCOPED_TRACE(window->objectName().toStdString() + " (" + window->metaObject()->className() + ")");
    ASSERT_FALSE(window->windowIcon().isNull());
    EXPECT_EQ(window->windowIcon().pixmap(kSide, kSide).toImage(), programIcon);
  }
  // The icon that the shown main window hands to the window system.
  ASSERT_NE(w->windowHandle(), nullptr);
  EXPECT_EQ(w->windowHandle()->icon().pixmap(kSide, kSide).toImage(), programIcon);
}

}  // namespace
}  // namespace graf::testing
