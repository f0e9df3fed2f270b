// A message handler that keeps the messages in memory until the command line has been judged.
// Fatal messages are never held: the program is about to end, and they, or the line that answers
// them, say why.
#include "StartupMessages.h"

#include <QList>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

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
StartupMessages::FatalAnswer fatalAnswer = nullptr;
QList<Held> held;

void stopHolding() {
    if (holding) {
        qInstallMessageHandler(previous);
        holding = false;
    }
}

void keep(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    held.append({type, context.file, context.line, context.function, context.category, text});
    if (type != QtFatalMsg) {
        return;
    }
    QString messages;
    for (const Held& message : std::as_const(held)) {
        messages += message.text + QLatin1Char('\n');
    }
    const QString answer = fatalAnswer ? fatalAnswer(messages) : QString();
    if (answer.isEmpty()) {
        StartupMessages::release();
        return;
    }
    std::fprintf(stderr, "%s\n", qPrintable(answer));
    std::fflush(stderr);
    // Ended here rather than by the toolkit's abort, with no core dump: it is a refusal, not a
    // crash. Files are replaced whole or not at all, so ending at once leaves none half written.
    std::_Exit(2);
}

} // namespace

void StartupMessages::hold(FatalAnswer answer) {
    fatalAnswer = answer;
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
