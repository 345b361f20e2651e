#include "platform/ruffle/OpenBeneath.h"

#include <fcntl.h>
#include <linux/openat2.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QList>
#include <cerrno>

namespace zingbox {
namespace {

// No waiting on a pipe's writer, no taking a terminal over.
constexpr int ReadFlags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
constexpr int FolderFlags = O_PATH | O_DIRECTORY | O_CLOEXEC;

void CloseKeepingErrno(int fd) {
  const int kept = errno;
  ::close(fd);
  errno = kept;
}

int OpenBeneath(int folder, const QByteArray& relativePath, int flags) {
#ifdef SYS_openat2
  open_how how{};
  how.flags = static_cast<quint64>(flags);
  how.resolve = RESOLVE_BENEATH | RESOLVE_NO_MAGICLINKS;
  const long fd = ::syscall(SYS_openat2, folder, relativePath.constData(), &how, sizeof how);
  if (fd >= 0 || errno != ENOSYS) return static_cast<int>(fd);
#endif
  return detail::OpenBeneathByWalk(folder, relativePath, flags);
}

int RegularOnly(int fd) {
  if (fd < 0) return -1;
  struct stat status{};
  const bool read = ::fstat(fd, &status) == 0;
  if (read && S_ISREG(status.st_mode)) return fd;
  CloseKeepingErrno(fd);
  if (read) errno = S_ISDIR(status.st_mode) ? EISDIR : EACCES;
  return -1;
}

}  // namespace

namespace detail {

int OpenBeneathByWalk(int folder, const QByteArray& relativePath, int flags) {
  if (relativePath.startsWith('/')) {
    errno = EXDEV;
    return -1;
  }
  const QList<QByteArray> parts = relativePath.split('/');
  int current = ::fcntl(folder, F_DUPFD_CLOEXEC, 0);
  for (qsizetype at = 0; at < parts.size() && current >= 0; ++at) {
    const bool last = at == parts.size() - 1;
    if (parts[at] == "..") {
      CloseKeepingErrno(current);
      errno = EXDEV;
      return -1;
    }
    if ((parts[at].isEmpty() || parts[at] == ".") && !last) continue;
    const QByteArray name = parts[at].isEmpty() ? QByteArrayLiteral(".") : parts[at];
    const int next = ::openat(current, name.constData(), (last ? flags : FolderFlags) | O_NOFOLLOW);
    CloseKeepingErrno(current);
    current = next;
  }
  return current;
}

}  // namespace detail

int OpenRegularFileBeneath(int folder, const QByteArray& relativePath) {
  return RegularOnly(OpenBeneath(folder, relativePath, ReadFlags));
}

int OpenRegularFileBeneathFollowingLast(int folder, const QByteArray& relativePath) {
  const qsizetype slash = relativePath.lastIndexOf('/');
  if (slash < 0) return RegularOnly(::openat(folder, relativePath.constData(), ReadFlags));
  const int parent = OpenBeneath(folder, relativePath.left(slash), FolderFlags);
  if (parent < 0) return -1;
  const int file = ::openat(parent, relativePath.mid(slash + 1).constData(), ReadFlags);
  CloseKeepingErrno(parent);
  return RegularOnly(file);
}

}  // namespace zingbox
