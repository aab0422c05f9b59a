// SPDX-License-Identifier: MIT
// The help window, the notes window behind its dot, and their closing.
#include <QAccessible>
#include <QFontMetrics>
#include <QImage>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSet>
#include <QTabBar>
#include <QTabWidget>

#include "help/ui/textraablak.h"
#include "help/ui/tsugoablak.h"
#include "tests/gui/gui_fixture.h"

namespace graf::testing {
namespace {

constexpr int kTitleBarButtons = Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint |
                                 Qt::WindowMaximizeButtonHint | Qt::WindowSystemMenuHint;

int opacity(const QWidget& window) { return qRound(window.windowOpacity() * 255); }

QStringList texts(const std::vector<QLabel*>& labels) {
  QStringList list;
  for (const QLabel* label : labels) list << label->text();
  return list;
}

bool centredOnScreen(const QWidget& window) {
  const QPoint centre = window.screen()->availableGeometry().center();
  return (window.frameGeometry().center() - centre).manhattanLength() <= 1;
}

class HelpWindows : public GuiTest {
 public:
  Tsugoablak& help() { return app->helpWindow(); }
  Textraablak& notes() { return app->notesWindow(); }

  void openHelp() {
    key(Qt::Key_F1);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&help()));
  }
  // Presses a mouse button on the full stop of the date line, and waits
  // until the notes window is the active one.
  void pressDot(Qt::MouseButton button = Qt::LeftButton) {
    QTest::mousePress(help().Label17, button, Qt::NoModifier, help().Label17->rect().center());
    QTest::mouseRelease(help().Label17, button, Qt::NoModifier, help().Label17->rect().center());
    ASSERT_TRUE(notes().isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&notes()));
  }
};

TEST_F(HelpWindows, F1OpensTheHelpWindowWithItsFivePagesInOrder) {
  ASSERT_FALSE(help().isVisible());
  openHelp();
  EXPECT_TRUE(help().isVisible());
  EXPECT_FALSE(w->isEnabled());
  EXPECT_TRUE(help().isEnabled());
  EXPECT_EQ(opacity(help()), 255);

  EXPECT_EQ(help().windowTitle(), "Súgó a Grafolin program 5.2-es verziójához");
  EXPECT_EQ(help().size(), QSize(441, 343));
  EXPECT_FALSE(help().windowFlags() & kTitleBarButtons);
  EXPECT_TRUE(centredOnScreen(help()));

  QStringList tabs;
  for (int i = 0; i < help().PageControl1->count(); ++i) tabs << help().PageControl1->tabText(i);
  EXPECT_EQ(tabs, (QStringList{"Függvény ábrázolása", "A program története", "Beállítások", "Egyéb",
                               "Gyorsbillentyűk"}));
  EXPECT_EQ(help().PageControl1->geometry(), QRect(0, 40, 441, 249));
  EXPECT_EQ(help().PageControl1->currentIndex(), 0);

  // Two lines of credits in the strip above the notebook.
  for (QLabel* credit : {help().Credits1, help().Credits2}) {
    EXPECT_FALSE(credit->text().isEmpty());
    EXPECT_FALSE(credit->text().contains('\n'));
    EXPECT_TRUE(credit->alignment() & Qt::AlignHCenter);
    EXPECT_LE(credit->geometry().bottom(), 39);
  }
  EXPECT_EQ(help().Button1->text(), "OK");
  EXPECT_EQ(help().Button2->text(), "Képes súgó");
  EXPECT_EQ(help().Button2->statusTip(), "Az új súgó megnyitása");
  EXPECT_GT(help().Button2->x(), help().Button1->geometry().right());
  EXPECT_EQ(help().Button1->geometry().center().x(), 441 / 2);
  EXPECT_EQ(help().DateLine->text(), "Készült: 2004  április - 2006. november");
  EXPECT_EQ(help().Label17->text(), ".");
}

TEST_F(HelpWindows, EveryPageShowsItsLinesFromTopToBottom) {
  const QStringList instructions = {
      "1. Ki kell választani az ábrázolni kívánt függvény fajtáját:",
      "- Elsőfokú: ax+b",
      "- Másodfokú: ax   +bx+c",
      "- Másodfokú 2: a(x-b)    +c",
      "- Abszolútértékes: a|x-b|+c",
      "2. Meg kell adni a változókat: a,b,c",
      "3. Mutasd a függvényt! gombra kattintani",
      "A Függvény törlése gombra kattintva kitörli a függvény(eke)t a memóriából és törli a kép-\n"
      "ernyőről is az(oka)t.",
      "A Mindent töröl gombra kattintva kitörli a függvény(eke)t a memóriából és törli a képer-\n"
      "nyőről, törli a változókat, a nagyítást visszaállítja 1x-esre és középre.",
  };
  const QStringList shortcuts = {
      "F1 - Súgó",
      "F2 - Beállítások",
      "Ctrl+S - Függvény mentése képként",
      "Ctrl+M - Függvény mentése/töltése",
      "Ctrl+F - Függvényablak mutatása",
      "Ctrl+1 - Elsőfokú függvény kiválasztása",
      "Ctrl+2 - Másodfokú függvény kiválasztása",
      "Ctrl+3 - Másodfokú függvény második fajtájának kiválasztása",
      "Ctrl+4 - Abszolútértékes függvény kiválasztása",
      "F5 - Függvény ábrázolása",
      "F6 - Függvény(ek) törlése",
      "F7 - Utolsó függvény törlése",
      "F8 - Mindent töröl",
      "Alt+F4 - Kilépés",
  };
  openHelp();
  EXPECT_EQ(texts(help().pageLines(0)), instructions);
  EXPECT_EQ(texts(help().pageLines(4)), shortcuts);
  const QStringList other = texts(help().pageLines(3));
  ASSERT_EQ(other.size(), 5);
  EXPECT_EQ(other.mid(3), (QStringList{"Jelmagyarázat:", "x^2 =  x"}));
  EXPECT_TRUE(other[0].contains("Windows XP"));
  EXPECT_TRUE(other[1].contains("angol"));

  for (int page : {0, 3, 4}) {
    SCOPED_TRACE(page);
    help().PageControl1->setCurrentIndex(page);
    const std::vector<QLabel*>& lines = help().pageLines(page);
    for (std::size_t i = 0; i < lines.size(); ++i) {
      EXPECT_TRUE(lines[i]->isVisible()) << lines[i]->text().toStdString();
      EXPECT_EQ(lines[i]->parentWidget(), help().PageControl1->widget(page));
      if (i > 0) {
        EXPECT_GE(lines[i]->y(), lines[i - 1]->geometry().bottom() + 1) << lines[i]->text().toStdString();
      }
    }
  }
}

TEST_F(HelpWindows, HistoryAndSettingsAreReadOnlyTextsThatScroll) {
  struct Case {
    int page;
    QPlainTextEdit* Tsugoablak::*text;
    QStringList mentions;
  };
  const Case cases[] = {
      {1, &Tsugoablak::History, {"1.0 (2004. április)", "nagyítás", "bitkép", "50 függvény", "gyorsnézet", "5.2"}},
      {2, &Tsugoablak::Settings, {"pontosság", "segédvonal", "rács", "Alapbeállítások visszaállítása", "beallit.ini"}},
  };
  openHelp();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.page);
    QPlainTextEdit* text = help().*c.text;
    EXPECT_EQ(text->parentWidget(), help().PageControl1->widget(c.page));
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_EQ(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    for (const QString& word : c.mentions)
      EXPECT_TRUE(text->toPlainText().contains(word, Qt::CaseInsensitive)) << word.toStdString();
    // Typing changes nothing.
    const QString before = text->toPlainText();
    help().PageControl1->setCurrentIndex(c.page);
    text->setFocus();
    QTest::keyClicks(text, "abc");
    EXPECT_EQ(text->toPlainText(), before);
  }
  // The history runs from the first version to the last, axis numbering last.
  const QStringList history = help().History->toPlainText().split('\n');
  EXPECT_TRUE(history.first().startsWith("1.0"));
  EXPECT_TRUE(history.last().startsWith("5.2"));
  EXPECT_TRUE(history.last().contains("tengelyek számozása"));
}

// The small raised "2" stands in the gap after "ax" and after "a(x-b)", and
// after the legend's "x"; the full stop stands on the line in the gap after
// "2004". Whatever the font, each mark begins where its text leaves off.
TEST_F(HelpWindows, MarksSitInTheGapsOfTheirLines) {
  struct Case {
    const char* name;
    QLabel* mark;
    QLabel* line;
    QString before;
    QString gap;
    bool raised;
    // What a screen reader reads for the line.
    QString spoken;
  };
  Tsugoablak& h = help();
  const Case cases[] = {
      {"ax²", h.Square1, h.pageLines(0)[2], "- Másodfokú: ax", "   ", true, "- Másodfokú: ax²+bx+c"},
      {"a(x-b)²", h.Square2, h.pageLines(0)[3], "- Másodfokú 2: a(x-b)", "    ", true, "- Másodfokú 2: a(x-b)²+c"},
      {"legend", h.Square3, h.pageLines(3)[4], "x^2 =  x", "", true, "x^2 = x², azaz x a négyzeten"},
      {"full stop", h.Label17, h.DateLine, "Készült: 2004", "  ", false, "Készült: 2004. április - 2006. november"},
  };
  openHelp();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.mark->text(), c.raised ? "2" : ".");
    EXPECT_EQ(c.mark->parentWidget(), c.line->parentWidget());
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(c.line);
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->text(QAccessible::Name), c.spoken);
    const QFontMetrics lineMetrics(c.line->font());
    const QFontMetrics markMetrics(c.mark->font());
    const int textStart = c.line->x() + c.line->contentsRect().left();
    const int markStart = c.mark->x() + c.mark->contentsRect().left();
    EXPECT_EQ(markStart, textStart + lineMetrics.horizontalAdvance(c.before));
    if (!c.gap.isEmpty()) {
      EXPECT_LE(markStart + markMetrics.horizontalAdvance(c.mark->text()),
                textStart + lineMetrics.horizontalAdvance(c.before + c.gap));
    }
    const int lineBaseline = c.line->y() + c.line->contentsRect().top() + lineMetrics.ascent();
    const int markBaseline = c.mark->y() + c.mark->contentsRect().top() + markMetrics.ascent();
    if (c.raised) {
      EXPECT_EQ(c.mark->font().pixelSize(), 8);
      EXPECT_LT(markBaseline, lineBaseline);
      EXPECT_GT(markBaseline, c.line->y() + c.line->contentsRect().top());
    } else {
      EXPECT_EQ(c.mark->font(), c.line->font());
      EXPECT_EQ(markBaseline, lineBaseline);
    }
  }
}

TEST_F(HelpWindows, AnyMouseButtonOnTheDotOpensTheNotesOverADimmedHelpWindow) {
  for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
    SCOPED_TRACE(button);
    openHelp();
    pressDot(button);
    EXPECT_EQ(opacity(help()), 150);
    EXPECT_FALSE(help().isEnabled());
    EXPECT_TRUE(help().isVisible());
    EXPECT_FALSE(w->isEnabled());

    // "OKÉ": the help window is opaque and usable again; the main window
    // waits for the help window.
    QTest::mouseClick(notes().Button1, Qt::LeftButton);
    EXPECT_FALSE(notes().isVisible());
    EXPECT_EQ(opacity(help()), 255);
    EXPECT_TRUE(help().isEnabled());
    EXPECT_TRUE(help().isVisible());
    EXPECT_FALSE(w->isEnabled());

    // "OK": the main window is usable again.
    QTest::mouseClick(help().Button1, Qt::LeftButton);
    EXPECT_FALSE(help().isVisible());
    EXPECT_TRUE(w->isEnabled());
  }
}

TEST_F(HelpWindows, EveryWayOfClosingTheNotesLeavesTheHelpWindowOpaqueAndUsable) {
  struct Case {
    const char* name;
    std::function<void(Textraablak&)> close;
  };
  const Case cases[] = {
      {"OKÉ", [](Textraablak& n) { QTest::mouseClick(n.Button1, Qt::LeftButton); }},
      {"OKÉ from the keyboard", [](Textraablak& n) { QTest::keyClick(n.Button1, Qt::Key_Space); }},
      {"Escape", [](Textraablak& n) { QTest::keyClick(&n, Qt::Key_Escape); }},
      {"the window manager", [](Textraablak& n) { n.close(); }},
  };
  openHelp();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    pressDot();
    ASSERT_EQ(opacity(help()), 150);
    ASSERT_FALSE(help().isEnabled());
    c.close(notes());
    EXPECT_FALSE(notes().isVisible());
    EXPECT_EQ(opacity(help()), 255);
    EXPECT_TRUE(help().isEnabled());
    EXPECT_TRUE(help().isVisible());
    EXPECT_FALSE(w->isEnabled());
  }
}

TEST_F(HelpWindows, OkOfTheHelpWindowClosesTheNotesToo) {
  openHelp();
  pressDot();
  help().Button1Click();
  EXPECT_FALSE(notes().isVisible());
  EXPECT_FALSE(help().isVisible());
  EXPECT_TRUE(w->isEnabled());

  // Opened again, the help window is whole.
  openHelp();
  EXPECT_EQ(opacity(help()), 255);
  EXPECT_TRUE(help().isEnabled());
  EXPECT_FALSE(notes().isVisible());
}

TEST_F(HelpWindows, TheNotesWindowShowsItsGreetingPicturesAndNotes) {
  openHelp();
  pressDot();
  Textraablak& n = notes();
  EXPECT_EQ(n.windowTitle(), "Megjegyzések");
  EXPECT_EQ(n.size(), QSize(313, 385));
  EXPECT_FALSE(n.windowFlags() & kTitleBarButtons);
  EXPECT_TRUE(centredOnScreen(n));
  EXPECT_EQ(n.Label1->text(), "ÜGYES!");
  EXPECT_TRUE(n.Label1->alignment() & Qt::AlignHCenter);
  EXPECT_EQ(n.Label2->text(), "A program esetleges hibáiért elnézést kérek!");
  EXPECT_EQ(n.Label3->text(), "Valószínűleg lesz újabb változat is.");
  EXPECT_EQ(n.Label4->text(), "Designed for Microsoft Windows XP");
  EXPECT_EQ(n.Button1->text(), "OKÉ");
  // From top to bottom: greeting, picture, note, and the line at the bottom
  // beside its small picture.
  EXPECT_LT(n.Label1->geometry().bottom(), n.Image1->y());
  EXPECT_LT(n.Image1->geometry().bottom(), n.Label2->y());
  EXPECT_LT(n.Label2->y(), n.Label3->y());
  EXPECT_EQ(n.Image2->y(), n.Label4->y());
  EXPECT_GT(n.Image2->y(), n.Button1->geometry().bottom());
  // Pictures, not blanks.
  for (QLabel* picture : {n.Image1, n.Image2}) {
    const QImage image = picture->pixmap().toImage();
    ASSERT_FALSE(image.isNull());
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
    EXPECT_GE(colours.size(), 4);
    EXPECT_FALSE(picture->accessibleName().isEmpty());
  }
  QTest::mouseClick(n.Button1, Qt::LeftButton);
  QTest::mouseClick(help().Button1, Qt::LeftButton);
}

TEST_F(HelpWindows, PictureHelpOpensTheWelcomeTopicAndShowsItsHint) {
  QStringList topics;
  app->helpHook = [&](const QString& topic) { topics << topic; };
  openHelp();
  QTest::mouseMove(&help(), QPoint(2, 2));
  QTest::mouseMove(help().Button2, QPoint(5, 5));
  EXPECT_TRUE(QTest::qWaitFor([&] { return panel(0) == "Az új súgó megnyitása"; })) << panel(0).toStdString();
  QTest::mouseClick(help().Button2, Qt::LeftButton);
  EXPECT_EQ(topics, QStringList{"Üdvözlés"});
  EXPECT_TRUE(help().isVisible());
  EXPECT_FALSE(w->isEnabled());
}

}  // namespace
}  // namespace graf::testing
