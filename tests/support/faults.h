#pragma once

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <functional>

namespace vantrel::testing {

inline bool IsRoot() {
  return ::geteuid() == 0;
}

// Runs `body` in a child process and gives its exit code (or 128 + signal).
// `prepare` runs first in the child: dropping privileges, lowering limits.
inline int InChild(const std::function<bool()>& prepare, const std::function<int()>& body) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (!prepare()) ::_exit(99);
    ::_exit(body());
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Runs `body` as the unprivileged user "nobody" (root ignores permission
// bits), in a child process when we are root.
inline int AsOrdinaryUser(const std::function<int()>& body) {
  if (!IsRoot()) return body();
  return InChild([] { return ::setgid(65534) == 0 && ::setuid(65534) == 0; }, body);
}

// A small tmpfs mounted over a folder for the life of the object; needs root.
class TTmpfsMount {
 public:
  TTmpfsMount(const QString& folder, const char* options)
      : at_(QFile::encodeName(folder)),
        mounted_(::mount("vantrel-test", at_.constData(), "tmpfs", 0, options) == 0) {}
  ~TTmpfsMount() {
    if (mounted_) ::umount2(at_.constData(), MNT_DETACH);
  }
  TTmpfsMount(const TTmpfsMount&) = delete;
  TTmpfsMount& operator=(const TTmpfsMount&) = delete;
  bool Mounted() const { return mounted_; }
  bool RemountReadOnly() {
    return ::mount(nullptr, at_.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
  }

 private:
  QByteArray at_;
  bool mounted_;
};

// Sets the immutable attribute (chattr +i) for the life of the object.
class TImmutable {
 public:
  explicit TImmutable(const QString& path) : path_(QFile::encodeName(path)) { set_ = Flip(true); }
  ~TImmutable() {
    if (set_) Flip(false);
  }
  TImmutable(const TImmutable&) = delete;
  TImmutable& operator=(const TImmutable&) = delete;
  bool Set() const { return set_; }

 private:
  bool Flip(bool on) {
    const int fd = ::open(path_.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    ::close(fd);
    return ok;
  }

  QByteArray path_;
  bool set_ = false;
};

}  // namespace vantrel::testing
