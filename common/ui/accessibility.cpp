// SPDX-License-Identifier: MIT
#include "common/ui/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QRegularExpression>

namespace graf::ui {

namespace {

// The role a widget asks for, kept on the widget itself.
constexpr const char* kRoleProperty = "grafolinAccessibleRole";

QAccessibleInterface* roleFactory(const QString&, QObject* object) {
  if (!object || !object->isWidgetType()) return nullptr;
  const QVariant role = object->property(kRoleProperty);
  if (!role.isValid()) return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), static_cast<QAccessible::Role>(role.toInt()));
}

void setRole(QWidget* widget, QAccessible::Role role) {
  static const bool installed = [] {
    QAccessible::installFactory(roleFactory);
    return true;
  }();
  (void)installed;
  widget->setProperty(kRoleProperty, static_cast<int>(role));
  // An interface made before (for an earlier event) has the old role: the
  // next one is made by the factory.
  if (QAccessible::isActive()) QAccessible::deleteAccessibleInterface(
      QAccessible::uniqueId(QAccessible::queryAccessibleInterface(widget)));
}

}  // namespace

void exposeAsWindow(QWidget* window, WindowRole role) {
  setRole(window, role == WindowRole::Frame ? QAccessible::Window : QAccessible::Dialog);
}

void readableByTab(QLabel* label) {
  label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  label->setFocusPolicy(Qt::StrongFocus);
}

Announcer::Announcer(QWidget* window) : QWidget(window) {
  setObjectName(QStringLiteral("Announcer"));
  setRole(this, QAccessible::Notification);
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setGeometry(0, 0, 0, 0);
  hide();
}

void Announcer::announce(const QString& words) {
  if (words.isEmpty()) return;
  hide();
  setAccessibleName(words);
  show();
}

bool holdsAWord(const QString& text) {
  static const QRegularExpression word(QStringLiteral("\\p{L}\\p{L}"));
  return word.match(text).hasMatch();
}

}  // namespace graf::ui
