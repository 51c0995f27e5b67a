#pragma once

#include <chrono>

// The pauses between attempts at a file operation that another program
// blocks for a moment, as virus scanners, indexers and sync tools do when
// they open a new file: 50 ms, doubling, until two seconds have passed in
// all. The hook set with wartenMelden hears when the first pause begins and
// when this object ends.
class geduld {
  public:
    geduld() = default;
    geduld(const geduld&) = delete;
    geduld& operator=(const geduld&) = delete;
    ~geduld();

    // Pauses and returns true, or returns false once the time is used up.
    bool abwarten();

  private:
    std::chrono::milliseconds pause_{50};
    std::chrono::milliseconds rest_{2000};
    bool gemeldet_ = false;
};
