#include "config/FontDialog.h"

#include "config/language_table.h"
#include "document/code_page.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QPixmap>
#include <QPushButton>

namespace cuefold {

namespace {

FontDialogHandler &handler()
{
    static FontDialogHandler h;
    return h;
}

QColor toColor(quint32 bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }
quint32 toBgr(const QColor &c) { return quint32(c.red()) | quint32(c.green()) << 8 | quint32(c.blue()) << 16; }

QIcon swatch(quint32 colour)
{
    QPixmap p(16, 16);
    p.fill(toColor(colour));
    return QIcon(p);
}

// The dialog picks a font's style by its name and takes the family's first
// style when none is called "Normal" or "Bold" ("Book", say, or "Oblique"),
// so the font is named by the plainest style of its weight and slant.
QFont withStyleName(QFont font)
{
    QString best;
    for (const QString &style : QFontDatabase::styles(font.family()))
        if (QFontDatabase::italic(font.family(), style) == font.italic()
            && QFontDatabase::weight(font.family(), style) == font.weight()
            && (best.isEmpty() || style.size() < best.size()))
            best = style;
    if (!best.isEmpty())
        font.setStyleName(best);
    return font;
}

} // namespace

std::optional<FontChoice> AskFont(QWidget *parent, const FontChoice &initial, const FontApply &apply)
{
    if (handler())
        return handler()(initial, apply);
    // Qt's own font dialog has no colour and no Apply: both are added to its
    // button row.
    QFontDialog dialog(withStyleName(initial.font), parent);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    FontChoice choice = initial;
    if (auto *buttons = dialog.findChild<QDialogButtonBox *>()) {
        QPushButton *colour = buttons->addButton(CodePage::toUnicode(Texts.FontDialogColour), QDialogButtonBox::ActionRole);
        colour->setIcon(swatch(choice.colour));
        QObject::connect(colour, &QPushButton::clicked, &dialog, [&] {
            const QColor picked = QColorDialog::getColor(toColor(choice.colour), &dialog);
            if (picked.isValid()) {
                choice.colour = toBgr(picked);
                colour->setIcon(swatch(choice.colour));
            }
        });
        QObject::connect(buttons->addButton(QDialogButtonBox::Apply), &QPushButton::clicked, &dialog, [&] {
            choice.font = dialog.currentFont();
            apply(choice);
        });
    }
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    choice.font = dialog.selectedFont();
    return choice;
}

void SetFontDialogHandler(FontDialogHandler handler_)
{
    handler() = std::move(handler_);
}

} // namespace cuefold
