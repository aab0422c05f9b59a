#pragma once
// The splash window of the start-up. Placeholder: hidden, with its caption (48 blanks, then "Indulás"); the program starts at once with the default settings.
#include <QWidget>

class Tinduloablak : public QWidget {
  Q_OBJECT
 public:
  explicit Tinduloablak(QWidget* parent = nullptr);
};
