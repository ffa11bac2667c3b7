#pragma once

#include <QString>
#include <QStringList>

namespace rollscan {

// Verifies that a data tree is one the program can read: the shared tables and the preferences
// file are readable, every congress's files agree with the counts of its index record, member ids
// ascend, every vote byte is a digit, every legislator's state and party are known, and every
// description position lies inside its description file.
class TreeChecker {
public:
    // At most this many faults are listed for one file; a last line tells how many more there were.
    static constexpr int kFaultsPerFile = 10;

    TreeChecker(QString root, bool newDataFormat);

    // One line per fault, each starting with the file's path relative to the root and ": ".
    // An empty list means the tree is sound.
    QStringList check();

    // The congresses checked by the last check() in each chamber.
    int houseCongresses() const { return m_houseCongresses; }
    int senateCongresses() const { return m_senateCongresses; }

private:
    QString m_root;
    bool m_newDataFormat;
    int m_houseCongresses = 0;
    int m_senateCongresses = 0;
};

} // namespace rollscan
