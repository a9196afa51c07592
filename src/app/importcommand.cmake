target_sources(handwick_core PRIVATE app/ImportCommand.cpp)
