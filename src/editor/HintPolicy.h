#pragma once

#include <QObject>

namespace cuefold {

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
