// Writes the player policy's page script to the file named on the command line, for the
// peer page: it then plays with the launcher's own engine options.
#include <QFile>

#include "platform/ruffle/PlayerPolicy.h"

int main(int argc, char* argv[]) {
  QFile script(argc == 2 ? QFile::decodeName(argv[1]) : QString());
  return script.open(QIODevice::WriteOnly) && script.write(zingbox::PlayerPolicy::PageScript().toUtf8()) > 0 ? 0 : 1;
}
