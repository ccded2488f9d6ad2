<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AboutMessage</name>
    <message>
        <source>Redizado %1

© %2 The Redizado developers</source>
        <extracomment>%1 is the version, such as 1.2.0; %2 is the year of the copyright</extracomment>
        <translation>Redizado %1

© %2 Twórcy programu Redizado</translation>
    </message>
    <message>
        <source>About Redizado</source>
        <translation>O programie Redizado</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>CalDavClient</name>
    <message>
        <source>%1: not a WebDAV answer</source>
        <extracomment>%1 is the address that answered</extracomment>
        <translation>%1: to nie jest odpowiedź WebDAV</translation>
    </message>
</context>
<context>
    <name>CalDavDiscovery</name>
    <message>
        <source>%1: not a WebDAV answer</source>
        <translation>%1: to nie jest odpowiedź WebDAV</translation>
    </message>
    <message>
        <source>%1: the server names no calendars</source>
        <translation>%1: serwer nie podaje żadnych kalendarzy</translation>
    </message>
</context>
<context>
    <name>CommandHere</name>
    <message>
        <source>%1; nothing was changed</source>
        <extracomment>%1 is why the store could not be read</extracomment>
        <translation>%1; niczego nie zmieniono</translation>
    </message>
    <message>
        <source>another copy holds %1 but does not answer</source>
        <extracomment>%1 is the lock file&apos;s path</extracomment>
        <translation>inna kopia programu blokuje %1, ale nie odpowiada</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>the password is read from standard input, never from the command line</source>
        <translation>hasło jest czytane ze standardowego wejścia, nigdy z wiersza poleceń</translation>
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
        <translation>Lista zadań w zasobniku systemowym.

Polecenia:
  (brak)          uruchamia program w zasobniku albo pokazuje panel już
                  działającego
  toggle          pokazuje lub ukrywa panel, tak jak skrót globalny
  add TITLE...    dodaje zadanie; słowa są łączone spacjami
  list [--all]    wypisuje zadania do zrobienia (lub wszystkie, z [x] lub [ ]),
                  od najnowszych
  count           wypisuje liczbę zadań do zrobienia
  sync            synchronizuje teraz z serwerem kalendarza i wypisuje zmiany
  sync --status   wypisuje, jak przebiegła ostatnia synchronizacja
  sync --account URL USER [--allow-plain-http]
                  od teraz synchronizuje z kalendarzem pod adresem URL jako
                  użytkownik USER; hasło jest czytane ze standardowego wejścia
  sync --off      zapomina konto i jego hasło; zadania pozostają

Kod wyjścia: 0 gotowe, 1 błąd, 2 błędne argumenty; dla sync także 3 błędne
hasło, 4 spróbuj później, 5 odmowa lub synchronizacja wyłączona.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address, as in https://example.org/dav/</source>
        <translation>„%1” nie jest adresem internetowym (przykład: https://example.org/dav/)</translation>
    </message>
    <message>
        <source>not a command: %1</source>
        <extracomment>%1 is the words received</extracomment>
        <translation>to nie jest polecenie: %1</translation>
    </message>
    <message>
        <source>argument %1 is not valid UTF-8</source>
        <extracomment>%1 is the argument&apos;s place on the command line, counted from 0 for the program&apos;s name</extracomment>
        <translation>argument %1 nie jest poprawnym tekstem UTF-8</translation>
    </message>
    <message>
        <source>With list: every item, checked ones too.</source>
        <translation>Z list: wszystkie zadania, także zaznaczone.</translation>
    </message>
    <message>
        <source>Show the list in a popover rather than the panel.</source>
        <translation>Pokazuje listę w wyskakującym okienku zamiast w panelu.</translation>
    </message>
    <message>
        <source>With sync: how the last sync went.</source>
        <translation>Z sync: jak przebiegła ostatnia synchronizacja.</translation>
    </message>
    <message>
        <source>With sync: forget the account and its password.</source>
        <translation>Z sync: zapomina konto i jego hasło.</translation>
    </message>
    <message>
        <source>With sync: sync as USER with the calendar server at URL.</source>
        <translation>Z sync: synchronizuje jako USER z serwerem kalendarza pod adresem URL.</translation>
    </message>
    <message>
        <source>With sync --account: an unencrypted http:// address to another machine.</source>
        <translation>Z sync --account: zezwala na nieszyfrowany adres http:// innego komputera.</translation>
    </message>
    <message>
        <source>Say what the program does, not only its problems.</source>
        <translation>Wypisuje, co program robi, a nie tylko problemy.</translation>
    </message>
    <message>
        <source>toggle, add, list, count or sync.</source>
        <translation>toggle, add, list, count lub sync.</translation>
    </message>
    <message>
        <source>With add: the item&apos;s title; with sync --account: URL USER.</source>
        <translation>Z add: tytuł zadania; z sync --account: URL USER.</translation>
    </message>
    <message>
        <source>Usage: %1 [options] [command] [title...]</source>
        <extracomment>%1 is the command&apos;s name; the words in brackets are those of the Arguments below</extracomment>
        <translation>Sposób użycia: %1 [opcje] [command] [title...]</translation>
    </message>
    <message>
        <source>%1 (a title that starts with &apos;-&apos; goes after --)</source>
        <extracomment>%1 is the parser&apos;s own message, as in: Unknown option &apos;x&apos;.</extracomment>
        <translation>%1 (tytuł zaczynający się od „-” należy podać po --)</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;; the commands are toggle, add, list, count and sync</source>
        <translation>nieznane polecenie „%1”; dostępne polecenia: toggle, add, list, count i sync</translation>
    </message>
    <message>
        <source>--all goes with list only</source>
        <translation>--all działa tylko z list</translation>
    </message>
    <message>
        <source>--%1 goes with sync only</source>
        <translation>--%1 działa tylko z sync</translation>
    </message>
    <message>
        <source>sync takes one of --status, --off and --account</source>
        <translation>sync przyjmuje jedną z opcji: --status, --off lub --account</translation>
    </message>
    <message>
        <source>--allow-plain-http goes with sync --account only</source>
        <translation>--allow-plain-http działa tylko z sync --account</translation>
    </message>
    <message>
        <source>sync --account needs the server&apos;s address and a user name, as in: redizado sync --account https://example.org/dav/ alice</source>
        <translation>sync --account wymaga adresu serwera i nazwy użytkownika, np.: redizado sync --account https://example.org/dav/ alice</translation>
    </message>
    <message>
        <source>add needs a title, as in: redizado add buy milk</source>
        <translation>add wymaga tytułu, np.: redizado add kupić mleko</translation>
    </message>
    <message>
        <source>%1 takes no further words (got &quot;%2&quot;)</source>
        <extracomment>%1 is a command word, %2 the words after it</extracomment>
        <translation>%1 nie przyjmuje dalszych słów (otrzymano „%2”)</translation>
    </message>
</context>
<context>
    <name>CommandMain</name>
    <message>
        <source>the program&apos;s own library cannot be loaded:%1</source>
        <extracomment>%1 is the loader&apos;s reasons, one indented line each</extracomment>
        <translation>nie można wczytać biblioteki programu:%1</translation>
    </message>
    <message>
        <source>Password for %1 at %2: </source>
        <extracomment>%1 is the user name, %2 the server</extracomment>
        <translation>Hasło dla %1 na %2: </translation>
    </message>
    <message numerus="yes">
        <source>the running copy did not finish within %n minute(s); it may still be syncing (see redizado sync --status)</source>
        <translation>
            <numerusform>działająca kopia programu nie skończyła w ciągu %n minuty; być może nadal synchronizuje (zob. redizado sync --status)</numerusform>
            <numerusform>działająca kopia programu nie skończyła w ciągu %n minut; być może nadal synchronizuje (zob. redizado sync --status)</numerusform>
            <numerusform>działająca kopia programu nie skończyła w ciągu %n minut; być może nadal synchronizuje (zob. redizado sync --status)</numerusform>
        </translation>
    </message>
    <message>
        <source>another copy holds %1 but does not answer</source>
        <extracomment>%1 is the lock file&apos;s path</extracomment>
        <translation>inna kopia programu blokuje %1, ale nie odpowiada</translation>
    </message>
</context>
<context>
    <name>DavTransport</name>
    <message>
        <source>%1: the secure connection failed</source>
        <extracomment>%1 is the request, as in &quot;PROPFIND https://example.org/dav/&quot;</extracomment>
        <translation>%1: nie udało się nawiązać bezpiecznego połączenia</translation>
    </message>
    <message>
        <source>%1: no answer (network error %2)</source>
        <extracomment>%1 is the request, as in &quot;PROPFIND https://example.org/dav/&quot;; %2 is Qt&apos;s number for the network error</extracomment>
        <translation>%1: brak odpowiedzi (błąd sieci %2)</translation>
    </message>
    <message>
        <source>not a web address</source>
        <translation>to nie jest adres internetowy</translation>
    </message>
    <message>
        <source>plain HTTP would send the password in clear; HTTPS is needed</source>
        <translation>zwykły HTTP wysłałby hasło otwartym tekstem; potrzebny jest HTTPS</translation>
    </message>
    <message>
        <source>not the account&apos;s server %1</source>
        <extracomment>%1 is the account&apos;s server address</extracomment>
        <translation>to nie jest serwer konta %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is an address, %2 why it is not asked</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: too many redirects</source>
        <translation>%1: zbyt wiele przekierowań</translation>
    </message>
</context>
<context>
    <name>ItemCommands</name>
    <message>
        <source>add needs a title</source>
        <translation>add wymaga tytułu</translation>
    </message>
    <message>
        <source>the item was added but could not be saved; see the log for why</source>
        <translation>zadanie dodano, ale nie można go zapisać; przyczyna jest w dzienniku</translation>
    </message>
    <message>
        <source>not an item command</source>
        <translation>to nie jest polecenie dotyczące zadań</translation>
    </message>
</context>
<context>
    <name>JLPopoverViewController</name>
    <message>
        <source>Welcome</source>
        <translation>Witamy</translation>
    </message>
</context>
<context>
    <name>JLRedizadoTableViewCell</name>
    <message>
        <source>Done</source>
        <translation>Zrobione</translation>
    </message>
    <message>
        <source>Check or uncheck (Space on the list)</source>
        <translation>Zaznacz lub odznacz (Spacja na liście)</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Tytuł</translation>
    </message>
    <message>
        <source>Remove (Delete on the list)</source>
        <translation>Usuń (Delete na liście)</translation>
    </message>
    <message>
        <source>Remove untitled item</source>
        <translation>Usuń zadanie bez tytułu</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <extracomment>%1 is the item&apos;s title, quoted</extracomment>
        <translation>Usuń %1</translation>
    </message>
    <message>
        <source>Title of untitled item</source>
        <translation>Tytuł zadania bez tytułu</translation>
    </message>
    <message>
        <source>Title of %1</source>
        <extracomment>%1 is the item&apos;s title, quoted</extracomment>
        <translation>Tytuł zadania %1</translation>
    </message>
    <message>
        <source>“%1”</source>
        <extracomment>An item&apos;s title in the quotation marks of the language; said in &quot;Remove %1&quot; and &quot;Title of %1&quot;</extracomment>
        <translation>„%1”</translation>
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
            <numerusform>%1, %n zadanie</numerusform>
            <numerusform>%1, %n zadania</numerusform>
            <numerusform>%1, %n zadań</numerusform>
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
        <translation>Shift</translation>
    </message>
    <message>
        <source>No modifier</source>
        <translation>Bez modyfikatora</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Spacja</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation>Caps Lock</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Strzałka w lewo</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Strzałka w prawo</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Strzałka w dół</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Strzałka w górę</translation>
    </message>
    <message>
        <source>Escape</source>
        <translation>Escape</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Modifier</source>
        <translation>Modyfikator</translation>
    </message>
    <message>
        <source>Second modifier</source>
        <translation>Drugi modyfikator</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Klawisz</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
</context>
<context>
    <name>JLStatusItemController</name>
    <message>
        <source>Show or Hide Redizado</source>
        <translation>Pokaż lub ukryj Redizado</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Opcje…</translation>
    </message>
    <message>
        <source>About Redizado</source>
        <translation>O programie Redizado</translation>
    </message>
    <message>
        <source>Quit Redizado</source>
        <translation>Zakończ Redizado</translation>
    </message>
</context>
<context>
    <name>ListCore</name>
    <message>
        <source>Settings</source>
        <translation>Opcje</translation>
    </message>
    <message numerus="yes">
        <source>Redizado, %n to do</source>
        <translation>
            <numerusform>Redizado, %n zadanie do zrobienia</numerusform>
            <numerusform>Redizado, %n zadania do zrobienia</numerusform>
            <numerusform>Redizado, %n zadań do zrobienia</numerusform>
        </translation>
    </message>
    <message>
        <source>Added: %1</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation>Dodano: %1</translation>
    </message>
    <message>
        <source>Checked: %1</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation>Zaznaczono: %1</translation>
    </message>
    <message>
        <source>Removed: %1</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation>Usunięto: %1</translation>
    </message>
</context>
<context>
    <name>ListModes</name>
    <message>
        <source>Edit</source>
        <translation>Edytuj</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Finish editing</source>
        <translation>Zakończ edycję</translation>
    </message>
</context>
<context>
    <name>LoadedSync</name>
    <message>
        <source>Sync is not available: %1</source>
        <extracomment>%1 is the loader&apos;s reason</extracomment>
        <translation>Synchronizacja jest niedostępna: %1</translation>
    </message>
    <message>
        <source>Sync is off</source>
        <translation>Synchronizacja wyłączona</translation>
    </message>
</context>
<context>
    <name>PanelKeys</name>
    <message>
        <source>Return adds the item, Down goes to the list, Esc closes the panel</source>
        <translation>Enter dodaje zadanie, strzałka w dół przechodzi do listy, Esc zamyka panel</translation>
    </message>
    <message>
        <source>%1 To Do, %2 All, %3 the other one</source>
        <translation>%1 Aktywne, %2 Wszystkie, %3 przełączenie</translation>
    </message>
    <message>
        <source>On the list: F2 renames, Delete removes</source>
        <translation>Na liście: F2 zmienia nazwę, Delete usuwa</translation>
    </message>
    <message>
        <source>Settings (%1)</source>
        <translation>Opcje (%1)</translation>
    </message>
    <message>
        <source>Arrows, Home, End and the page keys move; Space checks; F2 or Return renames; Delete removes; %1 undoes, %2 redoes</source>
        <translation>Strzałki, Home, End, Page Up i Page Down przesuwają; Spacja zaznacza; F2 lub Enter zmienia nazwę; Delete usuwa; %1 cofa, %2 ponawia</translation>
    </message>
    <message>
        <source>To-do items</source>
        <translation>Aktywne zadania</translation>
    </message>
    <message>
        <source>All items</source>
        <translation>Wszystkie zadania</translation>
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
        <translation>Klawisze:
Enter dodaje wpisane zadanie, strzałka w dół przechodzi do listy, Esc zamyka panel.
Strzałki w górę i w dół, Home, End, Page Up i Page Down poruszają po liście.
Spacja zaznacza lub odznacza, F2 lub Enter zmienia nazwę, Delete usuwa.
%1, %2 i %3: Aktywne, Wszystkie, przełączenie.
%4: opcje. %5 i %6: cofnij i ponów.</translation>
    </message>
    <message numerus="yes">
        <source>To-do items, %n</source>
        <translation>
            <numerusform>Aktywne, %n zadanie</numerusform>
            <numerusform>Aktywne, %n zadania</numerusform>
            <numerusform>Aktywne, %n zadań</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All items, %n</source>
        <translation>
            <numerusform>Wszystkie, %n zadanie</numerusform>
            <numerusform>Wszystkie, %n zadania</numerusform>
            <numerusform>Wszystkie, %n zadań</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PanelUndo</name>
    <message>
        <source>%1 brings it back</source>
        <translation>%1 cofa usunięcie</translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <extracomment>%1 is what the step did, such as &quot;Milk checked&quot;</extracomment>
        <translation>Ponowiono: %1</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <extracomment>%1 is what taking the step back did, such as &quot;Milk is back&quot;</extracomment>
        <translation>Cofnięto: %1</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>%1 is back</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation>przywrócono „%1”</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation>usunięto „%1”</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Zaznacz</translation>
    </message>
    <message>
        <source>Uncheck</source>
        <translation>Odznacz</translation>
    </message>
    <message>
        <source>%1 checked</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation>zaznaczono „%1”</translation>
    </message>
    <message>
        <source>%1 unchecked</source>
        <translation>odznaczono „%1”</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Zmień nazwę</translation>
    </message>
    <message>
        <source>renamed %1</source>
        <extracomment>%1 is the item&apos;s title after the change; said after &quot;Redone: &quot; or &quot;Undone: &quot;</extracomment>
        <translation>zmieniono nazwę na „%1”</translation>
    </message>
</context>
<context>
    <name>PasswordInput</name>
    <message>
        <source>the password could not be read from standard input: %1</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>nie można odczytać hasła ze standardowego wejścia: %1</translation>
    </message>
    <message>
        <source>the line on standard input is too long to be a password</source>
        <translation>wiersz na standardowym wejściu jest za długi jak na hasło</translation>
    </message>
    <message>
        <source>the password read from standard input is empty</source>
        <translation>hasło odczytane ze standardowego wejścia jest puste</translation>
    </message>
    <message>
        <source>the password read from standard input is not valid UTF-8</source>
        <translation>hasło odczytane ze standardowego wejścia nie jest poprawnym tekstem UTF-8</translation>
    </message>
</context>
<context>
    <name>PopoverPanel</name>
    <message>
        <source>What is there to do?</source>
        <translation>Co jest do zrobienia?</translation>
    </message>
    <message>
        <source>To Do</source>
        <translation>Aktywne</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Wszystkie</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Pokaż</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edytuj</translation>
    </message>
    <message>
        <source>Rename and remove items</source>
        <translation>Zmiana nazw i usuwanie zadań</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Zadania</translation>
    </message>
    <message>
        <source>Hide after entry</source>
        <translation>Ukrywanie po dodaniu</translation>
    </message>
    <message>
        <source>Close the list once an item is added</source>
        <translation>Zamykanie listy po dodaniu zadania</translation>
    </message>
</context>
<context>
    <name>PortalHotKeyService</name>
    <message>
        <source>Show or hide the Redizado panel</source>
        <translation>Pokaż lub ukryj panel Redizado</translation>
    </message>
</context>
<context>
    <name>ProgramMain</name>
    <message>
        <source>%1; nothing was changed</source>
        <translation>%1; niczego nie zmieniono</translation>
    </message>
    <message>
        <source>a copy of the program is starting; try again</source>
        <translation>kopia programu właśnie się uruchamia; spróbuj ponownie</translation>
    </message>
    <message>
        <source>the sync did not finish</source>
        <translation>synchronizacja nie została ukończona</translation>
    </message>
    <message>
        <source>Try &apos;redizado --help&apos;.</source>
        <translation>Więcej informacji: redizado --help</translation>
    </message>
</context>
<context>
    <name>RedizadoPanel</name>
    <message>
        <source>What is there to do?</source>
        <translation>Co jest do zrobienia?</translation>
    </message>
    <message>
        <source>To Do</source>
        <translation>Aktywne</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Wszystkie</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Pokaż</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edytuj</translation>
    </message>
    <message>
        <source>Rename and remove items</source>
        <translation>Zmiana nazw i usuwanie zadań</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Items</source>
        <translation>Zadania</translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation>Uruchamianie po zalogowaniu</translation>
    </message>
    <message>
        <source>Show the to-do count</source>
        <translation>Wyświetlanie liczby zadań</translation>
    </message>
    <message>
        <source>Alternate icon</source>
        <translation>Alternatywna ikona</translation>
    </message>
    <message>
        <source>Hide after entry</source>
        <translation>Ukrywanie po dodaniu</translation>
    </message>
    <message>
        <source>Close the panel once an item is added</source>
        <translation>Zamykanie panelu po dodaniu zadania</translation>
    </message>
    <message>
        <source>Global shortcut</source>
        <translation>Skrót globalny</translation>
    </message>
    <message>
        <source>Open the panel from anywhere with a key combination</source>
        <translation>Otwieranie panelu z dowolnego miejsca kombinacją klawiszy</translation>
    </message>
    <message>
        <source>Modifier:</source>
        <translation>Modyfikator:</translation>
    </message>
    <message>
        <source>Modifier</source>
        <translation>Modyfikator</translation>
    </message>
    <message>
        <source>Second modifier:</source>
        <translation>Drugi modyfikator:</translation>
    </message>
    <message>
        <source>Second modifier</source>
        <translation>Drugi modyfikator</translation>
    </message>
    <message>
        <source>Key:</source>
        <translation>Klawisz:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Klawisz</translation>
    </message>
    <message>
        <source>Sync:</source>
        <translation>CalDAV:</translation>
    </message>
    <message>
        <source>The items kept in step with a calendar server (CalDAV)</source>
        <translation>Zadania synchronizowane z serwerem kalendarza (CalDAV)</translation>
    </message>
    <message>
        <source>Sync is off</source>
        <translation>Synchronizacja wyłączona</translation>
    </message>
    <message>
        <source>No keyring (Secret Service) on this desktop: sync stays off</source>
        <translation>Brak bazy kluczy (Secret Service) w tym środowisku: synchronizacja pozostaje wyłączona</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>Adres:</translation>
    </message>
    <message>
        <source>Server address</source>
        <translation>Adres serwera</translation>
    </message>
    <message>
        <source>The server&apos;s address or a calendar&apos;s</source>
        <translation>Adres serwera lub kalendarza</translation>
    </message>
    <message>
        <source>User:</source>
        <translation>Użytkownik:</translation>
    </message>
    <message>
        <source>User name</source>
        <translation>Nazwa użytkownika</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Hasło:</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s keyring; Return turns sync on</source>
        <translation>Przechowywane w bazie kluczy środowiska; Enter włącza synchronizację</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Włącz</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Synchronizuj</translation>
    </message>
    <message>
        <source>About Redizado</source>
        <translation>O programie Redizado</translation>
    </message>
</context>
<context>
    <name>RowAccessible</name>
    <message numerus="yes">
        <source>%1 of %n</source>
        <extracomment>A row&apos;s place in the list, as in &quot;2 of 3&quot;; %n is the number of rows</extracomment>
        <translation>
            <numerusform>%1 z %n</numerusform>
            <numerusform>%1 z %n</numerusform>
            <numerusform>%1 z %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Untitled item</source>
        <translation>Zadanie bez tytułu</translation>
    </message>
</context>
<context>
    <name>SaveProblemNotice</name>
    <message>
        <source>Redizado cannot save</source>
        <translation>Redizado nie może zapisać zmian</translation>
    </message>
    <message>
        <source>The folder of %1 is read-only. Your items are kept while Redizado runs, but not saved.</source>
        <extracomment>%1 is the preferences file&apos;s path</extracomment>
        <translation>Katalog pliku %1 jest tylko do odczytu. Zadania pozostaną dostępne, dopóki Redizado działa, ale nie zostaną zapisane.</translation>
    </message>
    <message>
        <source>Your items could not be saved to %1 (%2). They are kept while Redizado runs, and saving is tried again at each change.</source>
        <extracomment>%1 is the preferences file&apos;s path, %2 the system&apos;s reason</extracomment>
        <translation>Nie można zapisać zadań w %1 (%2). Pozostaną dostępne, dopóki Redizado działa, a zapis będzie ponawiany przy każdej zmianie.</translation>
    </message>
</context>
<context>
    <name>ShortcutAdvice</name>
    <message>
        <source>Bind “redizado toggle” to a combination in the desktop’s keyboard settings.</source>
        <translation>Przypisz polecenie „redizado toggle” do kombinacji klawiszy w ustawieniach klawiatury środowiska.</translation>
    </message>
    <message>
        <source>This desktop lets no program bind keys.</source>
        <translation>To środowisko nie pozwala programom przypisywać klawiszy.</translation>
    </message>
    <message>
        <source>No program can bind keys here. Add this line to %1:</source>
        <extracomment>%1 is the compositor&apos;s configuration file, such as ~/.config/sway/config</extracomment>
        <translation>Żaden program nie może tu przypisać klawiszy. Dodaj ten wiersz do pliku %1:</translation>
    </message>
    <message>
        <source>Switched on, the shortcut is added to GNOME’s keyboard shortcuts.</source>
        <translation>Po włączeniu skrót zostanie dodany do skrótów klawiszowych GNOME.</translation>
    </message>
    <message>
        <source>This combination cannot be a shortcut: choose another key.</source>
        <translation>Ta kombinacja nie może być skrótem: wybierz inny klawisz.</translation>
    </message>
    <message>
        <source>%1 is taken by another program: choose another combination.</source>
        <extracomment>%1 is a key combination, such as Ctrl+Space</extracomment>
        <translation>Skrót %1 jest zajęty przez inny program: wybierz inną kombinację.</translation>
    </message>
    <message>
        <source>%1 cannot be a shortcut here: choose another key.</source>
        <extracomment>%1 is a key combination, such as Ctrl+Space</extracomment>
        <translation>Kombinacja %1 nie może tu być skrótem: wybierz inny klawisz.</translation>
    </message>
    <message>
        <source>No keys can be bound on this display.</source>
        <translation>W tej sesji graficznej nie można przypisywać klawiszy.</translation>
    </message>
    <message>
        <source>%1 shows or hides the panel from any program.</source>
        <extracomment>%1 is a key combination, such as Ctrl+Space</extracomment>
        <translation>%1 pokazuje lub ukrywa panel w dowolnym programie.</translation>
    </message>
    <message>
        <source>The desktop bound the shortcut to %1. Change it in the desktop’s keyboard settings.</source>
        <extracomment>%1 is the key combination as the desktop names it</extracomment>
        <translation>Środowisko przypisało skrót do %1. Można go zmienić w ustawieniach klawiatury środowiska.</translation>
    </message>
    <message>
        <source>Asking the desktop to bind %1…</source>
        <extracomment>%1 is a key combination, such as Ctrl+Space</extracomment>
        <translation>Prośba do środowiska o przypisanie %1…</translation>
    </message>
    <message>
        <source>The desktop did not bind the shortcut.</source>
        <translation>Środowisko nie przypisało skrótu.</translation>
    </message>
    <message>
        <source>In GNOME’s keyboard shortcuts, %1 runs “redizado toggle” (Settings ▸ Keyboard ▸ Custom Shortcuts).</source>
        <extracomment>%1 is the key combination as the desktop names it</extracomment>
        <translation>W skrótach klawiszowych GNOME %1 uruchamia „redizado toggle” (Ustawienia ▸ Klawiatura ▸ Własne skróty).</translation>
    </message>
    <message>
        <source>GNOME’s keyboard settings cannot be reached.</source>
        <translation>Brak dostępu do ustawień klawiatury GNOME.</translation>
    </message>
</context>
<context>
    <name>ShortcutNote</name>
    <message>
        <source>Line for the compositor’s configuration</source>
        <translation>Wiersz do konfiguracji kompozytora</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Skopiuj</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>not ready</source>
        <translation>program nie jest jeszcze gotowy</translation>
    </message>
</context>
<context>
    <name>SniStatusItem</name>
    <message numerus="yes">
        <source>%1: %n to do</source>
        <extracomment>%1 is the program&apos;s name, or its name and how the last sync went; %n is the number of items to do</extracomment>
        <translation>
            <numerusform>%1: %n zadanie do zrobienia</numerusform>
            <numerusform>%1: %n zadania do zrobienia</numerusform>
            <numerusform>%1: %n zadań do zrobienia</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncCommands</name>
    <message numerus="yes">
        <source>%n added here</source>
        <translation>
            <numerusform>%n zadanie dodane lokalnie</numerusform>
            <numerusform>%n zadania dodane lokalnie</numerusform>
            <numerusform>%n zadań dodanych lokalnie</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed here</source>
        <translation>
            <numerusform>%n zadanie zmienione lokalnie</numerusform>
            <numerusform>%n zadania zmienione lokalnie</numerusform>
            <numerusform>%n zadań zmienionych lokalnie</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed here</source>
        <translation>
            <numerusform>%n zadanie usunięte lokalnie</numerusform>
            <numerusform>%n zadania usunięte lokalnie</numerusform>
            <numerusform>%n zadań usuniętych lokalnie</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n added on the server</source>
        <translation>
            <numerusform>%n zadanie dodane na serwerze</numerusform>
            <numerusform>%n zadania dodane na serwerze</numerusform>
            <numerusform>%n zadań dodanych na serwerze</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed on the server</source>
        <translation>
            <numerusform>%n zadanie zmienione na serwerze</numerusform>
            <numerusform>%n zadania zmienione na serwerze</numerusform>
            <numerusform>%n zadań zmienionych na serwerze</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed on the server</source>
        <translation>
            <numerusform>%n zadanie usunięte na serwerze</numerusform>
            <numerusform>%n zadania usunięte na serwerze</numerusform>
            <numerusform>%n zadań usuniętych na serwerze</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing to do</source>
        <translation>Brak zmian</translation>
    </message>
    <message>
        <source>sync is not available in the running copy</source>
        <translation>synchronizacja jest niedostępna w działającej kopii programu</translation>
    </message>
    <message numerus="yes">
        <source>the server turned down %n item(s), which stay here and are tried again at the next sync; the first: %1</source>
        <extracomment>%1 is the first item turned down and the server&apos;s words about it</extracomment>
        <translation>
            <numerusform>serwer odrzucił %n zadanie; pozostaje ono tutaj i zostanie wysłane ponownie przy następnej synchronizacji: %1</numerusform>
            <numerusform>serwer odrzucił %n zadania; pozostają one tutaj i zostaną wysłane ponownie przy następnej synchronizacji; pierwsze: %1</numerusform>
            <numerusform>serwer odrzucił %n zadań; pozostają one tutaj i zostaną wysłane ponownie przy następnej synchronizacji; pierwsze: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>some of the server&apos;s answers could not be read and were left alone%1</source>
        <extracomment>%1 is empty or the reason in brackets, as in &quot; (HTTP 500)&quot;</extracomment>
        <translation>części odpowiedzi serwera nie udało się odczytać i zostały pominięte%1</translation>
    </message>
    <message>
        <source>the server turned down the user name or password%1; set them again with: %2</source>
        <extracomment>%1 is empty or the reason in brackets; %2 is the command that sets them</extracomment>
        <translation>serwer odrzucił nazwę użytkownika lub hasło%1; ustaw je ponownie poleceniem: %2</translation>
    </message>
    <message>
        <source>the server could not be reached or was busy%1; try again later</source>
        <extracomment>%1 is empty or the reason in brackets</extracomment>
        <translation>brak połączenia z serwerem lub serwer był zajęty%1; spróbuj później</translation>
    </message>
    <message>
        <source>the server refused the sync%1</source>
        <extracomment>%1 is empty or the reason in brackets</extracomment>
        <translation>serwer odrzucił synchronizację%1</translation>
    </message>
    <message>
        <source>sync is off; turn it on with: %1</source>
        <extracomment>%1 is the command that turns it on</extracomment>
        <translation>synchronizacja jest wyłączona; włącz ją poleceniem: %1</translation>
    </message>
    <message>
        <source>Sync is off; the items stay as they are</source>
        <translation>Synchronizacja wyłączona; zadania pozostają bez zmian</translation>
    </message>
    <message>
        <source>sync could not be turned off</source>
        <translation>nie można wyłączyć synchronizacji</translation>
    </message>
    <message>
        <source>no keyring (Secret Service) answers on this desktop to keep the password; sync stays off</source>
        <translation>w tym środowisku nie odpowiada żadna baza kluczy (Secret Service), która przechowałaby hasło; synchronizacja pozostaje wyłączona</translation>
    </message>
    <message>
        <source>the account was not taken</source>
        <translation>konto nie zostało przyjęte</translation>
    </message>
    <message>
        <source>Syncing with %1 as %2</source>
        <extracomment>%1 is the server&apos;s address, %2 the user name</extracomment>
        <translation>Synchronizacja z %1 jako %2</translation>
    </message>
</context>
<context>
    <name>SyncRun</name>
    <message>
        <source>the tasks kept changing on the server</source>
        <translation>zadania na serwerze ciągle się zmieniały</translation>
    </message>
    <message numerus="yes">
        <source>%n task(s) on the server could not be read; their items were left as they were</source>
        <translation>
            <numerusform>%n zadanie na serwerze jest nieczytelne; jego odpowiednik tutaj pozostał bez zmian</numerusform>
            <numerusform>%n zadania na serwerze są nieczytelne; ich odpowiedniki tutaj pozostały bez zmian</numerusform>
            <numerusform>%n zadań na serwerze jest nieczytelnych; ich odpowiedniki tutaj pozostały bez zmian</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncService</name>
    <message>
        <source>%1 is not a web address</source>
        <translation>%1 nie jest adresem internetowym</translation>
    </message>
    <message>
        <source>Leave the password out of the address: type it in the password field</source>
        <translation>Nie umieszczaj hasła w adresie: wpisz je w polu hasła</translation>
    </message>
    <message>
        <source>Plain HTTP would send the password to %1 in clear: use an https:// address</source>
        <extracomment>%1 is the server&apos;s host name</extracomment>
        <translation>Zwykły HTTP wysłałby hasło do %1 otwartym tekstem: użyj adresu https://</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>%1 is the user name, %2 the server&apos;s host name</extracomment>
        <translation>%1 na %2</translation>
    </message>
    <message>
        <source>Wrong user name or password for %1</source>
        <extracomment>%1 is the user at the server</extracomment>
        <translation>Błędna nazwa użytkownika lub hasło dla %1</translation>
    </message>
    <message>
        <source>Cannot reach %1: %2</source>
        <extracomment>%1 is the server&apos;s host name, %2 what went wrong</extracomment>
        <translation>Brak połączenia z %1: %2</translation>
    </message>
    <message>
        <source>%1 does not answer as a calendar server: %2</source>
        <extracomment>%1 is the server&apos;s host name, %2 what went wrong</extracomment>
        <translation>%1 nie odpowiada jak serwer kalendarza: %2</translation>
    </message>
    <message>
        <source>%1 refused: %2</source>
        <extracomment>%1 is the server&apos;s host name, %2 what it said</extracomment>
        <translation>Serwer %1 odmówił: %2</translation>
    </message>
    <message>
        <source>No keyring on this desktop: sync is off</source>
        <translation>Brak bazy kluczy w tym środowisku: synchronizacja wyłączona</translation>
    </message>
    <message>
        <source>Sync is off</source>
        <translation>Synchronizacja wyłączona</translation>
    </message>
    <message>
        <source>The keyring would not keep the password: %1</source>
        <extracomment>%1 is the keyring&apos;s reason</extracomment>
        <translation>Baza kluczy nie przechowała hasła: %1</translation>
    </message>
    <message>
        <source>The sync account changed</source>
        <translation>Konto synchronizacji zmieniło się</translation>
    </message>
    <message>
        <source>Sync is on with %1</source>
        <extracomment>%1 is the user at the server</extracomment>
        <translation>Synchronizacja włączona: %1</translation>
    </message>
    <message>
        <source>Sync was turned off</source>
        <translation>Wyłączono synchronizację</translation>
    </message>
    <message>
        <source>Sync is off; no keyring answered to forget the password</source>
        <translation>Synchronizacja wyłączona; żadna baza kluczy nie odpowiedziała, więc hasło nie zostało usunięte</translation>
    </message>
    <message>
        <source>Sync is off, but the keyring would not forget the password: %1</source>
        <extracomment>%1 is the keyring&apos;s reason</extracomment>
        <translation>Synchronizacja wyłączona, ale baza kluczy nie usunęła hasła: %1</translation>
    </message>
    <message>
        <source>no password kept</source>
        <translation>brak zapisanego hasła</translation>
    </message>
    <message>
        <source>Syncing…</source>
        <translation>Synchronizowanie…</translation>
    </message>
    <message>
        <source>; trying again at %1</source>
        <extracomment>Follows a status; %1 is a time</extracomment>
        <translation>; ponowna próba: %1</translation>
    </message>
    <message>
        <source>No password kept for %1: enter the account again</source>
        <extracomment>%1 is the user at the server</extracomment>
        <translation>Brak zapisanego hasła dla %1: wprowadź konto ponownie</translation>
    </message>
    <message>
        <source>The keyring did not give the password for %1%2</source>
        <extracomment>%1 is the user at the server; %2 is empty or &quot;; trying again at&quot; a time</extracomment>
        <translation>Baza kluczy nie wydała hasła dla %1%2</translation>
    </message>
    <message>
        <source>Off line: syncing with %1 when back on line</source>
        <extracomment>%1 is the server&apos;s host name</extracomment>
        <translation>Brak sieci: synchronizacja z %1 po odzyskaniu połączenia</translation>
    </message>
    <message>
        <source>Synced at %1</source>
        <translation>Zsynchronizowano: %1</translation>
    </message>
    <message numerus="yes">
        <source>; the server turned down %n item(s), first %1</source>
        <extracomment>Follows a status; %1 is the first item turned down and the server&apos;s words about it</extracomment>
        <translation>
            <numerusform>; serwer odrzucił %n zadanie: %1</numerusform>
            <numerusform>; serwer odrzucił %n zadania, pierwsze: %1</numerusform>
            <numerusform>; serwer odrzucił %n zadań, pierwsze: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Synced at %1%2</source>
        <extracomment>%1 is a time; %2 is empty or &quot;; the server turned down&quot; some items</extracomment>
        <translation>Zsynchronizowano: %1%2</translation>
    </message>
    <message>
        <source> (will retry at %1)</source>
        <extracomment>Follows a failure; %1 is a time</extracomment>
        <translation> (ponowna próba: %1)</translation>
    </message>
    <message>
        <source>wrong user name or password for %1</source>
        <translation>błędna nazwa użytkownika lub hasło dla %1</translation>
    </message>
    <message>
        <source>cannot reach %1%2</source>
        <extracomment>%1 is the server&apos;s host name; %2 is &quot; (will retry)&quot; or &quot; (will retry at&quot; a time &quot;)&quot;</extracomment>
        <translation>brak połączenia z %1%2</translation>
    </message>
    <message>
        <source> (will retry)</source>
        <translation> (ponowna próba później)</translation>
    </message>
    <message>
        <source>some tasks on %1 could not be read%2</source>
        <extracomment>%1 is the server&apos;s host name; %2 is empty or &quot; (will retry at&quot; a time &quot;)&quot;</extracomment>
        <translation>nie można odczytać niektórych zadań na %1%2</translation>
    </message>
    <message>
        <source>%1 refused the sync</source>
        <extracomment>%1 is the server&apos;s host name</extracomment>
        <translation>serwer %1 odrzucił synchronizację</translation>
    </message>
    <message>
        <source>%1 refused the sync: %2</source>
        <extracomment>%1 is the server&apos;s host name, %2 what it said</extracomment>
        <translation>serwer %1 odrzucił synchronizację: %2</translation>
    </message>
    <message>
        <source>Last good sync %1.</source>
        <translation>Ostatnia udana synchronizacja: %1.</translation>
    </message>
    <message>
        <source>No sync has gone well yet.</source>
        <translation>Żadna synchronizacja jeszcze się nie powiodła.</translation>
    </message>
    <message>
        <source>Last sync%1 failed: %2%3. %4</source>
        <extracomment>%1 is empty or a space and the time; %2 is why; %3 is empty or &quot;; the server turned down&quot; some items; %4 says when the last good sync was</extracomment>
        <translation>Ostatnia synchronizacja%1 nie powiodła się: %2%3. %4</translation>
    </message>
</context>
<context>
    <name>SyncSettings</name>
    <message>
        <source>Checking the account with the server…</source>
        <translation>Sprawdzanie konta na serwerze…</translation>
    </message>
    <message>
        <source>Sync without encryption?</source>
        <translation>Synchronizować bez szyfrowania?</translation>
    </message>
    <message>
        <source>The address %1 starts with http://, not https://.</source>
        <translation>Adres %1 zaczyna się od http://, a nie od https://.</translation>
    </message>
    <message>
        <source>Your password and your items would travel unencrypted to %1: anyone on the way could read them. Sync over plain HTTP anyway?</source>
        <translation>Hasło i zadania zostałyby przesłane do %1 bez szyfrowania: każdy po drodze mógłby je odczytać. Mimo to synchronizować przez zwykły HTTP?</translation>
    </message>
    <message>
        <source>Use Plain HTTP</source>
        <translation>Użyj zwykłego HTTP</translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation>Włącz</translation>
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
            <numerusform>%1 — %n zadanie do zrobienia</numerusform>
            <numerusform>%1 — %n zadania do zrobienia</numerusform>
            <numerusform>%1 — %n zadań do zrobienia</numerusform>
        </translation>
    </message>
</context>
</TS>
