<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title of untitled item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title of %1</source>
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
    <message>
        <source>%1, 1 item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 items</source>
        <translation type="unfinished"></translation>
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
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Added: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checked: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removed: %1</source>
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
        <source>To-do items, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All items, %1</source>
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
</context>
<context>
    <name>PanelUndo</name>
    <message>
        <source>%1 brings it back</source>
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
    <name>QObject</name>
    <message>
        <source>About Redizado</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finish editing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys:
Return adds the typed item, Down goes to the list, Esc closes the panel.
Up, Down, Home, End, Page Up and Page Down move on the list.
Space checks or unchecks, F2 or Return renames, Delete removes.
%1, %2 and %3: To Do, All, the other one.
%4: settings. %5 and %6: undo and redo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redone: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 removed</source>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redizado cannot save</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RowAccessible</name>
    <message>
        <source>%1 of %2</source>
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
    <name>SniStatusItem</name>
    <message>
        <source>%1: %2 to do</source>
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
    <name>TrayStatusItem</name>
    <message>
        <source>%1 — %2 to do</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
