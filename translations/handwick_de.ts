<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>App</name>
    <message>
        <source>This desktop has no system tray, so Handwick shows no icon. Press Ctrl+Alt+H to turn the pointer on and off, Ctrl+Alt+X to clear the drawing.</source>
        <translation>Diese Arbeitsumgebung hat keinen Infobereich, daher zeigt Handwick kein Symbol an. Mit Strg+Alt+H schalten Sie den Zeiger ein und aus, mit Strg+Alt+X löschen Sie die Zeichnung.</translation>
    </message>
    <message>
        <source>No compositor is running, so Handwick draws the hand and the ink with hard edges and without shadows, and the spotlight is not available. Turn on your desktop&apos;s compositing (or start one, such as picom) for the full look.</source>
        <translation>Es läuft kein Compositor, daher zeichnet Handwick die Hand und die Zeichnung mit harten Kanten und ohne Schatten, und das Spotlight ist nicht verfügbar. Schalten Sie das Compositing Ihrer Arbeitsumgebung ein (oder starten Sie einen Compositor wie picom), um die volle Darstellung zu erhalten.</translation>
    </message>
    <message>
        <source>The spotlight needs a compositor to darken the screen around the hand. Turn on your desktop&apos;s compositing to use it.</source>
        <translation>Das Spotlight braucht einen Compositor, um den Bildschirm um die Hand herum abzudunkeln. Schalten Sie das Compositing Ihrer Arbeitsumgebung ein, um es zu verwenden.</translation>
    </message>
    <message>
        <source>Turn Pointer Off</source>
        <translation>Zeiger ausschalten</translation>
    </message>
    <message>
        <source>Turn Pointer On</source>
        <translation>Zeiger einschalten</translation>
    </message>
    <message>
        <source>Clear Drawing</source>
        <translation>Zeichnung löschen</translation>
    </message>
    <message>
        <source>Quit Handwick</source>
        <translation>Handwick beenden</translation>
    </message>
    <message>
        <source>Pointer on</source>
        <translation>Zeiger an</translation>
    </message>
    <message>
        <source>Pointer off</source>
        <translation>Zeiger aus</translation>
    </message>
    <message numerus="yes">
        <source>Another program holds %1, so it does nothing in Handwick for now; Handwick takes it as soon as it is free.</source>
        <translation>
            <numerusform>Ein anderes Programm belegt %1. Handwick reagiert vorerst nicht auf dieses Tastenkürzel und übernimmt es, sobald es frei ist.</numerusform>
            <numerusform>Ein anderes Programm belegt %1. Handwick reagiert vorerst nicht auf diese Tastenkürzel und übernimmt sie, sobald sie frei sind.</numerusform>
        </translation>
    </message>
    <message>
        <source>Use the tray icon meanwhile.</source>
        <translation>Verwenden Sie bis dahin das Symbol im Infobereich.</translation>
    </message>
    <message>
        <source>Until then the pointer cannot be turned on.</source>
        <translation>Bis dahin lässt sich der Zeiger nicht einschalten.</translation>
    </message>
    <message>
        <source>How It Works…</source>
        <translation>So funktioniert’s …</translation>
    </message>
</context>
<context>
    <name>CustomHand</name>
    <message>
        <source>the cut-out could not be encoded</source>
        <translation>das freigestellte Bild ließ sich nicht kodieren</translation>
    </message>
    <message>
        <source>This file is too large for a photo of a hand (over 100 MB).</source>
        <translation>Diese Datei ist für ein Foto einer Hand zu groß (über 100 MB).</translation>
    </message>
    <message>
        <source>Handwick is not allowed to read this file.</source>
        <translation>Handwick darf diese Datei nicht lesen.</translation>
    </message>
    <message>
        <source>This file is not a picture Handwick can read.</source>
        <translation>Diese Datei ist kein Bild, das Handwick lesen kann.</translation>
    </message>
    <message>
        <source>No hand found in this photo. A plain background helps.</source>
        <translation>Auf diesem Foto wurde keine Hand gefunden. Ein einfarbiger Hintergrund hilft.</translation>
    </message>
    <message>
        <source>Handwick could not save your hand to %1: %2.</source>
        <translation>Handwick konnte Ihre Hand nicht unter %1 speichern: %2.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>der Ordner %1 lässt sich nicht anlegen</translation>
    </message>
</context>
<context>
    <name>HandSize</name>
    <message>
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groß</translation>
    </message>
</context>
<context>
    <name>HandSkin</name>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>Warm</source>
        <translation>Warm</translation>
    </message>
    <message>
        <source>Cobalt</source>
        <translation>Kobalt</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>Gebräunt</translation>
    </message>
    <message>
        <source>Deep</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Mint</source>
        <translation>Minze</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavendel</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Zitrone</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>Koralle</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Nacht</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Gold</translation>
    </message>
    <message>
        <source>Chrome</source>
        <translation>Chrom</translation>
    </message>
    <message>
        <source>Candy</source>
        <translation>Bonbon</translation>
    </message>
    <message>
        <source>Ocean</source>
        <translation>Ozean</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neon</translation>
    </message>
    <message>
        <source>Pixel</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>Ghost</source>
        <translation>Geist</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>Roboter</translation>
    </message>
    <message>
        <source>Your Hand</source>
        <translation>Ihre Hand</translation>
    </message>
</context>
<context>
    <name>InkColor</name>
    <message>
        <source>Coral</source>
        <translation>Koralle</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Limette</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Himmel</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Ink</source>
        <translation>Tinte</translation>
    </message>
</context>
<context>
    <name>Prefs</name>
    <message>
        <source>The settings file %1 is not a regular file, so Handwick uses its defaults and saves no changes.</source>
        <translation>Die Einstellungsdatei %1 ist keine normale Datei, daher verwendet Handwick die Standardeinstellungen und speichert keine Änderungen.</translation>
    </message>
    <message>
        <source>its folder is not writable</source>
        <translation>der Ordner ist nicht beschreibbar</translation>
    </message>
    <message>
        <source>the disk may be full or the folder cannot be made</source>
        <translation>der Datenträger ist womöglich voll, oder der Ordner lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>Handwick cannot save its settings to %1: %2. Changes last until Handwick quits.</source>
        <translation>Handwick kann seine Einstellungen nicht in %1 speichern: %2. Änderungen gelten nur, bis Handwick beendet wird.</translation>
    </message>
</context>
<context>
    <name>TapSound</name>
    <message>
        <source>Pop</source>
        <translation>Plopp</translation>
    </message>
    <message>
        <source>Tick</source>
        <translation>Tick</translation>
    </message>
    <message>
        <source>Boop</source>
        <translation>Bup</translation>
    </message>
    <message>
        <source>Knock</source>
        <translation>Klopf</translation>
    </message>
    <message>
        <source>Blip</source>
        <translation>Blip</translation>
    </message>
    <message>
        <source>Chime</source>
        <translation>Glöckchen</translation>
    </message>
</context>
<context>
    <name>Tool</name>
    <message>
        <source>Pen</source>
        <translation>Stift</translation>
    </message>
    <message>
        <source>Highlighter</source>
        <translation>Textmarker</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Pfeil</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Schritte</translation>
    </message>
</context>
<context>
    <name>ToolbarView</name>
    <message>
        <source>Choose a hand</source>
        <translation>Hand auswählen</translation>
    </message>
    <message>
        <source>Laser dot (L)</source>
        <translation>Laserpunkt (L)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Spotlight (S)</source>
        <translation>Spotlight (S)</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Rückgängig (Strg+Z)</translation>
    </message>
    <message>
        <source>Clear the drawing (Backspace)</source>
        <translation>Zeichnung löschen (Rücktaste)</translation>
    </message>
    <message>
        <source>Turn off (Esc)</source>
        <translation>Ausschalten (Esc)</translation>
    </message>
    <message>
        <source>Turn the tap sound on</source>
        <translation>Tippgeräusch einschalten</translation>
    </message>
    <message>
        <source>Mute the tap sound</source>
        <translation>Tippgeräusch stummschalten</translation>
    </message>
</context>
<context>
    <name>WelcomeWindow</name>
    <message>
        <source>Click the hand in the system tray, or press %1</source>
        <translation>Klicken Sie auf die Hand im Systembereich der Kontrollleiste oder drücken Sie %1</translation>
    </message>
    <message>
        <source>This desktop has no system tray: press %1 to bring up the hand, and again to put it away.</source>
        <translation>Diese Arbeitsumgebung hat keinen Systembereich: Drücken Sie %1, um die Hand zu zeigen, und noch einmal, um sie wegzulegen.</translation>
    </message>
    <message>
        <source>Welcome to Handwick</source>
        <translation>Willkommen bei Handwick</translation>
    </message>
    <message>
        <source>Point at things on your screen</source>
        <translation>Zeigen Sie auf Dinge auf Ihrem Bildschirm</translation>
    </message>
    <message>
        <source>A little hand on a stick for screen sharing, recordings and presentations.</source>
        <translation>Eine kleine Hand am Stab für Bildschirmfreigaben, Aufnahmen und Präsentationen.</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Beim Anmelden öffnen</translation>
    </message>
    <message>
        <source>Try It Now</source>
        <translation>Jetzt ausprobieren</translation>
    </message>
    <message>
        <source>Click to tap. Nothing underneath gets clicked.</source>
        <translation>Klicken zum Antippen. Darunter wird nichts angeklickt.</translation>
    </message>
    <message>
        <source>Hold and drag to draw. Ctrl+Z undoes, Backspace clears.</source>
        <translation>Gedrückt halten und ziehen zum Zeichnen. Strg+Z macht rückgängig, Rücktaste löscht.</translation>
    </message>
    <message>
        <source>Esc puts the hand away and clears the drawing.</source>
        <translation>Esc legt die Hand weg und löscht die Zeichnung.</translation>
    </message>
    <message>
        <source>No permissions needed. Handwick only draws above your screen.</source>
        <translation>Keine Berechtigungen nötig. Handwick zeichnet nur über Ihrem Bildschirm.</translation>
    </message>
</context>
</TS>
