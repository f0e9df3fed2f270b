// How the window and its display-only fields present themselves to screen readers: the window as
// a frame named after the program, the caption and title fields as static text rather than as
// fields one could type into, a frame's option buttons in the order they stand, a line of text
// read as a progress bar, the menu's checkable entries as check boxes, and the setting fields not
// at all.
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
    // A widget presented as a progress bar gives this value out of `maximum`; a screen reader
    // reads it when asked.
    static void setProgress(QWidget* widget, int value, int maximum);
    // The widget is left out of its window's children as a screen reader is given them: for
    // fields that only hold settings and are never shown.
    static void conceal(QWidget* widget);
};
