#pragma once

#include <QLatin1String>
#include <QString>

#include <array>

namespace gallerion {

class FileSystem;

// One of the six films: its option caption, its file in MovieDir and the movie
// window's caption while it is loaded.
struct Film
{
    QLatin1String option;
    QLatin1String file;
    QLatin1String caption;
};

inline constexpr int FilmCount = 6;

const std::array<Film, FilmCount> &filmTable();

// MovieDir: the hard-disk copy under the program directory once it holds at
// least one film, otherwise the disc's movie directory. Ends in a backslash.
QString chooseMovieDir(const FileSystem &files, const QString &programDir, const QString &discRoot);

} // namespace gallerion
