target_sources(handwick_core PRIVATE app/EntryPoint.cpp app/App.cpp app/AppRoot.cpp app/TrayIcon.cpp)
