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
        const std::vector<DiagramSpan> merged = mergeDiagramSpans(spans, meridian, resolution);
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
                return near && ((maximum && p.value >= v) || (minimum && p.value <= v));
            });
            ASSERT_TRUE(reached) << "trial " << trial << ", extremum " << v << " at "
                                 << before[i].position;
        }

        // At most four spans per run, and the runs start more than the
        // resolution apart.
        EXPECT_LE(merged.size(), static_cast<std::size_t>(4 * (meridian / resolution + 1)));
        if (fine) {
            EXPECT_LT(merged.size(), spans.size() / 2);
        }
    }
}

TEST(DiagramDetail, MonotoneRunBecomesOneSpanAndJumpsAtItsEdgesStay) {
    // Ten spans of 0.01 on a shell of length 1 (resolution 0.05): two runs of
    // five spans each, rising steadily, with a jump after the fifth span.
    std::vector<DiagramSpan> spans;
    for (int i = 0; i < 10; ++i)
        spans.push_back(
            {0.1 * i, 0.1 * (i + 1), i + (i >= 5 ? 10.0 : 0.0), i + 1 + (i >= 5 ? 10.0 : 0.0)});
    const std::vector<DiagramSpan> merged = mergeDiagramSpans(spans, 0.1, 0.025);
    // Ends 0, .1, .2 | .3, .4, .5 | .6, .7, .8 | .9, 1.0 in runs of 0.025 / 0.1.
    ASSERT_FALSE(merged.empty());
    for (const DiagramSpan& s : merged)
        EXPECT_LE(s.startValue, s.endValue); // no invented turning points
    bool jumpKept = false;
    for (std::size_t i = 1; i < merged.size(); ++i)
        jumpKept = jumpKept || (merged[i].startPosition == 0.5 && merged[i - 1].endValue == 5.0 &&
                                merged[i].startValue == 15.0);
    EXPECT_TRUE(jumpKept);
    EXPECT_LT(merged.size(), spans.size());
}
