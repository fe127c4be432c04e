#pragma once

#include "editor/FirstUse.h"
#include "operations/frame_rate.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <optional>

namespace cuefold {

struct EditorContext;
struct RateConversionRequest;
class TFormConvertFPS;

// The movie's own frame rate against the document's: the conversion command,
// the question a differing rate raises and the preset of the rate question.
class RateCommands : public QObject {
public:
    explicit RateCommands(EditorContext &ctx);

    void MenuCommonConvertFPSClick();
    // The rate of the movie in the player; nullopt without one.
    std::optional<FrameRate> movieRate();
    // What the rate question offers first: the movie's rate when a movie is
    // loaded, else `fallback`.
    QByteArray presetRate(const QByteArray &fallback);
    // When the loaded movie's rate differs from the document's, asks once per
    // document whether to convert the frames, relabel the rate or leave it.
    void checkMovieRate();
    // A new document: it has not been asked yet.
    void forgetDocument() { mAsked = false; }
    void retranslate();

private:
    void convert(const RateConversionRequest &request);

    EditorContext &mCtx;
    FirstUse<TFormConvertFPS> mForm;
    bool mAsked = false;
    // The last movie read, so that each question does not read it again.
    QString mMoviePath;
    QDateTime mMovieTime;
    std::optional<FrameRate> mMovieRate;
};

} // namespace cuefold
