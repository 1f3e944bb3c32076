// The picture clipper's window: the grid of icons and pictures, and Copy.
#include "clipper/ui/frmImageClip.h"
#include "common/WindowNames.h"
#include "platform/qt/Forms.h"
#include "tests/support/TempDir.h"
#include "tests/support/ToolWindowFixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QListWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace qm::clipper {
namespace {

const std::string kData = QM_CLIPPER_DATA;

struct ImageClipWindow : test::ToolWindowTest
{
    QPointer<frmImageClip> open(const test::TempDir &folder)
    {
        QPointer<frmImageClip> window = windows.openAs<frmImageClip>(common::window::ImageClip);
        EXPECT_TRUE(window);
        if (window)
            window->setPath(QString::fromStdString(folder.str()));
        return window;
    }

    static void clickFile(frmImageClip &window, const QString &name)
    {
        const auto items = window.File1->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        window.File1->setCurrentItem(items[0]);
    }

    static int visibleElements(const frmImageClip &window)
    {
        int visible = 0;
        for (const PictureBox *box : window.picIcon())
            visible += box->isVisibleTo(&window);
        return visible;
    }

    static void writePicture(const test::TempDir &folder, const std::string &name, QRgb colour)
    {
        QImage image(40, 24, QImage::Format_RGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(QString::fromStdString(folder.file(name)), "BMP"));
    }
};

TEST_F(ImageClipWindow, ShowsAtMost36IconsOnThreeRows)
{
    if (!std::filesystem::exists(kData + "/many_i686.dll"))
        GTEST_SKIP() << "no cross binutils";
    const test::TempDir folder;
    std::filesystem::copy_file(kData + "/many_i686.dll", folder.file("many.dll"));
    std::filesystem::copy_file(kData + "/single.ico", folder.file("single.ico"));
    const QPointer<frmImageClip> window = open(folder);
    ASSERT_TRUE(window);
    EXPECT_EQ(window->windowTitle(), "Quillmark Picture Clipper");
    EXPECT_EQ(window->File1->count(), 2);
    EXPECT_EQ(visibleElements(*window), 0);

    clickFile(*window, "many.dll");
    ASSERT_EQ(window->picIcon().size(), 36u);
    EXPECT_EQ(visibleElements(*window), 36);
    EXPECT_EQ(window->heightTwips(), 3615 + 2 * 510);
    const PictureBox *last = window->picIcon()[35];
    EXPECT_EQ(last->objectName(), "picIcon(35)");
    EXPECT_EQ(last->pos(), QPoint(platform::twipsToPixels(90 + 11 * 510, window),
                                  platform::twipsToPixels(2640 + 2 * 510, window)));
    // The 32-bit PNG icon drawn into element 0 is not empty.
    EXPECT_NE(window->picIcon()[0]->image().pixel(5, 5), 0u);

    // An icon file has one icon: the grid shrinks to it.
    clickFile(*window, "single.ico");
    EXPECT_EQ(window->picIcon().size(), 1u);
    EXPECT_EQ(visibleElements(*window), 1);
    EXPECT_EQ(window->heightTwips(), 3615);
}

TEST_F(ImageClipWindow, ABitmapGoesToElementZeroAndLeavesTheOtherIcons)
{
    const test::TempDir folder;
    std::filesystem::copy_file(kData + "/depths.ico", folder.file("depths.ico"));
    std::filesystem::copy_file(kData + "/large.ico", folder.file("large.ico"));
    writePicture(folder, "red.BMP", qRgb(255, 0, 0));
    const QPointer<frmImageClip> window = open(folder);
    ASSERT_TRUE(window);
    clickFile(*window, "large.ico");
    const QImage icon = window->picIcon()[0]->image();
    clickFile(*window, "red.BMP");
    EXPECT_EQ(window->picIcon()[0]->image().pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_NE(window->picIcon()[0]->image(), icon);
    EXPECT_EQ(visibleElements(*window), 1);
}

TEST_F(ImageClipWindow, LoadsThirteenPicturesOnTwoRows)
{
    const test::TempDir folder;
    for (int i = 0; i < 12; ++i)
        writePicture(folder, "p" + std::to_string(10 + i) + ".bmp", qRgb(i * 20, 0, 0));
    std::filesystem::copy_file(kData + "/depths.ico", folder.file("z.ico"));
    std::filesystem::copy_file(kData + "/single.ico", folder.file("notes.dll"));
    const QPointer<frmImageClip> window = open(folder);
    ASSERT_TRUE(window);
    test::click(window, "pbLoadAllPictures");
    ASSERT_EQ(window->picIcon().size(), 13u);
    EXPECT_EQ(visibleElements(*window), 13);
    EXPECT_EQ(window->heightTwips(), 4125);
    EXPECT_EQ(window->picIcon()[12]->pos(), QPoint(platform::twipsToPixels(90, window),
                                                   platform::twipsToPixels(2670 + 510, window)));
    EXPECT_EQ(window->picIcon()[1]->image().pixel(0, 0), qRgb(20, 0, 0));
}

TEST_F(ImageClipWindow, CopyPutsTheClickedElementOnTheClipboard)
{
    const test::TempDir folder;
    std::filesystem::copy_file(kData + "/small.ico", folder.file("small.ico"));
    writePicture(folder, "a.bmp", qRgb(0, 0, 255));
    writePicture(folder, "b.bmp", qRgb(0, 255, 0));
    const QPointer<frmImageClip> window = open(folder);
    ASSERT_TRUE(window);
    const auto cwd = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    test::click(window, "pbLoadAllPictures");
    // Without a click, element 0.
    test::click(window, "pbCopyToClip");
    QImage copied = QGuiApplication::clipboard()->image();
    EXPECT_EQ(copied.size(), QSize(window->picIcon()[0]->width(), window->picIcon()[0]->height()));
    EXPECT_EQ(copied.pixel(0, 0), qRgb(0, 0, 255));
    window->picIcon_Click(1);
    test::click(window, "pbCopyToClip");
    copied = QGuiApplication::clipboard()->image();
    EXPECT_EQ(copied.pixel(0, 0), qRgb(0, 255, 0));
    // The bitmap in between was not left in the current directory.
    EXPECT_FALSE(std::filesystem::exists(folder.file("test.BMP")));
    std::filesystem::current_path(cwd);
}

TEST_F(ImageClipWindow, FilesThatHoldNoPicturesLeaveTheGridEmpty)
{
    const test::TempDir folder;
    // Ten thousand pictures, none of them readable: the first 48 boxes, empty.
    for (int i = 0; i < 10000; ++i)
        std::ofstream(folder.file("p" + std::to_string(i) + ".bmp"));
    folder.write("notes.exe", "Option Explicit\r\n");
    folder.write("empty.dll", "");
    std::ifstream in(kData + "/two_i686.dll", std::ios::binary);
    const std::string pe((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    folder.write("cut.dll", pe.substr(0, pe.size() / 2));
    const QPointer<frmImageClip> window = open(folder);
    ASSERT_TRUE(window);
    test::click(window, "pbLoadAllPictures");
    EXPECT_EQ(window->picIcon().size(), 48u);
    EXPECT_EQ(window->heightTwips(), 3615 + 3 * 510);
    for (const char *name : {"notes.exe", "empty.dll"}) {
        clickFile(*window, name);
        EXPECT_EQ(window->picIcon().size(), 1u) << name;
        EXPECT_EQ(visibleElements(*window), 0) << name;
        EXPECT_EQ(window->heightTwips(), 3615) << name;
    }
    clickFile(*window, "cut.dll");
    EXPECT_LE(window->picIcon().size(), 2u);
}

} // namespace
} // namespace qm::clipper
