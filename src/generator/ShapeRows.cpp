#include "generator/ShapeRows.h"

#include <algorithm>
#include <cmath>

namespace venkar {

ShapeRows::ShapeRows(Vector2 start) {
    nodes.push_back(ShapeNode{start});
}

int ShapeRows::line(int from, Vector2 end, int pieces) {
    const Vector2 start = point(from);
    int previous = from;
    for (int k = 1; k <= pieces; ++k) {
        const double x = static_cast<double>(k) / pieces;
        // The last node is `end` itself, not a sum that rounds near it.
        const Vector2 p = k == pieces ? end : scaled(1.0 - x, start) + scaled(x, end);
        nodes.push_back(ShapeNode{p});
        shells.push_back(ShapeShell{previous, lastNode(), std::nullopt});
        previous = lastNode();
    }
    return previous;
}

int ShapeRows::arc(int from, Vector2 end, Vector2 centre, int pieces) {
    const Vector2 start = point(from);
    const double rho = length(start - centre);
    const double a0 = std::atan2(start.y - centre.y, start.x - centre.x);
    const double a1 = std::atan2(end.y - centre.y, end.x - centre.x);
    // The shorter way round: the sweep in (-pi, pi].
    const double sweep = std::remainder(a1 - a0, 2.0 * M_PI);
    int previous = from;
    for (int k = 1; k <= pieces; ++k) {
        const double a = a0 + sweep * k / pieces;
        Vector2 p = k == pieces ? end : centre + Vector2{rho * std::cos(a), rho * std::sin(a)};
        // A point rounded to just across the axis lies on it.
        p.x = std::max(p.x, 0.0);
        nodes.push_back(ShapeNode{p});
        shells.push_back(ShapeShell{previous, lastNode(), centre});
        previous = lastNode();
    }
    return previous;
}

ShapeRows ShapeRows::reversed() const {
    ShapeRows result;
    const int last = lastNode();
    result.nodes.assign(nodes.rbegin(), nodes.rend());
    for (auto shell = shells.rbegin(); shell != shells.rend(); ++shell)
        result.shells.push_back(
            ShapeShell{last - shell->endNode, last - shell->startNode, shell->centre});
    return result;
}

ShapeRows ShapeRows::mirroredInZ() const {
    ShapeRows result = *this;
    for (ShapeNode& node : result.nodes)
        node.point.y = -node.point.y;
    for (ShapeShell& shell : result.shells)
        if (shell.centre)
            shell.centre->y = -shell.centre->y;
    return result;
}

ShapeRows ShapeRows::shifted(Vector2 by) const {
    ShapeRows result = *this;
    for (ShapeNode& node : result.nodes)
        node.point = node.point + by;
    for (ShapeShell& shell : result.shells)
        if (shell.centre)
            shell.centre = *shell.centre + by;
    return result;
}

double signedArcRadius(Vector2 start, Vector2 end, Vector2 centre) {
    const double rho = length(start - centre);
    const Vector2 chord = end - start;
    // The shorter arc bulges away from the centre: towards the chord's
    // middle seen from the centre. A positive radius bulges towards
    // (u.y, -u.x), u along the chord.
    const Vector2 bulge = scaled(0.5, start + end) - centre;
    const double side = chord.y * bulge.x - chord.x * bulge.y;
    return side >= 0.0 ? rho : -rho;
}

} // namespace venkar
