// SPDX-License-Identifier: MIT
#include "platform/clock_store.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QVariant>

namespace graf::platform {

namespace {

QSettings openStore() {
  return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Velmora"),
                   QStringLiteral("Grafolin"));
}

// Why the store's file could not be written, as far as the file system tells.
QString writeFailure(const QString& file) {
  const QFileInfo info(file);
  if (info.exists() && !info.isWritable()) return QStringLiteral("a fájl írásvédett");
  if (info.exists() && !info.isFile()) return QStringLiteral("ez nem közönséges fájl");
  QFileInfo dir(info.absolutePath());
  while (!dir.exists() && !dir.isRoot() && dir.absoluteFilePath() != dir.absolutePath())
    dir = QFileInfo(dir.absolutePath());
  if (dir.exists() && !dir.isDir()) return QStringLiteral("„%1” nem mappa").arg(QDir::toNativeSeparators(dir.absoluteFilePath()));
  if (dir.exists() && !dir.isWritable())
    return QStringLiteral("a(z) „%1” mappába nincs írási jog").arg(QDir::toNativeSeparators(dir.absoluteFilePath()));
  return QStringLiteral("írási hiba (megtelt a lemez, vagy a hely nem írható)");
}

}  // namespace

QString SettingsClockStore::location() const { return openStore().fileName(); }

std::optional<std::string> SettingsClockStore::readText(const std::string& name) const {
  QSettings store = openStore();
  store.sync();  // a value changed by hand since the last read is seen
  const QVariant value = store.value(QString::fromStdString(name));
  if (!value.isValid()) return std::nullopt;
  // A list (a text with commas in the file) is no single text.
  if (value.typeId() == QMetaType::QStringList || value.typeId() == QMetaType::QVariantList) return std::nullopt;
  // Another type set by hand (a number, a byte array) reads by its text.
  if (!value.canConvert<QString>()) return std::nullopt;
  return value.toString().toStdString();
}

std::string SettingsClockStore::writeText(const std::string& name, const std::string& text) {
  QSettings store = openStore();
  const QString key = QString::fromStdString(name);
  const QVariant before = store.value(key);
  store.setValue(key, QString::fromStdString(text));
  store.sync();
  if (store.status() == QSettings::NoError) return {};

  // What could not be written must not be read back from memory either.
  if (before.isValid())
    store.setValue(key, before);
  else
    store.remove(key);
  const QString reason = store.status() == QSettings::FormatError ? QStringLiteral("a fájl nem beállításfájl")
                                                                   : writeFailure(store.fileName());
  return QStringLiteral("„%1”: %2.").arg(QDir::toNativeSeparators(store.fileName()), reason).toStdString();
}

}  // namespace graf::platform
