<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
