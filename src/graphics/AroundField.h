#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace venkar {

class Model;
struct HarmonicCase;

// The quantities the views around the circumference (plan view and
// developed shell) show, in the order of their chooser; each with the short
// name of the batch command.
enum class AroundQuantity {
    Displacement, // "verformung": the radial displacement wr
    NPhi,         // "n-phi"
    NTheta,       // "n-theta"
    NPhiTheta,    // "n-phitheta"
    MPhi,         // "m-phi"
    MTheta,       // "m-theta"
    MPhiTheta,    // "m-phitheta"
    QTheta,       // "q-theta"
    QPhi,         // "q-phi"
    VonMises,     // "sigma-vm": the larger von Mises stress of the two faces, shear included
    Load,         // "last": the pressure c_p·q of the loads around the circumference
};
inline constexpr int aroundQuantityCount = 11;

// "verformung", "n-phi", ..., "sigma-vm", "last".
const char* aroundQuantityName(AroundQuantity quantity);
// The caption in the chooser and the titles: "Verschiebung wr", "Normalkraft
// Phi", ..., "Vergleichsspannung", "Last cp·q".
const char* aroundQuantityCaption(AroundQuantity quantity);
// The quantity of a short name (any case); nothing for anything else.
std::optional<AroundQuantity> aroundQuantityByName(const std::string& name);

// The sweep of the views: 180° when the case is symmetric about the
// meridian at 0°, 360° otherwise.
double aroundSweep(const HarmonicCase& harmonicCase);

// One quantity of a load case with loads around the circumference at a set
// of angles, summed from the amplitudes of the harmonics with the factors
// cos nφ and sin nφ worked out once. The model and the case are not owned
// and must outlive the field; one field serves one thread.
//
// The load is the normal pressure of the surface loads around the
// circumference turned to the outside face (positive pressing it towards
// the axis, as c_p·q of the wind); the other quantities are the shell
// element values, linear along an element.
class AroundField {
public:
    AroundField(const Model& model, const HarmonicCase& harmonicCase, AroundQuantity quantity,
                std::vector<double> anglesDegrees);

    const std::vector<double>& angles() const { return angles_; }
    AroundQuantity quantity() const { return quantity_; }

    // The values at relative position l ∈ [0, 1] inside shell element
    // `element` of the case's mesh, one per angle, into `out` (resized).
    void sample(int element, double l, std::vector<double>& out) const;

private:
    const Model& model_;
    const HarmonicCase& case_;
    AroundQuantity quantity_;
    std::vector<double> angles_;
    // factors_[s * angles + a] = {cos-like, sin-like} of solution s at angle a
    std::vector<std::array<double, 2>> factors_;
    // The sums von Mises is made of, per angle; kept between the calls.
    mutable std::vector<std::array<double, 6>> stressSums_;
};

// The element of the case's mesh and the position l inside it at relative
// position x of shell row `shell` (an element boundary belongs to the
// element before it); nothing when the shell has no elements.
struct ElementAt {
    int element = 0;
    double l = 0.0;
};
std::optional<ElementAt> elementAt(const HarmonicCase& harmonicCase, int shell, double x);

} // namespace venkar
