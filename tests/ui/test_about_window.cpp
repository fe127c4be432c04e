#include "config/FAbout.h"
#include "config/HelpLinks.h"
#include "config/jpeg_image.h"
#include "config/language_table.h"
#include "config/resources.h"
#include "document/code_page.h"
#include "gui_support.h"

#include <QDesktopServices>
#include <QLocale>
#include <QRegularExpression>
#include <QTimer>

using namespace cuefold;
using namespace cuefold::testing;

namespace {

class AboutWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        LoadDefaultTexts();
        about.retranslate();
    }
    void TearDown() override { LoadDefaultTexts(); }

    // Every label's left edge is half of what its widest line leaves free.
    void expectCentred(const char *name)
    {
        QLabel *label = about.label(name);
        const QFontMetrics metrics(label->font());
        int widest = 0;
        for (const QString &line : label->text().split('\n'))
            widest = std::max(widest, metrics.horizontalAdvance(line));
        EXPECT_EQ(label->x(), (about.width() - widest) / 2) << name;
        EXPECT_GE(label->width(), widest) << name;
    }

    TFormAbout about;
};

} // namespace

TEST_F(AboutWindow, LabelsAreCentredOnTheirWidestLine)
{
    about.show();
    EXPECT_EQ(about.windowTitle(), QStringLiteral("O programu..."));
    EXPECT_EQ(about.label("Label1")->text(), QStringLiteral("O programu Cuefold"));
    const QStringList lines = about.label("Label2")->text().split('\n');
    ASSERT_EQ(lines.size(), 5);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Version: \\d+\\.\\d+")).match(lines[0]).hasMatch()) << lines[0].toStdString();
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("Date: ")));
    EXPECT_TRUE(lines[1].isEmpty() && lines[3].isEmpty());
    EXPECT_TRUE(lines[4].startsWith(QStringLiteral("Copyright ")));
    expectCentred("Label1");
    expectCentred("Label2");

    // A longer translated caption moves the title, still centred.
    const int before = about.label("Label1")->x();
    Texts.MenuAbout = "&About the subtitle editor of frame-based files...";
    about.retranslate();
    EXPECT_EQ(about.label("Label1")->text(), QStringLiteral("About the subtitle editor of frame-based files Cuefold"));
    EXPECT_LT(about.label("Label1")->x(), before);
    expectCentred("Label1");
}

TEST_F(AboutWindow, PicturesAlternateAndKeepTheirPhase)
{
    QLabel *summer = about.label("ImageSummer");
    QLabel *snow = about.label("ImageSnow");
    EXPECT_EQ(summer->pixmap().size(), QSize(800, 600));
    EXPECT_EQ(snow->pixmap().size(), QSize(800, 600));
    EXPECT_EQ(about.timerImages()->interval(), 3500);

    about.show();
    EXPECT_TRUE(about.timerImages()->isActive());
    EXPECT_TRUE(summer->isVisible());
    EXPECT_FALSE(snow->isVisible());
    about.TimerImagesTimer();
    EXPECT_TRUE(snow->isVisible());
    EXPECT_FALSE(summer->isVisible());
    about.hide();
    EXPECT_FALSE(about.timerImages()->isActive());

    // Shown again, it goes on from the snow picture.
    about.show();
    EXPECT_EQ(about.imagePhase(), 1);
    EXPECT_TRUE(snow->isVisible());
    about.TimerImagesTimer();
    EXPECT_TRUE(summer->isVisible());
    EXPECT_FALSE(snow->isVisible());
}

TEST(AboutText, MidnightShowsTheDateAlone)
{
    const QDateTime midnight(QDate(2026, 3, 4), QTime(0, 0));
    const QString date = QLocale::system().toString(midnight.date(), QLocale::ShortFormat);
    EXPECT_EQ(AboutVersionText("1.2", midnight, "X"), "Version: 1.2\n\nDate: " + date + "\n\nCopyright X");
    const QString timed = AboutVersionText("1.2", QDateTime(midnight.date(), QTime(13, 5, 7)), "X");
    EXPECT_TRUE(timed.contains(date + ' ')) << timed.toStdString();
    EXPECT_TRUE(timed.contains(QStringLiteral("05"))) << timed.toStdString();
}

TEST(JpegImage, DecodesOnlyJpegBytes)
{
    UseProgramResources();
    QFile f(QStringLiteral(":/about-summer.jpg"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray jpeg = f.readAll();
    const QImage image = DecodeJpeg(jpeg);
    EXPECT_EQ(image.size(), QSize(800, 600));
    // The summer sky is light at the top and the hills green at the bottom.
    EXPECT_GT(qGray(image.pixel(400, 5)), 200);
    EXPECT_GT(qGreen(image.pixel(5, 595)), qRed(image.pixel(5, 595)));
    for (const QByteArray &bad : {QByteArray(), QByteArray("not a picture"), jpeg.left(2) + QByteArray(64, '\xFF')})
        EXPECT_TRUE(DecodeJpeg(bad).isNull());
}

TEST(HelpLinks, ContributorsBoxAndAddresses)
{
    LoadDefaultTexts();
    std::vector<MessageRequest> shown;
    SetMessageHandler([&](const MessageRequest &r) {
        shown.push_back(r);
        return MsgResult::Ok;
    });
    ShowContributors(nullptr);
    SetMessageHandler({});
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, QStringLiteral("Spolupracovali..."));
    EXPECT_EQ(shown[0].icon, MsgIcon::Information);
    EXPECT_EQ(shown[0].buttons, MsgButtons::Ok);
    EXPECT_TRUE(shown[0].text.endsWith(ProjectPageAddress().toString()));
    EXPECT_EQ(ProjectPageAddress().toLocalFile(), QCoreApplication::applicationDirPath() + QStringLiteral("/README.md"));
}

namespace {

// Takes the pages the program hands to the browser.
class PageCatcher : public QObject {
    Q_OBJECT
public slots:
    void open(const QUrl &url) { opened.push_back(url); }

public:
    std::vector<QUrl> opened;
};

class HelpLinksWindow : public MainWindowFixture {};

} // namespace

// Each web item opens the project's pages; without a browser the status bar
// says so, naming the page.
TEST_F(HelpLinksWindow, WebItemsOpenTheProjectPagesOrSayWhyNot)
{
    start();
    PageCatcher browser;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &browser, "open");
    for (CommandId id : {CommandId::MenuHelpWeb, CommandId::MenuHelpWebMirror, CommandId::MenuHelpWebHome})
        trigger(id);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    EXPECT_EQ(browser.opened, std::vector<QUrl>(3, ProjectPageAddress()));
    EXPECT_EQ(form->context().status.text(StatusPanels::Message), QString());

    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", mDir.path().toLocal8Bit()); // no browser to be found
    trigger(CommandId::MenuHelpWeb);
    qputenv("PATH", path);
    EXPECT_EQ(form->context().status.text(StatusPanels::Message),
              Unicode(Texts.BrowserNotStarted).arg(ProjectPageAddress().toString()));
}

#include "test_about_window.moc"
