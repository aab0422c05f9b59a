#include "functionlist/ui/tfuggvenyablak.h"

#include "functionlist/function_row.h"
#include "functionlist/sum.h"

#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QShowEvent>

#include <vector>

namespace {

// The rows line up in columns, so every character they hold needs the same
// advance: the monospaced families the set-up installs, else whatever
// type-writer font the machine has. 9 pixels high keeps a row of about forty
// characters nearly within the list.
QFont rowFont() {
  QFont font;
  font.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono")});
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPixelSize(9);
  return font;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, int x, int y) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  l->move(x, y);
  l->adjustSize();
  return l;
}

}  // namespace

Tfuggvenyablak::Tfuggvenyablak(graf::Commands& cmd, QWidget* parent)
    : QWidget(parent, Qt::Tool), cmd_(cmd) {
  setObjectName("Tfuggvenyablak");
  setWindowTitle(QStringLiteral("Függvények"));
  setFixedSize(241, 305);
  move(552, 118);

  Label1 = label(this, "Label1", QStringLiteral("Függvények listája"), 8, 8);
  label(this, "Label4", QStringLiteral("Típusa"), 32, 24);
  label(this, "Label5", QStringLiteral("A"), 120, 24);
  label(this, "Label6", QStringLiteral("B"), 152, 24);
  label(this, "Label7", QStringLiteral("C"), 184, 24);

  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName("ListBox1");
  ListBox1->setGeometry(8, 40, 225, 209);
  ListBox1->setFont(rowFont());
  ListBox1->setAccessibleName(QStringLiteral("Függvények listája"));
  ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
  ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { ListBox1DblClick(); });
  ListBox1->installEventFilter(this);  // Return and Enter trace like a double click

  Button1 = new QPushButton(QStringLiteral("Összegük"), this);
  Button1->setObjectName("Button1");
  Button1->setGeometry(48, 256, 145, 25);
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });

  Label3 = label(this, "Label3", QStringLiteral("Kiválasztott függvények:"), 8, 288);
  Label3->setMinimumWidth(225);

  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName("PopupMenu1");
  QAction* help = PopupMenu1->addAction(QStringLiteral("Súgó"));
  help->setObjectName("Sugo1");
  connect(help, &QAction::triggered, this, [this] { emit helpRequested(QStringLiteral("Függvényablak")); });
  setContextMenuPolicy(Qt::CustomContextMenu);
  connect(this, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& pos) { PopupMenu1->popup(mapToGlobal(pos)); });
}

void Tfuggvenyablak::appendFunctionRow(int n, graf::Kind kind, double a, double b, double c) {
  ListBox1->addItem(QString::fromStdString(graf::FunctionRow(n, kind, a, b, c)));
}

int Tfuggvenyablak::rowCount() const { return ListBox1->count(); }

void Tfuggvenyablak::removeRow(int index) {
  if (index >= 0 && index < ListBox1->count()) delete ListBox1->takeItem(index);
}

void Tfuggvenyablak::clearRows() { ListBox1->clear(); }

void Tfuggvenyablak::setSelectionLabel(const std::string& text) {
  Label3->setText(QString::fromStdString(text));
}

QString Tfuggvenyablak::rowText(int index) const {
  const QListWidgetItem* item = ListBox1->item(index);
  return item ? item->text() : QString();
}

QString Tfuggvenyablak::selectionLabel() const { return Label3->text(); }

void Tfuggvenyablak::Button1Click() {
  std::vector<int> selected;
  for (int i = 0; i < ListBox1->count(); ++i)
    if (ListBox1->item(i)->isSelected()) selected.push_back(i);
  graf::sumOfRows(cmd_, selected);
}

void Tfuggvenyablak::ListBox1DblClick() { graf::traceRow(cmd_, ListBox1->currentRow()); }

void Tfuggvenyablak::reportVisibility(bool visible) {
  if (reportedVisible_ == static_cast<int>(visible)) return;
  reportedVisible_ = visible;
  emit visibilityChanged(visible);
}

// Minimising the window sends spontaneous show and hide events; only a real
// show or hide (including the close button, which hides) counts.
void Tfuggvenyablak::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) reportVisibility(true);
}

void Tfuggvenyablak::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (!event->spontaneous()) reportVisibility(false);
}

// Keyboard users trace the current row with Return or Enter; a single click
// only selects, whatever the platform's style says about activation.
bool Tfuggvenyablak::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ListBox1 && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      ListBox1DblClick();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}
