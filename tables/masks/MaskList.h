#pragma once
// The input masks a user picks from, kept in the profile (INPUTMASK, MasksList) as one text: each mask's
// description, sample and mask, each followed by "~". A first start begins with ten known masks.
#include <QList>
#include <QString>

struct MaskEntry {
    QString description;
    QString sample; // "Data Look"
    QString mask;   // "Mask Format"
    bool operator==(const MaskEntry&) const = default;
};

namespace masklist {

QList<MaskEntry> defaults();
// The stored list; when there is none, the ten known masks, which are stored then. `firstShowing` tells
// whether the list was just started.
QList<MaskEntry> load(bool* firstShowing = nullptr);
void save(const QList<MaskEntry>& masks);
QString toText(const QList<MaskEntry>& masks);
QList<MaskEntry> fromText(const QString& text);

} // namespace masklist
