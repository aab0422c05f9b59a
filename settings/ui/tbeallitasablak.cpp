// SPDX-License-Identifier: MIT
#include "settings/ui/tbeallitasablak.h"

#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QCompleter>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QWindow>

#include "common/ui/accessibility.h"
#include "common/ui/ui_support.h"
#include "settings/setting_names.h"
#include "settings/ui/tegyezoszinekablak.h"
#include "settings/ui/tform9.h"

#include <utility>

namespace graf::ui {

using graf::Setting;
using graf::StateLabel;

namespace {

int index(Setting s) { return static_cast<int>(s); }
int index(StateLabel l) { return static_cast<int>(l); }

QLabel* label(QWidget* parent, const QString& text, int x, int y, const char* name = nullptr) {
  auto* l = new QLabel(text, parent);
  if (name) l->setObjectName(QString::fromLatin1(name));
  l->move(x, y);
  l->adjustSize();
  return l;
}

QStringList qtItems(const std::vector<std::string>& items) {
  QStringList list;
  for (const std::string& s : items) list << QString::fromStdString(s);
  return list;
}

// The rows of a group: a plain area over the group box's inside, so that a
// screen reader hears each picker by the label of its row rather than by the
// group's title.
QWidget* rowArea(QGroupBox* group) {
  auto* area = new QWidget(group);
  area->setGeometry(0, 0, group->width(), group->height());
  return area;
}

// A picker is heard by the label of its row, its text field too.
void labelPicker(QLabel* caption, QComboBox* picker) {
  caption->setBuddy(picker);
  if (picker->lineEdit()) picker->lineEdit()->setAccessibleName(caption->text());
}

// A row's drop-down items: a colour picker's names, or the row's own list.
QStringList pickerItems(const graf::SettingRow& row) {
  if (graf::isColorRow(row)) return qtItems(graf::colorPickerItems(row.colors));
  return QString::fromUtf8(row.items).split(QLatin1Char('\n'));
}

// The rows of one tab of the settings window, in record order.
std::vector<const graf::SettingRow*> rowsOf(graf::SettingsTab tab) {
  std::vector<const graf::SettingRow*> rows;
  for (const graf::SettingRow& row : graf::SettingRows)
    if (row.tab == tab) rows.push_back(&row);
  return rows;
}

// A chip with its pins: the picture above "Új processzorom van".
QPixmap processorPicture() {
  QPixmap pm(48, 48);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setPen(QColor(90, 90, 90));
  for (int k = 0; k < 5; ++k) {
    const int at = 10 + k * 7;
    p.drawLine(at, 2, at, 8);
    p.drawLine(at, 40, at, 46);
    p.drawLine(2, at, 8, at);
    p.drawLine(40, at, 46, at);
  }
  p.setBrush(QColor(60, 60, 70));
  p.drawRect(8, 8, 32, 32);
  p.setBrush(QColor(200, 170, 60));
  p.drawRect(16, 16, 16, 16);
  return pm;
}

}  // namespace

Tbeallitasablak::Tbeallitasablak(graf::PlotState& state, graf::SettingsState& settingsState, QWidget* mainWindow,
                                 TForm9& quickView, Tegyezoszinekablak& clashWindow, std::function<int()> currentCpuMhz,
                                 QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      st_(state),
      editor_(state, settingsState, *this),
      mainWindow_(mainWindow),
      quickView_(&quickView),
      clashWindow_(&clashWindow),
      currentCpuMhz_(std::move(currentCpuMhz)) {
  setObjectName(QStringLiteral("Tbeallitasablak"));
  setWindowTitle(QStringLiteral("Beállítások"));
  graf::ui::centreOnFirstShow(this);
  setFont(graf::ui::programFont());
  resize(345, 353);

  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  PageControl1->setGeometry(0, 0, 345, 316);
  // The keyboard reaches the tabs themselves; the page control hands its
  // focus to them anyway.
  PageControl1->setFocusPolicy(Qt::NoFocus);
  PageControl1->addTab(createGeneralTab(), QStringLiteral("Általános"));
  PageControl1->addTab(createColorsTab(), QStringLiteral("Színek"));
  PageControl1->addTab(createSwitchesTab(), QStringLiteral("Kapcsolók"));
  PageControl1->addTab(createAppearanceTab(), QStringLiteral("Megjelenés"));

  const auto speedButton = [this](const char* name, const QString& text, const QString& hint, QRect geometry) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setFlat(true);
    b->setAutoDefault(false);
    b->installEventFilter(this);  // raised while it has the focus
    b->setStatusTip(hint);
    b->setGeometry(geometry);
    return b;
  };
  SpeedButton1 = speedButton("SpeedButton1", QStringLiteral("OK"), QStringLiteral("Elmenti és alkalmazza a beállításokat"),
                             QRect(8, 322, 65, 25));
  SpeedButton2 = speedButton("SpeedButton2", QStringLiteral("Mégse"), QStringLiteral("Kilép változtatás nélkül"),
                             QRect(80, 322, 65, 25));
  SpeedButton3 = speedButton("SpeedButton3", QStringLiteral("Alapbeállítások visszaállítása"),
                             QStringLiteral("Visszaállítja a program alapbeállításait"), QRect(152, 322, 185, 25));
  connect(SpeedButton1, &QPushButton::clicked, this, [this] { editor_.ok(); });
  connect(SpeedButton2, &QPushButton::clicked, this, [this] { editor_.cancel(); });
  connect(SpeedButton3, &QPushButton::clicked, this, [this] { editor_.restoreDefaults(); });

  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  QAction* sg1 = PopupMenu1->addAction(QStringLiteral("Súgó"));
  sg1->setObjectName(QStringLiteral("Sg1"));
  connect(sg1, &QAction::triggered, this, [this] { emit helpRequested(QStringLiteral("Program beállítása")); });

  // Each colour row has its own colour dialog, which starts from the colour
  // last confirmed in it.
  askColor = [this](Setting s, const QColor& initial) -> std::optional<QColor> {
    QColorDialog*& dialog = colorDialogs_[index(s)];
    if (!dialog) {
      dialog = new QColorDialog(this);
      // ColorDialog1..5 for the families and the grid, 6 and 7 for the
      // auxiliary lines and the sum.
      const int number = s == Setting::AuxColor ? 6 : s == Setting::Sum ? 7 : index(s);
      dialog->setObjectName(QStringLiteral("ColorDialog%1").arg(number));
    }
    dialog->setCurrentColor(initial);
    if (dialog->exec() != QDialog::Accepted) return std::nullopt;
    return dialog->selectedColor();
  };
  confirmed_.fill(QColor(0, 0, 0));

  // Whether the program has an active window, as it stood before the focus
  // last moved: this window's activation is delivered before this signal.
  connect(qApp, &QGuiApplication::focusWindowChanged, this,
          [this] { programHadFocus_ = QApplication::activeWindow() != nullptr; });

  // The quick view is shown beside this window without taking the focus; its
  // own activation settles its colours.
  quickView.setAttribute(Qt::WA_ShowWithoutActivating);
  connect(&quickView, &TForm9::activated, this, [this] { editor_.quickViewActivated(); });
  connect(&clashWindow, &Tegyezoszinekablak::ignoreRequested, this, [this] { editor_.ignoreClash(); });
  connect(&clashWindow, &Tegyezoszinekablak::revisitRequested, this, [this] { editor_.revisitClash(); });
}

QComboBox* Tbeallitasablak::createPicker(QWidget* parent, Setting s, const char* name, const QStringList& items,
                                         const QString& initial, const QString& hint, QRect geometry) {
  auto* c = new QComboBox(parent);
  c->setObjectName(QString::fromLatin1(name));
  c->setEditable(true);
  c->setInsertPolicy(QComboBox::NoInsert);
  // A name counts only as it is written, case and accents included, so the
  // completion must not turn "piros" into "Piros" nor offer "szürke" after
  // "sz": it completes only what matches case for case.
  c->completer()->setCaseSensitivity(Qt::CaseSensitive);
  c->addItems(items);
  c->setEditText(initial);
  c->setGeometry(geometry);
  c->setStatusTip(hint);
  pickers_[index(s)] = c;
  // Typed or picked from the list, every change of the text counts.
  connect(c, &QComboBox::editTextChanged, this, [this, s] { editor_.pickerChanged(s); });
  // Picking the item the picker already shows is a choice as well.
  connect(c, &QComboBox::textActivated, this, [this, s, c](const QString& text) {
    if (text == c->currentText()) editor_.pickerChanged(s);
  });
  return c;
}

QWidget* Tbeallitasablak::createGeneralTab() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("TabSheet1"));
  QLabel* source = label(page, QStringLiteral("Beállítások:"), 8, 16);
  stateLabels_[index(StateLabel::Source)] = label(page, QString(), 96, 16, "Label30");
  source->setBuddy(stateLabels_[index(StateLabel::Source)]);
  stateLabels_[index(StateLabel::Source)]->resize(220, 17);

  for (const graf::SettingRow* r : rowsOf(graf::SettingsTab::General)) {
    labelPicker(label(page, QString::fromUtf8(r->caption), 8, 52),
                createPicker(page, r->setting, r->pickerName, pickerItems(*r), QString::fromUtf8(r->initialText),
                            QString::fromUtf8(r->hint), QRect(96, 48, 100, 21)));
    QLabel* current = label(page, QStringLiteral("Aktuális:"), 208, 52);
    stateLabels_[index(r->stateLabel)] = label(page, QString(), 256, 52, r->stateName);
    current->setBuddy(stateLabels_[index(r->stateLabel)]);
    stateLabels_[index(r->stateLabel)]->resize(80, 17);
  }

  auto* art = new QLabel(page);
  art->setObjectName(QStringLiteral("Image1"));
  art->setPixmap(processorPicture());
  art->setGeometry(8, 88, 48, 48);

  Button8 = new QPushButton(QStringLiteral("Új processzorom van"), page);
  Button8->setObjectName(QStringLiteral("Button8"));
  Button8->setGeometry(8, 144, 137, 25);
  Button8->setAutoDefault(false);
  Button8->setStatusTip(QStringLiteral("Erre kattintva újraszámolja a processzor sebességét"));
  connect(Button8, &QPushButton::clicked, this, &Tbeallitasablak::newProcessorRequested);

  QLabel* now = label(page, QStringLiteral("Jelenleg:"), 8, 180);
  Label48 = label(page, QStringLiteral("0 MHz"), 64, 180, "Label48");
  now->setBuddy(Label48);
  Label48->resize(120, 17);
  Label48->installEventFilter(this);
  stateLabels_[index(StateLabel::Clock)] = Label48;

  graf::ui::readableByTab(label(page, QStringLiteral("Grafolin teljesítményének beállításai."), 8, 264, "Label42"));
  return page;
}

QWidget* Tbeallitasablak::createColorsTab() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("TabSheet2"));
  auto* group = new QGroupBox(QStringLiteral("Színek"), page);
  group->setObjectName(QStringLiteral("GroupBox1"));
  group->setGeometry(4, 4, 329, 248);
  QWidget* rows = rowArea(group);

  int y = 22;
  for (const graf::SettingRow* r : rowsOf(graf::SettingsTab::Colors)) {
    labelPicker(label(rows, QString::fromUtf8(r->caption), 8, y + 3),
                createPicker(rows, r->setting, r->pickerName, pickerItems(*r), QString::fromUtf8(r->initialText),
                            QString(), QRect(100, y, 90, 21)));
    QLabel* current = label(rows, QStringLiteral("Aktuális:"), 196, y + 3);
    QLabel* s = label(rows, QStringLiteral("I"), 244, y + 3, r->sampleName);
    current->setBuddy(s);
    QFont bold = s->font();
    bold.setBold(true);
    s->setFont(bold);
    s->resize(40, 17);
    samples_[index(r->setting)] = s;
    auto* b = new QPushButton(QStringLiteral("Egyéni"), rows);
    b->setObjectName(QString::fromLatin1(r->buttonName));
    b->setGeometry(272, y, 49, 21);
    b->setAutoDefault(false);
    b->setStatusTip(QString::fromUtf8(r->hint));
    customButtons_[index(r->setting)] = b;
    const Setting setting = r->setting;
    connect(b, &QPushButton::clicked, this, [this, setting] { customColor(setting); });
    y += 31;
  }
  graf::ui::readableByTab(
      label(page, QStringLiteral("Itt a függvény ábrázolásához használatos színeket lehet beállítani."), 8, 264));
  return page;
}

QWidget* Tbeallitasablak::createSwitchesTab() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("TabSheet3"));
  auto* group = new QGroupBox(QStringLiteral("Kapcsolók"), page);
  group->setObjectName(QStringLiteral("GroupBox2"));
  group->setGeometry(4, 4, 329, 160);
  QWidget* rows = rowArea(group);
  int y = 24;
  for (const graf::SettingRow* r : rowsOf(graf::SettingsTab::Switches)) {
    labelPicker(label(rows, QString::fromUtf8(r->caption), 8, y + 3),
                createPicker(rows, r->setting, r->pickerName, pickerItems(*r), QString::fromUtf8(r->initialText),
                            QString::fromUtf8(r->hint), QRect(100, y, 70, 21)));
    QLabel* state = label(rows, QStringLiteral("Állapot:"), 190, y + 3);
    stateLabels_[index(r->stateLabel)] = label(rows, QString(), 240, y + 3, r->stateName);
    state->setBuddy(stateLabels_[index(r->stateLabel)]);
    stateLabels_[index(r->stateLabel)]->resize(60, 17);
    y += 32;
  }
  graf::ui::readableByTab(
      label(page, QStringLiteral("Itt különböző dolgokat lehet engedélyezni, illetve tiltani."), 8, 176));
  return page;
}

QWidget* Tbeallitasablak::createAppearanceTab() {
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("TabSheet4"));
  auto* group = new QGroupBox(QStringLiteral("Megjelenítési beállítások"), page);
  group->setObjectName(QStringLiteral("GroupBox3"));
  group->setGeometry(4, 4, 329, 64);
  QWidget* rows = rowArea(group);
  for (const graf::SettingRow* r : rowsOf(graf::SettingsTab::Appearance)) {
    labelPicker(label(rows, QString::fromUtf8(r->caption), 8, 27),
                createPicker(rows, r->setting, r->pickerName, pickerItems(*r), QString::fromUtf8(r->initialText),
                            QString::fromUtf8(r->hint), QRect(100, 24, 100, 21)));
    QLabel* state = label(rows, QStringLiteral("Állapot:"), 210, 27);
    stateLabels_[index(r->stateLabel)] = label(rows, QString(), 256, 27, r->stateName);
    state->setBuddy(stateLabels_[index(r->stateLabel)]);
    stateLabels_[index(r->stateLabel)]->resize(70, 17);
  }
  graf::ui::readableByTab(label(page, QStringLiteral("Színváltoztatáskor előnézeti ablakot mutat."), 8, 80));
  return page;
}

QComboBox* Tbeallitasablak::picker(Setting s) const { return pickers_[index(s)]; }
QLabel* Tbeallitasablak::sample(Setting s) const { return samples_[index(s)]; }
QPushButton* Tbeallitasablak::customButton(Setting s) const { return customButtons_[index(s)]; }
QLabel* Tbeallitasablak::stateLabel(StateLabel l) const { return stateLabels_[index(l)]; }

void Tbeallitasablak::customColor(Setting s) {
  colorDialogOpen_ = true;
  const std::optional<QColor> c = askColor(s, confirmed_[index(s)]);
  colorDialogOpen_ = false;
  if (!c) return;
  confirmed_[index(s)] = *c;
  editor_.customColorConfirmed(s, graf::ui::toColor(*c));
}

// A sample is heard as the colour it shows, in words, or as "Inaktív".
void Tbeallitasablak::setSample(QLabel* l, const QString& text, const QColor& color) {
  l->setText(text);
  l->setAccessibleName(text == QStringLiteral("I") ? QString::fromStdString(graf::colorWords(graf::ui::toColor(color)))
                                                   : text);
  QPalette p = l->palette();
  p.setColor(QPalette::WindowText, color);
  l->setPalette(p);
}

// --- graf::SettingsWindowPort ---

std::string Tbeallitasablak::pickerText(Setting s) const { return picker(s)->currentText().toStdString(); }

void Tbeallitasablak::setPickerText(Setting s, const std::string& text) {
  QComboBox* c = picker(s);
  const QSignalBlocker quiet(c);
  c->setEditText(QString::fromStdString(text));
}

graf::Color Tbeallitasablak::dialogColor(Setting s) const { return graf::ui::toColor(confirmed_[index(s)]); }

void Tbeallitasablak::setSampleColor(Setting s, graf::Color c) {
  if (QLabel* l = sample(s)) setSample(l, QStringLiteral("I"), graf::ui::toQColor(c));
}

void Tbeallitasablak::setAuxLinesSample(bool active, graf::Color c) {
  QLabel* l = sample(Setting::AuxColor);
  if (active)
    setSample(l, QStringLiteral("I"), graf::ui::toQColor(c));
  else
    setSample(l, QStringLiteral("Inaktív"), palette().color(QPalette::Button));
}

void Tbeallitasablak::setAuxLinesCustomButtonVisible(bool visible) {
  customButton(Setting::AuxColor)->setVisible(visible);
}

void Tbeallitasablak::setPrecisionPickerEnabled(bool enabled) { picker(Setting::Step)->setEnabled(enabled); }

void Tbeallitasablak::setLabel(StateLabel l, const std::string& text) {
  stateLabel(l)->setText(QString::fromStdString(text));
}

bool Tbeallitasablak::quickViewVisible() const { return quickView_ && quickView_->isVisible(); }

void Tbeallitasablak::showQuickView() {
  if (!quickView_) return;
  quickView_->show();
  // Where the window system activates every window it shows, this window
  // asks for the focus back.
  if (isVisible()) activateWindow();
}

// The editor runs the quick view's activation itself and gives the focus
// straight back to this window, so the quick view is only brought forward:
// handing the focus over and back would only make the windows flicker.
void Tbeallitasablak::focusQuickView() {
  if (quickView_) quickView_->raise();
}

void Tbeallitasablak::hideQuickView() {
  if (quickView_) quickView_->hide();
}

void Tbeallitasablak::quickViewChanged() {
  if (quickView_) quickView_->showPicture(editor_.preview());
}

void Tbeallitasablak::focusSettingsWindow() {
  if (!isVisible() || isActiveWindow()) return;
  raise();
  activateWindow();
}

void Tbeallitasablak::showColorClash(const std::string& message) {
  if (clashWindow_) clashWindow_->showMessage(QString::fromStdString(message));
}

void Tbeallitasablak::hideColorClash() {
  if (clashWindow_) clashWindow_->hide();
}

void Tbeallitasablak::closeSettingsWindow() { close(); }

// --- Events ---

bool Tbeallitasablak::event(QEvent* event) {
  // The activation (which may clear the choices made so far) belongs to this
  // window becoming the program's active window. Coming back from a colour
  // dialog, which is part of this window's work, is none; nor is the program
  // getting the focus back from another program.
  if (event->type() == QEvent::WindowDeactivate && colorDialogOpen_) backFromColorDialog_ = true;
  if (event->type() == QEvent::WindowActivate) {
    const bool backFromOtherProgram = !programHadFocus_;
    programHadFocus_ = true;
    if (backFromColorDialog_) {
      backFromColorDialog_ = false;
    } else if (!backFromOtherProgram) {
      if (currentCpuMhz_) editor_.setCpuMhz(currentCpuMhz_());
      editor_.activate();
    }
  }
  return QWidget::event(event);
}

void Tbeallitasablak::closeEvent(QCloseEvent* event) {
  event->accept();
  editor_.closed();
  // The main window takes over, and its activation applies what was accepted.
  if (mainWindow_ && mainWindow_->isVisible()) {
    mainWindow_->raise();
    mainWindow_->activateWindow();
  }
}

void Tbeallitasablak::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Shown anew, its first activation is always one, wherever the focus was.
  programHadFocus_ = true;
}

void Tbeallitasablak::contextMenuEvent(QContextMenuEvent* event) { PopupMenu1->popup(event->globalPos()); }

bool Tbeallitasablak::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Label48 && event->type() == QEvent::MouseButtonDblClick) {
    emit clockOverrideRequested();
    return true;
  }
  // The three buttons at the bottom are flat; the one with the keyboard focus
  // stands raised, so that Tab onto it shows which one Space presses.
  if (watched == SpeedButton1 || watched == SpeedButton2 || watched == SpeedButton3) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
      static_cast<QPushButton*>(watched)->setFlat(event->type() == QEvent::FocusOut);
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace graf::ui
