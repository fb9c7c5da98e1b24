// Another process that holds the exclusive side of a folder's lock file until it is let go.
#pragma once

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

namespace sheetwise::testing {

class HoldingProcess {
  public:
    explicit HoldingProcess(const std::string& lockFile) {
        int ready[2];
        if (pipe(ready) != 0 || pipe(release_) != 0)
            return;
        pid_ = fork();
        if (pid_ == 0) {
            close(release_[1]);  // so that the parent's close ends the read below
            const int fd = open(lockFile.c_str(), O_RDWR);
            const bool locked = fd >= 0 && flock(fd, LOCK_EX) == 0;
            char byte = locked ? 'y' : 'n';
            (void)!write(ready[1], &byte, 1);
            (void)!read(release_[0], &byte, 1);
            _exit(0);
        }
        close(release_[0]);
        close(ready[1]);
        char byte = 0;
        locked_ = read(ready[0], &byte, 1) == 1 && byte == 'y';
        close(ready[0]);
    }
    ~HoldingProcess() { LetGo(); }
    HoldingProcess(const HoldingProcess&) = delete;
    HoldingProcess& operator=(const HoldingProcess&) = delete;

    void LetGo() {
        if (pid_ <= 0)
            return;
        close(release_[1]);
        waitpid(pid_, nullptr, 0);
        pid_ = 0;
    }
    pid_t pid() const { return pid_; }
    bool locked() const { return locked_; }

  private:
    int release_[2] = {-1, -1};
    pid_t pid_ = -1;
    bool locked_ = false;
};

}  // namespace sheetwise::testing
