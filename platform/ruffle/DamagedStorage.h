#pragma once

#include <QString>

namespace zingbox {

// The web engine deletes a local-storage database that it cannot open and starts an
// empty one, so a single damaged byte would throw away every saved game. The database
// under `engineFolder` is therefore opened first on a copy in memory; when that fails, the
// original is moved aside, where it stays for a repair, and the user is told once. False
// when it cannot be moved either: then the engine must not be given the folder.
bool SetAsideDamagedLocalStorage(const QString& engineFolder);

}  // namespace zingbox
