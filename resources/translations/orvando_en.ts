<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
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
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>App: %1. Data: %2 in %n item(s).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
</TS>
