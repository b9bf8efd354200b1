#pragma once

#include "ModelState.h"

#include <array>
#include <complex>
#include <optional>
#include <utility>
#include <vector>

namespace vorlenza {

/// What an equilibrium is, read from the eigenvalues of the Jacobian there.
enum class EquilibriumType {
    StableNode,    ///< both eigenvalues real and negative
    Saddle,        ///< real, one negative and one positive
    UnstableNode,  ///< both real and positive
    StableFocus,   ///< complex with a negative real part
    UnstableFocus, ///< complex with a positive real part
    Degenerate,    ///< an eigenvalue with real part 0: the linearisation does not decide
};

/// Which equilibrium of the equations.
enum class EquilibriumKind {
    Extinction, ///< (0, 0)
    AAlone,     ///< (K1, 0)
    BAlone,     ///< (0, K2)
    Coexistence ///< the crossing of the isoclines inside the quadrant
};

/// The 2×2 Jacobian of the equations at a point, per day: {{dF1/dN1, dF1/dN2}, {dF2/dN1, dF2/dN2}}.
using Jacobian = std::array<std::array<double, 2>, 2>;

Jacobian jacobianAt(const ModelParameters& p, double n1, double n2);

/// The two eigenvalues of `j`, the one with the smaller real part first (for a complex pair, the
/// one with the negative imaginary part first).
std::array<std::complex<double>, 2> eigenvaluesOf(const Jacobian& j);

EquilibriumType typeOf(const std::array<std::complex<double>, 2>& eigenvalues);

/// The multiplier of one Heun step of a day near an equilibrium with eigenvalue `lambda`:
/// 1 + λ + λ²/2. The daily steps settle there when it is smaller than 1 in magnitude, and leave it
/// when it is larger; at 1 (r = 2 alone on its axis) the next terms decide, and the steps settle
/// slowly.
std::complex<double> heunMultiplier(std::complex<double> lambda);

/// Whether a multiplier's magnitude is 1 (to rounding).
bool multiplierIsOne(std::complex<double> multiplier);

struct Equilibrium {
    EquilibriumKind kind = EquilibriumKind::Extinction;
    double n1 = 0.0;
    double n2 = 0.0;
    Jacobian jacobian{};
    std::array<std::complex<double>, 2> eigenvalues{};
    EquilibriumType type = EquilibriumType::Degenerate;
    /// Whether one Heun step a day keeps the equilibrium stable (every |1 + λ + λ²/2| < 1).
    bool dailyStepStable = false;
    /// Whether the largest |1 + λ + λ²/2| is 1: the one-day steps neither settle nor leave at first
    /// order (they settle slowly where the equations do).
    bool dailyStepSlow = false;
    /// Whether the equations settle here from the starts around it (with each species that is
    /// there): a stable node or focus, or, where an eigenvalue is 0 because alpha or beta lies
    /// exactly on its boundary, the point of the species that wins.
    bool attracts = false;
    /// An end of the line of equilibria where the isoclines lie on one another.
    bool onEquilibriumLine = false;

    bool stable() const { return type == EquilibriumType::StableNode || type == EquilibriumType::StableFocus; }
    /// An eigenvalue is 0: runs come to it, or leave it, only slowly.
    bool slow() const { return type == EquilibriumType::Degenerate; }
};

/// The equilibrium at (n1, n2) with its Jacobian, eigenvalues and type.
Equilibrium equilibriumAt(const ModelParameters& p, EquilibriumKind kind, double n1, double n2);

/// The equilibria: (0, 0), (K1, 0), (0, K2), and the crossing of the isoclines when it lies in the
/// open quadrant (both coordinates > 0), in that order. K1, K2 > 0. Where the isoclines lie on one
/// another every point of them is an equilibrium too (see isoclinesTouch).
std::vector<Equilibrium> equilibriaOf(const ModelParameters& p);

/// How the competition ends.
enum class CompetitionOutcome {
    Coexistence, ///< alpha < K1/K2 and beta < K2/K1: the crossing is stable
    AWins,       ///< A's isocline lies above B's (touching it on an axis at most)
    BWins,       ///< B's isocline lies above A's (touching it on an axis at most)
    EitherWins,  ///< alpha > K1/K2 and beta > K2/K1: the isoclines cross at a saddle, the start decides
    Neutral,     ///< alpha = K1/K2 and beta = K2/K1: the isoclines lie on one another, nobody wins
};

/// Where the isoclines meet on an axis because alpha or beta lies exactly on its boundary: at
/// (0, K2) when alpha = K1/K2, at (K1, 0) when beta = K2/K1, all along when both do.
enum class IsoclinesTouch { Nowhere, AtBAlone, AtAAlone, Everywhere };
IsoclinesTouch isoclinesTouch(double K1, double K2, double alpha, double beta);
inline IsoclinesTouch isoclinesTouch(const ModelParameters& p) { return isoclinesTouch(p.K1, p.K2, p.alpha, p.beta); }

/// The outcome for the parameters, from alpha against K1/K2 and beta against K2/K1 (as doubles):
/// below both, coexistence; above both, the start decides; A wins where alpha < K1/K2 <= ... that
/// is where A's isocline lies above B's, which includes alpha = K1/K2 with beta > K2/K1 (they touch
/// at (0, K2)) and beta = K2/K1 with alpha < K1/K2 (they touch at (K1, 0)); B wins in the mirror
/// cases; both exactly on their boundaries, nobody wins.
CompetitionOutcome outcomeOf(double K1, double K2, double alpha, double beta);
inline CompetitionOutcome outcomeOf(const ModelParameters& p) { return outcomeOf(p.K1, p.K2, p.alpha, p.beta); }

/// One region of the alpha–beta plane with one outcome: alpha in [alphaLo, alphaHi], beta in
/// [betaLo, betaHi].
struct OutcomeRegion {
    CompetitionOutcome outcome;
    double alphaLo;
    double alphaHi;
    double betaLo;
    double betaHi;
    bool contains(double alpha, double beta) const
    {
        return alpha >= alphaLo && alpha < alphaHi && beta >= betaLo && beta < betaHi;
    }
};

/// The four regions of the map of alpha in [0, alphaMax) and beta in [0, betaMax) for K1 and K2,
/// split at alpha = K1/K2 and beta = K2/K1 (a region is empty when its boundary lies beyond the
/// map).
std::array<OutcomeRegion, 4> outcomeRegions(double K1, double K2, double alphaMax, double betaMax);

/// How far the map of alpha and beta reaches: 3·max(K1/K2, K2/K1), so both boundaries lie well
/// inside it.
double outcomeMapReach(double K1, double K2);

/// A curve in the phase plane, as points (N1, N2).
using PhaseCurve = std::vector<std::pair<double, double>>;

/// The separatrix when the start decides (an interior saddle): the stable manifold of the saddle,
/// traced backwards in time from the saddle along its stable direction both ways, until it leaves
/// [0, n1Max] × [0, n2Max] or comes to (0, 0). It is traced in the logarithms of N1 and N2, where
/// no step can cross an axis, however different the two rates are. One curve from (0, 0) through
/// the saddle to the edge of the box; empty when there is no interior saddle.
PhaseCurve separatrixOf(const ModelParameters& p, double n1Max, double n2Max);

/// Which side of the separatrix (n1, n2) lies on: > 0 above it (towards (0, K2)), < 0 below it
/// (towards (K1, 0)), from the curve's N2 at n1; 0 when the curve does not reach n1.
int sideOfSeparatrix(const PhaseCurve& separatrix, double n1, double n2);

} // namespace vorlenza
