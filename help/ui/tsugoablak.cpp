// SPDX-License-Identifier: MIT
#include "help/ui/tsugoablak.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "common/ui/accessibility.h"
#include "common/ui/ui_support.h"

namespace graf::ui {

namespace {

// Left edge and width of the text on the pages.
constexpr int kPageLeft = 8;
constexpr int kPageTop = 6;
constexpr int kPageTextWidth = Tsugoablak::NotebookWidth - 2 * kPageLeft - 4;
// Extra space above a new paragraph.
constexpr int kParagraphGap = 8;
// How high the small "2" of a square stands: its baseline is raised by this
// part of the line's ascent.
constexpr double kSquareRaise = 0.45;

const QString kHistory = QStringLiteral(
    "1.0 (2004. április): az első változat; egyszerű függvények ábrázolása.\n"
    "1.1: nagyítás.\n"
    "1.2: a kép mozgatása fel, le, jobbra és balra.\n"
    "1.3: a kép mentése bitképként.\n"
    "2.0: gyorsbillentyűk.\n"
    "2.1: az egér helyének koordinátái a kép alatt.\n"
    "2.2: rács a képen.\n"
    "3.0: személyre szabható beállítások.\n"
    "3.1: egy képen akár 50 függvény.\n"
    "3.2: segédvonalak egy pont megjelöléséhez.\n"
    "3.3: saját színek a függvényeknek, a segédvonalaknak és a rácsnak.\n"
    "4.0: a függvények mentése fájlba és betöltése.\n"
    "4.1: a függvényablak: a tárolt függvények listája, két függvény összege, egy függvény kiemelése.\n"
    "4.2: menü.\n"
    "5.0: görgetés és nagyítás az egér görgőjével.\n"
    "5.1: gyorsnézet a beállítások ablakban; az egyező színek ellenőrzése.\n"
    "5.2 (2006. november): a tengelyek számozása.");

const QString kSettings = QStringLiteral(
    "A Beállítások ablakban (F2) a következőket lehet megadni:\n"
    "- az ábrázolás pontosságát;\n"
    "- a négy függvényfajta, a segédvonalak és a rács színét;\n"
    "- hangjelzést a hibaüzenetekhez;\n"
    "- a segédvonalakat: a képre kattintva a program megjelöli a pontot egy, az x tengelyből "
    "induló merőlegessel és egy, az y tengelyből induló vízszintes vonallal, és kiírja a pont "
    "koordinátáit;\n"
    "- hogy a függvényablak megjelenjen-e a program indulásakor;\n"
    "- hogy mikor látszódjon a gyorsnézet: soha, módosításkor vagy mindig.\n"
    "\n"
    "Az alapbeállítások visszaállítása:\n"
    "- a Beállítások ablak „Alapbeállítások visszaállítása” gombjával, vagy\n"
    "- a program mappájában levő „beallit.ini” fájl törlésével (Windowson ez rejtett fájl); "
    "a program a következő indításkor az alapbeállításokkal indul.\n"
    "\n"
    "Figyelem! A „beallit.ini” fájl kézi szerkesztése váratlan működést okozhat.");

const char* const kShortcuts[] = {
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

// The look of the platform, with as little space beside the tab titles as
// five tabs side by side need.
class CompactTabStyle : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    if (metric == PM_TabBarTabHSpace) return 10;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }
};

QLabel* makeLabel(QWidget* parent, const QString& objectName, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(objectName);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

}  // namespace

Tsugoablak::Tsugoablak(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  setObjectName(QStringLiteral("Tsugoablak"));
  setWindowTitle(QStringLiteral("Súgó a Grafolin program 5.2-es verziójához"));
  setFont(graf::ui::programFont());
  setFixedSize(ClientWidth, ClientHeight);

  // The credits strip.
  Credits1 = makeLabel(this, QStringLiteral("Credits1"), QStringLiteral("Grafolin 5.2 – függvényábrázoló program"));
  Credits2 = makeLabel(this, QStringLiteral("Credits2"),
                       QStringLiteral("Írta, rajzolta és kipróbálta: a Grafolin fejlesztője"));
  Credits1->setAlignment(Qt::AlignCenter);
  Credits2->setAlignment(Qt::AlignCenter);
  Credits1->setGeometry(0, 2, ClientWidth, CreditsHeight / 2 - 2);
  Credits2->setGeometry(0, CreditsHeight / 2, ClientWidth, CreditsHeight / 2 - 2);

  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  PageControl1->setGeometry(0, CreditsHeight, NotebookWidth, NotebookHeight);
  // The keyboard reaches the tabs themselves; the page control hands its
  // focus to them anyway.
  PageControl1->setFocusPolicy(Qt::NoFocus);
  // Narrow tabs, so that all five fit side by side.
  auto* tabStyle = new CompactTabStyle;
  tabStyle->setParent(this);
  PageControl1->tabBar()->setStyle(tabStyle);

  // 1. Plotting a function.
  addPage(QStringLiteral("Függvény ábrázolása"));
  addLine(0, QStringLiteral("1. Ki kell választani az ábrázolni kívánt függvény fajtáját:"));
  addLine(0, QStringLiteral("- Elsőfokú: ax+b"));
  QLabel* quadratic = addLine(0, QStringLiteral("- Másodfokú: ax   +bx+c"));
  QLabel* quadratic2 = addLine(0, QStringLiteral("- Másodfokú 2: a(x-b)    +c"));
  addLine(0, QStringLiteral("- Abszolútértékes: a|x-b|+c"));
  addLine(0, QStringLiteral("2. Meg kell adni a változókat: a,b,c"));
  addLine(0, QStringLiteral("3. Mutasd a függvényt! gombra kattintani"));
  addLine(0,
          QStringLiteral("A Függvény törlése gombra kattintva kitörli a függvény(eke)t a memóriából és törli a kép-\n"
                         "ernyőről is az(oka)t."),
          kParagraphGap);
  addLine(0,
          QStringLiteral("A Mindent töröl gombra kattintva kitörli a függvény(eke)t a memóriából és törli a képer-\n"
                         "nyőről, törli a változókat, a nagyítást visszaállítja 1x-esre és középre."),
          kParagraphGap);
  Square1 = addMark(quadratic, QStringLiteral("- Másodfokú: ax"), QStringLiteral("2"), 8, kSquareRaise);
  Square2 = addMark(quadratic2, QStringLiteral("- Másodfokú 2: a(x-b)"), QStringLiteral("2"), 8, kSquareRaise);
  Square1->setObjectName(QStringLiteral("Square1"));
  Square2->setObjectName(QStringLiteral("Square2"));
  // Read aloud, the lines say what they show.
  quadratic->setAccessibleName(QStringLiteral("- Másodfokú: ax²+bx+c"));
  quadratic2->setAccessibleName(QStringLiteral("- Másodfokú 2: a(x-b)²+c"));

  // 2. The history of the program.
  History = addReadOnlyText(QStringLiteral("A program története"), QStringLiteral("History"), kHistory);

  // 3. Settings.
  Settings = addReadOnlyText(QStringLiteral("Beállítások"), QStringLiteral("Settings"), kSettings);

  // 4. Other notes and the legend.
  addPage(QStringLiteral("Egyéb"));
  addLine(3,
          QStringLiteral("A program Windows XP-re készült, más rendszereken másképp nézhet ki és másképp működhet."),
          0, true);
  addLine(3,
          QStringLiteral("Elnézést kérek a program esetleges hibáiért, és azért, hogy némelyik hibaüzenet angol "
                         "nyelvű."),
          kParagraphGap / 2, true);
  addLine(3, QStringLiteral("A program folyamatosan fejlődik: a hibák javulnak, és új lehetőségek is jönnek."),
          kParagraphGap / 2, true);
  addLine(3, QStringLiteral("Jelmagyarázat:"), 2 * kParagraphGap);
  QLabel* legend = addLine(3, QStringLiteral("x^2 =  x"));
  Square3 = addMark(legend, legend->text(), QStringLiteral("2"), 8, kSquareRaise);
  Square3->setObjectName(QStringLiteral("Square3"));
  legend->setAccessibleName(QStringLiteral("x^2 = x², azaz x a négyzeten"));

  // 5. Shortcuts.
  addPage(QStringLiteral("Gyorsbillentyűk"));
  for (const char* line : kShortcuts) addLine(4, QString::fromUtf8(line));

  Button1 = new QPushButton(QStringLiteral("OK"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setGeometry((ClientWidth - 75) / 2, CreditsHeight + NotebookHeight + 6, 75, 25);
  connect(Button1, &QPushButton::clicked, this, &Tsugoablak::Button1Click);

  Button2 = new QPushButton(QStringLiteral("Képes súgó"), this);
  Button2->setObjectName(QStringLiteral("Button2"));
  Button2->setGeometry(ClientWidth - 8 - 90, CreditsHeight + NotebookHeight + 6, 90, 25);
  Button2->setStatusTip(QStringLiteral("Az új súgó megnyitása"));
  connect(Button2, &QPushButton::clicked, this, &Tsugoablak::Button2Click);

  // The date line; its full stop after "2004" is a label of its own.
  DateLine = makeLabel(this, QStringLiteral("DateLine"), QStringLiteral("Készült: 2004  április - 2006. november"));
  Label17 = addMark(DateLine, QStringLiteral("Készült: 2004"), QStringLiteral("."), 0, 0.0);
  Label17->setObjectName(QStringLiteral("Label17"));
  DateLine->setAccessibleName(QStringLiteral("Készült: 2004. április - 2006. november"));
  Label17->installEventFilter(this);

  arrange();
}

QWidget* Tsugoablak::addPage(const QString& title) {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("TabSheet%1").arg(PageControl1->count() + 1));
  PageControl1->addTab(page, title);
  return page;
}

QLabel* Tsugoablak::addLine(int page, const QString& text, int gapAbove, bool wrap) {
  QLabel* label = makeLabel(PageControl1->widget(page), QString(), text);
  label->setObjectName(QStringLiteral("Page%1Line%2").arg(page + 1).arg(pageLines_[page].size() + 1));
  label->setWordWrap(wrap);
  // Each line can be reached with Tab and read by a screen reader.
  graf::ui::readableByTab(label);
  pageLines_[page].push_back(label);
  gapsAbove_[page].push_back(gapAbove);
  return label;
}

QPlainTextEdit* Tsugoablak::addReadOnlyText(const QString& title, const QString& objectName, const QString& text) {
  QWidget* sheet = addPage(title);
  auto* edit = new QPlainTextEdit(text, sheet);
  edit->setObjectName(objectName);
  edit->setAccessibleName(title);
  edit->setReadOnly(true);
  edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  auto* layout = new QVBoxLayout(sheet);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(edit);
  return edit;
}

QLabel* Tsugoablak::addMark(QLabel* line, const QString& before, const QString& text, int pixelSize, double raise) {
  QLabel* mark = makeLabel(line->parentWidget(), QString(), text);
  if (pixelSize > 0) {
    QFont small = mark->font();
    small.setPixelSize(pixelSize);
    mark->setFont(small);
  }
  marks_.push_back({line, before, mark, raise});
  return mark;
}

void Tsugoablak::arrange() {
  // Not before the controls exist.
  if (arranging_ || !Label17) return;
  arranging_ = true;
  for (int page = 0; page < 5; ++page) {
    int y = kPageTop;
    for (std::size_t i = 0; i < pageLines_[page].size(); ++i) {
      QLabel* label = pageLines_[page][i];
      y += gapsAbove_[page][i];
      const int width = label->wordWrap() ? kPageTextWidth : label->sizeHint().width();
      const int height = label->wordWrap() ? label->heightForWidth(width) : label->sizeHint().height();
      label->setGeometry(kPageLeft, y, width, height);
      y += height;
    }
  }
  const QSize date = DateLine->sizeHint();
  DateLine->setGeometry(8, ClientHeight - 4 - date.height(), date.width(), date.height());

  for (const Mark& m : marks_) {
    const QFontMetrics lineMetrics(m.line->font());
    const QFontMetrics markMetrics(m.mark->font());
    const int left = m.line->x() + m.line->contentsRect().left() + lineMetrics.horizontalAdvance(m.before);
    const int baseline = m.line->y() + m.line->contentsRect().top() + lineMetrics.ascent();
    const int raisedBaseline = baseline - static_cast<int>(m.raise * lineMetrics.ascent() + 0.5);
    const QSize size = m.mark->sizeHint();
    m.mark->setGeometry(left, raisedBaseline - markMetrics.ascent(), size.width(), size.height());
    m.mark->raise();
  }
  arranging_ = false;
}

// ---- graf::HelpWindowPort ----

void Tsugoablak::closeHelp() { close(); }

// ---- Reactions ----

void Tsugoablak::Button1Click() { emit okPressed(); }

void Tsugoablak::Button2Click() { emit helpRequested(QStringLiteral("Üdvözlés")); }

void Tsugoablak::Label17MouseDown() { emit dotPressed(); }

bool Tsugoablak::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::StyleChange:
      arrange();
      break;
    case QEvent::Show:
      if (!event->spontaneous()) {
        arrange();
        // Centred on the screen each time it opens.
        graf::ui::centreOnScreen(this);
        Button1->setFocus();
      }
      break;
    case QEvent::Hide:
      if (!event->spontaneous()) emit closed();
      break;
    default:
      break;
  }
  return QWidget::event(event);
}

// Any mouse button pressed on the full stop of the date line.
bool Tsugoablak::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Label17 &&
      (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick))
    Label17MouseDown();
  return QWidget::eventFilter(watched, event);
}

}  // namespace graf::ui
