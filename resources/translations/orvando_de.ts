<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ActivityModel</name>
    <message>
        <source>Installed %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 didn’t install</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updated %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 didn’t update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removed %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 wasn’t removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set up Homebrew</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Homebrew wasn’t set up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Worked through %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Worked through %1, not all of it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reverted %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 wasn’t reverted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put %1 back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 wasn’t put back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Succeeded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Needs Homebrew</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interrupted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Homebrew</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GitHub download</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ActivityView</name>
    <message>
        <source>Activity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the activity of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show operations that</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Any outcome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operations, newest first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a row for what happened and its log lines.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing has been done yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Activity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All apps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No operation matches.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BrewNetwork</name>
    <message>
        <source>A mirror address starts with https:// and names a host, like https://mirror.example.com/homebrew.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DownloadProgress</name>
    <message>
        <source>%1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 s left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 min left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>about %1 h left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NetworkSection</name>
    <message>
        <source>Network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvando and Homebrew use the proxy set in System Settings. Mirrors are optional: leave them empty to use Homebrew’s own servers.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Given to Homebrew as %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NetworkStatus</name>
    <message>
        <source>You&apos;re offline. Connect to the internet and try again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RemovalPlan</name>
    <message>
        <source>not a bundle identifier, so nothing is looked up by it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RemovalReview</name>
    <message>
        <source>measuring…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Remove %n apps?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Everything ticked goes to the Trash, where you can still get it back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What will be removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove app only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove app and data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (app)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing of these apps is on this Mac.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>needs your administrator password</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>App: %1. Data: %2 in %n item(s).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Measuring sizes…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RemovalSteps</name>
    <message>
        <source>note: The background task %1 could not be stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>note: The login item %1 could not be removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>note: %1 It was left where it is.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RevertButton</name>
    <message>
        <source>Revert to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revert %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The earlier version takes %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Uninstall every app Orvando installed?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Sidebar</name>
    <message>
        <source>Activity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show activity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What was installed, updated and removed, and how it went</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SpinnerRow</name>
    <message>
        <source>Download progress</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>“%1” is no longer in the Trash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Something new is at “%1” now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” couldn’t be put back.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UndoRemoval</name>
    <message>
        <source>Putting %1 back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is back, but not all of it: %2 The rest was put back; nothing was overwritten.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UndoRemovalButton</name>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo removing %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Uninstall</name>
    <message>
        <source>note: Left alone: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>note: %1 needs your administrator password; it was left where it is.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpdateChoices</name>
    <message>
        <source>Skip this version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don’t check for updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don’t check %1 for updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 is kept (%3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revert to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revert %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check %1 for updates again</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZapPaths</name>
    <message>
        <source>it leads outside its folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a full path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it steps out of its folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it would match other apps’ files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it belongs to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a link to another place</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
