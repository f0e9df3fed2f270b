// The toolkit reads its scale factor only as it starts, so raising it means starting again; the
// first start's options are given again, from a copy kept before Qt took them out.
#include "ToolkitStart.h"

#include <QScreen>

#include <algorithm>
#include <vector>

std::unique_ptr<QApplication> ToolkitStart::start(int& argc, char** argv) {
    const int typedCount = argc;
    const std::vector<char*> typed(argv, argv + argc);
    auto app = std::make_unique<QApplication>(argc, argv);
    qreal lowest = 1;
    for (const QScreen* screen : QGuiApplication::screens()) {
        lowest = std::min(lowest, screen->devicePixelRatio());
    }
    if (lowest >= 1 || lowest <= 0) {
        return app;
    }
    bool set = false;
    const double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&set);
    qputenv("QT_SCALE_FACTOR", QByteArray::number((set && factor > 0 ? factor : 1.0) / lowest));
    app.reset();
    argc = typedCount;
    std::copy(typed.begin(), typed.end(), argv);
    return std::make_unique<QApplication>(argc, argv);
}
