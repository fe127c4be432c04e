#include "operations/RateCommands.h"

#include "config/language_table.h"
#include "document/code_page.h"
#include "document/frame_text.h"
#include "editor/CommandFlow.h"
#include "editor/CurrentSubtitlePanel.h"
#include "editor/EditorContext.h"
#include "editor/MessageBox.h"
#include "operations/FConvertFPS.h"
#include "player/PlayerController.h"
#include "player/movie_rate.h"

#include <QFileInfo>

namespace cuefold {

RateCommands::RateCommands(EditorContext &ctx)
    : mCtx(ctx)
    , mForm([this] {
        auto *form = new TFormConvertFPS(mCtx.window);
        form->retranslate();
        return form;
    })
{
}

void RateCommands::retranslate()
{
    if (TFormConvertFPS *form = mForm.ifBuilt())
        form->retranslate();
}

std::optional<FrameRate> RateCommands::movieRate()
{
    if (!mCtx.player->state().MovieLoaded)
        return std::nullopt;
    const QString path = mCtx.doc().MovieFileName;
    const QDateTime time = QFileInfo(path).lastModified();
    if (path != mMoviePath || time != mMovieTime) {
        mMoviePath = path;
        mMovieTime = time;
        mMovieRate = ReadMovieFrameRate(path);
    }
    return mMovieRate;
}

QByteArray RateCommands::presetRate(const QByteArray &fallback)
{
    const auto movie = movieRate();
    return movie ? RateText(*movie) : fallback;
}

void RateCommands::checkMovieRate()
{
    const auto document = RateFromFps(mCtx.doc().FPS);
    const auto movie = movieRate();
    if (mAsked || !document || !movie || *document == *movie)
        return;
    mAsked = true;
    const QString text = Unicode(Texts.FpsMismatch)
                             .replace(QLatin1String("%1"), Unicode(FpsText(mCtx.doc().FPS)))
                             .replace(QLatin1String("%2"), Unicode(RateText(*movie)));
    switch (ShowMessage(mCtx.window, text, Unicode(Texts.Warning), MsgIcon::Question, MsgButtons::YesNoCancel,
                        MsgResult::Cancel)) {
    case MsgResult::Yes: {
        const DocumentModel::Edit edit(mCtx.model, StepName(Texts.MenuConvertFPS));
        convert({*document, *movie, false});
        break;
    }
    case MsgResult::No: {
        const DocumentModel::Edit edit(mCtx.model, StepName(Texts.MenuSetFPS));
        RunCommand(mCtx, {.change = [&] {
                              mCtx.model.changeLines([&](Document &d) { SetFrameRate(d, RateText(*movie).toDouble()); });
                              return CommandChange{.modified = ModifiedRule::Check};
                          }});
        break;
    }
    default: break;
    }
}

void RateCommands::MenuCommonConvertFPSClick()
{
    mCtx.panel.CommitEdits();
    const double fps = mCtx.doc().FPS;
    std::optional<QByteArray> refused;
    const auto request = mForm->ask(IsValidFPS(fps) ? FpsText(fps) : QByteArray(), presetRate({}), refused);
    if (request)
        convert(*request);
    else if (refused)
        ShowMessage(mCtx.window, Unicode(Texts.ConvertFPSInvalid).replace(QLatin1String("%1"), Unicode(*refused)),
                    QString(), MsgIcon::Exclamation);
}

void RateCommands::convert(const RateConversionRequest &request)
{
    RunCommand(mCtx, {.change = [&] {
                          mCtx.model.changeLines([&](Document &d) {
                              ApplyPreview(d, RateConversionPreview(d, request.from, request.to, request.spareLocked));
                              SetFrameRate(d, RateText(request.to).toDouble());
                          });
                          return CommandChange{.modified = ModifiedRule::Check};
                      }});
}

} // namespace cuefold
