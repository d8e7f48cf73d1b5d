#pragma once

#include "graphics/PlotResults.h"

namespace venkar {

class AnalysisModel;
class Model;

// The results of a calculation as the plots read them: a view of the
// analysis (nodes, shell elements through each shell's element chain, ring elements, DOF values and
// reactions). Both references are not owned and must stay unchanged while the view is used; the
// analysis must hold valid results of this model.
class AnalysisPlotResults : public PlotResults {
public:
    AnalysisPlotResults(const Model& model, const AnalysisModel& analysis)
        : model_(model), analysis_(analysis) {}

    int nodeCount() const override;
    int analysisNode(int row) const override;
    Vector2 nodePoint(int node) const override;
    PlotDisplacement nodeDisplacement(int node) const override;
    PlotReaction reaction(int node) const override;
    int hingeSide(int node) const override;
    int nodeShell(int node) const override;
    double nodePosition(int node) const override;

    std::vector<PlotElement> shellElements(int shell) const override;
    double elementValue(int element, int component, double l) const override;
    PlotDisplacement elementDisplacement(int element, double l) const override;

    std::vector<PlotRingBeam> ringBeams() const override;

    double maxDisplacement() const override;
    double maxShellResult(int component) const override;
    double maxReactionForce() const override;
    double maxReactionMoment() const override;

    std::shared_ptr<const HarmonicCase> harmonicCase() const override;

private:
    const Model& model_;
    const AnalysisModel& analysis_;
};

} // namespace venkar
