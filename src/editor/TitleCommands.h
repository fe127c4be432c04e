#pragma once

#include "editor/CommandTable.h"

#include <QObject>

namespace cuefold {

class Document;
struct EditorContext;
struct ListEdit;
enum class SplitMode;

// The Subtitle menu: focus, lock and mark, row breaks, dialogue dashes and
// the list operations around the current subtitle.
class TitleCommands : public QObject {
public:
    explicit TitleCommands(EditorContext &ctx);
    MenuTable menuTable();

    void MenuTitleBreakLineLeftClick();
    void MenuTitleBreakLineRightClick();
    void MenuTitleSecondBreakLineLeftClick();
    void MenuTitleSecondBreakLineRightClick();
    void MenuTitleBreakLineRemoveClick();
    void MenuTitleDirectSpeechClick();
    void MenuTitleDirectSpeechRemoveClick();
    // Insert and add report whether a subtitle was made.
    bool MenuTitleInsertEmptyLineClick();
    bool MenuTitleAddEmptyLineClick();
    void MenuTitleSplit2LineClick();
    void MenuTitleSplit1LineClick();
    void MenuTitleJoinLinesClick();
    void MenuTitleDeleteLineClick();

private:
    void transformText(QByteArray (*transform)(const QByteArray &), bool clearsMessage);
    bool refuseWhenFull();
    bool runListEdit(bool clearsMessage, const std::function<bool()> &guard, const std::function<ListEdit(Document &)> &edit);
    void splitCurrent(SplitMode mode);

    EditorContext &mCtx;
};

} // namespace cuefold
