#include "document/cronfile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <new>

#include "document/errors.h"

namespace vantrel {

namespace {

// An open descriptor, closed on every way out.
class TFd {
 public:
  explicit TFd(int fd) : fd_(fd) {}
  ~TFd() {
    if (fd_ >= 0) ::close(fd_);
  }
  TFd(const TFd&) = delete;
  TFd& operator=(const TFd&) = delete;
  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }

 private:
  int fd_;
};

// Linux has no share modes: an exclusive advisory lock, taken without
// waiting, keeps two programs from reading and writing one file at once.
bool LockExclusive(int fd) {
  int rc;
  do {
    rc = ::flock(fd, LOCK_EX | LOCK_NB);
  } while (rc != 0 && errno == EINTR);
  return rc == 0;
}

// O_NONBLOCK keeps a FIFO from hanging the open; the file type is checked next.
int OpenNoWait(const QByteArray& path, int mode) {
  int fd;
  do {
    fd = ::open(path.constData(), mode | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

std::function<void()>& BeforeReadHook() {
  static std::function<void()> hook;
  return hook;
}

}  // namespace

void SetBeforeReadHookForTesting(std::function<void()> hook) {
  BeforeReadHook() = std::move(hook);
}

std::string ReadCronFile(const QString& fileName) {
  const auto openError = [&] { return EFOpenError(FileMessage(kOpenErrorMessage, fileName)); };
  const QByteArray path = QFile::encodeName(fileName);
  if (path.isEmpty()) throw openError();

  TFd fd(OpenNoWait(path, O_RDONLY));
  struct stat st {};
  if (!fd.valid() || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) ||
      !LockExclusive(fd.get())) {
    throw openError();
  }

  const auto readError = [&] { return EReadError(FileMessage(kReadErrorMessage, fileName)); };
  std::string bytes;
  try {
    bytes.resize(static_cast<std::size_t>(st.st_size));
  } catch (const std::bad_alloc&) {
    throw readError();
  } catch (const std::length_error&) {
    throw readError();
  }
  if (BeforeReadHook()) BeforeReadHook()();
  // One request for the whole file; the loop only resumes a read the kernel
  // cut short (reads stop at about 2 GiB) or a signal interrupted.
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::read(fd.get(), bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) throw readError();  // a failed read, or a file that shrank
    done += static_cast<std::size_t>(n);
  }
  return bytes;
}

void WriteCronFile(const QString& fileName, std::string_view text) {
  const auto createError = [&] {
    return EFCreateError(FileMessage(kCreateErrorMessage, fileName));
  };
  const auto writeError = [] { return EWriteError(std::string(kWriteErrorMessage)); };
  if (fileName.isEmpty()) throw createError();

  // Save through a symbolic link to the file it names.
  QString target = fileName;
  const QFileInfo info(fileName);
  if (info.isSymLink()) {
    const QString resolved = info.canonicalFilePath();  // empty for a dangling link
    target = resolved.isEmpty() ? info.symLinkTarget() : resolved;
  }

  const QByteArray path = QFile::encodeName(target);
  struct stat st {};
  const bool exists = ::stat(path.constData(), &st) == 0;
  if (!exists && errno != ENOENT) throw createError();
  if (exists && !S_ISREG(st.st_mode)) throw createError();

  // An existing file must be writable by us and not locked by anybody else;
  // its lock is held until the new file has taken its place.
  TFd existing(exists ? OpenNoWait(path, O_WRONLY) : -1);
  if (exists && (!existing.valid() || !LockExclusive(existing.get()))) throw createError();

  QSaveFile file(target);
  if (!file.open(QIODevice::WriteOnly)) throw createError();
  if (exists) {
    // The new file takes the old one's owner where we may give it; the
    // permission bits QSaveFile copies itself.
    if (::fchown(file.handle(), st.st_uid, st.st_gid) == 0) {
      ::fchmod(file.handle(), st.st_mode & 07777);
    }
  }

  const auto size = static_cast<qint64>(text.size());
  // A short write, a failed flush or any recorded error abandons the
  // temporary file; the old file is never touched.
  if ((size > 0 && file.write(text.data(), size) != size) || !file.flush() ||
      file.error() != QFileDevice::NoError) {
    file.cancelWriting();
    throw writeError();
  }
  if (!file.commit()) throw writeError();
}

}  // namespace vantrel
