#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace gallerion {

class FileSystem;

// What this system makes of one film.
enum class FilmCheck
{
    Plays,
    Missing,
    Undecodable
};

// Opens each film of MovieDir with a hidden multimedia device of its own, so a
// film already loaded elsewhere is left alone. The device is a child of owner
// while it works.
QList<FilmCheck> checkFilms(const FileSystem &files, const QString &movieDir, QWidget *owner);

// The one message that tells the user which films play, and which package adds
// the decoders when a film's video cannot be decoded.
QString filmCheckReport(const QList<FilmCheck> &results);
bool allFilmsPlay(const QList<FilmCheck> &results);

} // namespace gallerion
