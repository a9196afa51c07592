<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutSettings</name>
    <message>
        <source>A little hand on a stick that points at things on your screen.</source>
        <translation>Eine kleine Hand am Stab, die auf Dinge auf Ihrem Bildschirm zeigt.</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Nach Aktualisierungen suchen …</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
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
    <message>
        <source>Settings…</source>
        <translation>Einstellungen …</translation>
    </message>
</context>
<context>
    <name>AppRoot</name>
    <message>
        <source>Handwick cannot take commands from the command line or notice a second start, because %1.</source>
        <translation>Handwick kann keine Befehle von der Kommandozeile annehmen und keinen zweiten Start bemerken, weil %1.</translation>
    </message>
</context>
<context>
    <name>Appcast</name>
    <message>
        <source>The update feed is damaged (line %1: %2).</source>
        <translation>Der Update-Feed ist beschädigt (Zeile %1: %2).</translation>
    </message>
    <message>
        <source>The update address does not lead to an update feed.</source>
        <translation>Die Update-Adresse führt zu keinem Update-Feed.</translation>
    </message>
</context>
<context>
    <name>ChannelPlace</name>
    <message>
        <source>the runtime folder &quot;%1&quot; is not an absolute path</source>
        <translation>der Laufzeitordner „%1“ kein absoluter Pfad ist</translation>
    </message>
    <message>
        <source>the runtime folder %1 cannot be read: %2</source>
        <translation>der Laufzeitordner %1 nicht gelesen werden kann: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 kein Ordner ist</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 einem anderen Benutzer gehört</translation>
    </message>
    <message>
        <source>%1 is open to other users (mode %2, not 0700)</source>
        <translation>%1 für andere Benutzer offen ist (Modus %2, nicht 0700)</translation>
    </message>
    <message>
        <source>the runtime folder&apos;s path %1 is too long</source>
        <translation>der Pfad des Laufzeitordners %1 zu lang ist</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Turn the pointer on or off.</source>
        <translation>Den Zeiger ein- oder ausschalten.</translation>
    </message>
    <message>
        <source>Turn the pointer on.</source>
        <translation>Den Zeiger einschalten.</translation>
    </message>
    <message>
        <source>Turn the pointer off.</source>
        <translation>Den Zeiger ausschalten.</translation>
    </message>
    <message>
        <source>Clear the drawing.</source>
        <translation>Die Zeichnung löschen.</translation>
    </message>
    <message>
        <source>Undo the last drawing.</source>
        <translation>Die letzte Zeichnung rückgängig machen.</translation>
    </message>
    <message>
        <source>Switch the spotlight on or off (turns the pointer on).</source>
        <translation>Das Spotlight ein- oder ausschalten (schaltet den Zeiger ein).</translation>
    </message>
    <message>
        <source>Switch between the hand and the laser dot.</source>
        <translation>Zwischen Hand und Laserpunkt wechseln.</translation>
    </message>
    <message>
        <source>Choose the drawing tool: pen, highlighter, arrow, box or steps.</source>
        <translation>Das Zeichenwerkzeug wählen: pen, highlighter, arrow, box oder steps.</translation>
    </message>
    <message>
        <source>Choose the ink color: coral, sun, lime, sky, violet or ink.</source>
        <translation>Die Tintenfarbe wählen: coral, sun, lime, sky, violet oder ink.</translation>
    </message>
    <message>
        <source>Choose the hand, by its name as --render-hands shows it.</source>
        <translation>Die Hand wählen, mit ihrem Namen, wie --render-hands ihn zeigt.</translation>
    </message>
    <message>
        <source>Make the photo FILE your own hand (no display needed).</source>
        <translation>Das Foto FILE zu Ihrer eigenen Hand machen (ohne Bildschirm).</translation>
    </message>
    <message>
        <source>Start, write pictures of every window into DIR, then quit.</source>
        <translation>Starten, Bilder aller Fenster in DIR schreiben, dann beenden.</translation>
    </message>
    <message>
        <source>Start and show the pointer with a demonstration drawing.</source>
        <translation>Starten und den Zeiger mit einer Beispielzeichnung zeigen.</translation>
    </message>
    <message>
        <source>Write pictures of every hand into DIR (no display needed).</source>
        <translation>Bilder aller Hände in DIR schreiben (ohne Bildschirm).</translation>
    </message>
    <message>
        <source>Handwick puts a cartoon hand on a stick above everything on your screen.
Without options it starts, or brings forward the Handwick already running;
the remote-control options act on the running Handwick.</source>
        <translation>Handwick setzt eine Comic-Hand am Stab über alles auf Ihrem Bildschirm.
Ohne Optionen startet es oder holt das bereits laufende Handwick nach vorn;
die Fernsteuerungsoptionen wirken auf das laufende Handwick.</translation>
    </message>
    <message>
        <source>handwick: %1; see handwick --help</source>
        <translation>handwick: %1; siehe handwick --help</translation>
    </message>
    <message>
        <source>unknown option %1%2</source>
        <translation>unbekannte Option %1%2</translation>
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
    <name>DrawingSettings</name>
    <message>
        <source>Ink</source>
        <translation>Tinte</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Line width</source>
        <translation>Linienbreite</translation>
    </message>
    <message>
        <source>Never, clear by hand</source>
        <translation>Nie, von Hand löschen</translation>
    </message>
    <message>
        <source>After 2 seconds</source>
        <translation>Nach 2 Sekunden</translation>
    </message>
    <message>
        <source>After 4 seconds</source>
        <translation>Nach 4 Sekunden</translation>
    </message>
    <message>
        <source>After 8 seconds</source>
        <translation>Nach 8 Sekunden</translation>
    </message>
    <message>
        <source>Fade away</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Spotlight size</source>
        <translation>Größe des Spotlights</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Pick a tool in the toolbar or with the keys 1 to 5. Hold Shift for a straight line.</source>
        <translation>Wählen Sie ein Werkzeug in der Werkzeugleiste oder mit den Tasten 1 bis 5. Halten Sie die Umschalttaste für eine gerade Linie.</translation>
    </message>
</context>
<context>
    <name>EntryPoint</name>
    <message>
        <source>handwick: Handwick is already running; quit it first for --snapshot or --demo
</source>
        <translation>handwick: Handwick läuft bereits; beenden Sie es zuerst für --snapshot oder --demo
</translation>
    </message>
</context>
<context>
    <name>GeneralSettings</name>
    <message>
        <source>Open at login</source>
        <translation>Beim Anmelden öffnen</translation>
    </message>
    <message>
        <source>Show the toolbar while pointing</source>
        <translation>Werkzeugleiste beim Zeigen anzeigen</translation>
    </message>
    <message>
        <source>Pointer</source>
        <translation>Zeiger</translation>
    </message>
    <message>
        <source>Hand size</source>
        <translation>Handgröße</translation>
    </message>
    <message>
        <source>Stick sways when you move</source>
        <translation>Stab schwingt bei Bewegung</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Tap sound</source>
        <translation>Tippgeräusch</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Pointer on or off</source>
        <translation>Zeiger ein oder aus</translation>
    </message>
    <message>
        <source>Clear the drawing</source>
        <translation>Zeichnung löschen</translation>
    </message>
    <message>
        <source>Spotlight</source>
        <translation>Spotlight</translation>
    </message>
    <message>
        <source>Esc off · Ctrl+Z undo · Backspace clear · L laser · S spotlight · 1 to 5 tools · T toolbar</source>
        <translation>Esc aus · Strg+Z rückgängig · Rücktaste löschen · L Laser · S Spotlight · 1 bis 5 Werkzeuge · T Werkzeugleiste</translation>
    </message>
    <message>
        <source>While pointing</source>
        <translation>Beim Zeigen</translation>
    </message>
</context>
<context>
    <name>HandSettings</name>
    <message>
        <source>Hands</source>
        <translation>Hände</translation>
    </message>
    <message>
        <source>Your own hand</source>
        <translation>Ihre eigene Hand</translation>
    </message>
    <message>
        <source>A photo of your hand with the index finger pointing up, on a plain background. It is cut out on this computer and never uploaded.</source>
        <translation>Ein Foto Ihrer Hand mit nach oben zeigendem Zeigefinger vor schlichtem Hintergrund. Es wird auf diesem Computer ausgeschnitten und nie hochgeladen.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Cutting out your hand</source>
        <translation>Ihre Hand wird ausgeschnitten</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Choose a Photo of Your Hand</source>
        <translation>Foto Ihrer Hand wählen</translation>
    </message>
    <message>
        <source>Choose Another Photo…</source>
        <translation>Anderes Foto wählen …</translation>
    </message>
    <message>
        <source>Choose Photo…</source>
        <translation>Foto wählen …</translation>
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
    <name>InstanceChannel</name>
    <message>
        <source>Handwick cannot listen on %1: %2</source>
        <translation>Handwick kann nicht auf %1 lauschen: %2</translation>
    </message>
    <message>
        <source>the running Handwick is a different version; restart it</source>
        <translation>das laufende Handwick ist eine andere Version; starten Sie es neu</translation>
    </message>
</context>
<context>
    <name>InstanceLock</name>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1 cannot be locked: %2</source>
        <translation>%1 kann nicht gesperrt werden: %2</translation>
    </message>
</context>
<context>
    <name>PackageDownload</name>
    <message>
        <source>Handwick could not make the folder %1 for the download.</source>
        <translation>Handwick konnte den Ordner %1 für den Download nicht anlegen.</translation>
    </message>
    <message>
        <source>Handwick could not save the download: %1</source>
        <translation>Handwick konnte den Download nicht speichern: %1</translation>
    </message>
    <message>
        <source>The downloaded update is %1 bytes long instead of %2, so Handwick deleted it. Try again later.</source>
        <translation>Das geladene Update ist %1 Byte groß statt %2, daher hat Handwick es gelöscht. Versuchen Sie es später noch einmal.</translation>
    </message>
    <message>
        <source>Handwick could not read the download: %1</source>
        <translation>Handwick konnte den Download nicht lesen: %1</translation>
    </message>
    <message>
        <source>The downloaded update does not carry Handwick&apos;s signature, so it may have been altered. Handwick deleted it without installing it.</source>
        <translation>Das geladene Update trägt nicht die Signatur von Handwick und könnte verändert worden sein. Handwick hat es gelöscht, ohne es zu installieren.</translation>
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
    <name>RemoteClient</name>
    <message>
        <source>the socket %1 belongs to another user</source>
        <translation>der Socket %1 gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>handwick: %1</source>
        <translation>handwick: %1</translation>
    </message>
    <message>
        <source>Handwick is not running</source>
        <translation>Handwick läuft nicht</translation>
    </message>
    <message>
        <source>handwick: Handwick cannot be reached: %1</source>
        <translation>handwick: Handwick ist nicht erreichbar: %1</translation>
    </message>
    <message>
        <source>handwick: the running Handwick does not answer</source>
        <translation>handwick: das laufende Handwick antwortet nicht</translation>
    </message>
    <message>
        <source>handwick: Handwick is already running but does not answer; end it first</source>
        <translation>handwick: Handwick läuft bereits, antwortet aber nicht; beenden Sie es zuerst</translation>
    </message>
    <message>
        <source>handwick: Handwick was ending just now; start it again</source>
        <translation>handwick: Handwick wurde gerade beendet; starten Sie es erneut</translation>
    </message>
</context>
<context>
    <name>RemoteCommands</name>
    <message>
        <source>--%1 takes no value</source>
        <translation>--%1 nimmt keinen Wert an</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>unbekannter Befehl „%1“</translation>
    </message>
    <message>
        <source>unknown tool &quot;%1&quot;; the tools are %2</source>
        <translation>unbekanntes Werkzeug „%1“; die Werkzeuge sind %2</translation>
    </message>
    <message>
        <source>unknown color &quot;%1&quot;; the colors are %2</source>
        <translation>unbekannte Farbe „%1“; die Farben sind %2</translation>
    </message>
    <message>
        <source>unknown hand &quot;%1&quot;; the hands are %2</source>
        <translation>unbekannte Hand „%1“; die Hände sind %2</translation>
    </message>
</context>
<context>
    <name>RemoteControl</name>
    <message>
        <source>there is no hand of your own yet; make one with --import-hand PHOTO</source>
        <translation>es gibt noch keine eigene Hand; erstellen Sie eine mit --import-hand FOTO</translation>
    </message>
</context>
<context>
    <name>SecureFetch</name>
    <message>
        <source>Handwick only downloads updates over a secure connection (HTTPS), and %1 is not one.</source>
        <translation>Handwick lädt Updates nur über eine sichere Verbindung (HTTPS), und %1 ist keine.</translation>
    </message>
    <message>
        <source>The update server sent Handwick to %1, which is not a secure (HTTPS) address, so Handwick stopped.</source>
        <translation>Der Update-Server hat Handwick zu %1 umgeleitet, einer unsicheren Adresse (kein HTTPS), daher hat Handwick abgebrochen.</translation>
    </message>
    <message>
        <source>The update server sent more data than expected, so Handwick stopped.</source>
        <translation>Der Update-Server hat mehr Daten gesendet als erwartet, daher hat Handwick abgebrochen.</translation>
    </message>
    <message>
        <source>Handwick could not save the download: %1</source>
        <translation>Handwick konnte den Download nicht speichern: %1</translation>
    </message>
    <message>
        <source>The update server did not answer in time. Try again later.</source>
        <translation>Der Update-Server hat nicht rechtzeitig geantwortet. Versuchen Sie es später noch einmal.</translation>
    </message>
    <message>
        <source>The connection to the update server broke off before the download was complete. Try again later.</source>
        <translation>Die Verbindung zum Update-Server ist abgebrochen, bevor der Download vollständig war. Versuchen Sie es später noch einmal.</translation>
    </message>
    <message>
        <source>The update server answered with an error (%1 %2).</source>
        <translation>Der Update-Server hat mit einem Fehler geantwortet (%1 %2).</translation>
    </message>
    <message>
        <source>Handwick could not reach the update server: %1</source>
        <translation>Handwick konnte den Update-Server nicht erreichen: %1</translation>
    </message>
    <message>
        <source>The update server is far too slow. Try again later.</source>
        <translation>Der Aktualisierungsserver ist viel zu langsam. Versuchen Sie es später erneut.</translation>
    </message>
</context>
<context>
    <name>SettingsTab</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Hände</translation>
    </message>
    <message>
        <source>Drawing</source>
        <translation>Zeichnen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
</context>
<context>
    <name>SettingsWindowController</name>
    <message>
        <source>%1 — Handwick</source>
        <translation>%1 — Handwick</translation>
    </message>
</context>
<context>
    <name>SoftwareUpdates</name>
    <message>
        <source>Check for Updates…</source>
        <translation>Nach Updates suchen …</translation>
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
    <name>UpdateDialog</name>
    <message>
        <source>Skip This Version</source>
        <translation>Diese Version überspringen</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Später erinnern</translation>
    </message>
    <message>
        <source>Install Update</source>
        <translation>Update installieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Softwareaktualisierung</translation>
    </message>
    <message>
        <source>A new version of Handwick is available</source>
        <translation>Eine neue Version von Handwick ist verfügbar</translation>
    </message>
    <message>
        <source>Downloading…</source>
        <translation>Wird geladen …</translation>
    </message>
    <message>
        <source>Handwick %1 is available; you have %2. Would you like to install it now?</source>
        <translation>Handwick %1 ist verfügbar; Sie haben %2. Möchten Sie es jetzt installieren?</translation>
    </message>
    <message>
        <source>Read the release notes</source>
        <translation>Versionshinweise lesen</translation>
    </message>
    <message>
        <source>Downloading… %1 of %2</source>
        <translation>Wird geladen … %1 von %2</translation>
    </message>
</context>
<context>
    <name>UpdatePrompts</name>
    <message>
        <source>You’re up to date!</source>
        <translation>Sie sind auf dem neuesten Stand!</translation>
    </message>
    <message>
        <source>Handwick %1 is the newest version available.</source>
        <translation>Handwick %1 ist die neueste verfügbare Version.</translation>
    </message>
    <message>
        <source>Handwick could not check for updates.</source>
        <translation>Handwick konnte nicht nach Updates suchen.</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Softwareaktualisierung</translation>
    </message>
    <message>
        <source>Check for updates automatically?</source>
        <translation>Automatisch nach Updates suchen?</translation>
    </message>
    <message>
        <source>Handwick can look for a new version once a day. You can also check at any time from the tray menu.</source>
        <translation>Handwick kann einmal am Tag nach einer neuen Version suchen. Sie können auch jederzeit über das Menü im Systembereich suchen.</translation>
    </message>
    <message>
        <source>Handwick downloaded and verified the update, but found no program to install it.</source>
        <translation>Handwick hat das Update geladen und geprüft, aber kein Programm gefunden, um es zu installieren.</translation>
    </message>
    <message>
        <source>Install the package yourself: %1</source>
        <translation>Installieren Sie das Paket selbst: %1</translation>
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
