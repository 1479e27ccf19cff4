<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>BatchFooter</name>
    <message numerus="yes">
        <source>Install %n apps</source>
        <translation>
            <numerusform>Install %n app</numerusform>
            <numerusform>Install %n apps</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>InstallLogFile</name>
    <message numerus="yes">
        <source>%n lines were left out of this file while the disk was too slow.</source>
        <translation>
            <numerusform>%n line was left out of this file while the disk was too slow.</numerusform>
            <numerusform>%n lines were left out of this file while the disk was too slow.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LogDrawer</name>
    <message numerus="yes">
        <source>%n lines</source>
        <extracomment>How many lines the install log holds, beside its title.</extracomment>
        <translation>
            <numerusform>%n line</numerusform>
            <numerusform>%n lines</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>OperationRecord</name>
    <message numerus="yes">
        <source>%n earlier lines are left out.</source>
        <translation>
            <numerusform>%n earlier line is left out.</numerusform>
            <numerusform>%n earlier lines are left out.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RemovalReview</name>
    <message numerus="yes">
        <source>Remove %n apps?</source>
        <translation>
            <numerusform>Remove %n app?</numerusform>
            <numerusform>Remove %n apps?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>App: %1. Data: %2 in %n item(s).</source>
        <translation>
            <numerusform>App: %1. Data: %2 in %n item.</numerusform>
            <numerusform>App: %1. Data: %2 in %n items.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message numerus="yes">
        <source>Removed %n app(s).</source>
        <translation>
            <numerusform>Removed %n app.</numerusform>
            <numerusform>Removed %n apps.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>UpdatesView</name>
    <message numerus="yes">
        <source>%n apps have a newer version.</source>
        <translation>
            <numerusform>%n app has a newer version.</numerusform>
            <numerusform>%n apps have a newer version.</numerusform>
        </translation>
    </message>
</context>
</TS>
