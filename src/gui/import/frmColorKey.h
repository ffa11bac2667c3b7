#pragma once

#include "core/import/QuantKey.h"

#include <QWidget>

#include <array>

class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;

namespace rollscan {

class Services;

// The colour key of an imported data set: eight panels at most, each with its class number and lower
// bound; with more than eight classes the scroll bar moves the panels along the key.
class frmColorKey : public QWidget {
    Q_OBJECT

public:
    static constexpr int kPanels = 8;

    frmColorKey(Services &services, QWidget *parent = nullptr);

    // Shows `key` from its first class.
    void setKey(const QuantKey &key);
    const QuantKey &key() const { return m_key; }
    // The class shown by panel k (0-based), or 0 when the panel is hidden.
    int classAt(int panel) const;

    std::array<QFrame *, kPanels> pnlColor;
    std::array<QLabel *, kPanels> lblNum;
    QScrollBar *hscColor;
    QPushButton *btnDone, *btnHelp;

private:
    void showPanels();

    Services &m_services;
    QuantKey m_key;
};

} // namespace rollscan
