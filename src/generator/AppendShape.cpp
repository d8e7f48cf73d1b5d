#include "generator/AppendShape.h"

#include "geometry/ShellGeometry.h"
#include "model/Error.h"
#include "model/Model.h"

#include <algorithm>
#include <cmath>

namespace venkar {

namespace {

// Defines `row` and stores every field of `record` through the table's cell
// command, as typing would: the grid redraws the cells and the document
// counts as changed.
template <class Record> void storeRecord(Table<Record>& table, int row, const Record& record) {
    table.changeValid(row, 0, rowEdited);
    table.rowAt(row) = record;
    for (int column = 0; column < table.columnCount(); ++column)
        table.setCell(row, column, *table.value(row, column));
}

} // namespace

ShapeRows shapeRows(Vector2 start, const ShapeChoice& shape) {
    return std::visit(
        [&](const auto& dimensions) -> ShapeRows {
            using Shape = std::decay_t<decltype(dimensions)>;
            if constexpr (std::is_same_v<Shape, CylinderShape>)
                return cylinder(start, dimensions);
            else if constexpr (std::is_same_v<Shape, ConeShape>)
                return cone(start, dimensions);
            else if constexpr (std::is_same_v<Shape, SphericalCapShape>)
                return sphericalCap(start, dimensions);
            else if constexpr (std::is_same_v<Shape, TorisphericalHeadShape>)
                return torisphericalHead(start, dimensions);
            else if constexpr (std::is_same_v<Shape, EllipsoidalHeadShape>)
                return ellipsoidalHead(start, dimensions);
            else
                return silo(start, dimensions);
        },
        shape);
}

int nodeAt(const Model& model, Vector2 point) {
    for (int row : model.nodes.definedRows()) {
        const NodeRecord& node = model.nodes.row(row);
        const double scale = std::max({1.0, std::fabs(point.x), std::fabs(point.y)});
        if (std::fabs(node.r - point.x) <= 1e-9 * scale &&
            std::fabs(node.z - point.y) <= 1e-9 * scale)
            return row + 1;
    }
    return 0;
}

Vector2 startPointOf(const Model& model, const ShapeStart& start) {
    if (start.node == 0)
        return start.point;
    if (start.node < 0 || !model.nodes.isDefined(start.node - 1))
        raiseError("Der Anfangsknoten %d ist nicht definiert.", start.node);
    return nodePoint(model, start.node);
}

AppendedShape appendShape(Model& model, const ShapeRows& rows, const ShapeStart& start,
                          const ShapeMaterial& material, int intervals) {
    startPointOf(model, start); // refuses an undefined start node
    if (material.existing != 0 &&
        (material.existing < 0 || !model.materials.isDefined(material.existing - 1)))
        raiseError("Das Material %d ist nicht definiert.", material.existing);

    AppendedShape result;
    result.material = material.existing;
    if (result.material == 0) {
        const int row = model.materials.lastDefinedRow();
        storeRecord(model.materials, row, material.record);
        result.material = row + 1;
        result.newMaterial = true;
    }

    // Node numbers of the shape's nodes; node 0 may be an existing one.
    std::vector<int> numbers(rows.nodes.size());
    numbers[0] = start.node != 0 ? start.node : nodeAt(model, rows.point(0));
    for (std::size_t i = 0; i < rows.nodes.size(); ++i) {
        if (numbers[i] != 0)
            continue;
        const ShapeNode& node = rows.nodes[i];
        const int row = model.nodes.lastDefinedRow();
        storeRecord(model.nodes, row,
                    NodeRecord{.r = node.point.x,
                               .z = node.point.y,
                               .supportR = node.supportR,
                               .supportZ = node.supportZ,
                               .supportRot = node.supportRot});
        numbers[i] = row + 1;
        if (result.firstNewNode == 0)
            result.firstNewNode = row + 1;
    }
    result.startNode = numbers.front();
    result.lastNode = numbers.back();

    for (const ShapeShell& shell : rows.shells) {
        const Vector2 from = rows.point(shell.startNode);
        const Vector2 to = rows.point(shell.endNode);
        const double radius = shell.centre ? signedArcRadius(from, to, *shell.centre) : 0.0;
        const int row = model.shells.lastDefinedRow();
        storeRecord(model.shells, row,
                    ShellRecord{.startNode = numbers[static_cast<std::size_t>(shell.startNode)],
                                .endNode = numbers[static_cast<std::size_t>(shell.endNode)],
                                .curvature = 0,
                                .radius = radius,
                                .material = result.material,
                                .discretisationFactor = shell.centre ? 2.0 : 1.0,
                                .intervals = intervals});
        if (result.firstShell == 0)
            result.firstShell = row + 1;
        result.lastShell = row + 1;
    }
    return result;
}

} // namespace venkar
