// Makes one widget from a row of the control table: the Qt kind that stands in for each control
// kind, with the row's text, geometry, colours, font and visibility.
#pragma once

#include "PictureComposer.h"

#include <QCoreApplication>
#include <QHash>
#include <QPoint>
#include <QString>

class QWidget;
struct ControlRow;

class ControlFactory {
    Q_DECLARE_TR_FUNCTIONS(ControlFactory)

public:
    // The widget, a child of parent, not yet shown (the window shows what the table says).
    static QWidget* create(const ControlRow& row, QWidget* parent);
    // Every control of the table on the window, by object name, shown as the table says, in the
    // table's tab order.
    static QHash<QString, QWidget*> createAll(QWidget* window);
    // Puts the control where its row says, times the zoom and shifted by `origin`, with its own
    // font, if it has one, zoomed too.
    static void place(QWidget* widget, const ControlRow& row, double zoom, QPoint origin);
    // A caption or label row's text as it stands over the picture at the zoom, where and as its
    // widget shows it: for a picture made without the widget.
    // Its text is the row's, translated, unless one is given.
    static PictureComposer::Text pictureText(const ControlRow& row, double zoom,
                                             const QString& text = {});
};
