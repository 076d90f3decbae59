#pragma once
// The recent-file list of four entries, kept in the profile section "Recent File List" as File1 to File4.
// An object reads the list when it is made and writes it back on every change, so each change is in the
// profile at once and another object (or process) made later sees it.
#include <QString>
#include <QStringList>

namespace framework {

class RecentFileList {
public:
    static constexpr int kSize = 4;

    RecentFileList();

    // Always kSize; positions without a file hold an empty text.
    int size() const { return kSize; }
    const QString& operator[](int index) const { return m_entries[index]; }
    // The files in list order, without the empty positions.
    QStringList entries() const;

    // Puts `path` at the top; an equal entry further down moves up instead of appearing twice, and the
    // last entry falls off a full list.
    void add(const QString& path);
    // Removes the entry at `index`; the ones below move up. Indexes outside the list are ignored.
    void remove(int index);

private:
    void save() const;

    QStringList m_entries;
};

} // namespace framework
