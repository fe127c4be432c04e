#include "config/FAbout.h"

#include "config/compile_date_time.h"
#include "config/jpeg_image.h"
#include "config/language_table.h"
#include "config/resources.h"
#include "document/code_page.h"
#include "ui_FAbout.h"

#include <QFile>
#include <QLocale>
#include <QScreen>
#include <QTimer>
#include <algorithm>

namespace cuefold {

namespace {

constexpr int ImageIntervalMs = 3500;
const QString ProgramTitle = QStringLiteral("Cuefold");
const QString Copyright = QStringLiteral("\u00A9 2026 the Cuefold developers");

QPixmap picture(const char *resource)
{
    QFile f(QString::fromLatin1(resource));
    return QPixmap::fromImage(DecodeJpeg(f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray()));
}

QString dateText(const QDateTime &built)
{
    const QLocale locale = QLocale::system();
    QString text = locale.toString(built.date(), QLocale::ShortFormat);
    if (built.time() != QTime(0, 0)) {
        // The long time without the zone name Qt's format adds.
        const QString format = locale.timeFormat(QLocale::LongFormat).remove(QLatin1Char('t')).trimmed();
        text += QLatin1Char(' ') + locale.toString(built.time(), format);
    }
    return text;
}

// x := (window width - widest line) / 2, truncated toward zero.
void centre(QLabel *label, int windowWidth)
{
    const QFontMetrics metrics(label->font());
    int widest = 0;
    for (const QString &line : label->text().split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const QSize hint = label->sizeHint();
    label->setGeometry((windowWidth - widest) / 2, label->y(), std::max(widest, hint.width()), hint.height());
}

} // namespace

QString AboutVersionText(const QString &version, const QDateTime &built, const QString &copyright)
{
    return QStringLiteral("Version: ") + version + QStringLiteral("\n\nDate: ") + dateText(built)
           + QStringLiteral("\n\nCopyright ") + copyright;
}

TFormAbout::TFormAbout(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
    , mUi(new Ui::FormAbout)
    , TimerImages(new QTimer(this))
{
    UseProgramResources();
    mUi->setupUi(this);
    setFixedSize(800, 600);
    mUi->ImageSummer->setPixmap(picture(":/about-summer.jpg"));
    mUi->ImageSnow->setPixmap(picture(":/about-snow.jpg"));
    QFont title = mUi->Label1->font();
    title.setPixelSize(16);
    title.setBold(true);
    mUi->Label1->setFont(title);
    QFont block = mUi->Label2->font();
    block.setPixelSize(13);
    mUi->Label2->setFont(block);

    TimerImages->setObjectName(QStringLiteral("TimerImages"));
    TimerImages->setInterval(ImageIntervalMs);
    connect(TimerImages, &QTimer::timeout, this, &TFormAbout::TimerImagesTimer);
    connect(mUi->ButtonClose, &QPushButton::clicked, this, &QDialog::accept);
    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());
}

TFormAbout::~TFormAbout()
{
    delete mUi;
}

QLabel *TFormAbout::label(const char *name) const
{
    return findChild<QLabel *>(QString::fromLatin1(name));
}

void TFormAbout::retranslate()
{
    setWindowTitle(CodePage::toUnicode(StripHotKeys(Texts.MenuAbout)));
    mUi->ButtonClose->setText(CodePage::toUnicode(Texts.ButtonClose));
    layOutLabels();
}

void TFormAbout::layOutLabels()
{
    mUi->Label1->setText(windowTitle().remove(QLatin1Char('.')) + QLatin1Char(' ') + ProgramTitle);
    mUi->Label2->setText(AboutVersionText(QStringLiteral(CUEFOLD_VERSION), CompileDateTime(), Copyright));
    centre(mUi->Label1, width());
    centre(mUi->Label2, width());
}

void TFormAbout::TimerImagesTimer()
{
    mImagePhase = 1 - mImagePhase;
    mUi->ImageSnow->setVisible(mImagePhase == 1);
    mUi->ImageSummer->setVisible(mImagePhase == 0);
}

void TFormAbout::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    layOutLabels();
    TimerImages->start();
}

void TFormAbout::hideEvent(QHideEvent *event)
{
    TimerImages->stop();
    QDialog::hideEvent(event);
}

} // namespace cuefold
