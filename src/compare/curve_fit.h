#pragma once

#include <QPointF>

#include <vector>

namespace zyt {

// A smooth curve through a row of points: a natural parametric spline under
// tension, fitted in X and in Y over one parameter t that runs from 0 at the
// first point to 1 at the last in equal steps per point.

double Curve_Term_1(double x); // hyperbolic cosine
double Curve_Term_2(double x); // hyperbolic sine

// Solves the m x m tridiagonal system (sub-, main and super-diagonal, index
// 0 to m - 1) for X and Y at once. False, and the solution unfinished, when a
// pivot is exactly 0.
bool Solve_Fit(const std::vector<double> &sub, const std::vector<double> &diagonal,
               const std::vector<double> &super, const std::vector<QPointF> &rhs,
               std::vector<QPointF> &solution);

// The second derivatives of X and Y at each of the points (at least 3), 0 at
// both ends.
std::vector<QPointF> Fit_Curve(const std::vector<QPointF> &points, double tension);

// The curve at parameter t in [0, 1].
QPointF curvePointAt(const std::vector<QPointF> &points, const std::vector<QPointF> &second,
                     double tension, double t);

// The curve as `steps` + 1 points: the first point, the curve at t = j /
// steps, the last point.
std::vector<QPointF> curvePoints(const std::vector<QPointF> &points, double tension, int steps);

} // namespace zyt
