#include "analysis/ConstraintElimination.h"

#include "analysis/AnalysisModel.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>

namespace venkar {

namespace {

constexpr double tolerance = 1e-15;

// One constraint row of the elimination matrix, stored sparsely: the
// nonzero coefficients in ascending column order and the constant.
struct SparseRow {
    std::vector<std::pair<int, double>> entries;
    double constant = 0.0;
    int lead = 0; // first column with |coefficient| >= tolerance; the DOF count when none
};

int leadingColumn(const SparseRow& row, int dofCount) {
    for (const auto& [column, value] : row.entries)
        if (std::fabs(value) >= tolerance)
            return column;
    return dofCount;
}

double coefficient(const SparseRow& row, int column) {
    const auto it = std::lower_bound(row.entries.begin(), row.entries.end(),
                                     std::pair<int, double>{column, -INFINITY});
    return it != row.entries.end() && it->first == column ? it->second : 0.0;
}

// A later term on the same DOF replaces an earlier one.
SparseRow buildRow(const AnalysisModel& analysis, const Constraint& constraint) {
    SparseRow row;
    for (const ConstraintTerm& term : constraint.terms)
        row.entries.emplace_back(analysis.dofIndex(term.node, term.dof), term.factor);
    std::stable_sort(row.entries.begin(), row.entries.end(),
                     [](const auto& l, const auto& r) { return l.first < r.first; });
    std::vector<std::pair<int, double>> unique;
    for (const auto& entry : row.entries) {
        if (!unique.empty() && unique.back().first == entry.first)
            unique.back().second = entry.second;
        else
            unique.push_back(entry);
    }
    row.entries = std::move(unique);
    row.constant = constraint.c;
    return row;
}

// Row b -= h·row p over the columns from `lead` on, h chosen to clear
// column `lead`; every value of b in that range that falls below the
// tolerance becomes 0 (it is dropped), also where p has no entry.
void subtractPivot(SparseRow& b, const SparseRow& p, int lead) {
    const double h = coefficient(b, lead) / coefficient(p, lead);
    std::vector<std::pair<int, double>> result;
    result.reserve(b.entries.size() + p.entries.size());
    auto keep = [&](int column, double value) {
        if (!(std::fabs(value) < tolerance))
            result.emplace_back(column, value);
    };
    auto bi = b.entries.begin();
    for (; bi != b.entries.end() && bi->first < lead; ++bi)
        result.push_back(*bi);
    auto pi = std::lower_bound(p.entries.begin(), p.entries.end(),
                               std::pair<int, double>{lead, -INFINITY});
    while (bi != b.entries.end() || pi != p.entries.end()) {
        if (pi == p.entries.end() || (bi != b.entries.end() && bi->first < pi->first)) {
            keep(bi->first, bi->second - h * 0.0);
            ++bi;
        } else if (bi == b.entries.end() || pi->first < bi->first) {
            keep(pi->first, 0.0 - h * pi->second);
            ++pi;
        } else {
            keep(bi->first, bi->second - h * pi->second);
            ++bi;
            ++pi;
        }
    }
    b.entries = std::move(result);
    b.constant -= h * p.constant;
    if (std::fabs(b.constant) < tolerance)
        b.constant = 0.0;
}

// The reduced row makes its leading DOF dependent: u_d = -(C + Σ f_j·u_j)
// with f_j = M[j]/M[d] and C = constant/M[d].
void makeDependent(AnalysisModel& analysis, const SparseRow& row) {
    const int d = row.lead;
    const double pivot = coefficient(row, d);
    Dof& dof = analysis.dofs[d];
    dof.dependent = 1;
    for (const auto& [column, value] : row.entries)
        if (column > d && std::fabs(value) > tolerance)
            dof.couplings.push_back({column, value / pivot});
    dof.constant = row.constant / pivot;
}

} // namespace

// The elimination works on a conceptual m x (n + 1) matrix whose rows keep a
// position: the pivot of each step is the row with the smallest leading
// column (the first in position order on a tie), swapped into the next
// pivot position; a row reduced to nothing is removed and the rows after it
// move up. Positions are kept as ordering keys (a swap exchanges keys, a
// removal drops one), and the rows are kept sorted by (leading column, key),
// so each step touches only the rows that have the pivot's leading column.
// Memory and time follow the number of constraint terms, never m x n.
EliminationResult eliminateConstraints(AnalysisModel& analysis) {
    const int dofCount = analysis.dofs.size();
    std::vector<SparseRow> rows;
    rows.reserve(analysis.constraints.size());
    for (const Constraint& constraint : analysis.constraints)
        rows.push_back(buildRow(analysis, constraint));

    std::vector<int> rowOfKey(rows.size());
    std::set<int> activeKeys;
    std::set<std::pair<int, int>> byLead; // (leading column, key) of the rows not yet pivots
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SparseRow& row = rows[i];
        row.lead = leadingColumn(row, dofCount);
        if (row.lead == dofCount) {
            if (std::fabs(row.constant) > tolerance)
                return constraintsContradict;
            continue; // redundant
        }
        const int key = static_cast<int>(i);
        rowOfKey[i] = static_cast<int>(i);
        activeKeys.insert(key);
        byLead.insert({row.lead, key});
    }

    std::vector<int> pivots;
    while (byLead.size() >= 2) {
        const auto [lead, chosenKey] = *byLead.begin();
        const int chosen = rowOfKey[static_cast<std::size_t>(chosenKey)];
        const int firstKey = *activeKeys.begin();
        byLead.erase(byLead.begin());
        if (firstKey != chosenKey) {
            // The row in the pivot position takes the chosen row's place.
            const int displaced = rowOfKey[static_cast<std::size_t>(firstKey)];
            const int displacedLead = rows[static_cast<std::size_t>(displaced)].lead;
            byLead.erase({displacedLead, firstKey});
            byLead.insert({displacedLead, chosenKey});
            rowOfKey[static_cast<std::size_t>(chosenKey)] = displaced;
        }
        activeKeys.erase(firstKey);
        pivots.push_back(chosen);

        // Every row is reduced at most once per pivot. A row whose coefficient
        // in the pivot column is not above the tolerance, or keeps a rounding
        // remainder there, keeps that leading column.
        const SparseRow& pivot = rows[static_cast<std::size_t>(chosen)];
        std::vector<int> keys;
        for (auto it = byLead.begin(); it != byLead.end() && it->first == lead; ++it)
            keys.push_back(it->second);
        for (int key : keys) {
            SparseRow& row =
                rows[static_cast<std::size_t>(rowOfKey[static_cast<std::size_t>(key)])];
            if (!(std::fabs(coefficient(row, lead)) > tolerance))
                continue;
            subtractPivot(row, pivot, lead);
            byLead.erase({lead, key});
            row.lead = leadingColumn(row, dofCount);
            if (row.lead == dofCount) {
                if (std::fabs(row.constant) > tolerance)
                    return constraintsContradict;
                activeKeys.erase(key); // redundant: removed
                continue;
            }
            byLead.insert({row.lead, key});
        }
    }
    if (!byLead.empty())
        pivots.push_back(rowOfKey[static_cast<std::size_t>(byLead.begin()->second)]);

    for (int index : pivots)
        makeDependent(analysis, rows[static_cast<std::size_t>(index)]);
    return constraintsConsistent;
}

} // namespace venkar
