#include "exactspace.h"

#include <cmath>

namespace lineer {

ExactWorkspace exactOf(const Workspace& ws) {
    ExactWorkspace e;
    e.n = ws.n;
    e.m = ws.m;
    const CellTexts* texts = ws.texts.get();
    for (int i = 1; i <= ws.n; ++i)
        for (int j = 1; j <= ws.m; ++j) {
            const double d = ws.A(i, j);
            if (texts && i <= texts->n && j <= texts->m) {
                const std::string& t = texts->cells[static_cast<std::size_t>(i - 1) * texts->m + (j - 1)];
                FileNumber read = readFileNumber(t);
                if (read.status == NumberStatus::Number && read.value == d)
                    if (auto v = exactFileNumber(t)) {
                        e.A(i, j) = std::move(*v);
                        continue;
                    }
            }
            e.A(i, j) = std::isfinite(d) ? exactValue(d) : Rational(0);
        }
    for (int i = 1; i <= ws.n; ++i) e.x(i) = std::isfinite(ws.x(i)) ? exactValue(ws.x(i)) : Rational(0);
    return e;
}

void storeNearest(const ExactWorkspace& exact, Workspace& ws) {
    for (int i = 1; i <= exact.n; ++i)
        for (int j = 1; j <= exact.m; ++j) ws.A(i, j) = nearestDouble(exact.A(i, j));
    for (int i = 1; i <= exact.n; ++i) ws.x(i) = nearestDouble(exact.x(i));
}

}  // namespace lineer
