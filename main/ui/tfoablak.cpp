// SPDX-License-Identifier: MIT
#include "main/ui/tfoablak.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <optional>
#include <tuple>
#include <utility>

#include "picture/picture_description.h"
#include "picture/shown_drawing.h"
#include "picture/ui/raster_text.h"
#include "picture/ui/picture_widget.h"
#include "main/ui/pan_button_hold.h"
#include "main/ui/swatch.h"
#include "picture/ui/picture_dialog.h"
#include "picture/ui/picture_file.h"
#include "common/ui/accessibility.h"
#include "common/ui/ui_support.h"
#include "settings/setting_names.h"

namespace graf::ui {

namespace {

const char* const kWheelVertical = "⇕";
const char* const kWheelHorizontal = "⇔";
// The centre button's position indicator.
const char* const kCentre = "⌖";
// The hint panel, the first of the status bar, as wide as the bar leaves it.
constexpr int kHintPanelWidth = 266;

// The look of the platform, with the text of an option button set as close to
// its round indicator as the narrow option buttons of the window need.
class CompactOptionStyle : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    if (metric == PM_RadioButtonLabelSpacing) return 3;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }
};

// Watches the events of every object of the application; the main window uses
// it to see wheel turns over any of its controls.
class ApplicationEventHook : public QObject {
 public:
  ApplicationEventHook(QObject* owner, std::function<bool(QObject*, QEvent*)> hook)
      : QObject(owner), hook_(std::move(hook)) {
    qApp->installEventFilter(this);
  }
  bool eventFilter(QObject* watched, QEvent* event) override { return hook_(watched, event); }

 private:
  std::function<bool(QObject*, QEvent*)> hook_;
};

// The glyph of the zoom button: a magnifying glass with a plus in its lens.
QIcon magnifierIcon() {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0, 0, 0), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(10.5, 10.5), QPointF(14.5, 14.5));
  p.setPen(QPen(QColor(0, 0, 0), 1.5));
  p.setBrush(QColor(200, 230, 255));
  p.drawEllipse(QPointF(6.5, 6.5), 5.0, 5.0);
  p.setPen(QPen(QColor(0, 0, 128), 1.5));
  p.drawLine(QPointF(4.0, 6.5), QPointF(9.0, 6.5));
  p.drawLine(QPointF(6.5, 4.0), QPointF(6.5, 9.0));
  return QIcon(pixmap);
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, int x, int y) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->move(x, y);
  label->adjustSize();
  return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                        const QString& hint = QString()) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(geometry);
  button->setStatusTip(hint);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

Tfoablak::Tfoablak(graf::Commands& cmd, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      cmd_(cmd) {
  setObjectName(QStringLiteral("Tfoablak"));
  setWindowTitle(QStringLiteral("Grafolin 5.2"));
  graf::ui::exposeAsWindow(this, graf::ui::WindowRole::Frame);
  graf::ui::centreOnFirstShow(this);
  setFont(graf::ui::programFont());
  setFixedSize(ClientWidth, ClientHeight);

  createControls();
  createActions();
  createMenu();

  setCountPanel(graf::countPanelText(cmd_.state().table.FunctionCount));
  cmd_.setMainWindowListener(this);

  // Wheel turns over any control of the window reach the window; a pop-up
  // of the window that opens ends the hold of the pan buttons.
  new ApplicationEventHook(this, [this](QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) popupOpening(watched);
    return event->type() == QEvent::Wheel && wheelOverWindow(watched, event);
  });
}

Tfoablak::~Tfoablak() { cmd_.setMainWindowListener(nullptr); }

void Tfoablak::createControls() {
  ActionMainMenuBar1 = new QMenuBar(this);
  ActionMainMenuBar1->setObjectName(QStringLiteral("ActionMainMenuBar1"));
  ActionMainMenuBar1->setNativeMenuBar(false);
  ActionMainMenuBar1->setGeometry(0, 0, ClientWidth, 24);

  // The kind options with their colour swatches.
  kindGroup_ = new QButtonGroup(this);
  auto* optionStyle = new CompactOptionStyle;
  optionStyle->setParent(this);
  const struct {
    graf::Kind kind;
    QRadioButton*& button;
    graf::ui::Swatch*& swatch;
    const char* name;
    const char* swatchName;
    const char* caption;
    const char* hint;
    const char* swatchHint;
    // The formula of the hint as a screen reader should say it.
    const char* spokenFormula;
    int width;
  } kinds[] = {
      {graf::Kind::Linear, RadioButton1, Shape2, "RadioButton1", "Shape2", "&Elsőfokú", "f(x): ax+b",
       "Az elsőfokú függvény színe", "f x egyenlő: a-szor x, plusz b", 65},
      {graf::Kind::Quadratic, RadioButton2, Shape3, "RadioButton2", "Shape3", "&Másodfokú", "f(x): ax^2+bx+c",
       "A másodfokú függvény színe", "f x egyenlő: a-szor x a négyzeten, plusz b-szer x, plusz c", 73},
      {graf::Kind::Quadratic2, RadioButton3, Shape4, "RadioButton3", "Shape4", "Másodfokú &2", "f(x): a(x-b)^2+c",
       "A másodfokú függvény 2. fajtájának színe", "f x egyenlő: a-szor x mínusz b a négyzeten, plusz c", 81},
      {graf::Kind::AbsoluteValue, RadioButton4, Shape5, "RadioButton4", "Shape5", "&Abszolútértékes",
       "f(x): alx-bl+c", "Az abszolútértékes függvény színe",
       "f x egyenlő: a-szor x mínusz b abszolút értéke, plusz c", 97},
  };
  int top = 32;
  for (const auto& k : kinds) {
    k.button = new QRadioButton(QString::fromUtf8(k.caption), this);
    k.button->setObjectName(QString::fromLatin1(k.name));
    k.button->setGeometry(16, top, k.width, 17);
    k.button->setStatusTip(QString::fromUtf8(k.hint));
    k.button->setAccessibleDescription(QString::fromUtf8(k.spokenFormula));
    k.button->setStyle(optionStyle);
    kindGroup_->addButton(k.button, graf::kindNumber(k.kind));
    k.swatch = new graf::ui::Swatch(graf::kindColor(cmd_.state().settings, k.kind), this);
    k.swatch->setObjectName(QString::fromLatin1(k.swatchName));
    k.swatch->setGeometry(0, top, 17, 17);
    k.swatch->setStatusTip(QString::fromUtf8(k.swatchHint));
    nameSwatch(k.swatch);
    top += 16;
  }
  RadioButton1->setChecked(true);
  connect(RadioButton1, &QRadioButton::toggled, this, [this](bool on) {
    if (on && !selectingKind_) RadioButton1Click();
  });
  connect(RadioButton2, &QRadioButton::toggled, this, [this](bool on) {
    if (on && !selectingKind_) RadioButton2Click();
  });
  connect(RadioButton3, &QRadioButton::toggled, this, [this](bool on) {
    if (on && !selectingKind_) RadioButton3Click();
  });
  connect(RadioButton4, &QRadioButton::toggled, this, [this](bool on) {
    if (on && !selectingKind_) RadioButton4Click();
  });

  // The coefficient fields.
  Label1 = makeLabel(this, "Label1", QStringLiteral("A="), 8, 112);
  Label2 = makeLabel(this, "Label2", QStringLiteral("B="), 8, 152);
  Label3 = makeLabel(this, "Label3", QStringLiteral("C="), 8, 192);
  Edit1 = new QLineEdit(this);
  Edit2 = new QLineEdit(this);
  Edit3 = new QLineEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit2->setObjectName(QStringLiteral("Edit2"));
  Edit3->setObjectName(QStringLiteral("Edit3"));
  Edit1->setGeometry(24, 112, 33, 21);
  Edit2->setGeometry(24, 152, 33, 21);
  Edit3->setGeometry(24, 192, 33, 21);
  Label3->setEnabled(false);
  Edit3->setEnabled(false);
  // Each field is tied to its label, and both are named in words: "A="
  // read aloud is no word.
  for (auto [label, edit, name] : {std::tuple{Label1, Edit1, "A együttható"}, {Label2, Edit2, "B együttható"},
                                   {Label3, Edit3, "C együttható"}}) {
    label->setBuddy(edit);
    label->setAccessibleName(QString::fromUtf8(name));
    edit->setAccessibleName(QString::fromUtf8(name));
  }
  // What the user types is what the window shows, for every later replot.
  for (graf::Field f : {graf::Field::A, graf::Field::B, graf::Field::C})
    connect(field(f), &QLineEdit::textChanged, this,
            [this, f](const QString& text) { cmd_.fieldEdited(f, text.toStdString()); });

  // Numbering, the pan cross, the zoom button and its label.
  Button11 = makeButton(this, "Button11", QStringLiteral("123"), {88, 104, 25, 25}, QStringLiteral("Tengelyek számozása"));
  Button2 = makeButton(this, "Button2", QStringLiteral("/\\"), {88, 136, 17, 17}, QStringLiteral("Fel"));
  Button6 = makeButton(this, "Button6", QStringLiteral("<"), {72, 152, 17, 17}, QStringLiteral("Balra"));
  Button8 = makeButton(this, "Button8", QString::fromUtf8(kCentre), {88, 152, 17, 17}, QStringLiteral("Középre"));
  Button5 = makeButton(this, "Button5", QStringLiteral(">"), {104, 152, 17, 17}, QStringLiteral("Jobbra"));
  Button7 = makeButton(this, "Button7", QStringLiteral("\\/"), {88, 168, 17, 17}, QStringLiteral("Le"));
  panHold_ = new PanButtonHold({Button2, Button6, Button5, Button7},
                               [this](QObject* button, bool down) { panButtonDown(button, down); }, this);
  BitBtn2 = makeButton(this, "BitBtn2", QString(), {88, 192, 25, 25}, QStringLiteral("Nagyítás"));
  BitBtn2->setIcon(magnifierIcon());
  BitBtn2->setIconSize(QSize(16, 16));
  Label5 = makeLabel(this, "Label5", QStringLiteral("1x"), 72, 200);
  // The buttons that show glyphs or digits are read out by their hints.
  for (QPushButton* b : {Button11, Button2, Button6, Button8, Button5, Button7, BitBtn2})
    b->setAccessibleName(b->statusTip());
  // The zoom label is heard by its value ("2x"), as the read-out below.
  Label5->setAccessibleDescription(QStringLiteral("Nagyítás"));

  // The coordinate read-out.
  Label9 = makeLabel(this, "Label9", QStringLiteral("Koordináták:"), 16, 216);
  Label4 = makeLabel(this, "Label4", QStringLiteral("X:"), 16, 232);
  Label7 = makeLabel(this, "Label7", QString(), 30, 232);
  Label6 = makeLabel(this, "Label6", QStringLiteral("Y:"), 64, 232);
  Label8 = makeLabel(this, "Label8", QString(), 78, 232);
  // The values are heard as their texts ("10.00"), each tied to its caption.
  Label4->setBuddy(Label7);
  Label6->setBuddy(Label8);

  // The plot command and the clearing commands.
  Button1 = makeButton(this, "Button1", QStringLiteral("M&utasd a függvényt!"), {8, 248, 105, 41},
                       QStringLiteral("Megmutatja a függvényt"));
  Button9 = makeButton(this, "Button9", QStringLiteral("Utolsó fv törlése"), {8, 296, 105, 25},
                       QStringLiteral("Törli az utolsó függvényt"));
  Button9->setEnabled(false);
  Button4 = makeButton(this, "Button4", QStringLiteral("Függvény(ek) &törlése"), {8, 328, 105, 25},
                       QStringLiteral("Nem törli a beviteli mezőket"));
  Button3 = makeButton(this, "Button3", QStringLiteral("Min&dent töröl"), {8, 360, 105, 25},
                       QStringLiteral("Törli a beviteli mezőket és a függvényt is"));

  // The picture.
  Image1 = new graf::ui::PictureWidget(cmd_.picture(), this);
  Image1->setObjectName(QStringLiteral("Image1"));
  Image1->move(PictureLeft, PictureTop);
  // The picture lies beneath the buttons: the right pan button overlaps its
  // first column.
  Image1->lower();
  Image1->setAccessibleName(QStringLiteral("A függvények képe"));
  Image1->setDescriber([this] { return QString::fromStdString(graf::PictureDescription(cmd_.state())); });
  connect(Image1, &graf::ui::PictureWidget::mouseMoved, this, &Tfoablak::Image1MouseMove);
  connect(Image1, &graf::ui::PictureWidget::clicked, this, &Tfoablak::Image1Click);

  // The wheel direction switch and the close button.
  Button10 = makeButton(this, "Button10", QString::fromUtf8(kWheelVertical), {304, 360, 41, 25},
                        QStringLiteral("Görgetés iránya"));
  QFont arrows = Button10->font();
  arrows.setBold(true);
  arrows.setPixelSize(16);
  Button10->setFont(arrows);
  Button10->setAccessibleName(Button10->statusTip());
  BitBtn1 = makeButton(this, "BitBtn1", QStringLiteral("&Bezár"), {448, 360, 65, 25},
                       QStringLiteral("Kilép a programból"));
  // Its B stays underlined, but Alt+B belongs to the menu "&Beállítások":
  // the main menu's access keys come before those of the controls.
  BitBtn1->setShortcut(QKeySequence());

  // The status bar: a real status bar (screen readers announce it as one)
  // with three sunken panels side by side, not interactive. The panels keep
  // their fixed places rather than the status bar's own spacing; the last one
  // runs to the right edge of the bar.
  StatusBar1 = new QStatusBar(this);
  StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
  StatusBar1->setSizeGripEnabled(false);
  StatusBar1->setGeometry(0, 388, ClientWidth, 19);
  StatusBar1->setAttribute(Qt::WA_TransparentForMouseEvents);
  const int widths[2] = {kHintPanelWidth, 120};
  int left = 0;
  for (int i = 0; i < 3; ++i) {
    panels_[i] = new QLabel(StatusBar1);
    panels_[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    panels_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panels_[i]->setIndent(2);
    panels_[i]->setGeometry(left, 2, i < 2 ? widths[i] : 0, 17);
    if (i < 2) left += widths[i];
  }
  placeLastPanel();
  StatusBar1->installEventFilter(this);

  // The repeat timer of the pan buttons.
  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(50);
  connect(Timer1, &QTimer::timeout, this, &Tfoablak::Timer1Timer);
  Timer1->start();

  // The context menu.
  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  QAction* sugo1 = PopupMenu1->addAction(QStringLiteral("Súgó"));
  sugo1->setObjectName(QStringLiteral("Sugo1"));
  connect(sugo1, &QAction::triggered, this, &Tfoablak::Sugo1Click);

  connect(Button1, &QPushButton::clicked, this, &Tfoablak::Button1Click);
  connect(Button3, &QPushButton::clicked, this, &Tfoablak::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &Tfoablak::Button4Click);
  connect(Button9, &QPushButton::clicked, this, &Tfoablak::Button9Click);
  connect(Button11, &QPushButton::clicked, this, &Tfoablak::Button11Click);
  connect(BitBtn2, &QPushButton::clicked, this, &Tfoablak::BitBtn2Click);
  connect(Button8, &QPushButton::clicked, this, &Tfoablak::Button8Click);
  connect(Button10, &QPushButton::clicked, this, &Tfoablak::Button10Click);
  connect(BitBtn1, &QPushButton::clicked, this, &Tfoablak::BitBtn1Click);

  // Tab order: the kind options, the fields, then the plot button.
  QWidget* order[] = {RadioButton1, RadioButton2, RadioButton3, RadioButton4, Edit1,   Edit2,   Edit3,
                      Button1,      Button9,      Button4,      Button3,      Button11, Button2, Button6,
                      Button8,      Button5,      Button7,      BitBtn2,      Button10, BitBtn1};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
  // The picture takes the focus last, so that a screen reader reads its
  // description.
  Image1->setFocusPolicy(Qt::TabFocus);
  setTabOrder(BitBtn1, Image1);

  // Results that appear away from the focus are announced.
  Announcer1 = new graf::ui::Announcer(this);
}

void Tfoablak::createActions() {
  const struct {
    QAction*& action;
    const char* name;
    const char* category;
    const char* caption;
    const char* hint;
    QKeySequence shortcut;
    void (Tfoablak::*execute)();
  } actions[] = {
      {Fvkepment, "Fvkepment", "Fájl", "Függvény(ek) ké&pének mentése", "Elmenti a függvény(ek) képét bitképként",
       QKeySequence(Qt::CTRL | Qt::Key_S), &Tfoablak::FvkepmentExecute},
      {Toltment, "Toltment", "Fájl", "Függvény(ek) mentése/töltése", "Elmentett függvény(ek) betöltése és újak mentése",
       QKeySequence(Qt::CTRL | Qt::Key_M), &Tfoablak::ToltmentExecute},
      {Kilep, "Kilep", "Fájl", "Kilép", "Program bezárása", QKeySequence(Qt::ALT | Qt::Key_F4),
       &Tfoablak::KilepExecute},
      {Abrazol, "Abrazol", "Függvény", "Ábrázol", "Függvény(ek) ábrázolása", QKeySequence(Qt::Key_F5),
       &Tfoablak::AbrazolExecute},
      {Torol2, "Torol2", "Függvény", "Töröl", "Az összes függvény törlése", QKeySequence(Qt::Key_F6),
       &Tfoablak::Torol2Execute},
      {Utfvtorles, "Utfvtorles", "Függvény", "Utolsó fv törlése", "Kitörli az utolsó függvényt",
       QKeySequence(Qt::Key_F7), &Tfoablak::UtfvtorlesExecute},
      {Mindtor, "Mindtor", "Függvény", "Mindent töröl", "Törli a beviteli mezőket és a függvényt is",
       QKeySequence(Qt::Key_F8), &Tfoablak::MindtorExecute},
      {elsofoku, "elsofoku", "Függvény", "Elsőfokú", "Elsőfokú függvény kiválasztása",
       QKeySequence(Qt::CTRL | Qt::Key_1), &Tfoablak::elsofokuExecute},
      {masodfoku, "masodfoku", "Függvény", "Másodfokú", "Másodfokú függvény kiválasztása",
       QKeySequence(Qt::CTRL | Qt::Key_2), &Tfoablak::masodfokuExecute},
      {masodfoku2, "masodfoku2", "Függvény", "Másodfokú 2", "Másodfokú függvény 2. fajtájának kiválasztása",
       QKeySequence(Qt::CTRL | Qt::Key_3), &Tfoablak::masodfoku2Execute},
      {abszolutertekes, "abszolutertekes", "Függvény", "Abszolútértékes", "Abszolútértékes függvény kiválasztása",
       QKeySequence(Qt::CTRL | Qt::Key_4), &Tfoablak::abszolutertekesExecute},
      {Konfig, "Konfig", "Beállítások", "P&rogram konfigurálása", "A program személyre szabása",
       QKeySequence(Qt::Key_F2), &Tfoablak::KonfigExecute},
      {Fvmutat, "Fvmutat", "Beállítások", "Függvényablak mutatása", "", QKeySequence(Qt::CTRL | Qt::Key_F),
       &Tfoablak::FvmutatExecute},
      {Sugo, "Sugo", "Súgó", "Súgó", "A Grafolin Súgójának megnyitása", QKeySequence(Qt::Key_F1),
       &Tfoablak::SugoExecute},
      {Nevjegy, "Nevjegy", "Súgó", "Névjegy", "", QKeySequence(), &Tfoablak::NevjegyExecute},
  };
  for (const auto& a : actions) {
    a.action = new QAction(QString::fromUtf8(a.caption), this);
    a.action->setObjectName(QString::fromLatin1(a.name));
    // The action's own caption and category; the menu item shows its own
    // caption with its access key (createMenu).
    a.action->setProperty("caption", QString::fromUtf8(a.caption));
    a.action->setProperty("category", QString::fromUtf8(a.category));
    a.action->setStatusTip(QString::fromUtf8(a.hint));
    a.action->setShortcut(a.shortcut);
    connect(a.action, &QAction::triggered, this, a.execute);
    addAction(a.action);
  }
  Utfvtorles->setEnabled(false);
  Fvmutat->setCheckable(true);
}

void Tfoablak::createMenu() {
  const auto item = [](QMenu* menu, QAction* action, const char* caption) {
    action->setText(QString::fromUtf8(caption));
    menu->addAction(action);
  };
  QMenu* file = ActionMainMenuBar1->addMenu(QStringLiteral("&Fájl"));
  item(file, Fvkepment, "Függvény(ek) ké&pének mentése");
  item(file, Toltment, "&Függvény(ek) mentése/töltése");
  item(file, Kilep, "&Kilép");

  QMenu* function = ActionMainMenuBar1->addMenu(QStringLiteral("Fü&ggvény"));
  QMenu* choose = function->addMenu(QStringLiteral("&Függvény kiválasztása"));
  item(choose, elsofoku, "&Elsőfokú");
  item(choose, masodfoku, "&Másodfokú");
  item(choose, masodfoku2, "Má&sodfokú 2");
  item(choose, abszolutertekes, "&Abszolútértékes");
  item(function, Abrazol, "Á&brázol");
  item(function, Torol2, "&Töröl");
  item(function, Utfvtorles, "&Utolsó fv törlése");
  item(function, Mindtor, "&Mindent töröl");

  QMenu* settings = ActionMainMenuBar1->addMenu(QStringLiteral("&Beállítások"));
  item(settings, Konfig, "P&rogram konfigurálása");
  item(settings, Fvmutat, "&Függvényablak mutatása");

  QMenu* help = ActionMainMenuBar1->addMenu(QStringLiteral("&Súgó"));
  item(help, Sugo, "Súgó");
  item(help, Nevjegy, "Névjegy");

  // Every menu of the window, the context menu too, for the hints of its
  // disabled items.
  for (QMenu* menu : findChildren<QMenu*>()) menu->installEventFilter(this);
}

// The last panel runs to the right edge of the bar; where its text needs more
// room than that, it takes the room from the hint panel, and the count panel
// moves along between them.
void Tfoablak::placeLastPanel() {
  const int countWidth = panels_[1]->width();
  const int room = StatusBar1->width() - panels_[0]->x() - countWidth;
  const int needed = panels_[2]->text().isEmpty() ? 0 : panels_[2]->sizeHint().width();
  const int hintWidth = std::clamp(room - needed, 0, kHintPanelWidth);
  panels_[0]->resize(hintWidth, panels_[0]->height());
  panels_[1]->move(panels_[0]->x() + hintWidth, panels_[1]->y());
  panels_[2]->setGeometry(panels_[1]->x() + countWidth, panels_[2]->y(), room - hintWidth, panels_[2]->height());
}

QLabel* Tfoablak::statusPanel(int index) const { return index >= 0 && index < 3 ? panels_[index] : nullptr; }

QString Tfoablak::statusPanelText(int index) const {
  const QLabel* panel = statusPanel(index);
  return panel ? panel->text() : QString();
}

void Tfoablak::setStatusPanelText(int index, const QString& text) {
  QLabel* panel = statusPanel(index);
  if (!panel) return;
  panel->setText(text);
  if (index == 2) placeLastPanel();
}

graf::ui::Swatch* Tfoablak::swatch(graf::Kind kind) const {
  graf::ui::Swatch* const swatches[] = {Shape2, Shape3, Shape4, Shape5};
  return swatches[graf::kindNumber(kind) - 1];
}

void Tfoablak::setSwatchColor(graf::Kind kind, graf::Color color) {
  swatch(kind)->setColor(color);
  nameSwatch(swatch(kind));
}

// A swatch is heard as what it shows the colour of, and the colour in words.
void Tfoablak::nameSwatch(graf::ui::Swatch* s) {
  s->setAccessibleName(s->statusTip() + QStringLiteral(": ") + QString::fromStdString(graf::colorWords(s->color())));
}

graf::Color Tfoablak::swatchColor(graf::Kind kind) const { return swatch(kind)->color(); }

QAction* Tfoablak::action(const QString& name) const { return findChild<QAction*>(name); }

// --- What the window shows ---

QLineEdit* Tfoablak::field(graf::Field f) const {
  switch (f) {
    case graf::Field::A: return Edit1;
    case graf::Field::B: return Edit2;
    case graf::Field::C: return Edit3;
  }
  return Edit1;
}

graf::FieldTexts Tfoablak::fieldTexts() const {
  return {Edit1->text().toStdString(), Edit2->text().toStdString(), Edit3->text().toStdString()};
}

void Tfoablak::plot() { cmd_.plotCommand(fieldTexts(), selectedKind()); }

void Tfoablak::shownChanged(const graf::MainWindowShown& s, unsigned parts) {
  const QString zoomBefore = Label5->text();
  for (graf::Field f : {graf::Field::A, graf::Field::B, graf::Field::C})
    if (parts & graf::shownFieldPart(f)) setFieldText(f, s.field(f));
  if (parts & graf::kShownKind) selectKind(s.kind);
  if (parts & graf::kShownCEnabled) setCFieldEnabled(s.cEnabled);
  if (parts & graf::kShownCaption) setCaption(s.caption);
  if (parts & graf::kShownCount) setCountPanel(s.countText);
  if (parts & graf::kShownDeleteLast) setDeleteLastEnabled(s.deleteLastEnabled);
  if (parts & graf::kShownReadout) setReadout(s.readoutX, s.readoutY);
  if (parts & graf::kShownZoom) setZoomLabel(s.zoomText);
  if (parts & graf::kShownCursor) setPictureCursor(s.cursor);
  if (parts & graf::kShownWheel) setWheelDirectionVertical(s.wheelVertical);
  if (parts & graf::kShownRepeat) setRepeatInterval(s.repeatInterval);
  if (parts & graf::kShownPicture) pictureChanged();
  // The result of a plot, a load, a deletion or a clearing (each of them
  // shows the count anew), and a new zoom, are told to a screen reader.
  if (parts & graf::kShownCount) announce(s.caption + ". " + s.countText);
  if ((parts & graf::kShownZoom) && Label5->text() != zoomBefore) announce("Nagyítás: " + s.zoomText);
}

// Said once the command has run to its end, and only to the window in front:
// while a message box is up, what the command did is told when the box has
// closed.
void Tfoablak::announce(const std::string& words) {
  if (!pendingAnnouncement_.isEmpty()) pendingAnnouncement_ += QStringLiteral(". ");
  pendingAnnouncement_ += QString::fromStdString(words);
  QTimer::singleShot(0, this, &Tfoablak::sayPendingAnnouncement);
}

void Tfoablak::sayPendingAnnouncement() {
  if (pendingAnnouncement_.isEmpty() || !isActiveWindow()) return;
  Announcer1->announce(std::exchange(pendingAnnouncement_, QString()));
}

// A text the program puts into a field is shown from its start: the field is
// narrower than "-100.00", and its sign must not scroll out of sight.
void Tfoablak::setFieldText(graf::Field f, const std::string& text) {
  field(f)->setText(QString::fromStdString(text));
  field(f)->setCursorPosition(0);
}

graf::Kind Tfoablak::selectedKind() const {
  return graf::kindOfNumber(kindGroup_->checkedId()).value_or(graf::Kind::Linear);
}

void Tfoablak::selectKind(graf::Kind kind) {
  QAbstractButton* button = kindGroup_->button(graf::kindNumber(kind));
  if (!button) return;
  selectingKind_ = true;
  button->setChecked(true);
  selectingKind_ = false;
}

void Tfoablak::setCFieldEnabled(bool enabled) {
  Edit3->setEnabled(enabled);
  Label3->setEnabled(enabled);
}

void Tfoablak::setCaption(const std::string& text) { setWindowTitle(QString::fromStdString(text)); }

void Tfoablak::setCountPanel(const std::string& text) { setStatusPanelText(1, QString::fromStdString(text)); }

void Tfoablak::setDeleteLastEnabled(bool enabled) {
  Button9->setEnabled(enabled);
  Utfvtorles->setEnabled(enabled);
}

void Tfoablak::setReadout(const std::string& x, const std::string& y) {
  Label7->setText(QString::fromStdString(x));
  Label7->adjustSize();
  Label8->setText(QString::fromStdString(y));
  Label8->adjustSize();
}

void Tfoablak::setZoomLabel(const std::string& text) {
  Label5->setText(QString::fromStdString(text));
  Label5->adjustSize();
}

void Tfoablak::setPictureCursor(graf::PictureCursor c) {
  Image1->setCursor(c == graf::PictureCursor::Cross ? Qt::CrossCursor : Qt::ArrowCursor);
}

void Tfoablak::setWheelDirectionVertical(bool vertical) {
  Button10->setText(QString::fromUtf8(vertical ? kWheelVertical : kWheelHorizontal));
}

void Tfoablak::setRepeatInterval(int ms) { Timer1->setInterval(ms); }

void Tfoablak::pictureChanged() { Image1->pictureChanged(); }

// --- Reactions ---

void Tfoablak::RadioButton1Click() { cmd_.kindOption(graf::Kind::Linear); }
void Tfoablak::RadioButton2Click() { cmd_.kindOption(graf::Kind::Quadratic); }
void Tfoablak::RadioButton3Click() { cmd_.kindOption(graf::Kind::Quadratic2); }
void Tfoablak::RadioButton4Click() { cmd_.kindOption(graf::Kind::AbsoluteValue); }

void Tfoablak::Button1Click() { plot(); }
void Tfoablak::Button3Click() { cmd_.clearAll(); }
void Tfoablak::Button4Click() { cmd_.clearFunctions(); }
void Tfoablak::Button9Click() { cmd_.deleteLastFunction(); }
void Tfoablak::Button11Click() { cmd_.numberAxes(); }
void Tfoablak::BitBtn2Click() { cmd_.zoomStep(); }
void Tfoablak::Button8Click() { cmd_.centre(); }
void Tfoablak::Button10Click() { cmd_.directionSwitch(); }
void Tfoablak::BitBtn1Click() { close(); }

void Tfoablak::Button2MouseDown() { cmd_.setPanHeld(graf::PanDirection::Up, true); }
void Tfoablak::Button2MouseUp() { cmd_.setPanHeld(graf::PanDirection::Up, false); }
void Tfoablak::Button7MouseDown() { cmd_.setPanHeld(graf::PanDirection::Down, true); }
void Tfoablak::Button7MouseUp() { cmd_.setPanHeld(graf::PanDirection::Down, false); }
void Tfoablak::Button6MouseDown() { cmd_.setPanHeld(graf::PanDirection::Left, true); }
void Tfoablak::Button6MouseUp() { cmd_.setPanHeld(graf::PanDirection::Left, false); }
void Tfoablak::Button5MouseDown() { cmd_.setPanHeld(graf::PanDirection::Right, true); }
void Tfoablak::Button5MouseUp() { cmd_.setPanHeld(graf::PanDirection::Right, false); }

void Tfoablak::Timer1Timer() { cmd_.repeatTick(); }

void Tfoablak::Image1MouseMove(int x, int y) { cmd_.mouseMove(x, y); }
void Tfoablak::Image1Click() { cmd_.pictureClick(); }

void Tfoablak::FormMouseWheel(bool up, graf::WheelModifiers modifiers) { cmd_.wheelTurn(up, modifiers); }

void Tfoablak::DisplayHint(const QString& hint) { setStatusPanelText(0, hint); }

void Tfoablak::Sugo1Click() {
  emit helpRequested(cmd_.state().table.FunctionCount == 0 ? QStringLiteral("Függvény ábrázolása")
                                                     : QStringLiteral("Függvény törlése"));
}

// Saving the picture: exactly the 393 × 321 pixels it shows, each as a block
// of the chosen size, or the same picture as a drawing (savePictureAs).
void Tfoablak::FvkepmentExecute() {
  const graf::ui::PictureChoice choice = askPictureFileName ? askPictureFileName() : graf::ui::askPictureFile(this);
  if (choice.path.isEmpty()) return;
  std::optional<graf::PictureDrawing> drawing;
  const std::optional<graf::PictureFormat> format = graf::pictureFormatFor(choice.path.toStdString());
  if (format && graf::isDrawingFormat(*format)) drawing = graf::drawingOfShownPicture(cmd_);
  QString message;
  if (!graf::ui::savePictureAs(choice.path, cmd_.picture(), &message, choice.scale, drawing))
    cmd_.showMessage(graf::MessageType::Error, message.toStdString());
}

// The save/load, settings and help windows lock the main window while they
// are shown (graf::ui::WindowLock).
void Tfoablak::ToltmentExecute() { emit saveLoadRequested(); }
void Tfoablak::KilepExecute() { close(); }

// The menu's "clicks": they run the button's reaction even while the button
// is disabled.
void Tfoablak::AbrazolExecute() { Button1Click(); }
void Tfoablak::Torol2Execute() { Button4Click(); }
void Tfoablak::UtfvtorlesExecute() { Button9Click(); }
void Tfoablak::MindtorExecute() { Button3Click(); }

void Tfoablak::elsofokuExecute() { RadioButton1->setChecked(true); }
void Tfoablak::masodfokuExecute() { RadioButton2->setChecked(true); }
void Tfoablak::masodfoku2Execute() { RadioButton3->setChecked(true); }
void Tfoablak::abszolutertekesExecute() { RadioButton4->setChecked(true); }

void Tfoablak::KonfigExecute() { emit settingsRequested(); }

void Tfoablak::setFunctionListChecked(bool checked) { Fvmutat->setChecked(checked); }

void Tfoablak::FvmutatExecute() {
  Fvmutat->setChecked(true);
  emit functionListRequested();
}

void Tfoablak::SugoExecute() { emit helpWindowRequested(); }

void Tfoablak::NevjegyExecute() {
  cmd_.showMessage(graf::MessageType::Information,
                   "Grafolin\n5.2-es verzió\nKészült: 2006. július - november");
}

// --- Events ---

bool Tfoablak::event(QEvent* event) {
  // The hint of whatever is under the mouse, control or menu item, arrives
  // here; it goes to the first status panel instead of a pop-up tip.
  if (event->type() == QEvent::StatusTip) {
    QString hint = static_cast<QStatusTipEvent*>(event)->tip();
    // Moving from an item onto a disabled one, Qt takes the item's hint away.
    if (hint.isEmpty() && disabledItemUnderMouse_) hint = disabledItemUnderMouse_->statusTip();
    DisplayHint(hint);
    return true;
  }
  if (event->type() == QEvent::ToolTip) return true;
  if (event->type() == QEvent::WindowActivate) {
    emit activated();
    QTimer::singleShot(0, this, &Tfoablak::sayPendingAnnouncement);
  }
  // Another window (a message box, a dialog, another program) took over: the
  // release of a pan button held now would go there, so the hold ends here.
  if (event->type() == QEvent::WindowDeactivate) cmd_.releasePanButtons();
  return QWidget::event(event);
}

// The width of the status bar, and the hints of a menu's disabled items.
bool Tfoablak::eventFilter(QObject* watched, QEvent* event) {
  if (auto* menu = qobject_cast<QMenu*>(watched)) {
    if (event->type() == QEvent::MouseMove)
      menuMouseMoved(menu, static_cast<QMouseEvent*>(event)->position().toPoint());
    if (event->type() == QEvent::Hide) disabledItemUnderMouse_ = nullptr;
    return false;
  }
  if (event->type() == QEvent::Resize && watched == StatusBar1) placeLastPanel();
  return false;
}

void Tfoablak::panButtonDown(QObject* watched, bool down) {
  if (watched == Button2) down ? Button2MouseDown() : Button2MouseUp();
  else if (watched == Button7) down ? Button7MouseDown() : Button7MouseUp();
  else if (watched == Button6) down ? Button6MouseDown() : Button6MouseUp();
  else if (watched == Button5) down ? Button5MouseDown() : Button5MouseUp();
}

// Every notch of the wheel over the window or any of its controls turns into
// one wheel operation with the modifier keys and mouse buttons of the moment.
bool Tfoablak::wheelOverWindow(QObject* watched, QEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || widget->window() != this) return false;
  if (!isEnabled()) return true;
  auto* wheel = static_cast<QWheelEvent*>(event);
  const Qt::KeyboardModifiers keys = wheel->modifiers();
  graf::WheelModifiers modifiers;
  modifiers.ctrl = keys.testFlag(Qt::ControlModifier);
  modifiers.shift = keys.testFlag(Qt::ShiftModifier);
  modifiers.alt = keys.testFlag(Qt::AltModifier);
  modifiers.mouseButton = wheel->buttons() != Qt::NoButton;
  const int notches = wheelNotches_.turn(wheel->angleDelta().y(), wheel->angleDelta().x(), modifiers.alt);
  for (int i = 0; i < std::abs(notches); ++i) FormMouseWheel(notches > 0, modifiers);
  return true;
}

// Runs before the menu's own handling of the move, whose hint for an enabled
// item, or empty hint when the mouse leaves one, comes after.
void Tfoablak::menuMouseMoved(QMenu* menu, const QPoint& position) {
  QAction* item = menu->actionAt(position);
  disabledItemUnderMouse_ = item && !item->isEnabled() && !item->isSeparator() ? item : nullptr;
  if (disabledItemUnderMouse_) DisplayHint(disabledItemUnderMouse_->statusTip());
}

// A pop-up (a menu of the menu bar, opened by its access key while a pan
// button is held, or the menu of a field) takes the mouse: the release of
// the held button would go to the pop-up, so the hold ends when it opens.
// The window stays the active window then, so its deactivation does not end
// the hold.
void Tfoablak::popupOpening(QObject* watched) {
  auto* popup = qobject_cast<QWidget*>(watched);
  if (!popup || popup->windowType() != Qt::Popup || !popup->parentWidget()) return;
  if (popup->parentWidget()->window() == this) cmd_.releasePanButtons();
}

// The context menu opens at the press of the right button, also on a pan
// button, whose release then goes to the menu: the hold ends first.
void Tfoablak::contextMenuEvent(QContextMenuEvent* event) {
  cmd_.releasePanButtons();
  PopupMenu1->popup(event->globalPos());
}

void Tfoablak::closeEvent(QCloseEvent* event) {
  event->accept();
  emit closed();
}

}  // namespace graf::ui
