#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace rollscan {

// "Inquire Result": the small window the US map fills with a member's name, state and data.
class frmInquire : public QDialog {
    Q_OBJECT

public:
    explicit frmInquire(bool isHouse, QWidget *parent = nullptr);

    // Lays the window out for a chamber: the Senate's names are longer.
    void layoutFor(bool isHouse);
    // Fills the labels; lblData grows by a line for each line of `data`.
    void setResult(const QString &name, const QString &state, const QString &data);

    QLabel *lblName, *lblState, *lblData;
    QPushButton *btnOK;

private:
    bool m_isHouse = true;
};

} // namespace rollscan
