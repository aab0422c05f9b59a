#pragma once
// The first-run window. Placeholder: an empty window with its caption.
#include <QWidget>

class Telsofuttatasablak : public QWidget {
  Q_OBJECT
 public:
  explicit Telsofuttatasablak(QWidget* parent = nullptr);
};
