#include "checks/SystemCheck.h"

#include "checks/CheckRules.h"
#include "checks/HarmonicLoadCheck.h"
#include "geometry/ShellGeometry.h"
#include "model/Model.h"

#include <cmath>
#include <map>
#include <utility>

namespace venkar {

namespace {

constexpr double onAxis = 1e-10;

// The node's coordinates and inclination must be numbers before a shell or
// a ring is built on them.
std::optional<InputFault> nodeNumbers(const Model& model, int nodeNumber) {
    return nonFiniteField(model.nodes, InputPage::Nodes, nodeNumber - 1, {1, 2, 6});
}

// Steps along the meridian by repeated addition of 0.001, as far as x <= 1.
bool reachesNegativeRadius(const Model& model, int shell) {
    for (double x = 0.0; x <= 1.0; x += 0.001)
        if (pointAt(model, shell, x).x < 0.0)
            return true;
    return false;
}

std::optional<InputFault> materialValues(const Model& model, int materialRow) {
    const MatRecord& m = model.materials.row(materialRow);
    const auto fault = [&](int column, const char* message) {
        return faultAt(InputPage::Materials, materialRow, column, message);
    };
    if (!(m.youngsModulus > 0))
        return fault(1, "Ungültiger E-Modul !");
    if (!(m.wallThickness > 0))
        return fault(2, "Ungültige Wanddicke !");
    if (m.poissonRatio < 0 || m.poissonRatio > 0.5)
        return fault(3, "Ungültige Querkontraktionszahl !");
    if (m.specificWeight < 0)
        return fault(4, "Ungültiges spezifisches Gewicht !");
    if (m.beddingModulus < 0)
        return fault(5, "Ungültige Bettungskonstante !");
    if (m.thermalCoefficient < 0)
        return fault(6, "Ungültige Temperaturausdehnung !");
    return std::nullopt;
}

// The references of a shell and the numbers they lead to.
std::optional<InputFault> shellReferences(const Model& model, int shell) {
    const ShellRecord& s = model.shells.row(shell);
    const auto fault = [&](int column, const char* message) {
        return faultAt(InputPage::Shells, shell, column, message);
    };
    if (auto invalid = nonFiniteField(model.shells, InputPage::Shells, shell, {5}))
        return invalid;
    if (!model.nodes.isDefined(s.startNode - 1))
        return fault(1, "Der erste Knoten ist nicht definiert !");
    if (!model.nodes.isDefined(s.endNode - 1))
        return fault(2, "Der zweite Knoten ist nicht definiert !");
    if (auto invalid = nodeNumbers(model, s.startNode))
        return invalid;
    if (auto invalid = nodeNumbers(model, s.endNode))
        return invalid;
    if (equals(startPoint(model, shell), endPoint(model, shell)))
        return fault(2, "Schalenlänge ist Null !");
    if (!model.materials.isDefined(s.material - 1))
        return fault(3, "Material ist nicht definiert !");
    return nonFiniteField(model.materials, InputPage::Materials, s.material - 1,
                          {1, 2, 3, 4, 5, 6});
}

std::optional<InputFault> checkShell(const Model& model, int shell) {
    if (auto fault = shellReferences(model, shell))
        return fault;

    const ShellRecord& s = model.shells.row(shell);
    const auto fault = [&](int column, const char* message) {
        return faultAt(InputPage::Shells, shell, column, message);
    };
    if (reachesNegativeRadius(model, shell))
        return fault(1, "Ein Teil der Schale hat negative R-Koordinate !");
    if (startPoint(model, shell).x < onAxis && endPoint(model, shell).x < onAxis)
        return fault(1, "Schale liegt an der Symetrieachse !");
    if (auto materialFault = materialValues(model, s.material - 1))
        return materialFault;
    if (s.radius != 0 && std::fabs(s.radius) < 0.5 * chordLength(model, shell))
        return fault(5, "Zu kleiner Radius !");
    // The division steps by the element length over this factor: a negative
    // or unbounded one would never reach the end of the shell.
    if (!(std::isfinite(s.discretisationFactor) && s.discretisationFactor >= 0))
        return fault(6, "Ungültiger Diskretisierungsfaktor !");
    // The reports print a line per interval: a huge count would write
    // without end.
    if (s.intervals > maxShellIntervals)
        return fault(7, "Zu viele Intervalle !");
    return std::nullopt;
}

std::optional<InputFault> checkHinge(const Model& model, int hinge) {
    if (auto invalid = nonFiniteField(model.hinges, InputPage::Hinges, hinge, {2}))
        return invalid;
    const HingeRecord& h = model.hinges.row(hinge);
    if (!model.shells.isDefined(h.shell - 1))
        return faultAt(InputPage::Hinges, hinge, 1, "Schale nicht definiert !");
    // The grid clamps the position to the shell; a file can hold any value,
    // and a hinge outside the shell would add elements beyond its ends.
    if (h.xPosition < 0.0 || h.xPosition > 1.0)
        return faultAt(InputPage::Hinges, hinge, 2,
                       "Die X-Position ist nur gültig für Werte zwischen 0 und 1 !");
    return std::nullopt;
}

// The first hinge (in row order) that a later hinge of the same shell
// shares its position with. Counting the later hinges per (shell, position)
// keeps this at n log n instead of comparing every pair.
std::optional<InputFault> stackedHinges(const Model& model) {
    std::map<std::pair<int, double>, int> laterHinges;
    for (int hinge : model.hinges.definedRows()) {
        const HingeRecord& h = model.hinges.row(hinge);
        ++laterHinges[{h.shell, h.xPosition}];
    }
    for (int hinge : model.hinges.definedRows()) {
        const HingeRecord& h = model.hinges.row(hinge);
        if (--laterHinges[{h.shell, h.xPosition}] > 0)
            return faultAt(InputPage::Hinges, hinge, 2, "Zwei Gelenke liegen übereinander !");
    }
    return std::nullopt;
}

std::optional<InputFault> checkRing(const Model& model, int ring) {
    const RingRecord& r = model.rings.row(ring);
    const auto fault = [&](int column, const char* message) {
        return faultAt(InputPage::Rings, ring, column, message);
    };
    if (auto invalid = nonFiniteField(model.rings, InputPage::Rings, ring, {2, 3, 4}))
        return invalid;
    if (!model.nodes.isDefined(r.node - 1))
        return fault(1, " Der Knoten ist nicht definiert !");
    if (auto invalid = nodeNumbers(model, r.node))
        return invalid;
    if (model.nodes.row(r.node - 1).r == 0)
        return fault(1, " Knoten liegt an der Symetrieachse !");
    if (!(r.area > 0))
        return fault(2, " Ungültige Querschnittsfläche !");
    if (!(r.inertia > 0))
        return fault(3, " Ungültiges Flächenträgheitsmoment !");
    if (!(r.modulus > 0))
        return fault(4, " Ungültiger E-Modul !");
    return std::nullopt;
}

} // namespace

std::optional<InputFault> checkSystem(const Model& model) {
    for (int shell : model.shells.definedRows())
        if (auto fault = checkShell(model, shell))
            return fault;
    for (int hinge : model.hinges.definedRows())
        if (auto fault = checkHinge(model, hinge))
            return fault;
    if (auto fault = stackedHinges(model))
        return fault;
    for (int ring : model.rings.definedRows())
        if (auto fault = checkRing(model, ring))
            return fault;
    return checkHarmonicSystem(model);
}

} // namespace venkar
