#include "analysis/ProfileOrdering.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace venkar {
namespace {

using Edge = std::pair<int, int>;

struct OrderingCase {
    std::string name;
    int vertices = 0;
    std::vector<Edge> edges;
    int bandwidth = 0; // the largest |new(a) - new(b)| over the edges
};

// A path through `order`: each vertex coupled with the next.
std::vector<Edge> path(const std::vector<int>& order) {
    std::vector<Edge> edges;
    for (std::size_t k = 1; k < order.size(); ++k)
        edges.push_back({order[k - 1], order[k]});
    return edges;
}

// A chain numbered as a mesh is: its two end vertices 0 and 1 first, the
// interior after them, so 0-2-3-...-(n-1)-1.
std::vector<int> endsFirst(int n, int offset = 0) {
    std::vector<int> order{offset};
    for (int k = 2; k < n; ++k)
        order.push_back(offset + k);
    order.push_back(offset + 1);
    return order;
}

std::vector<OrderingCase> cases() {
    std::vector<OrderingCase> all;
    all.push_back({"ChainNumberedEndsFirst", 200, path(endsFirst(200)), 1});
    // Two parts: each is numbered on its own, each a band of one.
    std::vector<Edge> two = path(endsFirst(50));
    const std::vector<Edge> second = path(endsFirst(30, 50));
    two.insert(two.end(), second.begin(), second.end());
    all.push_back({"TwoSeparateChains", 80, two, 1});
    // A ladder of 2 x 40 numbered one rail after the other (bandwidth 40),
    // with rungs: along the ladder the band is 2.
    std::vector<Edge> ladder = path(endsFirst(40));
    const std::vector<Edge> rail = path(endsFirst(40, 40));
    ladder.insert(ladder.end(), rail.begin(), rail.end());
    const std::vector<int> a = endsFirst(40);
    const std::vector<int> b = endsFirst(40, 40);
    for (std::size_t k = 0; k < a.size(); ++k)
        ladder.push_back({a[k], b[k]});
    all.push_back({"Ladder", 80, ladder, 2});
    // An isolated vertex between the others keeps a number of its own.
    std::vector<Edge> gap = path({0, 2, 3, 1});
    all.push_back({"IsolatedVertex", 5, gap, 1});
    return all;
}

class ProfileOrdering : public testing::TestWithParam<OrderingCase> {};

TEST_P(ProfileOrdering, IsAPermutationWithTheBandOfTheChains) {
    const OrderingCase& c = GetParam();
    CouplingGraph graph(c.vertices);
    for (const auto& [a, b] : c.edges) {
        const std::vector<int> clique{a, b, a}; // a repeat changes nothing
        graph.addClique(clique);
    }
    const std::vector<int> number = graph.reverseCuthillMcKee();
    ASSERT_EQ(number.size(), static_cast<std::size_t>(c.vertices));
    std::vector<int> sorted = number;
    std::sort(sorted.begin(), sorted.end());
    for (int k = 0; k < c.vertices; ++k)
        EXPECT_EQ(sorted[static_cast<std::size_t>(k)], k);
    int bandwidth = 0;
    for (const auto& [a, b] : c.edges)
        bandwidth = std::max(bandwidth, std::abs(number[static_cast<std::size_t>(a)] -
                                                 number[static_cast<std::size_t>(b)]));
    EXPECT_EQ(bandwidth, c.bandwidth);
}

INSTANTIATE_TEST_SUITE_P(Graphs, ProfileOrdering, testing::ValuesIn(cases()),
                         [](const auto& info) { return info.param.name; });

} // namespace
} // namespace venkar
