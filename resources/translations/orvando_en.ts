<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Catalog</name>
    <message numerus="yes">
        <source>Catalog: built in, %n apps</source>
        <translation>
            <numerusform>Catalog: built in, %n app</numerusform>
            <numerusform>Catalog: built in, %n apps</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Catalog: updated %1, %n apps</source>
        <extracomment>%1 is the day the catalog in use was issued, e.g. &quot;7 December 2026&quot;.</extracomment>
        <translation>
            <numerusform>Catalog: updated %1, %n app</numerusform>
            <numerusform>Catalog: updated %1, %n apps</numerusform>
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
