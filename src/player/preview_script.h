#pragma once

#include <QByteArray>
#include <QString>

namespace cuefold {

class Document;

// The subtitles as the player is given them: an ASS script in UTF-8 whose
// times we set ourselves, so that every subtitle is drawn on exactly the
// frames From..Last of a movie running at `fps`, rounded to whole frames as
// the editor shows them. A subtitle starts at From / fps and ends at
// (Last + 1) / fps; both are taken a little early and cut to the script's
// hundredths, so that the first frame is never missed and the frame after
// Last never shows it, whatever rounding the container's time stamps have.
// "|" becomes a row break, the bold, italic, underline and strike-out codes
// become the script's own, other control codes are left out, any other
// brace stays text, and lock marks are not text. The frame-rate line, empty
// texts and subtitles without a known span are left out.
QByteArray PreviewScript(const Document &doc, double fps);

// The script's time of an instant: "h:mm:ss.cc", cut (not rounded) to the
// hundredth; a negative or undefined instant is 0, one after 999:59:59.99
// is that.
QByteArray ScriptTime(double seconds);

// Reads the subtitle file at `sourcePath` as the editor reads it and writes
// its PreviewScript to `copyPath`. Returns an I/O error code (0 on success).
int WritePreviewCopy(const QString &sourcePath, const QString &copyPath, double fps);

} // namespace cuefold
