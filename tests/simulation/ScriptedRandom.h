// A random source for tests: it hands out a script of values in turn, cycling when it runs out,
// and keeps the re-seeds it was asked for and the number of values drawn.
#pragma once

#include "RandomSource.h"

#include <vector>

class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<double> script) : script_(std::move(script)) {}

    double nextValue() override {
        const double value = script_[next_ % script_.size()];
        ++next_;
        return value;
    }
    void reseed(double n) override { reseeds_.push_back(n); }

    const std::vector<double>& reseeds() const { return reseeds_; }
    std::size_t drawsMade() const { return next_; }

private:
    std::vector<double> script_;
    std::size_t next_ = 0;
    std::vector<double> reseeds_;
};
