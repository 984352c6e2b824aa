#pragma once
#include <sys/resource.h>

#include <csignal>

namespace corvanth::testing {

// Caps the size of any file this process writes, so a save fails part-way like on a full disk.
class FileSizeCap {
  public:
    explicit FileSizeCap(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        oldSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit cap = old_;
        cap.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &cap);
    }
    ~FileSizeCap() {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldSignal_);
    }

  private:
    rlimit old_{};
    void (*oldSignal_)(int);
};

}  // namespace corvanth::testing
