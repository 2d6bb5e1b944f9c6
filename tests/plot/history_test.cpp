// What the plot keeps of a window's values, and the lines it draws from them.

#include "History.h"
#include "SeriesPoints.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double None = std::numeric_limits<double>::quiet_NaN();

TEST(History, KeepsOnlyChangesAndDropsTheOldestWhenFull)
{
    History h(2, 3);
    EXPECT_TRUE(h.add(0.1, {1, None}));
    EXPECT_FALSE(h.add(0.2, {1, None}));  // nothing changed: no entry, but the data reach further
    EXPECT_EQ(h.latest(), 0.2);
    EXPECT_TRUE(h.add(0.3, {1, 2}));
    EXPECT_TRUE(h.add(0.4, {3, 2}));
    EXPECT_TRUE(h.add(0.5, {4, 2}));
    ASSERT_EQ(h.size(), 3u);
    EXPECT_EQ(h.time(0), 0.3);
    EXPECT_EQ(h.value(2, 0), 4);
    EXPECT_EQ(h.valueAt(0.45, 0), 3);
    EXPECT_EQ(h.valueAt(0.4, 0), 3);
    EXPECT_TRUE(std::isnan(h.valueAt(0.2, 0)));  // before the oldest kept
    EXPECT_EQ(h.firstFrom(0.35), 1u);
}

TEST(History, AGapLastsFromTheLossToTheNextEntryEvenWithTheSameValues)
{
    History h(1, 10);
    h.add(1, {5});
    h.lose(2);
    h.lose(2.5);  // still the same loss
    EXPECT_TRUE(h.lost());
    EXPECT_TRUE(std::isnan(h.valueAt(2.2, 0)));
    EXPECT_TRUE(h.add(3, {5}));  // the same value, but after a gap: an entry
    ASSERT_EQ(h.gaps().size(), 1u);
    EXPECT_EQ(h.gaps().front().from, 2);
    EXPECT_EQ(h.gaps().front().to, 3);
    EXPECT_FALSE(h.lost());
    EXPECT_EQ(h.gapAfter(0), 2);
    EXPECT_TRUE(std::isnan(h.gapAfter(1)));
}

TEST(SeriesPoints, PiecesEndWhereThePortWasLostAndTheLastValueHoldsToTheLatestData)
{
    History h(1, 10);
    h.add(1, {0});
    h.add(1.5, {0});  // read again, unchanged
    h.add(2, {1});
    h.lose(2.5);
    h.add(4, {1});
    h.seen(6);
    const auto steps = SeriesPoints{h, 0, true, 3}.between(0, 10, 100);
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0], (QList<QPointF>{{1, 3}, {2, 3}, {2, 4}, {2.5, 4}}));
    EXPECT_EQ(steps[1], (QList<QPointF>{{4, 4}, {6, 4}}));
    const auto lines = SeriesPoints{h, 0, false, 0}.between(1.2, 3, 100);
    ASSERT_EQ(lines.size(), 1u);
    // From the value shown at 1.2, level while it was read again, then straight to the next.
    EXPECT_EQ(lines[0], (QList<QPointF>{{1.2, 0}, {1.5, 0}, {2, 1}, {2.5, 1}}));
}

TEST(SeriesPoints, AnHourOfChangesDrawsAsAFewPointsPerPixelKeepingTheExtremes)
{
    History h(1, 40'000);
    for (int i = 0; i < 36'000; ++i)
        h.add(i * 0.1, {i == 20'000 ? 9.0 : double(i % 2)});
    const auto pieces = SeriesPoints{h, 0, false, 0}.between(0, 3600, 500);
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_LE(pieces[0].size(), 4 * 500 + 8);
    double high = 0;
    for (const QPointF& p : pieces[0])
        high = std::max(high, p.y());
    EXPECT_EQ(high, 9.0);
}

} // namespace
