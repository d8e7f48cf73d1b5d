#pragma once

#include "geometry/Interpolate.h"
#include "geometry/ShellGeometry.h"
#include "graphics/PlotResults.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace venkar::test {

// Results written by hand: nodes along shells, elements with one pair of
// end values used for every component, ring beams and reactions.
class FakePlotResults : public PlotResults {
public:
    struct Node {
        Vector2 point;
        PlotDisplacement displacement;
        PlotReaction reaction;
        int hingeSide = 0;
        int shell = 0;
        double position = 0.0;
    };
    struct Element {
        PlotElement span;
        std::array<double, 2> values{};
    };

    std::vector<Node> nodes;
    std::vector<std::vector<int>> shells; // element indices per shell row
    std::vector<Element> elements;
    std::vector<PlotRingBeam> rings;
    std::vector<int> nodeOfRow; // analysis node per node row

    // Adds a node at `x` on shell row `shell` of `model` and returns its index.
    int addNodeOn(const Model& model, int shell, double x) {
        nodes.push_back({pointAt(model, shell, x), {}, {}, 0, shell, x});
        return static_cast<int>(nodes.size()) - 1;
    }

    // Divides shell row `shell` at the positions (first 0, last 1) into
    // elements with the given (start, end) values.
    void addShell(const Model& model, int shell, const std::vector<double>& positions,
                  const std::vector<std::array<double, 2>>& values) {
        if (static_cast<int>(shells.size()) <= shell)
            shells.resize(static_cast<std::size_t>(shell) + 1);
        int previous = addNodeOn(model, shell, positions[0]);
        for (std::size_t i = 0; i + 1 < positions.size(); ++i) {
            const int next = addNodeOn(model, shell, positions[i + 1]);
            const int index = static_cast<int>(elements.size());
            elements.push_back(
                {{index, positions[i], positions[i + 1], previous, next}, values[i]});
            shells[static_cast<std::size_t>(shell)].push_back(index);
            previous = next;
        }
    }

    int nodeCount() const override { return static_cast<int>(nodes.size()); }
    int analysisNode(int row) const override {
        if (row < 0 || row >= static_cast<int>(nodeOfRow.size()))
            return -1;
        return nodeOfRow[static_cast<std::size_t>(row)];
    }
    Vector2 nodePoint(int node) const override { return at(node).point; }
    PlotDisplacement nodeDisplacement(int node) const override { return at(node).displacement; }
    PlotReaction reaction(int node) const override { return at(node).reaction; }
    int hingeSide(int node) const override { return at(node).hingeSide; }
    int nodeShell(int node) const override { return at(node).shell; }
    double nodePosition(int node) const override { return at(node).position; }

    std::vector<PlotElement> shellElements(int shell) const override {
        std::vector<PlotElement> spans;
        if (shell < static_cast<int>(shells.size()))
            for (const int e : shells[static_cast<std::size_t>(shell)])
                spans.push_back(elements[static_cast<std::size_t>(e)].span);
        return spans;
    }
    double elementValue(int element, int, double l) const override {
        const Element& e = elements[static_cast<std::size_t>(element)];
        return interpolate(e.values[0], e.values[1], l);
    }
    PlotDisplacement elementDisplacement(int element, double l) const override {
        const PlotElement& e = elements[static_cast<std::size_t>(element)].span;
        const PlotDisplacement a = at(e.startNode).displacement;
        const PlotDisplacement b = at(e.endNode).displacement;
        return {interpolate(a.radial, b.radial, l), interpolate(a.axial, b.axial, l),
                interpolate(a.rotation, b.rotation, l)};
    }
    std::vector<PlotRingBeam> ringBeams() const override { return rings; }

    double maxDisplacement() const override {
        double largest = 0.0;
        for (const Node& n : nodes)
            largest = std::max(largest, std::hypot(n.displacement.radial, n.displacement.axial));
        return largest;
    }
    double maxShellResult(int) const override {
        double largest = 0.0;
        for (const Element& e : elements)
            largest = std::max({largest, std::fabs(e.values[0]), std::fabs(e.values[1])});
        return largest;
    }
    double maxReactionForce() const override {
        double largest = 0.0;
        for (const Node& n : nodes)
            largest = std::max(largest, std::hypot(n.reaction.forceR, n.reaction.forceZ));
        return largest;
    }
    double maxReactionMoment() const override {
        double largest = 0.0;
        for (const Node& n : nodes)
            largest = std::max(largest, std::fabs(n.reaction.moment));
        return largest;
    }

private:
    const Node& at(int node) const { return nodes.at(static_cast<std::size_t>(node)); }
};

} // namespace venkar::test
