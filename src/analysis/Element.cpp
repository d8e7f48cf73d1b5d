#include "analysis/Element.h"

#include "analysis/AnalysisModel.h"

namespace venkar {

const Dof& Element::dof(const AnalysisModel& analysis, int k) const {
    return analysis.dofs[globalDof(analysis, k)];
}

} // namespace venkar
