#include "gui/attach/frmAttach.h"

#include "gui/attach/FittedPicture.h"

#include "core/app/Session.h"
#include "core/attach/AttachmentNote.h"
#include "core/attach/WaveInfo.h"
#include "core/data/FileError.h"
#include "gui/services/Services.h"
#include "gui/services/WaitProgress.h"
#include "gui/services/WindowTools.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QCloseEvent>
#include <QDir>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QUrl>
#include <QVBoxLayout>

namespace rollscan {

namespace {
const QString kAudioCaption = QStringLiteral("Audio Attachment");
const QString kPictureCaption = QStringLiteral("Picture Attachment");
const QString kTextCaption = QStringLiteral("Text Attachment");

QString whileViewing(int number)
{
    return QStringLiteral("An error (") + QString::number(number) +
           QStringLiteral(") has occurred while viewing attachments.");
}
} // namespace

frmAttach::frmAttach(Session &session, Services &services, QWidget *parent)
    : QWidget(parent, Qt::Window), m_session(session), m_services(services),
      m_hasAudioOutput([] { return !QMediaDevices::audioOutputs().isEmpty(); })
{
    setObjectName(QStringLiteral("frmAttach"));
    setWindowTitle(QStringLiteral("Attachment"));
    setAttribute(Qt::WA_DeleteOnClose);

    buildAudioFrame();

    fraPicture = Named(new QGroupBox(kPictureCaption, this), "fraPicture");
    imgAttach = Named(new FittedPicture(fraPicture), "imgAttach");
    auto *pictureLayout = new QVBoxLayout(fraPicture);
    pictureLayout->addWidget(imgAttach);

    fraText = Named(new QGroupBox(kTextCaption, this), "fraText");
    txtAttach = Named(new QPlainTextEdit(fraText), "txtAttach");
    txtAttachSB = Named(new QPlainTextEdit(fraText), "txtAttachSB");
    txtAttachSB->setVisible(false);
    auto *textLayout = new QVBoxLayout(fraText);
    textLayout->addWidget(txtAttach);
    textLayout->addWidget(txtAttachSB);

    btnSave = Named(new QPushButton(QStringLiteral("&Save"), this), "btnSave");
    btnDone = Named(new QPushButton(QStringLiteral("&Done"), this), "btnDone");
    btnHelp = Named(new QPushButton(QStringLiteral("&Help"), this), "btnHelp");
    connect(btnSave, &QPushButton::clicked, this, &frmAttach::onSave);
    connect(btnDone, &QPushButton::clicked, this, &QWidget::close);
    connect(btnHelp, &QPushButton::clicked, this, [this] { m_services.showHelp(this, HelpTopic()); });

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnSave);
    buttons->addWidget(btnDone);
    buttons->addWidget(btnHelp);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(fraAudio);
    layout->addWidget(fraPicture, 1);
    layout->addWidget(fraText, 1);
    layout->addLayout(buttons);
    showFrame(fraText);
}

frmAttach::~frmAttach()
{
    closeSound();
}

void frmAttach::buildAudioFrame()
{
    fraAudio = Named(new QGroupBox(kAudioCaption, this), "fraAudio");
    hsbAudio = Named(new QScrollBar(Qt::Horizontal, fraAudio), "hsbAudio");
    hsbAudio->setRange(0, 0);
    lblStart = Named(new QLabel(FormatSeconds(0), fraAudio), "lblStart");
    lblLen = Named(new QLabel(FormatSeconds(0), fraAudio), "lblLen");
    lblCur = Named(new QLabel(FormatSeconds(0), fraAudio), "lblCur");
    lblCur->setAlignment(Qt::AlignCenter);
    pnlAudio = Named(new QLabel(fraAudio), "pnlAudio");
    pnlAudio->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlAudio->setWordWrap(true);
    pnlAudio->setMinimumHeight(pnlAudio->fontMetrics().height() * 2 + 8);

    btnPlay = Named(new QPushButton(style()->standardIcon(QStyle::SP_MediaPlay), QStringLiteral("&Play"), fraAudio),
                    "btnPlay");
    btnPause = Named(new QPushButton(style()->standardIcon(QStyle::SP_MediaPause), QStringLiteral("P&ause"), fraAudio),
                     "btnPause");
    btnStop = Named(new QPushButton(style()->standardIcon(QStyle::SP_MediaStop), QStringLiteral("S&top"), fraAudio),
                    "btnStop");
    for (QPushButton *b : {btnPlay, btnPause, btnStop})
        b->setEnabled(false);

    auto *times = new QHBoxLayout;
    times->addWidget(lblStart);
    times->addStretch(1);
    times->addWidget(lblCur);
    times->addStretch(1);
    times->addWidget(lblLen);
    auto *controls = new QHBoxLayout;
    controls->addWidget(btnPlay);
    controls->addWidget(btnPause);
    controls->addWidget(btnStop);
    controls->addStretch(1);
    auto *layout = new QVBoxLayout(fraAudio);
    layout->addLayout(controls);
    layout->addWidget(hsbAudio);
    layout->addLayout(times);
    layout->addWidget(pnlAudio);

    // Dragging the bar moves the sound; the player's own updates move the bar without seeking.
    connect(hsbAudio, &QScrollBar::sliderMoved, this, [this](int value) {
        if (mciAttach)
            mciAttach->setPosition(value);
        setPosition(value);
    });
}

QString frmAttach::NoAudioOutputText()
{
    return QStringLiteral("This computer has no sound output, so the recording cannot be played.");
}

QString frmAttach::UnchangedNoteText()
{
    return QStringLiteral("You havn't entered or changed anything.");
}

void frmAttach::showFrame(QGroupBox *frame)
{
    for (QGroupBox *f : {fraAudio, fraPicture, fraText})
        f->setVisible(f == frame);
    btnSave->setVisible(frame == fraText);
}

bool frmAttach::showAttachment(AttachmentKind kind, int congress, int rollCall)
{
    const bool isHouse = m_session.isHouse;
    m_kind = kind;
    QString found = FindAttachmentFile(m_session.dataRoot, isHouse, congress, rollCall, kind);
    // A note that does not exist yet is written anew; the other kinds must be there.
    if (found.isEmpty() && kind == AttachmentKind::Text)
        found = AttachmentName(m_session.dataRoot, isHouse, congress, rollCall, kind);
    if (found.isEmpty()) {
        ReportError(
            m_services, this,
            whileViewing(FileErrorNumber::NotFound) + QStringLiteral("\n\n") +
                QDir::toNativeSeparators(AttachmentName(m_session.dataRoot, isHouse, congress, rollCall, kind)));
        return false;
    }
    m_fileName = found;
    m_noteTarget = AttachmentName(m_session.dataRoot, isHouse, congress, rollCall, AttachmentKind::Text);
    const QString congressNote =
        AttachmentName(m_session.dataRoot, isHouse, congress, kCongressAttachment, AttachmentKind::Text);

    ErrorReporting how;
    how.fileErrorText = [](const FileError &error) {
        return whileViewing(error.number()) + QStringLiteral("\n\n") + QDir::toNativeSeparators(error.path());
    };
    const bool shown = RunReportingErrors(
        m_services, this,
        [&] {
            switch (kind) {
            case AttachmentKind::Sound:
                fraAudio->setTitle(AttachmentCaption(kAudioCaption, isHouse, congress, rollCall));
                showSound();
                break;
            case AttachmentKind::Picture:
                fraPicture->setTitle(AttachmentCaption(kPictureCaption, isHouse, congress, rollCall));
                showPicture();
                break;
            case AttachmentKind::Text:
                fraText->setTitle(AttachmentCaption(kTextCaption, isHouse, congress, rollCall));
                // The caption decides where the note goes back to, as it always has.
                if (IsCongressCaption(fraText->title()))
                    m_noteTarget = congressNote;
                showText();
                break;
            }
        },
        how);
    if (!shown)
        return false;
    CentreOnScreen(this);
    show();
    raise();
    activateWindow();
    return true;
}

void frmAttach::showSound()
{
    showFrame(fraAudio);
    closeSound();
    // The length comes from the file itself, so it is shown even where nothing can play it.
    const WaveInfo wave = WaveInfo::Read(m_fileName);
    m_lengthMs = wave.durationMs();
    lblLen->setText(FormatSeconds(m_lengthMs));
    hsbAudio->setRange(0, int(std::min<qint64>(m_lengthMs, std::numeric_limits<int>::max())));
    hsbAudio->setPageStep(std::max(1, hsbAudio->maximum() / 10));
    setPosition(0);
    fitToScreen(QSize(480, 240));

    if (!m_hasAudioOutput()) {
        pnlAudio->setText(NoAudioOutputText());
        return;
    }
    mciAttach = Named(new QMediaPlayer(this), "mciAttach");
    m_audioOutput = new QAudioOutput(this);
    mciAttach->setAudioOutput(m_audioOutput);
    connect(mciAttach, &QMediaPlayer::positionChanged, this, &frmAttach::setPosition);
    connect(mciAttach, &QMediaPlayer::durationChanged, this, [this](qint64 ms) {
        if (ms <= 0)
            return;
        m_lengthMs = ms;
        lblLen->setText(FormatSeconds(ms));
        hsbAudio->setRange(0, int(std::min<qint64>(ms, std::numeric_limits<int>::max())));
    });
    connect(mciAttach, &QMediaPlayer::playbackStateChanged, this, [this](QMediaPlayer::PlaybackState state) {
        btnPlay->setEnabled(state != QMediaPlayer::PlayingState);
        btnPause->setEnabled(state == QMediaPlayer::PlayingState);
        btnStop->setEnabled(state != QMediaPlayer::StoppedState);
        switch (state) {
        case QMediaPlayer::PlayingState:
            pnlAudio->setText(QStringLiteral("Playing"));
            break;
        case QMediaPlayer::PausedState:
            pnlAudio->setText(QStringLiteral("Paused"));
            break;
        case QMediaPlayer::StoppedState:
            pnlAudio->setText(QStringLiteral("Stopped"));
            break;
        }
    });
    connect(mciAttach, &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error, const QString &text) {
        // A missing decoder or a broken file: say so and leave nothing to press.
        pnlAudio->setText(QStringLiteral("The recording cannot be played: ") + text);
        for (QPushButton *b : {btnPlay, btnPause, btnStop})
            b->setEnabled(false);
    });
    connect(btnPlay, &QPushButton::clicked, mciAttach, &QMediaPlayer::play);
    connect(btnPause, &QPushButton::clicked, mciAttach, &QMediaPlayer::pause);
    connect(btnStop, &QPushButton::clicked, this, [this] {
        mciAttach->stop();
        setPosition(0);
    });
    mciAttach->setSource(QUrl::fromLocalFile(m_fileName));
    btnPlay->setEnabled(true);
    pnlAudio->setText(QStringLiteral("Stopped"));
}

void frmAttach::closeSound()
{
    if (!mciAttach)
        return;
    mciAttach->stop();
    delete mciAttach;
    mciAttach = nullptr;
    delete m_audioOutput;
    m_audioOutput = nullptr;
    for (QPushButton *b : {btnPlay, btnPause, btnStop})
        b->setEnabled(false);
}

void frmAttach::setPosition(qint64 ms)
{
    if (!hsbAudio->isSliderDown())
        hsbAudio->setValue(int(std::min<qint64>(ms, hsbAudio->maximum())));
    lblCur->setText(FormatSeconds(ms));
}

void frmAttach::showPicture()
{
    showFrame(fraPicture);
    QImageReader reader(m_fileName);
    // The file's contents decide, not its extension: a ".bmp" name may hold a compressed picture.
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull())
        throw FileError(FileErrorNumber::BadFormat, m_fileName, reader.errorString());
    imgAttach->setPixmap(QPixmap::fromImage(image));
    // The window opens at the picture's own size where the screen has room; a larger picture
    // shrinks into the window and grows back as the window grows.
    const int margin = 48;
    fitToScreen(image.size() + QSize(margin, margin + btnDone->sizeHint().height() + 24));
}

void frmAttach::showText()
{
    showFrame(fraText);
    AttachmentNote note;
    if (QFileInfo::exists(m_fileName))
        note = AttachmentNote::Read(m_fileName);
    m_noteCrlf = note.crlf;
    m_noteUtf8 = note.utf8;
    txtAttach->setPlainText(note.text);
    txtAttachSB->setPlainText(note.text);
    fitToScreen(QSize(560, 400));
    txtAttach->setFocus();
}

void frmAttach::onSave()
{
    const QString text = txtAttach->toPlainText();
    if (text == txtAttachSB->toPlainText()) {
        ShowMessage(m_services, this, UnchangedNoteText(), kProgramTitle);
        return;
    }
    AttachmentNote note;
    note.crlf = m_noteCrlf;
    note.utf8 = m_noteUtf8;
    // A note that cannot be saved stays in the window so that nothing typed is lost.
    if (!RunReportingErrors(m_services, this, [&] { note.save(m_noteTarget, text); }))
        return;
    txtAttachSB->setPlainText(text);
    emit noteSaved();
    close();
}

void frmAttach::fitToScreen(const QSize &wanted)
{
    QSize size = wanted.expandedTo(minimumSizeHint());
    if (const QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(s->availableGeometry().size() - QSize(16, 48));
    resize(size);
}

void frmAttach::closeEvent(QCloseEvent *event)
{
    closeSound();
    QWidget::closeEvent(event);
}

void frmAttach::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    if (event->matches(QKeySequence::HelpContents)) {
        m_services.showHelp(this, HelpTopic());
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace rollscan
