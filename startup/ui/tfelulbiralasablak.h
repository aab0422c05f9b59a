#pragma once
// The processor clock override window. Placeholder: an empty window with its caption.
#include <QWidget>

class Tfelulbiralasablak : public QWidget {
  Q_OBJECT
 public:
  explicit Tfelulbiralasablak(QWidget* parent = nullptr);
};
