#pragma once

#include "gui/services/QtServices.h"

namespace rollscan {

// The program's services for runs nobody watches (a script taking a screenshot): messages are
// written to standard error instead of waiting in a box, questions are answered Cancel and file
// and printer dialogs are cancelled. Everything else is as in the interactive program.
class UnattendedServices : public QtServices {
public:
    void message(QWidget *parent, const QString &text, const QString &title, Icon icon) override;
    bool question(QWidget *parent, const QString &text, const QString &title) override;
    QString openFileName(QWidget *parent, const QString &caption, const QStringList &filters,
                         const QString &defaultSuffix) override;
    QString saveFileName(QWidget *parent, const QString &caption, const QStringList &filters,
                         const QString &defaultSuffix) override;
    QString openFileNameIn(QWidget *parent, const QString &caption, const QStringList &filters,
                           const QString &defaultSuffix, const FileDialogPlace &place) override;
    QString saveFileNameIn(QWidget *parent, const QString &caption, const QStringList &filters,
                           const QString &defaultSuffix, const FileDialogPlace &place) override;
    bool choosePrinter(QWidget *parent, QPrinter &printer) override;

    // How many messages were written.
    int messageCount() const { return m_messages; }

private:
    int m_messages = 0;
};

} // namespace rollscan
