handwick_bench(bench_layers layers.cpp)
