// The head-to-tail sum of the arrival arrows of one detector point. Every arrow has length 0.3;
// the y part sums -sin, so the sum is the arrows' sum mirrored top to bottom.
#pragma once

class ArrowSum {
public:
    // Length of every arrival arrow, in sum units (the run's sum scale turns them into pixels).
    static constexpr double arrivalArrowLength = 0.3;

    void reset() { x_ = y_ = 0.0; }
    // One arrival arrow, given by the cosine and sine of its phase.
    void add(double cosine, double sine) {
        x_ += arrivalArrowLength * cosine;
        y_ -= arrivalArrowLength * sine;
    }
    double x() const { return x_; }
    double y() const { return y_; }
    double squaredLength() const { return y_ * y_ + x_ * x_; }

private:
    double x_ = 0.0;
    double y_ = 0.0;
};
