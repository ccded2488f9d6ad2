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
        <extracomment>%1 is the item&apos;s title, quoted</extracomment>
        <translation>Usuń zadanie bez tytułu</translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation>Usuń %1</translation>
    </message>
    <message>
        <source>Title of untitled item</source>
        <extracomment>%1 is the item&apos;s title, quoted</extracomment>
        <translation>Tytuł zadania bez tytułu</translation>
    </message>
    <message>
        <source>Title of %1</source>
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
        <translation>Ustawienia…</translation>
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
        <translation>Ustawienia</translation>
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
        <translation>Ustawienia (%1)</translation>
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
%4: ustawienia. %5 i %6: cofnij i ponów.</translation>
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
        <translation>Ustawienia</translation>
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
        <translation>Ustawienia</translation>
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
