# The reference quantiles of the F distribution that the tests compare the
# program's with, computed once in 40-digit arithmetic (mpmath):
#
#     python3 tests/data/f_quantiles/make_references.py > tests/data/f_quantiles/references.txt
#
# F(p; d1, d2) is found from the regularized incomplete beta function
# I_x(d1/2, d2/2) = p with x = d1 F / (d1 F + d2), by Newton's method on
# log F from the Wilson-Hilferty approximation; the incomplete beta comes
# from its continued fraction (checked against mpmath.betainc where that
# converges, for the smaller degrees of freedom).
import mpmath as mp

mp.mp.dps = 40
DEGREES = [1, 2, 3, 5, 10, 30, 99, 1000, 9998, 100000, 989802, 1000000]
PROBABILITIES = ["0.005", "0.025", "0.05", "0.5", "0.95", "0.975", "0.995"]


def continued_fraction(x, a, b):
    tiny = mp.mpf(10) ** -300
    eps = mp.mpf(10) ** -36
    c = mp.mpf(1)
    d = 1 - (a + b) * x / (a + 1)
    d = 1 / (tiny if abs(d) < tiny else d)
    h = d
    for m in range(1, 500000):
        for aa in (m * (b - m) * x / ((a - 1 + 2 * m) * (a + 2 * m)),
                   -(a + m) * (a + b + m) * x / ((a + 2 * m) * (a + 1 + 2 * m))):
            d = 1 + aa * d
            d = 1 / (tiny if abs(d) < tiny else d)
            c = 1 + aa / c
            c = tiny if abs(c) < tiny else c
            h *= d * c
        if abs(d * c - 1) < eps:
            return h
    raise RuntimeError("no convergence")


def log_beta(a, b):
    return mp.loggamma(a) + mp.loggamma(b) - mp.loggamma(a + b)


def incomplete_beta(x, a, b):
    front = mp.exp(a * mp.log(x) + b * mp.log1p(-x) - log_beta(a, b))
    if x < (a + 1) / (a + b + 2):
        return front * continued_fraction(x, a, b) / a
    return 1 - front * continued_fraction(1 - x, b, a) / b


def wilson_hilferty(p, d1, d2):
    z = mp.sqrt(2) * mp.erfinv(2 * p - 1)
    u, v = mp.mpf(2) / (9 * d1), mp.mpf(2) / (9 * d2)
    # ((1 - v) F^(1/3) - (1 - u)) / sqrt(v F^(2/3) + u) = z, solved for F^(1/3)
    A, B, C = (1 - v) ** 2 - z * z * v, -2 * (1 - u) * (1 - v), (1 - u) ** 2 - z * z * u
    disc = max(B * B - 4 * A * C, 0)
    root = (-B + (1 if z >= 0 else -1) * mp.sqrt(disc)) / (2 * A) if A > 0 else mp.mpf(1)
    return max(root, mp.mpf("0.01")) ** 3


def f_quantile(p, d1, d2):
    p, a, b = mp.mpf(p), mp.mpf(d1) / 2, mp.mpf(d2) / 2
    # Newton's method, kept inside a bracket of log F that bisection narrows
    low, high = mp.mpf(-60), mp.mpf(60)
    log_f = mp.log(wilson_hilferty(p, d1, d2))
    for _ in range(300):
        f = mp.exp(log_f)
        x = d1 * f / (d1 * f + d2)
        g = incomplete_beta(x, a, b) - p
        if g < 0:
            low = log_f
        else:
            high = log_f
        density = mp.exp((a - 1) * mp.log(x) + (b - 1) * mp.log1p(-x) - log_beta(a, b))
        slope = density * d1 * d2 * f / (d1 * f + d2) ** 2  # dI/d(log F)
        following = log_f - g / slope if slope > 0 else low - 1
        if not low < following < high:
            following = (low + high) / 2
        if abs(following - log_f) < mp.mpf(10) ** -32:
            return mp.exp(following)
        log_f = following
    raise RuntimeError("no convergence at %s %s %s" % (p, d1, d2))


if __name__ == "__main__":
    for x, a, b in [("0.3", "0.5", "1.5"), ("0.7", "2.5", "15"), ("0.45", "50", "500")]:
        x, a, b = mp.mpf(x), mp.mpf(a), mp.mpf(b)
        assert abs(incomplete_beta(x, a, b) - mp.betainc(a, b, 0, x, regularized=True)) < mp.mpf(10) ** -30

    print("# p d1 d2 F(p; d1, d2), from make_references.py")
    for p in PROBABILITIES:
        for d1 in DEGREES:
            for d2 in DEGREES:
                print(p, d1, d2, mp.nstr(f_quantile(p, d1, d2), 25))
