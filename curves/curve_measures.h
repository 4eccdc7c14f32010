#pragma once
// The arithmetic of the parametric and polar windows, apart from the widgets:
// derivatives in x, arc lengths by left Riemann sums, and the tangent
// direction at a point of either curve.

#include <optional>
#include <string>

// No arc length runs more terms than this, so that a long interval cannot hold
// the program for minutes: its step becomes coarser instead.
inline constexpr long double MaxArcTerms = 1e7L;
// A pixel width divided by `perPixel`, made coarser on an interval of [a, b]
// that would need more than MaxArcTerms terms.
long double arcStep(long double pixelx, long double perPixel, long double a, long double b);

// Left Riemann sums over [a, b), x running from a by `step` while x < b, of
// the speed of the curve; nothing when a derivative cannot be taken or
// compiled, or when the sum meets an undefined value. An empty interval sums 0.
// sqrt(X'(t)^2 + Y'(t)^2)
std::optional<long double> parametricArcLength(const std::string& x, const std::string& y, long double a,
                                               long double b, long double step);
// sqrt(R(x)^2 + R'(x)^2)
std::optional<long double> polarArcLength(const std::string& radius, long double a, long double b,
                                          long double step);
// "L(a,b)=" and the length to that many decimals, or "L(a,b)=erreur".
std::string arcLengthText(const std::optional<long double>& length, int decimals);

// A line of the construction tables given by its slope through the point of
// contact (x, y); intercept 0 when it is not known.
struct DirectionLine {
    long double slope = 0, intercept = 0, x = 0, y = 0;
};

// A vertical tangent of a parametric curve is stored with this slope.
inline constexpr long double VerticalSlope = 10000;

// The tangent at t of X (slot f) and Y (slot g) with their derivatives dx and
// dy (slots h and i): slope Y'/X', or VerticalSlope when X' = 0. Nothing when
// t, a derivative or the point is undefined, or when both derivatives are 0.
std::optional<DirectionLine> parametricTangent(const std::string& x, const std::string& y, const std::string& dx,
                                               const std::string& dy, long double t);

// The slope dy/dx of the polar curve R at the angle, with `derivative` the
// text of R'. Nothing when R or R' is undefined there, or when dx/dangle is 0
// to 4 decimals (a vertical tangent).
std::optional<long double> polarSlope(const std::string& radius, const std::string& derivative, long double angle);
// The tangent there with its slope, intercept and point of contact.
std::optional<DirectionLine> polarTangent(const std::string& radius, const std::string& derivative,
                                          long double angle);
