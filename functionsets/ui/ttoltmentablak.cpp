// SPDX-License-Identifier: MIT
#include "functionsets/ui/ttoltmentablak.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QValidator>
#include <memory>

#include "common/ui/accessibility.h"
#include "common/ui/ui_support.h"
#include "common/ui/window_lock.h"
#include "functionsets/function_set.h"
#include "functionsets/ui/tbetoltesablak.h"

namespace graf::ui {

namespace {

const QString kFilter = QStringLiteral("Függvények (*.fv)");
const QString kSuffix = QStringLiteral("fv");
const QString kNothingToSave = QString::fromUtf8(graf::NothingToSaveText);
const QString kNothingLoaded = QString::fromUtf8(graf::NothingLoadedText);

qsizetype characterCount(const QString& s) {
  qsizetype n = 0;
  for (qsizetype i = 0; i < s.size(); ++i)
    if (!s.at(i).isLowSurrogate() || i == 0 || !s.at(i - 1).isHighSurrogate()) ++n;
  return n;
}

// The first `count` characters of s, never splitting a surrogate pair.
QString firstCharacters(const QString& s, qsizetype count) {
  qsizetype i = 0;
  for (qsizetype n = 0; n < count && i < s.size(); ++n)
    i += (s.at(i).isHighSurrogate() && i + 1 < s.size() && s.at(i + 1).isLowSurrogate()) ? 2 : 1;
  return s.left(i);
}

// Keeps the comment within its 50 characters. QLineEdit's own limit counts
// UTF-16 units, so a character outside the basic plane would count twice.
// Whatever is typed or pasted beyond the room left is dropped, the rest of
// the text staying as it was.
class CommentLimit : public QValidator {
 public:
  CommentLimit(qsizetype limit, QLineEdit* edit) : QValidator(edit), limit_(limit), accepted_(edit->text()) {
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& t) { accepted_ = t; });
  }

  State validate(QString& input, int& pos) const override {
    if (characterCount(input) <= limit_) return Acceptable;
    // The part of the input that is new: what lies between the prefix and
    // the suffix it shares with the text accepted before.
    const QString& old = accepted_;
    qsizetype prefix = 0;
    while (prefix < old.size() && prefix < input.size() && old.at(prefix) == input.at(prefix)) ++prefix;
    if (prefix > 0 && input.at(prefix - 1).isHighSurrogate()) --prefix;
    qsizetype suffix = 0;
    while (suffix < old.size() - prefix && suffix < input.size() - prefix &&
           old.at(old.size() - 1 - suffix) == input.at(input.size() - 1 - suffix))
      ++suffix;
    if (suffix > 0 && input.at(input.size() - suffix).isLowSurrogate()) --suffix;
    const QString kept = input.left(prefix) + input.right(suffix);
    const qsizetype room = limit_ - characterCount(kept);
    if (room < 0) return Invalid;
    const QString inserted = firstCharacters(input.mid(prefix, input.size() - prefix - suffix), room);
    input = input.left(prefix) + inserted + input.right(suffix);
    pos = static_cast<int>(prefix + inserted.size());
    return Acceptable;
  }

 private:
  qsizetype limit_;
  QString accepted_;
};

QLabel* label(QWidget* parent, const char* name, const QString& text, int x, int y, int width) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  l->setGeometry(x, y, width, 17);
  return l;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text, QRect geometry, bool enabled) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(name);
  b->setGeometry(geometry);
  b->setEnabled(enabled);
  b->setAutoDefault(false);
  return b;
}

QLineEdit* edit(QWidget* parent, const char* name, const QString& text, QRect geometry, const QString& hint) {
  auto* e = new QLineEdit(text, parent);
  e->setObjectName(name);
  e->setGeometry(geometry);
  e->setStatusTip(hint);
  return e;
}

}  // namespace

Ttoltmentablak::Ttoltmentablak(graf::Commands& cmd, graf::LoadSession& session, graf::SetFilePort& files,
                               Tbetoltesablak& progress, QWidget* mainWindow, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      progress_(&progress),
      saveLoad_(cmd, session, *this, files) {
  graf::ui::lockWhileShown(*this, mainWindow);
  setObjectName("Ttoltmentablak");
  setWindowTitle(QStringLiteral("Függvény(ek) mentése/töltése"));
  graf::ui::centreOnFirstShow(this);
  setFixedSize(305, 245);

  Button1 = button(this, "Button1", QStringLiteral("Ment"), {8, 8, 75, 25}, false);
  Label1 = label(this, "Label1", kNothingToSave, 96, 12, 201);
  Label3 = label(this, "Label3", QStringLiteral("Megjegyzés:"), 8, 44, 70);
  Edit1 = edit(this, "Edit1", QString::fromUtf8(graf::kInitialComment), {80, 42, 217, 21},
               QStringLiteral("Ide lehet írni a függvény(ek) megjegyzését"));
  Label3->setBuddy(Edit1);
  Edit1->setValidator(new CommentLimit(graf::kCommentCapacity, Edit1));
  Edit1->setCursorPosition(0);  // the starting text is read from its start
  Edit1->installEventFilter(this);
  CheckBox1 = new QCheckBox(QStringLiteral("Automatikus fájlnév"), this);
  CheckBox1->setObjectName("CheckBox1");
  CheckBox1->setGeometry(8, 70, 200, 21);
  CheckBox1->setChecked(true);
  CheckBox1->setStatusTip(QStringLiteral("Automatikusan elnevezi a fájlt"));
  Button2 = button(this, "Button2", QStringLiteral("Tölt"), {8, 100, 75, 25}, true);
  Label2 = label(this, "Label2", kNothingLoaded, 96, 104, 201);
  Announcer1 = new graf::ui::Announcer(this);
  Edit2 = edit(this, "Edit2", QStringLiteral("A függvény(ek)hez tartozó megjegyzés itt lesz kiírva"),
               {8, 134, 289, 21}, QStringLiteral("Itt olvasható a függvény(ek)hez tartozó megjegyzés"));
  Edit2->setReadOnly(true);
  Button4 = button(this, "Button4", QStringLiteral("Betöltés OK"), {8, 168, 140, 25}, false);
  Button4->setStatusTip(QStringLiteral("Betöltés nyugtázása"));
  Button5 = button(this, "Button5", QStringLiteral("Töltés mégsem"), {157, 168, 140, 25}, false);
  Button5->setStatusTip(QStringLiteral("Törli a betöltött függvényeket"));
  Button3 = button(this, "Button3", QStringLiteral("Bezár"), {8, 210, 289, 25}, true);

  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
  connect(Button3, &QPushButton::clicked, this, &QWidget::close);
  connect(Button4, &QPushButton::clicked, this, &QWidget::close);
  connect(Button5, &QPushButton::clicked, this, [this] { Button5Click(); });

  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName("PopupMenu1");
  QAction* help = PopupMenu1->addAction(QStringLiteral("Súgó"));
  help->setObjectName("Sugo1");
  connect(help, &QAction::triggered, this,
          [this] { emit helpRequested(QStringLiteral("Függvény töltése és mentése")); });
  setContextMenuPolicy(Qt::CustomContextMenu);
  connect(this, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& pos) { PopupMenu1->popup(mapToGlobal(pos)); });

  saveDialog = [this] {
    std::unique_ptr<QFileDialog> dialog(makeSaveDialog(this));
    return dialog->exec() == QDialog::Accepted ? dialog->selectedFiles().value(0) : QString();
  };
  openDialog = [this] {
    std::unique_ptr<QFileDialog> dialog(makeOpenDialog(this));
    return dialog->exec() == QDialog::Accepted ? dialog->selectedFiles().value(0) : QString();
  };
}

// Neither dialog asks before replacing a file or insists that a typed name
// exists; a name that cannot be read is reported when the load reads it.
QFileDialog* Ttoltmentablak::makeSaveDialog(QWidget* parent) {
  auto* dialog = new QFileDialog(parent, QStringLiteral("Függvény(ek) mentése"), QString(), kFilter);
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setFileMode(QFileDialog::AnyFile);
  dialog->setDefaultSuffix(kSuffix);
  dialog->setOption(QFileDialog::DontConfirmOverwrite);
  return dialog;
}

QFileDialog* Ttoltmentablak::makeOpenDialog(QWidget* parent) {
  auto* dialog = new QFileDialog(parent, QStringLiteral("Függvény(ek) töltése"), QString(), kFilter);
  dialog->setAcceptMode(QFileDialog::AcceptOpen);
  dialog->setFileMode(QFileDialog::AnyFile);
  dialog->setDefaultSuffix(kSuffix);
  return dialog;
}

void Ttoltmentablak::open() { graf::ui::showInFront(this); }

// What a load did is told to a screen reader while the focus stays where it is.
void Ttoltmentablak::setLoadStatus(const QString& text) {
  Label2->setText(text);
  if (isVisible()) Announcer1->announce(text);
}

QString Ttoltmentablak::loadStatus() const { return Label2->text(); }

bool Ttoltmentablak::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) FormActivate();
  return QWidget::event(event);
}

void Ttoltmentablak::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) FormActivate();
}

void Ttoltmentablak::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  if (event->isAccepted()) FormClose();
}

// Every click into the comment field empties it, not only the first.
bool Ttoltmentablak::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Edit1 && event->type() == QEvent::MouseButtonRelease) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton && Edit1->rect().contains(mouse->position().toPoint())) Edit1->clear();
  }
  return QWidget::eventFilter(watched, event);
}

void Ttoltmentablak::FormActivate() { saveLoad_.activate(); }

void Ttoltmentablak::FormClose() {
  if (progress_) progress_->close();
}

void Ttoltmentablak::Button1Click() { saveLoad_.save(); }

void Ttoltmentablak::Button2Click() { saveLoad_.load(); }

void Ttoltmentablak::loadFile(const std::string& path) { saveLoad_.loadFile(path); }

void Ttoltmentablak::Button5Click() { saveLoad_.discard(); }

// ---- graf::SaveLoadPort ----

std::string Ttoltmentablak::comment() const { return Edit1->text().toStdString(); }

bool Ttoltmentablak::automaticFileName() const { return CheckBox1->isChecked(); }

namespace {
std::optional<std::string> answerOf(const std::function<QString()>& dialog) {
  const QString path = dialog ? dialog() : QString();
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}
}  // namespace

std::optional<std::string> Ttoltmentablak::askFileToSave() { return answerOf(saveDialog); }

std::optional<std::string> Ttoltmentablak::askFileToOpen() { return answerOf(openDialog); }

void Ttoltmentablak::setSaveLabel(const std::string& text) { Label1->setText(QString::fromStdString(text)); }

void Ttoltmentablak::setSaveEnabled(bool enabled) { Button1->setEnabled(enabled); }

void Ttoltmentablak::setLoadedComment(const std::string& text) {
  Edit2->setText(QString::fromStdString(text));
  Edit2->setCursorPosition(0);
}

void Ttoltmentablak::setAckAndDiscardEnabled() {
  Button4->setEnabled(true);
  Button5->setEnabled(true);
}

void Ttoltmentablak::closeWindow() { close(); }

}  // namespace graf::ui
