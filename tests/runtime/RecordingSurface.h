// A drawing surface for tests: it keeps every call, in order, with the pen width in force, so a
// test can assert what was drawn and in what order.
#pragma once

#include "DrawingSurface.h"

#include <QString>

#include <vector>

class RecordingSurface : public DrawingSurface {
public:
    enum class Kind { Scale, PenWidth, Line, Circle };

    struct Call {
        Kind kind;
        int penWidth; // in force when the call was made (the new width for PenWidth)
        float x1 = 0, y1 = 0, x2 = 0, y2 = 0; // a circle keeps its centre in x1, y1
        float radius = 0;
        std::optional<Colour> colour;
        bool operator==(const Call&) const = default;
    };

    using DrawingSurface::line;
    void setScaleToPixels() override;
    void setPenWidth(int pixels) override;
    void line(float x1, float y1, float x2, float y2, std::optional<Colour> colour) override;
    void circle(float x, float y, float radius) override;

    const std::vector<Call>& calls() const { return calls_; }
    std::vector<Call> lines() const;
    void clear() { calls_.clear(); }
    // One line a call, for readable failure messages.
    static QString describe(const Call& call);

private:
    std::vector<Call> calls_;
    int penWidth_ = 1;
};
