#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace cuefold {

// Results of analysing a movie (its sound, its shot changes) kept between
// runs in the user's cache folder ($XDG_CACHE_HOME/cuefold/). An entry is
// named by the movie's absolute path, size and modification time together
// with the kind of result, so a movie that changed is analysed again and
// never shown an old result.
namespace AnalysisCache {

// The entry's file for `kind` ("peaks", "shots"...); empty when the movie
// cannot be found.
QString entryFile(const QString &moviePath, const QByteArray &kind);
// The stored result; nullopt when there is none for the movie as it is now.
std::optional<QByteArray> read(const QString &moviePath, const QByteArray &kind);
// Stores a result whole or not at all; false when it could not be written.
bool write(const QString &moviePath, const QByteArray &kind, const QByteArray &data);

} // namespace AnalysisCache

} // namespace cuefold
