#include "library/services/series.hpp"

#include <cstddef>

#include "platform/oleaut/math.hpp"

namespace kalvik::series {

double chebyshev(double x, std::span<const double> c) {
    double previous = 1.0;  // T_(k−2)
    double current = x;     // T_(k−1)
    double sum = 0.0;
    for (std::size_t k = 0; k < c.size(); ++k) {
        double t = 1.0;
        if (k == 1) {
            t = x;
        } else if (k >= 2) {
            t = 2.0 * x * current - previous;
            previous = current;
            current = t;
        }
        sum = oleaut::checkedDouble(sum + c[k] * t);
    }
    return sum;
}

double powers(double x, std::span<const double> c) {
    double sum = 0.0;
    for (std::size_t i = 0; i < c.size(); ++i) {
        sum = oleaut::checkedDouble(sum + c[i] * oleaut::power(x, static_cast<double>(i)));
    }
    return sum;
}

}  // namespace kalvik::series
