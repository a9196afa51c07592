<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AboutSettings</name>
    <message>
        <source>A little hand on a stick that points at things on your screen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
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
    <message>
        <source>Settings…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AppRoot</name>
    <message>
        <source>Handwick cannot take commands from the command line or notice a second start, because %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Appcast</name>
    <message>
        <source>The update feed is damaged (line %1: %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The update address does not lead to an update feed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChannelPlace</name>
    <message>
        <source>the runtime folder &quot;%1&quot; is not an absolute path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the runtime folder %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is open to other users (mode %2, not 0700)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the runtime folder&apos;s path %1 is too long</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Turn the pointer on or off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn the pointer on.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn the pointer off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear the drawing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo the last drawing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch the spotlight on or off (turns the pointer on).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch between the hand and the laser dot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the drawing tool: pen, highlighter, arrow, box or steps.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the ink color: coral, sun, lime, sky, violet or ink.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the hand, by its name as --render-hands shows it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make the photo FILE your own hand (no display needed).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start, write pictures of every window into DIR, then quit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start and show the pointer with a demonstration drawing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write pictures of every hand into DIR (no display needed).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Handwick puts a cartoon hand on a stick above everything on your screen.
Without options it starts, or brings forward the Handwick already running;
the remote-control options act on the running Handwick.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>handwick: %1; see handwick --help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1%2</source>
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
    <name>DrawingSettings</name>
    <message>
        <source>Ink</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Never, clear by hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After 2 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After 4 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After 8 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fade away</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spotlight size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick a tool in the toolbar or with the keys 1 to 5. Hold Shift for a straight line.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EntryPoint</name>
    <message>
        <source>handwick: Handwick is already running; quit it first for --snapshot or --demo
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GeneralSettings</name>
    <message>
        <source>Open at login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the toolbar while pointing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pointer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hand size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stick sways when you move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tap sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pointer on or off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear the drawing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spotlight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esc off · Ctrl+Z undo · Backspace clear · L laser · S spotlight · 1 to 5 tools · T toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While pointing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HandSettings</name>
    <message>
        <source>Hands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your own hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A photo of your hand with the index finger pointing up, on a plain background. It is cut out on this computer and never uploaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cutting out your hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a Photo of Your Hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Another Photo…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose Photo…</source>
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
    <name>InstanceChannel</name>
    <message>
        <source>Handwick cannot listen on %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the running Handwick is a different version; restart it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InstanceLock</name>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be locked: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PackageDownload</name>
    <message>
        <source>Handwick could not make the folder %1 for the download.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Handwick could not save the download: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The downloaded update is %1 bytes long instead of %2, so Handwick deleted it. Try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Handwick could not read the download: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The downloaded update does not carry Handwick&apos;s signature, so it may have been altered. Handwick deleted it without installing it.</source>
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
    <name>RemoteClient</name>
    <message>
        <source>the socket %1 belongs to another user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>handwick: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Handwick is not running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>handwick: Handwick cannot be reached: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>handwick: the running Handwick does not answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>handwick: Handwick is already running but does not answer; end it first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>handwick: Handwick was ending just now; start it again</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RemoteCommands</name>
    <message>
        <source>--%1 takes no value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown tool &quot;%1&quot;; the tools are %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown color &quot;%1&quot;; the colors are %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown hand &quot;%1&quot;; the hands are %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RemoteControl</name>
    <message>
        <source>there is no hand of your own yet; make one with --import-hand PHOTO</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SecureFetch</name>
    <message>
        <source>Handwick only downloads updates over a secure connection (HTTPS), and %1 is not one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The update server sent Handwick to %1, which is not a secure (HTTPS) address, so Handwick stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The update server sent more data than expected, so Handwick stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Handwick could not save the download: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The update server did not answer in time. Try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection to the update server broke off before the download was complete. Try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The update server answered with an error (%1 %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Handwick could not reach the update server: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The update server is far too slow. Try again later.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsTab</name>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsWindowController</name>
    <message>
        <source>%1 — Handwick</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoftwareUpdates</name>
    <message>
        <source>Check for Updates…</source>
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
    <name>UpdateDialog</name>
    <message>
        <source>Skip This Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new version of Handwick is available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Handwick %1 is available; you have %2. Would you like to install it now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the release notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading… %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdatePrompts</name>
    <message>
        <source>You’re up to date!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Handwick %1 is the newest version available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Handwick could not check for updates.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for updates automatically?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Handwick can look for a new version once a day. You can also check at any time from the tray menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Handwick downloaded and verified the update, but found no program to install it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install the package yourself: %1</source>
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
