#pragma once
// Stored settings of one window's controls, read from a readable text file
// (resources/forms/<Window>.frm, built in as ":/forms/<Window>.frm"):
//
//   # comment
//   [XP_ProgressBar1]
//   Scrolling = 1
//   Color = &HFFFFFF
//   ShowText = False
//   Caption = "Start ""now"""
//   Font = Font("MS Sans Serif", 8.25, Bold=False, Italic=False, Underline=False, Charset=0)
//   Picture = Picture(":/pictures/open.bmp")
//
// Values: True/False; integers in decimal or &H hexadecimal (32 bits, &H80000012
// reads as the system-colour value); decimal numbers with a point are doubles;
// strings in double quotes with "" for a quote; Font(...) and Picture(...), or
// Nothing for an empty picture (a picture that cannot be read loads as Nothing,
// with a warning). Section names are control names; keys go into
// the control's PropertyBag (so they compare without case). Besides the
// control's own keys a section may hold Left, Top, Width and Height in pixels.
#include "PropertyBag.h"

#include <QString>
#include <QStringList>
#include <map>

class FormData {
public:
    // What a load found: the mistake that stopped it, or the problems it got past.
    struct LoadReport {
        bool ok = false;
        QString error; // "Form1.frm:12: ..." when !ok
        // Problems that did not stop the load, e.g. a picture that could not be
        // read (the setting then holds Nothing): "Form1.frm:30: cannot read picture ...".
        QStringList warnings;
    };

    // Reads a file or a ":/..." resource; on failure nothing is kept.
    LoadReport Load(const QString& path);
    LoadReport Parse(const QString& text, const QString& sourceName = QString());

    bool HasControl(const QString& name) const;
    // The control's settings; an empty bag for an unknown control. Names compare without case.
    const PropertyBag& Control(const QString& name) const;
    // Control names in file order.
    std::vector<QString> ControlNames() const;

private:
    // `baseDir` is the folder relative picture paths are read from.
    static std::optional<PropertyValue> ParseValueIn(const QString& text, const QString& baseDir,
                                                     QString* error = nullptr);
    // One "Key = value" line into the section; the mistake, if any. A
    // picture that cannot be read sets warning and loads as Nothing.
    static std::optional<QString> ReadSetting(const QString& line, PropertyBag* section, const QString& baseDir,
                                              QString& warning);
    std::vector<std::pair<QString, PropertyBag>> controls_;
};
