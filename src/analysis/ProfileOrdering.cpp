#include "analysis/ProfileOrdering.h"

#include <algorithm>
#include <cstddef>

namespace venkar {

namespace {

// Adjacency lists in compressed rows, without self-loops or repeats.
struct Adjacency {
    std::vector<int> start;
    std::vector<int> neighbour;

    int degree(int e) const {
        return start[static_cast<std::size_t>(e) + 1] - start[static_cast<std::size_t>(e)];
    }
    std::span<const int> of(int e) const {
        return {neighbour.data() + start[static_cast<std::size_t>(e)],
                static_cast<std::size_t>(degree(e))};
    }
};

Adjacency adjacency(int vertices, const std::vector<int>& from, const std::vector<int>& to) {
    Adjacency graph;
    graph.start.assign(static_cast<std::size_t>(vertices) + 1, 0);
    for (int e : from)
        ++graph.start[static_cast<std::size_t>(e) + 1];
    for (std::size_t e = 0; e < static_cast<std::size_t>(vertices); ++e)
        graph.start[e + 1] += graph.start[e];
    std::vector<int> raw(from.size());
    std::vector<int> fill(graph.start.begin(), graph.start.end() - 1);
    for (std::size_t k = 0; k < from.size(); ++k)
        raw[static_cast<std::size_t>(fill[static_cast<std::size_t>(from[k])]++)] = to[k];
    // Sort and deduplicate each list, compacting the rows in place.
    graph.neighbour.reserve(raw.size());
    std::vector<int> compact(graph.start.size(), 0);
    for (std::size_t e = 0; e < static_cast<std::size_t>(vertices); ++e) {
        const auto first = raw.begin() + graph.start[e];
        const auto last = raw.begin() + graph.start[e + 1];
        std::sort(first, last);
        graph.neighbour.insert(graph.neighbour.end(), first, std::unique(first, last));
        compact[e + 1] = static_cast<int>(graph.neighbour.size());
    }
    graph.start = std::move(compact);
    return graph;
}

// Breadth-first levels from `root` over its connected part; returns the
// visited vertices in order and the start of the last level.
struct Levels {
    std::vector<int> order;
    std::size_t lastLevel = 0;
    int depth = 0;
};

Levels levelsFrom(const Adjacency& graph, int root, std::vector<int>& mark, int stamp) {
    Levels levels;
    levels.order.push_back(root);
    mark[static_cast<std::size_t>(root)] = stamp;
    std::size_t begin = 0;
    while (begin < levels.order.size()) {
        const std::size_t end = levels.order.size();
        levels.lastLevel = begin;
        for (std::size_t k = begin; k < end; ++k)
            for (int next : graph.of(levels.order[k]))
                if (mark[static_cast<std::size_t>(next)] != stamp) {
                    mark[static_cast<std::size_t>(next)] = stamp;
                    levels.order.push_back(next);
                }
        begin = end;
        ++levels.depth;
    }
    return levels;
}

} // namespace

CouplingGraph::CouplingGraph(int vertices) : vertices_(vertices) {}

void CouplingGraph::addClique(std::span<const int> vertices) {
    for (int a : vertices)
        for (int b : vertices)
            if (a != b) {
                edgesFrom_.push_back(a);
                edgesTo_.push_back(b);
            }
}

std::vector<int> CouplingGraph::reverseCuthillMcKee() const {
    const Adjacency graph = adjacency(vertices_, edgesFrom_, edgesTo_);
    const auto count = static_cast<std::size_t>(vertices_);
    std::vector<int> numbered(count, 0);
    std::vector<int> mark(count, -1);
    std::vector<int> order;
    order.reserve(count);
    int stamp = 0;
    const auto byDegree = [&](int a, int b) {
        const int da = graph.degree(a);
        const int db = graph.degree(b);
        return da != db ? da < db : a < b;
    };
    for (int seed = 0; seed < vertices_; ++seed) {
        if (numbered[static_cast<std::size_t>(seed)])
            continue;
        // A pseudo-peripheral root: step to a least-degree vertex of the
        // last level while that makes the level structure deeper.
        int root = seed;
        Levels levels = levelsFrom(graph, root, mark, stamp++);
        for (int round = 0; round < 8; ++round) {
            const auto last = levels.order.begin() + static_cast<std::ptrdiff_t>(levels.lastLevel);
            const int candidate = *std::min_element(last, levels.order.end(), byDegree);
            Levels deeper = levelsFrom(graph, candidate, mark, stamp++);
            if (deeper.depth <= levels.depth)
                break;
            root = candidate;
            levels = std::move(deeper);
        }
        // Cuthill-McKee from the root.
        const std::size_t first = order.size();
        order.push_back(root);
        numbered[static_cast<std::size_t>(root)] = 1;
        std::vector<int> next;
        for (std::size_t k = first; k < order.size(); ++k) {
            next.clear();
            for (int neighbour : graph.of(order[k]))
                if (!numbered[static_cast<std::size_t>(neighbour)])
                    next.push_back(neighbour);
            std::sort(next.begin(), next.end(), byDegree);
            for (int e : next) {
                numbered[static_cast<std::size_t>(e)] = 1;
                order.push_back(e);
            }
        }
    }
    std::vector<int> newNumber(count);
    for (std::size_t k = 0; k < count; ++k)
        newNumber[static_cast<std::size_t>(order[count - 1 - k])] = static_cast<int>(k);
    return newNumber;
}

} // namespace venkar
