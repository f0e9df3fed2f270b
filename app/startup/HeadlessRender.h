// A whole run made at full speed without showing a window, written as a PNG of the drawing area
// with its captions, as CSV data of its detector points, or both. With --hits the detector screen
// stands in the picture with that many single photons landed, and the data are its hits.
#pragma once

#include <QCoreApplication>

class CommandLine;

class HeadlessRender {
    Q_DECLARE_TR_FUNCTIONS(HeadlessRender)

public:
    // Makes the run at the zoom the line asks for, without a window, and the picture as the
    // window at that zoom saves it. Needs a QApplication (on any platform, the offscreen one will
    // do) for its fonts.
    // Returns the exit status: 0 when the file was written, 2 with one line on stderr when it
    // could not be, any messages held since start-up forgotten. An existing file is then left as
    // it was.
    static int run(const CommandLine& line);
    // --probe without --render: no run, and the probe's line of numbers on standard output.
    // Returns 0, or 2 with one line on stderr when the experiment cannot be probed.
    static int probe(const CommandLine& line);
};
