// SPDX-License-Identifier: MIT
// The one rule for windows that the user works in alone: shown, they disable
// (and may dim) the window they lock; every way of closing them enables it.
#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPushButton>
#include <QWindow>
#include <QTest>
#include <functional>
#include <stdexcept>
#include <string>

#include "common/ui/window_lock.h"
#include "app/ui/application.h"
#include "main/ui/tfoablak.h"
#include "tests/gui/gui_fixture.h"

namespace graf::testing {
namespace {

int opacity(const QWidget& w) { return qRound(w.windowOpacity() * 255); }

// The close button of the window manager: the close request reaches the
// platform window, as the window system delivers it.
void closeFromWindowManager(QWidget& w) {
  ASSERT_NE(w.windowHandle(), nullptr);
  QCloseEvent request;
  QCoreApplication::sendEvent(w.windowHandle(), &request);
}

struct Way {
  const char* name;
  std::function<void(QWidget&)> close;
};

const Way kWays[] = {
    {"button", [](QWidget& w) { w.findChild<QPushButton*>("Close")->click(); }},
    {"window manager", closeFromWindowManager},
    {"Escape", [](QWidget& w) { QTest::keyClick(&w, Qt::Key_Escape); }},
    {"hide()", [](QWidget& w) { w.hide(); }},
    {"close()", [](QWidget& w) { w.close(); }},
};

class LockedPair : public ::testing::Test {
 protected:
  QWidget owner;
  QWidget window{nullptr, Qt::Dialog};
  QPushButton* closeButton = new QPushButton(QStringLiteral("Bezár"), &window);

  LockedPair() {
    closeButton->setObjectName("Close");
    QObject::connect(closeButton, &QPushButton::clicked, &window, &QWidget::close);
    owner.show();
  }

  void open() {
    ui::showInFront(&window);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }
};

TEST_F(LockedPair, EveryWayOfClosingEnablesAndUndimsWhatTheWindowLocked) {
  ui::lockWhileShown(window, &owner, 100);
  for (const Way& way : kWays) {
    SCOPED_TRACE(way.name);
    open();
    ASSERT_FALSE(owner.isEnabled());
    ASSERT_EQ(opacity(owner), 100);
    way.close(window);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(owner.isEnabled());
    EXPECT_EQ(opacity(owner), 255);
  }
}

TEST_F(LockedPair, TheLockedWindowWaitsForTheLastOfTwoLockingWindows) {
  QWidget second{nullptr, Qt::Dialog};
  ui::lockWhileShown(window, &owner);
  ui::lockWhileShown(second, &owner);
  open();
  second.show();
  window.close();
  EXPECT_FALSE(owner.isEnabled()) << "the second window is still open";
  second.close();
  EXPECT_TRUE(owner.isEnabled());
}

TEST_F(LockedPair, AChildWindowOfTheLockedWindowStaysUsable) {
  QWidget child(&owner, Qt::Dialog);
  ui::lockWhileShown(child, &owner);
  ui::showInFront(&child);
  EXPECT_FALSE(owner.isEnabled());
  EXPECT_TRUE(child.isEnabled());
  child.close();
  EXPECT_TRUE(owner.isEnabled());
  EXPECT_TRUE(child.isEnabled());
}

TEST_F(LockedPair, ALockingWindowThatGoesWhileShownLetsGo) {
  auto* gone = new QWidget(nullptr, Qt::Dialog);
  ui::lockWhileShown(*gone, &owner);
  gone->show();
  ASSERT_FALSE(owner.isEnabled());
  delete gone;
  EXPECT_TRUE(owner.isEnabled());
}

// The program's own windows that are worked in alone, opened from the main
// window's menu, each closed in each way.
class AloneWindows : public GuiTest {};

TEST_F(AloneWindows, SaveLoadSettingsAndHelpLockTheMainWindowUntilClosedAnyWay) {
  const struct {
    const char* action;
    const char* window;
  } windows[] = {
      {"Toltment", "Ttoltmentablak"},
      {"Konfig", "Tbeallitasablak"},
      {"Sugo", "Tsugoablak"},
  };
  const auto windowNamed = [this](const char* name) -> QWidget& {
    for (QWidget* window : app->windows())
      if (window->objectName() == QLatin1String(name)) return *window;
    throw std::runtime_error(name);
  };
  const Way ways[] = {kWays[1], kWays[2], kWays[3]};
  for (const auto& c : windows) {
    for (const Way& way : ways) {
      SCOPED_TRACE(std::string(c.action) + " / " + way.name);
      QWidget& window = windowNamed(c.window);
      w->action(QString::fromLatin1(c.action))->trigger();
      ASSERT_TRUE(window.isVisible());
      ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
      window.activateWindow();
      ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
      EXPECT_FALSE(w->isEnabled());
      EXPECT_TRUE(window.isEnabled());
      way.close(window);
      EXPECT_FALSE(window.isVisible());
      EXPECT_TRUE(w->isEnabled());
    }
  }
}

}  // namespace
}  // namespace graf::testing
