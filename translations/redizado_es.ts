<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutMessage</name>
    <message>
        <source>Redizado %1

© %2 The Redizado developers</source>
        <extracomment>%1 is the version, such as 1.2.0; %2 is the year of the copyright</extracomment>
        <translation>Redizado %1

© %2 Los desarrolladores de Redizado</translation>
    </message>
    <message>
        <source>About Redizado</source>
        <translation>Acerca de Redizado</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>CalDavClient</name>
    <message>
        <source>%1: not a WebDAV answer</source>
        <extracomment>%1 is the address that answered</extracomment>
        <translation>%1: no es una respuesta WebDAV</translation>
    </message>
</context>
<context>
    <name>CalDavDiscovery</name>
    <message>
        <source>%1: not a WebDAV answer</source>
        <translation>%1: no es una respuesta WebDAV</translation>
    </message>
    <message>
        <source>%1: the server names no calendars</source>
        <translation>%1: el servidor no indica ningún calendario</translation>
    </message>
</context>
<context>
    <name>CommandHere</name>
    <message>
        <source>%1; nothing was changed</source>
        <extracomment>%1 is why the store could not be read</extracomment>
        <translation>%1; no se cambió nada</translation>
    </message>
    <message>
        <source>another copy holds %1 but does not answer</source>
        <extracomment>%1 is the lock file&apos;s path</extracomment>
        <translation>otra copia tiene %1 pero no responde</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>the password is read from standard input, never from the command line</source>
        <translation>la contraseña se lee de la entrada estándar, nunca de la línea de órdenes</translation>
    </message>
    <message>
        <source>A to-do list in the system tray.

Commands:
  (none)          start the tray program, or show the panel of the one running
  toggle          show or hide the panel, as the global shortcut does
  add TITLE...    add an item; the words are joined by spaces
  list [--all]    print the items to do (or all, with [x] or [ ]), newest first
  count           print the number of items to do
  sync            sync with the calendar server now and print what changed
  sync --status   print how the last sync went
  sync --account URL USER [--allow-plain-http]
                  sync with the calendar at URL as USER from now on; the
                  password is read from standard input
  sync --off      forget the account and its password; the items stay

Exit status: 0 done, 1 failed, 2 bad words; for sync also 3 wrong password,
4 try again later, 5 refused or sync off.</source>
        <translation>Una lista de tareas en la bandeja del sistema.

Órdenes:
  (ninguna)       inicia el programa de la bandeja o muestra el panel del que
                  ya está en marcha
  toggle          muestra u oculta el panel, como el atajo global
  add TITLE...    añade un elemento; las palabras se unen con espacios
  list [--all]    muestra los elementos pendientes (o todos, con [x] o [ ]),
                  los más nuevos primero
  count           muestra el número de elementos pendientes
  sync            sincroniza ahora con el servidor de calendarios y muestra
                  qué cambió
  sync --status   muestra cómo fue la última sincronización
  sync --account URL USER [--allow-plain-http]
                  a partir de ahora sincroniza con el calendario en URL como
                  USER; la contraseña se lee de la entrada estándar
  sync --off      olvida la cuenta y su contraseña; los elementos se quedan

Estado de salida: 0 hecho, 1 fallo, 2 palabras incorrectas; con sync también
3 contraseña incorrecta, 4 reintentar más tarde, 5 rechazado o sync desactivado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address, as in https://example.org/dav/</source>
        <translation>«%1» no es una dirección web, como https://example.org/dav/</translation>
    </message>
    <message>
        <source>not a command: %1</source>
        <extracomment>%1 is the words received</extracomment>
        <translation>no es una orden: %1</translation>
    </message>
    <message>
        <source>argument %1 is not valid UTF-8</source>
        <extracomment>%1 is the argument&apos;s place on the command line, counted from 0 for the program&apos;s name</extracomment>
        <translation>el argumento %1 no es UTF-8 válido</translation>
    </message>
    <message>
        <source>With list: every item, checked ones too.</source>
        <translation>Con list: todos los elementos, también los marcados.</translation>
    </message>
    <message>
        <source>Show the list in a popover rather than the panel.</source>
        <translation>Mostrar la lista en una ventana emergente en lugar del panel.</translation>
    </message>
    <message>
        <source>With sync: how the last sync went.</source>
        <translation>Con sync: cómo fue la última sincronización.</translation>
    </message>
    <message>
        <source>With sync: forget the account and its password.</source>
        <translation>Con sync: olvidar la cuenta y su contraseña.</translation>
    </message>
    <message>
        <source>With sync: sync as USER with the calendar server at URL.</source>
        <translation>Con sync: sincronizar como USER con el servidor de calendarios en URL.</translation>
    </message>
    <message>
        <source>With sync --account: an unencrypted http:// address to another machine.</source>
        <translation>Con sync --account: una dirección http:// sin cifrar a otra máquina.</translation>
    </message>
    <message>
        <source>Say what the program does, not only its problems.</source>
        <translation>Contar lo que hace el programa, no solo sus problemas.</translation>
    </message>
    <message>
        <source>toggle, add, list, count or sync.</source>
        <translation>toggle, add, list, count o sync.</translation>
    </message>
    <message>
        <source>With add: the item&apos;s title; with sync --account: URL USER.</source>
        <translation>Con add: el título del elemento; con sync --account: URL USER.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [command] [title...]</source>
        <extracomment>%1 is the command&apos;s name; the words in brackets are those of the Arguments below</extracomment>
        <translation>Uso: %1 [opciones] [command] [title...]</translation>
    </message>
    <message>
        <source>%1 (a title that starts with &apos;-&apos; goes after --)</source>
        <extracomment>%1 is the parser&apos;s own message, as in: Unknown option &apos;x&apos;.</extracomment>
        <translation>%1 (un título que empieza por «-» va después de --)</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;; the commands are toggle, add, list, count and sync</source>
        <translation>orden «%1» desconocida; las órdenes son toggle, add, list, count y sync</translation>
    </message>
    <message>
        <source>--all goes with list only</source>
        <translation>--all solo va con list</translation>
    </message>
    <message>
        <source>--%1 goes with sync only</source>
        <translation>--%1 solo va con sync</translation>
    </message>
    <message>
        <source>sync takes one of --status, --off and --account</source>
        <translation>sync admite una de --status, --off y --account</translation>
    </message>
    <message>
        <source>--allow-plain-http goes with sync --account only</source>
        <translation>--allow-plain-http solo va con sync --account</translation>
    </message>
    <message>
        <source>sync --account needs the server&apos;s address and a user name, as in: redizado sync --account https://example.org/dav/ alice</source>
        <translation>sync --account necesita la dirección del servidor y un nombre de usuario, como en: redizado sync --account https://example.org/dav/ alice</translation>
    </message>
    <message>
        <source>add needs a title, as in: redizado add buy milk</source>
        <translation>add necesita un título, como en: redizado add comprar leche</translation>
    </message>
    <message>
        <source>%1 takes no further words (got &quot;%2&quot;)</source>
        <extracomment>%1 is a command word, %2 the words after it</extracomment>
        <translation>%1 no admite más palabras (se recibió «%2»)</translation>
    </message>
</context>
<context>
    <name>CommandMain</name>
    <message>
        <source>the program&apos;s own library cannot be loaded:%1</source>
        <extracomment>%1 is the loader&apos;s reasons, one indented line each</extracomment>
        <translation>no se puede cargar la biblioteca propia del programa:%1</translation>
    </message>
    <message>
        <source>Password for %1 at %2: </source>
        <extracomment>%1 is the user name, %2 the server</extracomment>
        <translation>Contraseña de %1 en %2: </translation>
    </message>
    <message numerus="yes">
        <source>the running copy did not finish within %n minute(s); it may still be syncing (see redizado sync --status)</source>
        <translation>
            <numerusform>la copia en marcha no terminó en %n minuto; puede que aún esté sincronizando (vea redizado sync --status)</numerusform>
            <numerusform>la copia en marcha no terminó en %n minutos; puede que aún esté sincronizando (vea redizado sync --status)</numerusform>
        </translation>
    </message>
    <message>
        <source>another copy holds %1 but does not answer</source>
        <extracomment>%1 is the lock file&apos;s path</extracomment>
        <translation>otra copia tiene %1 pero no responde</translation>
    </message>
</context>
<context>
    <name>DavTransport</name>
    <message>
        <source>%1: the secure connection failed</source>
        <extracomment>%1 is the request, as in &quot;PROPFIND https://example.org/dav/&quot;</extracomment>
        <translation>%1: falló la conexión segura</translation>
    </message>
    <message>
        <source>%1: no answer (network error %2)</source>
        <extracomment>%1 is the request, as in &quot;PROPFIND https://example.org/dav/&quot;; %2 is Qt&apos;s number for the network error</extracomment>
        <translation>%1: sin respuesta (error de red %2)</translation>
    </message>
    <message>
        <source>not a web address</source>
        <translation>no es una dirección web</translation>
    </message>
    <message>
        <source>plain HTTP would send the password in clear; HTTPS is needed</source>
        <translation>HTTP sin cifrar enviaría la contraseña en claro; se necesita HTTPS</translation>
    </message>
    <message>
        <source>not the account&apos;s server %1</source>
        <extracomment>%1 is the account&apos;s server address</extracomment>
        <translation>no es el servidor de la cuenta, %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is an address, %2 why it is not asked</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: too many redirects</source>
        <translation>%1: demasiadas redirecciones</translation>
    </message>
</context>
<context>
    <name>ItemCommands</name>
    <message>
        <source>add needs a title</source>
        <translation>add necesita un título</translation>
    </message>
    <message>
        <source>the item was added but could not be saved; see the log for why</source>
        <translation>el elemento se añadió pero no se pudo guardar; vea el registro para saber por qué</translation>
    </message>
    <message>
        <source>not an item command</source>
        <translation>no es una orden de elementos</translation>
    </message>
</context>
<context>
    <name>JLPopoverViewController</name>
    <message>
        <source>Welcome</source>
        <translation>Bienvenida</translation>
    </message>
</context>
<context>
    <name>JLRedizadoTableViewCell</name>
    <message>
        <source>Done</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source>Check or uncheck (Space on the list)</source>
        <translation>Marcar o desmarcar (Espacio en la lista)</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Remove (Delete on the list)</source>
        <translation>Quitar (Supr en la lista)</translation>
    </message>
    <message>
        <source>Remove untitled item</source>
        <translation>Quitar elemento sin título</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <extracomment>%1 is the item&apos;s title, quoted</extracomment>
        <translation>Quitar %1</translation>
    </message>
    <message>
        <source>Title of untitled item</source>
        <translation>Título del elemento sin título</translation>
    </message>
    <message>
        <source>Title of %1</source>
        <extracomment>%1 is the item&apos;s title, quoted</extracomment>
        <translation>Título de %1</translation>
    </message>
    <message>
        <source>“%1”</source>
        <extracomment>An item&apos;s title in the quotation marks of the language; said in &quot;Remove %1&quot; and &quot;Title of %1&quot;</extracomment>
        <translation>«%1»</translation>
    </message>
</context>
<context>
    <name>JLSegmentedControl</name>
    <message>
        <source>%1+</source>
        <translation>%1+</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%1, %n item(s)</source>
        <extracomment>%1 is the segment&apos;s label, such as &quot;To Do&quot;</extracomment>
        <translation>
            <numerusform>%1, %n elemento</numerusform>
            <numerusform>%1, %n elementos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JLShortcutSelector</name>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>Súper</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Mayúsculas</translation>
    </message>
    <message>
        <source>No modifier</source>
        <translation>Sin modificador</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Intro</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Bloq Mayús</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Flecha izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Flecha derecha</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Flecha abajo</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Flecha arriba</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulador</translation>
    </message>
    <message>
        <source>Modifier</source>
        <translation>Modificador</translation>
    </message>
    <message>
        <source>Second modifier</source>
        <translation>Segundo modificador</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
</context>
<context>
    <name>JLStatusItemController</name>
    <message>
        <source>Show or Hide Redizado</source>
        <translation>Mostrar u ocultar Redizado</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Ajustes…</translation>
    </message>
    <message>
        <source>About Redizado</source>
        <translation>Acerca de Redizado</translation>
    </message>
    <message>
        <source>Quit Redizado</source>
        <translation>Salir de Redizado</translation>
    </message>
</context>
<context>
    <name>ListCore</name>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message numerus="yes">
        <source>Redizado, %n to do</source>
        <translation>
            <numerusform>Redizado, %n pendiente</numerusform>
            <numerusform>Redizado, %n pendientes</numerusform>
        </translation>
    </message>
    <message>
        <source>Added: %1</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation>Añadido: %1</translation>
    </message>
    <message>
        <source>Checked: %1</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation>Marcado: %1</translation>
    </message>
    <message>
        <source>Removed: %1</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation>Quitado: %1</translation>
    </message>
</context>
<context>
    <name>ListModes</name>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Finish editing</source>
        <translation>Terminar de editar</translation>
    </message>
</context>
<context>
    <name>LoadedSync</name>
    <message>
        <source>Sync is not available: %1</source>
        <extracomment>%1 is the loader&apos;s reason</extracomment>
        <translation>La sincronización no está disponible: %1</translation>
    </message>
    <message>
        <source>Sync is off</source>
        <translation>Sincronización desactivada</translation>
    </message>
</context>
<context>
    <name>PanelKeys</name>
    <message>
        <source>Return adds the item, Down goes to the list, Esc closes the panel</source>
        <translation>Intro añade el elemento, Flecha abajo va a la lista, Esc cierra el panel</translation>
    </message>
    <message>
        <source>%1 To Do, %2 All, %3 the other one</source>
        <translation>%1 Por hacer, %2 Todos, %3 el otro</translation>
    </message>
    <message>
        <source>On the list: F2 renames, Delete removes</source>
        <translation>En la lista: F2 renombra, Supr quita</translation>
    </message>
    <message>
        <source>Settings (%1)</source>
        <translation>Ajustes (%1)</translation>
    </message>
    <message>
        <source>Arrows, Home, End and the page keys move; Space checks; F2 or Return renames; Delete removes; %1 undoes, %2 redoes</source>
        <translation>Las flechas, Inicio, Fin, Re Pág y Av Pág mueven; Espacio marca; F2 o Intro renombra; Supr quita; %1 deshace, %2 rehace</translation>
    </message>
    <message>
        <source>To-do items</source>
        <translation>Elementos pendientes</translation>
    </message>
    <message>
        <source>All items</source>
        <translation>Todos los elementos</translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>Keys:
Return adds the typed item, Down goes to the list, Esc closes the panel.
Up, Down, Home, End, Page Up and Page Down move on the list.
Space checks or unchecks, F2 or Return renames, Delete removes.
%1, %2 and %3: To Do, All, the other one.
%4: settings. %5 and %6: undo and redo.</source>
        <extracomment>%1 to %6 are key combinations, such as Ctrl+1</extracomment>
        <translation>Teclas:
Intro añade el elemento escrito, Flecha abajo va a la lista, Esc cierra el panel.
Flecha arriba, Flecha abajo, Inicio, Fin, Re Pág y Av Pág mueven por la lista.
Espacio marca o desmarca, F2 o Intro renombra, Supr quita.
%1, %2 y %3: Por hacer, Todos, el otro.
%4: ajustes. %5 y %6: deshacer y rehacer.</translation>
    </message>
    <message numerus="yes">
        <source>To-do items, %n</source>
        <translation>
            <numerusform>Elementos pendientes, %n</numerusform>
            <numerusform>Elementos pendientes, %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All items, %n</source>
        <translation>
            <numerusform>Todos los elementos, %n</numerusform>
            <numerusform>Todos los elementos, %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PanelUndo</name>
    <message>
        <source>%1 brings it back</source>
        <translation>%1 lo recupera</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <extracomment>%1 is what the step did, such as &quot;Milk checked&quot;</extracomment>
        <translation>Rehecho: %1</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <extracomment>%1 is what taking the step back did, such as &quot;Milk is back&quot;</extracomment>
        <translation>Deshecho: %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>%1 is back</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation>%1 ha vuelto</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation>%1 quitado</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Marcar</translation>
    </message>
    <message>
        <source>Uncheck</source>
        <translation>Desmarcar</translation>
    </message>
    <message>
        <source>%1 checked</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation>%1 marcado</translation>
    </message>
    <message>
        <source>%1 unchecked</source>
        <translation>%1 desmarcado</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>renamed %1</source>
        <extracomment>%1 is the item&apos;s title after the change; said after &quot;Redone: &quot; or &quot;Undone: &quot;</extracomment>
        <translation>renombrado como %1</translation>
    </message>
</context>
<context>
    <name>PasswordInput</name>
    <message>
        <source>the password could not be read from standard input: %1</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>no se pudo leer la contraseña de la entrada estándar: %1</translation>
    </message>
    <message>
        <source>the line on standard input is too long to be a password</source>
        <translation>la línea de la entrada estándar es demasiado larga para ser una contraseña</translation>
    </message>
    <message>
        <source>the password read from standard input is empty</source>
        <translation>la contraseña leída de la entrada estándar está vacía</translation>
    </message>
    <message>
        <source>the password read from standard input is not valid UTF-8</source>
        <translation>la contraseña leída de la entrada estándar no es UTF-8 válido</translation>
    </message>
</context>
<context>
    <name>PopoverPanel</name>
    <message>
        <source>What is there to do?</source>
        <translation>¿Qué hay que hacer?</translation>
    </message>
    <message>
        <source>To Do</source>
        <translation>Por hacer</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Rename and remove items</source>
        <translation>Renombrar y quitar elementos</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Elementos</translation>
    </message>
    <message>
        <source>Hide after entry</source>
        <translation>Ocultar tras añadir</translation>
    </message>
    <message>
        <source>Close the list once an item is added</source>
        <translation>Cerrar la lista al añadir un elemento</translation>
    </message>
</context>
<context>
    <name>PortalHotKeyService</name>
    <message>
        <source>Show or hide the Redizado panel</source>
        <translation>Mostrar u ocultar el panel de Redizado</translation>
    </message>
</context>
<context>
    <name>ProgramMain</name>
    <message>
        <source>%1; nothing was changed</source>
        <translation>%1; no se cambió nada</translation>
    </message>
    <message>
        <source>a copy of the program is starting; try again</source>
        <translation>una copia del programa se está iniciando; inténtelo de nuevo</translation>
    </message>
    <message>
        <source>the sync did not finish</source>
        <translation>la sincronización no terminó</translation>
    </message>
    <message>
        <source>Try &apos;redizado --help&apos;.</source>
        <translation>Pruebe «redizado --help».</translation>
    </message>
</context>
<context>
    <name>RedizadoPanel</name>
    <message>
        <source>What is there to do?</source>
        <translation>¿Qué hay que hacer?</translation>
    </message>
    <message>
        <source>To Do</source>
        <translation>Por hacer</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Rename and remove items</source>
        <translation>Renombrar y quitar elementos</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Elementos</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Abrir al iniciar sesión</translation>
    </message>
    <message>
        <source>Show the to-do count</source>
        <translation>Mostrar el número de pendientes</translation>
    </message>
    <message>
        <source>Alternate icon</source>
        <translation>Icono alternativo</translation>
    </message>
    <message>
        <source>Hide after entry</source>
        <translation>Ocultar tras añadir</translation>
    </message>
    <message>
        <source>Close the panel once an item is added</source>
        <translation>Cerrar el panel al añadir un elemento</translation>
    </message>
    <message>
        <source>Global shortcut</source>
        <translation>Atajo global</translation>
    </message>
    <message>
        <source>Open the panel from anywhere with a key combination</source>
        <translation>Abrir el panel desde cualquier lugar con una combinación de teclas</translation>
    </message>
    <message>
        <source>Modifier:</source>
        <translation>Modificador:</translation>
    </message>
    <message>
        <source>Modifier</source>
        <translation>Modificador</translation>
    </message>
    <message>
        <source>Second modifier:</source>
        <translation>Segundo modificador:</translation>
    </message>
    <message>
        <source>Second modifier</source>
        <translation>Segundo modificador</translation>
    </message>
    <message>
        <source>Key:</source>
        <translation>Tecla:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Sync:</source>
        <translation>Sincronización:</translation>
    </message>
    <message>
        <source>The items kept in step with a calendar server (CalDAV)</source>
        <translation>Mantener los elementos sincronizados con un servidor de calendarios (CalDAV)</translation>
    </message>
    <message>
        <source>Sync is off</source>
        <translation>Sincronización desactivada</translation>
    </message>
    <message>
        <source>No keyring (Secret Service) on this desktop: sync stays off</source>
        <translation>Este escritorio no tiene depósito de claves (Secret Service): la sincronización sigue desactivada</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Dirección del servidor</translation>
    </message>
    <message>
        <source>The server&apos;s address or a calendar&apos;s</source>
        <translation>La dirección del servidor o la de un calendario</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Usuario:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Contraseña:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s keyring; Return turns sync on</source>
        <translation>Se guarda en el depósito de claves del escritorio; Intro activa la sincronización</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Activar</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Sincronizar</translation>
    </message>
    <message>
        <source>About Redizado</source>
        <translation>Acerca de Redizado</translation>
    </message>
</context>
<context>
    <name>RowAccessible</name>
    <message numerus="yes">
        <source>%1 of %n</source>
        <extracomment>A row&apos;s place in the list, as in &quot;2 of 3&quot;; %n is the number of rows</extracomment>
        <translation>
            <numerusform>%1 de %n</numerusform>
            <numerusform>%1 de %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Untitled item</source>
        <translation>Elemento sin título</translation>
    </message>
</context>
<context>
    <name>SaveProblemNotice</name>
    <message>
        <source>Redizado cannot save</source>
        <translation>Redizado no puede guardar</translation>
    </message>
    <message>
        <source>The folder of %1 is read-only. Your items are kept while Redizado runs, but not saved.</source>
        <extracomment>%1 is the preferences file&apos;s path</extracomment>
        <translation>La carpeta de %1 es de solo lectura. Sus elementos se conservan mientras Redizado esté abierto, pero no se guardan.</translation>
    </message>
    <message>
        <source>Your items could not be saved to %1 (%2). They are kept while Redizado runs, and saving is tried again at each change.</source>
        <extracomment>%1 is the preferences file&apos;s path, %2 the system&apos;s reason</extracomment>
        <translation>No se pudieron guardar sus elementos en %1 (%2). Se conservan mientras Redizado siga abierto, y se vuelve a intentar guardarlos con cada cambio.</translation>
    </message>
</context>
<context>
    <name>ShortcutAdvice</name>
    <message>
        <source>Bind “redizado toggle” to a combination in the desktop’s keyboard settings.</source>
        <translation>Asigne «redizado toggle» a una combinación en la configuración del teclado del escritorio.</translation>
    </message>
    <message>
        <source>This desktop lets no program bind keys.</source>
        <translation>Este escritorio no permite que ningún programa asigne teclas.</translation>
    </message>
    <message>
        <source>No program can bind keys here. Add this line to %1:</source>
        <extracomment>%1 is the compositor&apos;s configuration file, such as ~/.config/sway/config</extracomment>
        <translation>Aquí ningún programa puede asignar teclas. Añada esta línea a %1:</translation>
    </message>
    <message>
        <source>Switched on, the shortcut is added to GNOME’s keyboard shortcuts.</source>
        <translation>Al activarlo, el atajo se añade a los atajos de teclado de GNOME.</translation>
    </message>
    <message>
        <source>This combination cannot be a shortcut: choose another key.</source>
        <translation>Esta combinación no puede ser un atajo: elija otra tecla.</translation>
    </message>
    <message>
        <source>%1 is taken by another program: choose another combination.</source>
        <extracomment>%1 is a key combination, such as Ctrl+Space</extracomment>
        <translation>Otro programa ya usa %1: elija otra combinación.</translation>
    </message>
    <message>
        <source>%1 cannot be a shortcut here: choose another key.</source>
        <extracomment>%1 is a key combination, such as Ctrl+Space</extracomment>
        <translation>%1 no puede ser un atajo aquí: elija otra tecla.</translation>
    </message>
    <message>
        <source>No keys can be bound on this display.</source>
        <translation>En esta pantalla no se pueden asignar teclas.</translation>
    </message>
    <message>
        <source>%1 shows or hides the panel from any program.</source>
        <extracomment>%1 is a key combination, such as Ctrl+Space</extracomment>
        <translation>%1 muestra u oculta el panel desde cualquier programa.</translation>
    </message>
    <message>
        <source>The desktop bound the shortcut to %1. Change it in the desktop’s keyboard settings.</source>
        <extracomment>%1 is the key combination as the desktop names it</extracomment>
        <translation>El escritorio asignó el atajo a %1. Puede cambiarlo en la configuración del teclado del escritorio.</translation>
    </message>
    <message>
        <source>Asking the desktop to bind %1…</source>
        <extracomment>%1 is a key combination, such as Ctrl+Space</extracomment>
        <translation>Pidiendo al escritorio que asigne %1…</translation>
    </message>
    <message>
        <source>The desktop did not bind the shortcut.</source>
        <translation>El escritorio no asignó el atajo.</translation>
    </message>
    <message>
        <source>In GNOME’s keyboard shortcuts, %1 runs “redizado toggle” (Settings ▸ Keyboard ▸ Custom Shortcuts).</source>
        <extracomment>%1 is the key combination as the desktop names it</extracomment>
        <translation>En los atajos de teclado de GNOME, %1 ejecuta «redizado toggle» (Configuración ▸ Teclado ▸ Atajos personalizados).</translation>
    </message>
    <message>
        <source>GNOME’s keyboard settings cannot be reached.</source>
        <translation>No se puede acceder a la configuración del teclado de GNOME.</translation>
    </message>
</context>
<context>
    <name>ShortcutNote</name>
    <message>
        <source>Line for the compositor’s configuration</source>
        <translation>Línea para la configuración del compositor</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>not ready</source>
        <translation>no está lista</translation>
    </message>
</context>
<context>
    <name>SniStatusItem</name>
    <message numerus="yes">
        <source>%1: %n to do</source>
        <extracomment>%1 is the program&apos;s name, or its name and how the last sync went; %n is the number of items to do</extracomment>
        <translation>
            <numerusform>%1: %n pendiente</numerusform>
            <numerusform>%1: %n pendientes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncCommands</name>
    <message numerus="yes">
        <source>%n added here</source>
        <translation>
            <numerusform>%n añadido aquí</numerusform>
            <numerusform>%n añadidos aquí</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed here</source>
        <translation>
            <numerusform>%n cambiado aquí</numerusform>
            <numerusform>%n cambiados aquí</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed here</source>
        <translation>
            <numerusform>%n quitado aquí</numerusform>
            <numerusform>%n quitados aquí</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n added on the server</source>
        <translation>
            <numerusform>%n añadido en el servidor</numerusform>
            <numerusform>%n añadidos en el servidor</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed on the server</source>
        <translation>
            <numerusform>%n cambiado en el servidor</numerusform>
            <numerusform>%n cambiados en el servidor</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed on the server</source>
        <translation>
            <numerusform>%n quitado en el servidor</numerusform>
            <numerusform>%n quitados en el servidor</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing to do</source>
        <translation>Nada que hacer</translation>
    </message>
    <message>
        <source>sync is not available in the running copy</source>
        <translation>la sincronización no está disponible en la copia en marcha</translation>
    </message>
    <message numerus="yes">
        <source>the server turned down %n item(s), which stay here and are tried again at the next sync; the first: %1</source>
        <extracomment>%1 is the first item turned down and the server&apos;s words about it</extracomment>
        <translation>
            <numerusform>el servidor rechazó %n elemento, que se queda aquí y se reintentará en la próxima sincronización: %1</numerusform>
            <numerusform>el servidor rechazó %n elementos, que se quedan aquí y se reintentarán en la próxima sincronización; el primero: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>some of the server&apos;s answers could not be read and were left alone%1</source>
        <extracomment>%1 is empty or the reason in brackets, as in &quot; (HTTP 500)&quot;</extracomment>
        <translation>algunas respuestas del servidor no se pudieron leer y se dejaron sin tocar%1</translation>
    </message>
    <message>
        <source>the server turned down the user name or password%1; set them again with: %2</source>
        <extracomment>%1 is empty or the reason in brackets; %2 is the command that sets them</extracomment>
        <translation>el servidor rechazó el nombre de usuario o la contraseña%1; vuelva a indicarlos con: %2</translation>
    </message>
    <message>
        <source>the server could not be reached or was busy%1; try again later</source>
        <extracomment>%1 is empty or the reason in brackets</extracomment>
        <translation>no se pudo contactar con el servidor o estaba ocupado%1; inténtelo más tarde</translation>
    </message>
    <message>
        <source>the server refused the sync%1</source>
        <extracomment>%1 is empty or the reason in brackets</extracomment>
        <translation>el servidor rechazó la sincronización%1</translation>
    </message>
    <message>
        <source>sync is off; turn it on with: %1</source>
        <extracomment>%1 is the command that turns it on</extracomment>
        <translation>la sincronización está desactivada; actívela con: %1</translation>
    </message>
    <message>
        <source>Sync is off; the items stay as they are</source>
        <translation>Sincronización desactivada; los elementos se quedan como están</translation>
    </message>
    <message>
        <source>sync could not be turned off</source>
        <translation>no se pudo desactivar la sincronización</translation>
    </message>
    <message>
        <source>no keyring (Secret Service) answers on this desktop to keep the password; sync stays off</source>
        <translation>ningún depósito de claves (Secret Service) responde en este escritorio para guardar la contraseña; la sincronización sigue desactivada</translation>
    </message>
    <message>
        <source>the account was not taken</source>
        <translation>no se aceptó la cuenta</translation>
    </message>
    <message>
        <source>Syncing with %1 as %2</source>
        <extracomment>%1 is the server&apos;s address, %2 the user name</extracomment>
        <translation>Sincronizando con %1 como %2</translation>
    </message>
</context>
<context>
    <name>SyncRun</name>
    <message>
        <source>the tasks kept changing on the server</source>
        <translation>las tareas no dejaban de cambiar en el servidor</translation>
    </message>
    <message numerus="yes">
        <source>%n task(s) on the server could not be read; their items were left as they were</source>
        <translation>
            <numerusform>no se pudo leer %n tarea del servidor; su elemento se dejó como estaba</numerusform>
            <numerusform>no se pudieron leer %n tareas del servidor; sus elementos se dejaron como estaban</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncService</name>
    <message>
        <source>%1 is not a web address</source>
        <translation>%1 no es una dirección web</translation>
    </message>
    <message>
        <source>Leave the password out of the address: type it in the password field</source>
        <translation>No ponga la contraseña en la dirección: escríbala en el campo de contraseña</translation>
    </message>
    <message>
        <source>Plain HTTP would send the password to %1 in clear: use an https:// address</source>
        <extracomment>%1 is the server&apos;s host name</extracomment>
        <translation>HTTP sin cifrar enviaría la contraseña a %1 en claro: use una dirección https://</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>%1 is the user name, %2 the server&apos;s host name</extracomment>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>Wrong user name or password for %1</source>
        <extracomment>%1 is the user at the server</extracomment>
        <translation>Nombre de usuario o contraseña incorrectos para %1</translation>
    </message>
    <message>
        <source>Cannot reach %1: %2</source>
        <extracomment>%1 is the server&apos;s host name, %2 what went wrong</extracomment>
        <translation>No se puede contactar con %1: %2</translation>
    </message>
    <message>
        <source>%1 does not answer as a calendar server: %2</source>
        <extracomment>%1 is the server&apos;s host name, %2 what went wrong</extracomment>
        <translation>%1 no responde como servidor de calendarios: %2</translation>
    </message>
    <message>
        <source>%1 refused: %2</source>
        <extracomment>%1 is the server&apos;s host name, %2 what it said</extracomment>
        <translation>%1 lo rechazó: %2</translation>
    </message>
    <message>
        <source>No keyring on this desktop: sync is off</source>
        <translation>No hay depósito de claves en este escritorio: sincronización desactivada</translation>
    </message>
    <message>
        <source>Sync is off</source>
        <translation>Sincronización desactivada</translation>
    </message>
    <message>
        <source>The keyring would not keep the password: %1</source>
        <extracomment>%1 is the keyring&apos;s reason</extracomment>
        <translation>El depósito de claves no quiso guardar la contraseña: %1</translation>
    </message>
    <message>
        <source>The sync account changed</source>
        <translation>La cuenta de sincronización cambió</translation>
    </message>
    <message>
        <source>Sync is on with %1</source>
        <extracomment>%1 is the user at the server</extracomment>
        <translation>Sincronización activada con %1</translation>
    </message>
    <message>
        <source>Sync was turned off</source>
        <translation>Se desactivó la sincronización</translation>
    </message>
    <message>
        <source>Sync is off; no keyring answered to forget the password</source>
        <translation>Sincronización desactivada; ningún depósito de claves respondió para olvidar la contraseña</translation>
    </message>
    <message>
        <source>Sync is off, but the keyring would not forget the password: %1</source>
        <extracomment>%1 is the keyring&apos;s reason</extracomment>
        <translation>Sincronización desactivada, pero el depósito de claves no quiso olvidar la contraseña: %1</translation>
    </message>
    <message>
        <source>no password kept</source>
        <translation>no hay ninguna contraseña guardada</translation>
    </message>
    <message>
        <source>Syncing…</source>
        <translation>Sincronizando…</translation>
    </message>
    <message>
        <source>; trying again at %1</source>
        <extracomment>Follows a status; %1 is a time</extracomment>
        <translation>; nuevo intento: %1</translation>
    </message>
    <message>
        <source>No password kept for %1: enter the account again</source>
        <extracomment>%1 is the user at the server</extracomment>
        <translation>No hay contraseña guardada para %1: vuelva a introducir la cuenta</translation>
    </message>
    <message>
        <source>The keyring did not give the password for %1%2</source>
        <extracomment>%1 is the user at the server; %2 is empty or &quot;; trying again at&quot; a time</extracomment>
        <translation>El depósito de claves no dio la contraseña de %1%2</translation>
    </message>
    <message>
        <source>Off line: syncing with %1 when back on line</source>
        <extracomment>%1 is the server&apos;s host name</extracomment>
        <translation>Sin conexión: se sincronizará con %1 al volver a conectarse</translation>
    </message>
    <message>
        <source>Synced at %1</source>
        <translation>Sincronizado: %1</translation>
    </message>
    <message numerus="yes">
        <source>; the server turned down %n item(s), first %1</source>
        <extracomment>Follows a status; %1 is the first item turned down and the server&apos;s words about it</extracomment>
        <translation>
            <numerusform>; el servidor rechazó %n elemento: %1</numerusform>
            <numerusform>; el servidor rechazó %n elementos, el primero %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Synced at %1%2</source>
        <extracomment>%1 is a time; %2 is empty or &quot;; the server turned down&quot; some items</extracomment>
        <translation>Sincronizado: %1%2</translation>
    </message>
    <message>
        <source> (will retry at %1)</source>
        <extracomment>Follows a failure; %1 is a time</extracomment>
        <translation> (nuevo intento: %1)</translation>
    </message>
    <message>
        <source>wrong user name or password for %1</source>
        <translation>nombre de usuario o contraseña incorrectos para %1</translation>
    </message>
    <message>
        <source>cannot reach %1%2</source>
        <extracomment>%1 is the server&apos;s host name; %2 is &quot; (will retry)&quot; or &quot; (will retry at&quot; a time &quot;)&quot;</extracomment>
        <translation>no se puede contactar con %1%2</translation>
    </message>
    <message>
        <source> (will retry)</source>
        <translation> (se reintentará)</translation>
    </message>
    <message>
        <source>some tasks on %1 could not be read%2</source>
        <extracomment>%1 is the server&apos;s host name; %2 is empty or &quot; (will retry at&quot; a time &quot;)&quot;</extracomment>
        <translation>no se pudieron leer algunas tareas de %1%2</translation>
    </message>
    <message>
        <source>%1 refused the sync</source>
        <extracomment>%1 is the server&apos;s host name</extracomment>
        <translation>%1 rechazó la sincronización</translation>
    </message>
    <message>
        <source>%1 refused the sync: %2</source>
        <extracomment>%1 is the server&apos;s host name, %2 what it said</extracomment>
        <translation>%1 rechazó la sincronización: %2</translation>
    </message>
    <message>
        <source>Last good sync %1.</source>
        <translation>Última sincronización correcta: %1.</translation>
    </message>
    <message>
        <source>No sync has gone well yet.</source>
        <translation>Todavía no ha salido bien ninguna sincronización.</translation>
    </message>
    <message>
        <source>Last sync%1 failed: %2%3. %4</source>
        <extracomment>%1 is empty or a space and the time; %2 is why; %3 is empty or &quot;; the server turned down&quot; some items; %4 says when the last good sync was</extracomment>
        <translation>La última sincronización%1 falló: %2%3. %4</translation>
    </message>
</context>
<context>
    <name>SyncSettings</name>
    <message>
        <source>Checking the account with the server…</source>
        <translation>Comprobando la cuenta con el servidor…</translation>
    </message>
    <message>
        <source>Sync without encryption?</source>
        <translation>¿Sincronizar sin cifrado?</translation>
    </message>
    <message>
        <source>The address %1 starts with http://, not https://.</source>
        <translation>La dirección %1 empieza por http://, no por https://.</translation>
    </message>
    <message>
        <source>Your password and your items would travel unencrypted to %1: anyone on the way could read them. Sync over plain HTTP anyway?</source>
        <translation>Su contraseña y sus elementos viajarían sin cifrar hasta %1: cualquiera en el camino podría leerlos. ¿Sincronizar por HTTP sin cifrar de todos modos?</translation>
    </message>
    <message>
        <source>Use Plain HTTP</source>
        <translation>Usar HTTP sin cifrar</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Desactivar</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Activar</translation>
    </message>
</context>
<context>
    <name>TrayProgram</name>
    <message>
        <source>Redizado: %1</source>
        <extracomment>%1 is how the last sync went, such as &quot;The server did not answer&quot;</extracomment>
        <translation>Redizado: %1</translation>
    </message>
</context>
<context>
    <name>TrayStatusItem</name>
    <message numerus="yes">
        <source>%1 — %n to do</source>
        <extracomment>%1 is the program&apos;s name, or its name and how the last sync went; %n is the number of items to do</extracomment>
        <translation>
            <numerusform>%1 — %n pendiente</numerusform>
            <numerusform>%1 — %n pendientes</numerusform>
        </translation>
    </message>
</context>
</TS>
