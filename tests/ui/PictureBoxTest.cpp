#include "PictureBox.h"

#include <gtest/gtest.h>
#include <QPaintEvent>
#include <QTest>

namespace {
// Collects the areas a widget is asked to paint.
class PaintRecorder : public QObject {
public:
    QRegion painted;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

QImage cellPicture(QColor colour)
{
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}
}

TEST(PictureBox, replacesExactlyTheCellItDrawsInto)
{
    PictureBox box(QSize(479, 367), Qt::black);
    box.drawImage(32, 48, cellPicture(QColor(4, 254, 4)));
    const QImage& image = box.image();
    int changed = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(0, 0, 0)) {
                ++changed;
                EXPECT_TRUE(QRect(32, 48, 16, 16).contains(x, y)) << x << "," << y;
            }
    EXPECT_EQ(changed, 256);
}

TEST(PictureBox, clipsACellThatIsOnlyPartlyInside)
{
    PictureBox box(QSize(479, 367), Qt::black);
    box.drawImage(29 * 16, 22 * 16, cellPicture(Qt::white));
    EXPECT_EQ(box.image().pixel(478, 366), qRgb(255, 255, 255));
    EXPECT_EQ(box.image().pixel(463, 351), qRgb(0, 0, 0));
}

TEST(PictureBox, refreshRepaintsOnlyWhatWasDrawn)
{
    PictureBox box(QSize(479, 367), Qt::black);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    QCoreApplication::processEvents();
    PaintRecorder recorder;
    box.installEventFilter(&recorder);
    box.drawImage(64, 80, cellPicture(Qt::green));
    box.refresh();
    QCoreApplication::processEvents();
    EXPECT_EQ(recorder.painted, QRegion(64, 80, 16, 16));
    recorder.painted = QRegion();
    box.refresh();
    QCoreApplication::processEvents();
    EXPECT_TRUE(recorder.painted.isEmpty());
}

TEST(PictureBox, clearFillsTheWholeImageWithTheBackground)
{
    PictureBox box(QSize(40, 30), Qt::black);
    box.drawImage(0, 0, cellPicture(Qt::white));
    box.clear();
    QImage black(QSize(40, 30), QImage::Format_RGB32);
    black.fill(Qt::black);
    EXPECT_EQ(box.image(), black);
}
