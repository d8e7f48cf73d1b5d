#pragma once

#include <span>
#include <vector>

namespace venkar {

// The coupling graph of a symmetric system (its vertices equations, or
// nodes carrying a few equations each), built from the vertices each
// element couples (its clique), and a profile-reducing renumbering of it.
//
// The table order of a mesh numbers a shell's end nodes before its
// interior, so the last element of every shell couples vertices thousands
// apart and the profile grows with the square of the shell count. Reverse
// Cuthill-McKee numbers along the chains instead: every row's height stays
// within a few elements' DOFs.
class CouplingGraph {
public:
    explicit CouplingGraph(int vertices);

    // Couples every pair of the given vertices (repeats are allowed).
    void addClique(std::span<const int> vertices);

    // The reverse Cuthill-McKee order: the new number of every vertex.
    // Each connected part starts at a pseudo-peripheral vertex; neighbours
    // are taken by rising degree, ties by number.
    std::vector<int> reverseCuthillMcKee() const;

private:
    int vertices_ = 0;
    std::vector<int> edgesFrom_; // one entry per directed pair
    std::vector<int> edgesTo_;
};

} // namespace venkar
