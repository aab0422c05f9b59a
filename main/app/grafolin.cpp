#include <QApplication>

#include "main/ui/application.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  graf::ui::GrafolinApp grafolin;
  return app.exec();
}
