<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>BatchInstaller</name>
    <message numerus="yes">
        <source>%n installed</source>
        <extracomment>Part of a batch&apos;s summary: how many apps were installed</extracomment>
        <translation>
            <numerusform>%n installed</numerusform>
            <numerusform>%n installed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n updated</source>
        <extracomment>Part of a batch&apos;s summary: how many apps were updated</extracomment>
        <translation>
            <numerusform>%n updated</numerusform>
            <numerusform>%n updated</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed</source>
        <extracomment>Part of a batch&apos;s summary: how many apps were removed</extracomment>
        <translation>
            <numerusform>%n removed</numerusform>
            <numerusform>%n removed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cancelled</source>
        <extracomment>Part of a batch&apos;s summary: how many apps were cancelled</extracomment>
        <translation>
            <numerusform>%n cancelled</numerusform>
            <numerusform>%n cancelled</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <extracomment>Part of a batch&apos;s summary: how many apps were skipped</extracomment>
        <translation>
            <numerusform>%n skipped</numerusform>
            <numerusform>%n skipped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n failed: %1</source>
        <extracomment>Part of a batch&apos;s summary: how many apps failed, then %1 the reasons, one sentence each</extracomment>
        <translation>
            <numerusform>%n failed: %1</numerusform>
            <numerusform>%n failed: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n app(s)</source>
        <extracomment>A batch&apos;s name in the history of operations</extracomment>
        <translation>
            <numerusform>%n app</numerusform>
            <numerusform>%n apps</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BrewQuery</name>
    <message numerus="yes">
        <source>%1 did not answer within %n seconds.</source>
        <extracomment>%1 is a command, such as brew info</extracomment>
        <translation>
            <numerusform>%1 did not answer within %n seconds.</numerusform>
            <numerusform>%1 did not answer within %n seconds.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DownloadProgress</name>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n bytes</numerusform>
            <numerusform>%n bytes</numerusform>
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
