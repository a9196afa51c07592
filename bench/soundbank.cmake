handwick_bench(bench_soundbank soundbank.cpp)
