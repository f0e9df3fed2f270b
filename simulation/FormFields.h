// The window's fields as the simulation sees them: the texts of the hidden setting fields, which
// are the only place the settings live, and the caption fields it shows when a run ends.
#pragma once

#include <QString>

enum class SettingField { PocetFotonu, Spomaleni, Rozptyl, Vzdalenost, Ur, Rd };

enum class CaptionField { Zdroj, Clona, Detektor, Soucet, Pravdepodobnost };

class FormFields {
public:
    virtual ~FormFields() = default;

    virtual QString text(SettingField field) const = 0;
    virtual void setText(SettingField field, const QString& text) = 0;
    virtual void showCaption(CaptionField field) = 0;

    // The captions of the drawing, in the order a finished run shows them.
    static constexpr CaptionField captions[] = {CaptionField::Zdroj, CaptionField::Clona,
                                                CaptionField::Detektor, CaptionField::Soucet,
                                                CaptionField::Pravdepodobnost};

    // The object names of the fields in the window, as the user's messages name them.
    static QString name(SettingField field);
    static QString name(CaptionField field);
};
