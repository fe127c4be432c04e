#include "editor/EncodingChoice.h"

#include "config/language_table.h"
#include "document/code_page.h"
#include "document/io_error.h"
#include "document/reader.h"
#include "document/text_codec.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFormLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace cuefold {

namespace {

constexpr qint64 PreviewBytes = 4096;
constexpr int PreviewLines = 8;

} // namespace

EncodingChoice::EncodingChoice(QWidget *parent, bool automatic, const QByteArray &selected, bool preview)
    : QWidget(parent)
    , mCombo(new QComboBox(this))
{
    mCombo->setObjectName(QStringLiteral("ComboEncoding"));
    if (automatic)
        mCombo->addItem(Unicode(Texts.EncodingAutomatic), QByteArray());
    for (const QString &name : OfferedEncodings())
        mCombo->addItem(name, name.toLatin1());
    const int at = selected.isEmpty() ? 0 : mCombo->findData(TextCodec(selected).name());
    mCombo->setCurrentIndex(std::max(at, 0));
    auto *layout = new QFormLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addRow(Unicode(Texts.FileDialogEncoding), mCombo);
    if (preview) {
        mPreview = new QPlainTextEdit(this);
        mPreview->setObjectName(QStringLiteral("PreviewEncoding"));
        mPreview->setReadOnly(true);
        mPreview->setLineWrapMode(QPlainTextEdit::NoWrap);
        mPreview->setFixedHeight(mPreview->fontMetrics().lineSpacing() * (PreviewLines / 2 + 1) + 8);
        layout->addRow(new QLabel(Unicode(Texts.EncodingPreview), this));
        layout->addRow(mPreview);
    }
    connect(mCombo, &QComboBox::currentIndexChanged, this, &EncodingChoice::refresh);
}

QByteArray EncodingChoice::encoding() const
{
    return mCombo->currentData().toByteArray();
}

void EncodingChoice::previewFile(const QString &path)
{
    mHead.clear();
    QFile file(path);
    if (!path.isEmpty() && OpenForReading(file) == NoIOError)
        mHead = file.read(PreviewBytes);
    refresh();
}

QString EncodingChoice::previewText() const
{
    return mPreview ? mPreview->toPlainText() : QString();
}

void EncodingChoice::refresh()
{
    if (!mPreview)
        return;
    TextEncoding chosen = DetectEncoding(mHead, CodePage::name());
    if (!encoding().isEmpty())
        chosen = {encoding(), chosen.Bom && TextCodec(encoding()).isUtf8()};
    const QByteArrayView bytes = QByteArrayView(mHead).sliced(chosen.Bom ? 3 : 0);
    QStringList lines = TextCodec(chosen.Name).toUnicode(bytes).split(QLatin1Char('\n'));
    // The last line of the piece read may be cut anywhere; after a final line
    // end there is nothing.
    if ((mHead.size() == PreviewBytes || lines.constLast().isEmpty()) && lines.size() > 1)
        lines.removeLast();
    lines = lines.mid(0, PreviewLines);
    for (QString &l : lines)
        l.remove(QLatin1Char('\r'));
    mPreview->setPlainText(lines.join(QLatin1Char('\n')));
}

QByteArray AskReloadEncoding(QWidget *parent, const QString &path, const QByteArray &current)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("ReloadEncodingDialog"));
    dialog.setWindowTitle(Unicode(StripHotKeys(Texts.MenuReloadEncoding)));
    auto *choice = new EncodingChoice(&dialog, false, current, true);
    choice->previewFile(path);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(choice);
    layout->addWidget(buttons);
    dialog.resize(520, 300);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    choice->combo()->setFocus();
    return dialog.exec() == QDialog::Accepted ? choice->encoding() : QByteArray();
}

} // namespace cuefold
