#include "main/ui/picture_dialog.h"

#include <QFileDialog>
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
  QObject::connect(dialog, &QFileDialog::filterSelected, dialog, [dialog](const QString& filter) {
    dialog->setDefaultSuffix(filter == png ? QStringLiteral("png") : QStringLiteral("BMP"));
  });
  return dialog;
}

QString askPictureFileName(QWidget* parent) {
  std::unique_ptr<QFileDialog> dialog(makePictureDialog(parent));
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return {};
  return dialog->selectedFiles().constFirst();
}

}  // namespace graf::ui
