// Recording only; nothing is drawn.
#include "RecordingSurface.h"

void RecordingSurface::setScaleToPixels() {
    calls_.push_back({Kind::Scale, penWidth_});
}

void RecordingSurface::setPenWidth(int pixels) {
    penWidth_ = pixels;
    calls_.push_back({Kind::PenWidth, pixels});
}

void RecordingSurface::line(float x1, float y1, float x2, float y2, std::optional<Colour> colour) {
    calls_.push_back({Kind::Line, penWidth_, x1, y1, x2, y2, 0, colour});
}

void RecordingSurface::circle(float x, float y, float radius) {
    calls_.push_back({Kind::Circle, penWidth_, x, y, 0, 0, radius, std::nullopt});
}

std::vector<RecordingSurface::Call> RecordingSurface::lines() const {
    std::vector<Call> result;
    for (const Call& call : calls_) {
        if (call.kind == Kind::Line) {
            result.push_back(call);
        }
    }
    return result;
}

QString RecordingSurface::describe(const Call& call) {
    const QString colour =
        call.colour ? QString::number(call.colour->rgb, 16) : QStringLiteral("foreground");
    switch (call.kind) {
    case Kind::Scale:
        return QStringLiteral("scale");
    case Kind::PenWidth:
        return QStringLiteral("pen %1").arg(call.penWidth);
    case Kind::Line:
        return QStringLiteral("line w%1 (%2,%3)-(%4,%5) %6")
            .arg(call.penWidth)
            .arg(call.x1)
            .arg(call.y1)
            .arg(call.x2)
            .arg(call.y2)
            .arg(colour);
    case Kind::Circle:
        return QStringLiteral("circle w%1 (%2,%3) r%4")
            .arg(call.penWidth)
            .arg(call.x1)
            .arg(call.y1)
            .arg(call.radius);
    }
    return {};
}
