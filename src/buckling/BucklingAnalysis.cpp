#include "buckling/BucklingAnalysis.h"

#include "analysis/AnalysisDriver.h"
#include "buckling/BucklingEigen.h"
#include "buckling/BucklingSeries.h"
#include "buckling/BucklingSystem.h"
#include "harmonic/HarmonicAnalysis.h"
#include "harmonic/HarmonicSystem.h"
#include "model/Model.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <set>

namespace venkar {

namespace {

constexpr int coarseStep = 3;
constexpr int stopRun = 5;
constexpr double stopRatio = 3.0;
constexpr double plateauRatio = 1.01;

class Scan {
public:
    Scan(const Model& model, const HarmonicInput& input, const PrebucklingState& state, int flags)
        : model_(model), input_(input), state_(state), flags_(flags) {}

    // The pencil of harmonic n; false with `error` on failure.
    bool pencil(int n, BucklingPencil& pencil, std::string& error) {
        if (!series_) {
            // Every harmonic's mesh is the same discretisation: its element
            // matrices are built once, with the first.
            AnalysisModel mesh;
            if (!buildHarmonicSystem(model_, input_, {n, HarmonicSet::symmetric}, mesh)) {
                error = std::string(contradictionMessage) + "\n" +
                        harmonicName({n, HarmonicSet::symmetric});
                return false;
            }
            if (!stateFitsMesh(state_, mesh)) {
                error = stateMismatchMessage;
                return false;
            }
            series_.emplace(model_, mesh, state_);
        }
        return buildBucklingPencil(model_, input_, state_, n, flags_, *series_, pencil, error);
    }

    // Solves harmonic n; false with `error` on failure.
    bool evaluate(int n, std::string& error) {
        BucklingPencil pencil;
        if (!this->pencil(n, pencil, error))
            return false;
        const std::optional<Neighbour> near = nearest(n);
        PencilEigen eigen = near ? smallestPositiveFactor(pencil.stiffness, pencil.geometric,
                                                          near->factor, near->mode)
                                 : smallestPositiveFactor(pencil.stiffness, pencil.geometric);
        if (!eigen.stiffnessPositive) {
            error = std::string(singularMessage) + "\n" + harmonicName({n, HarmonicSet::symmetric});
            return false;
        }
        if (!eigen.proven) {
            // Left to the counts, which prove it above the minimum or not.
            unsettled_.insert(n);
            return true;
        }
        solved_[n] = {n, eigen.found, eigen.factor};
        if (eigen.found)
            modes_[n] = std::move(eigen.mode);
        if (eigen.found && (minimum_ < 0 || eigen.factor < solved_[minimum_].factor))
            minimum_ = n;
        return true;
    }

    // The count below σ for harmonic n; -1 on a vanishing pivot.
    bool countBelow(int n, double sigma, int& count, std::string& error) {
        BucklingPencil pencil;
        if (!this->pencil(n, pencil, error))
            return false;
        count = eigenvaluesBelow(pencil.stiffness, pencil.geometric, sigma);
        return true;
    }

    bool solved(int n) const { return solved_.count(n) != 0; }
    bool unsettled(int n) const { return unsettled_.count(n) != 0; }
    int minimum() const { return minimum_; }
    double minimumFactor() const { return solved_.at(minimum_).factor; }
    bool above(int n, double ratio) const {
        const HarmonicFactor& f = solved_.at(n);
        return !f.found || f.factor > ratio * minimumFactor();
    }
    const std::map<int, HarmonicFactor>& all() const { return solved_; }
    // φ of a solved harmonic with a buckling factor, K-normalised.
    const std::vector<double>& mode(int n) const { return modes_.at(n); }

private:
    struct Neighbour {
        double factor = 0.0;
        const std::vector<double>& mode;
    };
    // λ and mode of the nearest harmonic solved with a buckling factor: λ(n)
    // runs smoothly, so it is the shift of the iteration, and the mode its
    // start; none before any.
    std::optional<Neighbour> nearest(int n) const {
        int best = -1;
        for (const auto& [m, f] : solved_)
            if (f.found && (best < 0 || std::abs(m - n) < std::abs(best - n)))
                best = m;
        if (best < 0)
            return std::nullopt;
        return Neighbour{solved_.at(best).factor, modes_.at(best)};
    }

    const Model& model_;
    const HarmonicInput& input_;
    const PrebucklingState& state_;
    int flags_;
    std::optional<BucklingSeries> series_;
    std::map<int, HarmonicFactor> solved_;
    std::map<int, std::vector<double>> modes_; // of the solved harmonics with a factor
    std::set<int> unsettled_;
    int minimum_ = -1;
};

// The mode φ of harmonic n (over its equations) at the element ends,
// normalised.
bool collectMode(const Model& model, const HarmonicInput& input, int n,
                 const std::vector<double>& phi, std::vector<BucklingModeShell>& mode,
                 std::string& error) {
    const Harmonic h{n, HarmonicSet::symmetric};
    AnalysisModel analysis;
    if (!buildHarmonicSystem(model, input, h, analysis)) {
        error = std::string(contradictionMessage) + "\n" + harmonicName(h);
        return false;
    }
    // The homogeneous DOF values: the constants of prescribed displacements
    // belong to the prebuckling state.
    const auto value = [&](int node, int k) {
        double sum = 0.0;
        for (const EquationTerm& term : analysis.dofs.expansion(analysis.dofIndex(node, k)).terms)
            sum += term.factor * phi[static_cast<std::size_t>(term.equation)];
        return sum;
    };
    mode.clear();
    double largest = 0.0;
    double signed_ = 0.0;
    for (int shell : model.shells.definedRows()) {
        BucklingModeShell out;
        out.number = shell + 1;
        const std::vector<int> chain = analysis.shellChain(shell);
        const auto add = [&](int node, double x) {
            const AnalysisNode& point = analysis.nodes[static_cast<std::size_t>(node)];
            BucklingModeStation s{x,
                                  point.r,
                                  point.z,
                                  value(node, 0),
                                  value(node, 1),
                                  value(node, 3),
                                  value(node, 2)};
            for (double d : {s.wr, s.wz, s.v})
                if (std::fabs(d) > largest) {
                    largest = std::fabs(d);
                    signed_ = d;
                }
            out.stations.push_back(s);
        };
        for (int e : chain) {
            const ShellElement& element = analysis.shellElements[static_cast<std::size_t>(e)];
            add(element.startNode, element.startPosition);
        }
        if (!chain.empty()) {
            const ShellElement& last =
                analysis.shellElements[static_cast<std::size_t>(chain.back())];
            add(last.endNode, last.endPosition);
        }
        mode.push_back(std::move(out));
    }
    if (largest > 0.0) {
        // The largest value becomes +1 whatever the sign of φ; held
        // directions stay +0 rather than turn -0 with a negative scale.
        const double scale = 1.0 / signed_;
        const auto scaled = [scale](double& d) { d = d * scale + 0.0; };
        for (BucklingModeShell& shell : mode)
            for (BucklingModeStation& s : shell.stations) {
                scaled(s.wr);
                scaled(s.wz);
                scaled(s.v);
                scaled(s.rotation);
            }
    }
    return true;
}

} // namespace

bool analyseBuckling(const Model& model, const HarmonicInput& input, const BucklingOptions& options,
                     BucklingResult& result, std::string& error) {
    result = BucklingResult{};
    error.clear();
    if (options.hasHarmonicLoads || !input.shellLoads.empty() || !input.bandLoads.empty() ||
        !input.nodeLoads.empty()) {
        error = bucklingHarmonicLoadsMessage;
        return false;
    }
    const int from = std::clamp(options.firstHarmonic, 0, maxBucklingHarmonic);
    const int to = std::clamp(options.lastHarmonic, from, maxBucklingHarmonic);
    result.firstHarmonic = from;
    result.lastHarmonic = to;

    const int flags = options.flags | (model.selfWeight() ? selfWeightFlag : 0);
    PrebucklingState state;
    if (!prebucklingState(model, input, options.flags, state, error))
        return false;
    if (!state.anyCompression()) {
        result.message = noCompressionMessage;
        return true;
    }

    Scan scan(model, input, state, flags);
    // Coarse.
    int last = to;
    int run = 0;
    for (int n = from; n <= to; n += coarseStep) {
        if (!scan.evaluate(n, error))
            return false;
        run = scan.minimum() >= 0 && (scan.unsettled(n) || scan.above(n, stopRatio)) ? run + 1 : 0;
        if (run >= stopRun) {
            last = n;
            break;
        }
    }
    // Every harmonic next to the smallest.
    if (scan.minimum() >= 0) {
        const int centre = scan.minimum();
        for (int n = std::max(from, centre - coarseStep + 1);
             n <= std::min(last, centre + coarseStep - 1); ++n)
            if (!scan.solved(n) && !scan.evaluate(n, error))
                return false;
    }
    // The counts for the rest.
    std::set<int> proven;
    for (bool again = scan.minimum() >= 0; again;) {
        again = false;
        const double sigma = plateauRatio * scan.minimumFactor();
        for (int n = from; n <= last; ++n) {
            if (scan.solved(n) || proven.count(n) != 0)
                continue;
            int count = 0;
            if (!scan.countBelow(n, sigma, count, error))
                return false;
            if (count == 0) {
                proven.insert(n);
                continue;
            }
            if (scan.unsettled(n)) {
                error = "Beulanalyse: Eigenwertiteration konvergiert nicht\n" +
                        harmonicName({n, HarmonicSet::symmetric});
                return false;
            }
            const int before = scan.minimum();
            if (!scan.evaluate(n, error))
                return false;
            if (scan.minimum() != before)
                again = true;
        }
    }
    result.lastHarmonic = last;
    for (const auto& [n, factor] : scan.all())
        result.perHarmonic.push_back(factor);
    result.provenHarmonics.assign(proven.begin(), proven.end());
    if (scan.minimum() < 0) {
        result.message = "Kein Beulen in den Harmonischen " + std::to_string(from) + " bis " +
                         std::to_string(last);
        return true;
    }
    result.buckles = true;
    result.criticalHarmonic = scan.minimum();
    result.criticalFactor = scan.minimumFactor();
    for (const HarmonicFactor& f : result.perHarmonic)
        if (f.found && f.factor <= plateauRatio * result.criticalFactor)
            result.plateau.push_back(f.n);
    return collectMode(model, input, result.criticalHarmonic, scan.mode(result.criticalHarmonic),
                       result.mode, error);
}

} // namespace venkar
