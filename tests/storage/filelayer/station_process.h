#pragma once
// Another station as a child process: fork() with no SQLite connection open in
// the parent (a child must never inherit one), run a body, leave with its code.
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace bv::test {

inline pid_t startStation(const std::function<int()>& body) {
  const pid_t pid = fork();
  if (pid == 0) _exit(body());
  return pid;
}

// The child's exit code, or -1 when it did not exit normally.
inline int waitStation(pid_t pid) {
  int status = 0;
  if (waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A one-byte signal between parent and child.
struct Signal {
  int fds[2] = {-1, -1};
  Signal() { (void)pipe(fds); }
  ~Signal() {
    close(fds[0]);
    close(fds[1]);
  }
  void raise() const { (void)!write(fds[1], "x", 1); }
  bool await() const {
    char c;
    return read(fds[0], &c, 1) == 1;
  }
};

}  // namespace bv::test
