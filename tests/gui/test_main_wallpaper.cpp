// The tiled wallpaper: which file is chosen, when it is loaded, and the JPEG
// decoder that must survive damaged files.

#include "test_main_fixture.h"

#include "main/WallPaper.h"

#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QMdiArea>

#include <cstdlib>

namespace {

enum class Picture { None, Valid, Damaged };

const QColor kJpegColour(220, 30, 30);
const QColor kBitmapColour(30, 30, 220);

void WritePicture(const std::string &name, Picture picture, const QColor &colour, const char *format)
{
    if (picture == Picture::Damaged) {
        WriteAll(name, "\xFF\xD8\xFF\xE0 no JPEG after all");
    } else if (picture == Picture::Valid) {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(colour);
        ASSERT_TRUE(image.save(QString::fromStdString(name), format));
    }
}

// JPEG is lossy: a flat colour comes back close, not exact.
bool Near(const QColor &a, const QColor &b)
{
    return std::abs(a.red() - b.red()) < 12 && std::abs(a.green() - b.green()) < 12 && std::abs(a.blue() - b.blue()) < 12;
}

struct WallPaperCase {
    Picture jpeg;
    Picture bitmap;
    Picture expectedFrom; // Valid: the JPEG, Damaged: the bitmap, None: no picture
};

class WallPaperChoice : public MainWindowTest, public ::testing::WithParamInterface<WallPaperCase> {};

} // namespace

TEST_P(WallPaperChoice, TakesTheJpegFirstAndTheBitmapOtherwise)
{
    WriteSettings(TestSettings());
    WritePicture(Path(kWallPaperJpegName), GetParam().jpeg, kJpegColour, "JPG");
    WritePicture(Path(kWallPaperBitmapName), GetParam().bitmap, kBitmapColour, "BMP");
    StartWindow();
    EXPECT_TRUE(window->WallPaper().isNull()); // nothing before the first activation

    window->FormActivate();

    const QImage &picture = window->WallPaper();
    switch (GetParam().expectedFrom) {
    case Picture::None:
        EXPECT_TRUE(picture.isNull());
        EXPECT_EQ(ClientArea()->background().style(), Qt::SolidPattern);
        break;
    case Picture::Valid:
        ASSERT_FALSE(picture.isNull());
        EXPECT_PRED2(Near, picture.pixelColor(20, 15), kJpegColour);
        break;
    case Picture::Damaged:
        ASSERT_FALSE(picture.isNull());
        EXPECT_EQ(picture.pixelColor(20, 15), kBitmapColour);
        break;
    }
    if (!picture.isNull()) {
        EXPECT_EQ(picture.size(), QSize(40, 30));
        EXPECT_EQ(ClientArea()->background().style(), Qt::TexturePattern);
        EXPECT_EQ(ClientArea()->background().texture().size(), QSize(40, 30));
    }
    EXPECT_TRUE(desktop.Boxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Files, WallPaperChoice,
                         ::testing::Values(WallPaperCase{Picture::Valid, Picture::Valid, Picture::Valid},
                                           WallPaperCase{Picture::Valid, Picture::None, Picture::Valid},
                                           WallPaperCase{Picture::None, Picture::Valid, Picture::Damaged},
                                           WallPaperCase{Picture::Damaged, Picture::Valid, Picture::Damaged},
                                           WallPaperCase{Picture::Damaged, Picture::None, Picture::None},
                                           WallPaperCase{Picture::None, Picture::None, Picture::None}));

TEST_F(MainWindowTest, LoadsTheWallPaperOnlyOnce)
{
    WriteSettings(TestSettings());
    WritePicture(Path(kWallPaperJpegName), Picture::Valid, kJpegColour, "JPG");
    StartWindow();
    window->FormActivate();

    WritePicture(Path(kWallPaperJpegName), Picture::Valid, Qt::green, "JPG");
    window->FormActivate();

    EXPECT_PRED2(Near, window->WallPaper().pixelColor(5, 5), kJpegColour);
}

TEST_F(MainWindowTest, FindsAWallPaperThatAppearsLater)
{
    WriteSettings(TestSettings());
    StartWindow();
    window->FormActivate();
    ASSERT_TRUE(window->WallPaper().isNull());

    WritePicture(Path(kWallPaperBitmapName), Picture::Valid, kBitmapColour, "BMP");
    window->FormActivate();

    EXPECT_EQ(window->WallPaper().pixelColor(5, 5), kBitmapColour);
}

TEST_F(MainWindowTest, EveryActivationMaximisesTheFrame)
{
    WriteSettings(TestSettings());
    ShowWindow();
    EXPECT_TRUE(window->isMaximized());

    window->showNormal();
    ASSERT_FALSE(window->isMaximized());
    QEvent activation(QEvent::WindowActivate);
    QCoreApplication::sendEvent(window.get(), &activation);

    EXPECT_TRUE(window->isMaximized());

    // The activation may arrive before the frame's minimised state is lifted.
    window->showMinimized();
    ASSERT_TRUE(window->isMinimized());
    QCoreApplication::sendEvent(window.get(), &activation);

    EXPECT_FALSE(window->isMinimized());
    EXPECT_TRUE(window->isMaximized());
}

class DecodeJpeg : public ::testing::Test {
protected:
    TempDir dir;
};

TEST_F(DecodeJpeg, DecodesColourAndGreyPictures)
{
    QImage colour(17, 9, QImage::Format_RGB32);
    colour.fill(kJpegColour);
    ASSERT_TRUE(colour.save(QString::fromStdString(dir.file("colour.jpg")), "JPG"));
    QImage grey(8, 5, QImage::Format_Grayscale8);
    grey.fill(QColor(128, 128, 128));
    ASSERT_TRUE(grey.save(QString::fromStdString(dir.file("grey.jpg")), "JPG"));

    const QImage decodedColour = DecodeJpegFile(dir.file("colour.jpg"));
    ASSERT_EQ(decodedColour.size(), QSize(17, 9));
    EXPECT_PRED2(Near, decodedColour.pixelColor(16, 8), kJpegColour);
    const QImage decodedGrey = DecodeJpegFile(dir.file("grey.jpg"));
    ASSERT_EQ(decodedGrey.size(), QSize(8, 5));
    EXPECT_PRED2(Near, decodedGrey.pixelColor(3, 3), QColor(128, 128, 128));
}

TEST_F(DecodeJpeg, GivesNothingForFilesItCannotDecode)
{
    QImage colour(64, 64, QImage::Format_RGB32);
    colour.fill(kJpegColour);
    ASSERT_TRUE(colour.save(QString::fromStdString(dir.file("whole.jpg")), "JPG"));
    const std::string whole = ReadAll(dir.file("whole.jpg"));
    WriteAll(dir.file("header-only.jpg"), whole.substr(0, 20));
    WriteAll(dir.file("empty.jpg"), "");
    WriteAll(dir.file("text.jpg"), "plain text, not a picture");

    for (const char *name : {"header-only.jpg", "empty.jpg", "text.jpg", "missing.jpg"})
        EXPECT_TRUE(DecodeJpegFile(dir.file(name)).isNull()) << name;
}
