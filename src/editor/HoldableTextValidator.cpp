#include "editor/HoldableTextValidator.h"

#include "config/language_table.h"
#include "document/code_page.h"
#include "document/text_codec.h"

namespace cuefold {

QValidator::State HoldableTextValidator::validate(QString &input, int &) const
{
    const QString missing = DocumentCodec().unholdable(input);
    if (missing.isEmpty())
        return Acceptable;
    emit refused(Unicode(Texts.EncodingCannotHold).arg(QString::fromLatin1(DocumentCodec().name()), missing));
    return Invalid;
}

} // namespace cuefold
