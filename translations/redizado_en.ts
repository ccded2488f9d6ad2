<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
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
