#include "graphics/DiagramDetail.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

using namespace venkar;

namespace {

struct Point {
    double position = 0.0;
    double value = 0.0;
};

// The ends of the spans in order: start and end of every span.
std::vector<Point> pointsOf(const std::vector<DiagramSpan>& spans) {
    std::vector<Point> points;
    for (const DiagramSpan& s : spans) {
        points.push_back({s.startPosition, s.startValue});
        points.push_back({s.endPosition, s.endValue});
    }
    return points;
}

// A shell divided into `count` spans of random lengths between `shortest`
// and `longest` (model units), with smooth values, noise and some jumps;
// `meridian` becomes the shell's length.
std::vector<DiagramSpan> randomDiagram(std::mt19937& random, int count, double shortest,
                                       double longest, double& meridian) {
    std::uniform_real_distribution<double> length(shortest, longest);
    std::uniform_real_distribution<double> noise(-1.0, 1.0);
    std::bernoulli_distribution jump(0.05);
    std::vector<double> ends{0.0};
    for (int i = 0; i < count; ++i)
        ends.push_back(ends.back() + length(random));
    meridian = ends.back();
    std::vector<DiagramSpan> spans;
    double value = noise(random);
    for (int i = 0; i < count; ++i) {
        const double start = jump(random) ? value + 3 * noise(random) : value;
        value = start + noise(random);
        spans.push_back({ends[static_cast<std::size_t>(i)] / meridian,
                         ends[static_cast<std::size_t>(i) + 1] / meridian, start, value});
    }
    spans.back().endPosition = 1.0;
    return spans;
}

} // namespace

TEST(DiagramDetail, EndsFartherApartThanTheResolutionKeepEverySpan) {
    std::mt19937 random(7);
    double meridian = 0.0;
    const std::vector<DiagramSpan> spans = randomDiagram(random, 200, 0.0011, 0.1, meridian);
    // Spans at least 1.1 mm long at a resolution of 1 mm.
    const std::vector<DiagramSpan> merged = mergeDiagramSpans(spans, meridian, 0.001);
    ASSERT_EQ(merged.size(), spans.size());
    for (std::size_t i = 0; i < spans.size(); ++i) {
        EXPECT_EQ(merged[i].startPosition, spans[i].startPosition);
        EXPECT_EQ(merged[i].endPosition, spans[i].endPosition);
        EXPECT_EQ(merged[i].startValue, spans[i].startValue);
        EXPECT_EQ(merged[i].endValue, spans[i].endValue);
    }
    EXPECT_TRUE(mergeDiagramSpans({}, 100.0, 0.001).empty());
}

TEST(DiagramDetail, MergedDiagramKeepsEveryLocalExtremumWithinTheResolution) {
    std::mt19937 random(20261208);
    for (int trial = 0; trial < 30; ++trial) {
        const double resolution = 0.001 * (1 + trial % 4);
        // Spans well below the resolution, or from a twentieth of it to
        // twice it.
        const bool fine = trial % 3 == 0;
        double meridian = 0.0;
        const std::vector<DiagramSpan> spans =
            randomDiagram(random, 300 + 37 * trial, resolution * (fine ? 0.01 : 0.05),
                          resolution * (fine ? 0.2 : 2.0), meridian);
        // Values may merge within a tolerance as well.
        const double tolerance = trial % 2 == 0 ? 0.0 : 0.3;
        const std::vector<DiagramSpan> merged =
            mergeDiagramSpans(spans, meridian, resolution, tolerance);
        ASSERT_FALSE(merged.empty());
        const std::vector<Point> before = pointsOf(spans);
        const std::vector<Point> after = pointsOf(merged);

        // The chain is continuous where the original was, starts and ends
        // where it did, and every value is an original value at its place.
        EXPECT_EQ(after.front().position, before.front().position);
        EXPECT_EQ(after.front().value, before.front().value);
        EXPECT_EQ(after.back().position, 1.0);
        EXPECT_EQ(after.back().value, before.back().value);
        for (std::size_t i = 1; i < merged.size(); ++i)
            ASSERT_EQ(merged[i].startPosition, merged[i - 1].endPosition);
        for (const Point& p : after)
            ASSERT_TRUE(std::any_of(before.begin(), before.end(), [&](const Point& q) {
                return q.position == p.position && q.value == p.value;
            }));

        // Every local extremum of the original is reached, within the
        // resolution of its place, by a merged value at least as extreme.
        for (std::size_t i = 0; i < before.size(); ++i) {
            const double v = before[i].value;
            const double left = i > 0 ? before[i - 1].value : v;
            const double right = i + 1 < before.size() ? before[i + 1].value : v;
            const bool maximum = v >= left && v >= right;
            const bool minimum = v <= left && v <= right;
            if (!maximum && !minimum)
                continue;
            const bool reached = std::any_of(after.begin(), after.end(), [&](const Point& p) {
                const bool near =
                    std::fabs(p.position - before[i].position) * meridian <= resolution * 1.000001;
                return near && ((maximum && p.value >= v - tolerance) ||
                                (minimum && p.value <= v + tolerance));
            });
            ASSERT_TRUE(reached) << "trial " << trial << ", extremum " << v << " at "
                                 << before[i].position;
        }

        // At most three spans per group, and two groups together reach
        // farther than the resolution.
        EXPECT_LE(merged.size(), static_cast<std::size_t>(3 * (2 * meridian / resolution + 1)));
        if (fine) {
            EXPECT_LT(merged.size(), spans.size() / 2);
        }
    }
}

TEST(DiagramDetail, MonotoneGroupBecomesOneSpanAndJumpsBetweenGroupsStay) {
    // Ten spans of 0.01 (resolution 0.025): groups of two spans, values
    // rising steadily, with a jump at 0.6 where a group starts.
    std::vector<DiagramSpan> spans;
    for (int i = 0; i < 10; ++i)
        spans.push_back(
            {0.1 * i, 0.1 * (i + 1), i + (i >= 6 ? 10.0 : 0.0), i + 1 + (i >= 6 ? 10.0 : 0.0)});
    const std::vector<DiagramSpan> merged = mergeDiagramSpans(spans, 0.1, 0.025);
    ASSERT_EQ(merged.size(), 5u); // one span per group: no turning points
    EXPECT_DOUBLE_EQ(merged[2].startPosition, 0.4);
    EXPECT_DOUBLE_EQ(merged[2].endPosition, 0.6);
    EXPECT_EQ(merged[2].endValue, 6.0);
    EXPECT_EQ(merged[3].startValue, 16.0); // the jump
    EXPECT_EQ(merged[4].endValue, 20.0);

    // A peak inside a group is kept, a dip by less than the tolerance is not.
    spans[4].endValue = 30.0;
    spans[5].startValue = 30.0;
    spans[6].endValue = 15.5;
    spans[7].startValue = 15.5;
    const std::vector<DiagramSpan> peaked = mergeDiagramSpans(spans, 0.1, 0.025, 1.0);
    ASSERT_EQ(peaked.size(), 6u);
    EXPECT_DOUBLE_EQ(peaked[2].endPosition, 0.5);
    EXPECT_EQ(peaked[2].endValue, 30.0);
    EXPECT_EQ(peaked[4].startValue, 16.0);
    EXPECT_EQ(peaked[4].endValue, 18.0);
    // Without the tolerance the dip stays.
    EXPECT_EQ(mergeDiagramSpans(spans, 0.1, 0.025).size(), 7u);
}
