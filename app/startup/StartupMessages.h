// Holds the toolkit's own messages while the program starts, so that a refused command line is
// answered with exactly one line of its own and nothing before it, even when the toolkit itself
// cannot start.
#pragma once

#include <QString>

class StartupMessages {
public:
    // Makes the one line that answers a fatal message met while messages are held, given the
    // texts of all of them, the fatal one last; empty to let the messages through as they are.
    using FatalAnswer = QString (*)(const QString& messages);

    // From now on, messages are kept rather than printed. A fatal message ends the program: with
    // the answer's line and exit status 2 when it gives one, else with every kept message.
    static void hold(FatalAnswer answer = nullptr);
    // Prints what was kept, in order, and lets later messages through.
    static void release();
    // Forgets what was kept, and lets later messages through.
    static void discard();
};
