#include "framework/aster.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace vindra;

namespace {

enum class Seen { Background, White, Star };

/// What a person sees at the centre of box i (1 = the bottom box).
Seen seenAt(const QImage& img, int i, int boxes, const QColor& background)
{
    const int s = TAster::boxSize();
    const QColor c = img.pixelColor(img.width() / 2, (boxes - i) * s + s / 2);
    if (c == background)
        return Seen::Background;
    if (c == QColor(Qt::white))
        return Seen::White;
    return Seen::Star;
}

QImage render(TAster& a)
{
    QImage img(a.size(), QImage::Format_RGB32);
    img.fill(Qt::magenta);
    a.render(&img, QPoint(), QRegion(), QWidget::DrawChildren); // what the control itself paints
    return img;
}

} // namespace

TEST(Aster, BoxSizeByScreenHeight)
{
    for (const auto& [h, size] : std::vector<std::pair<int, int>>{
             {480, 30}, {600, 45}, {768, 55}, {864, 60}, {1024, 65}, {1080, 70}})
        EXPECT_EQ(TAster::boxSizeFor(h), size) << h;
}

TEST(Aster, RightWrongRightFromTheBottom)
{
    TAster a(768);
    a.resize(66, 10 * TAster::boxSize());
    const QColor bg = a.AsterColor();
    a.setRutNummer(0);
    a.setMaxAntalRutor(10);
    a.setStarta(true);
    QImage img = render(a);
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(seenAt(img, i, 10, bg), Seen::Background) << i;

    a.setRutNummer(1);
    a.setRutNummer(2);
    a.setRatt(false);
    a.setRutNummer(3);
    EXPECT_EQ(a.accessibleDescription(), "3 of 10: right, wrong, right");
    img = render(a);
    EXPECT_EQ(seenAt(img, 1, 10, bg), Seen::Star);
    EXPECT_EQ(seenAt(img, 2, 10, bg), Seen::White);
    EXPECT_EQ(seenAt(img, 3, 10, bg), Seen::Star);
    for (int i = 4; i <= 10; ++i)
        EXPECT_EQ(seenAt(img, i, 10, bg), Seen::Background) << i;

    a.setVisa(false);
    img = render(a);
    EXPECT_EQ(img.pixelColor(5, 5), QColor(Qt::magenta)) << "nothing is drawn when hidden";
}

TEST(Aster, FillingTheLastBoxStartsAFreshCycle)
{
    TAster a(768);
    a.resize(66, 3 * TAster::boxSize());
    a.setMaxAntalRutor(3);
    a.setStarta(true);
    for (int i = 1; i <= 3; ++i) {
        a.setRutNummer(i);
        a.setRatt(false);
    }
    // Any repaint of the full column (the ending repaints the form) shows the same boxes.
    for (int paint = 1; paint <= 2; ++paint) {
        const QImage img = render(a);
        for (int i = 1; i <= 3; ++i)
            EXPECT_EQ(seenAt(img, i, 3, a.AsterColor()), Seen::White) << "paint " << paint;
    }
    EXPECT_EQ(a.accessibleDescription(), "3 of 3: wrong, wrong, wrong");
    // The next cycle starts with every mark right.
    a.setRutNummer(1);
    for (int i = 1; i <= 3; ++i)
        EXPECT_TRUE(a.isMarkedRight(i)) << "a fresh cycle";
    EXPECT_EQ(seenAt(render(a), 1, 3, a.AsterColor()), Seen::Star);
}
