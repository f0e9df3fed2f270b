// A queue with one rule for Start.
#include "HeldClicks.h"

#include <algorithm>

void HeldClicks::hold(std::function<void()> handler, bool isStart) {
    if (isStart && !held_.empty() && held_.back().isStart) {
        return;
    }
    held_.push_back({std::move(handler), isStart});
}

std::function<void()> HeldClicks::take() {
    std::function<void()> handler = std::move(held_.front().handler);
    held_.pop_front();
    return handler;
}

void HeldClicks::dropStarts() {
    std::erase_if(held_, [](const Click& click) { return click.isStart; });
}
