<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ActivityModel</name>
    <message>
        <source>Installed %1</source>
        <translation>%1 installiert</translation>
    </message>
    <message>
        <source>%1 didn’t install</source>
        <translation>%1 wurde nicht installiert</translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation>%1 aktualisiert</translation>
    </message>
    <message>
        <source>%1 didn’t update</source>
        <translation>%1 wurde nicht aktualisiert</translation>
    </message>
    <message>
        <source>Removed %1</source>
        <translation>%1 entfernt</translation>
    </message>
    <message>
        <source>%1 wasn’t removed</source>
        <translation>%1 wurde nicht entfernt</translation>
    </message>
    <message>
        <source>Set up Homebrew</source>
        <translation>Homebrew eingerichtet</translation>
    </message>
    <message>
        <source>Homebrew wasn’t set up</source>
        <translation>Homebrew wurde nicht eingerichtet</translation>
    </message>
    <message>
        <source>Worked through %1</source>
        <extracomment>A batch install; %1 is how many apps it held, e.g. &quot;3 apps&quot;</extracomment>
        <translation>%1 abgearbeitet</translation>
    </message>
    <message>
        <source>Worked through %1, not all of it</source>
        <extracomment>A batch install that left some apps out; %1 is how many apps it held, e.g. &quot;3 apps&quot;</extracomment>
        <translation>%1 abgearbeitet, nicht vollständig</translation>
    </message>
    <message>
        <source>Reverted %1</source>
        <translation>%1 zurückgesetzt</translation>
    </message>
    <message>
        <source>%1 wasn’t reverted</source>
        <translation>%1 wurde nicht zurückgesetzt</translation>
    </message>
    <message>
        <source>Put %1 back</source>
        <translation>%1 wiederhergestellt</translation>
    </message>
    <message>
        <source>%1 wasn’t put back</source>
        <translation>%1 wurde nicht wiederhergestellt</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Läuft</translation>
    </message>
    <message>
        <source>Succeeded</source>
        <translation>Erfolgreich</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>Abgelehnt</translation>
    </message>
    <message>
        <source>Needs Homebrew</source>
        <translation>Homebrew erforderlich</translation>
    </message>
    <message>
        <source>Interrupted</source>
        <translation>Unterbrochen</translation>
    </message>
    <message>
        <source>Homebrew</source>
        <translation>Homebrew</translation>
    </message>
    <message>
        <source>GitHub download</source>
        <translation>GitHub-Download</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <extracomment>Read aloud for a row of Activity: %1 what was done, %2 its outcome in lower case, %3 the versions, route and time</extracomment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>A row of Activity: %1 what was done, %2 its outcome</extracomment>
        <translation>%1 – %2</translation>
    </message>
</context>
<context>
    <name>ActivityView</name>
    <message>
        <source>Activity</source>
        <translation>Aktivität</translation>
    </message>
    <message>
        <source>Show the activity of</source>
        <extracomment>Names the filter whose choices are &quot;All apps&quot; and each app&apos;s name</extracomment>
        <translation>Aktivität anzeigen für</translation>
    </message>
    <message>
        <source>Show operations that</source>
        <extracomment>Names the filter whose choices are &quot;Any outcome&quot; and each outcome, e.g. &quot;Failed&quot;</extracomment>
        <translation>Vorgänge nach Ergebnis anzeigen</translation>
    </message>
    <message>
        <source>Any outcome</source>
        <translation>Jedes Ergebnis</translation>
    </message>
    <message>
        <source>Operations, newest first</source>
        <translation>Vorgänge, neueste zuerst</translation>
    </message>
    <message>
        <source>Open a row for what happened and its log lines.</source>
        <translation>Öffne eine Zeile, um zu sehen, was passiert ist, samt Protokollzeilen.</translation>
    </message>
    <message>
        <source>Nothing has been done yet.</source>
        <translation>Bisher wurde nichts ausgeführt.</translation>
    </message>
    <message>
        <source>Close Activity</source>
        <translation>Aktivität schließen</translation>
    </message>
    <message>
        <source>All apps</source>
        <translation>Alle Apps</translation>
    </message>
    <message>
        <source>No operation matches.</source>
        <translation>Keine passenden Vorgänge.</translation>
    </message>
</context>
<context>
    <name>AppArchiveInstaller</name>
    <message>
        <source>The download could not be prepared for unpacking.</source>
        <translation>Der Download konnte nicht zum Entpacken vorbereitet werden.</translation>
    </message>
    <message>
        <source>There is no room to unpack the download.</source>
        <translation>Es ist nicht genug Platz, um den Download zu entpacken.</translation>
    </message>
</context>
<context>
    <name>AppCard</name>
    <message>
        <source>See %1 screenshots and details.</source>
        <translation>Bildschirmfotos und Details zu %1 ansehen.</translation>
    </message>
</context>
<context>
    <name>AppCardActionArea</name>
    <message>
        <source>Installed</source>
        <translation>Installiert</translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation>Nicht verfügbar</translation>
    </message>
    <message>
        <source>Open Accessibility settings</source>
        <translation>Bedienungshilfen öffnen</translation>
    </message>
    <message>
        <source>Need help opening it?</source>
        <translation>Hilfe beim Öffnen?</translation>
    </message>
    <message>
        <source>Need help opening %1?</source>
        <translation>Hilfe beim Öffnen von %1?</translation>
    </message>
    <message>
        <source>Show the steps for opening %1 the first time.</source>
        <translation>Schritte zum ersten Öffnen von %1 anzeigen.</translation>
    </message>
</context>
<context>
    <name>AppCardContent</name>
    <message>
        <source>Dismiss</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Dismiss what went wrong with %1</source>
        <translation>Fehler bei %1 ausblenden</translation>
    </message>
    <message>
        <source>Show %1 as it is on this Mac now.</source>
        <translation>%1 so zeigen, wie es jetzt auf diesem Mac ist.</translation>
    </message>
    <message>
        <source>Show in log</source>
        <translation>Im Protokoll zeigen</translation>
    </message>
    <message>
        <source>Show what went wrong with %1 in the install log</source>
        <translation>Fehler bei %1 im Installationsprotokoll zeigen</translation>
    </message>
    <message>
        <source>Open the install log at the lines that explain what went wrong.</source>
        <translation>Öffnet das Installationsprotokoll an den Zeilen, die den Fehler erklären.</translation>
    </message>
    <message>
        <source>The free version is all you need. Pro extras are optional.</source>
        <translation>Die kostenlose Version reicht völlig. Pro-Extras sind optional.</translation>
    </message>
    <message>
        <source>Cancel updating %1</source>
        <translation>Aktualisierung von %1 abbrechen</translation>
    </message>
    <message>
        <source>Cancel installing %1</source>
        <translation>Installation von %1 abbrechen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Stop, and leave %1 as it is on disk.</source>
        <translation>Anhalten und %1 unverändert auf dem Volume lassen.</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>Im Finder zeigen</translation>
    </message>
    <message>
        <source>Show the app in the way of %1 in Finder</source>
        <translation>Die App, die %1 im Weg ist, im Finder zeigen</translation>
    </message>
    <message>
        <source>Show the app already in Applications, to open it or move it to the Trash.</source>
        <translation>Zeigt die App, die schon in „Programme“ liegt, zum Öffnen oder Verschieben in den Papierkorb.</translation>
    </message>
    <message>
        <source>Refresh Homebrew</source>
        <translation>Homebrew aktualisieren</translation>
    </message>
    <message>
        <source>Refresh Homebrew&apos;s list of apps for %1</source>
        <translation>Homebrews App-Liste für %1 aktualisieren</translation>
    </message>
    <message>
        <source>Bring Homebrew&apos;s list of apps up to date, so it knows %1.</source>
        <translation>Bringt Homebrews App-Liste auf den neuesten Stand, damit sie %1 kennt.</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>Erneut versuchen</translation>
    </message>
    <message>
        <source>Try updating %1 again</source>
        <translation>Aktualisierung von %1 erneut versuchen</translation>
    </message>
    <message>
        <source>Try installing %1 again</source>
        <translation>Installation von %1 erneut versuchen</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installieren</translation>
    </message>
    <message>
        <source>Install %1</source>
        <translation>%1 installieren</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Deinstallieren</translation>
    </message>
    <message>
        <source>Uninstall %1</source>
        <translation>%1 deinstallieren</translation>
    </message>
    <message>
        <source>Remove %1 and its leftover files from this Mac.</source>
        <translation>%1 und seine Restdaten von diesem Mac entfernen.</translation>
    </message>
    <message>
        <source>Update %1 to %2</source>
        <extracomment>%1 is the app, %2 the version it is updated to</extracomment>
        <translation>%1 auf %2 aktualisieren</translation>
    </message>
    <message>
        <source>Install %1 %2 in place of the installed version.</source>
        <extracomment>%1 is the app, %2 the newer version</extracomment>
        <translation>Installiert %1 %2 anstelle der installierten Version.</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>verb: open the app</comment>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>%1 öffnen</translation>
    </message>
    <message>
        <source>Installed: %1</source>
        <extracomment>%1 is the version on this Mac</extracomment>
        <translation>Installiert: %1</translation>
    </message>
    <message>
        <source>Setting up Homebrew…</source>
        <translation>Homebrew wird eingerichtet …</translation>
    </message>
    <message>
        <source>Installed. %1 available.</source>
        <extracomment>%1 is the update button&apos;s title, e.g. &quot;Update to 2.1.0&quot;</extracomment>
        <translation>Installiert. Verfügbar: %1.</translation>
    </message>
    <message>
        <source>Downloading, %1%</source>
        <translation>Download läuft, %1 %</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Installiert</translation>
    </message>
</context>
<context>
    <name>AppDetailView</name>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>About</source>
        <extracomment>Heading over the app&apos;s description</extracomment>
        <translation>Info</translation>
    </message>
</context>
<context>
    <name>AppIconTile</name>
    <message>
        <source>%1 icon</source>
        <extracomment>%1 is the app&apos;s name</extracomment>
        <translation>Symbol von %1</translation>
    </message>
</context>
<context>
    <name>AppSelectBox</name>
    <message>
        <source>Select %1</source>
        <translation>%1 auswählen</translation>
    </message>
    <message>
        <source>Select %1 to install it with others</source>
        <translation>%1 auswählen, um es mit anderen zu installieren</translation>
    </message>
</context>
<context>
    <name>AppSetFile</name>
    <message>
        <source>The file is not a list of apps: it holds binary data, not text.</source>
        <translation>Die Datei ist keine Liste von Apps: Sie enthält Binärdaten statt Text.</translation>
    </message>
    <message>
        <source>The file is empty, so it names no apps.</source>
        <translation>Die Datei ist leer und nennt daher keine Apps.</translation>
    </message>
    <message>
        <source>“%1” is too large to be a list of apps.</source>
        <extracomment>%1 is a file name.</extracomment>
        <translation>„%1“ ist zu groß für eine Liste von Apps.</translation>
    </message>
    <message>
        <source>Could not read “%1”: it is not a file.</source>
        <extracomment>%1 is a file name.</extracomment>
        <translation>„%1“ konnte nicht gelesen werden: Es ist keine Datei.</translation>
    </message>
    <message>
        <source>Could not read “%1”: %2.</source>
        <extracomment>%1 is a file name, %2 why it could not be read.</extracomment>
        <translation>„%1“ konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Could not save “%1”: %2.</source>
        <extracomment>%1 is a file name, %2 why it could not be saved.</extracomment>
        <translation>„%1“ konnte nicht gesichert werden: %2.</translation>
    </message>
</context>
<context>
    <name>AppSetTransfer</name>
    <message>
        <source>Export my apps…</source>
        <extracomment>The File menu item that saves the installed apps to a Brewfile.</extracomment>
        <translation>Meine Apps exportieren …</translation>
    </message>
    <message>
        <source>Install from file…</source>
        <extracomment>The File menu item that installs the apps listed in a Brewfile.</extracomment>
        <translation>Aus Datei installieren …</translation>
    </message>
    <message>
        <source>Export my apps</source>
        <translation>Meine Apps exportieren</translation>
    </message>
    <message>
        <source>Your apps could not be exported.</source>
        <translation>Deine Apps konnten nicht exportiert werden.</translation>
    </message>
    <message>
        <source>Install from file</source>
        <translation>Aus Datei installieren</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Die Datei konnte nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>AppStatus</name>
    <message>
        <source>not installed</source>
        <extracomment>An app&apos;s state in a list column</extracomment>
        <translation>nicht installiert</translation>
    </message>
    <message>
        <source>installed</source>
        <extracomment>An app&apos;s state in a list column</extracomment>
        <translation>installiert</translation>
    </message>
    <message>
        <source>update available</source>
        <extracomment>An app&apos;s state in a list column</extracomment>
        <translation>Update verfügbar</translation>
    </message>
    <message>
        <source>unavailable</source>
        <extracomment>An app&apos;s state in a list column: Homebrew no longer offers it</extracomment>
        <translation>nicht verfügbar</translation>
    </message>
    <message>
        <source>installing</source>
        <extracomment>An app&apos;s state in a list column</extracomment>
        <translation>wird installiert</translation>
    </message>
    <message>
        <source>removing</source>
        <extracomment>An app&apos;s state in a list column</extracomment>
        <translation>wird entfernt</translation>
    </message>
    <message>
        <source>failed</source>
        <extracomment>An app&apos;s state in a list column: its last operation failed</extracomment>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>needs Homebrew</source>
        <extracomment>An app&apos;s state in a list column</extracomment>
        <translation>benötigt Homebrew</translation>
    </message>
    <message>
        <source>Update to %1</source>
        <extracomment>A button; %1 is the newer version, e.g. 2.1.0</extracomment>
        <translation>Auf %1 aktualisieren</translation>
    </message>
</context>
<context>
    <name>AskpassDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Administrator password</source>
        <translation>Administratorpasswort</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Homebrew needs your Mac password to continue.</source>
        <translation>Homebrew benötigt dein Mac-Passwort, um fortzufahren.</translation>
    </message>
    <message>
        <source>Homebrew needs your Mac password to finish with %1.</source>
        <extracomment>%1 is the name of the app being installed, updated or removed.</extracomment>
        <translation>Homebrew benötigt dein Mac-Passwort, um %1 abzuschließen.</translation>
    </message>
</context>
<context>
    <name>BatchFooter</name>
    <message>
        <source>Installs the selected apps one after another</source>
        <translation>Installiert die ausgewählten Apps nacheinander</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Stops the app being installed and installs no other</source>
        <translation>Stoppt die laufende Installation und installiert keine weiteren Apps</translation>
    </message>
    <message>
        <source>Try failed again</source>
        <translation>Fehlgeschlagene wiederholen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Hides the summary of the last batch</source>
        <translation>Blendet die Zusammenfassung der letzten Installationen aus</translation>
    </message>
    <message numerus="yes">
        <source>Install %n apps</source>
        <translation>
            <numerusform>%n App installieren</numerusform>
            <numerusform>%n Apps installieren</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BatchInstaller</name>
    <message numerus="yes">
        <source>%n installed</source>
        <extracomment>Part of a batch&apos;s summary: how many apps were installed</extracomment>
        <translation>
            <numerusform>%n installiert</numerusform>
            <numerusform>%n installiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n updated</source>
        <extracomment>Part of a batch&apos;s summary: how many apps were updated</extracomment>
        <translation>
            <numerusform>%n aktualisiert</numerusform>
            <numerusform>%n aktualisiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n removed</source>
        <extracomment>Part of a batch&apos;s summary: how many apps were removed</extracomment>
        <translation>
            <numerusform>%n entfernt</numerusform>
            <numerusform>%n entfernt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cancelled</source>
        <extracomment>Part of a batch&apos;s summary: how many apps were cancelled</extracomment>
        <translation>
            <numerusform>%n abgebrochen</numerusform>
            <numerusform>%n abgebrochen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n skipped</source>
        <extracomment>Part of a batch&apos;s summary: how many apps were skipped</extracomment>
        <translation>
            <numerusform>%n übersprungen</numerusform>
            <numerusform>%n übersprungen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <extracomment>%1 is an app&apos;s name, %2 the sentence saying why it failed</extracomment>
        <translation>%1 – %2</translation>
    </message>
    <message numerus="yes">
        <source>%n failed: %1</source>
        <extracomment>Part of a batch&apos;s summary: how many apps failed, then %1 the reasons, one sentence each</extracomment>
        <translation>
            <numerusform>%n fehlgeschlagen: %1</numerusform>
            <numerusform>%n fehlgeschlagen: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the parts of a batch&apos;s summary, as in &quot;3 installed, 1 skipped&quot;</extracomment>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>%n app(s)</source>
        <extracomment>A batch&apos;s name in the history of operations</extracomment>
        <translation>
            <numerusform>%n App</numerusform>
            <numerusform>%n Apps</numerusform>
        </translation>
    </message>
    <message>
        <source>The window closed before this operation finished.</source>
        <translation>Das Fenster wurde geschlossen, bevor dieser Vorgang abgeschlossen war.</translation>
    </message>
    <message>
        <source>Setting up Homebrew (one-time).</source>
        <translation>Homebrew wird eingerichtet (einmalig).</translation>
    </message>
    <message>
        <source>Installing %1 of %2: %3</source>
        <extracomment>%1 of %2 counts the apps of a batch; %3 is the app&apos;s name</extracomment>
        <translation>%1 von %2 wird installiert: %3</translation>
    </message>
    <message>
        <source>Updating %1 of %2: %3</source>
        <extracomment>%1 of %2 counts the apps of a batch; %3 is the app&apos;s name</extracomment>
        <translation>%1 von %2 wird aktualisiert: %3</translation>
    </message>
    <message>
        <source>Removing %1 of %2: %3</source>
        <extracomment>%1 of %2 counts the apps of a batch; %3 is the app&apos;s name</extracomment>
        <translation>%1 von %2 wird entfernt: %3</translation>
    </message>
    <message>
        <source>%1 is already installed.</source>
        <translation>%1 ist bereits installiert.</translation>
    </message>
    <message>
        <source>%1 is not installed.</source>
        <translation>%1 ist nicht installiert.</translation>
    </message>
</context>
<context>
    <name>BeforeInstallFacts</name>
    <message>
        <source>Version</source>
        <extracomment>A row&apos;s title in &quot;Before you install&quot;</extracomment>
        <translation>Version</translation>
    </message>
    <message>
        <source>%1 (from %2)</source>
        <extracomment>%1 is a version, %2 where it comes from: Homebrew or GitHub</extracomment>
        <translation>%1 (von %2)</translation>
    </message>
    <message>
        <source>Download from</source>
        <extracomment>A row&apos;s title in &quot;Before you install&quot;: the host the app is downloaded from</extracomment>
        <translation>Download von</translation>
    </message>
    <message>
        <source>Checksum</source>
        <extracomment>A row&apos;s title in &quot;Before you install&quot;</extracomment>
        <translation>Prüfsumme</translation>
    </message>
    <message>
        <source>Size</source>
        <extracomment>A row&apos;s title in &quot;Before you install&quot;: the download&apos;s size</extracomment>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Before you install</source>
        <translation>Vor der Installation</translation>
    </message>
    <message>
        <source>Not known yet</source>
        <translation>Noch nicht bekannt</translation>
    </message>
</context>
<context>
    <name>BrewNetwork</name>
    <message>
        <source>A mirror address starts with https:// and names a host, like https://mirror.example.com/homebrew.</source>
        <translation>Eine Spiegelserver-Adresse beginnt mit https:// und nennt einen Host, z. B. https://mirror.example.com/homebrew.</translation>
    </message>
</context>
<context>
    <name>BrewNotes</name>
    <message>
        <source>Downloading %1.</source>
        <translation>%1 wird geladen.</translation>
    </message>
    <message>
        <source>Installing %1.</source>
        <translation>%1 wird installiert.</translation>
    </message>
    <message>
        <source>Putting %1 in place.</source>
        <translation>%1 wird bereitgestellt.</translation>
    </message>
    <message>
        <source>Almost done.</source>
        <translation>Fast fertig.</translation>
    </message>
    <message>
        <source>Working on %1.</source>
        <translation>%1 wird bearbeitet.</translation>
    </message>
    <message>
        <source>Cleaning up.</source>
        <translation>Wird aufgeräumt.</translation>
    </message>
    <message>
        <source>Removing %1.</source>
        <translation>%1 wird entfernt.</translation>
    </message>
</context>
<context>
    <name>BrewQuery</name>
    <message>
        <source>%1 was not run: Orvando is quitting.</source>
        <extracomment>%1 is a command, such as brew info</extracomment>
        <translation>%1 wurde nicht ausgeführt: Orvando wird beendet.</translation>
    </message>
    <message>
        <source>%1 could not be started: %2.</source>
        <extracomment>%1 is a command, such as brew info; %2 the system&apos;s reason</extracomment>
        <translation>%1 konnte nicht gestartet werden: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1 did not answer within %n seconds.</source>
        <extracomment>%1 is a command, such as brew info</extracomment>
        <translation>
            <numerusform>%1 hat nicht innerhalb von %n Sekunde geantwortet.</numerusform>
            <numerusform>%1 hat nicht innerhalb von %n Sekunden geantwortet.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 failed (code %2).</source>
        <extracomment>%1 is a command, such as brew info; %2 its exit code</extracomment>
        <translation>%1 ist fehlgeschlagen (Code %2).</translation>
    </message>
    <message>
        <source>%1 failed (code %2): %3</source>
        <extracomment>%1 is a command, such as brew info; %2 its exit code; %3 brew&apos;s own message</extracomment>
        <translation>%1 ist fehlgeschlagen (Code %2): %3</translation>
    </message>
</context>
<context>
    <name>BrewResult</name>
    <message>
        <source>No Homebrew found on this Mac.</source>
        <translation>Auf diesem Mac wurde kein Homebrew gefunden.</translation>
    </message>
</context>
<context>
    <name>BrewRunner</name>
    <message>
        <source>Install did not finish. You can try again.</source>
        <translation>Die Installation wurde nicht abgeschlossen. Du kannst es erneut versuchen.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
</context>
<context>
    <name>BundlePlacer</name>
    <message>
        <source>Could not put %1 into %2: %3.</source>
        <extracomment>%1 is an app&apos;s file name, %2 a folder, %3 the system&apos;s reason</extracomment>
        <translation>%1 konnte nicht in %2 abgelegt werden: %3.</translation>
    </message>
    <message>
        <source>Could not put %1 into %2. %3</source>
        <extracomment>%1 is an app&apos;s file name, %2 a folder, %3 a sentence saying why</extracomment>
        <translation>%1 konnte nicht in %2 abgelegt werden. %3</translation>
    </message>
</context>
<context>
    <name>CaskFactsText</name>
    <message>
        <source> Homebrew suggests “%1” instead.</source>
        <extracomment>Follows another sentence, so it starts with a space; %1 is the name of another app or cask</extracomment>
        <translation> Homebrew empfiehlt stattdessen „%1“.</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>date format</comment>
        <extracomment>The date format for when Homebrew stops offering an app, as in 1 September 2026 (Qt&apos;s date pattern letters)</extracomment>
        <translation>d. MMMM yyyy</translation>
    </message>
    <message>
        <source>its makers have stopped working on it</source>
        <translation>die Entwickler arbeiten nicht mehr daran</translation>
    </message>
    <message>
        <source>it is now only on the Mac App Store</source>
        <translation>sie ist jetzt nur noch im Mac App Store erhältlich</translation>
    </message>
    <message>
        <source>its makers no longer offer the download</source>
        <translation>die Entwickler bieten den Download nicht mehr an</translation>
    </message>
    <message>
        <source>it no longer meets Homebrew’s rules for apps</source>
        <translation>sie erfüllt die Regeln von Homebrew für Apps nicht mehr</translation>
    </message>
    <message>
        <source>nobody maintains it any more</source>
        <translation>sie wird nicht mehr gepflegt</translation>
    </message>
    <message>
        <source>it does not pass Apple’s Gatekeeper check</source>
        <translation>sie besteht die Gatekeeper-Prüfung von Apple nicht</translation>
    </message>
    <message>
        <source>it contains a part Apple’s security checks reject</source>
        <translation>sie enthält einen Teil, den die Sicherheitsprüfungen von Apple ablehnen</translation>
    </message>
    <message>
        <source>its source code repository has been archived</source>
        <translation>ihr Quellcode-Repository wurde archiviert</translation>
    </message>
    <message>
        <source>its source code repository has been removed</source>
        <translation>ihr Quellcode-Repository wurde entfernt</translation>
    </message>
    <message>
        <source>Homebrew no longer offers %1, since %2.</source>
        <extracomment>%1 is an app&apos;s name, %2 a date</extracomment>
        <translation>Homebrew bietet %1 seit dem %2 nicht mehr an.</translation>
    </message>
    <message>
        <source>Homebrew no longer offers %1: %2, since %3.</source>
        <extracomment>%1 is an app&apos;s name, %2 why, as a clause (&quot;its makers have stopped working on it&quot;), %3 a date</extracomment>
        <translation>Homebrew bietet %1 seit dem %3 nicht mehr an: %2.</translation>
    </message>
    <message>
        <source>Homebrew no longer offers %1.</source>
        <extracomment>%1 is an app&apos;s name</extracomment>
        <translation>Homebrew bietet %1 nicht mehr an.</translation>
    </message>
    <message>
        <source>Homebrew no longer offers %1: %2.</source>
        <extracomment>%1 is an app&apos;s name, %2 why, as a clause (&quot;its makers have stopped working on it&quot;)</extracomment>
        <translation>Homebrew bietet %1 nicht mehr an: %2.</translation>
    </message>
    <message>
        <source>Homebrew no longer recommends %1.</source>
        <extracomment>%1 is an app&apos;s name</extracomment>
        <translation>Homebrew empfiehlt %1 nicht mehr.</translation>
    </message>
    <message>
        <source>Homebrew no longer recommends %1: %2.</source>
        <extracomment>%1 is an app&apos;s name, %2 why, as a clause (&quot;its makers have stopped working on it&quot;)</extracomment>
        <translation>Homebrew empfiehlt %1 nicht mehr: %2.</translation>
    </message>
    <message>
        <source> It will stop offering it on %1.</source>
        <extracomment>Follows another sentence, so it starts with a space; %1 is a date</extracomment>
        <translation> Ab dem %1 wird sie nicht mehr angeboten.</translation>
    </message>
    <message>
        <source>Checksum verified by Homebrew</source>
        <translation>Prüfsumme von Homebrew überprüft</translation>
    </message>
    <message>
        <source>Not verified: this app&apos;s download changes with every release</source>
        <translation>Nicht überprüft: Der Download dieser App ändert sich mit jeder Version</translation>
    </message>
    <message>
        <source>Verified against GitHub&apos;s published digest</source>
        <translation>Mit dem von GitHub veröffentlichten Digest überprüft</translation>
    </message>
    <message>
        <source>Not verified: GitHub published no digest for this download</source>
        <translation>Nicht überprüft: GitHub hat für diesen Download keinen Digest veröffentlicht</translation>
    </message>
    <message>
        <source>Updates itself</source>
        <translation>Aktualisiert sich selbst</translation>
    </message>
</context>
<context>
    <name>Catalog</name>
    <message>
        <source>d MMMM yyyy</source>
        <comment>date format</comment>
        <translation>d. MMMM yyyy</translation>
    </message>
    <message numerus="yes">
        <source>Catalog: built in, %n apps</source>
        <translation>
            <numerusform>Katalog: integriert, %n App</numerusform>
            <numerusform>Katalog: integriert, %n Apps</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Catalog: updated %1, %n apps</source>
        <extracomment>%1 is the day the catalog in use was issued, e.g. &quot;7 December 2026&quot;.</extracomment>
        <translation>
            <numerusform>Katalog: aktualisiert am %1, %n App</numerusform>
            <numerusform>Katalog: aktualisiert am %1, %n Apps</numerusform>
        </translation>
    </message>
    <message>
        <source>A newer catalog from %1 is ready. Orvando uses it the next time it opens.</source>
        <extracomment>%1 is the day the newer catalog was issued, e.g. &quot;7 December 2026&quot;.</extracomment>
        <translation>Ein neuerer Katalog vom %1 ist bereit. Orvando verwendet ihn beim nächsten Öffnen.</translation>
    </message>
</context>
<context>
    <name>CatalogApp</name>
    <message>
        <source>Window &amp; desktop</source>
        <extracomment>A category of apps, in the sidebar and on an app&apos;s page.</extracomment>
        <translation>Fenster &amp; Schreibtisch</translation>
    </message>
    <message>
        <source>Clipboard &amp; text</source>
        <extracomment>A category of apps, in the sidebar and on an app&apos;s page.</extracomment>
        <translation>Zwischenablage &amp; Text</translation>
    </message>
    <message>
        <source>Media</source>
        <extracomment>A category of apps (video, audio, images), in the sidebar and on an app&apos;s page.</extracomment>
        <translation>Medien</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <extracomment>A category of apps that live in the menu bar, in the sidebar and on an app&apos;s page.</extracomment>
        <translation>Menüleiste</translation>
    </message>
    <message>
        <source>Privacy &amp; security</source>
        <extracomment>A category of apps (password managers), in the sidebar and on an app&apos;s page.</extracomment>
        <translation>Datenschutz &amp; Sicherheit</translation>
    </message>
    <message>
        <source>Files &amp; disk</source>
        <extracomment>A category of apps, in the sidebar and on an app&apos;s page.</extracomment>
        <translation>Dateien &amp; Festplatte</translation>
    </message>
    <message>
        <source>Proprietary</source>
        <extracomment>An app&apos;s licence: closed source, owned by its maker.</extracomment>
        <translation>Proprietär</translation>
    </message>
    <message>
        <source>Free</source>
        <extracomment>An app&apos;s price: it costs nothing.</extracomment>
        <translation>Kostenlos</translation>
    </message>
    <message>
        <source>Freemium</source>
        <extracomment>An app&apos;s price: free, with paid extras.</extracomment>
        <translation>Freemium</translation>
    </message>
    <message>
        <source>%1/yr</source>
        <extracomment>A yearly price; %1 is the amount with its currency, e.g. &quot;$30&quot;.</extracomment>
        <translation>%1/Jahr</translation>
    </message>
    <message>
        <source>%1/mo</source>
        <extracomment>A monthly price; %1 is the amount with its currency, e.g. &quot;$23&quot;.</extracomment>
        <translation>%1/Monat</translation>
    </message>
    <message>
        <source>No value associated with key &quot;%1&quot;.</source>
        <extracomment>A catalog entry lacks a field; %1 is the JSON key, e.g. &quot;homepage&quot;.</extracomment>
        <translation>Kein Wert für den Schlüssel „%1“.</translation>
    </message>
    <message>
        <source>Expected a string for key &quot;%1&quot;.</source>
        <extracomment>%1 is a JSON key of a catalog entry.</extracomment>
        <translation>Für den Schlüssel „%1“ wird ein Text erwartet.</translation>
    </message>
    <message>
        <source>Expected an object for key &quot;%1&quot;.</source>
        <extracomment>%1 is a JSON key of a catalog entry.</extracomment>
        <translation>Für den Schlüssel „%1“ wird ein Objekt erwartet.</translation>
    </message>
    <message>
        <source>Cannot initialize %1 from invalid value &quot;%2&quot;.</source>
        <extracomment>%1 is a JSON key of a catalog entry (&quot;category&quot;), %2 the value found there.</extracomment>
        <translation>„%2“ ist kein gültiger Wert für %1.</translation>
    </message>
    <message>
        <source>Invalid number of keys found, expected one.</source>
        <extracomment>The &quot;install&quot; field of a catalog entry must name exactly one kind of source.</extracomment>
        <translation>Falsche Anzahl an Schlüsseln, erwartet wird genau einer.</translation>
    </message>
    <message>
        <source>Cannot initialize install from invalid key &quot;%1&quot;.</source>
        <extracomment>%1 is a JSON key found in the &quot;install&quot; field of a catalog entry.</extracomment>
        <translation>„%1“ ist kein gültiger Schlüssel für install.</translation>
    </message>
    <message>
        <source>Expected an array for key &quot;screenshots&quot;.</source>
        <translation>Für den Schlüssel „screenshots“ wird eine Liste erwartet.</translation>
    </message>
    <message>
        <source>Expected a string in &quot;screenshots&quot;.</source>
        <translation>In „screenshots“ wird Text erwartet.</translation>
    </message>
    <message>
        <source>Expected a boolean for key &quot;isCurated&quot;.</source>
        <translation>Für den Schlüssel „isCurated“ wird ein Wahrheitswert erwartet.</translation>
    </message>
</context>
<context>
    <name>CatalogDocument</name>
    <message>
        <source>the id is not a plain lower-case name</source>
        <extracomment>What is wrong with a catalog entry, written after: Entry 3 (&quot;maccy&quot;):</extracomment>
        <translation>die ID ist kein einfacher Name in Kleinbuchstaben</translation>
    </message>
    <message>
        <source>the name is empty</source>
        <extracomment>What is wrong with a catalog entry, written after: Entry 3 (&quot;maccy&quot;):</extracomment>
        <translation>der Name ist leer</translation>
    </message>
    <message>
        <source>the cask token is not one brew would take as a name</source>
        <extracomment>What is wrong with a catalog entry, written after: Entry 3 (&quot;maccy&quot;):</extracomment>
        <translation>brew würde das Cask-Token nicht als Namen annehmen</translation>
    </message>
    <message>
        <source>the GitHub repository is not &quot;owner/name&quot;</source>
        <extracomment>What is wrong with a catalog entry, written after: Entry 3 (&quot;maccy&quot;):</extracomment>
        <translation>das GitHub-Repository hat nicht die Form „owner/name“</translation>
    </message>
    <message>
        <source>an asset name is not a plain file name</source>
        <extracomment>What is wrong with a catalog entry, written after: Entry 3 (&quot;maccy&quot;):</extracomment>
        <translation>ein Asset-Name ist kein einfacher Dateiname</translation>
    </message>
    <message>
        <source>the home page is not an https address</source>
        <extracomment>What is wrong with a catalog entry, written after: Entry 3 (&quot;maccy&quot;):</extracomment>
        <translation>die Homepage ist keine https-Adresse</translation>
    </message>
    <message>
        <source>the bundle identifier is not one macOS would accept</source>
        <extracomment>What is wrong with a catalog entry, written after: Entry 3 (&quot;maccy&quot;):</extracomment>
        <translation>macOS würde die Bundle-ID nicht akzeptieren</translation>
    </message>
    <message>
        <source>a screenshot name is not a plain name</source>
        <extracomment>What is wrong with a catalog entry, written after: Entry 3 (&quot;maccy&quot;):</extracomment>
        <translation>ein Bildschirmfotoname ist kein einfacher Name</translation>
    </message>
    <message>
        <source>The catalog is not a JSON object.</source>
        <translation>Der Katalog ist kein JSON-Objekt.</translation>
    </message>
    <message>
        <source>The catalog is not of format %1.</source>
        <extracomment>%1 is the number of the catalog layout this program reads, e.g. 1.</extracomment>
        <translation>Der Katalog hat nicht das Format %1.</translation>
    </message>
    <message>
        <source>The catalog has no valid &quot;issued&quot; date and time.</source>
        <translation>Der Katalog hat kein gültiges Datum mit Uhrzeit unter „issued“.</translation>
    </message>
    <message>
        <source>The catalog has no list of apps.</source>
        <translation>Der Katalog enthält keine Liste von Apps.</translation>
    </message>
    <message>
        <source>Entry %1 is not an object.</source>
        <extracomment>%1 is the number of an entry in the catalog&apos;s list of apps, from 1.</extracomment>
        <translation>Eintrag %1 ist kein Objekt.</translation>
    </message>
    <message>
        <source>Entry %1: %2</source>
        <extracomment>%1 is the number of an entry in the catalog&apos;s list of apps, %2 what is wrong with it.</extracomment>
        <translation>Eintrag %1: %2</translation>
    </message>
    <message>
        <source>Entry %1 (&quot;%2&quot;): %3.</source>
        <extracomment>%1 is the number of an entry in the catalog&apos;s list of apps, %2 its id, %3 what is wrong with it (&quot;the name is empty&quot;).</extracomment>
        <translation>Eintrag %1 („%2“): %3.</translation>
    </message>
    <message>
        <source>Entry %1: the id &quot;%2&quot; is used twice.</source>
        <extracomment>%1 is the number of an entry in the catalog&apos;s list of apps, %2 its id.</extracomment>
        <translation>Eintrag %1: Die ID „%2“ wird doppelt verwendet.</translation>
    </message>
</context>
<context>
    <name>CatalogList</name>
    <message>
        <source>A clipboard that remembers what you copied.</source>
        <translation>Eine Zwischenablage, die sich merkt, was du kopiert hast.</translation>
    </message>
    <message>
        <source>Hide and arrange your menu bar icons.</source>
        <translation>Blende Symbole in der Menüleiste aus und ordne sie an.</translation>
    </message>
    <message>
        <source>Snap windows into place with a keyboard shortcut.</source>
        <translation>Rücke Fenster per Tastaturkurzbefehl an ihren Platz.</translation>
    </message>
    <message>
        <source>Arrange windows by flicking your mouse to an edge.</source>
        <translation>Ordne Fenster an, indem du die Maus an einen Rand schnellst.</translation>
    </message>
    <message>
        <source>See every window when you switch with the keyboard.</source>
        <translation>Sieh beim Wechseln per Tastatur jedes Fenster.</translation>
    </message>
    <message>
        <source>A video player that plays everything.</source>
        <translation>Ein Videoplayer, der alles abspielt.</translation>
    </message>
    <message>
        <source>Convert video into a smaller, shareable file.</source>
        <translation>Wandle Videos in kleinere Dateien zum Teilen um.</translation>
    </message>
    <message>
        <source>Convert audio, video, and images with pro control.</source>
        <translation>Konvertiere Audio, Video und Bilder mit Profi-Einstellungen.</translation>
    </message>
    <message>
        <source>Download video and audio from the web, beautifully.</source>
        <translation>Lade Video und Audio aus dem Web – elegant und einfach.</translation>
    </message>
    <message>
        <source>See CPU, memory, and network in your menu bar.</source>
        <translation>Sieh CPU, Speicher und Netzwerk in der Menüleiste.</translation>
    </message>
    <message>
        <source>Open and make archives in any format.</source>
        <translation>Öffne und erstelle Archive in jedem Format.</translation>
    </message>
    <message>
        <source>Type a short code and expand it into anything.</source>
        <translation>Tippe ein Kürzel und erweitere es zu beliebigem Text.</translation>
    </message>
    <message>
        <source>Tune resolution, brightness, and dummy displays.</source>
        <translation>Passe Auflösung, Helligkeit und virtuelle Displays an.</translation>
    </message>
    <message>
        <source>Screenshot, annotate, and pull text out of any image.</source>
        <translation>Nimm Bildschirmfotos auf, beschrifte sie und hol Text aus jedem Bild.</translation>
    </message>
    <message>
        <source>Uninstall apps and sweep up the files they leave behind.</source>
        <translation>Deinstalliere Apps und räume die Dateien auf, die sie zurücklassen.</translation>
    </message>
    <message>
        <source>Pomodoro timer in your menu bar.</source>
        <translation>Pomodoro-Timer in der Menüleiste.</translation>
    </message>
    <message>
        <source>Launch apps and run quick actions from one bar.</source>
        <translation>Öffne Apps und führe Schnellaktionen aus – alles in einer Leiste.</translation>
    </message>
    <message>
        <source>Make any mouse scroll and track the way you want.</source>
        <translation>Lass jede Maus so scrollen und reagieren, wie du willst.</translation>
    </message>
    <message>
        <source>Read your news feeds in one quiet place.</source>
        <translation>Lies deine News-Feeds an einem ruhigen Ort.</translation>
    </message>
    <message>
        <source>The player that has never met a file it cannot open.</source>
        <translation>Der Player, der noch jede Datei öffnen konnte.</translation>
    </message>
    <message>
        <source>Draw and edit vector graphics for free.</source>
        <translation>Zeichne und bearbeite Vektorgrafiken kostenlos.</translation>
    </message>
    <message>
        <source>Tuck away the menu bar icons you rarely need.</source>
        <translation>Verstau die Symbole in der Menüleiste, die du selten brauchst.</translation>
    </message>
    <message>
        <source>Keep your passwords in a vault you own.</source>
        <translation>Bewahre deine Passwörter in einem Tresor auf, der dir gehört.</translation>
    </message>
    <message>
        <source>Sync your passwords across every device you own.</source>
        <translation>Synchronisiere deine Passwörter auf allen deinen Geräten.</translation>
    </message>
    <message>
        <source>Write an OS image to an SD card without fuss.</source>
        <translation>Schreib ein Betriebssystem-Image ganz einfach auf eine SD-Karte.</translation>
    </message>
    <message>
        <source>Send files between your devices over the local network.</source>
        <translation>Sende Dateien über das lokale Netzwerk zwischen deinen Geräten.</translation>
    </message>
    <message>
        <source>Browse FTP and cloud storage like a folder.</source>
        <translation>Durchsuche FTP- und Cloudspeicher wie einen Ordner.</translation>
    </message>
    <message>
        <source>Organize and convert your ebook library.</source>
        <translation>Organisiere und konvertiere deine E-Book-Bibliothek.</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>GitHub releases of %1 (%2)</source>
        <extracomment>%1 is a GitHub repository, %2 the file downloaded from its releases</extracomment>
        <translation>GitHub-Releases von %1 (%2)</translation>
    </message>
    <message>
        <source>Homebrew cask %1</source>
        <translation>Homebrew-Cask %1</translation>
    </message>
    <message>
        <source>The free version is all you need. Pro extras are optional.</source>
        <translation>Die kostenlose Version reicht völlig. Pro-Extras sind optional.</translation>
    </message>
    <message>
        <source>Replaces %1 - %2</source>
        <extracomment>%1 is a paid app, %2 its price, such as $30/yr</extracomment>
        <translation>Ersetzt %1 – %2</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>%1 (installed %2)</source>
        <extracomment>%1 is the update, such as &quot;Update to 2.1.0&quot;, %2 the installed version</extracomment>
        <translation>%1 (installiert: %2)</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Lizenz</translation>
    </message>
    <message>
        <source>Pricing</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Hand-picked</source>
        <translation>Handverlesen</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Bundle ID</source>
        <translation>Bundle-ID</translation>
    </message>
    <message>
        <source>none recorded</source>
        <translation>keine angegeben</translation>
    </message>
    <message>
        <source>Installed at</source>
        <translation>Installiert in</translation>
    </message>
    <message>
        <source>list: every app, not only the hand-picked ones; update: every app with an update</source>
        <translation>list: jede App, nicht nur die handverlesenen; update: jede App mit einem Update</translation>
    </message>
    <message>
        <source>only the apps of one category: window, clipboard, media, menubar, security, files</source>
        <translation>nur die Apps einer Kategorie: window, clipboard, media, menubar, security, files</translation>
    </message>
    <message>
        <source>apps whose name, description, category or replaced app holds the text</source>
        <translation>Apps, deren Name, Beschreibung, Kategorie oder ersetzte App den Text enthält</translation>
    </message>
    <message>
        <source>print JSON (documented in the README) instead of text</source>
        <translation>JSON (in der README beschrieben) statt Text ausgeben</translation>
    </message>
    <message>
        <source>install without asking for confirmation</source>
        <translation>installieren, ohne nachzufragen</translation>
    </message>
    <message>
        <source>history: list at most n operations (20 unless given)</source>
        <translation>history: höchstens n Vorgänge auflisten (ohne Angabe 20)</translation>
    </message>
    <message>
        <source>never set up Homebrew; exit with 3 when an app needs it</source>
        <translation>Homebrew nie einrichten; mit 3 beenden, wenn eine App es braucht</translation>
    </message>
    <message>
        <source>uninstall: remove the app only; its settings and data stay</source>
        <translation>uninstall: nur die App entfernen; ihre Einstellungen und Daten bleiben</translation>
    </message>
    <message>
        <source>uninstall: list what would go, with sizes; nothing is changed</source>
        <translation>uninstall: auflisten, was entfernt würde, mit Größen; nichts wird geändert</translation>
    </message>
    <message>
        <source>no progress and no success messages; errors only</source>
        <translation>keine Fortschritts- und Erfolgsmeldungen; nur Fehler</translation>
    </message>
    <message>
        <source>also print brew&apos;s own lines</source>
        <translation>auch die Zeilen von brew selbst ausgeben</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>diese Hilfe</translation>
    </message>
    <message>
        <source>The hand-picked apps (every app with --all), with their state.</source>
        <translation>Die handverlesenen Apps (mit --all jede App) mit ihrem Status.</translation>
    </message>
    <message>
        <source>Everything about one app: what it is, its state, and what you are about to trust.</source>
        <translation>Alles über eine App: was sie ist, ihr Status und worauf du dich verlässt.</translation>
    </message>
    <message>
        <source>Installs apps, one after another.</source>
        <translation>Installiert Apps, eine nach der anderen.</translation>
    </message>
    <message>
        <source>Removes apps and the files they leave behind, to the Trash.</source>
        <translation>Entfernt Apps und die Dateien, die sie hinterlassen, in den Papierkorb.</translation>
    </message>
    <message>
        <source>Updates the apps named, or every app with an update (those that update themselves are left alone).</source>
        <translation>Aktualisiert die genannten Apps oder jede App mit einem Update (Apps, die sich selbst aktualisieren, bleiben unberührt).</translation>
    </message>
    <message>
        <source>The installed apps that have a newer version.</source>
        <translation>Die installierten Apps, für die es eine neuere Version gibt.</translation>
    </message>
    <message>
        <source>Writes the installed apps as a Brewfile, to the file or to standard output.</source>
        <translation>Schreibt die installierten Apps als Brewfile in die Datei oder auf die Standardausgabe.</translation>
    </message>
    <message>
        <source>Installs the apps a Brewfile or a list of ids names, once you have confirmed the set.</source>
        <translation>Installiert die Apps, die ein Brewfile oder eine Liste von IDs nennt, sobald du die Auswahl bestätigt hast.</translation>
    </message>
    <message>
        <source>What Orvando did, newest first: every operation, one app&apos;s (by its id), or one operation in full (by its number).</source>
        <translation>Was Orvando getan hat, das Neueste zuerst: jeder Vorgang, die einer App (nach ihrer ID) oder ein Vorgang vollständig (nach seiner Nummer).</translation>
    </message>
    <message>
        <source>Puts back the version of a downloaded app that its last update replaced.</source>
        <translation>Stellt die Version einer geladenen App wieder her, die ihr letztes Update ersetzt hat.</translation>
    </message>
    <message>
        <source>Name the apps to update, or use --all, not both.</source>
        <translation>Nenne die zu aktualisierenden Apps oder verwende --all, nicht beides.</translation>
    </message>
    <message>
        <source>The %1 command needs one file.</source>
        <extracomment>%1 is a command&apos;s name, such as info</extracomment>
        <translation>Der Befehl %1 braucht eine Datei.</translation>
    </message>
    <message>
        <source>The %1 command needs one app id.</source>
        <translation>Der Befehl %1 braucht eine App-ID.</translation>
    </message>
    <message>
        <source>Name at least one app to %1.</source>
        <translation>Nenne mindestens eine App für %1.</translation>
    </message>
    <message>
        <source>The %1 command takes no app or file names.</source>
        <translation>Der Befehl %1 nimmt keine App- oder Dateinamen an.</translation>
    </message>
    <message>
        <source>The %1 command takes one name only.</source>
        <translation>Der Befehl %1 nimmt nur einen Namen an.</translation>
    </message>
    <message>
        <source>Name a command. “%1 --help” lists them.</source>
        <translation>Nenne einen Befehl. „%1 --help“ listet sie auf.</translation>
    </message>
    <message>
        <source>Unknown command “%1”.</source>
        <translation>Unbekannter Befehl „%1“.</translation>
    </message>
    <message>
        <source>“%1 --help” lists the commands.</source>
        <translation>„%1 --help“ listet die Befehle auf.</translation>
    </message>
    <message>
        <source>Unknown option “%1” for %2.</source>
        <extracomment>%1 is the option typed, %2 the command&apos;s name</extracomment>
        <translation>Unbekannte Option „%1“ für %2.</translation>
    </message>
    <message>
        <source>Did you mean “%1”?</source>
        <translation>Meintest du „%1“?</translation>
    </message>
    <message>
        <source>“%1 %2 --help” lists its options.</source>
        <translation>„%1 %2 --help“ listet ihre Optionen auf.</translation>
    </message>
    <message>
        <source>%1 needs a value: %2.</source>
        <extracomment>%1 is the option, %2 what it takes, such as &lt;n&gt;</extracomment>
        <translation>%1 braucht einen Wert: %2.</translation>
    </message>
    <message>
        <source>--limit needs a whole number above 0.</source>
        <translation>--limit braucht eine ganze Zahl über 0.</translation>
    </message>
    <message>
        <source>%1 takes no value.</source>
        <translation>%1 nimmt keinen Wert an.</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <extracomment>%1 is the command line as typed, such as &quot;orvando-cli info &lt;id&gt;&quot;</extracomment>
        <translation>Verwendung: %1</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>The hand-picked catalog of free Mac apps, from a terminal or a script.</source>
        <translation>Der handverlesene Katalog kostenloser Mac-Apps, im Terminal oder in einem Skript.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>Befehle:</translation>
    </message>
    <message>
        <source>the program&apos;s version</source>
        <translation>die Version des Programms</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 an operation failed, 2 bad usage, 3 Homebrew is needed and was not set up, 130 interrupted.</source>
        <translation>Exit-Status: 0 fertig, 1 ein Vorgang ist fehlgeschlagen, 2 falsche Verwendung, 3 Homebrew wird gebraucht und wurde nicht eingerichtet, 130 abgebrochen.</translation>
    </message>
    <message>
        <source>Unknown app “%1”.</source>
        <translation>Unbekannte App „%1“.</translation>
    </message>
    <message>
        <source>The list --all command shows every app.</source>
        <translation>Der Befehl list --all zeigt jede App.</translation>
    </message>
    <message>
        <source>Unknown category “%1”.</source>
        <extracomment>%1 lists the category names to type, which stay in English</extracomment>
        <translation>Unbekannte Kategorie „%1“.</translation>
    </message>
    <message>
        <source>The categories are %1.</source>
        <translation>Die Kategorien sind %1.</translation>
    </message>
    <message>
        <source>Installed %1.</source>
        <translation>%1 installiert.</translation>
    </message>
    <message>
        <source>Updated %1.</source>
        <extracomment>%1 is the app, %2 its new version</extracomment>
        <translation>%1 aktualisiert.</translation>
    </message>
    <message>
        <source>Updated %1 to %2.</source>
        <translation>%1 auf %2 aktualisiert.</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <translation>%1 entfernt.</translation>
    </message>
    <message>
        <source>Not started: %1.</source>
        <extracomment>%1 lists the apps&apos; names</extracomment>
        <translation>Nicht begonnen: %1.</translation>
    </message>
    <message>
        <source>Homebrew was not set up, as --no-setup asks.</source>
        <translation>Homebrew wurde nicht eingerichtet, wie --no-setup es verlangt.</translation>
    </message>
    <message>
        <source>Run this in a terminal to set Homebrew up (it asks for your password once), or install Homebrew first.</source>
        <translation>Führe dies in einem Terminal aus, um Homebrew einzurichten (es fragt einmal nach deinem Passwort), oder installiere Homebrew zuerst.</translation>
    </message>
    <message>
        <source>Stopped. %1 is left as it is on disk.</source>
        <translation>Angehalten. %1 bleibt auf dem Volume, wie es ist.</translation>
    </message>
    <message>
        <source>Could not check for updates.</source>
        <translation>Nach Updates konnte nicht gesucht werden.</translation>
    </message>
    <message>
        <source>Reading what Homebrew says about the apps…</source>
        <translation>Lese, was Homebrew über die Apps sagt …</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Nach Updates suchen …</translation>
    </message>
    <message>
        <source>Not every app could be checked for updates: %1</source>
        <translation>Nicht jede App konnte auf Updates geprüft werden: %1</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n apps to %1.</source>
        <translation>
            <numerusform>%n App in %1 geschrieben.</numerusform>
            <numerusform>%n Apps in %1 geschrieben.</numerusform>
        </translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Vorgang</translation>
    </message>
    <message>
        <source>App</source>
        <translation>App</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Begonnen</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Beendet</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Why</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>The history of operations can&apos;t be read.</source>
        <translation>Der Verlauf der Vorgänge kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>There is no operation %1 in the history.</source>
        <translation>Im Verlauf gibt es keinen Vorgang %1.</translation>
    </message>
    <message>
        <source>Nothing has been done yet.</source>
        <translation>Bisher wurde nichts getan.</translation>
    </message>
    <message>
        <source>STARTED</source>
        <translation>BEGONNEN</translation>
    </message>
    <message>
        <source>APP</source>
        <translation>APP</translation>
    </message>
    <message>
        <source>KIND</source>
        <translation>ART</translation>
    </message>
    <message>
        <source>VERSION</source>
        <translation>VERSION</translation>
    </message>
    <message>
        <source>OUTCOME</source>
        <translation>ERGEBNIS</translation>
    </message>
    <message>
        <source>Not in the catalog, left out: %1.</source>
        <translation>Nicht im Katalog, ausgelassen: %1.</translation>
    </message>
    <message>
        <source>Left to Homebrew: %1.</source>
        <translation>Homebrew überlassen: %1.</translation>
    </message>
    <message>
        <source>The file names no app of the catalog.</source>
        <translation>Die Datei nennt keine App aus dem Katalog.</translation>
    </message>
    <message numerus="yes">
        <source>The file names %n apps:</source>
        <translation>
            <numerusform>Die Datei nennt %n App:</numerusform>
            <numerusform>Die Datei nennt %n Apps:</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was installed: confirm with --yes, or run the import in a terminal.</source>
        <translation>Nichts wurde installiert: Bestätige mit --yes oder führe den Import in einem Terminal aus.</translation>
    </message>
    <message>
        <source>Install %1? [y/N] </source>
        <extracomment>The answer stays y or n in every language</extracomment>
        <translation>%1 installieren? [y/N] </translation>
    </message>
    <message numerus="yes">
        <source>Install these %n apps? [y/N] </source>
        <translation>
            <numerusform>Diese %n App installieren? [y/N] </numerusform>
            <numerusform>Diese %n Apps installieren? [y/N] </numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was installed.</source>
        <translation>Nichts wurde installiert.</translation>
    </message>
    <message>
        <source>No app matches.</source>
        <translation>Keine App passt.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>CATEGORY</source>
        <translation>KATEGORIE</translation>
    </message>
    <message>
        <source>STATE</source>
        <translation>STATUS</translation>
    </message>
    <message>
        <source>Left alone: %1</source>
        <translation>Unberührt: %1</translation>
    </message>
    <message>
        <source>Every installed app is up to date.</source>
        <translation>Jede installierte App ist auf dem neuesten Stand.</translation>
    </message>
    <message>
        <source>INSTALLED</source>
        <translation>INSTALLIERT</translation>
    </message>
    <message>
        <source>AVAILABLE</source>
        <translation>VERFÜGBAR</translation>
    </message>
    <message>
        <source>Putting %1 %2 back…</source>
        <extracomment>%1 is the app, %2 the version it goes back to</extracomment>
        <translation>%1 %2 wird wiederhergestellt …</translation>
    </message>
    <message>
        <source>Put %1 %2 back.</source>
        <translation>%1 %2 wiederhergestellt.</translation>
    </message>
    <message>
        <source>(needs your administrator password)</source>
        <translation>(braucht dein Administratorpasswort)</translation>
    </message>
    <message numerus="yes">
        <source>(%n items of data kept)</source>
        <translation>
            <numerusform>(%n Datenobjekt behalten)</numerusform>
            <numerusform>(%n Datenobjekte behalten)</numerusform>
        </translation>
    </message>
    <message>
        <source>kept (one of your own folders): %1</source>
        <translation>behalten (einer deiner eigenen Ordner): %1</translation>
    </message>
    <message>
        <source>left alone: %1</source>
        <translation>unberührt: %1</translation>
    </message>
</context>
<context>
    <name>DetailActionArea</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installieren</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>verb: open the app</comment>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Installiert</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Deinstallieren</translation>
    </message>
    <message>
        <source>Set up Homebrew</source>
        <translation>Homebrew einrichten</translation>
    </message>
    <message>
        <source>Unavailable</source>
        <translation>Nicht verfügbar</translation>
    </message>
    <message>
        <source>Show in Finder</source>
        <translation>Im Finder zeigen</translation>
    </message>
    <message>
        <source>Refresh Homebrew</source>
        <translation>Homebrew aktualisieren</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>%1 öffnen</translation>
    </message>
    <message>
        <source>Uninstall %1</source>
        <translation>%1 deinstallieren</translation>
    </message>
    <message>
        <source>Set up Homebrew for %1</source>
        <translation>Homebrew für %1 einrichten</translation>
    </message>
    <message>
        <source>One-time setup (needs your Mac password once), then %1 installs automatically.</source>
        <translation>Einmalige Einrichtung (braucht einmal dein Mac-Passwort), danach wird %1 automatisch installiert.</translation>
    </message>
</context>
<context>
    <name>DirectDownload</name>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>Resolving latest %1 release from %2</source>
        <extracomment>%1 is the app, %2 its GitHub repository (&quot;p0deje/Maccy&quot;).</extracomment>
        <translation>Neueste Version von %1 wird auf %2 gesucht</translation>
    </message>
    <message>
        <source>Finding the latest %1.</source>
        <translation>Neueste Version von %1 wird gesucht.</translation>
    </message>
    <message>
        <source>There is no private temporary folder to download into.</source>
        <translation>Es gibt keinen privaten temporären Ordner für den Download.</translation>
    </message>
    <message>
        <source>Downloading %1</source>
        <extracomment>%1 is the name of the file downloaded (&quot;Maccy.app.zip&quot;).</extracomment>
        <translation>%1 wird geladen</translation>
    </message>
    <message>
        <source>Downloading %1.</source>
        <extracomment>%1 is the app, with the version coming when it is known (&quot;Maccy 2.1.0&quot;).</extracomment>
        <translation>%1 wird geladen.</translation>
    </message>
    <message>
        <source>Extracting and installing %1.app</source>
        <extracomment>%1 is the app&apos;s name; %1.app is its bundle.</extracomment>
        <translation>%1.app wird entpackt und installiert</translation>
    </message>
    <message>
        <source>Putting %1 in place.</source>
        <extracomment>%1 is the app, with the version coming when it is known (&quot;Maccy 2.1.0&quot;).</extracomment>
        <translation>%1 wird eingerichtet.</translation>
    </message>
    <message>
        <source>%1 was successfully updated at %2</source>
        <extracomment>%1 is the app, %2 where its bundle now is.</extracomment>
        <translation>%1 wurde erfolgreich in %2 aktualisiert</translation>
    </message>
    <message>
        <source>%1 was successfully installed at %2</source>
        <translation>%1 wurde erfolgreich in %2 installiert</translation>
    </message>
</context>
<context>
    <name>DirectInstallError</name>
    <message>
        <source>Could not find a download named %1 in the latest release.</source>
        <extracomment>%1 is the name of a file of the release</extracomment>
        <translation>In der neuesten Version wurde kein Download namens %1 gefunden.</translation>
    </message>
    <message>
        <source>Could not unpack the download (code %1).</source>
        <extracomment>%1 is the unpacking tool&apos;s exit code</extracomment>
        <translation>Der Download konnte nicht entpackt werden (Code %1).</translation>
    </message>
    <message>
        <source>The download did not contain an app.</source>
        <translation>Der Download enthielt keine App.</translation>
    </message>
    <message>
        <source>The download did not match its published checksum.</source>
        <translation>Der Download stimmte nicht mit seiner veröffentlichten Prüfsumme überein.</translation>
    </message>
    <message>
        <source>The app in the download is not the one expected, so it was not installed.</source>
        <translation>Die App im Download ist nicht die erwartete und wurde daher nicht installiert.</translation>
    </message>
    <message>
        <source>The app in the download points to files outside itself, so it was not installed.</source>
        <translation>Die App im Download verweist auf Dateien außerhalb von ihr und wurde daher nicht installiert.</translation>
    </message>
</context>
<context>
    <name>DownloadProgress</name>
    <message>
        <source>%1 KB</source>
        <extracomment>Kilobytes, in decimal units as the Finder counts them</extracomment>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 s left</source>
        <extracomment>Time left of a download, in seconds</extracomment>
        <translation>noch %1 s</translation>
    </message>
    <message>
        <source>%1 min left</source>
        <extracomment>Time left of a download, in minutes</extracomment>
        <translation>noch %1 Min.</translation>
    </message>
    <message>
        <source>about %1 h left</source>
        <extracomment>Time left of a download, in hours</extracomment>
        <translation>noch ca. %1 Std.</translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation>Wird geladen</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>How much of a download has come, in percent</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>%1/s</source>
        <extracomment>A download&apos;s speed; %1 is a size such as 1.2 MB</extracomment>
        <translation>%1/s</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes</source>
        <translation>
            <numerusform>%n Byte</numerusform>
            <numerusform>%n Byte</numerusform>
        </translation>
    </message>
    <message>
        <source>Downloading · %1</source>
        <extracomment>%1 is how far the download has come: &quot;21% · 10.0 MB / 46.7 MB · 1.2 MB/s · 30 s left&quot;</extracomment>
        <translation>Wird geladen · %1</translation>
    </message>
    <message>
        <source> · </source>
        <extracomment>Between the figures of a download: &quot;21% · 10.0 MB / 46.7 MB · 1.2 MB/s&quot;</extracomment>
        <translation> · </translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <extracomment>%1 is the size received so far, %2 the whole size</extracomment>
        <translation>%1 / %2</translation>
    </message>
</context>
<context>
    <name>EmptyState</name>
    <message>
        <source>No handselected apps in this category.</source>
        <translation>Keine handverlesenen Apps in dieser Kategorie.</translation>
    </message>
    <message>
        <source>No apps match “%1”</source>
        <extracomment>%1 is the text typed in the search field.</extracomment>
        <translation>Keine Apps passen zu „%1“</translation>
    </message>
</context>
<context>
    <name>FailureExplainer</name>
    <message>
        <source>The download of %1 failed (%2 answered %3). The app&apos;s publisher may have moved it; try again later.</source>
        <extracomment>%1 is the app, %2 the server&apos;s host name, %3 the HTTP status it answered with (404).</extracomment>
        <translation>Der Download von %1 ist fehlgeschlagen (%2 antwortete mit %3). Der Anbieter der App hat ihn eventuell verschoben; versuche es später erneut.</translation>
    </message>
    <message>
        <source>The download of %1 failed (the server answered %2). The app&apos;s publisher may have moved it; try again later.</source>
        <extracomment>%1 is the app, %2 the HTTP status the server answered with (404).</extracomment>
        <translation>Der Download von %1 ist fehlgeschlagen (der Server antwortete mit %2). Der Anbieter der App hat ihn eventuell verschoben; versuche es später erneut.</translation>
    </message>
    <message>
        <source>The download of %1 from %2 failed. The app&apos;s publisher may have moved it; try again later.</source>
        <extracomment>%1 is the app, %2 the server&apos;s host name.</extracomment>
        <translation>Der Download von %1 von %2 ist fehlgeschlagen. Der Anbieter der App hat ihn eventuell verschoben; versuche es später erneut.</translation>
    </message>
    <message>
        <source>The download of %1 failed. The app&apos;s publisher may have moved it; try again later.</source>
        <translation>Der Download von %1 ist fehlgeschlagen. Der Anbieter der App hat ihn eventuell verschoben; versuche es später erneut.</translation>
    </message>
    <message>
        <source>The download of %1 did not match its published checksum, so it was not installed.</source>
        <translation>Der Download von %1 stimmte nicht mit der veröffentlichten Prüfsumme überein, daher wurde die App nicht installiert.</translation>
    </message>
    <message>
        <source>The download of %1 did not match its published checksum, so it was not updated.</source>
        <translation>Der Download von %1 stimmte nicht mit der veröffentlichten Prüfsumme überein, daher wurde die App nicht aktualisiert.</translation>
    </message>
    <message>
        <source>%1 does not support this version of macOS (it runs on: %2 or newer).</source>
        <extracomment>%1 is the app, %2 the oldest macOS it runs on, as Homebrew names it (&quot;Ventura&quot; or &quot;13&quot;).</extracomment>
        <translation>%1 unterstützt diese macOS-Version nicht (läuft mit: %2 oder neuer).</translation>
    </message>
    <message>
        <source>%1 does not support this version of macOS (it runs on: %2 or older).</source>
        <extracomment>%1 is the app, %2 the newest macOS it runs on, as Homebrew names it (&quot;Monterey&quot; or &quot;12&quot;).</extracomment>
        <translation>%1 unterstützt diese macOS-Version nicht (läuft mit: %2 oder älter).</translation>
    </message>
    <message>
        <source>%1 does not support this version of macOS (it runs on: %2).</source>
        <extracomment>%1 is the app, %2 the macOS versions it runs on, as Homebrew lists them (&quot;Sonoma and Sequoia&quot;).</extracomment>
        <translation>%1 unterstützt diese macOS-Version nicht (läuft mit: %2).</translation>
    </message>
    <message>
        <source>Homebrew no longer offers %1.</source>
        <translation>Homebrew bietet %1 nicht mehr an.</translation>
    </message>
    <message>
        <source>Homebrew&apos;s list of apps on this Mac is out of date and does not know %1 yet. Refresh it, then try again.</source>
        <translation>Die App-Liste von Homebrew auf diesem Mac ist veraltet und kennt %1 noch nicht. Aktualisiere sie und versuche es dann erneut.</translation>
    </message>
    <message>
        <source>Homebrew&apos;s own copy of an earlier %1, left in its folder by an update that did not finish, is in the way, so %1 was not installed.</source>
        <translation>Eine frühere Kopie von %1, die ein nicht abgeschlossenes Update in Homebrews Ordner zurückgelassen hat, ist im Weg, daher wurde %1 nicht installiert.</translation>
    </message>
    <message>
        <source>Homebrew&apos;s own copy of an earlier %1, left in its folder by an update that did not finish, is in the way, so %1 was not updated.</source>
        <translation>Eine frühere Kopie von %1, die ein nicht abgeschlossenes Update in Homebrews Ordner zurückgelassen hat, ist im Weg, daher wurde %1 nicht aktualisiert.</translation>
    </message>
    <message>
        <source>Homebrew&apos;s own copy of an earlier %1, left in its folder by an update that did not finish, is in the way, so %1 was not removed.</source>
        <translation>Eine frühere Kopie von %1, die ein nicht abgeschlossenes Update in Homebrews Ordner zurückgelassen hat, ist im Weg, daher wurde %1 nicht entfernt.</translation>
    </message>
    <message>
        <source>%1 is already in Applications but was not installed through Homebrew. Open it, or remove it first.</source>
        <translation>%1 befindet sich bereits in „Programme“, wurde aber nicht über Homebrew installiert. Öffne die App oder entferne sie zuerst.</translation>
    </message>
    <message>
        <source>The Mac password was not entered, so %1 was not installed.</source>
        <translation>Das Mac-Passwort wurde nicht eingegeben, daher wurde %1 nicht installiert.</translation>
    </message>
    <message>
        <source>The Mac password was not entered, so %1 was not updated.</source>
        <translation>Das Mac-Passwort wurde nicht eingegeben, daher wurde %1 nicht aktualisiert.</translation>
    </message>
    <message>
        <source>The Mac password was not entered, so %1 was not removed.</source>
        <translation>Das Mac-Passwort wurde nicht eingegeben, daher wurde %1 nicht entfernt.</translation>
    </message>
    <message>
        <source>The installer of %1 failed. Its own log is in the install log.</source>
        <translation>Das Installationsprogramm von %1 ist fehlgeschlagen. Sein eigenes Protokoll steht im Installationsprotokoll.</translation>
    </message>
    <message>
        <source>Homebrew could not write to %1, so %2 was not installed. Its folders may belong to another user.</source>
        <extracomment>%1 is the folder or file Homebrew could not write to, %2 the app.</extracomment>
        <translation>Homebrew konnte nicht in %1 schreiben, daher wurde %2 nicht installiert. Seine Ordner gehören eventuell einem anderen Benutzer.</translation>
    </message>
    <message>
        <source>Homebrew could not write to %1, so %2 was not updated. Its folders may belong to another user.</source>
        <translation>Homebrew konnte nicht in %1 schreiben, daher wurde %2 nicht aktualisiert. Seine Ordner gehören eventuell einem anderen Benutzer.</translation>
    </message>
    <message>
        <source>Homebrew could not write to %1, so %2 was not removed. Its folders may belong to another user.</source>
        <translation>Homebrew konnte nicht in %1 schreiben, daher wurde %2 nicht entfernt. Seine Ordner gehören eventuell einem anderen Benutzer.</translation>
    </message>
    <message>
        <source>%1 could not be downloaded: no connection to its download server.</source>
        <translation>%1 konnte nicht geladen werden: keine Verbindung zum Download-Server.</translation>
    </message>
    <message>
        <source>%1 could not be downloaded: no connection to %2.</source>
        <extracomment>%1 is the app, %2 the host name of its download server.</extracomment>
        <translation>%1 konnte nicht geladen werden: keine Verbindung zu %2.</translation>
    </message>
    <message>
        <source>Homebrew could not install %1: %2</source>
        <extracomment>%1 is the app, %2 the reason: Homebrew&apos;s own message, in English, or a sentence of ours.</extracomment>
        <translation>Homebrew konnte %1 nicht installieren: %2</translation>
    </message>
    <message>
        <source>Homebrew could not update %1: %2</source>
        <translation>Homebrew konnte %1 nicht aktualisieren: %2</translation>
    </message>
    <message>
        <source>Homebrew could not remove %1: %2</source>
        <translation>Homebrew konnte %1 nicht entfernen: %2</translation>
    </message>
    <message>
        <source>a step it ran failed (%1 exited with %2).</source>
        <extracomment>Follows a colon: &quot;Homebrew could not install Maccy: a step it ran failed (installer exited with 1).&quot; %1 is the program that failed, %2 its exit status.</extracomment>
        <translation>ein ausgeführter Schritt ist fehlgeschlagen (%1 wurde mit %2 beendet).</translation>
    </message>
</context>
<context>
    <name>Feedback</name>
    <message>
        <source>What did you try?


What worked?


What broke or felt confusing?


Your Mac (model + macOS version):
</source>
        <extracomment>The body of a feedback e-mail: questions, each followed by room for the answer</extracomment>
        <translation>Was hast du versucht?


Was hat funktioniert?


Was ging schief oder war verwirrend?


Dein Mac (Modell + macOS-Version):
</translation>
    </message>
    <message>
        <source>Orvando v%1 feedback</source>
        <extracomment>The subject of a feedback e-mail; %1 is Orvando&apos;s version</extracomment>
        <translation>Feedback zu Orvando v%1</translation>
    </message>
    <message>
        <source>Orvando app suggestion</source>
        <translation>App-Vorschlag für Orvando</translation>
    </message>
    <message>
        <source>Suggested app / tool:


%1


Why it should be in Orvando:

</source>
        <extracomment>The body of an app suggestion e-mail; %1 is what the user typed</extracomment>
        <translation>Vorgeschlagene App / Tool:


%1


Warum es in Orvando gehört:

</translation>
    </message>
</context>
<context>
    <name>GatekeeperVerdict</name>
    <message>
        <source>Not checked on this computer</source>
        <translation>Auf diesem Computer nicht geprüft</translation>
    </message>
    <message>
        <source>Accepted: %1</source>
        <extracomment>Gatekeeper&apos;s verdict; %1 is the source macOS names, such as Notarized Developer ID</extracomment>
        <translation>Akzeptiert: %1</translation>
    </message>
    <message>
        <source>Accepted: %1 (%2)</source>
        <extracomment>Gatekeeper&apos;s verdict; %1 is the source macOS names, %2 the developer it names</extracomment>
        <translation>Akzeptiert: %1 (%2)</translation>
    </message>
    <message>
        <source>Rejected: %1</source>
        <extracomment>Gatekeeper&apos;s verdict; %1 is the source macOS names</extracomment>
        <translation>Abgelehnt: %1</translation>
    </message>
    <message>
        <source>Checking…</source>
        <extracomment>Gatekeeper&apos;s check of a downloaded app is running</extracomment>
        <translation>Wird geprüft …</translation>
    </message>
</context>
<context>
    <name>GitHubRelease</name>
    <message>
        <source>The release information from GitHub could not be read: %1</source>
        <extracomment>%1 says what is wrong with it</extracomment>
        <translation>Die Versionsinformationen von GitHub konnten nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>“%1” is missing.</source>
        <extracomment>%1 is the name of a field in GitHub&apos;s answer</extracomment>
        <translation>„%1“ fehlt.</translation>
    </message>
    <message>
        <source>“%1” has the wrong type.</source>
        <extracomment>%1 is the name of a field in GitHub&apos;s answer</extracomment>
        <translation>„%1“ hat den falschen Typ.</translation>
    </message>
    <message>
        <source>it is not valid JSON.</source>
        <translation>sie sind kein gültiges JSON.</translation>
    </message>
    <message>
        <source>it is not a release.</source>
        <translation>sie beschreiben keine Version.</translation>
    </message>
</context>
<context>
    <name>GitHubReleaseClient</name>
    <message>
        <source>the server stopped answering</source>
        <translation>der Server antwortet nicht mehr</translation>
    </message>
    <message>
        <source>There is no valid address for the releases of %1.</source>
        <extracomment>%1 is a GitHub repository, such as owner/name</extracomment>
        <translation>Es gibt keine gültige Adresse für die Versionen von %1.</translation>
    </message>
    <message>
        <source>Could not get the latest release from %1 (%2). You can try again.</source>
        <extracomment>%1 is a host, such as api.github.com; %2 why, in lower case</extracomment>
        <translation>Die neueste Version konnte nicht von %1 geladen werden (%2). Du kannst es erneut versuchen.</translation>
    </message>
    <message>
        <source>There is no private temporary folder to download into.</source>
        <translation>Es gibt keinen privaten temporären Ordner für den Download.</translation>
    </message>
    <message>
        <source>The download from %1 was larger than announced.</source>
        <extracomment>%1 is a host, such as github.com</extracomment>
        <translation>Der Download von %1 war größer als angekündigt.</translation>
    </message>
    <message>
        <source>The download from %1 was too large, so it was stopped.</source>
        <extracomment>%1 is a host, such as github.com</extracomment>
        <translation>Der Download von %1 war zu groß und wurde daher gestoppt.</translation>
    </message>
    <message>
        <source>The download could not be saved: %1</source>
        <extracomment>%1 is the system&apos;s reason</extracomment>
        <translation>Der Download konnte nicht gesichert werden: %1</translation>
    </message>
    <message>
        <source>the server sent the wrong part of the file</source>
        <translation>der Server hat den falschen Teil der Datei gesendet</translation>
    </message>
    <message>
        <source>the connection closed early</source>
        <translation>die Verbindung wurde vorzeitig geschlossen</translation>
    </message>
    <message>
        <source>The download from %1 did not finish (%2). You can try again.</source>
        <extracomment>%1 is a host, such as github.com; %2 why, in lower case</extracomment>
        <translation>Der Download von %1 wurde nicht abgeschlossen (%2). Du kannst es erneut versuchen.</translation>
    </message>
    <message>
        <source>The download from %1 failed (HTTP %2). You can try again.</source>
        <extracomment>%1 is a host, such as github.com; %2 the HTTP status code</extracomment>
        <translation>Der Download von %1 ist fehlgeschlagen (HTTP %2). Du kannst es erneut versuchen.</translation>
    </message>
</context>
<context>
    <name>HomebrewSetup</name>
    <message>
        <source>No address is set for Homebrew&apos;s install script.</source>
        <translation>Für das Installationsskript von Homebrew ist keine Adresse festgelegt.</translation>
    </message>
    <message>
        <source>No private temporary folder is available for the setup.</source>
        <translation>Für die Einrichtung ist kein privater temporärer Ordner verfügbar.</translation>
    </message>
    <message>
        <source>The Homebrew installer could not be downloaded. Check your connection and try again.</source>
        <translation>Das Homebrew-Installationsprogramm konnte nicht geladen werden. Überprüfe deine Verbindung und versuche es erneut.</translation>
    </message>
    <message>
        <source>Setting up Homebrew (one-time).</source>
        <translation>Homebrew wird eingerichtet (einmalig).</translation>
    </message>
    <message>
        <source>Waiting for the Homebrew setup that is already running.</source>
        <translation>Warten auf die bereits laufende Einrichtung von Homebrew.</translation>
    </message>
    <message>
        <source>Setting up Homebrew (one-time). macOS will ask for your password once.</source>
        <translation>Homebrew wird eingerichtet (einmalig). macOS fragt einmal nach deinem Passwort.</translation>
    </message>
    <message>
        <source>Homebrew setup did not complete (code %1).</source>
        <extracomment>%1 is the exit status of the setup.</extracomment>
        <translation>Die Einrichtung von Homebrew wurde nicht abgeschlossen (Code %1).</translation>
    </message>
    <message>
        <source>Homebrew is ready. From now on installs are silent.</source>
        <translation>Homebrew ist bereit. Ab jetzt laufen Installationen ohne Rückfragen.</translation>
    </message>
    <message>
        <source>Homebrew setup finished but brew was not found afterward.</source>
        <translation>Die Einrichtung von Homebrew wurde beendet, brew wurde danach aber nicht gefunden.</translation>
    </message>
</context>
<context>
    <name>HomebrewSetupCommand</name>
    <message>
        <source>The Homebrew installer could not be copied to a safe place.</source>
        <translation>Das Homebrew-Installationsprogramm konnte nicht an einen sicheren Ort kopiert werden.</translation>
    </message>
    <message>
        <source>The Homebrew installer&apos;s checksum could not be verified.</source>
        <translation>Die Prüfsumme des Homebrew-Installationsprogramms konnte nicht überprüft werden.</translation>
    </message>
    <message>
        <source>The Homebrew installer&apos;s signature could not be verified.</source>
        <translation>Die Signatur des Homebrew-Installationsprogramms konnte nicht überprüft werden.</translation>
    </message>
    <message>
        <source>The Homebrew installer is not notarized by Apple.</source>
        <translation>Das Homebrew-Installationsprogramm ist nicht von Apple notariell beglaubigt.</translation>
    </message>
    <message>
        <source>The Homebrew installer is not signed by Homebrew.</source>
        <translation>Das Homebrew-Installationsprogramm ist nicht von Homebrew signiert.</translation>
    </message>
</context>
<context>
    <name>HomebrewSetupPanel</name>
    <message>
        <source>Setting up Homebrew…</source>
        <translation>Homebrew wird eingerichtet …</translation>
    </message>
    <message>
        <source>Set up Homebrew (one-time, ~2 min — needs your Mac password once)</source>
        <translation>Homebrew einrichten (einmalig, ca. 2 Min. – braucht einmal dein Mac-Passwort)</translation>
    </message>
    <message>
        <source>Installs Homebrew with your password, then continues installing %1.</source>
        <translation>Installiert Homebrew mit deinem Passwort und setzt dann die Installation von %1 fort.</translation>
    </message>
    <message>
        <source>%1 installs through Homebrew, a free package manager for the Mac. orvando can set it up for you — one time, right here.</source>
        <translation>%1 wird über Homebrew installiert, einen kostenlosen Paketmanager für den Mac. orvando kann ihn für dich einrichten – einmalig, direkt hier.</translation>
    </message>
    <message>
        <source>It asks for your password once. After that every install is silent — no Terminal, ever.</source>
        <translation>Dein Passwort wird einmal abgefragt. Danach läuft jede Installation still – nie wieder Terminal.</translation>
    </message>
</context>
<context>
    <name>ImportConfirmation</name>
    <message>
        <source>Install from file</source>
        <translation>Aus Datei installieren</translation>
    </message>
    <message>
        <source>“%1” names no app of the catalog.</source>
        <extracomment>%1 is the name of the file chosen.</extracomment>
        <translation>„%1“ nennt keine App aus dem Katalog.</translation>
    </message>
    <message>
        <source>“%1” names these apps:</source>
        <extracomment>%1 is the name of the file chosen; the list of apps follows.</extracomment>
        <translation>„%1“ nennt diese Apps:</translation>
    </message>
    <message>
        <source>Not recognised: %1</source>
        <extracomment>%1 lists the names in the file that are not apps of the catalog.</extracomment>
        <translation>Nicht erkannt: %1</translation>
    </message>
    <message>
        <source>Left to Homebrew: %1</source>
        <extracomment>%1 lists the file&apos;s lines Orvando leaves for Homebrew to handle (taps, formulae).</extracomment>
        <translation>Homebrew überlassen: %1</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 — unavailable</source>
        <extracomment>%1 is an app&apos;s name, in the list of apps a file names.</extracomment>
        <translation>%1 – nicht verfügbar</translation>
    </message>
    <message>
        <source>%1 — already installed</source>
        <extracomment>%1 is an app&apos;s name, in the list of apps a file names.</extracomment>
        <translation>%1 – bereits installiert</translation>
    </message>
</context>
<context>
    <name>Install</name>
    <message>
        <source>Getting %1 ready.</source>
        <translation>%1 wird vorbereitet.</translation>
    </message>
    <message>
        <source>%1 installs through Homebrew, which isn&apos;t set up on this Mac yet — offering a one-time in-app setup.</source>
        <translation>%1 wird über Homebrew installiert, das auf diesem Mac noch nicht eingerichtet ist – eine einmalige Einrichtung in der App wird angeboten.</translation>
    </message>
    <message>
        <source>brew finished but %1 was not found on disk</source>
        <translation>brew wurde beendet, aber %1 wurde nicht auf der Festplatte gefunden</translation>
    </message>
    <message>
        <source>Install finished but %1 was not found. You can try again.</source>
        <translation>Die Installation wurde beendet, aber %1 wurde nicht gefunden. Du kannst es erneut versuchen.</translation>
    </message>
</context>
<context>
    <name>InstallEngine</name>
    <message>
        <source>Another operation on %1 is still running; try again when it has finished.</source>
        <translation>Ein anderer Vorgang für %1 läuft noch. Versuche es erneut, wenn er abgeschlossen ist.</translation>
    </message>
    <message>
        <source>Homebrew setup didn&apos;t finish. You can try again — it asks for your Mac password once, then all installs are silent.</source>
        <translation>Die Einrichtung von Homebrew wurde nicht abgeschlossen. Du kannst es erneut versuchen – dein Mac-Passwort wird nur einmal abgefragt, danach laufen alle Installationen ohne Rückfrage.</translation>
    </message>
    <message>
        <source>warning: No log files are written: the log folder %1 is a link to another place.</source>
        <extracomment>%1 is the log folder&apos;s path</extracomment>
        <translation>warning: Es werden keine Protokolldateien geschrieben: Der Protokollordner %1 ist ein Verweis auf einen anderen Ort.</translation>
    </message>
    <message>
        <source>==&gt; Opening %1</source>
        <extracomment>A line of the log; %1 is the app&apos;s name</extracomment>
        <translation>==&gt; %1 wird geöffnet</translation>
    </message>
    <message>
        <source>%1 installs through Homebrew, which isn&apos;t set up on this Mac yet.</source>
        <translation>%1 wird über Homebrew installiert, das auf diesem Mac noch nicht eingerichtet ist.</translation>
    </message>
    <message>
        <source>%1 is not in the state asked for.</source>
        <translation>%1 ist nicht im gewünschten Zustand.</translation>
    </message>
    <message>
        <source>note: Skipped %1: another operation on it is still running.</source>
        <translation>note: %1 übersprungen: Ein anderer Vorgang dafür läuft noch.</translation>
    </message>
    <message>
        <source>note: %1</source>
        <extracomment>A line of the log; %1 is a whole sentence</extracomment>
        <translation>note: %1</translation>
    </message>
</context>
<context>
    <name>InstallGuidancePanel</name>
    <message>
        <source>macOS may ask “Are you sure you want to open this app from the internet?” — click Open.</source>
        <extracomment>The question and the &quot;Open&quot; button are the ones macOS shows, in its own words</extracomment>
        <translation>macOS fragt eventuell, ob du diese App aus dem Internet wirklich öffnen möchtest – klicke auf „Öffnen“.</translation>
    </message>
    <message>
        <source>Didn’t open?</source>
        <translation>Nicht geöffnet?</translation>
    </message>
    <message>
        <source>Launch %1</source>
        <translation>%1 starten</translation>
    </message>
</context>
<context>
    <name>InstallLogFile</name>
    <message numerus="yes">
        <source>%n lines were left out of this file while the disk was too slow.</source>
        <translation>
            <numerusform>%n Zeile fehlt in dieser Datei, weil die Festplatte zu langsam war.</numerusform>
            <numerusform>%n Zeilen fehlen in dieser Datei, weil die Festplatte zu langsam war.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LogDrawer</name>
    <message>
        <source>Install log</source>
        <translation>Installationsprotokoll</translation>
    </message>
    <message>
        <source>No installs yet. The raw Homebrew log shows here.</source>
        <translation>Noch keine Installationen. Hier erscheint das unbearbeitete Homebrew-Protokoll.</translation>
    </message>
    <message numerus="yes">
        <source>%n lines</source>
        <extracomment>How many lines the install log holds, beside its title.</extracomment>
        <translation>
            <numerusform>%n Zeile</numerusform>
            <numerusform>%n Zeilen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LogListView</name>
    <message>
        <source>Install log lines</source>
        <translation>Zeilen des Installationsprotokolls</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
</context>
<context>
    <name>MAC_APPLICATION_MENU</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Einstellungen …</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Dienste</translation>
    </message>
    <message>
        <source>Hide %1</source>
        <translation>%1 ausblenden</translation>
    </message>
    <message>
        <source>Hide Others</source>
        <translation>Andere ausblenden</translation>
    </message>
    <message>
        <source>Show All</source>
        <translation>Alle einblenden</translation>
    </message>
    <message>
        <source>Quit %1</source>
        <translation>%1 beenden</translation>
    </message>
</context>
<context>
    <name>MailFallback</name>
    <message>
        <source>No mail app opened. Write to %1.</source>
        <extracomment>%1 is the support email address.</extracomment>
        <translation>Es wurde keine Mail-App geöffnet. Schreib an %1.</translation>
    </message>
    <message>
        <source>Copy address</source>
        <translation>Adresse kopieren</translation>
    </message>
</context>
<context>
    <name>NetworkSection</name>
    <message>
        <source>Network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>Orvando and Homebrew use the proxy set in System Settings. Mirrors are optional: leave them empty to use Homebrew’s own servers.</source>
        <translation>Orvando und Homebrew verwenden den in den Systemeinstellungen festgelegten Proxy. Spiegelserver sind optional: Lass die Felder leer, um die Server von Homebrew zu verwenden.</translation>
    </message>
    <message>
        <source>Given to Homebrew as %1.</source>
        <extracomment>%1 is the name of the environment variable Homebrew reads</extracomment>
        <translation>Wird Homebrew als %1 übergeben.</translation>
    </message>
    <message>
        <source>Homebrew API mirror</source>
        <translation>Homebrew-API-Spiegelserver</translation>
    </message>
    <message>
        <source>Bottle mirror</source>
        <translation>Bottle-Spiegelserver</translation>
    </message>
    <message>
        <source>Artifact mirror</source>
        <translation>Artefakt-Spiegelserver</translation>
    </message>
</context>
<context>
    <name>NetworkStatus</name>
    <message>
        <source>You&apos;re offline. Connect to the internet and try again.</source>
        <translation>Du bist offline. Stelle eine Verbindung zum Internet her und versuche es erneut.</translation>
    </message>
</context>
<context>
    <name>OperationContext</name>
    <message>
        <source>Cancelled. %1 is left as it is on disk.</source>
        <translation>Abgebrochen. %1 bleibt unverändert auf der Festplatte.</translation>
    </message>
</context>
<context>
    <name>OperationHistory</name>
    <message>
        <source>The history of operations can&apos;t be opened (%1).</source>
        <extracomment>%1 is SQLite&apos;s own description of the problem, in English.</extracomment>
        <translation>Der Verlauf der Vorgänge kann nicht geöffnet werden (%1).</translation>
    </message>
    <message>
        <source>The history of operations could not be read; it was moved to %1 and a new one started.</source>
        <extracomment>%1 is the path of the file moved aside.</extracomment>
        <translation>Der Verlauf der Vorgänge konnte nicht gelesen werden; er wurde nach %1 bewegt und ein neuer wurde begonnen.</translation>
    </message>
    <message>
        <source>Orvando stopped before this operation finished.</source>
        <translation>Orvando wurde beendet, bevor dieser Vorgang abgeschlossen war.</translation>
    </message>
</context>
<context>
    <name>OperationRecord</name>
    <message numerus="yes">
        <source>%n earlier lines are left out.</source>
        <translation>
            <numerusform>%n frühere Zeile ist ausgelassen.</numerusform>
            <numerusform>%n frühere Zeilen sind ausgelassen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The window closed before this operation finished.</source>
        <translation>Das Fenster wurde geschlossen, bevor dieser Vorgang abgeschlossen war.</translation>
    </message>
    <message>
        <source>%1 installs through Homebrew, which isn&apos;t set up on this Mac yet.</source>
        <translation>%1 wird über Homebrew installiert, das auf diesem Mac noch nicht eingerichtet ist.</translation>
    </message>
    <message>
        <source>%1 is not in the state asked for.</source>
        <translation>%1 ist nicht im gewünschten Zustand.</translation>
    </message>
</context>
<context>
    <name>OrvandoApp</name>
    <message>
        <source>Welcome to Orvando…</source>
        <translation>Willkommen bei Orvando …</translation>
    </message>
    <message>
        <source>Send Feedback…</source>
        <translation>Feedback senden …</translation>
    </message>
    <message>
        <source>An install is still running. Quit anyway?</source>
        <translation>Eine Installation läuft noch. Trotzdem beenden?</translation>
    </message>
    <message>
        <source>Check for updates</source>
        <extracomment>The File menu item that looks for newer versions of the installed apps.</extracomment>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>Show Install Logs</source>
        <translation>Installationsprotokolle anzeigen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>The File menu item.</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <extracomment>The title of the alert about updating Orvando itself.</extracomment>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>This copy of Orvando does not update itself.</source>
        <translation>Diese Kopie von Orvando aktualisiert sich nicht selbst.</translation>
    </message>
    <message>
        <source>Open Download Page</source>
        <translation>Downloadseite öffnen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Ablage</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>Neues Fenster</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Fenster schließen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>OutdatedCasks</name>
    <message>
        <source>Homebrew’s list of updates could not be read: %1</source>
        <extracomment>%1 says what is wrong with it</extracomment>
        <translation>Die Liste der Updates von Homebrew konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>it is not valid JSON.</source>
        <translation>sie ist kein gültiges JSON.</translation>
    </message>
    <message>
        <source>it is not a list of casks.</source>
        <translation>sie ist keine Liste von Casks.</translation>
    </message>
    <message>
        <source>“casks” is missing.</source>
        <translation>„casks“ fehlt.</translation>
    </message>
</context>
<context>
    <name>PermissionGuidance</name>
    <message>
        <source>Accessibility</source>
        <extracomment>The pane&apos;s name in System Settings › Privacy &amp; Security, exactly as macOS shows it</extracomment>
        <translation>Bedienungshilfen</translation>
    </message>
    <message>
        <source>Screen Recording</source>
        <extracomment>The pane&apos;s name in System Settings › Privacy &amp; Security, exactly as macOS shows it</extracomment>
        <translation>Bildschirmaufnahme</translation>
    </message>
    <message>
        <source>Permission required: %1 needs Accessibility permission to work. It will ask on first launch — turn it on in System Settings › Privacy &amp; Security › Accessibility, then switch on %1.</source>
        <extracomment>%1 is the app&apos;s name; the pane&apos;s names exactly as System Settings shows them</extracomment>
        <translation>Berechtigung erforderlich: %1 benötigt die Berechtigung „Bedienungshilfen“, um zu funktionieren. Beim ersten Start wird danach gefragt – aktiviere sie in Systemeinstellungen › Datenschutz &amp; Sicherheit › Bedienungshilfen und schalte dann %1 ein.</translation>
    </message>
    <message>
        <source>Permission required: %1 needs Screen Recording permission to capture your screen. It will ask on first launch — turn it on in System Settings › Privacy &amp; Security › Screen Recording, then switch on %1.</source>
        <extracomment>%1 is the app&apos;s name; the pane&apos;s names exactly as System Settings shows them</extracomment>
        <translation>Berechtigung erforderlich: %1 benötigt die Berechtigung „Bildschirmaufnahme“, um deinen Bildschirm aufzunehmen. Beim ersten Start wird danach gefragt – aktiviere sie in Systemeinstellungen › Datenschutz &amp; Sicherheit › Bildschirmaufnahme und schalte dann %1 ein.</translation>
    </message>
    <message>
        <source>%1 needs Accessibility permission to work. On first launch it will ask — turn it on:</source>
        <extracomment>%1 is the app&apos;s name; the steps to turn it on follow on the next line</extracomment>
        <translation>%1 benötigt die Berechtigung „Bedienungshilfen“, um zu funktionieren. Beim ersten Start wird danach gefragt – aktiviere sie:</translation>
    </message>
    <message>
        <source>%1 needs Screen Recording permission to capture your screen. Turn it on:</source>
        <extracomment>%1 is the app&apos;s name; the steps to turn it on follow on the next line</extracomment>
        <translation>%1 benötigt die Berechtigung „Bildschirmaufnahme“, um deinen Bildschirm aufzunehmen. Aktiviere sie:</translation>
    </message>
    <message>
        <source>System Settings › Privacy &amp; Security › Accessibility, then switch on %1.</source>
        <extracomment>%1 is the app&apos;s name; the pane&apos;s names exactly as System Settings shows them</extracomment>
        <translation>Systemeinstellungen › Datenschutz &amp; Sicherheit › Bedienungshilfen, dann %1 einschalten.</translation>
    </message>
    <message>
        <source>System Settings › Privacy &amp; Security › Screen Recording, then switch on %1.</source>
        <extracomment>%1 is the app&apos;s name; the pane&apos;s names exactly as System Settings shows them</extracomment>
        <translation>Systemeinstellungen › Datenschutz &amp; Sicherheit › Bildschirmaufnahme, dann %1 einschalten.</translation>
    </message>
    <message>
        <source>Open System Settings › Accessibility</source>
        <extracomment>A button that opens the pane; the names exactly as System Settings shows them</extracomment>
        <translation>Systemeinstellungen › Bedienungshilfen öffnen</translation>
    </message>
    <message>
        <source>Open System Settings › Screen Recording</source>
        <extracomment>A button that opens the pane; the names exactly as System Settings shows them</extracomment>
        <translation>Systemeinstellungen › Bildschirmaufnahme öffnen</translation>
    </message>
    <message>
        <source>Removed %1. We could not clear its Accessibility permission automatically. You can remove the leftover entry in System Settings &gt; Privacy &amp; Security &gt; Accessibility.</source>
        <extracomment>%1 is the app&apos;s name; the pane&apos;s names exactly as System Settings shows them</extracomment>
        <translation>%1 wurde entfernt. Die Berechtigung „Bedienungshilfen“ konnte nicht automatisch zurückgesetzt werden. Du kannst den übrig gebliebenen Eintrag unter Systemeinstellungen &gt; Datenschutz &amp; Sicherheit &gt; Bedienungshilfen entfernen.</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>RefreshCaskList</name>
    <message>
        <source>Refreshing Homebrew&apos;s list of apps.</source>
        <translation>Die App-Liste von Homebrew wird aktualisiert.</translation>
    </message>
    <message>
        <source>Refreshing Homebrew&apos;s list of apps, which did not know %1</source>
        <translation>Die App-Liste von Homebrew wird aktualisiert, da sie %1 nicht kannte</translation>
    </message>
    <message>
        <source>Homebrew could not refresh its list of apps, so it still does not know %1: there is no connection to its server.</source>
        <translation>Homebrew konnte seine App-Liste nicht aktualisieren und kennt %1 daher noch immer nicht: Es besteht keine Verbindung zu seinem Server.</translation>
    </message>
    <message>
        <source>Homebrew could not refresh its list of apps, so it still does not know %1: %2</source>
        <extracomment>%1 is the app, %2 the reason: brew&apos;s own message, in English, or a sentence of ours.</extracomment>
        <translation>Homebrew konnte seine App-Liste nicht aktualisieren und kennt %1 daher noch immer nicht: %2</translation>
    </message>
    <message>
        <source>Homebrew could not refresh its list of apps, so it still does not know %1: brew update did not finish.</source>
        <translation>Homebrew konnte seine App-Liste nicht aktualisieren und kennt %1 daher noch immer nicht: brew update wurde nicht abgeschlossen.</translation>
    </message>
    <message>
        <source>Homebrew&apos;s list of apps is up to date</source>
        <translation>Die App-Liste von Homebrew ist auf dem neuesten Stand</translation>
    </message>
</context>
<context>
    <name>RemovalPlan</name>
    <message>
        <source>%1: not a bundle identifier, so nothing is looked up by it</source>
        <extracomment>%1 is what the app gave as its bundle identifier</extracomment>
        <translation>%1: keine Bundle-ID, daher wird damit nichts gesucht</translation>
    </message>
</context>
<context>
    <name>RemovalReview</name>
    <message>
        <source>measuring…</source>
        <translation>wird gemessen …</translation>
    </message>
    <message>
        <source>Remove %1?</source>
        <translation>%1 entfernen?</translation>
    </message>
    <message numerus="yes">
        <source>Remove %n apps?</source>
        <translation>
            <numerusform>%n App entfernen?</numerusform>
            <numerusform>%n Apps entfernen?</numerusform>
        </translation>
    </message>
    <message>
        <source>Everything ticked goes to the Trash, where you can still get it back.</source>
        <translation>Alles Markierte wird in den Papierkorb gelegt, wo du es noch zurückholen kannst.</translation>
    </message>
    <message>
        <source>What will be removed</source>
        <translation>Was entfernt wird</translation>
    </message>
    <message>
        <source>Remove app only</source>
        <translation>Nur App entfernen</translation>
    </message>
    <message>
        <source>Remove app and data</source>
        <translation>App und Daten entfernen</translation>
    </message>
    <message>
        <source>%1 (app)</source>
        <translation>%1 (App)</translation>
    </message>
    <message>
        <source>Nothing of these apps is on this Mac.</source>
        <translation>Von diesen Apps ist nichts auf diesem Mac.</translation>
    </message>
    <message>
        <source>needs your administrator password</source>
        <translation>erfordert dein Administratorpasswort</translation>
    </message>
    <message numerus="yes">
        <source>App: %1. Data: %2 in %n item(s).</source>
        <translation>
            <numerusform>App: %1. Daten: %2 in %n Objekt.</numerusform>
            <numerusform>App: %1. Daten: %2 in %n Objekten.</numerusform>
        </translation>
    </message>
    <message>
        <source>Measuring sizes…</source>
        <translation>Größen werden gemessen …</translation>
    </message>
</context>
<context>
    <name>RemovalSteps</name>
    <message>
        <source>The background task %1 could not be stopped.</source>
        <extracomment>%1 is the label of a launch job (&quot;com.example.helper&quot;).</extracomment>
        <translation>Der Hintergrundprozess %1 konnte nicht gestoppt werden.</translation>
    </message>
    <message>
        <source>The login item %1 could not be removed.</source>
        <translation>Das Anmeldeobjekt %1 konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>%1 It was left where it is.</source>
        <extracomment>%1 is the sentence saying why the Trash refused the item.</extracomment>
        <translation>%1 Es wurde an seinem Ort belassen.</translation>
    </message>
</context>
<context>
    <name>ReplacesLine</name>
    <message>
        <source>Replaces %1</source>
        <extracomment>%1 is a paid app this free one stands in for; its price follows</extracomment>
        <translation>Ersetzt %1</translation>
    </message>
</context>
<context>
    <name>Revert</name>
    <message>
        <source>Homebrew can&apos;t put an earlier version of %1 back.</source>
        <translation>Homebrew kann keine frühere Version von %1 wiederherstellen.</translation>
    </message>
    <message>
        <source>The earlier version of %1 is no longer kept, so it can&apos;t be put back.</source>
        <translation>Die frühere Version von %1 ist nicht mehr vorhanden und kann daher nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>Putting %1 back</source>
        <extracomment>%1 is the app and the version put back (&quot;Maccy 2.0.1&quot;).</extracomment>
        <translation>%1 wird wiederhergestellt</translation>
    </message>
    <message>
        <source>Putting %1 back.</source>
        <extracomment>%1 is the app and the version put back (&quot;Maccy 2.0.1&quot;).</extracomment>
        <translation>%1 wird wiederhergestellt.</translation>
    </message>
    <message>
        <source>%1 was put back at %2</source>
        <extracomment>%1 is the app and the version put back (&quot;Maccy 2.0.1&quot;), %2 where its bundle now is.</extracomment>
        <translation>%1 wurde in %2 wiederhergestellt</translation>
    </message>
</context>
<context>
    <name>RevertButton</name>
    <message>
        <source>Revert to %1</source>
        <translation>Auf %1 zurücksetzen</translation>
    </message>
    <message>
        <source>Revert %1 to %2</source>
        <translation>%1 auf %2 zurücksetzen</translation>
    </message>
    <message>
        <source>The earlier version takes %1.</source>
        <translation>Die frühere Version belegt %1.</translation>
    </message>
</context>
<context>
    <name>RootView</name>
    <message>
        <source>Search apps</source>
        <translation>Apps durchsuchen</translation>
    </message>
    <message>
        <source>Search</source>
        <extracomment>The magnifying glass in the search field, read by a screen reader.</extracomment>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Suche löschen</translation>
    </message>
</context>
<context>
    <name>ScreenshotStrip</name>
    <message>
        <source>Screenshots</source>
        <translation>Bildschirmfotos</translation>
    </message>
    <message>
        <source>%1 screenshot %2 of %3</source>
        <extracomment>%1 is the app, %2 this screenshot&apos;s place, %3 how many there are</extracomment>
        <translation>%1 – Bildschirmfoto %2 von %3</translation>
    </message>
</context>
<context>
    <name>SelectAllButton</name>
    <message>
        <source>Clear selection</source>
        <translation>Auswahl aufheben</translation>
    </message>
    <message>
        <source>Select all hand-picked</source>
        <translation>Alle auswählen</translation>
    </message>
</context>
<context>
    <name>SelfRemoval</name>
    <message>
        <source>Orvando can&apos;t remove itself from here. Move it to Applications first, or drag it to the Trash.</source>
        <translation>Orvando kann sich von hier aus nicht selbst entfernen. Bewege es zuerst in den Ordner „Programme“ oder ziehe es in den Papierkorb.</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Uninstall every app Orvando installed?</source>
        <translation>Alle von Orvando installierten Apps deinstallieren?</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>No catalog apps were installed.</source>
        <translation>Es waren keine Katalog-Apps installiert.</translation>
    </message>
    <message numerus="yes">
        <source>Removed %n app(s).</source>
        <translation>
            <numerusform>%n App entfernt.</numerusform>
            <numerusform>%n Apps entfernt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Opened your mail app with the suggestion.</source>
        <translation>Deine Mail-App wurde mit dem Vorschlag geöffnet.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Remove Orvando but keep my apps?</source>
        <translation>Orvando entfernen, aber meine Apps behalten?</translation>
    </message>
    <message>
        <source>Apps already in Applications stay. Only the Orvando app is removed.</source>
        <translation>Apps, die schon in „Programme“ liegen, bleiben. Nur die App Orvando wird entfernt.</translation>
    </message>
    <message>
        <source>Remove Orvando</source>
        <translation>Orvando entfernen</translation>
    </message>
    <message>
        <source>Uninstalling apps…</source>
        <translation>Apps werden deinstalliert …</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Legal</source>
        <comment>settings section heading</comment>
        <translation>Rechtliches</translation>
    </message>
    <message>
        <source>Privacy policy</source>
        <translation>Datenschutzrichtlinie</translation>
    </message>
    <message>
        <source>Terms of use</source>
        <translation>Nutzungsbedingungen</translation>
    </message>
    <message>
        <source>Questions: %1</source>
        <extracomment>%1 is the support e-mail address</extracomment>
        <translation>Fragen: %1</translation>
    </message>
    <message>
        <source>Privacy</source>
        <comment>settings section heading</comment>
        <translation>Datenschutz</translation>
    </message>
    <message>
        <source>Share analytics with developer</source>
        <translation>Analysedaten mit Entwickler teilen</translation>
    </message>
    <message>
        <source>Only anonymous product events, such as installs, are shared. No account, no browsing content. Off by default.</source>
        <translation>Geteilt werden nur anonyme Produktereignisse wie Installationen. Kein Account, keine Browserinhalte. Standardmäßig aus.</translation>
    </message>
    <message>
        <source>Updates</source>
        <comment>settings section heading</comment>
        <translation>Updates</translation>
    </message>
    <message>
        <source>Check for Orvando updates automatically</source>
        <translation>Automatisch nach Orvando-Updates suchen</translation>
    </message>
    <message>
        <source>Orvando looks for a new version once a day and asks before installing it.</source>
        <translation>Orvando sucht einmal täglich nach einer neuen Version und fragt vor der Installation nach.</translation>
    </message>
    <message>
        <source>Suggest apps</source>
        <comment>settings section heading</comment>
        <translation>Apps vorschlagen</translation>
    </message>
    <message>
        <source>Tell us a tool you wish was in Orvando.</source>
        <translation>Nenne uns ein Tool, das du dir in Orvando wünschst.</translation>
    </message>
    <message>
        <source>App suggestion</source>
        <translation>App-Vorschlag</translation>
    </message>
    <message>
        <source>Send suggestion</source>
        <translation>Vorschlag senden</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <comment>settings section heading</comment>
        <translation>Deinstallieren</translation>
    </message>
    <message>
        <source>Uninstall all apps</source>
        <translation>Alle Apps deinstallieren</translation>
    </message>
    <message>
        <source>Removes catalog apps Orvando installed. Leaves Orvando itself.</source>
        <translation>Entfernt die von Orvando installierten Katalog-Apps. Orvando selbst bleibt.</translation>
    </message>
    <message>
        <source>Uninstall Orvando but keep my apps</source>
        <translation>Orvando deinstallieren, Apps behalten</translation>
    </message>
    <message>
        <source>Deletes only Orvando. Apps in Applications stay.</source>
        <translation>Löscht nur Orvando. Apps in „Programme“ bleiben.</translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>Activity</source>
        <translation>Aktivität</translation>
    </message>
    <message>
        <source>Show activity</source>
        <translation>Aktivität anzeigen</translation>
    </message>
    <message>
        <source>What was installed, updated and removed, and how it went</source>
        <translation>Was installiert, aktualisiert und entfernt wurde – und wie es lief</translation>
    </message>
    <message>
        <source>Get the good Mac apps.</source>
        <translation>Hol dir die guten Mac-Apps.</translation>
    </message>
    <message>
        <source>Apps and categories</source>
        <translation>Apps und Kategorien</translation>
    </message>
    <message>
        <source>Handselected apps</source>
        <translation>Handverlesene Apps</translation>
    </message>
    <message>
        <source>All apps</source>
        <translation>Alle Apps</translation>
    </message>
    <message>
        <source>Categories</source>
        <extracomment>The heading above the list of app categories in the sidebar.</extracomment>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Send feedback</source>
        <translation>Feedback senden</translation>
    </message>
    <message>
        <source>Email %1</source>
        <extracomment>%1 is the support email address.</extracomment>
        <translation>E-Mail an %1</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Privacy, uninstall, analytics, suggestions</source>
        <translation>Datenschutz, Deinstallieren, Analyse, Vorschläge</translation>
    </message>
    <message>
        <source>Updates (%L1)</source>
        <extracomment>The sidebar row of the apps with a newer version; %L1 is how many.</extracomment>
        <translation>Updates (%L1)</translation>
    </message>
</context>
<context>
    <name>SignedCatalog</name>
    <message>
        <source>The catalog or its signature is larger than a catalog can be.</source>
        <translation>Der Katalog oder seine Signatur ist größer, als ein Katalog sein kann.</translation>
    </message>
    <message>
        <source>This copy of Orvando has no key to check a catalog with.</source>
        <translation>Diese Kopie von Orvando hat keinen Schlüssel, um einen Katalog zu prüfen.</translation>
    </message>
    <message>
        <source>The catalog is not signed.</source>
        <translation>Der Katalog ist nicht signiert.</translation>
    </message>
    <message>
        <source>The catalog&apos;s signature does not match it.</source>
        <translation>Die Signatur passt nicht zum Katalog.</translation>
    </message>
    <message>
        <source>The catalog was issued %1, not after %2.</source>
        <extracomment>%1 and %2 are moments written as in the catalog, e.g. &quot;2026-12-07T09:30:00Z&quot;.</extracomment>
        <translation>Der Katalog wurde am %1 ausgegeben, nicht nach %2.</translation>
    </message>
</context>
<context>
    <name>SoftwareUpdater</name>
    <message>
        <source>Check for Updates…</source>
        <extracomment>The menu item that looks for a newer version of Orvando</extracomment>
        <translation>Nach Updates suchen …</translation>
    </message>
    <message>
        <source>To update Orvando, download the newest version from orvando.app and drag it into Applications, replacing this copy. Your apps and settings stay as they are.</source>
        <extracomment>&quot;Applications&quot; is the Applications folder, as the Finder names it</extracomment>
        <translation>Um Orvando zu aktualisieren, lade die neueste Version von orvando.app und ziehe sie in den Ordner „Programme“, um diese Kopie zu ersetzen. Deine Apps und Einstellungen bleiben erhalten.</translation>
    </message>
    <message>
        <source>This copy of Orvando was built from its source. To update it, get the newest source and run “make run” again. Your apps and settings stay as they are.</source>
        <translation>Diese Kopie von Orvando wurde aus dem Quellcode erstellt. Um sie zu aktualisieren, hol dir den neuesten Quellcode und führe „make run“ erneut aus. Deine Apps und Einstellungen bleiben erhalten.</translation>
    </message>
</context>
<context>
    <name>SpinnerRow</name>
    <message>
        <source>Download progress</source>
        <translation>Download-Fortschritt</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>“%1” is no longer in the Trash.</source>
        <translation>„%1“ ist nicht mehr im Papierkorb.</translation>
    </message>
    <message>
        <source>Something new is at “%1” now.</source>
        <translation>An „%1“ befindet sich jetzt etwas Neues.</translation>
    </message>
    <message>
        <source>“%1” couldn’t be put back.</source>
        <translation>„%1“ konnte nicht zurückgelegt werden.</translation>
    </message>
    <message>
        <source>“%1” couldn’t be moved to the Trash (%2).</source>
        <extracomment>%1 is a file&apos;s name, %2 why, in lower case</extracomment>
        <translation>„%1“ konnte nicht in den Papierkorb gelegt werden (%2).</translation>
    </message>
    <message>
        <source>it no longer exists</source>
        <translation>es existiert nicht mehr</translation>
    </message>
    <message>
        <source>there is no Trash folder</source>
        <translation>es gibt keinen Papierkorb-Ordner</translation>
    </message>
    <message>
        <source>“” couldn’t be moved to the Trash because it doesn’t exist.</source>
        <translation>„“ konnte nicht in den Papierkorb gelegt werden, da es nicht existiert.</translation>
    </message>
    <message>
        <source>The item is no longer in the Trash.</source>
        <translation>Das Objekt ist nicht mehr im Papierkorb.</translation>
    </message>
</context>
<context>
    <name>UndoRemoval</name>
    <message>
        <source>Putting %1 back.</source>
        <translation>%1 wird zurückgelegt.</translation>
    </message>
    <message>
        <source>%1 is back, but not all of it: %2 The rest was put back; nothing was overwritten.</source>
        <extracomment>%1 is the app, %2 one sentence for each item that could not be put back.</extracomment>
        <translation>%1 ist wieder da, aber nicht vollständig: %2 Der Rest wurde zurückgelegt; nichts wurde überschrieben.</translation>
    </message>
</context>
<context>
    <name>UndoRemovalButton</name>
    <message>
        <source>Undo</source>
        <translation>Widerrufen</translation>
    </message>
    <message>
        <source>Undo removing %1</source>
        <translation>Entfernen von %1 widerrufen</translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>Removing %1.</source>
        <translation>%1 wird entfernt.</translation>
    </message>
    <message>
        <source>Closing %1.</source>
        <translation>%1 wird beendet.</translation>
    </message>
    <message>
        <source>Left alone: %1.</source>
        <extracomment>%1 is a path the removal does not touch, then a colon and why.</extracomment>
        <translation>Unverändert gelassen: %1.</translation>
    </message>
    <message>
        <source>Cleaning up.</source>
        <translation>Wird aufgeräumt.</translation>
    </message>
    <message>
        <source>%1 needs your administrator password; it was left where it is.</source>
        <translation>%1 erfordert dein Administratorpasswort; es wurde an seinem Ort belassen.</translation>
    </message>
    <message>
        <source>Clearing Accessibility permission.</source>
        <translation>Berechtigung für Bedienungshilfen wird entfernt.</translation>
    </message>
</context>
<context>
    <name>Update</name>
    <message>
        <source>Update did not finish. The version you had is still installed.</source>
        <translation>Die Aktualisierung wurde nicht abgeschlossen. Die bisherige Version ist weiterhin installiert.</translation>
    </message>
    <message>
        <source>brew finished but %1 was not found on disk</source>
        <translation>brew wurde beendet, aber %1 wurde nicht auf der Festplatte gefunden</translation>
    </message>
    <message>
        <source>Update finished but %1 was not found. You can install it again.</source>
        <translation>Die Aktualisierung wurde beendet, aber %1 wurde nicht gefunden. Du kannst die App erneut installieren.</translation>
    </message>
    <message>
        <source>Getting %1 ready.</source>
        <extracomment>%1 is the app, with the version coming when it is known (&quot;Maccy 2.1.0&quot;).</extracomment>
        <translation>%1 wird vorbereitet.</translation>
    </message>
    <message>
        <source>%1 is not installed, so there is nothing to update.</source>
        <translation>%1 ist nicht installiert, daher gibt es nichts zu aktualisieren.</translation>
    </message>
    <message>
        <source>%1 updates through Homebrew, which isn&apos;t set up on this Mac.</source>
        <translation>%1 wird über Homebrew aktualisiert, das auf diesem Mac nicht eingerichtet ist.</translation>
    </message>
</context>
<context>
    <name>UpdateChoices</name>
    <message>
        <source>Skip this version</source>
        <translation>Diese Version überspringen</translation>
    </message>
    <message>
        <source>Skip %1 %2</source>
        <translation>%1 %2 überspringen</translation>
    </message>
    <message>
        <source>Don’t check for updates</source>
        <translation>Nicht nach Updates suchen</translation>
    </message>
    <message>
        <source>Don’t check %1 for updates</source>
        <translation>Nicht nach Updates für %1 suchen</translation>
    </message>
    <message>
        <source>%1 %2 is kept (%3)</source>
        <translation>%1 %2 wird aufbewahrt (%3)</translation>
    </message>
    <message>
        <source>Revert to %1</source>
        <translation>Auf %1 zurücksetzen</translation>
    </message>
    <message>
        <source>Revert %1 to %2</source>
        <translation>%1 auf %2 zurücksetzen</translation>
    </message>
    <message>
        <source>Check again</source>
        <translation>Erneut prüfen</translation>
    </message>
    <message>
        <source>Check %1 for updates again</source>
        <translation>Erneut nach Updates für %1 suchen</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>an app&apos;s name and the version on offer</comment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>UpdateHolds</name>
    <message>
        <source>You asked not to check %1 for updates.</source>
        <translation>Du hast festgelegt, dass %1 nicht auf Updates geprüft wird.</translation>
    </message>
    <message>
        <source>You skipped %1 %2.</source>
        <extracomment>%1 is the app&apos;s name, %2 the version skipped</extracomment>
        <translation>Du hast %1 %2 übersprungen.</translation>
    </message>
</context>
<context>
    <name>UpdatesView</name>
    <message>
        <source>Updates</source>
        <extracomment>The heading of the view of the apps with a newer version.</extracomment>
        <translation>Updates</translation>
    </message>
    <message>
        <source>Update all</source>
        <translation>Alle aktualisieren</translation>
    </message>
    <message>
        <source>Not every app could be checked for updates: %1</source>
        <extracomment>%1 is one or more sentences saying what went wrong.</extracomment>
        <translation>Nicht alle Apps konnten auf Updates geprüft werden: %1</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Suche nach Updates …</translation>
    </message>
    <message>
        <source>All your apps are up to date.</source>
        <translation>Alle deine Apps sind auf dem neuesten Stand.</translation>
    </message>
    <message numerus="yes">
        <source>%n apps have a newer version.</source>
        <translation>
            <numerusform>%n App hat eine neuere Version.</numerusform>
            <numerusform>%n Apps haben eine neuere Version.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Two sentences one after the other: how many apps have a newer version, then which could not be checked.</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>WelcomeView</name>
    <message>
        <source>Try great Mac apps</source>
        <translation>Tolle Mac-Apps ausprobieren</translation>
    </message>
    <message>
        <source>Browse a handpicked catalog and try great Mac apps before you buy. Install and uninstall cleanly, with no leftovers.</source>
        <translation>Stöbere in einem handverlesenen Katalog und probiere tolle Mac-Apps aus, bevor du sie kaufst. Installiere und deinstalliere sauber, ohne Restdaten.</translation>
    </message>
    <message>
        <source>The first open</source>
        <extracomment>The heading of what happens the first time an app is opened.</extracomment>
        <translation>Das erste Öffnen</translation>
    </message>
    <message>
        <source>macOS may ask you to confirm opening an app, and some apps need a permission in System Settings. We guide you when it happens.</source>
        <translation>macOS fragt dich eventuell, ob du eine App wirklich öffnen willst, und manche Apps brauchen eine Berechtigung in den Systemeinstellungen. Wir helfen dir dann weiter.</translation>
    </message>
    <message>
        <source>Welcome to Orvando</source>
        <translation>Willkommen bei Orvando</translation>
    </message>
    <message>
        <source>Welcome to Orvando.</source>
        <translation>Willkommen bei Orvando.</translation>
    </message>
    <message>
        <source>Get started</source>
        <translation>Los geht’s</translation>
    </message>
</context>
<context>
    <name>ZapPaths</name>
    <message>
        <source>it leads outside its folder</source>
        <translation>er führt aus seinem Ordner hinaus</translation>
    </message>
    <message>
        <source>not a full path</source>
        <translation>kein vollständiger Pfad</translation>
    </message>
    <message>
        <source>it steps out of its folder</source>
        <translation>er verlässt seinen Ordner</translation>
    </message>
    <message>
        <source>it would match other apps’ files</source>
        <translation>er würde Dateien anderer Apps erfassen</translation>
    </message>
    <message>
        <source>it belongs to %1</source>
        <translation>er gehört zu %1</translation>
    </message>
    <message>
        <source>it is a link to another place</source>
        <translation>er ist ein Verweis auf einen anderen Ort</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a path, %2 why it is left alone</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
</TS>
