#include "main/ui/picture_dialog.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <memory>

namespace graf::ui {

QFileDialog* makePictureDialog(QWidget* parent) {
  static const QString bitmap = QStringLiteral("Bitkép (*.bmp)");
  static const QString png = QStringLiteral("PNG-kép (*.png)");
  auto* dialog = new QFileDialog(parent, QStringLiteral("Függvény(ek) mentése képként"));
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setNameFilters({bitmap, png});
  dialog->setDefaultSuffix(QStringLiteral("BMP"));
  dialog->setOption(QFileDialog::DontConfirmOverwrite, true);
  // The choice of size sits in the dialog itself, so the dialog is Qt's own.
  dialog->setOption(QFileDialog::DontUseNativeDialog, true);
  if (auto* grid = qobject_cast<QGridLayout*>(dialog->layout())) {
    auto* scale = new QComboBox(dialog);
    scale->setObjectName(QStringLiteral("PictureScale"));
    for (int n = 1; n <= 8; ++n)
      scale->addItem(QStringLiteral("%1× (%2 × %3 képpont)").arg(n).arg(393 * n).arg(321 * n), n);
    scale->setAccessibleName(QStringLiteral("A kép mérete"));
    auto* label = new QLabel(QStringLiteral("&Méret:"), dialog);
    label->setBuddy(scale);
    const int row = grid->rowCount();
    grid->addWidget(label, row, 0);
    grid->addWidget(scale, row, 1);
  }
  QObject::connect(dialog, &QFileDialog::filterSelected, dialog, [dialog](const QString& filter) {
    dialog->setDefaultSuffix(filter == png ? QStringLiteral("png") : QStringLiteral("BMP"));
  });
  return dialog;
}

int pictureDialogScale(const QFileDialog* dialog) {
  const auto* scale = dialog->findChild<QComboBox*>(QStringLiteral("PictureScale"));
  return scale ? scale->currentData().toInt() : 1;
}

PictureChoice askPictureFile(QWidget* parent) {
  std::unique_ptr<QFileDialog> dialog(makePictureDialog(parent));
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return {};
  return {dialog->selectedFiles().constFirst(), pictureDialogScale(dialog.get())};
}

}  // namespace graf::ui
