// SPDX-License-Identifier: MIT
#include "picture/ui/picture_dialog.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <memory>
#include <utility>

namespace graf::ui {

QFileDialog* makePictureDialog(QWidget* parent) {
  // Each file type with the extension a bare name gets.
  static const std::pair<QString, QString> types[] = {
      {QStringLiteral("Bitkép (*.bmp)"), QStringLiteral("BMP")},
      {QStringLiteral("PNG-kép (*.png)"), QStringLiteral("png")},
      {QStringLiteral("SVG-rajz (*.svg)"), QStringLiteral("svg")},
      {QStringLiteral("PDF-dokumentum (*.pdf)"), QStringLiteral("pdf")},
  };
  auto* dialog = new QFileDialog(parent, QStringLiteral("Függvény(ek) mentése képként"));
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  QStringList filters;
  for (const auto& [filter, suffix] : types) filters << filter;
  dialog->setNameFilters(filters);
  dialog->setDefaultSuffix(types[0].second);
  dialog->setOption(QFileDialog::DontConfirmOverwrite, true);
  // The choice of size sits in the dialog itself, so the dialog is Qt's own.
  dialog->setOption(QFileDialog::DontUseNativeDialog, true);
  QComboBox* scale = nullptr;
  if (auto* grid = qobject_cast<QGridLayout*>(dialog->layout())) {
    scale = new QComboBox(dialog);
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
  QObject::connect(dialog, &QFileDialog::filterSelected, dialog, [dialog, scale](const QString& filter) {
    for (const auto& [name, suffix] : types)
      if (name == filter) {
        dialog->setDefaultSuffix(suffix);
        // A drawing has no pixels to enlarge.
        if (scale) scale->setEnabled(suffix == QStringLiteral("BMP") || suffix == QStringLiteral("png"));
      }
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
