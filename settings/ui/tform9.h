#pragma once
// The quick view of the settings window. Placeholder: an empty window with its caption.
#include <QWidget>

class TForm9 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm9(QWidget* parent = nullptr);
};
