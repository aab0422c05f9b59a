#pragma once
// The settings window, opened by "Program konfigurálása" (F2). Placeholder: an empty window with its caption.
#include <QWidget>

class Tbeallitasablak : public QWidget {
  Q_OBJECT
 public:
  explicit Tbeallitasablak(QWidget* parent = nullptr);
};
