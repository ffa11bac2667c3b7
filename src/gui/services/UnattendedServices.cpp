#include "gui/services/UnattendedServices.h"

#include <cstdio>

namespace rollscan {

void UnattendedServices::message(QWidget *, const QString &text, const QString &title, Icon)
{
    ++m_messages;
    std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(QString(text).replace(QChar(13), QChar(' '))));
}

bool UnattendedServices::question(QWidget *parent, const QString &text, const QString &title)
{
    message(parent, text + QStringLiteral(" [Cancel]"), title, Icon::Question);
    return false;
}

QString UnattendedServices::openFileName(QWidget *, const QString &, const QStringList &, const QString &)
{
    return {};
}

QString UnattendedServices::saveFileName(QWidget *, const QString &, const QStringList &, const QString &)
{
    return {};
}

QString UnattendedServices::openFileNameIn(QWidget *, const QString &, const QStringList &, const QString &,
                                           const FileDialogPlace &)
{
    return {};
}

QString UnattendedServices::saveFileNameIn(QWidget *, const QString &, const QStringList &, const QString &,
                                           const FileDialogPlace &)
{
    return {};
}

bool UnattendedServices::choosePrinter(QWidget *, QPrinter &)
{
    return false;
}

} // namespace rollscan
