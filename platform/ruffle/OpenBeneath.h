#pragma once

#include <QByteArray>

namespace zingbox {

// Opens a regular file for reading by its path relative to an open folder, so that what
// was checked is what is read: the path may not leave the folder, neither by ".." nor by
// a link (with openat2 where the kernel has it, a relative link that stays inside is
// followed; without it, no link is). Anything but a regular file (a pipe, a device, a
// folder) is refused at once, without waiting on it. Returns the descriptor, or -1 with
// errno set.
int OpenRegularFileBeneath(int folder, const QByteArray& relativePath);

// As OpenRegularFileBeneath, but a link as the last part of the path is followed wherever
// it leads: for a file the program itself chose to trust.
int OpenRegularFileBeneathFollowingLast(int folder, const QByteArray& relativePath);

namespace detail {
// The path walked one folder at a time with no link followed, for kernels without openat2.
int OpenBeneathByWalk(int folder, const QByteArray& relativePath, int flags);
}  // namespace detail

}  // namespace zingbox
