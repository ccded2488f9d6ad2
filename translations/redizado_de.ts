<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutMessage</name>
    <message>
        <source>Redizado %1

© %2 The Redizado developers</source>
        <extracomment>%1 is the version, such as 1.2.0; %2 is the year of the copyright</extracomment>
        <translation>Redizado %1

© %2 Die Redizado-Entwickler</translation>
    </message>
    <message>
        <source>About Redizado</source>
        <translation>Über Redizado</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>CalDavClient</name>
    <message>
        <source>%1: not a WebDAV answer</source>
        <extracomment>%1 is the address that answered</extracomment>
        <translation>%1: keine WebDAV-Antwort</translation>
    </message>
</context>
<context>
    <name>CalDavDiscovery</name>
    <message>
        <source>%1: not a WebDAV answer</source>
        <translation>%1: keine WebDAV-Antwort</translation>
    </message>
    <message>
        <source>%1: the server names no calendars</source>
        <translation>%1: Der Server nennt keine Kalender</translation>
    </message>
</context>
<context>
    <name>CommandHere</name>
    <message>
        <source>%1; nothing was changed</source>
        <extracomment>%1 is why the store could not be read</extracomment>
        <translation>%1; nichts wurde geändert</translation>
    </message>
    <message>
        <source>another copy holds %1 but does not answer</source>
        <extracomment>%1 is the lock file&apos;s path</extracomment>
        <translation>eine andere Instanz hält %1, antwortet aber nicht</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>the password is read from standard input, never from the command line</source>
        <translation>das Passwort wird von der Standardeingabe gelesen, nie von der Befehlszeile</translation>
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
        <translation>Eine Aufgabenliste im Benachrichtigungsfeld.

Befehle:
  (ohne)          das Programm starten oder das Fenster des laufenden zeigen
  toggle          das Fenster zeigen oder verbergen, wie der globale Kurzbefehl
  add TITLE...    einen Eintrag hinzufügen; die Wörter werden mit Leerzeichen
                  verbunden
  list [--all]    die offenen Einträge ausgeben (oder alle, mit [x] oder [ ]),
                  die neuesten zuerst
  count           die Anzahl der offenen Einträge ausgeben
  sync            jetzt mit dem Kalenderserver abgleichen und die Änderungen
                  ausgeben
  sync --status   ausgeben, wie der letzte Abgleich verlief
  sync --account URL USER [--allow-plain-http]
                  ab jetzt mit dem Kalender unter URL als USER abgleichen; das
                  Passwort wird von der Standardeingabe gelesen
  sync --off      das Konto und sein Passwort vergessen; die Einträge bleiben

Exit-Status: 0 erledigt, 1 fehlgeschlagen, 2 falsche Wörter; bei sync auch
3 falsches Passwort, 4 später erneut versuchen, 5 abgelehnt oder Abgleich aus.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address, as in https://example.org/dav/</source>
        <translation>»%1« ist keine Internetadresse wie etwa https://example.org/dav/</translation>
    </message>
    <message>
        <source>not a command: %1</source>
        <extracomment>%1 is the words received</extracomment>
        <translation>kein Befehl: %1</translation>
    </message>
    <message>
        <source>argument %1 is not valid UTF-8</source>
        <extracomment>%1 is the argument&apos;s place on the command line, counted from 0 for the program&apos;s name</extracomment>
        <translation>Argument %1 ist kein gültiges UTF-8</translation>
    </message>
    <message>
        <source>With list: every item, checked ones too.</source>
        <translation>Mit list: alle Einträge, auch abgehakte.</translation>
    </message>
    <message>
        <source>Show the list in a popover rather than the panel.</source>
        <translation>Die Liste in einem Aufklappfenster statt im Fenster zeigen.</translation>
    </message>
    <message>
        <source>With sync: how the last sync went.</source>
        <translation>Mit sync: wie der letzte Abgleich verlief.</translation>
    </message>
    <message>
        <source>With sync: forget the account and its password.</source>
        <translation>Mit sync: das Konto und sein Passwort vergessen.</translation>
    </message>
    <message>
        <source>With sync: sync as USER with the calendar server at URL.</source>
        <translation>Mit sync: als USER mit dem Kalenderserver unter URL abgleichen.</translation>
    </message>
    <message>
        <source>With sync --account: an unencrypted http:// address to another machine.</source>
        <translation>Mit sync --account: eine unverschlüsselte http://-Adresse zu einem anderen Rechner.</translation>
    </message>
    <message>
        <source>Say what the program does, not only its problems.</source>
        <translation>Ausgeben, was das Programm tut, nicht nur seine Probleme.</translation>
    </message>
    <message>
        <source>toggle, add, list, count or sync.</source>
        <translation>toggle, add, list, count oder sync.</translation>
    </message>
    <message>
        <source>With add: the item&apos;s title; with sync --account: URL USER.</source>
        <translation>Mit add: der Titel des Eintrags; mit sync --account: URL USER.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [command] [title...]</source>
        <extracomment>%1 is the command&apos;s name; the words in brackets are those of the Arguments below</extracomment>
        <translation>Aufruf: %1 [Optionen] [command] [title...]</translation>
    </message>
    <message>
        <source>%1 (a title that starts with &apos;-&apos; goes after --)</source>
        <extracomment>%1 is the parser&apos;s own message, as in: Unknown option &apos;x&apos;.</extracomment>
        <translation>%1 (ein Titel, der mit »-« beginnt, gehört hinter --)</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;; the commands are toggle, add, list, count and sync</source>
        <translation>unbekannter Befehl »%1«; die Befehle sind toggle, add, list, count und sync</translation>
    </message>
    <message>
        <source>--all goes with list only</source>
        <translation>--all gehört nur zu list</translation>
    </message>
    <message>
        <source>--%1 goes with sync only</source>
        <translation>--%1 gehört nur zu sync</translation>
    </message>
    <message>
        <source>sync takes one of --status, --off and --account</source>
        <translation>sync nimmt eine von --status, --off und --account</translation>
    </message>
    <message>
        <source>--allow-plain-http goes with sync --account only</source>
        <translation>--allow-plain-http gehört nur zu sync --account</translation>
    </message>
    <message>
        <source>sync --account needs the server&apos;s address and a user name, as in: redizado sync --account https://example.org/dav/ alice</source>
        <translation>sync --account braucht die Adresse des Servers und einen Benutzernamen, etwa: redizado sync --account https://example.org/dav/ alice</translation>
    </message>
    <message>
        <source>add needs a title, as in: redizado add buy milk</source>
        <translation>add braucht einen Titel, etwa: redizado add Milch kaufen</translation>
    </message>
    <message>
        <source>%1 takes no further words (got &quot;%2&quot;)</source>
        <extracomment>%1 is a command word, %2 the words after it</extracomment>
        <translation>%1 nimmt keine weiteren Wörter (erhalten: »%2«)</translation>
    </message>
</context>
<context>
    <name>CommandMain</name>
    <message>
        <source>the program&apos;s own library cannot be loaded:%1</source>
        <extracomment>%1 is the loader&apos;s reasons, one indented line each</extracomment>
        <translation>die programmeigene Bibliothek kann nicht geladen werden:%1</translation>
    </message>
    <message>
        <source>Password for %1 at %2: </source>
        <extracomment>%1 is the user name, %2 the server</extracomment>
        <translation>Passwort für %1 auf %2: </translation>
    </message>
    <message numerus="yes">
        <source>the running copy did not finish within %n minute(s); it may still be syncing (see redizado sync --status)</source>
        <translation>
            <numerusform>die laufende Instanz wurde nicht innerhalb von %n Minute fertig; vielleicht gleicht sie noch ab (siehe redizado sync --status)</numerusform>
            <numerusform>die laufende Instanz wurde nicht innerhalb von %n Minuten fertig; vielleicht gleicht sie noch ab (siehe redizado sync --status)</numerusform>
        </translation>
    </message>
    <message>
        <source>another copy holds %1 but does not answer</source>
        <extracomment>%1 is the lock file&apos;s path</extracomment>
        <translation>eine andere Instanz hält %1, antwortet aber nicht</translation>
    </message>
</context>
<context>
    <name>DavTransport</name>
    <message>
        <source>%1: the secure connection failed</source>
        <extracomment>%1 is the request, as in &quot;PROPFIND https://example.org/dav/&quot;</extracomment>
        <translation>%1: Die sichere Verbindung ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1: no answer (network error %2)</source>
        <extracomment>%1 is the request, as in &quot;PROPFIND https://example.org/dav/&quot;; %2 is Qt&apos;s number for the network error</extracomment>
        <translation>%1: keine Antwort (Netzwerkfehler %2)</translation>
    </message>
    <message>
        <source>not a web address</source>
        <translation>keine Internetadresse</translation>
    </message>
    <message>
        <source>plain HTTP would send the password in clear; HTTPS is needed</source>
        <translation>unverschlüsseltes HTTP würde das Passwort im Klartext senden; HTTPS ist nötig</translation>
    </message>
    <message>
        <source>not the account&apos;s server %1</source>
        <extracomment>%1 is the account&apos;s server address</extracomment>
        <translation>nicht der Server %1 des Kontos</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is an address, %2 why it is not asked</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: too many redirects</source>
        <translation>%1: zu viele Weiterleitungen</translation>
    </message>
</context>
<context>
    <name>ItemCommands</name>
    <message>
        <source>add needs a title</source>
        <translation>add braucht einen Titel</translation>
    </message>
    <message>
        <source>the item was added but could not be saved; see the log for why</source>
        <translation>der Eintrag wurde hinzugefügt, konnte aber nicht gespeichert werden; der Grund steht im Protokoll</translation>
    </message>
    <message>
        <source>not an item command</source>
        <translation>kein Befehl für Einträge</translation>
    </message>
</context>
<context>
    <name>JLPopoverViewController</name>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
</context>
<context>
    <name>JLRedizadoTableViewCell</name>
    <message>
        <source>Done</source>
        <translation>Erledigt</translation>
    </message>
    <message>
        <source>Check or uncheck (Space on the list)</source>
        <translation>Abhaken oder Haken entfernen (Leertaste in der Liste)</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Remove (Delete on the list)</source>
        <translation>Entfernen (Entf in der Liste)</translation>
    </message>
    <message>
        <source>Remove untitled item</source>
        <translation>Unbenannten Eintrag entfernen</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <extracomment>%1 is the item&apos;s title, quoted</extracomment>
        <translation>%1 entfernen</translation>
    </message>
    <message>
        <source>Title of untitled item</source>
        <translation>Titel des unbenannten Eintrags</translation>
    </message>
    <message>
        <source>Title of %1</source>
        <extracomment>%1 is the item&apos;s title, quoted</extracomment>
        <translation>Titel von %1</translation>
    </message>
    <message>
        <source>“%1”</source>
        <extracomment>An item&apos;s title in the quotation marks of the language; said in &quot;Remove %1&quot; and &quot;Title of %1&quot;</extracomment>
        <translation>»%1«</translation>
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
            <numerusform>%1, %n Eintrag</numerusform>
            <numerusform>%1, %n Einträge</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JLShortcutSelector</name>
    <message>
        <source>Control</source>
        <translation>Steuerung</translation>
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
        <translation>Umschalt</translation>
    </message>
    <message>
        <source>No modifier</source>
        <translation>Keine Zusatztaste</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Eingabetaste</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Feststelltaste</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Pfeil nach links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Pfeil nach rechts</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Pfeil nach unten</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Pfeil nach oben</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>Modifier</source>
        <translation>Zusatztaste</translation>
    </message>
    <message>
        <source>Second modifier</source>
        <translation>Zweite Zusatztaste</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
</context>
<context>
    <name>JLStatusItemController</name>
    <message>
        <source>Show or Hide Redizado</source>
        <translation>Redizado zeigen oder verbergen</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Optionen …</translation>
    </message>
    <message>
        <source>About Redizado</source>
        <translation>Über Redizado</translation>
    </message>
    <message>
        <source>Quit Redizado</source>
        <translation>Redizado beenden</translation>
    </message>
</context>
<context>
    <name>ListCore</name>
    <message>
        <source>Settings</source>
        <translation>Optionen</translation>
    </message>
    <message numerus="yes">
        <source>Redizado, %n to do</source>
        <translation>
            <numerusform>Redizado, %n offen</numerusform>
            <numerusform>Redizado, %n offen</numerusform>
        </translation>
    </message>
    <message>
        <source>Added: %1</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation>Hinzugefügt: %1</translation>
    </message>
    <message>
        <source>Checked: %1</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation>Abgehakt: %1</translation>
    </message>
    <message>
        <source>Removed: %1</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation>Entfernt: %1</translation>
    </message>
</context>
<context>
    <name>ListModes</name>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Finish editing</source>
        <translation>Bearbeiten beenden</translation>
    </message>
</context>
<context>
    <name>LoadedSync</name>
    <message>
        <source>Sync is not available: %1</source>
        <extracomment>%1 is the loader&apos;s reason</extracomment>
        <translation>Abgleich nicht verfügbar: %1</translation>
    </message>
    <message>
        <source>Sync is off</source>
        <translation>Abgleich ist aus</translation>
    </message>
</context>
<context>
    <name>PanelKeys</name>
    <message>
        <source>Return adds the item, Down goes to the list, Esc closes the panel</source>
        <translation>Eingabetaste fügt den Eintrag hinzu, Pfeil nach unten führt zur Liste, Esc schließt das Fenster</translation>
    </message>
    <message>
        <source>%1 To Do, %2 All, %3 the other one</source>
        <translation>%1 Offen, %2 Alle, %3 die jeweils andere Ansicht</translation>
    </message>
    <message>
        <source>On the list: F2 renames, Delete removes</source>
        <translation>In der Liste: F2 benennt um, Entf entfernt</translation>
    </message>
    <message>
        <source>Settings (%1)</source>
        <translation>Optionen (%1)</translation>
    </message>
    <message>
        <source>Arrows, Home, End and the page keys move; Space checks; F2 or Return renames; Delete removes; %1 undoes, %2 redoes</source>
        <translation>Pfeiltasten, Pos1, Ende und Bild auf/ab bewegen; Leertaste hakt ab; F2 oder Eingabetaste benennt um; Entf entfernt; %1 macht rückgängig, %2 stellt wieder her</translation>
    </message>
    <message>
        <source>To-do items</source>
        <translation>Offene Einträge</translation>
    </message>
    <message>
        <source>All items</source>
        <translation>Alle Einträge</translation>
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
        <translation>Tasten:
Eingabetaste fügt den getippten Eintrag hinzu, Pfeil nach unten führt zur Liste, Esc schließt das Fenster.
Pfeil nach oben und unten, Pos1, Ende, Bild auf und Bild ab bewegen in der Liste.
Leertaste hakt ab oder entfernt den Haken, F2 oder Eingabetaste benennt um, Entf entfernt.
%1, %2 und %3: Offen, Alle, die jeweils andere Ansicht.
%4: Optionen. %5 und %6: Rückgängig und Wiederherstellen.</translation>
    </message>
    <message numerus="yes">
        <source>To-do items, %n</source>
        <translation>
            <numerusform>Offene Einträge, %n</numerusform>
            <numerusform>Offene Einträge, %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All items, %n</source>
        <translation>
            <numerusform>Alle Einträge, %n</numerusform>
            <numerusform>Alle Einträge, %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PanelUndo</name>
    <message>
        <source>%1 brings it back</source>
        <translation>%1 macht es rückgängig</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <extracomment>%1 is what the step did, such as &quot;Milk checked&quot;</extracomment>
        <translation>Wiederhergestellt: %1</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <extracomment>%1 is what taking the step back did, such as &quot;Milk is back&quot;</extracomment>
        <translation>Rückgängig gemacht: %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>%1 is back</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation>%1 ist wieder da</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation>%1 entfernt</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Abhaken</translation>
    </message>
    <message>
        <source>Uncheck</source>
        <translation>Haken entfernen</translation>
    </message>
    <message>
        <source>%1 checked</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation>%1 abgehakt</translation>
    </message>
    <message>
        <source>%1 unchecked</source>
        <translation>%1 nicht mehr abgehakt</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>renamed %1</source>
        <extracomment>%1 is the item&apos;s title after the change; said after &quot;Redone: &quot; or &quot;Undone: &quot;</extracomment>
        <translation>umbenannt in %1</translation>
    </message>
</context>
<context>
    <name>PasswordInput</name>
    <message>
        <source>the password could not be read from standard input: %1</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>das Passwort konnte nicht von der Standardeingabe gelesen werden: %1</translation>
    </message>
    <message>
        <source>the line on standard input is too long to be a password</source>
        <translation>die Zeile auf der Standardeingabe ist zu lang für ein Passwort</translation>
    </message>
    <message>
        <source>the password read from standard input is empty</source>
        <translation>das von der Standardeingabe gelesene Passwort ist leer</translation>
    </message>
    <message>
        <source>the password read from standard input is not valid UTF-8</source>
        <translation>das von der Standardeingabe gelesene Passwort ist kein gültiges UTF-8</translation>
    </message>
</context>
<context>
    <name>PopoverPanel</name>
    <message>
        <source>What is there to do?</source>
        <translation>Was ist zu tun?</translation>
    </message>
    <message>
        <source>To Do</source>
        <translation>Offen</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Rename and remove items</source>
        <translation>Einträge umbenennen und entfernen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>Hide after entry</source>
        <translation>Nach Eingabe verbergen</translation>
    </message>
    <message>
        <source>Close the list once an item is added</source>
        <translation>Die Liste schließen, sobald ein Eintrag hinzugefügt ist</translation>
    </message>
</context>
<context>
    <name>PortalHotKeyService</name>
    <message>
        <source>Show or hide the Redizado panel</source>
        <translation>Das Redizado-Fenster zeigen oder verbergen</translation>
    </message>
</context>
<context>
    <name>ProgramMain</name>
    <message>
        <source>%1; nothing was changed</source>
        <translation>%1; nichts wurde geändert</translation>
    </message>
    <message>
        <source>a copy of the program is starting; try again</source>
        <translation>eine Instanz des Programms startet gerade; bitte erneut versuchen</translation>
    </message>
    <message>
        <source>the sync did not finish</source>
        <translation>der Abgleich wurde nicht fertig</translation>
    </message>
    <message>
        <source>Try &apos;redizado --help&apos;.</source>
        <translation>Siehe »redizado --help«.</translation>
    </message>
</context>
<context>
    <name>RedizadoPanel</name>
    <message>
        <source>What is there to do?</source>
        <translation>Was ist zu tun?</translation>
    </message>
    <message>
        <source>To Do</source>
        <translation>Offen</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Rename and remove items</source>
        <translation>Einträge umbenennen und entfernen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Beim Anmelden starten</translation>
    </message>
    <message>
        <source>Show the to-do count</source>
        <translation>Anzahl offener Einträge zeigen</translation>
    </message>
    <message>
        <source>Alternate icon</source>
        <translation>Alternatives Symbol</translation>
    </message>
    <message>
        <source>Hide after entry</source>
        <translation>Nach Eingabe verbergen</translation>
    </message>
    <message>
        <source>Close the panel once an item is added</source>
        <translation>Das Fenster schließen, sobald ein Eintrag hinzugefügt ist</translation>
    </message>
    <message>
        <source>Global shortcut</source>
        <translation>Globaler Kurzbefehl</translation>
    </message>
    <message>
        <source>Open the panel from anywhere with a key combination</source>
        <translation>Das Fenster von überall mit einer Tastenkombination öffnen</translation>
    </message>
    <message>
        <source>Modifier:</source>
        <translation>Zusatztaste:</translation>
    </message>
    <message>
        <source>Modifier</source>
        <translation>Zusatztaste</translation>
    </message>
    <message>
        <source>Second modifier:</source>
        <translation>Zweite Zusatztaste:</translation>
    </message>
    <message>
        <source>Second modifier</source>
        <translation>Zweite Zusatztaste</translation>
    </message>
    <message>
        <source>Key:</source>
        <translation>Taste:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Sync:</source>
        <translation>Abgleich:</translation>
    </message>
    <message>
        <source>The items kept in step with a calendar server (CalDAV)</source>
        <translation>Abgleich der Einträge mit einem Kalenderserver (CalDAV)</translation>
    </message>
    <message>
        <source>Sync is off</source>
        <translation>Abgleich ist aus</translation>
    </message>
    <message>
        <source>No keyring (Secret Service) on this desktop: sync stays off</source>
        <translation>Kein Schlüsselbund (Secret Service) in dieser Arbeitsumgebung: Der Abgleich bleibt aus</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adresse:</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Serveradresse</translation>
    </message>
    <message>
        <source>The server&apos;s address or a calendar&apos;s</source>
        <translation>Die Adresse des Servers oder eines Kalenders</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Benutzer:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s keyring; Return turns sync on</source>
        <translation>Wird im Schlüsselbund der Arbeitsumgebung aufbewahrt; die Eingabetaste schaltet den Abgleich ein</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Einschalten</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Jetzt abgleichen</translation>
    </message>
    <message>
        <source>About Redizado</source>
        <translation>Über Redizado</translation>
    </message>
</context>
<context>
    <name>RowAccessible</name>
    <message numerus="yes">
        <source>%1 of %n</source>
        <extracomment>A row&apos;s place in the list, as in &quot;2 of 3&quot;; %n is the number of rows</extracomment>
        <translation>
            <numerusform>%1 von %n</numerusform>
            <numerusform>%1 von %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Untitled item</source>
        <translation>Unbenannter Eintrag</translation>
    </message>
</context>
<context>
    <name>SaveProblemNotice</name>
    <message>
        <source>Redizado cannot save</source>
        <translation>Redizado kann nicht speichern</translation>
    </message>
    <message>
        <source>The folder of %1 is read-only. Your items are kept while Redizado runs, but not saved.</source>
        <extracomment>%1 is the preferences file&apos;s path</extracomment>
        <translation>Der Ordner von %1 ist schreibgeschützt. Die Einträge bleiben erhalten, solange Redizado läuft, werden aber nicht gespeichert.</translation>
    </message>
    <message>
        <source>Your items could not be saved to %1 (%2). They are kept while Redizado runs, and saving is tried again at each change.</source>
        <extracomment>%1 is the preferences file&apos;s path, %2 the system&apos;s reason</extracomment>
        <translation>Ihre Einträge konnten nicht in %1 gespeichert werden (%2). Sie bleiben erhalten, solange Redizado läuft, und das Speichern wird bei jeder Änderung erneut versucht.</translation>
    </message>
</context>
<context>
    <name>ShortcutAdvice</name>
    <message>
        <source>Bind “redizado toggle” to a combination in the desktop’s keyboard settings.</source>
        <translation>»redizado toggle« in den Tastatureinstellungen der Arbeitsumgebung eine Tastenkombination zuweisen.</translation>
    </message>
    <message>
        <source>This desktop lets no program bind keys.</source>
        <translation>Diese Arbeitsumgebung lässt kein Programm Tasten belegen.</translation>
    </message>
    <message>
        <source>No program can bind keys here. Add this line to %1:</source>
        <extracomment>%1 is the compositor&apos;s configuration file, such as ~/.config/sway/config</extracomment>
        <translation>Hier kann kein Programm Tasten belegen. Diese Zeile in %1 einfügen:</translation>
    </message>
    <message>
        <source>Switched on, the shortcut is added to GNOME’s keyboard shortcuts.</source>
        <translation>Eingeschaltet wird der Kurzbefehl in die Tastenkombinationen von GNOME eingetragen.</translation>
    </message>
    <message>
        <source>This combination cannot be a shortcut: choose another key.</source>
        <translation>Diese Kombination kann kein Kurzbefehl sein: bitte eine andere Taste wählen.</translation>
    </message>
    <message>
        <source>%1 is taken by another program: choose another combination.</source>
        <extracomment>%1 is a key combination, such as Ctrl+Space</extracomment>
        <translation>%1 ist von einem anderen Programm belegt: bitte eine andere Kombination wählen.</translation>
    </message>
    <message>
        <source>%1 cannot be a shortcut here: choose another key.</source>
        <extracomment>%1 is a key combination, such as Ctrl+Space</extracomment>
        <translation>%1 kann hier kein Kurzbefehl sein: bitte eine andere Taste wählen.</translation>
    </message>
    <message>
        <source>No keys can be bound on this display.</source>
        <translation>Auf dieser Anzeige können keine Tasten belegt werden.</translation>
    </message>
    <message>
        <source>%1 shows or hides the panel from any program.</source>
        <extracomment>%1 is a key combination, such as Ctrl+Space</extracomment>
        <translation>%1 zeigt oder verbirgt das Fenster aus jedem Programm heraus.</translation>
    </message>
    <message>
        <source>The desktop bound the shortcut to %1. Change it in the desktop’s keyboard settings.</source>
        <extracomment>%1 is the key combination as the desktop names it</extracomment>
        <translation>Die Arbeitsumgebung hat den Kurzbefehl auf %1 gelegt. Ändern lässt er sich in ihren Tastatureinstellungen.</translation>
    </message>
    <message>
        <source>Asking the desktop to bind %1…</source>
        <extracomment>%1 is a key combination, such as Ctrl+Space</extracomment>
        <translation>Die Arbeitsumgebung wird gebeten, %1 zu belegen …</translation>
    </message>
    <message>
        <source>The desktop did not bind the shortcut.</source>
        <translation>Die Arbeitsumgebung hat den Kurzbefehl nicht belegt.</translation>
    </message>
    <message>
        <source>In GNOME’s keyboard shortcuts, %1 runs “redizado toggle” (Settings ▸ Keyboard ▸ Custom Shortcuts).</source>
        <extracomment>%1 is the key combination as the desktop names it</extracomment>
        <translation>In den Tastenkombinationen von GNOME führt %1 »redizado toggle« aus (Einstellungen ▸ Tastatur ▸ Eigene Tastenkombinationen).</translation>
    </message>
    <message>
        <source>GNOME’s keyboard settings cannot be reached.</source>
        <translation>Die Tastatureinstellungen von GNOME sind nicht erreichbar.</translation>
    </message>
</context>
<context>
    <name>ShortcutNote</name>
    <message>
        <source>Line for the compositor’s configuration</source>
        <translation>Zeile für die Konfiguration des Compositors</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>not ready</source>
        <translation>nicht bereit</translation>
    </message>
</context>
<context>
    <name>SniStatusItem</name>
    <message numerus="yes">
        <source>%1: %n to do</source>
        <extracomment>%1 is the program&apos;s name, or its name and how the last sync went; %n is the number of items to do</extracomment>
        <translation>
            <numerusform>%1: %n offen</numerusform>
            <numerusform>%1: %n offen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncCommands</name>
    <message numerus="yes">
        <source>%n added here</source>
        <translation>
            <numerusform>%n hier hinzugefügt</numerusform>
            <numerusform>%n hier hinzugefügt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed here</source>
        <translation>
            <numerusform>%n hier geändert</numerusform>
            <numerusform>%n hier geändert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed here</source>
        <translation>
            <numerusform>%n hier entfernt</numerusform>
            <numerusform>%n hier entfernt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n added on the server</source>
        <translation>
            <numerusform>%n auf dem Server hinzugefügt</numerusform>
            <numerusform>%n auf dem Server hinzugefügt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed on the server</source>
        <translation>
            <numerusform>%n auf dem Server geändert</numerusform>
            <numerusform>%n auf dem Server geändert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed on the server</source>
        <translation>
            <numerusform>%n auf dem Server entfernt</numerusform>
            <numerusform>%n auf dem Server entfernt</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing to do</source>
        <translation>Nichts zu tun</translation>
    </message>
    <message>
        <source>sync is not available in the running copy</source>
        <translation>in der laufenden Instanz ist kein Abgleich verfügbar</translation>
    </message>
    <message numerus="yes">
        <source>the server turned down %n item(s), which stay here and are tried again at the next sync; the first: %1</source>
        <extracomment>%1 is the first item turned down and the server&apos;s words about it</extracomment>
        <translation>
            <numerusform>der Server hat %n Eintrag abgelehnt; er bleibt hier und wird beim nächsten Abgleich erneut versucht: %1</numerusform>
            <numerusform>der Server hat %n Einträge abgelehnt; sie bleiben hier und werden beim nächsten Abgleich erneut versucht; der erste: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>some of the server&apos;s answers could not be read and were left alone%1</source>
        <extracomment>%1 is empty or the reason in brackets, as in &quot; (HTTP 500)&quot;</extracomment>
        <translation>einige Antworten des Servers konnten nicht gelesen werden und wurden übergangen%1</translation>
    </message>
    <message>
        <source>the server turned down the user name or password%1; set them again with: %2</source>
        <extracomment>%1 is empty or the reason in brackets; %2 is the command that sets them</extracomment>
        <translation>der Server hat Benutzername oder Passwort abgelehnt%1; neu setzen mit: %2</translation>
    </message>
    <message>
        <source>the server could not be reached or was busy%1; try again later</source>
        <extracomment>%1 is empty or the reason in brackets</extracomment>
        <translation>der Server war nicht erreichbar oder ausgelastet%1; bitte später erneut versuchen</translation>
    </message>
    <message>
        <source>the server refused the sync%1</source>
        <extracomment>%1 is empty or the reason in brackets</extracomment>
        <translation>der Server hat den Abgleich verweigert%1</translation>
    </message>
    <message>
        <source>sync is off; turn it on with: %1</source>
        <extracomment>%1 is the command that turns it on</extracomment>
        <translation>der Abgleich ist aus; einschalten mit: %1</translation>
    </message>
    <message>
        <source>Sync is off; the items stay as they are</source>
        <translation>Abgleich ist aus; die Einträge bleiben, wie sie sind</translation>
    </message>
    <message>
        <source>sync could not be turned off</source>
        <translation>der Abgleich konnte nicht ausgeschaltet werden</translation>
    </message>
    <message>
        <source>no keyring (Secret Service) answers on this desktop to keep the password; sync stays off</source>
        <translation>kein Schlüsselbund (Secret Service) in dieser Arbeitsumgebung antwortet, um das Passwort aufzubewahren; der Abgleich bleibt aus</translation>
    </message>
    <message>
        <source>the account was not taken</source>
        <translation>das Konto wurde nicht übernommen</translation>
    </message>
    <message>
        <source>Syncing with %1 as %2</source>
        <extracomment>%1 is the server&apos;s address, %2 the user name</extracomment>
        <translation>Abgleich mit %1 als %2</translation>
    </message>
</context>
<context>
    <name>SyncRun</name>
    <message>
        <source>the tasks kept changing on the server</source>
        <translation>die Aufgaben auf dem Server änderten sich ständig</translation>
    </message>
    <message numerus="yes">
        <source>%n task(s) on the server could not be read; their items were left as they were</source>
        <translation>
            <numerusform>%n Aufgabe auf dem Server konnte nicht gelesen werden; ihr Eintrag blieb, wie er war</numerusform>
            <numerusform>%n Aufgaben auf dem Server konnten nicht gelesen werden; ihre Einträge blieben, wie sie waren</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncService</name>
    <message>
        <source>%1 is not a web address</source>
        <translation>%1 ist keine Internetadresse</translation>
    </message>
    <message>
        <source>Leave the password out of the address: type it in the password field</source>
        <translation>Das Passwort gehört nicht in die Adresse, sondern ins Passwortfeld</translation>
    </message>
    <message>
        <source>Plain HTTP would send the password to %1 in clear: use an https:// address</source>
        <extracomment>%1 is the server&apos;s host name</extracomment>
        <translation>Unverschlüsseltes HTTP würde das Passwort im Klartext an %1 senden: bitte eine https://-Adresse verwenden</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>%1 is the user name, %2 the server&apos;s host name</extracomment>
        <translation>%1 auf %2</translation>
    </message>
    <message>
        <source>Wrong user name or password for %1</source>
        <extracomment>%1 is the user at the server</extracomment>
        <translation>Falscher Benutzername oder falsches Passwort für %1</translation>
    </message>
    <message>
        <source>Cannot reach %1: %2</source>
        <extracomment>%1 is the server&apos;s host name, %2 what went wrong</extracomment>
        <translation>%1 ist nicht erreichbar: %2</translation>
    </message>
    <message>
        <source>%1 does not answer as a calendar server: %2</source>
        <extracomment>%1 is the server&apos;s host name, %2 what went wrong</extracomment>
        <translation>%1 antwortet nicht wie ein Kalenderserver: %2</translation>
    </message>
    <message>
        <source>%1 refused: %2</source>
        <extracomment>%1 is the server&apos;s host name, %2 what it said</extracomment>
        <translation>%1 hat abgelehnt: %2</translation>
    </message>
    <message>
        <source>No keyring on this desktop: sync is off</source>
        <translation>Kein Schlüsselbund in dieser Arbeitsumgebung: Abgleich ist aus</translation>
    </message>
    <message>
        <source>Sync is off</source>
        <translation>Abgleich ist aus</translation>
    </message>
    <message>
        <source>The keyring would not keep the password: %1</source>
        <extracomment>%1 is the keyring&apos;s reason</extracomment>
        <translation>Der Schlüsselbund hat das Passwort nicht aufbewahrt: %1</translation>
    </message>
    <message>
        <source>The sync account changed</source>
        <translation>Das Konto für den Abgleich hat sich geändert</translation>
    </message>
    <message>
        <source>Sync is on with %1</source>
        <extracomment>%1 is the user at the server</extracomment>
        <translation>Abgleich ist an mit %1</translation>
    </message>
    <message>
        <source>Sync was turned off</source>
        <translation>Abgleich wurde ausgeschaltet</translation>
    </message>
    <message>
        <source>Sync is off; no keyring answered to forget the password</source>
        <translation>Abgleich ist aus; kein Schlüsselbund hat geantwortet, um das Passwort zu vergessen</translation>
    </message>
    <message>
        <source>Sync is off, but the keyring would not forget the password: %1</source>
        <extracomment>%1 is the keyring&apos;s reason</extracomment>
        <translation>Abgleich ist aus, aber der Schlüsselbund hat das Passwort nicht vergessen: %1</translation>
    </message>
    <message>
        <source>no password kept</source>
        <translation>kein Passwort gespeichert</translation>
    </message>
    <message>
        <source>Syncing…</source>
        <translation>Wird abgeglichen …</translation>
    </message>
    <message>
        <source>; trying again at %1</source>
        <extracomment>Follows a status; %1 is a time</extracomment>
        <translation>; nächster Versuch: %1</translation>
    </message>
    <message>
        <source>No password kept for %1: enter the account again</source>
        <extracomment>%1 is the user at the server</extracomment>
        <translation>Kein Passwort für %1 gespeichert: bitte das Konto erneut eingeben</translation>
    </message>
    <message>
        <source>The keyring did not give the password for %1%2</source>
        <extracomment>%1 is the user at the server; %2 is empty or &quot;; trying again at&quot; a time</extracomment>
        <translation>Der Schlüsselbund hat das Passwort für %1 nicht herausgegeben%2</translation>
    </message>
    <message>
        <source>Off line: syncing with %1 when back on line</source>
        <extracomment>%1 is the server&apos;s host name</extracomment>
        <translation>Offline: Abgleich mit %1, sobald wieder online</translation>
    </message>
    <message>
        <source>Synced at %1</source>
        <translation>Abgeglichen: %1</translation>
    </message>
    <message numerus="yes">
        <source>; the server turned down %n item(s), first %1</source>
        <extracomment>Follows a status; %1 is the first item turned down and the server&apos;s words about it</extracomment>
        <translation>
            <numerusform>; der Server hat %n Eintrag abgelehnt: %1</numerusform>
            <numerusform>; der Server hat %n Einträge abgelehnt, der erste: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Synced at %1%2</source>
        <extracomment>%1 is a time; %2 is empty or &quot;; the server turned down&quot; some items</extracomment>
        <translation>Abgeglichen: %1%2</translation>
    </message>
    <message>
        <source> (will retry at %1)</source>
        <extracomment>Follows a failure; %1 is a time</extracomment>
        <translation> (nächster Versuch: %1)</translation>
    </message>
    <message>
        <source>wrong user name or password for %1</source>
        <translation>falscher Benutzername oder falsches Passwort für %1</translation>
    </message>
    <message>
        <source>cannot reach %1%2</source>
        <extracomment>%1 is the server&apos;s host name; %2 is &quot; (will retry)&quot; or &quot; (will retry at&quot; a time &quot;)&quot;</extracomment>
        <translation>%1 nicht erreichbar%2</translation>
    </message>
    <message>
        <source> (will retry)</source>
        <translation> (wird erneut versucht)</translation>
    </message>
    <message>
        <source>some tasks on %1 could not be read%2</source>
        <extracomment>%1 is the server&apos;s host name; %2 is empty or &quot; (will retry at&quot; a time &quot;)&quot;</extracomment>
        <translation>einige Aufgaben auf %1 konnten nicht gelesen werden%2</translation>
    </message>
    <message>
        <source>%1 refused the sync</source>
        <extracomment>%1 is the server&apos;s host name</extracomment>
        <translation>%1 hat den Abgleich verweigert</translation>
    </message>
    <message>
        <source>%1 refused the sync: %2</source>
        <extracomment>%1 is the server&apos;s host name, %2 what it said</extracomment>
        <translation>%1 hat den Abgleich verweigert: %2</translation>
    </message>
    <message>
        <source>Last good sync %1.</source>
        <translation>Letzter erfolgreicher Abgleich: %1.</translation>
    </message>
    <message>
        <source>No sync has gone well yet.</source>
        <translation>Bisher ist kein Abgleich gelungen.</translation>
    </message>
    <message>
        <source>Last sync%1 failed: %2%3. %4</source>
        <extracomment>%1 is empty or a space and the time; %2 is why; %3 is empty or &quot;; the server turned down&quot; some items; %4 says when the last good sync was</extracomment>
        <translation>Letzter Abgleich%1 fehlgeschlagen: %2%3. %4</translation>
    </message>
</context>
<context>
    <name>SyncSettings</name>
    <message>
        <source>Checking the account with the server…</source>
        <translation>Das Konto wird beim Server geprüft …</translation>
    </message>
    <message>
        <source>Sync without encryption?</source>
        <translation>Ohne Verschlüsselung abgleichen?</translation>
    </message>
    <message>
        <source>The address %1 starts with http://, not https://.</source>
        <translation>Die Adresse %1 beginnt mit http://, nicht mit https://.</translation>
    </message>
    <message>
        <source>Your password and your items would travel unencrypted to %1: anyone on the way could read them. Sync over plain HTTP anyway?</source>
        <translation>Passwort und Einträge gingen unverschlüsselt an %1: Jeder auf dem Weg dorthin könnte sie mitlesen. Trotzdem über unverschlüsseltes HTTP abgleichen?</translation>
    </message>
    <message>
        <source>Use Plain HTTP</source>
        <translation>Unverschlüsseltes HTTP verwenden</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Ausschalten</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Einschalten</translation>
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
            <numerusform>%1 — %n offen</numerusform>
            <numerusform>%1 — %n offen</numerusform>
        </translation>
    </message>
</context>
</TS>
