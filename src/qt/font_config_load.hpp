#pragma once
#include <thread>

namespace corvanth::qt {

// Reads the system's font configuration on a thread of its own while the application reaches the display
// and builds the model: it is the longest single step before the main window can show, and nothing needs
// it before the first text is measured. Call wait() before that.
class FontConfigLoad {
  public:
    FontConfigLoad();
    void wait();

  private:
    std::jthread thread_;
};

}  // namespace corvanth::qt
