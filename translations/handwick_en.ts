<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>App</name>
    <message>
        <source>This desktop has no system tray, so Handwick shows no icon. Press Ctrl+Alt+H to turn the pointer on and off, Ctrl+Alt+X to clear the drawing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No compositor is running, so Handwick draws the hand and the ink with hard edges and without shadows, and the spotlight is not available. Turn on your desktop&apos;s compositing (or start one, such as picom) for the full look.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The spotlight needs a compositor to darken the screen around the hand. Turn on your desktop&apos;s compositing to use it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn Pointer Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn Pointer On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Drawing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit Handwick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pointer on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pointer off</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Another program holds %1, so it does nothing in Handwick for now; Handwick takes it as soon as it is free.</source>
        <translation>
            <numerusform>Another program holds %1, so it does nothing in Handwick for now; Handwick takes it as soon as it is free.</numerusform>
            <numerusform>Another program holds %1, so they do nothing in Handwick for now; Handwick takes them as soon as they are free.</numerusform>
        </translation>
    </message>
    <message>
        <source>Use the tray icon meanwhile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Until then the pointer cannot be turned on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How It Works…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CustomHand</name>
    <message>
        <source>the cut-out could not be encoded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file is too large for a photo of a hand (over 100 MB).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Handwick is not allowed to read this file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file is not a picture Handwick can read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No hand found in this photo. A plain background helps.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Handwick could not save your hand to %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HandSize</name>
    <message>
        <source>Small</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Large</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HandSkin</name>
    <message>
        <source>Classic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cobalt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Night</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chrome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Candy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ocean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pixel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ghost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Robot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Hand</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InkColor</name>
    <message>
        <source>Coral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lime</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sky</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Violet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ink</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Prefs</name>
    <message>
        <source>The settings file %1 is not a regular file, so Handwick uses its defaults and saves no changes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its folder is not writable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk may be full or the folder cannot be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Handwick cannot save its settings to %1: %2. Changes last until Handwick quits.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TapSound</name>
    <message>
        <source>Pop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Knock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chime</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tool</name>
    <message>
        <source>Pen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highlighter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Steps</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToolbarView</name>
    <message>
        <source>Choose a hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Laser dot (L)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spotlight (S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear the drawing (Backspace)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn off (Esc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn the tap sound on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mute the tap sound</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WelcomeWindow</name>
    <message>
        <source>Click the hand in the system tray, or press %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This desktop has no system tray: press %1 to bring up the hand, and again to put it away.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome to Handwick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point at things on your screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A little hand on a stick for screen sharing, recordings and presentations.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try It Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to tap. Nothing underneath gets clicked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold and drag to draw. Ctrl+Z undoes, Backspace clears.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esc puts the hand away and clears the drawing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No permissions needed. Handwick only draws above your screen.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
