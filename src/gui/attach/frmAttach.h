#pragma once

#include "core/attach/RollCallAttachments.h"

#include <QWidget>

#include <functional>

class QAudioOutput;
class QGroupBox;
class QLabel;
class QMediaPlayer;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;

namespace rollscan {

class FittedPicture;
class Services;
class Session;

// The attachment window: the sound, picture or text note of one roll call or of a whole congress.
// Only the frame of the kind shown is visible. Notes can be edited and saved.
class frmAttach : public QWidget {
    Q_OBJECT

public:
    frmAttach(Session &session, Services &services, QWidget *parent = nullptr);
    ~frmAttach() override;

    // Shows an attachment of the chamber in use (session.isHouse): the roll call's, or the
    // congress's when rollCall is kCongressAttachment. False when it could not be shown (the user
    // has been told why).
    bool showAttachment(AttachmentKind kind, int congress, int rollCall);

    // The message of the sound frame when nothing can play the sound.
    static QString NoAudioOutputText();
    // The message of an unchanged note.
    static QString UnchangedNoteText();
    static QString HelpTopic() { return QStringLiteral("frmAttach"); }

    // Replaces the check for an audio output device (tests on machines with and without sound).
    void setAudioOutputProbe(std::function<bool()> probe) { m_hasAudioOutput = std::move(probe); }

    QGroupBox *fraAudio, *fraPicture, *fraText;
    QMediaPlayer *mciAttach = nullptr;
    QScrollBar *hsbAudio;
    QLabel *lblStart, *lblLen, *lblCur, *pnlAudio;
    QPushButton *btnPlay, *btnPause, *btnStop;
    FittedPicture *imgAttach;
    QPlainTextEdit *txtAttach, *txtAttachSB;
    QPushButton *btnSave, *btnDone, *btnHelp;

    // The file shown (empty before anything was shown).
    QString fileName() const { return m_fileName; }

signals:
    // A note was written: the displays bring their attachment menus up to date at once.
    void noteSaved();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildAudioFrame();
    void showFrame(QGroupBox *frame);
    void showSound();
    void showPicture();
    void showText();
    void closeSound();
    void setPosition(qint64 ms);
    void onSave();
    void fitToScreen(const QSize &wanted);

    Session &m_session;
    Services &m_services;
    std::function<bool()> m_hasAudioOutput;
    QAudioOutput *m_audioOutput = nullptr;
    QString m_fileName;
    QString m_noteTarget;
    AttachmentKind m_kind = AttachmentKind::Text;
    qint64 m_lengthMs = 0;
    bool m_noteCrlf = false;
    bool m_noteUtf8 = false;
};

} // namespace rollscan
