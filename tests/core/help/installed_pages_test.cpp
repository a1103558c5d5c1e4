// The help pages of the installation: every link leads to a page that
// exists, every page can be reached from the index, every picture exists
// and every page lays out without an error.
#include "help/help_page_file.h"
#include "help/lumo_help.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <deque>
#include <gtest/gtest.h>

namespace lumora {
namespace {

const QString kHelpFolder = QStringLiteral(LUMORA_BIN_DIR "/../share/lumora/help/english/");

QString Page(const QString& name)
{
    return QDir(kHelpFolder).absoluteFilePath(name);
}

// Every page reached from the index through links, by file name.
QSet<QString> PagesReachedFromIndex(QStringList& brokenLinks)
{
    QSet<QString> reached;
    std::deque<QString> waiting{QStringLiteral("index.l2h")};
    TLumoHelp help(520, 400);
    help.Look = HelpWindowLook();
    while (!waiting.empty()) {
        const QString name = waiting.front();
        waiting.pop_front();
        if (reached.contains(name))
            continue;
        reached.insert(name);
        help.LoadPage(Page(name), true);
        for (const HelpLinkArea& link : help.Links()) {
            if (!QFileInfo(Page(link.Target)).isFile())
                brokenLinks << name + " -> " + link.Target;
            else
                waiting.push_back(link.Target);
        }
    }
    return reached;
}

TEST(InstalledHelpPages, EveryLinkFromTheIndexLeadsToAPageThatExists)
{
    ASSERT_TRUE(QFileInfo(Page("index.l2h")).isFile()) << kHelpFolder.toStdString();
    QStringList broken;
    const QSet<QString> reached = PagesReachedFromIndex(broken);
    EXPECT_EQ(broken, QStringList());
    EXPECT_GE(reached.size(), 8);
}

TEST(InstalledHelpPages, TheIndexReachesEveryPage)
{
    QStringList broken;
    const QSet<QString> reached = PagesReachedFromIndex(broken);
    const QStringList pages = QDir(kHelpFolder).entryList({"*.l2h"}, QDir::Files);
    for (const QString& page : pages)
        EXPECT_TRUE(reached.contains(page)) << page.toStdString() << " is not linked";
}

TEST(InstalledHelpPages, ThePagesTheWindowsNameExist)
{
    for (const char* name :
         {"index.l2h", "getting_started.l2h", "contact.l2h", "about_help.l2h", "credits.l2h",
          "render_settings_dialog.l2h", "new_project.l2h", "depth_map.l2h"})
        EXPECT_TRUE(QFileInfo(Page(name)).isFile()) << name;
}

TEST(InstalledHelpPages, EveryPageHasATitleAndLaysOutWithoutAnError)
{
    const QStringList pages = QDir(kHelpFolder).entryList({"*.l2h"}, QDir::Files);
    ASSERT_FALSE(pages.isEmpty());
    TLumoHelp help(300, 400);
    help.Look = HelpWindowLook();
    for (const QString& page : pages) {
        SCOPED_TRACE(page.toStdString());
        EXPECT_NO_THROW(help.LoadPage(Page(page), false));
        ASSERT_TRUE(help.PageFound());
        EXPECT_FALSE(help.Lines().value(0).isEmpty());
        EXPECT_GT(help.Height(), HelpWindowLook().TitleHeight);
        EXPECT_LT(help.Height(), TLumoHelp::kMaxPageHeight);
    }
}

TEST(InstalledHelpPages, EveryPictureExistsAsABitmap)
{
    const QRegularExpression pictureTag(QStringLiteral("<I>([^|<]*)\\|(\\d+)\\|(\\d+)</I>"));
    const QRegularExpression anyPictureTag(QStringLiteral("<I>"));
    int pictures = 0;
    for (const QString& page : QDir(kHelpFolder).entryList({"*.l2h"}, QDir::Files)) {
        const std::optional<QStringList> lines = ReadHelpPageLines(Page(page));
        ASSERT_TRUE(lines.has_value());
        for (const QString& line : *lines) {
            EXPECT_EQ(line.count(anyPictureTag), line.count(pictureTag))
                << page.toStdString() << ": " << line.toStdString();
            auto found = pictureTag.globalMatch(line);
            while (found.hasNext()) {
                const QString file = found.next().captured(1);
                ++pictures;
                EXPECT_TRUE(file.endsWith(".bmp"));
                EXPECT_TRUE(QFileInfo(kHelpFolder + "images/" + file).isFile())
                    << page.toStdString() << ": " << file.toStdString();
            }
        }
    }
    EXPECT_GE(pictures, 3);
}

} // namespace
} // namespace lumora
