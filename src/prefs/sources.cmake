target_sources(handwick_core PRIVATE prefs/Prefs.cpp prefs/StoredValue.cpp prefs/Enums.cpp)
