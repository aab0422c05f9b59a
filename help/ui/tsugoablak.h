#pragma once
// The help window, opened by "Súgó" (F1). Placeholder until its pages are written: an empty window with its caption.
#include <QWidget>

class Tsugoablak : public QWidget {
  Q_OBJECT
 public:
  explicit Tsugoablak(QWidget* parent = nullptr);
};
