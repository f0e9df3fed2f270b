// Makes one widget from a row of the control table: the Qt kind that stands in for each control
// kind, with the row's text, geometry, colours, font and visibility.
#pragma once

class QWidget;
struct ControlRow;

class ControlFactory {
public:
    // The widget, a child of parent, not yet shown (the window shows what the table says).
    static QWidget* create(const ControlRow& row, QWidget* parent);
};
