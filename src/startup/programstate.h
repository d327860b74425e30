#pragma once

#include "catalogue/entrymodel.h"

#include <QObject>
#include <QString>
#include <QStringList>

namespace gallerion {

// The program-wide variables of one run. Every variable is a property of the
// same name so that tests and tools can watch the program from outside.
// Lists are 1-based in the program's arithmetic: element i is list[i - 1].
class ProgramState : public QObject
{
    Q_OBJECT
    // Content roots and start-up
    Q_PROPERTY(QString DiscRoot MEMBER DiscRoot)
    Q_PROPERTY(QString PhotoRoot MEMBER PhotoRoot)
    Q_PROPERTY(QString ProgramDir MEMBER ProgramDir)
    Q_PROPERTY(QString SoundFilePath MEMBER SoundFilePath)
    Q_PROPERTY(bool FirstClickPending MEMBER FirstClickPending)
    Q_PROPERTY(bool LocalContentMode MEMBER LocalContentMode)
    // Errors
    Q_PROPERTY(QString ErrorCode MEMBER ErrorCode)
    Q_PROPERTY(QString ErrorText MEMBER ErrorText)
    Q_PROPERTY(QString ErrorAnswer MEMBER ErrorAnswer)
    // Photo and movie lists
    Q_PROPERTY(QStringList PhotoList READ photoList NOTIFY photoListChanged)
    Q_PROPERTY(QStringList PhotoNumbers READ photoNumbers NOTIFY photoListChanged)
    Q_PROPERTY(int PhotoCount READ photoCount NOTIFY photoListChanged)
    Q_PROPERTY(int CodePosition READ codePosition NOTIFY photoListChanged)
    Q_PROPERTY(QStringList MovieList MEMBER MovieList)
    Q_PROPERTY(int MovieCount MEMBER MovieCount)
    // Where the movie window reads the films: the hard-disk copy or the disc.
    Q_PROPERTY(QString MovieDir MEMBER MovieDir)
    // Browser
    Q_PROPERTY(int SelectedYearButton MEMBER SelectedYearButton)
    Q_PROPERTY(int TargetYearButton MEMBER TargetYearButton)
    // The open entry and its photo cursor live in the entry model.
    Q_PROPERTY(QString CurrentEntryCode READ currentEntryCode WRITE setCurrentEntryCode NOTIFY
                   entryCodeChanged)
    Q_PROPERTY(int CurrentPhotoIndex READ currentPhotoIndex NOTIFY photoChanged)
    Q_PROPERTY(int ShownPhotoIndex READ shownPhotoIndex NOTIFY photoChanged)
    Q_PROPERTY(QString CurrentPhotoPath READ currentPhotoPath NOTIFY photoChanged)
    Q_PROPERTY(bool YearClicked MEMBER YearClicked)
    Q_PROPERTY(bool RestorePending MEMBER RestorePending)
    Q_PROPERTY(bool EntryJustOpened READ entryJustOpened NOTIFY photoChanged)
    Q_PROPERTY(bool ShowFileNames MEMBER ShowFileNames)
    Q_PROPERTY(bool LastStepForward READ lastStepForward NOTIFY photoChanged)
    Q_PROPERTY(bool LastStepBack READ lastStepBack NOTIFY photoChanged)
    Q_PROPERTY(QString LastMouseButton MEMBER LastMouseButton)
    // Slide show
    Q_PROPERTY(int SlideInterval MEMBER SlideInterval)
    Q_PROPERTY(bool SlideNoConfirm MEMBER SlideNoConfirm)
    Q_PROPERTY(bool SlidePlaying MEMBER SlidePlaying)
    // The slide show's name for RestorePending: the main window refreshes its
    // buttons when it next loses the focus.
    Q_PROPERTY(bool MainRefreshPending MEMBER RestorePending)
    // Hard-disk copies: photos (true) or movies, bytes still expected, a declined copy
    Q_PROPERTY(bool CopyMode MEMBER CopyMode)
    Q_PROPERTY(qint64 CopyRemaining MEMBER CopyRemaining)
    Q_PROPERTY(bool CopyAbort MEMBER CopyAbort)
    // Set once the program has been told to end; every operation stops then.
    Q_PROPERTY(bool Ending READ isEnding NOTIFY endRequested)

public:
    explicit ProgramState(QObject *parent = nullptr);

    QString DiscRoot;
    QString PhotoRoot;
    QString ProgramDir;
    QString SoundFilePath;
    bool FirstClickPending = false;
    bool LocalContentMode = false;

    QString ErrorCode;
    QString ErrorText;
    QString ErrorAnswer;

    QStringList MovieList;
    int MovieCount = 0;
    QString MovieDir;

    int SelectedYearButton = 0;
    int TargetYearButton = 0;
    bool YearClicked = false;
    bool RestorePending = false;
    bool ShowFileNames = false;
    QString LastMouseButton = QStringLiteral(" ");

    int SlideInterval = 5000;
    bool SlideNoConfirm = false;
    bool SlidePlaying = false;

    bool CopyMode = true;
    qint64 CopyRemaining = 0;
    bool CopyAbort = false;

    EntryModel &entries() { return *m_entries; }
    const EntryModel &entries() const { return *m_entries; }

    QStringList photoList() const;
    QStringList photoNumbers() const;
    int photoCount() const;
    int codePosition() const;
    QString currentEntryCode() const;
    void setCurrentEntryCode(const QString &code);
    int currentPhotoIndex() const;
    int shownPhotoIndex() const;
    QString currentPhotoPath() const;
    bool entryJustOpened() const;
    bool lastStepForward() const;
    bool lastStepBack() const;

    // A feature's widget-free model owns its variables; they stay readable here under the
    // same names (a dynamic property each, kept current through the model's NOTIFY signals).
    // Writes go through the model's operations.
    void forwardProperties(QObject *model);

    // A message or a window is done with: the main window is usable again and
    // the year after the selected one has the keyboard.
    void returnToMainWindow();

    bool isEnding() const { return m_ending; }
    // Ends the program: the run's event loop is left and every window goes.
    void requestEnd(int exitCode = 0);
    int exitCode() const { return m_exitCode; }

signals:
    void endRequested();
    void photoListChanged();
    void entryCodeChanged();
    void photoChanged();
    void returnedToMainWindow();

private slots:
    void refreshForwarded();

private:
    void copyProperty(const QObject *model, const QMetaProperty &property);

    EntryModel *m_entries;
    bool m_ending = false;
    int m_exitCode = 0;
};

} // namespace gallerion
