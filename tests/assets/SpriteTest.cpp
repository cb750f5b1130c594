#include <gtest/gtest.h>
#include <QPainter>

#include <stdexcept>
#include <string>
#include <vector>

#include "PictureChecks.h"

using namespace PictureChecks;

namespace {
enum Edge : unsigned { Top = 1, Bottom = 2, Left = 4, Right = 8 };

enum class Kind { Head, Tail, Straight, Corner, Crash, Blank };

struct SpriteCase {
    Sprite sprite;
    Kind kind;
    unsigned continues; // the edges the worm's body crosses into the next cell
    Edge front; // heads: the side they look to; tails: the side of the point
};

const std::vector<SpriteCase> spriteCases = {
    {Sprite::pWHU, Kind::Head, Bottom, Top},
    {Sprite::pWHD, Kind::Head, Top, Bottom},
    {Sprite::pWHL, Kind::Head, Right, Left},
    {Sprite::pWHR, Kind::Head, Left, Right},
    {Sprite::pWTU, Kind::Tail, Top, Bottom},
    {Sprite::pWTD, Kind::Tail, Bottom, Top},
    {Sprite::pWTL, Kind::Tail, Left, Right},
    {Sprite::pWTR, Kind::Tail, Right, Left},
    {Sprite::pWJLD, Kind::Corner, Left | Bottom, Top},
    {Sprite::pWJLU, Kind::Corner, Left | Top, Top},
    {Sprite::pWJRU, Kind::Corner, Right | Top, Top},
    {Sprite::pWJRD, Kind::Corner, Right | Bottom, Top},
    {Sprite::pWBUD, Kind::Straight, Top | Bottom, Top},
    {Sprite::pWBLR, Kind::Straight, Left | Right, Top},
    {Sprite::pNUL, Kind::Blank, 0, Top},
    {Sprite::pWHX, Kind::Crash, 0, Top},
};

const SpriteCase& caseOf(Sprite sprite)
{
    for (const SpriteCase& c : spriteCases)
        if (c.sprite == sprite)
            return c;
    throw std::logic_error("no such sprite");
}

std::string nameOf(Sprite sprite)
{
    return std::string(spriteName(sprite));
}

// The sprite's pixels along one edge, read left to right or top to bottom.
QString edgeLetters(const QImage& image, Edge edge)
{
    switch (edge) {
    case Top: return rowLetters(image, 0);
    case Bottom: return rowLetters(image, 15);
    case Left: return columnLetters(image, 0);
    case Right: return columnLetters(image, 15);
    }
    return {};
}

// Where the band crosses into the next cell, and a head's narrower neck.
const QString bandSeam = QStringLiteral("....o######o....");
const QString neckSeam = QStringLiteral(".....o####o.....");
const QString clearEdge = QStringLiteral("................");

const std::vector<Edge> allEdges = {Top, Bottom, Left, Right};

QImage sprite(Sprite which)
{
    return pictures().sprite(which);
}

void PrintTo(const SpriteCase& c, std::ostream* out)
{
    *out << spriteName(c.sprite);
}

std::vector<SpriteCase> wormPieces()
{
    std::vector<SpriteCase> pieces;
    for (const SpriteCase& c : spriteCases)
        if (c.kind != Kind::Blank && c.kind != Kind::Crash)
            pieces.push_back(c);
    return pieces;
}

class EverySprite : public testing::TestWithParam<SpriteCase> { };
class EveryWormPiece : public testing::TestWithParam<SpriteCase> { };

std::string spriteCaseName(const testing::TestParamInfo<SpriteCase>& info)
{
    return nameOf(info.param.sprite);
}
}

TEST_P(EverySprite, isSixteenPixelsSquareAndFullyOpaque)
{
    const QImage image = sprite(GetParam().sprite);
    EXPECT_EQ(image.size(), QSize(16, 16));
    EXPECT_TRUE(isOpaque(image));
}

TEST_P(EverySprite, usesOnlyTheColoursOfItsKind)
{
    const SpriteCase& c = GetParam();
    const QImage image = sprite(c.sprite);
    std::string allowed = ".o#";
    if (c.kind == Kind::Head)
        allowed = ".o#wr";
    if (c.kind == Kind::Blank)
        allowed = "k";
    std::string used;
    for (int y = 0; y < 16; ++y)
        for (char l : rowLetters(image, y).toStdString())
            if (used.find(l) == std::string::npos)
                used += l;
    for (char l : used)
        EXPECT_NE(allowed.find(l), std::string::npos) << "colour '" << l << "' in " << used;
    if (c.kind == Kind::Head) {
        EXPECT_NE(used.find('w'), std::string::npos) << "a head without eye whites";
        EXPECT_NE(used.find('r'), std::string::npos) << "a head without pupils";
    }
}

TEST_P(EveryWormPiece, continuesTheBandOnItsJoiningEdgesAndLeavesTheOthersClear)
{
    const SpriteCase& c = GetParam();
    const QImage image = sprite(c.sprite);
    for (Edge edge : allEdges) {
        QString expected = clearEdge;
        if (c.continues & edge)
            expected = c.kind == Kind::Head ? neckSeam : bandSeam;
        EXPECT_EQ(edgeLetters(image, edge), expected) << "edge " << edge;
    }
}

TEST_P(EverySprite, keepsItsBodyInsideItsOutline)
{
    // The body colour never touches the background: the outline closes it in
    // everywhere except across an edge where the next cell carries it on.
    EXPECT_EQ(bodyMeetingBackground(sprite(GetParam().sprite)), QString());
}

INSTANTIATE_TEST_SUITE_P(Sprites, EverySprite, testing::ValuesIn(spriteCases), spriteCaseName);
INSTANTIATE_TEST_SUITE_P(Sprites, EveryWormPiece, testing::ValuesIn(wormPieces()), spriteCaseName);

TEST(BlankCell, isThePlayFieldsBlack)
{
    const QImage image = sprite(Sprite::pNUL);
    ASSERT_EQ(image.size(), QSize(16, 16));
    for (int y = 0; y < 16; ++y)
        EXPECT_EQ(rowLetters(image, y), QStringLiteral("kkkkkkkkkkkkkkkk")) << "row " << y;
}

namespace {
// A point one pixel further towards a side.
QPoint towards(QPoint p, Edge side)
{
    switch (side) {
    case Top: return p + QPoint(0, -1);
    case Bottom: return p + QPoint(0, 1);
    case Left: return p + QPoint(-1, 0);
    case Right: return p + QPoint(1, 0);
    }
    return p;
}

Edge opposite(Edge side)
{
    switch (side) {
    case Top: return Bottom;
    case Bottom: return Top;
    case Left: return Right;
    case Right: return Left;
    }
    return side;
}

// How far a pixel lies towards a side, 0 at the far side and 15 on it.
int depthTowards(QPoint p, Edge side)
{
    switch (side) {
    case Top: return 15 - p.y();
    case Bottom: return p.y();
    case Left: return 15 - p.x();
    case Right: return p.x();
    }
    return 0;
}

std::vector<SpriteCase> casesOf(Kind kind)
{
    std::vector<SpriteCase> found;
    for (const SpriteCase& c : spriteCases)
        if (c.kind == kind)
            found.push_back(c);
    return found;
}

class EveryHead : public testing::TestWithParam<SpriteCase> { };
class EveryTail : public testing::TestWithParam<SpriteCase> { };
}

TEST_P(EveryHead, looksTheWayItIsGoingWithTwoEyes)
{
    const SpriteCase& c = GetParam();
    const QImage image = sprite(c.sprite);
    int pupils = 0;
    int leftOfMiddle = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const QPoint p(x, y);
            if (letter(image.pixel(p)) != 'r')
                continue;
            ++pupils;
            EXPECT_GE(depthTowards(p, c.front), 8) << "pupil in the back half at " << x << "," << y;
            // A pupil is the front of its eye: the white lies straight behind it.
            EXPECT_EQ(letter(image.pixel(towards(p, opposite(c.front)))), 'w') << x << "," << y;
            EXPECT_NE(letter(image.pixel(towards(p, c.front))), 'w') << x << "," << y;
            const bool across = c.front == Top || c.front == Bottom;
            if ((across ? x : y) < 8)
                ++leftOfMiddle;
        }
    EXPECT_GT(pupils, 0);
    EXPECT_EQ(leftOfMiddle * 2, pupils) << "the eyes should sit side by side";
}

INSTANTIATE_TEST_SUITE_P(Heads, EveryHead, testing::ValuesIn(casesOf(Kind::Head)), spriteCaseName);

TEST_P(EveryTail, tapersToATwoPixelPointAtTheFarEnd)
{
    const SpriteCase& c = GetParam();
    const QImage image = sprite(c.sprite);
    // The lines across the tail, numbered from the far end's edge inwards.
    auto line = [&](int fromFarEdge) {
        const int at = (c.front == Bottom || c.front == Right) ? 15 - fromFarEdge : fromFarEdge;
        return (c.front == Top || c.front == Bottom) ? rowLetters(image, at)
                                                     : columnLetters(image, at);
    };
    EXPECT_EQ(line(0), clearEdge);
    EXPECT_EQ(line(1), QStringLiteral(".......oo......."));
    EXPECT_EQ(line(2), QStringLiteral(".......oo......."));
    // Every line from the point to the wide end is at least as wide as the one
    // before; the edge line itself narrows to the seam, which the edge test checks.
    int previous = 2;
    for (int i = 3; i < 15; ++i) {
        const int width = 16 - static_cast<int>(line(i).count(QLatin1Char('.')));
        EXPECT_GE(width, previous) << "line " << i;
        previous = width;
    }
}

INSTANTIATE_TEST_SUITE_P(Tails, EveryTail, testing::ValuesIn(casesOf(Kind::Tail)), spriteCaseName);

TEST(CornerPieces, roundTheirOuterCornerAwayFromTheCellCorner)
{
    // Where a square bend would put its outer corner, a rounded one leaves background.
    const std::vector<std::pair<Sprite, QPoint>> outerCorners = {
        {Sprite::pWJRD, QPoint(3, 3)},
        {Sprite::pWJLD, QPoint(12, 3)},
        {Sprite::pWJLU, QPoint(12, 12)},
        {Sprite::pWJRU, QPoint(3, 12)},
    };
    for (const auto& [which, corner] : outerCorners) {
        const QImage image = sprite(which);
        EXPECT_EQ(letter(image.pixel(corner)), '.') << nameOf(which);
        // The diagonal from that corner to the bend's inside crosses the band.
        const QPoint inward((15 - corner.x()) > corner.x() ? 1 : -1,
                            (15 - corner.y()) > corner.y() ? 1 : -1);
        EXPECT_EQ(letter(image.pixel(corner + inward * 4)), '#') << nameOf(which);
    }
}

TEST(CrashedHead, isARoundBlobCrossedByADarkX)
{
    const QImage image = sprite(Sprite::pWHX);
    for (Edge edge : allEdges) {
        const QString line = edgeLetters(image, edge);
        // It touches each edge, but only near the middle.
        EXPECT_EQ(line.left(4), QStringLiteral("....")) << "edge " << edge;
        EXPECT_EQ(line.right(4), QStringLiteral("....")) << "edge " << edge;
        EXPECT_NE(line, clearEdge) << "edge " << edge;
    }
    // Both strokes of the X run through the centre and out along the diagonals.
    for (int d = 0; d <= 3; ++d) {
        EXPECT_EQ(letter(image.pixel(7 - d, 7 - d)), 'o') << d;
        EXPECT_EQ(letter(image.pixel(8 + d, 8 + d)), 'o') << d;
        EXPECT_EQ(letter(image.pixel(8 + d, 7 - d)), 'o') << d;
        EXPECT_EQ(letter(image.pixel(7 - d, 8 + d)), 'o') << d;
    }
    // Between the strokes the blob is body colour.
    for (QPoint p : {QPoint(7, 3), QPoint(12, 8), QPoint(8, 12), QPoint(3, 7)})
        EXPECT_EQ(letter(image.pixel(p)), '#') << p.x() << "," << p.y();
}

namespace {
// Two sprites that can lie next to each other in play: `first` is left of or
// above `second`, and the worm runs from one into the other across the seam.
struct Neighbours {
    Sprite first;
    Sprite second;
    bool sideBySide; // left and right, else one above the other
};

void PrintTo(const Neighbours& n, std::ostream* out)
{
    *out << spriteName(n.first) << (n.sideBySide ? " left of " : " above ") << spriteName(n.second);
}

// Any piece whose body runs on across an edge can meet any piece whose body
// runs on across the facing edge, except two heads or two tails (a worm has
// one of each).
std::vector<Neighbours> joiningPairs()
{
    std::vector<Neighbours> pairs;
    for (const SpriteCase& a : wormPieces())
        for (const SpriteCase& b : wormPieces()) {
            if (a.kind == b.kind && (a.kind == Kind::Head || a.kind == Kind::Tail))
                continue;
            if ((a.continues & Right) && (b.continues & Left))
                pairs.push_back({a.sprite, b.sprite, true});
            if ((a.continues & Bottom) && (b.continues & Top))
                pairs.push_back({a.sprite, b.sprite, false});
        }
    return pairs;
}

// The crashed head is drawn over the head's cell, so it meets whatever piece
// lay behind the head.
std::vector<Neighbours> crashPairs()
{
    std::vector<Neighbours> pairs;
    for (const SpriteCase& a : wormPieces()) {
        if (a.kind == Kind::Head)
            continue;
        if (a.continues & Right)
            pairs.push_back({a.sprite, Sprite::pWHX, true});
        if (a.continues & Left)
            pairs.push_back({Sprite::pWHX, a.sprite, true});
        if (a.continues & Bottom)
            pairs.push_back({a.sprite, Sprite::pWHX, false});
        if (a.continues & Top)
            pairs.push_back({Sprite::pWHX, a.sprite, false});
    }
    return pairs;
}

std::string pairName(const testing::TestParamInfo<Neighbours>& info)
{
    return nameOf(info.param.first) + (info.param.sideBySide ? "_leftOf_" : "_above_")
        + nameOf(info.param.second);
}

// The two sprites copied into a board the way the game draws cells.
QImage laidOut(const Neighbours& n)
{
    QImage board(n.sideBySide ? QSize(32, 16) : QSize(16, 32), QImage::Format_RGB32);
    board.fill(Qt::black);
    QPainter painter(&board);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, sprite(n.first));
    painter.drawImage(n.sideBySide ? QPoint(16, 0) : QPoint(0, 16), sprite(n.second));
    return board;
}

class NeighbouringSprites : public testing::TestWithParam<Neighbours> { };
class CrashedHeadNeighbours : public testing::TestWithParam<Neighbours> { };
}

TEST_P(NeighbouringSprites, closeTheWormsOutlineAcrossTheSeam)
{
    EXPECT_EQ(bodyMeetingBackground(laidOut(GetParam())), QString());
}

TEST_P(CrashedHeadNeighbours, closeTheWormsOutlineAcrossTheSeam)
{
    EXPECT_EQ(bodyMeetingBackground(laidOut(GetParam())), QString());
}

TEST_P(NeighbouringSprites, joinWithNoGapAndNoStepInTheOutline)
{
    const Neighbours& n = GetParam();
    const SpriteCase& first = caseOf(n.first);
    const SpriteCase& second = caseOf(n.second);
    const QImage board = laidOut(n);
    const QString before = n.sideBySide ? columnLetters(board, 15) : rowLetters(board, 15);
    const QString after = n.sideBySide ? columnLetters(board, 16) : rowLetters(board, 16);
    // No step: body pieces meet with the same outline on both sides; a head
    // meets its neighbour with its narrower neck, one pixel inside on each side.
    if (first.kind == Kind::Head || second.kind == Kind::Head) {
        EXPECT_EQ(first.kind == Kind::Head ? before : after, neckSeam);
        EXPECT_EQ(first.kind == Kind::Head ? after : before, bandSeam);
    } else {
        EXPECT_EQ(before, bandSeam);
        EXPECT_EQ(after, bandSeam);
    }
    // No gap: the body colour runs across the seam without a break.
    int crossings = 0;
    for (int i = 0; i < 16; ++i)
        if (before.at(i) == QLatin1Char('#') && after.at(i) == QLatin1Char('#'))
            ++crossings;
    EXPECT_GE(crossings, 4);
}

INSTANTIATE_TEST_SUITE_P(Sprites, NeighbouringSprites, testing::ValuesIn(joiningPairs()), pairName);
INSTANTIATE_TEST_SUITE_P(Sprites, CrashedHeadNeighbours, testing::ValuesIn(crashPairs()), pairName);
