// How the window and its display-only fields present themselves to screen readers: the window as
// a frame named after the program, the caption and title fields as static text rather than as
// fields one could type into, and a frame's option buttons in the order they stand.
#pragma once

#include <QAccessible>

class QWidget;

class AccessibleControls {
public:
    // Puts the program's interfaces ahead of Qt's, and presents the window as a frame.
    static void install(QWidget* window);
    // The widget keeps its look and its class, but is presented in the role given. A QLineEdit
    // presented as static text is named by its text unless it has a name of its own.
    static void presentAs(QWidget* widget, QAccessible::Role role);
    // A frame's option buttons are read top to bottom, as they stand, whatever the order in
    // which they were made.
    static void orderForReading(QWidget* frame);
};
