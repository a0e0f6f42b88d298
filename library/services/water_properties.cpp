#include "library/services/water_properties.hpp"

#include "library/services/series.hpp"
#include "library/services/water_coefficients.hpp"
#include "platform/oleaut/math.hpp"

namespace kalvik::water {
namespace {

using oleaut::checkedDouble;
using oleaut::power;
using oleaut::quotient;
using oleaut::single;

// Precision in which a value or running sum is held between steps.
enum class Held { Single, Double };

double hold(double x, Held held) {
    return held == Held::Single ? single(x) : checkedDouble(x);
}

// Reduced temperature and pressure.
struct Reduced {
    double theta;
    double beta;
};

// A pressure in kgf/cm² in megapascals.
double megapascals(double kgfPerCm2) {
    return checkedDouble(kgfPerCm2 * 98.0665 * 1e-3);
}

Reduced reducedState(double PV, double tv) {
    return {quotient(tv + kKelvinOffset, kCriticalTemperature),
            quotient(megapascals(PV), kCriticalPressure)};
}

// Y, Y' and Y'' (derivatives with respect to theta).
double shapeY(double theta) {
    return checkedDouble(1.0 - ka[1] * power(theta, 2) - ka[2] * power(theta, -6));
}
double shapeY1(double theta) {
    return checkedDouble(-2.0 * ka[1] * theta + k6a2 * power(theta, -7));
}
double shapeY2(double theta) {
    return checkedDouble(-2.0 * ka[1] - k42a2 * power(theta, -8));
}

// Z and Z'.
double shapeZ(double theta, double beta, double Y) {
    return checkedDouble(Y + power(ka[3] * power(Y, 2) - k2a4 * theta + k2a5 * beta, 0.5));
}
double shapeZ1(double Y, double Y1, double Z) {
    return checkedDouble(Y1 + quotient(ka[3] * Y * Y1 - ka[4], Z - Y));
}

// Reduced specific volume: the pressure derivative of the characteristic function, its terms
// summed in order.
double reducedVolume(const Reduced& r, double Z) {
    const double theta = r.theta;
    const double beta = r.beta;
    const double terms[] = {
        kA11a5 * power(Z, -5.0 / 17.0),
        kA[12],
        kA[13] * theta,
        kA[14] * power(theta, 2),
        kA[15] * power(ka[6] - theta, 10),
        kA[16] * power(ka[7] + power(theta, 19), -1),
        -power(ka[8] + power(theta, 11), -1) * (kA[17] + k2A18 * beta + k3A19 * power(beta, 2)),
        -kA[20] * power(theta, 18) * (ka[9] + power(theta, 2)) *
            (-3.0 * power(ka[10] + beta, -4) + ka[11]),
        k3A21 * (ka[12] - theta) * power(beta, 2),
        k4A22 * power(theta, -20) * power(beta, 3),
        -k3A24 * power(theta, 19) * power(beta, 2),
    };
    double chi = 0.0;
    for (double term : terms)
        chi = checkedDouble(chi + term);
    return chi;
}

double specificVolume(double chi) {
    return kCriticalVolume * chi;
}

// Second temperature derivative of the characteristic function, the running sum held as given.
double secondTemperatureDerivative(const Reduced& r, Held held) {
    const double theta = r.theta;
    const double beta = r.beta;
    const double Y = shapeY(theta);
    const double Y1 = shapeY1(theta);
    const double Y2 = shapeY2(theta);
    const double Z = shapeZ(theta, beta, Y);
    const double Z1 = shapeZ1(Y, Y1, Z);

    double D = 0.0;
    for (int nu = 3; nu <= 10; ++nu) {
        D = hold(D + (nu - 1) * (nu - 2) * kA[nu] * power(theta, nu - 3), held);
    }
    D = hold(D - quotient(kA[0], theta), held);
    D = hold(D + kA[11] * power(Z, -22.0 / 17.0) *
                     (Z * (0.72 * (power(Y1, 2) + Y * Y2) - (5.0 / 12.0) * Z * Y2) -
                      (5.0 / 17.0) * (Z - Y) * power(Z1, 2)),
             held);
    const double a7theta19 = ka[7] + power(theta, 19);
    D = hold(D + beta * (k2A14 + k90A15 * power(ka[6] - theta, 8) +
                         k722A16 * power(theta, 36) * power(a7theta19, -3) -
                         k342A16 * power(theta, 17) * power(a7theta19, -2)),
             held);
    const double a8theta11 = ka[8] + power(theta, 11);
    D = hold(D - (kA[17] * beta + kA[18] * power(beta, 2) + kA[19] * power(beta, 3)) *
                     (242.0 * power(theta, 20) * power(a8theta11, -3) -
                      110.0 * power(theta, 9) * power(a8theta11, -2)),
             held);
    D = hold(D - kA[20] * power(theta, 16) * (k306a9 + 380.0 * power(theta, 2)) *
                     (power(ka[10] + beta, -3) + ka[11] * beta),
             held);
    D = hold(D + k420A22 * power(theta, -22) * power(beta, 4), held);
    D = hold(D - 342.0 * power(theta, 17) * (kA[23] + kA[24] * power(beta, 3)), held);
    return D;
}

// Isobaric heat capacity in kcal/(kg·K): MJ/(kg·K) from the reference values, then kJ, then kcal.
double heatCapacity(double D, double theta) {
    return checkedDouble(D * (-theta) * kCriticalPressure * kCriticalVolume / kCriticalTemperature *
                         1000.0 / kKjPerKcal);
}

}  // namespace

float Psp(double theta) {
    const double z = power(quotient(1.0, theta) - 0.95, 0.4);
    const double x = (2.0 * z - 1.45220717) / -0.84878953;
    return single(oleaut::Exp(series::chebyshev(x, kSaturationPressureFit)));
}

float Ivs(double tv) {
    const float T = single(tv + kKelvinOffset);
    const double theta = quotient(T, kCriticalTemperature);
    const Reduced r{theta, Psp(theta)};
    const float cp = single(heatCapacity(secondTemperatureDerivative(r, Held::Single), theta));
    return single(quotient(tv * cp, series::powers(tv, kSaturatedEnthalpyDivisor)));
}

float Vvs(double tv) {
    const float T = single(tv + kKelvinOffset);
    const float theta = single(quotient(T, kCriticalTemperature));
    const Reduced r{theta, Psp(theta)};
    const float Y = single(shapeY(theta));
    const float Z = single(shapeZ(theta, r.beta, Y));
    return single(specificVolume(reducedVolume(r, Z)));
}

float Iv(double PV, double tv) {
    const Reduced r = reducedState(PV, tv);
    return single(heatCapacity(secondTemperatureDerivative(r, Held::Double), r.theta) * tv);
}

float Vv(double PV, double tv) {
    const Reduced r = reducedState(PV, tv);
    const double Y = shapeY(r.theta);
    const double Z = shapeZ(r.theta, r.beta, Y);
    return single(specificVolume(reducedVolume(r, Z)));
}

}  // namespace kalvik::water
