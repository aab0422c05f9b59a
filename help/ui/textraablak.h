#pragma once
// The notes window, reached from the help window. Placeholder: an empty window with its caption.
#include <QWidget>

class Textraablak : public QWidget {
  Q_OBJECT
 public:
  explicit Textraablak(QWidget* parent = nullptr);
};
