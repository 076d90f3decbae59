#pragma once
// A form on paper as it shows one record: the surface with its colour and caption, and every visible
// control where the designer placed it, in its font and colours, holding what the form shows (a text,
// a tick, a list's items). A box of a value grows down until the whole value fits, what stands below it
// moving with it; buttons stay off the paper. An automatic form's controls stand under their fields'
// names, as on screen. Form pixels are points on paper.
#include "forms/format/PropertySet.h"
#include "forms/runtime/FormControl.h"

#include <QList>
#include <QSizeF>
#include <QString>

class FormSession;
class QPainter;

struct FormPicture {
    PropertySet formProperties;
    bool custom = false;
    QList<FormControl> controls;

    // What the session's form shows now.
    static FormPicture of(const FormSession& session);

    // The surface on paper: the device's screen wide at least, and as far as the controls reach.
    QSizeF size() const;
    // Paints the form with its top left corner at the painter's origin.
    void paint(QPainter& painter) const;
};
