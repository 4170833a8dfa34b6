# Feldt's confidence intervals of KR20 that the tests compare the program's
# with, computed once in 40-digit arithmetic from the F quantiles of
# ../f_quantiles/make_references.py:
#
#     python3 tests/data/feldt/make_references.py > tests/data/feldt/references.txt
#
# With N examinees, k items and r = KR20, the interval at level L is
# 1 - (1 - r) F(1 - a/2; N-1, (N-1)(k-1)) to 1 - (1 - r) F(a/2; N-1, (N-1)(k-1)),
# a = 1 - L (Feldt 1965; Feldt, Woodruff and Salih 1987). N, k and r are those
# the program's JSON document gives (test.kr20 to 17 digits; the test checks
# that the program still computes that r):
#
#     kor analyze --example set1 --json -
#     kor analyze --example set2 --json -
#     kor generate -o big.kor --cases 9999 --items 100 --seed 1804 && kor analyze big.kor --json -
import os
import runpy

import mpmath as mp

here = os.path.dirname(os.path.abspath(__file__))
# The quantile script's functions, without running its own output.
f_quantile = runpy.run_path(os.path.join(here, "..", "f_quantiles", "make_references.py"))["f_quantile"]
mp.mp.dps = 40

DATA_SETS = [
    # name, examinees, items, KR20
    ("set1", 23, 47, "0.6967752804256564"),
    ("set2", 17, 65, "0.798015881497948"),
    ("generated_9999x100", 9999, 100, "0.9246174223225522"),
]
LEVELS = ["0.90", "0.95", "0.99"]

print("# name examinees items kr20 level low high, from make_references.py")
for name, n, k, r in DATA_SETS:
    r = mp.mpf(r)
    d1, d2 = n - 1, (n - 1) * (k - 1)
    for level in LEVELS:
        tail = (1 - mp.mpf(level)) / 2
        low = 1 - (1 - r) * f_quantile(1 - tail, d1, d2)
        high = 1 - (1 - r) * f_quantile(tail, d1, d2)
        print(name, n, k, mp.nstr(r, 17), level, mp.nstr(low, 20), mp.nstr(high, 20))
