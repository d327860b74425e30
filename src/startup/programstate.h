#pragma once

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
    // Loading
    Q_PROPERTY(QString WorkPath MEMBER WorkPath)
    Q_PROPERTY(QString DocumentTitle MEMBER DocumentTitle)
    // Photo and movie lists
    Q_PROPERTY(QStringList PhotoList MEMBER PhotoList)
    Q_PROPERTY(QStringList PhotoNumbers MEMBER PhotoNumbers)
    Q_PROPERTY(int PhotoCount MEMBER PhotoCount)
    Q_PROPERTY(int CodePosition MEMBER CodePosition)
    Q_PROPERTY(QStringList MovieList MEMBER MovieList)
    Q_PROPERTY(int MovieCount MEMBER MovieCount)
    // Browser
    Q_PROPERTY(int SelectedYearButton MEMBER SelectedYearButton)
    Q_PROPERTY(int TargetYearButton MEMBER TargetYearButton)
    Q_PROPERTY(QString CurrentEntryCode MEMBER CurrentEntryCode)
    Q_PROPERTY(int CurrentPhotoIndex MEMBER CurrentPhotoIndex)
    Q_PROPERTY(int ShownPhotoIndex MEMBER ShownPhotoIndex)
    Q_PROPERTY(QString CurrentPhotoPath MEMBER CurrentPhotoPath)
    Q_PROPERTY(bool YearClicked MEMBER YearClicked)
    Q_PROPERTY(bool RestorePending MEMBER RestorePending)
    Q_PROPERTY(bool EntryJustOpened MEMBER EntryJustOpened)
    Q_PROPERTY(bool ShowFileNames MEMBER ShowFileNames)
    Q_PROPERTY(bool LastStepForward MEMBER LastStepForward)
    Q_PROPERTY(bool LastStepBack MEMBER LastStepBack)
    Q_PROPERTY(QString LastMouseButton MEMBER LastMouseButton)
    // Slide show
    Q_PROPERTY(int SlideInterval MEMBER SlideInterval)
    Q_PROPERTY(bool SlideNoConfirm MEMBER SlideNoConfirm)
    Q_PROPERTY(bool SlidePlaying MEMBER SlidePlaying)
    Q_PROPERTY(bool MainRefreshPending MEMBER MainRefreshPending)
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

    QString WorkPath;
    QString DocumentTitle;

    QStringList PhotoList;
    QStringList PhotoNumbers;
    int PhotoCount = 0;
    int CodePosition = 0;
    QStringList MovieList;
    int MovieCount = 0;

    int SelectedYearButton = 0;
    int TargetYearButton = 0;
    QString CurrentEntryCode;
    int CurrentPhotoIndex = 0;
    int ShownPhotoIndex = 0;
    QString CurrentPhotoPath;
    bool YearClicked = false;
    bool RestorePending = false;
    bool EntryJustOpened = false;
    bool ShowFileNames = false;
    bool LastStepForward = false;
    bool LastStepBack = false;
    QString LastMouseButton = QStringLiteral(" ");

    int SlideInterval = 5000;
    bool SlideNoConfirm = false;
    bool SlidePlaying = false;
    bool MainRefreshPending = false;

    bool isEnding() const { return m_ending; }
    // Ends the program: the run's event loop is left and every window goes.
    void requestEnd(int exitCode = 0);
    int exitCode() const { return m_exitCode; }

signals:
    void endRequested();

private:
    bool m_ending = false;
    int m_exitCode = 0;
};

} // namespace gallerion
