<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>App</name>
    <message>
        <source>This desktop has no system tray, so Handwick shows no icon. Press Ctrl+Alt+H to turn the pointer on and off, Ctrl+Alt+X to clear the drawing.</source>
        <translation>Este escritorio no tiene bandeja del sistema, así que Handwick no muestra ningún icono. Pulsa Ctrl+Alt+H para activar y desactivar el puntero y Ctrl+Alt+X para borrar el dibujo.</translation>
    </message>
    <message>
        <source>No compositor is running, so Handwick draws the hand and the ink with hard edges and without shadows, and the spotlight is not available. Turn on your desktop&apos;s compositing (or start one, such as picom) for the full look.</source>
        <translation>No hay ningún compositor en marcha, así que Handwick dibuja la mano y la tinta con bordes duros y sin sombras, y el foco no está disponible. Activa la composición de tu escritorio (o inicia un compositor, como picom) para verlo con todo detalle.</translation>
    </message>
    <message>
        <source>The spotlight needs a compositor to darken the screen around the hand. Turn on your desktop&apos;s compositing to use it.</source>
        <translation>El foco necesita un compositor para oscurecer la pantalla alrededor de la mano. Activa la composición de tu escritorio para usarlo.</translation>
    </message>
    <message>
        <source>Turn Pointer Off</source>
        <translation>Desactivar el puntero</translation>
    </message>
    <message>
        <source>Turn Pointer On</source>
        <translation>Activar el puntero</translation>
    </message>
    <message>
        <source>Clear Drawing</source>
        <translation>Borrar el dibujo</translation>
    </message>
    <message>
        <source>Quit Handwick</source>
        <translation>Salir de Handwick</translation>
    </message>
    <message>
        <source>Pointer on</source>
        <translation>Puntero activado</translation>
    </message>
    <message>
        <source>Pointer off</source>
        <translation>Puntero desactivado</translation>
    </message>
    <message numerus="yes">
        <source>Another program holds %1, so it does nothing in Handwick for now; Handwick takes it as soon as it is free.</source>
        <translation>
            <numerusform>Otro programa está usando %1, así que por ahora no hace nada en Handwick; Handwick lo tomará en cuanto quede libre.</numerusform>
            <numerusform>Otro programa está usando %1, así que por ahora no hacen nada en Handwick; Handwick los tomará en cuanto queden libres.</numerusform>
        </translation>
    </message>
    <message>
        <source>Use the tray icon meanwhile.</source>
        <translation>Mientras tanto, usa el icono de la bandeja del sistema.</translation>
    </message>
    <message>
        <source>Until then the pointer cannot be turned on.</source>
        <translation>Hasta entonces no se puede activar el puntero.</translation>
    </message>
    <message>
        <source>How It Works…</source>
        <translation>Cómo funciona…</translation>
    </message>
</context>
<context>
    <name>CustomHand</name>
    <message>
        <source>the cut-out could not be encoded</source>
        <translation>no se pudo codificar el recorte</translation>
    </message>
    <message>
        <source>This file is too large for a photo of a hand (over 100 MB).</source>
        <translation>Este archivo es demasiado grande para ser la foto de una mano (más de 100 MB).</translation>
    </message>
    <message>
        <source>Handwick is not allowed to read this file.</source>
        <translation>Handwick no tiene permiso para leer este archivo.</translation>
    </message>
    <message>
        <source>This file is not a picture Handwick can read.</source>
        <translation>Este archivo no es una imagen que Handwick pueda leer.</translation>
    </message>
    <message>
        <source>No hand found in this photo. A plain background helps.</source>
        <translation>No se ha encontrado ninguna mano en esta foto. Un fondo liso ayuda.</translation>
    </message>
    <message>
        <source>Handwick could not save your hand to %1: %2.</source>
        <translation>Handwick no ha podido guardar tu mano en %1: %2.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
</context>
<context>
    <name>HandSize</name>
    <message>
        <source>Small</source>
        <translation>Pequeña</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mediana</translation>
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
        <translation>Clásica</translation>
    </message>
    <message>
        <source>Warm</source>
        <translation>Cálida</translation>
    </message>
    <message>
        <source>Cobalt</source>
        <translation>Cobalto</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clara</translation>
    </message>
    <message>
        <source>Tan</source>
        <translation>Morena</translation>
    </message>
    <message>
        <source>Deep</source>
        <translation>Oscura</translation>
    </message>
    <message>
        <source>Mint</source>
        <translation>Menta</translation>
    </message>
    <message>
        <source>Lavender</source>
        <translation>Lavanda</translation>
    </message>
    <message>
        <source>Lemon</source>
        <translation>Limón</translation>
    </message>
    <message>
        <source>Coral</source>
        <translation>Coral</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Noche</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Oro</translation>
    </message>
    <message>
        <source>Chrome</source>
        <translation>Cromo</translation>
    </message>
    <message>
        <source>Candy</source>
        <translation>Caramelo</translation>
    </message>
    <message>
        <source>Ocean</source>
        <translation>Océano</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neón</translation>
    </message>
    <message>
        <source>Pixel</source>
        <translation>Píxel</translation>
    </message>
    <message>
        <source>Ghost</source>
        <translation>Fantasma</translation>
    </message>
    <message>
        <source>Robot</source>
        <translation>Robot</translation>
    </message>
    <message>
        <source>Your Hand</source>
        <translation>Tu mano</translation>
    </message>
</context>
<context>
    <name>InkColor</name>
    <message>
        <source>Coral</source>
        <translation>Coral</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Lima</translation>
    </message>
    <message>
        <source>Sky</source>
        <translation>Cielo</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violeta</translation>
    </message>
    <message>
        <source>Ink</source>
        <translation>Tinta</translation>
    </message>
</context>
<context>
    <name>Prefs</name>
    <message>
        <source>The settings file %1 is not a regular file, so Handwick uses its defaults and saves no changes.</source>
        <translation>El archivo de ajustes %1 no es un archivo normal, así que Handwick usa los ajustes predeterminados y no guarda ningún cambio.</translation>
    </message>
    <message>
        <source>its folder is not writable</source>
        <translation>no se puede escribir en su carpeta</translation>
    </message>
    <message>
        <source>the disk may be full or the folder cannot be made</source>
        <translation>puede que el disco esté lleno o que no se pueda crear la carpeta</translation>
    </message>
    <message>
        <source>Handwick cannot save its settings to %1: %2. Changes last until Handwick quits.</source>
        <translation>Handwick no puede guardar sus ajustes en %1: %2. Los cambios se mantendrán hasta que cierres Handwick.</translation>
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
        <translation>Bup</translation>
    </message>
    <message>
        <source>Knock</source>
        <translation>Toc</translation>
    </message>
    <message>
        <source>Blip</source>
        <translation>Blip</translation>
    </message>
    <message>
        <source>Chime</source>
        <translation>Campanilla</translation>
    </message>
</context>
<context>
    <name>Tool</name>
    <message>
        <source>Pen</source>
        <translation>Bolígrafo</translation>
    </message>
    <message>
        <source>Highlighter</source>
        <translation>Resaltador</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Flecha</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Recuadro</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Pasos</translation>
    </message>
</context>
<context>
    <name>ToolbarView</name>
    <message>
        <source>Choose a hand</source>
        <translation>Elegir una mano</translation>
    </message>
    <message>
        <source>Laser dot (L)</source>
        <translation>Punto láser (L)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Spotlight (S)</source>
        <translation>Foco (S)</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Deshacer (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Clear the drawing (Backspace)</source>
        <translation>Borrar el dibujo (Retroceso)</translation>
    </message>
    <message>
        <source>Turn off (Esc)</source>
        <translation>Desactivar (Esc)</translation>
    </message>
    <message>
        <source>Turn the tap sound on</source>
        <translation>Activar el sonido del toque</translation>
    </message>
    <message>
        <source>Mute the tap sound</source>
        <translation>Silenciar el sonido del toque</translation>
    </message>
</context>
<context>
    <name>WelcomeWindow</name>
    <message>
        <source>Click the hand in the system tray, or press %1</source>
        <translation>Haz clic en la mano de la bandeja del sistema o pulsa %1</translation>
    </message>
    <message>
        <source>This desktop has no system tray: press %1 to bring up the hand, and again to put it away.</source>
        <translation>Este escritorio no tiene bandeja del sistema: pulsa %1 para mostrar la mano y otra vez para guardarla.</translation>
    </message>
    <message>
        <source>Welcome to Handwick</source>
        <translation>Te damos la bienvenida a Handwick</translation>
    </message>
    <message>
        <source>Point at things on your screen</source>
        <translation>Señala cosas en tu pantalla</translation>
    </message>
    <message>
        <source>A little hand on a stick for screen sharing, recordings and presentations.</source>
        <translation>Una manita en un palo para compartir pantalla, grabaciones y presentaciones.</translation>
    </message>
    <message>
        <source>Open at login</source>
        <translation>Abrir al iniciar sesión</translation>
    </message>
    <message>
        <source>Try It Now</source>
        <translation>Pruébalo ahora</translation>
    </message>
    <message>
        <source>Click to tap. Nothing underneath gets clicked.</source>
        <translation>Haz clic para dar un toque. No se hace clic en nada de debajo.</translation>
    </message>
    <message>
        <source>Hold and drag to draw. Ctrl+Z undoes, Backspace clears.</source>
        <translation>Mantén pulsado y arrastra para dibujar. Ctrl+Z deshace, Retroceso borra.</translation>
    </message>
    <message>
        <source>Esc puts the hand away and clears the drawing.</source>
        <translation>Esc guarda la mano y borra el dibujo.</translation>
    </message>
    <message>
        <source>No permissions needed. Handwick only draws above your screen.</source>
        <translation>No necesita permisos. Handwick solo dibuja encima de tu pantalla.</translation>
    </message>
</context>
</TS>
