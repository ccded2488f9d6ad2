<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AboutMessage</name>
    <message>
        <source>Redizado %1

© %2 The Redizado developers</source>
        <extracomment>%1 is the version, such as 1.2.0; %2 is the year of the copyright</extracomment>
        <translation>Redizado %1

© %2 Gli sviluppatori di Redizado</translation>
    </message>
    <message>
        <source>About Redizado</source>
        <translation>Informazioni su Redizado</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>CalDavClient</name>
    <message>
        <source>%1: not a WebDAV answer</source>
        <extracomment>%1 is the address that answered</extracomment>
        <translation>%1: non è una risposta WebDAV</translation>
    </message>
</context>
<context>
    <name>CalDavDiscovery</name>
    <message>
        <source>%1: not a WebDAV answer</source>
        <translation>%1: non è una risposta WebDAV</translation>
    </message>
    <message>
        <source>%1: the server names no calendars</source>
        <translation>%1: il server non indica alcun calendario</translation>
    </message>
</context>
<context>
    <name>CommandHere</name>
    <message>
        <source>%1; nothing was changed</source>
        <extracomment>%1 is why the store could not be read</extracomment>
        <translation>%1; non è stato modificato nulla</translation>
    </message>
    <message>
        <source>another copy holds %1 but does not answer</source>
        <extracomment>%1 is the lock file&apos;s path</extracomment>
        <translation>un&apos;altra istanza tiene occupato %1 ma non risponde</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>the password is read from standard input, never from the command line</source>
        <translation>la password viene letta dallo standard input, mai dalla riga di comando</translation>
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
        <translation>Un elenco di cose da fare nell&apos;area di notifica.

Comandi:
  (nessuno)       avvia il programma nell&apos;area di notifica, o mostra il pannello
                  di quello già in esecuzione
  toggle          mostra o nasconde il pannello, come la scorciatoia globale
  add TITLE...    aggiunge un elemento; le parole sono unite da spazi
  list [--all]    mostra gli elementi da fare (o tutti, con [x] o [ ]), dal più
                  recente al più vecchio
  count           mostra il numero di elementi da fare
  sync            sincronizza ora con il server di calendario e mostra cosa è
                  cambiato
  sync --status   mostra l&apos;esito dell&apos;ultima sincronizzazione
  sync --account URL USER [--allow-plain-http]
                  da ora in poi sincronizza con il calendario all&apos;indirizzo URL
                  come USER; la password viene letta dallo standard input
  sync --off      dimentica l&apos;account e la sua password; gli elementi restano

Codice di uscita: 0 riuscito, 1 non riuscito, 2 argomenti errati; per sync
anche 3 password errata, 4 riprovare più tardi, 5 rifiutato o
sincronizzazione disattivata.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address, as in https://example.org/dav/</source>
        <translation>«%1» non è un indirizzo web (per esempio https://example.org/dav/)</translation>
    </message>
    <message>
        <source>not a command: %1</source>
        <extracomment>%1 is the words received</extracomment>
        <translation>non è un comando: %1</translation>
    </message>
    <message>
        <source>argument %1 is not valid UTF-8</source>
        <extracomment>%1 is the argument&apos;s place on the command line, counted from 0 for the program&apos;s name</extracomment>
        <translation>l&apos;argomento %1 non è UTF-8 valido</translation>
    </message>
    <message>
        <source>With list: every item, checked ones too.</source>
        <translation>Con list: tutti gli elementi, anche quelli spuntati.</translation>
    </message>
    <message>
        <source>Show the list in a popover rather than the panel.</source>
        <translation>Mostra l&apos;elenco in un popover anziché nel pannello.</translation>
    </message>
    <message>
        <source>With sync: how the last sync went.</source>
        <translation>Con sync: l&apos;esito dell&apos;ultima sincronizzazione.</translation>
    </message>
    <message>
        <source>With sync: forget the account and its password.</source>
        <translation>Con sync: dimentica l&apos;account e la sua password.</translation>
    </message>
    <message>
        <source>With sync: sync as USER with the calendar server at URL.</source>
        <translation>Con sync: sincronizza come USER con il server di calendario all&apos;indirizzo URL.</translation>
    </message>
    <message>
        <source>With sync --account: an unencrypted http:// address to another machine.</source>
        <translation>Con sync --account: un indirizzo http:// non cifrato verso un&apos;altra macchina.</translation>
    </message>
    <message>
        <source>Say what the program does, not only its problems.</source>
        <translation>Indica cosa fa il programma, non solo i suoi problemi.</translation>
    </message>
    <message>
        <source>toggle, add, list, count or sync.</source>
        <translation>toggle, add, list, count o sync.</translation>
    </message>
    <message>
        <source>With add: the item&apos;s title; with sync --account: URL USER.</source>
        <translation>Con add: il titolo dell&apos;elemento; con sync --account: URL USER.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [command] [title...]</source>
        <extracomment>%1 is the command&apos;s name; the words in brackets are those of the Arguments below</extracomment>
        <translation>Utilizzo: %1 [opzioni] [command] [title...]</translation>
    </message>
    <message>
        <source>%1 (a title that starts with &apos;-&apos; goes after --)</source>
        <extracomment>%1 is the parser&apos;s own message, as in: Unknown option &apos;x&apos;.</extracomment>
        <translation>%1 (un titolo che inizia con «-» va dopo --)</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;; the commands are toggle, add, list, count and sync</source>
        <translation>comando sconosciuto «%1»; i comandi sono toggle, add, list, count e sync</translation>
    </message>
    <message>
        <source>--all goes with list only</source>
        <translation>--all si usa solo con list</translation>
    </message>
    <message>
        <source>--%1 goes with sync only</source>
        <translation>--%1 si usa solo con sync</translation>
    </message>
    <message>
        <source>sync takes one of --status, --off and --account</source>
        <translation>sync accetta una sola opzione tra --status, --off e --account</translation>
    </message>
    <message>
        <source>--allow-plain-http goes with sync --account only</source>
        <translation>--allow-plain-http si usa solo con sync --account</translation>
    </message>
    <message>
        <source>sync --account needs the server&apos;s address and a user name, as in: redizado sync --account https://example.org/dav/ alice</source>
        <translation>sync --account richiede l&apos;indirizzo del server e un nome utente, per esempio: redizado sync --account https://example.org/dav/ alice</translation>
    </message>
    <message>
        <source>add needs a title, as in: redizado add buy milk</source>
        <translation>add richiede un titolo, per esempio: redizado add comprare il latte</translation>
    </message>
    <message>
        <source>%1 takes no further words (got &quot;%2&quot;)</source>
        <extracomment>%1 is a command word, %2 the words after it</extracomment>
        <translation>%1 non accetta altri argomenti (ricevuto: «%2»)</translation>
    </message>
</context>
<context>
    <name>CommandMain</name>
    <message>
        <source>the program&apos;s own library cannot be loaded:%1</source>
        <extracomment>%1 is the loader&apos;s reasons, one indented line each</extracomment>
        <translation>la libreria del programma non può essere caricata:%1</translation>
    </message>
    <message>
        <source>Password for %1 at %2: </source>
        <extracomment>%1 is the user name, %2 the server</extracomment>
        <translation>Password di %1 su %2: </translation>
    </message>
    <message numerus="yes">
        <source>the running copy did not finish within %n minute(s); it may still be syncing (see redizado sync --status)</source>
        <translation>
            <numerusform>l&apos;istanza in esecuzione non ha finito entro %n minuto; potrebbe essere ancora in sincronizzazione (vedere redizado sync --status)</numerusform>
            <numerusform>l&apos;istanza in esecuzione non ha finito entro %n minuti; potrebbe essere ancora in sincronizzazione (vedere redizado sync --status)</numerusform>
        </translation>
    </message>
    <message>
        <source>another copy holds %1 but does not answer</source>
        <extracomment>%1 is the lock file&apos;s path</extracomment>
        <translation>un&apos;altra istanza tiene occupato %1 ma non risponde</translation>
    </message>
</context>
<context>
    <name>DavTransport</name>
    <message>
        <source>%1: the secure connection failed</source>
        <extracomment>%1 is the request, as in &quot;PROPFIND https://example.org/dav/&quot;</extracomment>
        <translation>%1: connessione sicura non riuscita</translation>
    </message>
    <message>
        <source>%1: no answer (network error %2)</source>
        <extracomment>%1 is the request, as in &quot;PROPFIND https://example.org/dav/&quot;; %2 is Qt&apos;s number for the network error</extracomment>
        <translation>%1: nessuna risposta (errore di rete %2)</translation>
    </message>
    <message>
        <source>not a web address</source>
        <translation>non è un indirizzo web</translation>
    </message>
    <message>
        <source>plain HTTP would send the password in clear; HTTPS is needed</source>
        <translation>HTTP semplice invierebbe la password in chiaro; serve HTTPS</translation>
    </message>
    <message>
        <source>not the account&apos;s server %1</source>
        <extracomment>%1 is the account&apos;s server address</extracomment>
        <translation>fuori dal server dell&apos;account, %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is an address, %2 why it is not asked</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: too many redirects</source>
        <translation>%1: troppi reindirizzamenti</translation>
    </message>
</context>
<context>
    <name>ItemCommands</name>
    <message>
        <source>add needs a title</source>
        <translation>add richiede un titolo</translation>
    </message>
    <message>
        <source>the item was added but could not be saved; see the log for why</source>
        <translation>l&apos;elemento è stato aggiunto ma non è stato possibile salvarlo; il motivo è nel registro</translation>
    </message>
    <message>
        <source>not an item command</source>
        <translation>non è un comando per gli elementi</translation>
    </message>
</context>
<context>
    <name>JLPopoverViewController</name>
    <message>
        <source>Welcome</source>
        <translation>Benvenuto</translation>
    </message>
</context>
<context>
    <name>JLRedizadoTableViewCell</name>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Check or uncheck (Space on the list)</source>
        <translation>Spunta o togli la spunta (Spazio nell&apos;elenco)</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Remove (Delete on the list)</source>
        <translation>Rimuovi (Canc nell&apos;elenco)</translation>
    </message>
    <message>
        <source>Remove untitled item</source>
        <translation>Rimuovi l&apos;elemento senza titolo</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <extracomment>%1 is the item&apos;s title, quoted</extracomment>
        <translation>Rimuovi %1</translation>
    </message>
    <message>
        <source>Title of untitled item</source>
        <translation>Titolo dell&apos;elemento senza titolo</translation>
    </message>
    <message>
        <source>Title of %1</source>
        <extracomment>%1 is the item&apos;s title, quoted</extracomment>
        <translation>Titolo di %1</translation>
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
            <numerusform>%1, %n elementi</numerusform>
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
        <translation>Super</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Maiuscole</translation>
    </message>
    <message>
        <source>No modifier</source>
        <translation>Nessun modificatore</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Invio</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spazio</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Blocco maiuscole</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destra</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Modifier</source>
        <translation>Modificatore</translation>
    </message>
    <message>
        <source>Second modifier</source>
        <translation>Secondo modificatore</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tasto</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
</context>
<context>
    <name>JLStatusItemController</name>
    <message>
        <source>Show or Hide Redizado</source>
        <translation>Mostra o nascondi Redizado</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Opzioni…</translation>
    </message>
    <message>
        <source>About Redizado</source>
        <translation>Informazioni su Redizado</translation>
    </message>
    <message>
        <source>Quit Redizado</source>
        <translation>Esci da Redizado</translation>
    </message>
</context>
<context>
    <name>ListCore</name>
    <message>
        <source>Settings</source>
        <translation>Opzioni</translation>
    </message>
    <message numerus="yes">
        <source>Redizado, %n to do</source>
        <translation>
            <numerusform>Redizado, %n da fare</numerusform>
            <numerusform>Redizado, %n da fare</numerusform>
        </translation>
    </message>
    <message>
        <source>Added: %1</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation>Aggiunto: %1</translation>
    </message>
    <message>
        <source>Checked: %1</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation>Spuntato: %1</translation>
    </message>
    <message>
        <source>Removed: %1</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation>Rimosso: %1</translation>
    </message>
</context>
<context>
    <name>ListModes</name>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Finish editing</source>
        <translation>Termina la modifica</translation>
    </message>
</context>
<context>
    <name>LoadedSync</name>
    <message>
        <source>Sync is not available: %1</source>
        <extracomment>%1 is the loader&apos;s reason</extracomment>
        <translation>Sincronizzazione non disponibile: %1</translation>
    </message>
    <message>
        <source>Sync is off</source>
        <translation>Sincronizzazione disattivata</translation>
    </message>
</context>
<context>
    <name>PanelKeys</name>
    <message>
        <source>Return adds the item, Down goes to the list, Esc closes the panel</source>
        <translation>Invio aggiunge l&apos;elemento, Giù va all&apos;elenco, Esc chiude il pannello</translation>
    </message>
    <message>
        <source>%1 To Do, %2 All, %3 the other one</source>
        <translation>%1 Da fare, %2 Tutti, %3 l&apos;altro</translation>
    </message>
    <message>
        <source>On the list: F2 renames, Delete removes</source>
        <translation>Nell&apos;elenco: F2 rinomina, Canc rimuove</translation>
    </message>
    <message>
        <source>Settings (%1)</source>
        <translation>Opzioni (%1)</translation>
    </message>
    <message>
        <source>Arrows, Home, End and the page keys move; Space checks; F2 or Return renames; Delete removes; %1 undoes, %2 redoes</source>
        <translation>Frecce, Home, Fine e i tasti pagina spostano; Spazio spunta; F2 o Invio rinomina; Canc rimuove; %1 annulla, %2 rifà</translation>
    </message>
    <message>
        <source>To-do items</source>
        <translation>Elementi da fare</translation>
    </message>
    <message>
        <source>All items</source>
        <translation>Tutti gli elementi</translation>
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
        <translation>Tasti:
Invio aggiunge l&apos;elemento digitato, Giù va all&apos;elenco, Esc chiude il pannello.
Su, Giù, Home, Fine, Pag su e Pag giù si spostano nell&apos;elenco.
Spazio spunta o toglie la spunta, F2 o Invio rinomina, Canc rimuove.
%1, %2 e %3: Da fare, Tutti, l&apos;altro.
%4: opzioni. %5 e %6: annulla e rifai.</translation>
    </message>
    <message numerus="yes">
        <source>To-do items, %n</source>
        <translation>
            <numerusform>Elementi da fare, %n</numerusform>
            <numerusform>Elementi da fare, %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All items, %n</source>
        <translation>
            <numerusform>Tutti gli elementi, %n</numerusform>
            <numerusform>Tutti gli elementi, %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PanelUndo</name>
    <message>
        <source>%1 brings it back</source>
        <translation>%1 lo ripristina</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <extracomment>%1 is what the step did, such as &quot;Milk checked&quot;</extracomment>
        <translation>Rifatto: %1</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <extracomment>%1 is what taking the step back did, such as &quot;Milk is back&quot;</extracomment>
        <translation>Annullato: %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>%1 is back</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation>%1 ripristinato</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation>%1 rimosso</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Spunta</translation>
    </message>
    <message>
        <source>Uncheck</source>
        <translation>Togli la spunta</translation>
    </message>
    <message>
        <source>%1 checked</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation>%1 spuntato</translation>
    </message>
    <message>
        <source>%1 unchecked</source>
        <translation>%1 non spuntato</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>renamed %1</source>
        <extracomment>%1 is the item&apos;s title after the change; said after &quot;Redone: &quot; or &quot;Undone: &quot;</extracomment>
        <translation>rinominato in %1</translation>
    </message>
</context>
<context>
    <name>PasswordInput</name>
    <message>
        <source>the password could not be read from standard input: %1</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>impossibile leggere la password dallo standard input: %1</translation>
    </message>
    <message>
        <source>the line on standard input is too long to be a password</source>
        <translation>la riga sullo standard input è troppo lunga per essere una password</translation>
    </message>
    <message>
        <source>the password read from standard input is empty</source>
        <translation>la password letta dallo standard input è vuota</translation>
    </message>
    <message>
        <source>the password read from standard input is not valid UTF-8</source>
        <translation>la password letta dallo standard input non è UTF-8 valido</translation>
    </message>
</context>
<context>
    <name>PopoverPanel</name>
    <message>
        <source>What is there to do?</source>
        <translation>Cosa c&apos;è da fare?</translation>
    </message>
    <message>
        <source>To Do</source>
        <translation>Da fare</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tutti</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Rename and remove items</source>
        <translation>Rinomina e rimuovi elementi</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Elementi</translation>
    </message>
    <message>
        <source>Hide after entry</source>
        <translation>Nascondi dopo l&apos;inserimento</translation>
    </message>
    <message>
        <source>Close the list once an item is added</source>
        <translation>Chiude l&apos;elenco appena si aggiunge un elemento</translation>
    </message>
</context>
<context>
    <name>PortalHotKeyService</name>
    <message>
        <source>Show or hide the Redizado panel</source>
        <translation>Mostra o nascondi il pannello di Redizado</translation>
    </message>
</context>
<context>
    <name>ProgramMain</name>
    <message>
        <source>%1; nothing was changed</source>
        <translation>%1; non è stato modificato nulla</translation>
    </message>
    <message>
        <source>a copy of the program is starting; try again</source>
        <translation>un&apos;istanza del programma si sta avviando; riprovare</translation>
    </message>
    <message>
        <source>the sync did not finish</source>
        <translation>la sincronizzazione non è terminata</translation>
    </message>
    <message>
        <source>Try &apos;redizado --help&apos;.</source>
        <translation>Provare «redizado --help».</translation>
    </message>
</context>
<context>
    <name>RedizadoPanel</name>
    <message>
        <source>What is there to do?</source>
        <translation>Cosa c&apos;è da fare?</translation>
    </message>
    <message>
        <source>To Do</source>
        <translation>Da fare</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tutti</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Rename and remove items</source>
        <translation>Rinomina e rimuovi elementi</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Elementi</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Avvia all&apos;accesso</translation>
    </message>
    <message>
        <source>Show the to-do count</source>
        <translation>Mostra il numero di cose da fare</translation>
    </message>
    <message>
        <source>Alternate icon</source>
        <translation>Icona alternativa</translation>
    </message>
    <message>
        <source>Hide after entry</source>
        <translation>Nascondi dopo l&apos;inserimento</translation>
    </message>
    <message>
        <source>Close the panel once an item is added</source>
        <translation>Chiude il pannello appena si aggiunge un elemento</translation>
    </message>
    <message>
        <source>Global shortcut</source>
        <translation>Scorciatoia globale</translation>
    </message>
    <message>
        <source>Open the panel from anywhere with a key combination</source>
        <translation>Apre il pannello da ovunque con una combinazione di tasti</translation>
    </message>
    <message>
        <source>Modifier:</source>
        <translation>Modificatore:</translation>
    </message>
    <message>
        <source>Modifier</source>
        <translation>Modificatore</translation>
    </message>
    <message>
        <source>Second modifier:</source>
        <translation>Modificatore 2:</translation>
    </message>
    <message>
        <source>Second modifier</source>
        <translation>Secondo modificatore</translation>
    </message>
    <message>
        <source>Key:</source>
        <translation>Tasto:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tasto</translation>
    </message>
    <message>
        <source>Sync:</source>
        <translation>Sincron.:</translation>
    </message>
    <message>
        <source>The items kept in step with a calendar server (CalDAV)</source>
        <translation>Gli elementi tenuti allineati con un server di calendario (CalDAV)</translation>
    </message>
    <message>
        <source>Sync is off</source>
        <translation>Sincronizzazione disattivata</translation>
    </message>
    <message>
        <source>No keyring (Secret Service) on this desktop: sync stays off</source>
        <translation>Nessun portachiavi (Secret Service) su questo desktop: la sincronizzazione resta disattivata</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Indirizzo:</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Indirizzo del server</translation>
    </message>
    <message>
        <source>The server&apos;s address or a calendar&apos;s</source>
        <translation>L&apos;indirizzo del server o di un calendario</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Utente:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nome utente</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s keyring; Return turns sync on</source>
        <translation>Conservata nel portachiavi del desktop; Invio attiva la sincronizzazione</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Attiva</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Sincronizza</translation>
    </message>
    <message>
        <source>About Redizado</source>
        <translation>Informazioni su Redizado</translation>
    </message>
</context>
<context>
    <name>RowAccessible</name>
    <message numerus="yes">
        <source>%1 of %n</source>
        <extracomment>A row&apos;s place in the list, as in &quot;2 of 3&quot;; %n is the number of rows</extracomment>
        <translation>
            <numerusform>%1 di %n</numerusform>
            <numerusform>%1 di %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Untitled item</source>
        <translation>Elemento senza titolo</translation>
    </message>
</context>
<context>
    <name>SaveProblemNotice</name>
    <message>
        <source>Redizado cannot save</source>
        <translation>Redizado non può salvare</translation>
    </message>
    <message>
        <source>The folder of %1 is read-only. Your items are kept while Redizado runs, but not saved.</source>
        <extracomment>%1 is the preferences file&apos;s path</extracomment>
        <translation>La cartella di %1 è in sola lettura. Gli elementi restano finché Redizado è in esecuzione, ma non vengono salvati.</translation>
    </message>
    <message>
        <source>Your items could not be saved to %1 (%2). They are kept while Redizado runs, and saving is tried again at each change.</source>
        <extracomment>%1 is the preferences file&apos;s path, %2 the system&apos;s reason</extracomment>
        <translation>Non è stato possibile salvare i tuoi elementi in %1 (%2). Restano conservati finché Redizado è in esecuzione e il salvataggio viene ritentato a ogni modifica.</translation>
    </message>
</context>
<context>
    <name>ShortcutAdvice</name>
    <message>
        <source>Bind “redizado toggle” to a combination in the desktop’s keyboard settings.</source>
        <translation>Associare «redizado toggle» a una combinazione nelle impostazioni della tastiera del desktop.</translation>
    </message>
    <message>
        <source>This desktop lets no program bind keys.</source>
        <translation>Questo desktop non permette ad alcun programma di associare tasti.</translation>
    </message>
    <message>
        <source>No program can bind keys here. Add this line to %1:</source>
        <extracomment>%1 is the compositor&apos;s configuration file, such as ~/.config/sway/config</extracomment>
        <translation>Qui nessun programma può associare tasti. Aggiungere questa riga a %1:</translation>
    </message>
    <message>
        <source>Switched on, the shortcut is added to GNOME’s keyboard shortcuts.</source>
        <translation>Se attivata, la scorciatoia viene aggiunta alle scorciatoie da tastiera di GNOME.</translation>
    </message>
    <message>
        <source>This combination cannot be a shortcut: choose another key.</source>
        <translation>Questa combinazione non può essere una scorciatoia: scegliere un altro tasto.</translation>
    </message>
    <message>
        <source>%1 is taken by another program: choose another combination.</source>
        <extracomment>%1 is a key combination, such as Ctrl+Space</extracomment>
        <translation>%1 è già usata da un altro programma: scegliere un&apos;altra combinazione.</translation>
    </message>
    <message>
        <source>%1 cannot be a shortcut here: choose another key.</source>
        <extracomment>%1 is a key combination, such as Ctrl+Space</extracomment>
        <translation>%1 qui non può essere una scorciatoia: scegliere un altro tasto.</translation>
    </message>
    <message>
        <source>No keys can be bound on this display.</source>
        <translation>Su questo display non è possibile associare tasti.</translation>
    </message>
    <message>
        <source>%1 shows or hides the panel from any program.</source>
        <extracomment>%1 is a key combination, such as Ctrl+Space</extracomment>
        <translation>%1 mostra o nasconde il pannello da qualsiasi programma.</translation>
    </message>
    <message>
        <source>The desktop bound the shortcut to %1. Change it in the desktop’s keyboard settings.</source>
        <extracomment>%1 is the key combination as the desktop names it</extracomment>
        <translation>Il desktop ha associato la scorciatoia a %1. Si può cambiare nelle impostazioni della tastiera del desktop.</translation>
    </message>
    <message>
        <source>Asking the desktop to bind %1…</source>
        <extracomment>%1 is a key combination, such as Ctrl+Space</extracomment>
        <translation>Richiesta al desktop di associare %1…</translation>
    </message>
    <message>
        <source>The desktop did not bind the shortcut.</source>
        <translation>Il desktop non ha associato la scorciatoia.</translation>
    </message>
    <message>
        <source>In GNOME’s keyboard shortcuts, %1 runs “redizado toggle” (Settings ▸ Keyboard ▸ Custom Shortcuts).</source>
        <extracomment>%1 is the key combination as the desktop names it</extracomment>
        <translation>Nelle scorciatoie da tastiera di GNOME, %1 esegue «redizado toggle» (Impostazioni ▸ Tastiera ▸ Scorciatoie personalizzate).</translation>
    </message>
    <message>
        <source>GNOME’s keyboard settings cannot be reached.</source>
        <translation>Le impostazioni della tastiera di GNOME non sono raggiungibili.</translation>
    </message>
</context>
<context>
    <name>ShortcutNote</name>
    <message>
        <source>Line for the compositor’s configuration</source>
        <translation>Riga per la configurazione del compositor</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>not ready</source>
        <translation>non pronto</translation>
    </message>
</context>
<context>
    <name>SniStatusItem</name>
    <message numerus="yes">
        <source>%1: %n to do</source>
        <extracomment>%1 is the program&apos;s name, or its name and how the last sync went; %n is the number of items to do</extracomment>
        <translation>
            <numerusform>%1: %n da fare</numerusform>
            <numerusform>%1: %n da fare</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncCommands</name>
    <message numerus="yes">
        <source>%n added here</source>
        <translation>
            <numerusform>%n aggiunto qui</numerusform>
            <numerusform>%n aggiunti qui</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed here</source>
        <translation>
            <numerusform>%n modificato qui</numerusform>
            <numerusform>%n modificati qui</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed here</source>
        <translation>
            <numerusform>%n rimosso qui</numerusform>
            <numerusform>%n rimossi qui</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n added on the server</source>
        <translation>
            <numerusform>%n aggiunto sul server</numerusform>
            <numerusform>%n aggiunti sul server</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed on the server</source>
        <translation>
            <numerusform>%n modificato sul server</numerusform>
            <numerusform>%n modificati sul server</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed on the server</source>
        <translation>
            <numerusform>%n rimosso sul server</numerusform>
            <numerusform>%n rimossi sul server</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing to do</source>
        <translation>Niente da sincronizzare</translation>
    </message>
    <message>
        <source>sync is not available in the running copy</source>
        <translation>la sincronizzazione non è disponibile nell&apos;istanza in esecuzione</translation>
    </message>
    <message numerus="yes">
        <source>the server turned down %n item(s), which stay here and are tried again at the next sync; the first: %1</source>
        <extracomment>%1 is the first item turned down and the server&apos;s words about it</extracomment>
        <translation>
            <numerusform>il server ha rifiutato %n elemento, che resta qui e verrà ritentato alla prossima sincronizzazione: %1</numerusform>
            <numerusform>il server ha rifiutato %n elementi, che restano qui e verranno ritentati alla prossima sincronizzazione; il primo: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>some of the server&apos;s answers could not be read and were left alone%1</source>
        <extracomment>%1 is empty or the reason in brackets, as in &quot; (HTTP 500)&quot;</extracomment>
        <translation>alcune risposte del server non erano leggibili e sono state lasciate da parte%1</translation>
    </message>
    <message>
        <source>the server turned down the user name or password%1; set them again with: %2</source>
        <extracomment>%1 is empty or the reason in brackets; %2 is the command that sets them</extracomment>
        <translation>il server ha rifiutato il nome utente o la password%1; impostarli di nuovo con: %2</translation>
    </message>
    <message>
        <source>the server could not be reached or was busy%1; try again later</source>
        <extracomment>%1 is empty or the reason in brackets</extracomment>
        <translation>il server non era raggiungibile o era occupato%1; riprovare più tardi</translation>
    </message>
    <message>
        <source>the server refused the sync%1</source>
        <extracomment>%1 is empty or the reason in brackets</extracomment>
        <translation>il server ha rifiutato la sincronizzazione%1</translation>
    </message>
    <message>
        <source>sync is off; turn it on with: %1</source>
        <extracomment>%1 is the command that turns it on</extracomment>
        <translation>la sincronizzazione è disattivata; attivarla con: %1</translation>
    </message>
    <message>
        <source>Sync is off; the items stay as they are</source>
        <translation>Sincronizzazione disattivata; gli elementi restano come sono</translation>
    </message>
    <message>
        <source>sync could not be turned off</source>
        <translation>impossibile disattivare la sincronizzazione</translation>
    </message>
    <message>
        <source>no keyring (Secret Service) answers on this desktop to keep the password; sync stays off</source>
        <translation>nessun portachiavi (Secret Service) risponde su questo desktop per conservare la password; la sincronizzazione resta disattivata</translation>
    </message>
    <message>
        <source>the account was not taken</source>
        <translation>l&apos;account non è stato accettato</translation>
    </message>
    <message>
        <source>Syncing with %1 as %2</source>
        <extracomment>%1 is the server&apos;s address, %2 the user name</extracomment>
        <translation>Sincronizzazione con %1 come %2</translation>
    </message>
</context>
<context>
    <name>SyncRun</name>
    <message>
        <source>the tasks kept changing on the server</source>
        <translation>le attività continuavano a cambiare sul server</translation>
    </message>
    <message numerus="yes">
        <source>%n task(s) on the server could not be read; their items were left as they were</source>
        <translation>
            <numerusform>non è stato possibile leggere %n attività sul server; il suo elemento è rimasto com&apos;era</numerusform>
            <numerusform>non è stato possibile leggere %n attività sul server; i loro elementi sono rimasti com&apos;erano</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncService</name>
    <message>
        <source>%1 is not a web address</source>
        <translation>%1 non è un indirizzo web</translation>
    </message>
    <message>
        <source>Leave the password out of the address: type it in the password field</source>
        <translation>Non inserire la password nell&apos;indirizzo: scriverla nel campo della password</translation>
    </message>
    <message>
        <source>Plain HTTP would send the password to %1 in clear: use an https:// address</source>
        <extracomment>%1 is the server&apos;s host name</extracomment>
        <translation>HTTP semplice invierebbe la password in chiaro a %1: usare un indirizzo https://</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>%1 is the user name, %2 the server&apos;s host name</extracomment>
        <translation>%1 su %2</translation>
    </message>
    <message>
        <source>Wrong user name or password for %1</source>
        <extracomment>%1 is the user at the server</extracomment>
        <translation>Nome utente o password errati per %1</translation>
    </message>
    <message>
        <source>Cannot reach %1: %2</source>
        <extracomment>%1 is the server&apos;s host name, %2 what went wrong</extracomment>
        <translation>Impossibile raggiungere %1: %2</translation>
    </message>
    <message>
        <source>%1 does not answer as a calendar server: %2</source>
        <extracomment>%1 is the server&apos;s host name, %2 what went wrong</extracomment>
        <translation>%1 non risponde come un server di calendario: %2</translation>
    </message>
    <message>
        <source>%1 refused: %2</source>
        <extracomment>%1 is the server&apos;s host name, %2 what it said</extracomment>
        <translation>%1 ha rifiutato: %2</translation>
    </message>
    <message>
        <source>No keyring on this desktop: sync is off</source>
        <translation>Nessun portachiavi su questo desktop: sincronizzazione disattivata</translation>
    </message>
    <message>
        <source>Sync is off</source>
        <translation>Sincronizzazione disattivata</translation>
    </message>
    <message>
        <source>The keyring would not keep the password: %1</source>
        <extracomment>%1 is the keyring&apos;s reason</extracomment>
        <translation>Il portachiavi non ha conservato la password: %1</translation>
    </message>
    <message>
        <source>The sync account changed</source>
        <translation>L&apos;account di sincronizzazione è cambiato</translation>
    </message>
    <message>
        <source>Sync is on with %1</source>
        <extracomment>%1 is the user at the server</extracomment>
        <translation>Sincronizzazione attiva con %1</translation>
    </message>
    <message>
        <source>Sync was turned off</source>
        <translation>La sincronizzazione è stata disattivata</translation>
    </message>
    <message>
        <source>Sync is off; no keyring answered to forget the password</source>
        <translation>Sincronizzazione disattivata; nessun portachiavi ha risposto per dimenticare la password</translation>
    </message>
    <message>
        <source>Sync is off, but the keyring would not forget the password: %1</source>
        <extracomment>%1 is the keyring&apos;s reason</extracomment>
        <translation>Sincronizzazione disattivata, ma il portachiavi non ha dimenticato la password: %1</translation>
    </message>
    <message>
        <source>no password kept</source>
        <translation>nessuna password conservata</translation>
    </message>
    <message>
        <source>Syncing…</source>
        <translation>Sincronizzazione…</translation>
    </message>
    <message>
        <source>; trying again at %1</source>
        <extracomment>Follows a status; %1 is a time</extracomment>
        <translation>; nuovo tentativo alle %1</translation>
    </message>
    <message>
        <source>No password kept for %1: enter the account again</source>
        <extracomment>%1 is the user at the server</extracomment>
        <translation>Nessuna password conservata per %1: inserire di nuovo l&apos;account</translation>
    </message>
    <message>
        <source>The keyring did not give the password for %1%2</source>
        <extracomment>%1 is the user at the server; %2 is empty or &quot;; trying again at&quot; a time</extracomment>
        <translation>Il portachiavi non ha fornito la password di %1%2</translation>
    </message>
    <message>
        <source>Off line: syncing with %1 when back on line</source>
        <extracomment>%1 is the server&apos;s host name</extracomment>
        <translation>Non in linea: sincronizzazione con %1 al ritorno della connessione</translation>
    </message>
    <message>
        <source>Synced at %1</source>
        <translation>Sincronizzato alle %1</translation>
    </message>
    <message numerus="yes">
        <source>; the server turned down %n item(s), first %1</source>
        <extracomment>Follows a status; %1 is the first item turned down and the server&apos;s words about it</extracomment>
        <translation>
            <numerusform>; il server ha rifiutato %n elemento: %1</numerusform>
            <numerusform>; il server ha rifiutato %n elementi, il primo: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Synced at %1%2</source>
        <extracomment>%1 is a time; %2 is empty or &quot;; the server turned down&quot; some items</extracomment>
        <translation>Sincronizzato alle %1%2</translation>
    </message>
    <message>
        <source> (will retry at %1)</source>
        <extracomment>Follows a failure; %1 is a time</extracomment>
        <translation> (nuovo tentativo alle %1)</translation>
    </message>
    <message>
        <source>wrong user name or password for %1</source>
        <translation>nome utente o password errati per %1</translation>
    </message>
    <message>
        <source>cannot reach %1%2</source>
        <extracomment>%1 is the server&apos;s host name; %2 is &quot; (will retry)&quot; or &quot; (will retry at&quot; a time &quot;)&quot;</extracomment>
        <translation>impossibile raggiungere %1%2</translation>
    </message>
    <message>
        <source> (will retry)</source>
        <translation> (nuovo tentativo più tardi)</translation>
    </message>
    <message>
        <source>some tasks on %1 could not be read%2</source>
        <extracomment>%1 is the server&apos;s host name; %2 is empty or &quot; (will retry at&quot; a time &quot;)&quot;</extracomment>
        <translation>alcune attività su %1 non erano leggibili%2</translation>
    </message>
    <message>
        <source>%1 refused the sync</source>
        <extracomment>%1 is the server&apos;s host name</extracomment>
        <translation>%1 ha rifiutato la sincronizzazione</translation>
    </message>
    <message>
        <source>%1 refused the sync: %2</source>
        <extracomment>%1 is the server&apos;s host name, %2 what it said</extracomment>
        <translation>%1 ha rifiutato la sincronizzazione: %2</translation>
    </message>
    <message>
        <source>Last good sync %1.</source>
        <translation>Ultima sincronizzazione riuscita: %1.</translation>
    </message>
    <message>
        <source>No sync has gone well yet.</source>
        <translation>Nessuna sincronizzazione è ancora riuscita.</translation>
    </message>
    <message>
        <source>Last sync%1 failed: %2%3. %4</source>
        <extracomment>%1 is empty or a space and the time; %2 is why; %3 is empty or &quot;; the server turned down&quot; some items; %4 says when the last good sync was</extracomment>
        <translation>Ultima sincronizzazione%1 non riuscita: %2%3. %4</translation>
    </message>
</context>
<context>
    <name>SyncSettings</name>
    <message>
        <source>Checking the account with the server…</source>
        <translation>Verifica dell&apos;account con il server…</translation>
    </message>
    <message>
        <source>Sync without encryption?</source>
        <translation>Sincronizzare senza cifratura?</translation>
    </message>
    <message>
        <source>The address %1 starts with http://, not https://.</source>
        <translation>L&apos;indirizzo %1 inizia con http://, non con https://.</translation>
    </message>
    <message>
        <source>Your password and your items would travel unencrypted to %1: anyone on the way could read them. Sync over plain HTTP anyway?</source>
        <translation>La password e gli elementi viaggerebbero non cifrati fino a %1: chiunque lungo il percorso potrebbe leggerli. Sincronizzare comunque con HTTP semplice?</translation>
    </message>
    <message>
        <source>Use Plain HTTP</source>
        <translation>Usa HTTP semplice</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Disattiva</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Attiva</translation>
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
            <numerusform>%1 — %n da fare</numerusform>
            <numerusform>%1 — %n da fare</numerusform>
        </translation>
    </message>
</context>
</TS>
