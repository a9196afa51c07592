<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutSettings</name>
    <message>
        <source>A little hand on a stick that points at things on your screen.</source>
        <translation>Una manita en un palo que señala cosas en tu pantalla.</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Buscar actualizaciones…</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
</context>
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
    <message>
        <source>Settings…</source>
        <translation>Ajustes…</translation>
    </message>
</context>
<context>
    <name>AppRoot</name>
    <message>
        <source>Handwick cannot take commands from the command line or notice a second start, because %1.</source>
        <translation>Handwick no puede recibir órdenes desde la línea de comandos ni notar un segundo inicio, porque %1.</translation>
    </message>
</context>
<context>
    <name>Appcast</name>
    <message>
        <source>The update feed is damaged (line %1: %2).</source>
        <translation>El canal de actualizaciones está dañado (línea %1: %2).</translation>
    </message>
    <message>
        <source>The update address does not lead to an update feed.</source>
        <translation>La dirección de actualización no lleva a ningún canal de actualizaciones.</translation>
    </message>
</context>
<context>
    <name>ChannelPlace</name>
    <message>
        <source>the runtime folder &quot;%1&quot; is not an absolute path</source>
        <translation>la carpeta de ejecución «%1» no es una ruta absoluta</translation>
    </message>
    <message>
        <source>the runtime folder %1 cannot be read: %2</source>
        <translation>no se puede leer la carpeta de ejecución %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 no es una carpeta</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 pertenece a otro usuario</translation>
    </message>
    <message>
        <source>%1 is open to other users (mode %2, not 0700)</source>
        <translation>%1 está abierta a otros usuarios (modo %2, no 0700)</translation>
    </message>
    <message>
        <source>the runtime folder&apos;s path %1 is too long</source>
        <translation>la ruta de la carpeta de ejecución %1 es demasiado larga</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Turn the pointer on or off.</source>
        <translation>Activar o desactivar el puntero.</translation>
    </message>
    <message>
        <source>Turn the pointer on.</source>
        <translation>Activar el puntero.</translation>
    </message>
    <message>
        <source>Turn the pointer off.</source>
        <translation>Desactivar el puntero.</translation>
    </message>
    <message>
        <source>Clear the drawing.</source>
        <translation>Borrar el dibujo.</translation>
    </message>
    <message>
        <source>Undo the last drawing.</source>
        <translation>Deshacer el último dibujo.</translation>
    </message>
    <message>
        <source>Switch the spotlight on or off (turns the pointer on).</source>
        <translation>Activar o desactivar el foco (activa el puntero).</translation>
    </message>
    <message>
        <source>Switch between the hand and the laser dot.</source>
        <translation>Cambiar entre la mano y el punto láser.</translation>
    </message>
    <message>
        <source>Choose the drawing tool: pen, highlighter, arrow, box or steps.</source>
        <translation>Elegir la herramienta de dibujo: pen, highlighter, arrow, box o steps.</translation>
    </message>
    <message>
        <source>Choose the ink color: coral, sun, lime, sky, violet or ink.</source>
        <translation>Elegir el color de la tinta: coral, sun, lime, sky, violet o ink.</translation>
    </message>
    <message>
        <source>Choose the hand, by its name as --render-hands shows it.</source>
        <translation>Elegir la mano, por su nombre tal como lo muestra --render-hands.</translation>
    </message>
    <message>
        <source>Make the photo FILE your own hand (no display needed).</source>
        <translation>Convertir la foto FILE en tu propia mano (sin pantalla).</translation>
    </message>
    <message>
        <source>Start, write pictures of every window into DIR, then quit.</source>
        <translation>Iniciar, guardar imágenes de cada ventana en DIR y salir.</translation>
    </message>
    <message>
        <source>Start and show the pointer with a demonstration drawing.</source>
        <translation>Iniciar y mostrar el puntero con un dibujo de demostración.</translation>
    </message>
    <message>
        <source>Write pictures of every hand into DIR (no display needed).</source>
        <translation>Guardar imágenes de cada mano en DIR (sin pantalla).</translation>
    </message>
    <message>
        <source>Handwick puts a cartoon hand on a stick above everything on your screen.
Without options it starts, or brings forward the Handwick already running;
the remote-control options act on the running Handwick.</source>
        <translation>Handwick pone una mano de dibujos animados en un palo sobre todo lo que hay en tu pantalla.
Sin opciones, se inicia o trae al frente el Handwick que ya está en marcha;
las opciones de control remoto actúan sobre el Handwick en marcha.</translation>
    </message>
    <message>
        <source>handwick: %1; see handwick --help</source>
        <translation>handwick: %1; consulta handwick --help</translation>
    </message>
    <message>
        <source>unknown option %1%2</source>
        <translation>opción desconocida %1%2</translation>
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
    <name>DrawingSettings</name>
    <message>
        <source>Ink</source>
        <translation>Tinta</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Line width</source>
        <translation>Grosor de línea</translation>
    </message>
    <message>
        <source>Never, clear by hand</source>
        <translation>Nunca, borrar a mano</translation>
    </message>
    <message>
        <source>After 2 seconds</source>
        <translation>A los 2 segundos</translation>
    </message>
    <message>
        <source>After 4 seconds</source>
        <translation>A los 4 segundos</translation>
    </message>
    <message>
        <source>After 8 seconds</source>
        <translation>A los 8 segundos</translation>
    </message>
    <message>
        <source>Fade away</source>
        <translation>Desvanecer</translation>
    </message>
    <message>
        <source>Spotlight size</source>
        <translation>Tamaño del foco</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>Pick a tool in the toolbar or with the keys 1 to 5. Hold Shift for a straight line.</source>
        <translation>Elige una herramienta en la barra o con las teclas 1 a 5. Mantén Mayús para una línea recta.</translation>
    </message>
</context>
<context>
    <name>EntryPoint</name>
    <message>
        <source>handwick: Handwick is already running; quit it first for --snapshot or --demo
</source>
        <translation>handwick: Handwick ya está en marcha; ciérralo primero para --snapshot o --demo
</translation>
    </message>
</context>
<context>
    <name>GeneralSettings</name>
    <message>
        <source>Open at login</source>
        <translation>Abrir al iniciar sesión</translation>
    </message>
    <message>
        <source>Show the toolbar while pointing</source>
        <translation>Mostrar la barra de herramientas al señalar</translation>
    </message>
    <message>
        <source>Pointer</source>
        <translation>Puntero</translation>
    </message>
    <message>
        <source>Hand size</source>
        <translation>Tamaño de la mano</translation>
    </message>
    <message>
        <source>Stick sways when you move</source>
        <translation>El palo se balancea al moverte</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Tap sound</source>
        <translation>Sonido del toque</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atajos</translation>
    </message>
    <message>
        <source>Pointer on or off</source>
        <translation>Activar o desactivar el puntero</translation>
    </message>
    <message>
        <source>Clear the drawing</source>
        <translation>Borrar el dibujo</translation>
    </message>
    <message>
        <source>Spotlight</source>
        <translation>Foco</translation>
    </message>
    <message>
        <source>Esc off · Ctrl+Z undo · Backspace clear · L laser · S spotlight · 1 to 5 tools · T toolbar</source>
        <translation>Esc desactivar · Ctrl+Z deshacer · Retroceso borrar · L láser · S foco · 1 a 5 herramientas · T barra</translation>
    </message>
    <message>
        <source>While pointing</source>
        <translation>Al señalar</translation>
    </message>
</context>
<context>
    <name>HandSettings</name>
    <message>
        <source>Hands</source>
        <translation>Manos</translation>
    </message>
    <message>
        <source>Your own hand</source>
        <translation>Tu propia mano</translation>
    </message>
    <message>
        <source>A photo of your hand with the index finger pointing up, on a plain background. It is cut out on this computer and never uploaded.</source>
        <translation>Una foto de tu mano con el índice hacia arriba, sobre un fondo liso. Se recorta en este ordenador y nunca se sube.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Cutting out your hand</source>
        <translation>Recortando tu mano</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>Choose a Photo of Your Hand</source>
        <translation>Elige una foto de tu mano</translation>
    </message>
    <message>
        <source>Choose Another Photo…</source>
        <translation>Elegir otra foto…</translation>
    </message>
    <message>
        <source>Choose Photo…</source>
        <translation>Elegir foto…</translation>
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
    <name>InstanceChannel</name>
    <message>
        <source>Handwick cannot listen on %1: %2</source>
        <translation>Handwick no puede escuchar en %1: %2</translation>
    </message>
    <message>
        <source>the running Handwick is a different version; restart it</source>
        <translation>el Handwick en marcha es de otra versión; reinícialo</translation>
    </message>
</context>
<context>
    <name>InstanceLock</name>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>no se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be locked: %2</source>
        <translation>no se puede bloquear %1: %2</translation>
    </message>
</context>
<context>
    <name>PackageDownload</name>
    <message>
        <source>Handwick could not make the folder %1 for the download.</source>
        <translation>Handwick no pudo crear la carpeta %1 para la descarga.</translation>
    </message>
    <message>
        <source>Handwick could not save the download: %1</source>
        <translation>Handwick no pudo guardar la descarga: %1</translation>
    </message>
    <message>
        <source>The downloaded update is %1 bytes long instead of %2, so Handwick deleted it. Try again later.</source>
        <translation>La actualización descargada ocupa %1 bytes en lugar de %2, así que Handwick la ha eliminado. Vuelva a intentarlo más tarde.</translation>
    </message>
    <message>
        <source>Handwick could not read the download: %1</source>
        <translation>Handwick no pudo leer la descarga: %1</translation>
    </message>
    <message>
        <source>The downloaded update does not carry Handwick&apos;s signature, so it may have been altered. Handwick deleted it without installing it.</source>
        <translation>La actualización descargada no lleva la firma de Handwick, así que podría haber sido alterada. Handwick la ha eliminado sin instalarla.</translation>
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
    <name>RemoteClient</name>
    <message>
        <source>the socket %1 belongs to another user</source>
        <translation>el socket %1 pertenece a otro usuario</translation>
    </message>
    <message>
        <source>handwick: %1</source>
        <translation>handwick: %1</translation>
    </message>
    <message>
        <source>Handwick is not running</source>
        <translation>Handwick no está en marcha</translation>
    </message>
    <message>
        <source>handwick: Handwick cannot be reached: %1</source>
        <translation>handwick: no se puede contactar con Handwick: %1</translation>
    </message>
    <message>
        <source>handwick: the running Handwick does not answer</source>
        <translation>handwick: el Handwick en marcha no responde</translation>
    </message>
    <message>
        <source>handwick: Handwick is already running but does not answer; end it first</source>
        <translation>handwick: Handwick ya está en marcha pero no responde; ciérralo primero</translation>
    </message>
    <message>
        <source>handwick: Handwick was ending just now; start it again</source>
        <translation>handwick: Handwick se estaba cerrando; vuelve a iniciarlo</translation>
    </message>
</context>
<context>
    <name>RemoteCommands</name>
    <message>
        <source>--%1 takes no value</source>
        <translation>--%1 no admite ningún valor</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>orden desconocida «%1»</translation>
    </message>
    <message>
        <source>unknown tool &quot;%1&quot;; the tools are %2</source>
        <translation>herramienta desconocida «%1»; las herramientas son %2</translation>
    </message>
    <message>
        <source>unknown color &quot;%1&quot;; the colors are %2</source>
        <translation>color desconocido «%1»; los colores son %2</translation>
    </message>
    <message>
        <source>unknown hand &quot;%1&quot;; the hands are %2</source>
        <translation>mano desconocida «%1»; las manos son %2</translation>
    </message>
</context>
<context>
    <name>RemoteControl</name>
    <message>
        <source>there is no hand of your own yet; make one with --import-hand PHOTO</source>
        <translation>todavía no tienes una mano propia; crea una con --import-hand FOTO</translation>
    </message>
</context>
<context>
    <name>SecureFetch</name>
    <message>
        <source>Handwick only downloads updates over a secure connection (HTTPS), and %1 is not one.</source>
        <translation>Handwick solo descarga actualizaciones mediante una conexión segura (HTTPS), y %1 no lo es.</translation>
    </message>
    <message>
        <source>The update server sent Handwick to %1, which is not a secure (HTTPS) address, so Handwick stopped.</source>
        <translation>El servidor de actualizaciones envió a Handwick a %1, que no es una dirección segura (HTTPS), así que Handwick se detuvo.</translation>
    </message>
    <message>
        <source>The update server sent more data than expected, so Handwick stopped.</source>
        <translation>El servidor de actualizaciones envió más datos de los esperados, así que Handwick se detuvo.</translation>
    </message>
    <message>
        <source>Handwick could not save the download: %1</source>
        <translation>Handwick no pudo guardar la descarga: %1</translation>
    </message>
    <message>
        <source>The update server did not answer in time. Try again later.</source>
        <translation>El servidor de actualizaciones no respondió a tiempo. Vuelva a intentarlo más tarde.</translation>
    </message>
    <message>
        <source>The connection to the update server broke off before the download was complete. Try again later.</source>
        <translation>La conexión con el servidor de actualizaciones se cortó antes de completar la descarga. Vuelva a intentarlo más tarde.</translation>
    </message>
    <message>
        <source>The update server answered with an error (%1 %2).</source>
        <translation>El servidor de actualizaciones respondió con un error (%1 %2).</translation>
    </message>
    <message>
        <source>Handwick could not reach the update server: %1</source>
        <translation>Handwick no pudo contactar con el servidor de actualizaciones: %1</translation>
    </message>
    <message>
        <source>The update server is far too slow. Try again later.</source>
        <translation>El servidor de actualizaciones es demasiado lento. Inténtalo más tarde.</translation>
    </message>
</context>
<context>
    <name>SettingsTab</name>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Hands</source>
        <translation>Manos</translation>
    </message>
    <message>
        <source>Drawing</source>
        <translation>Dibujo</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
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
        <translation>Buscar actualizaciones…</translation>
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
    <name>UpdateDialog</name>
    <message>
        <source>Skip This Version</source>
        <translation>Omitir esta versión</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Recordármelo más tarde</translation>
    </message>
    <message>
        <source>Install Update</source>
        <translation>Instalar actualización</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Actualización de software</translation>
    </message>
    <message>
        <source>A new version of Handwick is available</source>
        <translation>Hay una nueva versión de Handwick disponible</translation>
    </message>
    <message>
        <source>Downloading…</source>
        <translation>Descargando…</translation>
    </message>
    <message>
        <source>Handwick %1 is available; you have %2. Would you like to install it now?</source>
        <translation>Handwick %1 está disponible; usted tiene la %2. ¿Desea instalarla ahora?</translation>
    </message>
    <message>
        <source>Read the release notes</source>
        <translation>Leer las notas de la versión</translation>
    </message>
    <message>
        <source>Downloading… %1 of %2</source>
        <translation>Descargando… %1 de %2</translation>
    </message>
</context>
<context>
    <name>UpdatePrompts</name>
    <message>
        <source>You’re up to date!</source>
        <translation>¡Está al día!</translation>
    </message>
    <message>
        <source>Handwick %1 is the newest version available.</source>
        <translation>Handwick %1 es la versión más reciente.</translation>
    </message>
    <message>
        <source>Handwick could not check for updates.</source>
        <translation>Handwick no pudo buscar actualizaciones.</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Actualización de software</translation>
    </message>
    <message>
        <source>Check for updates automatically?</source>
        <translation>¿Buscar actualizaciones automáticamente?</translation>
    </message>
    <message>
        <source>Handwick can look for a new version once a day. You can also check at any time from the tray menu.</source>
        <translation>Handwick puede buscar una versión nueva una vez al día. También puede comprobarlo en cualquier momento desde el menú de la bandeja del sistema.</translation>
    </message>
    <message>
        <source>Handwick downloaded and verified the update, but found no program to install it.</source>
        <translation>Handwick descargó y verificó la actualización, pero no encontró ningún programa para instalarla.</translation>
    </message>
    <message>
        <source>Install the package yourself: %1</source>
        <translation>Instale el paquete usted mismo: %1</translation>
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
