// Starts the toolkit for the program and its tests alike, at a pixel ratio it can draw at.
#pragma once

#include <QApplication>

#include <memory>

class ToolkitStart {
public:
    // The application object, made from the command line. Qt's painters never scale logical
    // pixels down, so at a pixel ratio below 1 (a scale factor below 1, a screen of low density)
    // windows show only their top-left part or nothing. The toolkit is then started again with
    // its global scale factor raised so that the lowest ratio is 1. `argc` and `argv` must
    // outlive the application object; Qt takes its own options out of them.
    static std::unique_ptr<QApplication> start(int& argc, char** argv);
};
