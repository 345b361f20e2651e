// Zingbox: the window is the program; showing it starts everything.
#include <QApplication>

#include "platform/ruffle/EngineEnvironment.h"
#include "platform/ruffle/RufflePlayer.h"
#include "window/Form1.h"

int main(int argc, char* argv[]) {
  zingbox::PrepareEngineEnvironment();
  QApplication application(argc, argv);
  zingbox::RufflePlayer flash;
  zingbox::Form1 form(flash);
  form.show();
  return application.exec();
}
