// A message handler that keeps the messages in memory until the command line has been judged.
// Fatal messages are never held: the program is about to end, and they say why.
#include "StartupMessages.h"

#include <QList>
#include <QString>
#include <QtGlobal>

namespace {

// A message and where it came from. The context's strings are the logging site's literals, which
// live as long as the program.
struct Held {
    QtMsgType type;
    const char* file;
    int line;
    const char* function;
    const char* category;
    QString text;
};

bool holding = false;
QtMessageHandler previous = nullptr;
QList<Held> held;

void stopHolding() {
    if (holding) {
        qInstallMessageHandler(previous);
        holding = false;
    }
}

void keep(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    held.append({type, context.file, context.line, context.function, context.category, text});
    if (type == QtFatalMsg) {
        StartupMessages::release();
    }
}

} // namespace

void StartupMessages::hold() {
    if (!holding) {
        previous = qInstallMessageHandler(keep);
        holding = true;
    }
}

void StartupMessages::release() {
    stopHolding();
    const QList<Held> messages = std::exchange(held, {});
    for (const Held& message : messages) {
        const QMessageLogContext context(message.file, message.line, message.function,
                                         message.category);
        qt_message_output(message.type, context, message.text);
    }
}

void StartupMessages::discard() {
    stopHolding();
    held.clear();
}
