#include "config/FHelp.h"

#include "config/document_texts.h"
#include "config/language_table.h"
#include "config/resources.h"
#include "config/rtf_reader.h"
#include "config/settings.h"
#include "document/code_page.h"
#include "document/io_error.h"
#include "document/writer.h"
#include "editor/FileDialogs.h"
#include "editor/MessageBox.h"
#include "ui_FHelp.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>
#include <QTextEdit>
#include <QTextFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace cuefold {

namespace {

// RTF lengths are twips; the text layout counts pixels at 96 per inch.
qreal pixels(int twips) { return twips / 15.0; }

Qt::Alignment alignment(RtfAlignment a)
{
    switch (a) {
    case RtfAlignment::Centre: return Qt::AlignHCenter;
    case RtfAlignment::Right: return Qt::AlignRight;
    case RtfAlignment::Justify: return Qt::AlignJustify;
    case RtfAlignment::Left: break;
    }
    return Qt::AlignLeft;
}

void fillDocument(QTextDocument *doc, const RtfDocument &rtf)
{
    doc->clear();
    QTextCursor cursor(doc);
    bool first = true;
    for (const RtfParagraph &p : rtf.paragraphs) {
        QTextBlockFormat block;
        block.setLeftMargin(pixels(p.format.leftIndent));
        block.setTextIndent(pixels(p.format.firstLineIndent));
        block.setTopMargin(pixels(p.format.spaceBefore));
        block.setBottomMargin(pixels(p.format.spaceAfter));
        block.setAlignment(alignment(p.format.alignment));
        // A hanging indent ("\bullet\tab text"): the tab reaches the text's edge.
        if (p.format.firstLineIndent < 0)
            block.setTabPositions({QTextOption::Tab(pixels(-p.format.firstLineIndent), QTextOption::LeftTab)});
        if (first)
            cursor.setBlockFormat(block);
        else
            cursor.insertBlock(block);
        first = false;
        for (const RtfRun &run : p.runs) {
            QTextCharFormat chars;
            chars.setFontWeight(run.format.bold ? QFont::Bold : QFont::Normal);
            chars.setFontItalic(run.format.italic);
            chars.setFontUnderline(run.format.underline);
            chars.setFontPointSize(run.format.halfPoints / 2.0);
            cursor.insertText(run.text, chars);
        }
    }
}

} // namespace

QString HelpSaveName(QString chosen)
{
    // Only the file's own name is completed; a folder named "x.RTF" stays.
    const qsizetype nameStart = chosen.lastIndexOf(QLatin1Char('/')) + 1;
    const qsizetype at = chosen.indexOf(QLatin1String(".RTF"), nameStart);
    if (at >= 0)
        chosen.remove(at, 4);
    if (!chosen.mid(nameStart).contains(QLatin1Char('.')))
        chosen += QLatin1String(".RTF");
    return chosen;
}

// Translations sit beside the original under its name plus the language's
// file suffix (":/RFTHLP.English").
QString HelpResource(TFormHelp::HelpMode mode, const QByteArray &language)
{
    UseProgramResources();
    const QString original = mode == TFormHelp::HelpMode::Manual ? QStringLiteral(":/RFTHLP") : QStringLiteral(":/RFTVER");
    const QString translated = original + QLatin1Char('.') + CodePage::toUnicode(LanguageSuffix(language));
    return QFile::exists(translated) ? translated : original;
}

TFormHelp::TFormHelp(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint
                          | Qt::WindowCloseButtonHint | Qt::WindowTitleHint)
    , mUi(new Ui::FormHelp)
{
    UseProgramResources();
    mUi->setupUi(this);
    mUi->RichEditH->installEventFilter(this);

    RTFPopUpMenu = new QMenu(this);
    RTFPopUpMenu->setObjectName(QStringLiteral("RTFPopUpMenu"));
    RTFSaveAs = RTFPopUpMenu->addAction(QString(), this, &TFormHelp::RTFSaveAsClick);
    RTFSaveAs->setObjectName(QStringLiteral("RTFSaveAs"));
    RTFPopUpMenu->addSeparator();
    RTFSelectAll = RTFPopUpMenu->addAction(QString(), mUi->RichEditH, &QTextEdit::selectAll);
    RTFSelectAll->setObjectName(QStringLiteral("RTFSelectAll"));
    RTFCopy = RTFPopUpMenu->addAction(QString(), mUi->RichEditH, &QTextEdit::copy);
    RTFCopy->setObjectName(QStringLiteral("RTFCopy"));
    connect(mUi->RichEditH, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { RTFPopUpMenu->popup(mUi->RichEditH->viewport()->mapToGlobal(at)); });

    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());
}

TFormHelp::~TFormHelp()
{
    delete mUi;
}

QTextEdit *TFormHelp::richEdit() const
{
    return mUi->RichEditH;
}

void TFormHelp::showManual()
{
    openInMode(HelpMode::Manual);
}

void TFormHelp::showHistory()
{
    openInMode(HelpMode::History);
}

void TFormHelp::openInMode(HelpMode mode)
{
    mMode = mode;
    if (isVisible())
        close();
    show();
    activateWindow();
}

void TFormHelp::retranslate()
{
    RTFSaveAs->setText(Unicode(Texts.MenuSaveAs));
    RTFSelectAll->setText(Unicode(Texts.MenuSelectAll));
    RTFCopy->setText(Unicode(Texts.MenuCopy));
    setWindowTitle(Unicode(StripHotKeys(mMode == HelpMode::Manual ? Texts.MenuHelpMain : Texts.MenuHistory)));
}

void TFormHelp::loadDocument()
{
    QFile resource(HelpResource(mMode, Settings.Language.Preferred));
    mRtf = resource.open(QIODevice::ReadOnly) ? resource.readAll() : QByteArray();
    fillDocument(mUi->RichEditH->document(), ReadRtf(mRtf));
    mUi->RichEditH->moveCursor(QTextCursor::Start);
}

void TFormHelp::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Restoring a minimised window is no new showing.
    if (event->spontaneous())
        return;
    if (!mHelpVisible) {
        mHelpVisible = true;
        emit helpVisibleChanged(true);
    }
    retranslate();
    loadDocument();
}

void TFormHelp::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (mHelpVisible) {
        mHelpVisible = false;
        emit helpVisibleChanged(false);
    }
}

bool TFormHelp::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == mUi->RichEditH && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Escape && !(key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))) {
            close();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TFormHelp::RTFSaveAsClick()
{
    const QString chosen = AskFileName(this, {true, Unicode(Texts.HelpSaveAsDialog), "Rich Text Format (*.RTF)|*.RTF", QString()});
    if (chosen.isEmpty())
        return;
    const QString name = HelpSaveName(chosen);
    if (QFileInfo::exists(name)
        && ShowMessage(this, Unicode(Texts.AreYouSureToOverwrite), Unicode(Texts.Warning), MsgIcon::Question, MsgButtons::YesNo,
                       MsgResult::No)
               != MsgResult::Yes)
        return;
    const int code = WriteSubtitleFile(name, mRtf);
    if (code != NoIOError)
        ShowMessage(this, Unicode(IOErrorText(code, Texts.IOError)), Unicode(Texts.Error), MsgIcon::Stop);
}

} // namespace cuefold
