#pragma once

namespace cuefold {

// Every command of the menus, by the stable name of its menu item. The
// enumeration and the item names both come from this one list, so a command
// is always reached by a typed id and never looked up by a string.
#define CUEFOLD_COMMANDS(X)                                                                                  \
    X(MenuFileNew) X(MenuFileOpen) X(MenuFileReloadEncoding) X(MenuFileSave) X(MenuFileSaveHidden) X(MenuFileSaveAs)                   \
    X(MenuFileExportTo) X(MenuFileProperties) X(MenuFileOptions) X(MenuFileExit)                             \
    X(MenuEditUndo) X(MenuEditCut) X(MenuEditCopy) X(MenuEditPaste) X(MenuEditSelectAll)                     \
    X(MenuEditUndoCommand) X(MenuEditRedoCommand) X(MenuEditUndoWholeLine)                                   \
    X(MenuFind) X(MenuFindHidden) X(MenuFindNext) X(MenuShowTable)                                           \
    X(MenuTitleGoToLine) X(MenuTitleFrameStart) X(MenuTitleFrameLast) X(MenuTitleTextEdit)                   \
    X(MenuTitleLineLock) X(MenuTitleLineMark) X(MenuTitleBreakLineLeft) X(MenuTitleBreakLineRight)           \
    X(MenuTitleSecondBreakLineLeft) X(MenuTitleSecondBreakLineRight) X(MenuTitleBreakLineRemove)             \
    X(MenuTitleDirectSpeech) X(MenuTitleDirectSpeechRemove) X(MenuTitleInsertEmptyLine)                      \
    X(MenuTitleAddEmptyLine) X(MenuTitleSplit2Line) X(MenuTitleSplit1Line) X(MenuTitleJoinLines)             \
    X(MenuTitleDeleteLine)                                                                                   \
    X(MenuCommonShiftTitle) X(MenuCommonShiftTitleTo) X(MenuCommonEnlargeTitle) X(MenuCommonDepressDelay)    \
    X(MenuCommonInsertDelay) X(MenuCommonRemoveLineWrappings) X(MenuCommonRepairOverlaps)                    \
    X(MenuCommonAccept) X(MenuCommonLockAll) X(MenuCommonUnlockAll) X(MenuCommonUnmarkAll)                   \
    X(MenuCommonAnalyzeWidths) X(MenuCommonSetFPS) X(MenuCommonRecalculateSubtitle) X(MenuCommonTestSpeed)   \
    X(MenuCommonRecalcPerSpeed) X(MenuCommonConvertFPS)                                                      \
    X(MenuPlayerShow) X(MenuPlayerClose) X(MenuZoom050procent) X(MenuZoom100procent) X(MenuZoom200procent)   \
    X(MenuPlayerSync) X(MenuPlayerPlayPause) X(MenuPlayerPlay) X(MenuPlayerPause) X(MenuPlayerStop)          \
    X(MenuPlayerStepBack) X(MenuPlayerStepForward) X(MenuPlayerStep1Back) X(MenuPlayerStep1Forward)          \
    X(MenuPlayerLocateSubtitle) X(MenuPlayerSeekPlayer) X(MenuPlayerSeekPlayerToLast) X(MenuPlayerCopyFrame) \
    X(MenuPlayerCaptureFrame) X(MenuPlayerAutomate) X(MenuPlayerOpenMovie) X(MenuPlayerImportShots)          \
    X(MenuPlayerExportShots) X(MenuPlayerWaveform) X(MenuPlayerCancelAnalysis)                               \
    X(MenuGirderInUse) X(MenuGirderBreakLineLeft) X(MenuGirderBreakLineRight)                                \
    X(MenuGirderCurrentLineIndexDec) X(MenuGirderCurrentLineIndexInc)                                        \
    X(MenuHelpMain) X(MenuHelpHistory) X(MenuHelpWeb) X(MenuHelpWebMirror) X(MenuHelpWebHome)                \
    X(MenuHelpPartners) X(MenuHelpAbout)

enum class CommandId {
#define CUEFOLD_COMMAND_ID(name) name,
    CUEFOLD_COMMANDS(CUEFOLD_COMMAND_ID)
#undef CUEFOLD_COMMAND_ID
    Count
};

constexpr int CommandCount = static_cast<int>(CommandId::Count);

// The menu item's object name of a command ("MenuFileSave").
const char *CommandName(CommandId id);

} // namespace cuefold
