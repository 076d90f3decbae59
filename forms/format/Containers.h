#pragma once
// Where a control lies (its ParentId) and the pages of tab controls. "T" + (n*10 + p) is page p
// (from 0) of the n-th tab control of the form, "G" + n the n-th group box, both counted from 1 in
// the form's control order; empty is the form surface.
#include <QList>
#include <QString>
#include <QStringList>

struct ParentRef {
    enum Kind { Form, TabPage, GroupBox };
    Kind kind = Form;
    int number = 0; // the n-th tab control or group box, from 1
    int page = 0;   // the page of a tab control, from 0

    bool operator==(const ParentRef&) const = default;
};

// A ParentId that names no container (empty, or neither "T" nor "G" with a number) is the form.
ParentRef ParseParentId(const QString& parentId);

// The position in `kinds` (the form's controls in order) of the tab control or group box the
// reference names; -1 for the form surface or a container the form does not have.
int ContainerIndex(const QList<int>& kinds, const ParentRef& parent);

// The captions of a tab control's pages: one per item of TabNames; an empty first item is "Tab1",
// any other empty item "Tab2".
QStringList TabPageCaptions(const QString& tabNames);
