<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CommandMain</name>
    <message numerus="yes">
        <source>the running copy did not finish within %n minute(s); it may still be syncing (see redizado sync --status)</source>
        <translation>
            <numerusform>the running copy did not finish within %n minute; it may still be syncing (see redizado sync --status)</numerusform>
            <numerusform>the running copy did not finish within %n minutes; it may still be syncing (see redizado sync --status)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JLSegmentedControl</name>
    <message numerus="yes">
        <source>%1, %n item(s)</source>
        <extracomment>%1 is the segment&apos;s label, such as &quot;To Do&quot;</extracomment>
        <translation>
            <numerusform>%1, %n item</numerusform>
            <numerusform>%1, %n items</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ListCore</name>
    <message numerus="yes">
        <source>Redizado, %n to do</source>
        <translation>
            <numerusform>Redizado, %n to do</numerusform>
            <numerusform>Redizado, %n to do</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PanelKeys</name>
    <message numerus="yes">
        <source>To-do items, %n</source>
        <translation>
            <numerusform>To-do items, %n</numerusform>
            <numerusform>To-do items, %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>All items, %n</source>
        <translation>
            <numerusform>All items, %n</numerusform>
            <numerusform>All items, %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RowAccessible</name>
    <message numerus="yes">
        <source>%1 of %n</source>
        <extracomment>A row&apos;s place in the list, as in &quot;2 of 3&quot;; %n is the number of rows</extracomment>
        <translation>
            <numerusform>%1 of %n</numerusform>
            <numerusform>%1 of %n</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SniStatusItem</name>
    <message numerus="yes">
        <source>%1: %n to do</source>
        <extracomment>%1 is the program&apos;s name, or its name and how the last sync went; %n is the number of items to do</extracomment>
        <translation>
            <numerusform>%1: %n to do</numerusform>
            <numerusform>%1: %n to do</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncCommands</name>
    <message numerus="yes">
        <source>%n added here</source>
        <translation>
            <numerusform>%n added here</numerusform>
            <numerusform>%n added here</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed here</source>
        <translation>
            <numerusform>%n changed here</numerusform>
            <numerusform>%n changed here</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed here</source>
        <translation>
            <numerusform>%n removed here</numerusform>
            <numerusform>%n removed here</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n added on the server</source>
        <translation>
            <numerusform>%n added on the server</numerusform>
            <numerusform>%n added on the server</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed on the server</source>
        <translation>
            <numerusform>%n changed on the server</numerusform>
            <numerusform>%n changed on the server</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed on the server</source>
        <translation>
            <numerusform>%n removed on the server</numerusform>
            <numerusform>%n removed on the server</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the server turned down %n item(s), which stay here and are tried again at the next sync; the first: %1</source>
        <extracomment>%1 is the first item turned down and the server&apos;s words about it</extracomment>
        <translation>
            <numerusform>the server turned down %n item, which stay here and are tried again at the next sync; the first: %1</numerusform>
            <numerusform>the server turned down %n items, which stay here and are tried again at the next sync; the first: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncRun</name>
    <message numerus="yes">
        <source>%n task(s) on the server could not be read; their items were left as they were</source>
        <translation>
            <numerusform>%n task on the server could not be read; their items were left as they were</numerusform>
            <numerusform>%n tasks on the server could not be read; their items were left as they were</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SyncService</name>
    <message numerus="yes">
        <source>; the server turned down %n item(s), first %1</source>
        <extracomment>Follows a status; %1 is the first item turned down and the server&apos;s words about it</extracomment>
        <translation>
            <numerusform>; the server turned down %n item, first %1</numerusform>
            <numerusform>; the server turned down %n items, first %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TrayStatusItem</name>
    <message numerus="yes">
        <source>%1 — %n to do</source>
        <extracomment>%1 is the program&apos;s name, or its name and how the last sync went; %n is the number of items to do</extracomment>
        <translation>
            <numerusform>%1 — %n to do</numerusform>
            <numerusform>%1 — %n to do</numerusform>
        </translation>
    </message>
</context>
</TS>
