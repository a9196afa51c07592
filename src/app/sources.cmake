target_sources(handwick_core PRIVATE app/EntryPoint.cpp app/App.cpp app/TrayIcon.cpp)
