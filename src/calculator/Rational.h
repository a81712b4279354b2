// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <numeric>
#include <stdexcept>

// An exact fraction of two 64-bit integers, always in lowest terms with a positive denominator.
// Every step that would overflow raises RationalOverflow instead of giving a wrong answer: school
// equations stay far below the limits, and one that does not is told so, never balanced wrongly.
// (A multiprecision library would lift the limit, but no equation a learner writes needs it.)
struct RationalOverflow : std::overflow_error {
    RationalOverflow() : std::overflow_error("rational overflow") {}
};

class Rational {
public:
    Rational(std::int64_t numerator = 0, std::int64_t denominator = 1) : n_(numerator), d_(denominator) { Normalise(); }

    std::int64_t Numerator() const { return n_; }
    std::int64_t Denominator() const { return d_; }
    bool IsZero() const { return n_ == 0; }

    friend Rational operator+(const Rational& a, const Rational& b)
    {
        const std::int64_t g = std::gcd(a.d_, b.d_);
        return Rational(Add(Mul(a.n_, b.d_ / g), Mul(b.n_, a.d_ / g)), Mul(a.d_ / g, b.d_));
    }
    friend Rational operator-(const Rational& a, const Rational& b) { return a + Rational(Negate(b.n_), b.d_); }
    friend Rational operator*(const Rational& a, const Rational& b)
    {
        const std::int64_t g1 = std::gcd(a.n_, b.d_), g2 = std::gcd(b.n_, a.d_);
        return Rational(Mul(a.n_ / (g1 ? g1 : 1), b.n_ / (g2 ? g2 : 1)), Mul(a.d_ / (g2 ? g2 : 1), b.d_ / (g1 ? g1 : 1)));
    }
    friend Rational operator/(const Rational& a, const Rational& b)
    {
        if (b.n_ == 0)
            throw std::domain_error("division by zero");
        return a * Rational(b.d_, b.n_);
    }
    friend bool operator==(const Rational& a, const Rational& b) { return a.n_ == b.n_ && a.d_ == b.d_; }

    static std::int64_t Mul(std::int64_t a, std::int64_t b)
    {
        std::int64_t r;
        if (__builtin_mul_overflow(a, b, &r))
            throw RationalOverflow();
        return r;
    }
    static std::int64_t Add(std::int64_t a, std::int64_t b)
    {
        std::int64_t r;
        if (__builtin_add_overflow(a, b, &r))
            throw RationalOverflow();
        return r;
    }
    static std::int64_t Negate(std::int64_t a)
    {
        if (a == INT64_MIN)
            throw RationalOverflow();
        return -a;
    }

private:
    void Normalise()
    {
        if (d_ == 0)
            throw std::domain_error("zero denominator");
        if (n_ == INT64_MIN || d_ == INT64_MIN)
            throw RationalOverflow();
        if (d_ < 0) {
            n_ = -n_;
            d_ = -d_;
        }
        const std::int64_t g = std::gcd(n_, d_);
        if (g > 1) {
            n_ /= g;
            d_ /= g;
        }
    }

    std::int64_t n_, d_;
};
