handwick_bench(bench_drawing drawing.cpp)
