// Holds the toolkit's own messages while the program starts, so that a refused command line is
// answered with exactly one line of its own and nothing before it.
#pragma once

class StartupMessages {
public:
    // From now on, messages are kept rather than printed.
    static void hold();
    // Prints what was kept, in order, and lets later messages through.
    static void release();
    // Forgets what was kept, and lets later messages through.
    static void discard();
};
