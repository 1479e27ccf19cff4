<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
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
</TS>
