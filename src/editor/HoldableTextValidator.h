#pragma once

#include <QValidator>

namespace cuefold {

// Refuses, as it is typed or pasted, text holding characters the open
// document's encoding cannot store, so that nothing is ever saved as "?".
class HoldableTextValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;

signals:
    // Names the characters refused, in the language shown.
    void refused(const QString &message) const;
};

} // namespace cuefold
