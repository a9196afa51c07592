handwick_bench(bench_sound sound.cpp)
