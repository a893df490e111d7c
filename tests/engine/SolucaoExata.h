#pragma once

// Exact solutions of Manning's and the critical-flow equations, written out from the textbook geometry in
// extended precision and solved by a plain bisection of 300 halvings, far past the spacing of the result. They
// share nothing with the engine, so the engine's answers can be checked against them at every scale.

#include <cmath>
#include <functional>

namespace exata {

using Real = long double;
inline constexpr Real g = 9.81L;

// The root of a function that grows from negative to positive on [lo, hi]; hi doubles until it is positive.
inline Real Raiz(const std::function<Real(Real)>& f, Real lo, Real hi) {
    while (f(hi) < 0)
        hi *= 2;
    for (int k = 0; k < 300; ++k) {
        const Real m = (lo + hi) / 2;
        (f(m) > 0 ? hi : lo) = m;
    }
    return (lo + hi) / 2;
}

inline Real Manning(Real A, Real P, Real I, Real n) {
    return std::pow(A, 5.0L / 3) * std::sqrt(I) / (n * std::pow(P, 2.0L / 3));
}

// A trapezoid of base b and side slope z at depth y (b = 0 the triangle, z = 0 the rectangle).
struct Trapezio {
    Real b, z;
    Real A(Real y) const { return y * (b + z * y); }
    Real P(Real y) const { return b + 2 * y * std::sqrt(z * z + 1); }
    Real T(Real y) const { return b + 2 * z * y; }
    Real Q(Real y, Real I, Real n) const { return Manning(A(y), P(y), I, n); }
    Real Profundidade(Real Q0, Real I, Real n) const {
        return Raiz([&](Real y) { return this->Q(y, I, n) - Q0; }, 0, 1);
    }
    Real Critica(Real Q0) const {
        return Raiz([&](Real y) { return g * A(y) * A(y) * A(y) - Q0 * Q0 * T(y); }, 0, 1);
    }
};

// A circle of diameter D at depth y, through the central angle θ.
struct Circulo {
    Real D;
    Real Teta(Real y) const { return 2 * std::acos(1 - 2 * y / D); }
    Real A(Real y) const { return D * D / 8 * (Teta(y) - std::sin(Teta(y))); }
    Real P(Real y) const { return Teta(y) * D / 2; }
    Real T(Real y) const { return D * std::sin(Teta(y) / 2); }
    Real Q(Real y, Real I, Real n) const { return Manning(A(y), P(y), I, n); }
    // The depth of the largest discharge, where dQ/dy changes sign.
    Real ProfundidadeMaxima(Real I, Real n) const {
        const Real h = D * 1e-7L;
        return Raiz([&](Real y) { return Q(y - h, I, n) - Q(y + h, I, n); }, D / 2, D - 2 * h);
    }
    Real Profundidade(Real Q0, Real I, Real n) const {
        const Real topo = ProfundidadeMaxima(I, n);
        Real lo = 0, hi = topo;
        for (int k = 0; k < 300; ++k) {
            const Real m = (lo + hi) / 2;
            (Q(m, I, n) > Q0 ? hi : lo) = m;
        }
        return (lo + hi) / 2;
    }
    Real Critica(Real Q0) const {
        Real lo = 0, hi = D * (1 - 1e-12L);
        for (int k = 0; k < 300; ++k) {
            const Real m = (lo + hi) / 2;
            (g * A(m) * A(m) * A(m) > Q0 * Q0 * T(m) ? hi : lo) = m;
        }
        return (lo + hi) / 2;
    }
};

// A trapezoidal trough as a surveyed section, divided into its two side triangles and the middle rectangle.
inline Real QDividido(const Trapezio& t, Real y, Real I, Real n) {
    const Real lado = Manning(t.z * y * y / 2, y * std::sqrt(t.z * t.z + 1), I, n);
    return 2 * lado + Manning(t.b * y, t.b, I, n);
}

} // namespace exata
