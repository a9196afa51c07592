<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutSettings</name>
    <message>
        <source>A little hand on a stick that points at things on your screen.</source>
        <translation>Une petite main au bout d’un bâton qui montre ce qui est à l’écran.</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Rechercher des mises à jour…</translation>
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
        <translation>Ce bureau n’a pas de zone de notification, Handwick n’affiche donc pas d’icône. Appuyez sur Ctrl+Alt+H pour activer ou désactiver le pointeur, et sur Ctrl+Alt+X pour effacer le dessin.</translation>
    </message>
    <message>
        <source>No compositor is running, so Handwick draws the hand and the ink with hard edges and without shadows, and the spotlight is not available. Turn on your desktop&apos;s compositing (or start one, such as picom) for the full look.</source>
        <translation>Aucun compositeur n’est actif&#xa0;: Handwick dessine donc la main et l’encre avec des bords nets et sans ombres, et le projecteur n’est pas disponible. Activez la composition de votre bureau (ou lancez un compositeur comme picom) pour profiter du rendu complet.</translation>
    </message>
    <message>
        <source>The spotlight needs a compositor to darken the screen around the hand. Turn on your desktop&apos;s compositing to use it.</source>
        <translation>Le projecteur a besoin d’un compositeur pour assombrir l’écran autour de la main. Activez la composition de votre bureau pour l’utiliser.</translation>
    </message>
    <message>
        <source>Turn Pointer Off</source>
        <translation>Désactiver le pointeur</translation>
    </message>
    <message>
        <source>Turn Pointer On</source>
        <translation>Activer le pointeur</translation>
    </message>
    <message>
        <source>Clear Drawing</source>
        <translation>Effacer le dessin</translation>
    </message>
    <message>
        <source>Quit Handwick</source>
        <translation>Quitter Handwick</translation>
    </message>
    <message>
        <source>Pointer on</source>
        <translation>Pointeur activé</translation>
    </message>
    <message>
        <source>Pointer off</source>
        <translation>Pointeur désactivé</translation>
    </message>
    <message numerus="yes">
        <source>Another program holds %1, so it does nothing in Handwick for now; Handwick takes it as soon as it is free.</source>
        <translation>
            <numerusform>Un autre programme utilise %1&#xa0;: ce raccourci est donc sans effet dans Handwick pour l’instant. Handwick le reprendra dès qu’il sera libre.</numerusform>
            <numerusform>Un autre programme utilise %1&#xa0;: ces raccourcis sont donc sans effet dans Handwick pour l’instant. Handwick les reprendra dès qu’ils seront libres.</numerusform>
        </translation>
    </message>
    <message>
        <source>Use the tray icon meanwhile.</source>
        <translation>En attendant, utilisez l’icône de la zone de notification.</translation>
    </message>
    <message>
        <source>Until then the pointer cannot be turned on.</source>
        <translation>D’ici là, le pointeur ne peut pas être activé.</translation>
    </message>
    <message>
        <source>How It Works…</source>
        <translation>Comment ça marche…</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Paramètres…</translation>
    </message>
</context>
<context>
    <name>AppRoot</name>
    <message>
        <source>Handwick cannot take commands from the command line or notice a second start, because %1.</source>
        <translation>Handwick ne peut pas recevoir de commandes depuis la ligne de commande ni remarquer un second démarrage, car %1.</translation>
    </message>
</context>
<context>
    <name>Appcast</name>
    <message>
        <source>The update feed is damaged (line %1: %2).</source>
        <translation>Le flux de mises à jour est endommagé (ligne %1 : %2).</translation>
    </message>
    <message>
        <source>The update address does not lead to an update feed.</source>
        <translation>L’adresse de mise à jour ne mène à aucun flux de mises à jour.</translation>
    </message>
</context>
<context>
    <name>ChannelPlace</name>
    <message>
        <source>the runtime folder &quot;%1&quot; is not an absolute path</source>
        <translation>le dossier d’exécution « %1 » n’est pas un chemin absolu</translation>
    </message>
    <message>
        <source>the runtime folder %1 cannot be read: %2</source>
        <translation>le dossier d’exécution %1 est illisible : %2</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 n’est pas un dossier</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>%1 is open to other users (mode %2, not 0700)</source>
        <translation>%1 est ouvert aux autres utilisateurs (mode %2 au lieu de 0700)</translation>
    </message>
    <message>
        <source>the runtime folder&apos;s path %1 is too long</source>
        <translation>le chemin du dossier d’exécution %1 est trop long</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Turn the pointer on or off.</source>
        <translation>Activer ou désactiver le pointeur.</translation>
    </message>
    <message>
        <source>Turn the pointer on.</source>
        <translation>Activer le pointeur.</translation>
    </message>
    <message>
        <source>Turn the pointer off.</source>
        <translation>Désactiver le pointeur.</translation>
    </message>
    <message>
        <source>Clear the drawing.</source>
        <translation>Effacer le dessin.</translation>
    </message>
    <message>
        <source>Undo the last drawing.</source>
        <translation>Annuler le dernier dessin.</translation>
    </message>
    <message>
        <source>Switch the spotlight on or off (turns the pointer on).</source>
        <translation>Activer ou désactiver le projecteur (active le pointeur).</translation>
    </message>
    <message>
        <source>Switch between the hand and the laser dot.</source>
        <translation>Basculer entre la main et le point laser.</translation>
    </message>
    <message>
        <source>Choose the drawing tool: pen, highlighter, arrow, box or steps.</source>
        <translation>Choisir l’outil de dessin : pen, highlighter, arrow, box ou steps.</translation>
    </message>
    <message>
        <source>Choose the ink color: coral, sun, lime, sky, violet or ink.</source>
        <translation>Choisir la couleur de l’encre : coral, sun, lime, sky, violet ou ink.</translation>
    </message>
    <message>
        <source>Choose the hand, by its name as --render-hands shows it.</source>
        <translation>Choisir la main, par son nom tel que --render-hands l’affiche.</translation>
    </message>
    <message>
        <source>Make the photo FILE your own hand (no display needed).</source>
        <translation>Faire de la photo FILE votre propre main (sans écran).</translation>
    </message>
    <message>
        <source>Start, write pictures of every window into DIR, then quit.</source>
        <translation>Démarrer, enregistrer des images de chaque fenêtre dans DIR, puis quitter.</translation>
    </message>
    <message>
        <source>Start and show the pointer with a demonstration drawing.</source>
        <translation>Démarrer et montrer le pointeur avec un dessin de démonstration.</translation>
    </message>
    <message>
        <source>Write pictures of every hand into DIR (no display needed).</source>
        <translation>Enregistrer des images de chaque main dans DIR (sans écran).</translation>
    </message>
    <message>
        <source>Handwick puts a cartoon hand on a stick above everything on your screen.
Without options it starts, or brings forward the Handwick already running;
the remote-control options act on the running Handwick.</source>
        <translation>Handwick place une main de dessin animé au bout d’un bâton au-dessus de tout l’écran.
Sans option, il démarre, ou met au premier plan le Handwick déjà lancé ;
les options de commande à distance agissent sur le Handwick en cours.</translation>
    </message>
    <message>
        <source>handwick: %1; see handwick --help</source>
        <translation>handwick : %1 ; voir handwick --help</translation>
    </message>
    <message>
        <source>unknown option %1%2</source>
        <translation>option inconnue %1%2</translation>
    </message>
</context>
<context>
    <name>CustomHand</name>
    <message>
        <source>the cut-out could not be encoded</source>
        <translation>l’image détourée n’a pas pu être encodée</translation>
    </message>
    <message>
        <source>This file is too large for a photo of a hand (over 100 MB).</source>
        <translation>Ce fichier est trop volumineux pour une photo de main (plus de 100&#xa0;Mo).</translation>
    </message>
    <message>
        <source>Handwick is not allowed to read this file.</source>
        <translation>Handwick n’a pas l’autorisation de lire ce fichier.</translation>
    </message>
    <message>
        <source>This file is not a picture Handwick can read.</source>
        <translation>Ce fichier n’est pas une image que Handwick sait lire.</translation>
    </message>
    <message>
        <source>No hand found in this photo. A plain background helps.</source>
        <translation>Aucune main n’a été trouvée sur cette photo. Un fond uni facilite la détection.</translation>
    </message>
    <message>
        <source>Handwick could not save your hand to %1: %2.</source>
        <translation>Handwick n’a pas pu enregistrer votre main dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
</context>
<context>
    <name>DrawingSettings</name>
    <message>
        <source>Ink</source>
        <translation>Encre</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Line width</source>
        <translation>Épaisseur du trait</translation>
    </message>
    <message>
        <source>Never, clear by hand</source>
        <translation>Jamais, effacer à la main</translation>
    </message>
    <message>
        <source>After 2 seconds</source>
        <translation>Après 2 secondes</translation>
    </message>
    <message>
        <source>After 4 seconds</source>
        <translation>Après 4 secondes</translation>
    </message>
    <message>
        <source>After 8 seconds</source>
        <translation>Après 8 secondes</translation>
    </message>
    <message>
        <source>Fade away</source>
        <translation>Effacement automatique</translation>
    </message>
    <message>
        <source>Spotlight size</source>
        <translation>Taille du projecteur</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Pick a tool in the toolbar or with the keys 1 to 5. Hold Shift for a straight line.</source>
        <translation>Choisissez un outil dans la barre d’outils ou avec les touches 1 à 5. Maintenez Maj pour un trait droit.</translation>
    </message>
</context>
<context>
    <name>EntryPoint</name>
    <message>
        <source>handwick: Handwick is already running; quit it first for --snapshot or --demo
</source>
        <translation>handwick : Handwick est déjà lancé ; quittez-le d’abord pour --snapshot ou --demo
</translation>
    </message>
</context>
<context>
    <name>GeneralSettings</name>
    <message>
        <source>Open at login</source>
        <translation>Ouvrir à la connexion</translation>
    </message>
    <message>
        <source>Show the toolbar while pointing</source>
        <translation>Afficher la barre d’outils pendant le pointage</translation>
    </message>
    <message>
        <source>Pointer</source>
        <translation>Pointeur</translation>
    </message>
    <message>
        <source>Hand size</source>
        <translation>Taille de la main</translation>
    </message>
    <message>
        <source>Stick sways when you move</source>
        <translation>Le bâton se balance quand vous bougez</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Tap sound</source>
        <translation>Son du tapotement</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Raccourcis</translation>
    </message>
    <message>
        <source>Pointer on or off</source>
        <translation>Activer ou désactiver le pointeur</translation>
    </message>
    <message>
        <source>Clear the drawing</source>
        <translation>Effacer le dessin</translation>
    </message>
    <message>
        <source>Spotlight</source>
        <translation>Projecteur</translation>
    </message>
    <message>
        <source>Esc off · Ctrl+Z undo · Backspace clear · L laser · S spotlight · 1 to 5 tools · T toolbar</source>
        <translation>Échap&#xa0;quitter · Ctrl+Z&#xa0;annuler · Retour&#xa0;arrière&#xa0;effacer · L&#xa0;laser · S&#xa0;projecteur · 1&#xa0;à&#xa0;5&#xa0;outils · T&#xa0;barre</translation>
    </message>
    <message>
        <source>While pointing</source>
        <translation>En pointant</translation>
    </message>
</context>
<context>
    <name>HandSettings</name>
    <message>
        <source>Hands</source>
        <translation>Mains</translation>
    </message>
    <message>
        <source>Your own hand</source>
        <translation>Votre propre main</translation>
    </message>
    <message>
        <source>A photo of your hand with the index finger pointing up, on a plain background. It is cut out on this computer and never uploaded.</source>
        <translation>Une photo de votre main, l’index pointé vers le haut, sur un fond uni. Elle est découpée sur cet ordinateur et jamais envoyée en ligne.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Cutting out your hand</source>
        <translation>Découpage de votre main</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Choose a Photo of Your Hand</source>
        <translation>Choisir une photo de votre main</translation>
    </message>
    <message>
        <source>Choose Another Photo…</source>
        <translation>Choisir une autre photo…</translation>
    </message>
    <message>
        <source>Choose Photo…</source>
        <translation>Choisir une photo…</translation>
    </message>
</context>
<context>
    <name>HandSize</name>
    <message>
        <source>Small</source>
        <translation>Petite</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
</context>
<context>
    <name>HandSkin</name>
    <message>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>Warm</source>
        <translation>Chaude</translation>
    </message>
    <message>
        <source>Cobalt</source>
        <translation>Cobalt</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claire</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>Hâlée</translation>
    </message>
    <message>
        <source>Deep</source>
        <translation>Foncée</translation>
    </message>
    <message>
        <source>Mint</source>
        <translation>Menthe</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavande</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Citron</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>Corail</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Nuit</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Or</translation>
    </message>
    <message>
        <source>Chrome</source>
        <translation>Chrome</translation>
    </message>
    <message>
        <source>Candy</source>
        <translation>Bonbon</translation>
    </message>
    <message>
        <source>Ocean</source>
        <translation>Océan</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Néon</translation>
    </message>
    <message>
        <source>Pixel</source>
        <translation>Pixel</translation>
    </message>
    <message>
        <source>Ghost</source>
        <translation>Fantôme</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>Robot</translation>
    </message>
    <message>
        <source>Your Hand</source>
        <translation>Votre main</translation>
    </message>
</context>
<context>
    <name>InkColor</name>
    <message>
        <source>Coral</source>
        <translation>Corail</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Citron vert</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Ciel</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Ink</source>
        <translation>Encre</translation>
    </message>
</context>
<context>
    <name>InstanceChannel</name>
    <message>
        <source>Handwick cannot listen on %1: %2</source>
        <translation>Handwick ne peut pas écouter sur %1 : %2</translation>
    </message>
    <message>
        <source>the running Handwick is a different version; restart it</source>
        <translation>le Handwick en cours est d’une autre version ; redémarrez-le</translation>
    </message>
</context>
<context>
    <name>InstanceLock</name>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>impossible d’ouvrir %1 : %2</translation>
    </message>
    <message>
        <source>%1 cannot be locked: %2</source>
        <translation>impossible de verrouiller %1 : %2</translation>
    </message>
</context>
<context>
    <name>PackageDownload</name>
    <message>
        <source>Handwick could not make the folder %1 for the download.</source>
        <translation>Handwick n’a pas pu créer le dossier %1 pour le téléchargement.</translation>
    </message>
    <message>
        <source>Handwick could not save the download: %1</source>
        <translation>Handwick n’a pas pu enregistrer le téléchargement : %1</translation>
    </message>
    <message>
        <source>The downloaded update is %1 bytes long instead of %2, so Handwick deleted it. Try again later.</source>
        <translation>La mise à jour téléchargée fait %1 octets au lieu de %2 ; Handwick l’a donc supprimée. Réessayez plus tard.</translation>
    </message>
    <message>
        <source>Handwick could not read the download: %1</source>
        <translation>Handwick n’a pas pu lire le téléchargement : %1</translation>
    </message>
    <message>
        <source>The downloaded update does not carry Handwick&apos;s signature, so it may have been altered. Handwick deleted it without installing it.</source>
        <translation>La mise à jour téléchargée ne porte pas la signature de Handwick et a peut-être été modifiée. Handwick l’a supprimée sans l’installer.</translation>
    </message>
</context>
<context>
    <name>Prefs</name>
    <message>
        <source>The settings file %1 is not a regular file, so Handwick uses its defaults and saves no changes.</source>
        <translation>Le fichier de réglages %1 n’est pas un fichier ordinaire&#xa0;: Handwick utilise donc ses réglages par défaut et n’enregistre aucune modification.</translation>
    </message>
    <message>
        <source>its folder is not writable</source>
        <translation>son dossier n’est pas accessible en écriture</translation>
    </message>
    <message>
        <source>the disk may be full or the folder cannot be made</source>
        <translation>le disque est peut-être plein ou le dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>Handwick cannot save its settings to %1: %2. Changes last until Handwick quits.</source>
        <translation>Handwick ne peut pas enregistrer ses réglages dans %1&#xa0;: %2. Les modifications seront perdues à la fermeture de Handwick.</translation>
    </message>
</context>
<context>
    <name>RemoteClient</name>
    <message>
        <source>the socket %1 belongs to another user</source>
        <translation>le socket %1 appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>handwick: %1</source>
        <translation>handwick : %1</translation>
    </message>
    <message>
        <source>Handwick is not running</source>
        <translation>Handwick n’est pas lancé</translation>
    </message>
    <message>
        <source>handwick: Handwick cannot be reached: %1</source>
        <translation>handwick : Handwick est injoignable : %1</translation>
    </message>
    <message>
        <source>handwick: the running Handwick does not answer</source>
        <translation>handwick : le Handwick en cours ne répond pas</translation>
    </message>
    <message>
        <source>handwick: Handwick is already running but does not answer; end it first</source>
        <translation>handwick : Handwick est déjà lancé mais ne répond pas ; arrêtez-le d’abord</translation>
    </message>
    <message>
        <source>handwick: Handwick was ending just now; start it again</source>
        <translation>handwick : Handwick venait de se fermer ; relancez-le</translation>
    </message>
</context>
<context>
    <name>RemoteCommands</name>
    <message>
        <source>--%1 takes no value</source>
        <translation>--%1 ne prend pas de valeur</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>commande inconnue « %1 »</translation>
    </message>
    <message>
        <source>unknown tool &quot;%1&quot;; the tools are %2</source>
        <translation>outil inconnu « %1 » ; les outils sont %2</translation>
    </message>
    <message>
        <source>unknown color &quot;%1&quot;; the colors are %2</source>
        <translation>couleur inconnue « %1 » ; les couleurs sont %2</translation>
    </message>
    <message>
        <source>unknown hand &quot;%1&quot;; the hands are %2</source>
        <translation>main inconnue « %1 » ; les mains sont %2</translation>
    </message>
</context>
<context>
    <name>RemoteControl</name>
    <message>
        <source>there is no hand of your own yet; make one with --import-hand PHOTO</source>
        <translation>vous n’avez pas encore de main à vous ; créez-en une avec --import-hand PHOTO</translation>
    </message>
</context>
<context>
    <name>SecureFetch</name>
    <message>
        <source>Handwick only downloads updates over a secure connection (HTTPS), and %1 is not one.</source>
        <translation>Handwick ne télécharge les mises à jour que par une connexion sécurisée (HTTPS), et %1 n’en est pas une.</translation>
    </message>
    <message>
        <source>The update server sent Handwick to %1, which is not a secure (HTTPS) address, so Handwick stopped.</source>
        <translation>Le serveur de mises à jour a renvoyé Handwick vers %1, qui n’est pas une adresse sécurisée (HTTPS) ; Handwick s’est donc arrêté.</translation>
    </message>
    <message>
        <source>The update server sent more data than expected, so Handwick stopped.</source>
        <translation>Le serveur de mises à jour a envoyé plus de données que prévu ; Handwick s’est donc arrêté.</translation>
    </message>
    <message>
        <source>Handwick could not save the download: %1</source>
        <translation>Handwick n’a pas pu enregistrer le téléchargement : %1</translation>
    </message>
    <message>
        <source>The update server did not answer in time. Try again later.</source>
        <translation>Le serveur de mises à jour n’a pas répondu à temps. Réessayez plus tard.</translation>
    </message>
    <message>
        <source>The connection to the update server broke off before the download was complete. Try again later.</source>
        <translation>La connexion au serveur de mises à jour s’est interrompue avant la fin du téléchargement. Réessayez plus tard.</translation>
    </message>
    <message>
        <source>The update server answered with an error (%1 %2).</source>
        <translation>Le serveur de mises à jour a répondu par une erreur (%1 %2).</translation>
    </message>
    <message>
        <source>Handwick could not reach the update server: %1</source>
        <translation>Handwick n’a pas pu joindre le serveur de mises à jour : %1</translation>
    </message>
    <message>
        <source>The update server is far too slow. Try again later.</source>
        <translation>Le serveur de mises à jour est beaucoup trop lent. Réessayez plus tard.</translation>
    </message>
</context>
<context>
    <name>SettingsTab</name>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Mains</translation>
    </message>
    <message>
        <source>Drawing</source>
        <translation>Dessin</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
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
        <translation>Rechercher des mises à jour…</translation>
    </message>
</context>
<context>
    <name>TapSound</name>
    <message>
        <source>Pop</source>
        <translation>Pop</translation>
    </message>
    <message>
        <source>Tick</source>
        <translation>Tic</translation>
    </message>
    <message>
        <source>Boop</source>
        <translation>Boup</translation>
    </message>
    <message>
        <source>Knock</source>
        <translation>Toc</translation>
    </message>
    <message>
        <source>Blip</source>
        <translation>Bip</translation>
    </message>
    <message>
        <source>Chime</source>
        <translation>Carillon</translation>
    </message>
</context>
<context>
    <name>Tool</name>
    <message>
        <source>Pen</source>
        <translation>Stylo</translation>
    </message>
    <message>
        <source>Highlighter</source>
        <translation>Surligneur</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Flèche</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Cadre</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Étapes</translation>
    </message>
</context>
<context>
    <name>ToolbarView</name>
    <message>
        <source>Choose a hand</source>
        <translation>Choisir une main</translation>
    </message>
    <message>
        <source>Laser dot (L)</source>
        <translation>Point laser (L)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Spotlight (S)</source>
        <translation>Projecteur (S)</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Annuler (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Clear the drawing (Backspace)</source>
        <translation>Effacer le dessin (Retour arrière)</translation>
    </message>
    <message>
        <source>Turn off (Esc)</source>
        <translation>Désactiver (Échap)</translation>
    </message>
    <message>
        <source>Turn the tap sound on</source>
        <translation>Activer le son du tapotement</translation>
    </message>
    <message>
        <source>Mute the tap sound</source>
        <translation>Couper le son du tapotement</translation>
    </message>
</context>
<context>
    <name>UpdateDialog</name>
    <message>
        <source>Skip This Version</source>
        <translation>Ignorer cette version</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Me le rappeler plus tard</translation>
    </message>
    <message>
        <source>Install Update</source>
        <translation>Installer la mise à jour</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Mise à jour du logiciel</translation>
    </message>
    <message>
        <source>A new version of Handwick is available</source>
        <translation>Une nouvelle version de Handwick est disponible</translation>
    </message>
    <message>
        <source>Downloading…</source>
        <translation>Téléchargement…</translation>
    </message>
    <message>
        <source>Handwick %1 is available; you have %2. Would you like to install it now?</source>
        <translation>Handwick %1 est disponible ; vous avez la version %2. Voulez-vous l’installer maintenant ?</translation>
    </message>
    <message>
        <source>Read the release notes</source>
        <translation>Lire les notes de version</translation>
    </message>
    <message>
        <source>Downloading… %1 of %2</source>
        <translation>Téléchargement… %1 sur %2</translation>
    </message>
</context>
<context>
    <name>UpdatePrompts</name>
    <message>
        <source>You’re up to date!</source>
        <translation>Vous êtes à jour !</translation>
    </message>
    <message>
        <source>Handwick %1 is the newest version available.</source>
        <translation>Handwick %1 est la version la plus récente.</translation>
    </message>
    <message>
        <source>Handwick could not check for updates.</source>
        <translation>Handwick n’a pas pu rechercher de mises à jour.</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Mise à jour du logiciel</translation>
    </message>
    <message>
        <source>Check for updates automatically?</source>
        <translation>Rechercher automatiquement les mises à jour ?</translation>
    </message>
    <message>
        <source>Handwick can look for a new version once a day. You can also check at any time from the tray menu.</source>
        <translation>Handwick peut rechercher une nouvelle version une fois par jour. Vous pouvez aussi vérifier à tout moment depuis le menu de la zone de notification.</translation>
    </message>
    <message>
        <source>Handwick downloaded and verified the update, but found no program to install it.</source>
        <translation>Handwick a téléchargé et vérifié la mise à jour, mais n’a trouvé aucun programme pour l’installer.</translation>
    </message>
    <message>
        <source>Install the package yourself: %1</source>
        <translation>Installez le paquet vous-même : %1</translation>
    </message>
</context>
<context>
    <name>WelcomeWindow</name>
    <message>
        <source>Click the hand in the system tray, or press %1</source>
        <translation>Cliquez sur la main dans la zone de notification ou appuyez sur %1</translation>
    </message>
    <message>
        <source>This desktop has no system tray: press %1 to bring up the hand, and again to put it away.</source>
        <translation>Ce bureau n’a pas de zone de notification : appuyez sur %1 pour faire apparaître la main, puis à nouveau pour la ranger.</translation>
    </message>
    <message>
        <source>Welcome to Handwick</source>
        <translation>Bienvenue dans Handwick</translation>
    </message>
    <message>
        <source>Point at things on your screen</source>
        <translation>Montrez ce qui est à l’écran</translation>
    </message>
    <message>
        <source>A little hand on a stick for screen sharing, recordings and presentations.</source>
        <translation>Une petite main au bout d’un bâton pour les partages d’écran, les enregistrements et les présentations.</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Ouvrir à la connexion</translation>
    </message>
    <message>
        <source>Try It Now</source>
        <translation>Essayer maintenant</translation>
    </message>
    <message>
        <source>Click to tap. Nothing underneath gets clicked.</source>
        <translation>Cliquez pour tapoter. Rien en dessous n’est cliqué.</translation>
    </message>
    <message>
        <source>Hold and drag to draw. Ctrl+Z undoes, Backspace clears.</source>
        <translation>Maintenez et faites glisser pour dessiner. Ctrl+Z annule, Retour arrière efface.</translation>
    </message>
    <message>
        <source>Esc puts the hand away and clears the drawing.</source>
        <translation>Échap range la main et efface le dessin.</translation>
    </message>
    <message>
        <source>No permissions needed. Handwick only draws above your screen.</source>
        <translation>Aucune autorisation nécessaire. Handwick dessine seulement par-dessus votre écran.</translation>
    </message>
</context>
</TS>
