#include "curve_fit.h"

#include <algorithm>
#include <cmath>

namespace zyt {

double Curve_Term_1(double x) { return (std::exp(x) + std::exp(-x)) / 2.0; }

double Curve_Term_2(double x) { return (std::exp(x) - std::exp(-x)) / 2.0; }

bool Solve_Fit(const std::vector<double> &sub, const std::vector<double> &diagonal,
               const std::vector<double> &super, const std::vector<QPointF> &rhs,
               std::vector<QPointF> &solution)
{
    const size_t m = diagonal.size();
    solution.assign(m, QPointF());
    if (m == 0)
        return true;
    std::vector<double> gamma(m, 0.0);
    double beta = diagonal[0];
    if (beta == 0.0)
        return false;
    solution[0] = rhs[0] / beta;
    for (size_t j = 1; j < m; ++j) {
        gamma[j] = super[j - 1] / beta;
        beta = diagonal[j] - sub[j] * gamma[j];
        if (beta == 0.0)
            return false;
        solution[j] = (rhs[j] - sub[j] * solution[j - 1]) / beta;
    }
    for (size_t j = m - 1; j-- > 0;)
        solution[j] -= gamma[j + 1] * solution[j + 1];
    return true;
}

std::vector<QPointF> Fit_Curve(const std::vector<QPointF> &points, double tension)
{
    const size_t n = points.size();
    std::vector<QPointF> second(n, QPointF());
    if (n < 3)
        return second;
    const double sigma = tension;
    const double h = 1.0 / double(n - 1);
    const double sinhStep = Curve_Term_2(sigma * h);
    const double off = 1.0 / h - sigma / sinhStep;
    const double main = 2.0 * sigma * Curve_Term_1(sigma * h) / sinhStep - 2.0 / h;
    const size_t m = n - 2;
    const std::vector<double> sub(m, off);
    const std::vector<double> diagonal(m, main);
    const std::vector<double> super(m, off);
    std::vector<QPointF> rhs(m);
    const double factor = sigma * sigma / h;
    for (size_t j = 1; j + 1 < n; ++j)
        rhs[j - 1] = factor * (points[j + 1] - 2.0 * points[j] + points[j - 1]);
    std::vector<QPointF> interior;
    Solve_Fit(sub, diagonal, super, rhs, interior);
    std::copy(interior.begin(), interior.end(), second.begin() + 1);
    return second;
}

QPointF curvePointAt(const std::vector<QPointF> &points, const std::vector<QPointF> &second,
                     double tension, double t)
{
    const int n = int(points.size());
    const double sigma = tension;
    const double sigma2 = sigma * sigma;
    const double h = 1.0 / double(n - 1);
    const int k = std::clamp(int(std::floor(double(n - 1) * t)), 0, n - 2);
    const double a = double(k + 1) / double(n - 1) - t;
    const double b = t - double(k) / double(n - 1);
    const double sinhStep = Curve_Term_2(sigma * h);
    const double wa = Curve_Term_2(sigma * a) / (sigma2 * sinhStep);
    const double wb = Curve_Term_2(sigma * b) / (sigma2 * sinhStep);
    const QPointF &p0 = points[size_t(k)];
    const QPointF &p1 = points[size_t(k) + 1];
    const QPointF &z0 = second[size_t(k)];
    const QPointF &z1 = second[size_t(k) + 1];
    return (p0 - z0 / sigma2) * (a / h) + z0 * wa + (p1 - z1 / sigma2) * (b / h) + z1 * wb;
}

std::vector<QPointF> curvePoints(const std::vector<QPointF> &points, double tension, int steps)
{
    std::vector<QPointF> curve;
    if (points.size() < 3 || steps < 1)
        return curve;
    const std::vector<QPointF> second = Fit_Curve(points, tension);
    curve.reserve(size_t(steps) + 1);
    curve.push_back(points.front());
    // curvePointAt's sum with what is the same for a whole curve or a whole
    // stretch worked out once, and the two hyperbolic sines of a point from
    // one exponential: e^(sigma a) is e^(sigma h) / e^(sigma b) as a + b = h.
    const int n = int(points.size());
    const double sigma = tension;
    const double sigma2 = sigma * sigma;
    const double h = 1.0 / double(n - 1);
    const double expStep = std::exp(sigma * h);
    const double sinhStep = Curve_Term_2(sigma * h);
    int stretch = -1;
    QPointF line0, line1, bend0, bend1;
    for (int j = 1; j < steps; ++j) {
        const double t = double(j) / double(steps);
        const int k = std::clamp(int(std::floor(double(n - 1) * t)), 0, n - 2);
        if (k != stretch) {
            stretch = k;
            const QPointF &z0 = second[size_t(k)];
            const QPointF &z1 = second[size_t(k) + 1];
            line0 = (points[size_t(k)] - z0 / sigma2) / h;
            line1 = (points[size_t(k) + 1] - z1 / sigma2) / h;
            bend0 = z0 / (2.0 * sigma2 * sinhStep);
            bend1 = z1 / (2.0 * sigma2 * sinhStep);
        }
        const double a = double(k + 1) / double(n - 1) - t;
        const double b = t - double(k) / double(n - 1);
        const double expB = std::exp(sigma * b);
        const double expA = expStep / expB;
        curve.push_back(line0 * a + bend0 * (expA - 1.0 / expA) + line1 * b +
                        bend1 * (expB - 1.0 / expB));
    }
    curve.push_back(points.back());
    return curve;
}

} // namespace zyt
