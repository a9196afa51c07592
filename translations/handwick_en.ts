<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>App</name>
    <message>
        <location filename="../src/app/App.cpp" line="40"/>
        <source>This desktop has no system tray, so Handwick shows no icon. Press Ctrl+Alt+H to turn the pointer on and off, Ctrl+Alt+X to clear the drawing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/App.cpp" line="45"/>
        <source>No compositor is running, so the pointer cannot be drawn see-through over your windows. Turn on your desktop&apos;s compositing (or start one, such as picom) and start Handwick again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/App.cpp" line="63"/>
        <source>Turn Pointer Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/App.cpp" line="63"/>
        <source>Turn Pointer On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/App.cpp" line="66"/>
        <source>Clear Drawing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/App.cpp" line="69"/>
        <source>Quit Handwick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/App.cpp" line="76"/>
        <source>Pointer on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/App.cpp" line="76"/>
        <source>Pointer off</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CustomHand</name>
    <message>
        <location filename="../src/handart/CustomHand.cpp" line="102"/>
        <source>This file is not a picture Handwick can read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/CustomHand.cpp" line="105"/>
        <source>No hand found in this photo. A plain background helps.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/CustomHand.cpp" line="108"/>
        <source>Handwick could not save your hand. Check that there is free space and try again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HandSize</name>
    <message>
        <location filename="../src/prefs/HandSize.h" line="9"/>
        <source>Small</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/prefs/HandSize.h" line="10"/>
        <source>Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/prefs/HandSize.h" line="11"/>
        <source>Large</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HandSkin</name>
    <message>
        <location filename="../src/handart/HandSkin.cpp" line="17"/>
        <source>Classic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/HandSkin.cpp" line="17"/>
        <source>Warm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/HandSkin.cpp" line="18"/>
        <source>Cobalt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/HandSkin.cpp" line="18"/>
        <source>Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/HandSkin.cpp" line="19"/>
        <source>Tan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/HandSkin.cpp" line="19"/>
        <source>Deep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/HandSkin.cpp" line="20"/>
        <source>Mint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/HandSkin.cpp" line="20"/>
        <source>Lavender</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/HandSkin.cpp" line="21"/>
        <source>Lemon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/HandSkin.cpp" line="21"/>
        <source>Coral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/HandSkin.cpp" line="22"/>
        <source>Night</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/HandSkin.cpp" line="22"/>
        <source>Gold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/HandSkin.cpp" line="23"/>
        <source>Chrome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/HandSkin.cpp" line="23"/>
        <source>Candy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/HandSkin.cpp" line="24"/>
        <source>Ocean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/HandSkin.cpp" line="24"/>
        <source>Neon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/HandSkin.cpp" line="25"/>
        <source>Pixel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/HandSkin.cpp" line="25"/>
        <source>Ghost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/HandSkin.cpp" line="26"/>
        <source>Robot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/HandSkin.cpp" line="28"/>
        <source>Your Hand</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InkColor</name>
    <message>
        <location filename="../src/prefs/InkColor.h" line="10"/>
        <source>Coral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/prefs/InkColor.h" line="11"/>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/prefs/InkColor.h" line="12"/>
        <source>Lime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/prefs/InkColor.h" line="13"/>
        <source>Sky</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/prefs/InkColor.h" line="14"/>
        <source>Violet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/prefs/InkColor.h" line="15"/>
        <source>Ink</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TapSound</name>
    <message>
        <location filename="../src/sound/TapSound.h" line="11"/>
        <source>Pop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sound/TapSound.h" line="12"/>
        <source>Tick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sound/TapSound.h" line="13"/>
        <source>Boop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sound/TapSound.h" line="14"/>
        <source>Knock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sound/TapSound.h" line="15"/>
        <source>Blip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/sound/TapSound.h" line="16"/>
        <source>Chime</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tool</name>
    <message>
        <location filename="../src/prefs/Tool.h" line="9"/>
        <source>Pen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/prefs/Tool.h" line="10"/>
        <source>Highlighter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/prefs/Tool.h" line="11"/>
        <source>Arrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/prefs/Tool.h" line="12"/>
        <source>Box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/prefs/Tool.h" line="13"/>
        <source>Steps</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
