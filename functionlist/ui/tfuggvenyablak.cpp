// SPDX-License-Identifier: MIT
#include "functionlist/ui/tfuggvenyablak.h"

#include "functionlist/function_row.h"
#include "functionlist/sum.h"

#include <QFontMetricsF>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QStyle>

#include <array>
#include <cmath>
#include <vector>

namespace graf::ui {

namespace {

// The list font: the rows line up in columns, so every character they hold
// needs the same advance: the monospaced families the set-up installs, else
// whatever type-writer font the machine has; 9 pixels high.
QFont rowFont() {
  QFont font;
  font.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono")});
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPixelSize(9);
  return font;
}

// The widest row of each kind: every value at -100.
QStringList widestRows() {
  QStringList rows;
  for (const graf::KindInfo& info : graf::Kinds)
    rows << QString::fromStdString(graf::FunctionRow(50, info.kind, -100, -100, -100));
  return rows;
}

// The list font, narrowed as far as the widest rows need to fit in `room`
// pixels: first drawn narrower at the same height, and where the font cannot
// be drawn narrower, smaller.
QFont fittingRowFont(int room) {
  const QStringList rows = widestRows();
  const auto fits = [&rows, room](const QFont& font) {
    const QFontMetricsF metrics(font);
    for (const QString& row : rows)
      if (std::ceil(metrics.horizontalAdvance(row)) > room) return false;
    return true;
  };
  QFont font = rowFont();
  for (int stretch = 100; stretch >= 50; stretch -= 2) {
    font.setStretch(stretch);
    if (fits(font)) return font;
  }
  font.setStretch(100);
  while (font.pixelSize() > 4 && !fits(font)) font.setPixelSize(font.pixelSize() - 1);
  return font;
}

// Where the values of a row begin, in characters, when A and B lie between 0
// and 100 (a negative value moves what follows one character to the right):
// the kind name, A, B and C, found in a row of the list's own format.
std::array<int, 4> headerColumns() {
  const QString row = QString::fromStdString(graf::FunctionRow(1, graf::Kind::Quadratic, 1, 2, 3));
  const int a = static_cast<int>(row.indexOf(QStringLiteral("1.00")));
  const int b = static_cast<int>(row.indexOf(QStringLiteral("2.00"), a));
  const int c = static_cast<int>(row.indexOf(QStringLiteral("3.00"), b));
  const int kind = static_cast<int>(row.indexOf(QStringLiteral(". "))) + 2;
  return {kind, a, b, c};
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
  // The column headers; arrangeColumns() sets them over their columns.
  headers_ = {label(this, "Label4", QStringLiteral("Típusa"), 0, 24), label(this, "Label5", QStringLiteral("A"), 0, 24),
              label(this, "Label6", QStringLiteral("B"), 0, 24), label(this, "Label7", QStringLiteral("C"), 0, 24)};

  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName("ListBox1");
  ListBox1->setGeometry(8, 40, 225, 209);
  ListBox1->setAccessibleName(QStringLiteral("Függvények listája"));
  ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
  ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { ListBox1DblClick(); });
  ListBox1->installEventFilter(this);  // Return and Enter trace like a double click
  arrangeColumns();

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

// The row's text starts a margin to the right of the list's frame (the
// style's, as the list draws it); each header stands where its column begins,
// that many character advances of the list font further.
void Tfuggvenyablak::arrangeColumns() {
  const QStyle* style = ListBox1->style();
  const int textMargin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, ListBox1) + 1;
  // Fifty rows need the vertical scroll bar: a row fits beside it.
  const int scrollBar = style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, ListBox1->verticalScrollBar());
  const int room = ListBox1->width() - 2 * ListBox1->frameWidth() - scrollBar - 2 * textMargin;
  ListBox1->setFont(fittingRowFont(room));
  const double advance = QFontMetricsF(ListBox1->font()).horizontalAdvance(QLatin1Char('0'));
  const int textLeft = ListBox1->x() + ListBox1->frameWidth() + textMargin;
  const std::array<int, 4> columns = headerColumns();
  for (std::size_t i = 0; i < headers_.size(); ++i) {
    QLabel* header = headers_[i];
    header->move(textLeft + qRound(columns[i] * advance) - header->contentsRect().left(), header->y());
  }
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
void Tfuggvenyablak::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::StyleChange && ListBox1) arrangeColumns();
}

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

}  // namespace graf::ui
