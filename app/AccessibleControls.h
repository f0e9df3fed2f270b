// How the window and its display-only fields present themselves to screen readers: the window as
// a frame named after the program, the caption and title fields as static text rather than as
// fields one could type into, and a frame's option buttons in the order they stand.
#pragma once

class QLineEdit;
class QWidget;

class AccessibleControls {
public:
    // Puts the program's interfaces ahead of Qt's, and drops any interface Qt made for the
    // window while it was being built, so that the next query gets the program's.
    static void install(QWidget* window);
    // The field keeps its look and stays a QLineEdit, but is presented as static text.
    static void presentAsText(QLineEdit* field);
    // A frame's option buttons are read top to bottom, as they stand, whatever the order in
    // which they were made.
    static void orderForReading(QWidget* frame);
};
