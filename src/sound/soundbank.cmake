target_sources(handwick_core PRIVATE
  sound/ExitGuard.cpp
  sound/QuietAudioLog.cpp
  sound/SinkPlayer.cpp
  sound/SinkVoices.cpp
  sound/SoundBank.cpp
  sound/Voice.h)
