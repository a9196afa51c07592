handwick_bench(bench_handart handart.cpp)
