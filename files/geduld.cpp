#include "geduld.h"

#include "dateien.h"

#include <algorithm>
#include <thread>
#include <utility>

namespace {

std::function<void(bool)>& melder() {
    static std::function<void(bool)> melden;
    return melden;
}

void melden(bool wartet) {
    if (melder()) {
        melder()(wartet);
    }
}

} // namespace

void wartenMelden(std::function<void(bool)> melden) {
    melder() = std::move(melden);
}

geduld::~geduld() {
    if (gemeldet_) {
        melden(false);
    }
}

bool geduld::abwarten() {
    if (rest_.count() == 0) {
        return false;
    }
    if (!gemeldet_) {
        gemeldet_ = true;
        melden(true);
    }
    const auto pause = std::min(pause_, rest_);
    std::this_thread::sleep_for(pause);
    rest_ -= pause;
    pause_ *= 2;
    return true;
}
