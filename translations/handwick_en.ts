<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>App</name>
    <message>
        <location filename="../src/app/App.cpp" line="62"/>
        <source>This desktop has no system tray, so Handwick shows no icon. Press Ctrl+Alt+H to turn the pointer on and off, Ctrl+Alt+X to clear the drawing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/App.cpp" line="68"/>
        <source>No compositor is running, so Handwick draws the hand and the ink with hard edges and without shadows, and the spotlight is not available. Turn on your desktop&apos;s compositing (or start one, such as picom) for the full look.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/App.cpp" line="76"/>
        <source>The spotlight needs a compositor to darken the screen around the hand. Turn on your desktop&apos;s compositing to use it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/App.cpp" line="99"/>
        <source>Turn Pointer Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/App.cpp" line="99"/>
        <source>Turn Pointer On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/App.cpp" line="102"/>
        <source>Clear Drawing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/App.cpp" line="105"/>
        <source>Quit Handwick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/App.cpp" line="112"/>
        <source>Pointer on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/App.cpp" line="112"/>
        <source>Pointer off</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location filename="../src/app/App.cpp" line="128"/>
        <source>Another program holds %1, so it does nothing in Handwick for now; Handwick takes it as soon as it is free.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/app/App.cpp" line="132"/>
        <source>Use the tray icon meanwhile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/App.cpp" line="134"/>
        <source>Until then the pointer cannot be turned on.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CustomHand</name>
    <message>
        <location filename="../src/handart/CustomHand.cpp" line="83"/>
        <source>the cut-out could not be encoded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/CustomHand.cpp" line="111"/>
        <source>This file is too large for a photo of a hand (over 100 MB).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/CustomHand.cpp" line="114"/>
        <source>Handwick is not allowed to read this file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/CustomHand.cpp" line="117"/>
        <source>This file is not a picture Handwick can read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/CustomHand.cpp" line="120"/>
        <source>No hand found in this photo. A plain background helps.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/CustomHand.cpp" line="123"/>
        <source>Handwick could not save your hand to %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/CustomHand.cpp" line="140"/>
        <source>the folder %1 cannot be made</source>
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
        <location filename="../src/handart/HandSkin.cpp" line="16"/>
        <source>Classic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/HandSkin.cpp" line="16"/>
        <source>Warm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/HandSkin.cpp" line="17"/>
        <source>Cobalt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/HandSkin.cpp" line="17"/>
        <source>Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/HandSkin.cpp" line="18"/>
        <source>Tan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/HandSkin.cpp" line="18"/>
        <source>Deep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/HandSkin.cpp" line="19"/>
        <source>Mint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/HandSkin.cpp" line="19"/>
        <source>Lavender</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/HandSkin.cpp" line="20"/>
        <source>Lemon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/HandSkin.cpp" line="20"/>
        <source>Coral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/HandSkin.cpp" line="21"/>
        <source>Night</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/HandSkin.cpp" line="21"/>
        <source>Gold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/HandSkin.cpp" line="22"/>
        <source>Chrome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/HandSkin.cpp" line="22"/>
        <source>Candy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/HandSkin.cpp" line="23"/>
        <source>Ocean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/HandSkin.cpp" line="23"/>
        <source>Neon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/HandSkin.cpp" line="24"/>
        <source>Pixel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/HandSkin.cpp" line="24"/>
        <source>Ghost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/HandSkin.cpp" line="25"/>
        <source>Robot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/handart/HandSkin.cpp" line="27"/>
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
    <name>Prefs</name>
    <message>
        <location filename="../src/prefs/Prefs.cpp" line="46"/>
        <source>The settings file %1 is not a regular file, so Handwick uses its defaults and saves no changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/prefs/Prefs.cpp" line="71"/>
        <source>its folder is not writable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/prefs/Prefs.cpp" line="72"/>
        <source>the disk may be full or the folder cannot be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/prefs/Prefs.cpp" line="73"/>
        <source>Handwick cannot save its settings to %1: %2. Changes last until Handwick quits.</source>
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
<context>
    <name>ToolbarView</name>
    <message>
        <location filename="../src/ui/ToolbarView.cpp" line="46"/>
        <source>Choose a hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/ToolbarView.cpp" line="50"/>
        <source>Laser dot (L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/ToolbarView.cpp" line="58"/>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/ToolbarView.cpp" line="78"/>
        <source>Spotlight (S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/ToolbarView.cpp" line="82"/>
        <source>Undo (Ctrl+Z)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/ToolbarView.cpp" line="85"/>
        <source>Clear the drawing (Backspace)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/ToolbarView.cpp" line="92"/>
        <source>Turn off (Esc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/ToolbarView.cpp" line="145"/>
        <source>Turn the tap sound on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/ui/ToolbarView.cpp" line="145"/>
        <source>Mute the tap sound</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
