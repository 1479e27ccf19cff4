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
    <name>Cli</name>
    <message numerus="yes">
        <source>Wrote %n apps to %1.</source>
        <translation>
            <numerusform>Wrote %n app to %1.</numerusform>
            <numerusform>Wrote %n apps to %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The file names %n apps:</source>
        <translation>
            <numerusform>The file names %n app:</numerusform>
            <numerusform>The file names %n apps:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Install these %n apps? [y/N] </source>
        <translation>
            <numerusform>Install this %n app? [y/N] </numerusform>
            <numerusform>Install these %n apps? [y/N] </numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(%n items of data kept)</source>
        <translation>
            <numerusform>(%n item of data kept)</numerusform>
            <numerusform>(%n items of data kept)</numerusform>
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
