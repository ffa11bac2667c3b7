#include "gui/app/frmNewAbout.h"

#include "core/data/Dates.h"
#include "gui/app/ProgramInfo.h"
#include "gui/services/Services.h"

#include <QDir>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QSysInfo>
#include <QVBoxLayout>

namespace rollscan {

frmNewAbout::frmNewAbout(Services &services, QWidget *parent, const QString &dataTree)
    : QDialog(parent), m_services(services)
{
    setObjectName(QStringLiteral("frmNewAbout"));
    setWindowTitle(QStringLiteral("About ") + kProgramTitle);
    setModal(true);

    lblTitle = new QLabel(kProgramTitle, this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont(QStringList{QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                                QStringLiteral("DejaVu Serif")});
    titleFont.setStyleHint(QFont::Serif);
    titleFont.setPointSize(18);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);

    lblVersion = new QLabel(QStringLiteral("Version ") + ProgramVersion(), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblDate = new QLabel(QStringLiteral("Released ") + FormatLongDate(kReleaseDate), this);
    lblDate->setObjectName(QStringLiteral("lblDate"));
    // The Qt library the program runs on, which may be newer than the one it was built with.
    lblQtVersion = new QLabel(QStringLiteral("Qt ") + QString::fromLatin1(qVersion()), this);
    lblQtVersion->setObjectName(QStringLiteral("lblQtVersion"));
    lblDataTree = new QLabel(QStringLiteral("Data tree: ") + QDir::toNativeSeparators(dataTree), this);
    lblDataTree->setObjectName(QStringLiteral("lblDataTree"));
    lblDataTree->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblDataTree->setWordWrap(true);
    lblDataTree->setVisible(!dataTree.isEmpty());
    imgIcon = new QLabel(this);
    imgIcon->setObjectName(QStringLiteral("imgIcon"));
    imgIcon->setPixmap(ProgramIcon().pixmap(64, 64));
    lblDescription = new QLabel(QStringLiteral("Roll Call Displays of the U.S. Congress, 1789-2000"), this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDisclaimer = new QLabel(QStringLiteral("Roll-call data: public records of the U.S. Congress.\n"
                                              "Member coordinates and maps come with each data set."),
                               this);
    lblDisclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    lblDisclaimer->setWordWrap(true);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, [this] {
        m_services.message(this, SystemInformation(), QStringLiteral("System Information"),
                           Services::Icon::Information);
    });

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    buttons->addStretch(1);
    auto *texts = new QVBoxLayout;
    texts->addWidget(lblTitle);
    texts->addWidget(lblVersion);
    texts->addWidget(lblDate);
    texts->addWidget(lblQtVersion);
    texts->addWidget(lblDataTree);
    texts->addSpacing(8);
    texts->addWidget(lblDescription);
    texts->addWidget(lblDisclaimer);
    texts->addStretch(1);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(imgIcon, 0, Qt::AlignTop);
    layout->addSpacing(8);
    layout->addLayout(texts, 1);
    layout->addSpacing(12);
    layout->addLayout(buttons);
    setMinimumWidth(440);
}

QString frmNewAbout::SystemInformation()
{
    QStringList lines;
    const auto add = [&lines](const QString &label, const QString &value) {
        if (!value.trimmed().isEmpty())
            lines.append(label + value.trimmed());
    };
    add(QStringLiteral("Operating system: "), QSysInfo::prettyProductName());
    add(QStringLiteral("Kernel: "), QSysInfo::kernelType() + QLatin1Char(' ') + QSysInfo::kernelVersion());
    add(QStringLiteral("Processor architecture: "), QSysInfo::currentCpuArchitecture());
    if (lines.isEmpty())
        return QStringLiteral("System Information Is Unavailable At This Time");
    add(QStringLiteral("Qt version: "), QString::fromLatin1(qVersion()));
    return lines.join(QLatin1Char('\n'));
}

} // namespace rollscan
