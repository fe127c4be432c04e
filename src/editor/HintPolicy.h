#pragma once

#include <QObject>
#include <QString>

namespace cuefold {

// A language text as labels and tooltips show it: its carriage returns
// become line breaks.
QString DisplayLineBreaks(QString hint);

// Application-wide tooltip policy: hints can be switched off, and when on
// they stay up long enough to read the multi-line ones.
class HintPolicy : public QObject {
public:
    static void install();
    static void setEnabled(bool enabled);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool mEnabled = true;
};

} // namespace cuefold
