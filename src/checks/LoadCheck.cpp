#include "checks/LoadCheck.h"

#include "checks/CheckRules.h"
#include "checks/HarmonicLoadCheck.h"
#include "checks/NodeUse.h"
#include "checks/SiloLoadCheck.h"
#include "model/Error.h"
#include "model/Model.h"

#include <vector>

namespace venkar {

namespace {

// "von" fromShell "bis" toShell: in order, and every shell between defined.
// A shell number past the table is not defined, so the walk ends there at
// the latest, however large toShell is.
std::optional<InputFault> shellRange(const Model& model, InputPage page, int row, int fromShell,
                                     int toShell) {
    if (toShell < fromShell)
        return faultAt(page, row, 1, "Schalereihenfolge ist falsch");
    for (int shell = fromShell; shell <= toShell; ++shell)
        if (!model.shells.isDefined(shell - 1))
            return faultAt(page, row, 1, formatText("Schale %d ist nicht definiert", shell));
    return std::nullopt;
}

// Every defined row of `table`: first its numbers in `numberColumns`, then
// `test`.
template <class Record, class Test>
std::optional<InputFault> eachRow(const Table<Record>& table, InputPage page,
                                  std::initializer_list<int> numberColumns, Test test) {
    for (int row : table.definedRows()) {
        if (auto invalid = nonFiniteField(table, page, row, numberColumns))
            return invalid;
        if (auto fault = test(row, table.row(row)))
            return fault;
    }
    return std::nullopt;
}

std::optional<InputFault> nodeLoads(const Model& model, const NodeUse& use) {
    constexpr InputPage page = InputPage::NodeLoads;
    return eachRow(model.nodeLoads, page, {2, 3, 4},
                   [&](int row, const NodeLoadRecord& load) -> std::optional<InputFault> {
                       if (!model.nodes.isDefined(load.node - 1))
                           return faultAt(page, row, 1,
                                          "Der zugehörige Knoten ist nicht definiert !");
                       // A load on a node nothing is built on would act on no
                       // degree of freedom.
                       if (!use.onShell(load.node) && !use.onRing(load.node))
                           return faultAt(page, row, 1, noConnection);
                       return std::nullopt;
                   });
}

std::optional<InputFault> shellLoads(const Model& model) {
    constexpr InputPage page = InputPage::ShellLoads;
    return eachRow(model.shellLoads, page, {3, 4, 5, 6}, [&](int row, const ShellLoadRecord& load) {
        return shellRange(model, page, row, load.fromShell, load.toShell);
    });
}

std::optional<InputFault> pointLoads(const Model& model) {
    constexpr InputPage page = InputPage::PointLoads;
    return eachRow(model.pointLoads, page, {2, 3, 4, 5},
                   [&](int row, const PointLoadRecord& load) -> std::optional<InputFault> {
                       if (!model.shells.isDefined(load.shell - 1))
                           return faultAt(page, row, 1, "Die Schale ist nicht definiert !");
                       if (load.xPosition > 1 || load.xPosition < 0)
                           return faultAt(
                               page, row, 2,
                               "Die X-Position ist nur gültig für Werte zwischen 0 und 1 !");
                       return std::nullopt;
                   });
}

std::optional<InputFault> constraintLoads(const Model& model, const NodeUse& use) {
    constexpr InputPage page = InputPage::ConstraintLoads;
    return eachRow(model.constraintLoads, page, {2, 3, 4},
                   [&](int row, const ZwvRecord& load) -> std::optional<InputFault> {
                       if (!model.nodes.isDefined(load.node - 1))
                           return faultAt(page, row, 1, "Der Knoten ist nicht definiert !");
                       if (!use.onShell(load.node))
                           return faultAt(page, row, 1, noConnection);
                       if (model.nodes.row(load.node - 1).r + load.dispR < 0)
                           return faultAt(page, row, 2,
                                          "Der Knoten wird in negative R-Bereiche verschoben !");
                       return std::nullopt;
                   });
}

template <class Record>
std::optional<InputFault> rangeLoads(const Model& model, const Table<Record>& table, InputPage page,
                                     std::initializer_list<int> numberColumns) {
    return eachRow(table, page, numberColumns, [&](int row, const Record& load) {
        return shellRange(model, page, row, load.fromShell, load.toShell);
    });
}

} // namespace

std::optional<InputFault> checkLoad(const Model& model) {
    const NodeUse use(model);
    if (auto fault = nodeLoads(model, use))
        return fault;
    if (auto fault = shellLoads(model))
        return fault;
    if (auto fault = pointLoads(model))
        return fault;
    if (auto fault = constraintLoads(model, use))
        return fault;
    if (auto fault = rangeLoads(model, model.waterLoads, InputPage::WaterLoads, {3, 4}))
        return fault;
    if (auto fault = rangeLoads(model, model.snowLoads, InputPage::SnowLoads, {3}))
        return fault;
    if (auto fault = rangeLoads(model, model.tempLoads, InputPage::TempLoads, {3, 4}))
        return fault;
    if (auto fault = checkHarmonicLoads(model, use))
        return fault;
    return checkSiloLoads(model);
}

} // namespace venkar
