#pragma once

#include "editor/CommandTable.h"
#include "operations/bulk_scope.h"

#include <QObject>

namespace cuefold {

struct EditorContext;
struct OperationTexts;
class TFormAnalysis;
class TFormRange;
class RateCommands;
class TimingCommands;
enum class RangeMode;

// The bulk-operations menu: frame commands over many subtitles, the overlap
// review, the range commands, the width analysis and the frame rate.
class BulkCommands : public QObject {
public:
    explicit BulkCommands(EditorContext &ctx);
    MenuTable menuTable();
    // Accept follows every subtitle the panel shows, once the menus are built.
    void attach();
    void retranslate();

    TFormRange *range() const;
    TFormAnalysis *analysis() const;
    TimingCommands *timing() const { return mTiming; }
    RateCommands *rates() const { return mRates; }

    void MenuCommonShiftTitleClick();
    void MenuCommonShiftTitleToClick();
    void MenuCommonEnlargeTitleClick();
    void MenuCommonDepressDelayClick();
    void MenuCommonInsertDelayClick();
    void MenuCommonRemoveLineWrappingsClick();
    void MenuCommonRepairOverlapsClick();
    void MenuCommonAcceptClick();
    void MenuCommonLockAllClick();
    void MenuCommonUnlockAllClick();
    void MenuCommonUnmarkAllClick();
    void MenuCommonAnalyzeWidthsClick();
    void MenuCommonSetFPSClick();

    // The overlap repair with its rule for Accept: on for a noted current
    // subtitle, off when no notes are left. True when a frame changed.
    bool RepairOverlapPairs();
    // Accept (menu item and tool button) on or off, by its rule.
    void setAcceptEnabled(bool enabled);
    // The review's next step, found by FindNextRepair: `next` becomes
    // current; with none, Accept goes off and the unsuccessful search is told.
    void goToRepair(int next);
    // Clears (false) or rebuilds (true) the width analysis.
    void RefreshAnalysis(bool rebuild);

private:
    bool refuseFewLines() const;
    bool confirmScope(BulkScope scope) const;
    void showReport(const QByteArray &text) const;
    // Accept after a repair run.
    void followRepairRun();
    void shiftFrom(const OperationTexts &texts, bool toTarget);
    void showRange(RangeMode mode);
    void runRange();

    EditorContext &mCtx;
    TimingCommands *mTiming; // the two-point and reading-speed windows
    RateCommands *mRates;    // the movie's frame rate against the document's
    bool mAcceptAvailable = false; // Accept's rule: the review stands on a noted subtitle
    int mRepairCheckedStamp = -1; // the document last found needing no repair
};

} // namespace cuefold
