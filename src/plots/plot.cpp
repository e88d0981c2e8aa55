#include "plot.h"

#include <algorithm>
#include <cmath>

#include "numformat.h"

namespace lineer::plots {

std::vector<Tick> linearTicks(double lo, double hi, int count, const std::string& decimal) {
    if (!(hi > lo) || !std::isfinite(hi - lo) || count < 1) return {};
    const double raw = (hi - lo) / count;
    const double mag = std::pow(10.0, std::floor(std::log10(raw)));
    const double norm = raw / mag;
    const double step = (norm < 1.5 ? 1 : norm < 3 ? 2 : norm < 7 ? 5 : 10) * mag;
    const int decimals = std::clamp(static_cast<int>(std::ceil(-std::log10(step) - 1e-9)), 0, 15);
    std::vector<Tick> ticks;
    const double first = std::ceil(lo / step - 1e-9);
    for (int k = 0; k < 100; ++k) {
        double v = (first + k) * step;
        if (v > hi + step * 1e-9) break;
        // A tick that is 0 up to rounding is 0.
        if (std::fabs(v) < step * 1e-9) v = 0;
        ticks.push_back({v, formatRounded(v, decimals, decimal)});
    }
    return ticks;
}

std::vector<Tick> logTicks(double lo, double hi, const std::string& decimal) {
    if (!(hi > lo) || !(lo > 0) || !std::isfinite(hi)) return {};
    const int first = static_cast<int>(std::ceil(std::log10(lo) - 1e-9));
    const int last = static_cast<int>(std::floor(std::log10(hi) + 1e-9));
    const int every = std::max(1, (last - first) / 9 + 1);
    std::vector<Tick> ticks;
    for (int e = first; e <= last; ++e) {
        if ((e - first) % every != 0) continue;
        const double v = std::pow(10.0, e);
        ticks.push_back({v, formatSignificant(v, 1, decimal)});
    }
    return ticks;
}

Axis axisOver(std::string label, std::vector<double> values, Scale scale, const std::string& decimal) {
    Axis axis;
    axis.label = std::move(label);
    axis.scale = scale;
    double lo = 0, hi = 0;
    bool any = false;
    for (double v : values) {
        if (!std::isfinite(v) || (scale == Scale::Log && !(v > 0))) continue;
        lo = any ? std::min(lo, v) : v;
        hi = any ? std::max(hi, v) : v;
        any = true;
    }
    if (scale == Scale::Log) {
        if (!any) lo = hi = 1;
        // To whole decades, so that the ends carry a tick.
        double a = std::floor(std::log10(lo)), b = std::ceil(std::log10(hi));
        if (b <= a) b = a + 1;
        a = std::max(a, -307.0);
        b = std::min(b, 308.0);
        axis.lo = std::pow(10.0, a);
        axis.hi = std::pow(10.0, b);
        axis.ticks = logTicks(axis.lo, axis.hi, decimal);
        return axis;
    }
    if (!any) lo = hi = 0;
    if (hi - lo <= 0 || !std::isfinite(hi - lo)) {
        const double pad = std::isfinite(lo) && lo != 0 ? std::fabs(lo) / 2 : 1;
        lo -= pad;
        hi += pad;
    } else {
        const double pad = (hi - lo) / 20;
        lo -= pad;
        hi += pad;
    }
    axis.lo = lo;
    axis.hi = hi;
    axis.ticks = linearTicks(lo, hi, 6, decimal);
    return axis;
}

}  // namespace lineer::plots
