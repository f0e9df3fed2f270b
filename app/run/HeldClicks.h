// Clicks made while a run is in progress, held in the order they were made until it has ended.
#pragma once

#include <deque>
#include <functional>

class HeldClicks {
public:
    // Holds a click's handler. Starts in a row, with no other click between them, are held as
    // one: the second asks for nothing more. A Start after another click asks for a run with
    // what that click chose, so it is held.
    void hold(std::function<void()> handler, bool isStart);
    bool isEmpty() const { return held_.empty(); }
    // The oldest held handler, no longer held.
    std::function<void()> take();
    void clear() { held_.clear(); }
    // Drops the held Starts and keeps the other clicks in their order: for a stopped run.
    void dropStarts();

private:
    struct Click {
        std::function<void()> handler;
        bool isStart = false;
    };
    std::deque<Click> held_;
};
