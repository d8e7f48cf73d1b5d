#include "harmonic/HarmonicSystem.h"

#include "analysis/AnalysisModel.h"
#include "analysis/Assembly.h"
#include "analysis/ConstraintElimination.h"
#include "analysis/ConstraintGeneration.h"
#include "analysis/Discretisation.h"
#include "analysis/ProfileOrdering.h"
#include "analysis/SkylineMatrix.h"
#include "geometry/ShellMaterial.h"
#include "harmonic/HarmonicLoadShare.h"
#include "harmonic/HarmonicRing.h"
#include "harmonic/HarmonicStiffnessSeries.h"
#include "model/Model.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace venkar {

namespace {

constexpr int wr = 0;
constexpr int wz = 1;
constexpr int rotation = 2;
constexpr int v = 3;

bool symmetricZero(Harmonic h) {
    return h.n == 0 && h.set == HarmonicSet::symmetric;
}

void fix(AnalysisModel& analysis, int node, int k) {
    analysis.addConstraint().add(node, k, 1.0);
}

void tie(AnalysisModel& analysis, int a, int b, int k) {
    Constraint& constraint = analysis.addConstraint();
    constraint.add(a, k, 1.0);
    constraint.add(b, k, -1.0);
}

bool vHeld(const Model& model, const HarmonicInput& input, int row) {
    for (const CircumferentialSupport& support : input.circumferentialSupports)
        if (support.node == row + 1)
            return support.held != 0;
    return model.nodes.row(row).supportR != 0;
}

void addAxisConditions(AnalysisModel& analysis, Harmonic h) {
    for (int node = 0; node < static_cast<int>(analysis.nodes.size()); ++node) {
        if (analysis.nodes[static_cast<std::size_t>(node)].r != 0.0)
            continue;
        if (h.n == 0) {
            if (h.set == HarmonicSet::symmetric) {
                fix(analysis, node, wr);
                fix(analysis, node, rotation);
            } else {
                fix(analysis, node, v);
            }
        } else if (h.n == 1) {
            fix(analysis, node, wz);
            Constraint& sway = analysis.addConstraint();
            sway.add(node, wr, 1.0);
            sway.add(node, v, h.set == HarmonicSet::symmetric ? 1.0 : -1.0);
        } else {
            for (int k : {wr, wz, rotation, v})
                fix(analysis, node, k);
        }
    }
}

// The node pairs of hinges: where a shell's chain does not run on through
// one node (at the shell's ends too).
void addHingeContinuity(const Model& model, AnalysisModel& analysis) {
    for (int shell : model.shells.definedRows()) {
        const std::vector<int> chain = analysis.shellChain(shell);
        if (chain.empty())
            continue;
        int previous = analysis.analysisNode(model.shells.row(shell).startNode - 1);
        for (int e : chain) {
            const ShellElement& element = analysis.shellElements[static_cast<std::size_t>(e)];
            if (previous >= 0 && element.startNode != previous)
                tie(analysis, previous, element.startNode, v);
            previous = element.endNode;
        }
        const int end = analysis.analysisNode(model.shells.row(shell).endNode - 1);
        if (end >= 0 && end != previous)
            tie(analysis, previous, end, v);
    }
}

void addRingContinuity(const Model& model, AnalysisModel& analysis) {
    for (const RingElement& ring : analysis.ringElements) {
        const int origin = analysis.analysisNode(model.rings.row(ring.ringIndex()).node - 1);
        if (origin >= 0 && origin != ring.node(0))
            tie(analysis, origin, ring.node(0), v);
    }
}

void createFourDofs(AnalysisModel& analysis) {
    analysis.dofs.create(4 * static_cast<int>(analysis.nodes.size()));
    for (std::size_t n = 0; n < analysis.nodes.size(); ++n)
        analysis.nodes[n].firstDof = 4 * static_cast<int>(n);
}

// The DOF indices of a shell element (8) or ring element (4).
struct ElementDofs {
    std::array<int, 8> index{};
    int count = 0;
};

ElementDofs shellDofs(const AnalysisModel& analysis, const ShellElement& element) {
    ElementDofs dofs;
    dofs.count = 8;
    for (int k = 0; k < 4; ++k) {
        dofs.index[static_cast<std::size_t>(k)] = analysis.dofIndex(element.startNode, k);
        dofs.index[static_cast<std::size_t>(k + 4)] = analysis.dofIndex(element.endNode, k);
    }
    return dofs;
}

ElementDofs ringDofs(const AnalysisModel& analysis, const RingElement& ring) {
    ElementDofs dofs;
    dofs.count = 4;
    for (int k = 0; k < 4; ++k)
        dofs.index[static_cast<std::size_t>(k)] = analysis.dofIndex(ring.node(0), k);
    return dofs;
}

// The expansions u = Σ a·U(e) - g of an element's DOFs.
struct Expansions {
    std::array<DofExpansion, 8> of;
    int count = 0;

    void fill(const AnalysisModel& analysis, const ElementDofs& dofs) {
        count = dofs.count;
        for (int k = 0; k < count; ++k) {
            DofExpansion& e = of[static_cast<std::size_t>(k)];
            e.terms.clear();
            e.constant = 0.0;
            analysis.dofs.expand(dofs.index[static_cast<std::size_t>(k)], e);
        }
    }
};

template <std::size_t order>
double entry(const std::array<std::array<double, order>, order>& k, std::size_t p, std::size_t q) {
    return k[p][q];
}

double entry(const PackedHarmonicSquare& k, std::size_t p, std::size_t q) {
    return k(p, q);
}

// As today's assembly: a_i·K(p, q)·b_j to the entry (e_j, e_i) for
// e_j >= e_i, and a_i·K(p, q)·g_q to the right-hand side at e_i. `dof(p)`
// is the map's index of the element's DOF p.
template <class Square, class DofOf>
void addElement(const HarmonicAssemblyMap& map, int count, DofOf dof, const Square& k,
                SkylineMatrix& matrix, RealMatrix& rightHandSide) {
    std::array<std::span<const EquationTerm>, 8> terms;
    std::array<double, 8> constant{};
    bool plain = true; // every DOF one equation of its own with factor 1
    for (int p = 0; p < count; ++p) {
        const auto at = static_cast<std::size_t>(p);
        terms[at] = map.terms(dof(p));
        constant[at] = map.constant(dof(p));
        plain = plain && terms[at].size() == 1 && terms[at][0].factor == 1.0 && constant[at] == 0.0;
    }
    if (plain) {
        // The usual element: no constraint reaches into it. The products
        // are the general path's, 1·K(p, q)·1.
        for (int p = 0; p < count; ++p) {
            const int i = terms[static_cast<std::size_t>(p)][0].equation;
            for (int q = 0; q < count; ++q) {
                const int j = terms[static_cast<std::size_t>(q)][0].equation;
                if (j >= i)
                    matrix.addEntry(
                        j, i,
                        1.0 * entry(k, static_cast<std::size_t>(p), static_cast<std::size_t>(q)) *
                            1.0);
            }
        }
        return;
    }
    for (int p = 0; p < count; ++p) {
        const std::span<const EquationTerm> row = terms[static_cast<std::size_t>(p)];
        for (int q = 0; q < count; ++q) {
            const std::span<const EquationTerm> column = terms[static_cast<std::size_t>(q)];
            const double kpq = entry(k, static_cast<std::size_t>(p), static_cast<std::size_t>(q));
            for (const EquationTerm& i : row)
                for (const EquationTerm& j : column)
                    if (j.equation >= i.equation)
                        matrix.addEntry(j.equation, i.equation, i.factor * kpq * j.factor);
            for (const EquationTerm& i : row)
                rightHandSide.at(i.equation) +=
                    i.factor * kpq * constant[static_cast<std::size_t>(q)];
        }
    }
}

// Numbers the equations along the chains of elements: in table order a
// shell's end nodes come before its interior, and the profile of a tower of
// many shells grows with the square of their count. The nodes are ordered
// (a node couples with the nodes its elements' DOFs expand into), and each
// node's equations keep their order within it.
void orderEquations(AnalysisModel& analysis) {
    const int equations = analysis.dofs.equationCount();
    std::vector<int> nodeOfEquation(static_cast<std::size_t>(equations));
    for (int i = 0; i < analysis.dofs.size(); ++i)
        if (!analysis.dofs[i].dependent)
            nodeOfEquation[static_cast<std::size_t>(analysis.dofs[i].equation)] = i / 4;
    const auto nodes = static_cast<int>(analysis.nodes.size());
    CouplingGraph graph(nodes);
    Expansions expansions;
    std::vector<int> clique;
    const auto add = [&](const ElementDofs& dofs) {
        expansions.fill(analysis, dofs);
        clique.clear();
        for (int k = 0; k < expansions.count; ++k)
            for (const EquationTerm& term : expansions.of[static_cast<std::size_t>(k)].terms)
                clique.push_back(nodeOfEquation[static_cast<std::size_t>(term.equation)]);
        // Each node holds several of the element's equations.
        std::sort(clique.begin(), clique.end());
        clique.erase(std::unique(clique.begin(), clique.end()), clique.end());
        graph.addClique(clique);
    };
    for (const ShellElement& element : analysis.shellElements)
        add(shellDofs(analysis, element));
    for (const RingElement& ring : analysis.ringElements)
        add(ringDofs(analysis, ring));

    const std::vector<int> position = graph.reverseCuthillMcKee();
    std::vector<int> nodeAt(static_cast<std::size_t>(nodes));
    for (int node = 0; node < nodes; ++node)
        nodeAt[static_cast<std::size_t>(position[static_cast<std::size_t>(node)])] = node;
    std::vector<int> newNumber(static_cast<std::size_t>(equations));
    int next = 0;
    for (int node : nodeAt)
        for (int k = 0; k < 4; ++k) {
            const Dof& dof = analysis.dof(node, k);
            if (!dof.dependent)
                newNumber[static_cast<std::size_t>(dof.equation)] = next++;
        }
    analysis.dofs.renumberEquations(newNumber);
}

void applyHarmonicNodeLoads(const Model& model, const HarmonicInput& input, Harmonic h,
                            AnalysisModel& analysis, RealMatrix& rightHandSide) {
    for (const HarmonicNodeLoad& load : input.nodeLoads) {
        if (load.harmonic != h.n)
            continue;
        const int row = load.node - 1;
        if (row < 0 || row >= model.nodes.count() || !model.nodes.isDefined(row))
            continue;
        const int node = analysis.analysisNode(row);
        if (node < 0)
            continue;
        const LoadShare share = loadShare(h, load.phase);
        const double r = analysis.nodes[static_cast<std::size_t>(node)].r;
        const double a = share.likeU * h.factorA() * r;
        const double b = share.likeV * h.factorB() * r;
        const std::array<double, 4> values{load.forceR * a, load.forceZ * a, load.moment * a,
                                           load.forceV * b};
        for (int k = 0; k < 4; ++k)
            if (values[static_cast<std::size_t>(k)] != 0.0)
                applyNodeLoad(analysis, node, k, values[static_cast<std::size_t>(k)],
                              rightHandSide);
    }
}

// The share of every band load on the element's shell: the part of the
// element between the band's depths, found along its chord. An element
// without a change of z (a plate) lies in no band.
void addBandLoads(const Model& model, const HarmonicInput& input, Harmonic h,
                  const AnalysisModel& analysis, const ShellElement& element, HarmonicRow& f) {
    const AnalysisNode& start = analysis.nodes[static_cast<std::size_t>(element.startNode)];
    const AnalysisNode& end = analysis.nodes[static_cast<std::size_t>(element.endNode)];
    const double rise = end.z - start.z;
    if (rise == 0.0)
        return;
    // The element, built only where a band load lies on its shell.
    std::optional<HarmonicElement> shape;
    for (const HarmonicBandLoad& load : input.bandLoads) {
        if (load.harmonic != h.n || load.shell != element.shellNumber)
            continue;
        if (!shape)
            shape.emplace(harmonicElement(model, analysis, element, h));
        const double c = std::cos(shape->angle());
        const double s = std::sin(shape->angle());
        const auto xiAt = [&](double z) { return -1.0 + 2.0 * (z - start.z) / rise; };
        const double from = std::max(std::min(xiAt(load.top), xiAt(load.bottom)), -1.0);
        const double to = std::min(std::max(xiAt(load.top), xiAt(load.bottom)), 1.0);
        if (!(to > from))
            continue;
        const double scale = loadShare(h, load.phase).likeU;
        const double normal = scale * (-load.radial * s + load.axial * c);
        const double meridional = scale * (load.radial * c + load.axial * s);
        const HarmonicRow part = shape->partialLoad(from, to, normal, meridional);
        for (std::size_t p = 0; p < 8; ++p)
            f[p] += part[p];
    }
}

} // namespace

const HarmonicRingSection* ringSection(const HarmonicInput& input, int ringIndex) {
    for (const HarmonicRingSection& section : input.ringSections)
        if (section.ring == ringIndex + 1)
            return &section;
    return nullptr;
}

ElementMaterial harmonicMaterial(const Model& model, const ShellElement& element) {
    const MatRecord& m = shellMaterial(model, element.shellIndex());
    return {m.youngsModulus,  m.poissonRatio,   m.wallThickness,
            m.specificWeight, m.beddingModulus, m.thermalCoefficient};
}

HarmonicElement harmonicElement(const Model& model, const AnalysisModel& analysis,
                                const ShellElement& element, Harmonic h) {
    const AnalysisNode& start = analysis.nodes[static_cast<std::size_t>(element.startNode)];
    const AnalysisNode& end = analysis.nodes[static_cast<std::size_t>(element.endNode)];
    return HarmonicElement({start.r, start.z}, {end.r, end.z}, harmonicMaterial(model, element), h);
}

HarmonicRow harmonicElementLoad(const Model& model, const HarmonicInput& input, Harmonic h,
                                const AnalysisModel& analysis, const ShellElement& element,
                                int flags, const HarmonicLoadBasis& basis) {
    HarmonicRow f{};
    if (symmetricZero(h)) {
        const RealMatrix today = element.loadVector(model, analysis, flags);
        for (int i = 0; i < 6; ++i)
            f[static_cast<std::size_t>(i < 3 ? i : i + 1)] = today(i, 0);
    }
    const auto along = [](double start, double end, double x) {
        return (1.0 - x) * start + x * end;
    };
    for (const HarmonicShellLoad& load : input.shellLoads) {
        if (load.harmonic != h.n || load.shell != element.shellNumber)
            continue;
        const LoadShare share = loadShare(h, load.phase);
        const double x0 = element.startPosition;
        const double x1 = element.endPosition;
        const HarmonicRow part = basis.forces(
            h, share.likeU * along(load.normalStart, load.normalEnd, x0),
            share.likeU * along(load.normalStart, load.normalEnd, x1),
            share.likeU * along(load.meridionalStart, load.meridionalEnd, x0),
            share.likeU * along(load.meridionalStart, load.meridionalEnd, x1),
            share.likeV * along(load.circumferentialStart, load.circumferentialEnd, x0),
            share.likeV * along(load.circumferentialStart, load.circumferentialEnd, x1));
        for (std::size_t p = 0; p < 8; ++p)
            f[p] += part[p];
    }
    addBandLoads(model, input, h, analysis, element, f);
    return f;
}

bool buildHarmonicSystem(const Model& model, const HarmonicInput& input, Harmonic h,
                         AnalysisModel& analysis) {
    DiscretisationOptions options;
    options.axisConstraints = false;
    options.supportsYieldToPrescribed = symmetricZero(h);
    discretise(model, analysis, options);
    if (symmetricZero(h))
        addPrescribedDisplacements(model, analysis);

    for (int row : model.nodes.definedRows()) {
        const int node = analysis.analysisNode(row);
        if (node >= 0 && vHeld(model, input, row))
            fix(analysis, node, v);
    }
    addHingeContinuity(model, analysis);
    addRingContinuity(model, analysis);
    addAxisConditions(analysis, h);
    for (int node = 0; node < static_cast<int>(analysis.nodes.size()); ++node) {
        if (symmetricZero(h))
            fix(analysis, node, v);
        else if (h.n == 0)
            for (int k : {wr, wz, rotation})
                fix(analysis, node, k);
    }

    createFourDofs(analysis);
    if (eliminateConstraints(analysis) != constraintsConsistent)
        return false;
    analysis.dofs.numberEquations();
    orderEquations(analysis);
    return true;
}

void assembleHarmonicSystem(const Model& model, const HarmonicInput& input, Harmonic h,
                            AnalysisModel& analysis, int flags, SkylineMatrix& matrix,
                            RealMatrix& rightHandSide) {
    assembleHarmonicSystem(model, input, h, analysis, flags, MeshStiffnessSeries(model, analysis),
                           matrix, rightHandSide);
}

void harmonicElementTerms(const Model& model, const HarmonicInput& input,
                          std::span<const Harmonic> harmonics, const AnalysisModel& analysis,
                          int flags, const MeshStiffnessSeries& stiffness,
                          std::vector<HarmonicElementTerms>& terms) {
    const std::size_t elements = analysis.shellElements.size();
    terms.resize(harmonics.size());
    for (HarmonicElementTerms& own : terms) {
        own.stiffness.resize(elements);
        own.loads.resize(elements);
    }
    // Elements outside, harmonics inside: each element's series is read
    // from memory once for all of them.
    for (std::size_t e = 0; e < elements; ++e) {
        const HarmonicStiffnessSeries& series = stiffness.series(e);
        for (std::size_t k = 0; k < harmonics.size(); ++k) {
            terms[k].stiffness[e] = series.packedAt(harmonics[k]);
            terms[k].loads[e] = harmonicElementLoad(model, input, harmonics[k], analysis,
                                                    analysis.shellElements[e], flags, series.loads);
        }
    }
}

HarmonicAssemblyMap::HarmonicAssemblyMap(const AnalysisModel& analysis)
    : shells_(analysis.shellElements.size()) {
    Expansions expansions;
    start_.push_back(0);
    const auto add = [&](const ElementDofs& dofs) {
        expansions.fill(analysis, dofs);
        for (int k = 0; k < expansions.count; ++k) {
            const DofExpansion& e = expansions.of[static_cast<std::size_t>(k)];
            terms_.insert(terms_.end(), e.terms.begin(), e.terms.end());
            start_.push_back(terms_.size());
            constants_.push_back(e.constant);
        }
    };
    for (const ShellElement& element : analysis.shellElements)
        add(shellDofs(analysis, element));
    for (const RingElement& ring : analysis.ringElements)
        add(ringDofs(analysis, ring));
}

void HarmonicAssemblyMap::noteProfile(SkylineMatrix& matrix) const {
    // Each element reaches from its lowest equation to every one of its own.
    const auto note = [&](std::size_t first, std::size_t count) {
        int lowest = -1;
        for (std::size_t dof = first; dof < first + count; ++dof)
            for (const EquationTerm& term : terms(dof))
                if (lowest < 0 || term.equation < lowest)
                    lowest = term.equation;
        if (lowest < 0)
            return;
        for (std::size_t dof = first; dof < first + count; ++dof)
            for (const EquationTerm& term : terms(dof))
                matrix.noteHeight(term.equation, term.equation - lowest + 1);
    };
    for (std::size_t e = 0; e < shells_; ++e)
        note(shellDof(e, 0), 8);
    for (std::size_t r = 0; 8 * shells_ + 4 * r < constants_.size(); ++r)
        note(ringDof(r, 0), 4);
    matrix.finaliseProfile();
}

void assembleHarmonicTerms(const Model& model, const HarmonicInput& input, Harmonic h,
                           AnalysisModel& analysis, const HarmonicAssemblyMap& map,
                           const HarmonicElementTerms& terms, SkylineMatrix& matrix,
                           RealMatrix& rightHandSide) {
    for (std::size_t e = 0; e < analysis.shellElements.size(); ++e)
        addElement(
            map, 8, [&](int k) { return map.shellDof(e, k); }, terms.stiffness[e], matrix,
            rightHandSide);
    for (std::size_t r = 0; r < analysis.ringElements.size(); ++r) {
        const RingElement& ring = analysis.ringElements[r];
        const double radius = analysis.nodes[static_cast<std::size_t>(ring.node(0))].r;
        addElement(
            map, 4, [&](int k) { return map.ringDof(r, k); },
            harmonicRingStiffness(radius, model.rings.row(ring.ringIndex()),
                                  ringSection(input, ring.ringIndex()), h),
            matrix, rightHandSide);
    }

    if (symmetricZero(h)) {
        // Today's node and point loads; the element loads follow with the
        // harmonic ones.
        assembleNodeAndPointLoads(model, analysis, rightHandSide);
    }
    applyHarmonicNodeLoads(model, input, h, analysis, rightHandSide);
    for (std::size_t e = 0; e < analysis.shellElements.size(); ++e) {
        const ShellElement& element = analysis.shellElements[e];
        const HarmonicRow& f = terms.loads[e];
        for (int k = 0; k < 4; ++k) {
            if (f[static_cast<std::size_t>(k)] != 0.0)
                applyNodeLoad(analysis, element.startNode, k, f[static_cast<std::size_t>(k)],
                              rightHandSide);
            if (f[static_cast<std::size_t>(k + 4)] != 0.0)
                applyNodeLoad(analysis, element.endNode, k, f[static_cast<std::size_t>(k + 4)],
                              rightHandSide);
        }
    }
}

void assembleHarmonicSystem(const Model& model, const HarmonicInput& input, Harmonic h,
                            AnalysisModel& analysis, int flags,
                            const MeshStiffnessSeries& stiffness, SkylineMatrix& matrix,
                            RealMatrix& rightHandSide) {
    const HarmonicAssemblyMap map(analysis);
    map.noteProfile(matrix);
    std::vector<HarmonicElementTerms> terms;
    harmonicElementTerms(model, input, std::span(&h, 1), analysis, flags, stiffness, terms);
    assembleHarmonicTerms(model, input, h, analysis, map, terms.front(), matrix, rightHandSide);
}

} // namespace venkar
