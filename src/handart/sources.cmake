target_sources(handwick_core PRIVATE)
