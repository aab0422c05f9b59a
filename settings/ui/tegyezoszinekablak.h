#pragma once
// The matching-colours warning. Placeholder: an empty window with its caption.
#include <QWidget>

class Tegyezoszinekablak : public QWidget {
  Q_OBJECT
 public:
  explicit Tegyezoszinekablak(QWidget* parent = nullptr);
};
