<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutMessage</name>
    <message>
        <source>Redizado %1

© %2 The Redizado developers</source>
        <extracomment>%1 is the version, such as 1.2.0; %2 is the year of the copyright</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Redizado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalDavClient</name>
    <message>
        <source>%1: not a WebDAV answer</source>
        <extracomment>%1 is the address that answered</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CalDavDiscovery</name>
    <message>
        <source>%1: not a WebDAV answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the server names no calendars</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>the password is read from standard input, never from the command line</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web address, as in https://example.org/dav/</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a command: %1</source>
        <extracomment>%1 is the words received</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>argument %1 is not valid UTF-8</source>
        <extracomment>%1 is the argument&apos;s place on the command line, counted from 0 for the program&apos;s name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With list: every item, checked ones too.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the list in a popover rather than the panel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With sync: how the last sync went.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With sync: forget the account and its password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With sync: sync as USER with the calendar server at URL.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With sync --account: an unencrypted http:// address to another machine.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Say what the program does, not only its problems.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>toggle, add, list, count or sync.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With add: the item&apos;s title; with sync --account: URL USER.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: %1 [options] [command] [title...]</source>
        <extracomment>%1 is the command&apos;s name; the words in brackets are those of the Arguments below</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (a title that starts with &apos;-&apos; goes after --)</source>
        <extracomment>%1 is the parser&apos;s own message, as in: Unknown option &apos;x&apos;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;; the commands are toggle, add, list, count and sync</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--all goes with list only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 goes with sync only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sync takes one of --status, --off and --account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--allow-plain-http goes with sync --account only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sync --account needs the server&apos;s address and a user name, as in: redizado sync --account https://example.org/dav/ alice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add needs a title, as in: redizado add buy milk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 takes no further words (got &quot;%2&quot;)</source>
        <extracomment>%1 is a command word, %2 the words after it</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandMain</name>
    <message>
        <source>the program&apos;s own library cannot be loaded:%1</source>
        <extracomment>%1 is the loader&apos;s reasons, one indented line each</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password for %1 at %2: </source>
        <extracomment>%1 is the user name, %2 the server</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>the running copy did not finish within %n minute(s); it may still be syncing (see redizado sync --status)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>another copy holds %1 but does not answer</source>
        <extracomment>%1 is the lock file&apos;s path</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DavTransport</name>
    <message>
        <source>%1: the secure connection failed</source>
        <extracomment>%1 is the request, as in &quot;PROPFIND https://example.org/dav/&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no answer (network error %2)</source>
        <extracomment>%1 is the request, as in &quot;PROPFIND https://example.org/dav/&quot;; %2 is Qt&apos;s number for the network error</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a web address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>plain HTTP would send the password in clear; HTTPS is needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not the account&apos;s server %1</source>
        <extracomment>%1 is the account&apos;s server address</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is an address, %2 why it is not asked</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: too many redirects</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ItemCommands</name>
    <message>
        <source>add needs a title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the item was added but could not be saved; see the log for why</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not an item command</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JLPopoverViewController</name>
    <message>
        <source>Welcome</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JLRedizadoTableViewCell</name>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check or uncheck (Space on the list)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove (Delete on the list)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove untitled item</source>
        <extracomment>%1 is the item&apos;s title, quoted</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title of untitled item</source>
        <extracomment>%1 is the item&apos;s title, quoted</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1”</source>
        <extracomment>An item&apos;s title in the quotation marks of the language; said in &quot;Remove %1&quot; and &quot;Title of %1&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JLSegmentedControl</name>
    <message>
        <source>%1+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1, %n item(s)</source>
        <extracomment>%1 is the segment&apos;s label, such as &quot;To Do&quot;</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JLShortcutSelector</name>
    <message>
        <source>Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Super</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No modifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caps Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Escape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second modifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JLStatusItemController</name>
    <message>
        <source>Show or Hide Redizado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Redizado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit Redizado</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListCore</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Redizado, %n to do</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Added: %1</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checked: %1</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removed: %1</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ListModes</name>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish editing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LoadedSync</name>
    <message>
        <source>Sync is not available: %1</source>
        <extracomment>%1 is the loader&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync is off</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PanelKeys</name>
    <message>
        <source>Return adds the item, Down goes to the list, Esc closes the panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 To Do, %2 All, %3 the other one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On the list: F2 renames, Delete removes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrows, Home, End and the page keys move; Space checks; F2 or Return renames; Delete removes; %1 undoes, %2 redoes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To-do items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys:
Return adds the typed item, Down goes to the list, Esc closes the panel.
Up, Down, Home, End, Page Up and Page Down move on the list.
Space checks or unchecks, F2 or Return renames, Delete removes.
%1, %2 and %3: To Do, All, the other one.
%4: settings. %5 and %6: undo and redo.</source>
        <extracomment>%1 to %6 are key combinations, such as Ctrl+1</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>To-do items, %n</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All items, %n</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PanelUndo</name>
    <message>
        <source>%1 brings it back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <extracomment>%1 is what the step did, such as &quot;Milk checked&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <extracomment>%1 is what taking the step back did, such as &quot;Milk is back&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is back</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 removed</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uncheck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 checked</source>
        <extracomment>%1 is the item&apos;s title</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 unchecked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>renamed %1</source>
        <extracomment>%1 is the item&apos;s title after the change; said after &quot;Redone: &quot; or &quot;Undone: &quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PasswordInput</name>
    <message>
        <source>the password could not be read from standard input: %1</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the line on standard input is too long to be a password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the password read from standard input is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the password read from standard input is not valid UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PopoverPanel</name>
    <message>
        <source>What is there to do?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To Do</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename and remove items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide after entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the list once an item is added</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortalHotKeyService</name>
    <message>
        <source>Show or hide the Redizado panel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgramMain</name>
    <message>
        <source>%1; nothing was changed</source>
        <extracomment>%1 is why the store could not be read</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another copy holds %1 but does not answer</source>
        <extracomment>%1 is the lock file&apos;s path</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a copy of the program is starting; try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sync did not finish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;redizado --help&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RedizadoPanel</name>
    <message>
        <source>What is there to do?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To Do</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename and remove items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch at login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the to-do count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alternate icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide after entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the panel once an item is added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Global shortcut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the panel from anywhere with a key combination</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modifier:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second modifier:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second modifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The items kept in step with a calendar server (CalDAV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync is off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No keyring (Secret Service) on this desktop: sync stays off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server&apos;s address or a calendar&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kept in the desktop&apos;s keyring; Return turns sync on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Redizado</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RowAccessible</name>
    <message numerus="yes">
        <source>%1 of %n</source>
        <extracomment>A row&apos;s place in the list, as in &quot;2 of 3&quot;; %n is the number of rows</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Untitled item</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveProblemNotice</name>
    <message>
        <source>Redizado cannot save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder of %1 is read-only. Your items are kept while Redizado runs, but not saved.</source>
        <extracomment>%1 is the preferences file&apos;s path</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShortcutAdvice</name>
    <message>
        <source>Bind “redizado toggle” to a combination in the desktop’s keyboard settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This desktop lets no program bind keys.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No program can bind keys here. Add this line to %1:</source>
        <extracomment>%1 is the compositor&apos;s configuration file, such as ~/.config/sway/config</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switched on, the shortcut is added to GNOME’s keyboard shortcuts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This combination cannot be a shortcut: choose another key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is taken by another program: choose another combination.</source>
        <extracomment>%1 is a key combination, such as Ctrl+Space</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be a shortcut here: choose another key.</source>
        <extracomment>%1 is a key combination, such as Ctrl+Space</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No keys can be bound on this display.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 shows or hides the panel from any program.</source>
        <extracomment>%1 is a key combination, such as Ctrl+Space</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The desktop bound the shortcut to %1. Change it in the desktop’s keyboard settings.</source>
        <extracomment>%1 is the key combination as the desktop names it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asking the desktop to bind %1…</source>
        <extracomment>%1 is a key combination, such as Ctrl+Space</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The desktop did not bind the shortcut.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In GNOME’s keyboard shortcuts, %1 runs “redizado toggle” (Settings ▸ Keyboard ▸ Custom Shortcuts).</source>
        <extracomment>%1 is the key combination as the desktop names it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GNOME’s keyboard settings cannot be reached.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShortcutNote</name>
    <message>
        <source>Line for the compositor’s configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>not ready</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SniStatusItem</name>
    <message numerus="yes">
        <source>%1: %n to do</source>
        <extracomment>%1 is the program&apos;s name, or its name and how the last sync went; %n is the number of items to do</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncCommands</name>
    <message numerus="yes">
        <source>%n added here</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed here</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed here</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n added on the server</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed on the server</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed on the server</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing to do</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sync is not available in the running copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>the server turned down %n item(s), which stay here and are tried again at the next sync; the first: %1</source>
        <extracomment>%1 is the first item turned down and the server&apos;s words about it</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>some of the server&apos;s answers could not be read and were left alone%1</source>
        <extracomment>%1 is empty or the reason in brackets, as in &quot; (HTTP 500)&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server turned down the user name or password%1; set them again with: %2</source>
        <extracomment>%1 is empty or the reason in brackets; %2 is the command that sets them</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server could not be reached or was busy%1; try again later</source>
        <extracomment>%1 is empty or the reason in brackets</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the server refused the sync%1</source>
        <extracomment>%1 is empty or the reason in brackets</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sync is off; turn it on with: %1</source>
        <extracomment>%1 is the command that turns it on</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync is off; the items stay as they are</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sync could not be turned off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no keyring (Secret Service) answers on this desktop to keep the password; sync stays off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the account was not taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Syncing with %1 as %2</source>
        <extracomment>%1 is the server&apos;s address, %2 the user name</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SyncRun</name>
    <message>
        <source>the tasks kept changing on the server</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n task(s) on the server could not be read; their items were left as they were</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncService</name>
    <message>
        <source>%1 is not a web address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave the password out of the address: type it in the password field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plain HTTP would send the password to %1 in clear: use an https:// address</source>
        <extracomment>%1 is the server&apos;s host name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <extracomment>%1 is the user name, %2 the server&apos;s host name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong user name or password for %1</source>
        <extracomment>%1 is the user at the server</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot reach %1: %2</source>
        <extracomment>%1 is the server&apos;s host name, %2 what went wrong</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not answer as a calendar server: %2</source>
        <extracomment>%1 is the server&apos;s host name, %2 what went wrong</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 refused: %2</source>
        <extracomment>%1 is the server&apos;s host name, %2 what it said</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No keyring on this desktop: sync is off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync is off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keyring would not keep the password: %1</source>
        <extracomment>%1 is the keyring&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sync account changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync is on with %1</source>
        <extracomment>%1 is the user at the server</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync was turned off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync is off; no keyring answered to forget the password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync is off, but the keyring would not forget the password: %1</source>
        <extracomment>%1 is the keyring&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no password kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Syncing…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; trying again at %1</source>
        <extracomment>Follows a status; %1 is a time</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No password kept for %1: enter the account again</source>
        <extracomment>%1 is the user at the server</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The keyring did not give the password for %1%2</source>
        <extracomment>%1 is the user at the server; %2 is empty or &quot;; trying again at&quot; a time</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off line: syncing with %1 when back on line</source>
        <extracomment>%1 is the server&apos;s host name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synced at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>; the server turned down %n item(s), first %1</source>
        <extracomment>Follows a status; %1 is the first item turned down and the server&apos;s words about it</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Synced at %1%2</source>
        <extracomment>%1 is a time; %2 is empty or &quot;; the server turned down&quot; some items</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (will retry at %1)</source>
        <extracomment>Follows a failure; %1 is a time</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wrong user name or password for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot reach %1%2</source>
        <extracomment>%1 is the server&apos;s host name; %2 is &quot; (will retry)&quot; or &quot; (will retry at&quot; a time &quot;)&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (will retry)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>some tasks on %1 could not be read%2</source>
        <extracomment>%1 is the server&apos;s host name; %2 is empty or &quot; (will retry at&quot; a time &quot;)&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 refused the sync</source>
        <extracomment>%1 is the server&apos;s host name, %2 what it said</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 refused the sync: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last good sync %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sync has gone well yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last sync%1 failed: %2%3. %4</source>
        <extracomment>%1 is empty or a space and the time; %2 is why; %3 is empty or &quot;; the server turned down&quot; some items; %4 says when the last good sync was</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SyncSettings</name>
    <message>
        <source>Checking the account with the server…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync without encryption?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The address %1 starts with http://, not https://.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your password and your items would travel unencrypted to %1: anyone on the way could read them. Sync over plain HTTP anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Plain HTTP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn On</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrayProgram</name>
    <message>
        <source>Redizado: %1</source>
        <extracomment>%1 is how the last sync went, such as &quot;The server did not answer&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrayStatusItem</name>
    <message numerus="yes">
        <source>%1 — %n to do</source>
        <extracomment>%1 is the program&apos;s name, or its name and how the last sync went; %n is the number of items to do</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
</TS>
